#pragma once
// Exercises of level 1 (codes 1620 to 1634): shifted terms, the direction of a sequence,
// arithmetic and geometric sequences, their terms and sums, products of
// polynomials to expand and reduce with their degree, and a cubic factored
// by a known root. The final level's
// codes 1720 to 1730 run the same generators.

struct ContexteGenerateur;

// Registers the generators of these codes.
void enregistrer_niveau_1_suites();

void exercice_1620(ContexteGenerateur& contexte);
void exercice_1621(ContexteGenerateur& contexte);
void exercice_1622(ContexteGenerateur& contexte);
void exercice_1623(ContexteGenerateur& contexte);
void exercice_1624(ContexteGenerateur& contexte);
void exercice_1625(ContexteGenerateur& contexte);
void exercice_1626(ContexteGenerateur& contexte);
void exercice_1627(ContexteGenerateur& contexte);
void exercice_1628(ContexteGenerateur& contexte);
void exercice_1629(ContexteGenerateur& contexte);
void exercice_1630(ContexteGenerateur& contexte);
void exercice_1631(ContexteGenerateur& contexte);
void exercice_1632(ContexteGenerateur& contexte);
void exercice_1633(ContexteGenerateur& contexte);
void exercice_1634(ContexteGenerateur& contexte);
void exercice_1635(ContexteGenerateur& contexte);
