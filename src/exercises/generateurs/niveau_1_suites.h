#pragma once
// The sequence exercises of level 1 (codes 1620 to 1635 in part): direction
// of a sequence, arithmetic or geometric sequences, their terms and sums. The final level's codes 1720 to 1730
// run the same generators.

struct ContexteGenerateur;

// Registers the generators of these codes.
void enregistrer_niveau_1_suites();

void exercice_1622(ContexteGenerateur& contexte);
void exercice_1623(ContexteGenerateur& contexte);
void exercice_1624(ContexteGenerateur& contexte);
void exercice_1625(ContexteGenerateur& contexte);
void exercice_1626(ContexteGenerateur& contexte);
void exercice_1627(ContexteGenerateur& contexte);
void exercice_1628(ContexteGenerateur& contexte);
void exercice_1629(ContexteGenerateur& contexte);
void exercice_1630(ContexteGenerateur& contexte);
