#pragma once
// The exercises of the fourth school level on linear and affine functions
// (codes 2411 to 2413: an equation from points, a line read on the exercise
// chart) and on statistics tables (codes 4401 to 4403).

struct ContexteGenerateur;

// Registers the generators of these codes.
void enregistrer_niveau_3_fonctions_statistiques();

void exercice_2411(ContexteGenerateur& contexte);
void exercice_2412(ContexteGenerateur& contexte);
void exercice_2413(ContexteGenerateur& contexte);
void exercice_4401(ContexteGenerateur& contexte);
void exercice_4402(ContexteGenerateur& contexte);
void exercice_4403(ContexteGenerateur& contexte);
