#pragma once
// The exercises of the fifth school level that have generators of their own
// (codes 1501 to 1504): first- and second-degree equations in x, y or z,
// their roots given by the engine's solver. The level's other codes rerun
// generators of the fourth level.

struct ContexteGenerateur;

// Registers the generators of this level under their codes.
void enregistrer_niveau_2();

void exercice_1501(ContexteGenerateur& contexte);
void exercice_1502(ContexteGenerateur& contexte);
void exercice_1503(ContexteGenerateur& contexte);
void exercice_1504(ContexteGenerateur& contexte);
