#pragma once
// The polynomial-expansion exercises of level 1 (codes 1631 and 1632): a
// product of polynomials to expand and reduce, and the degree of the result.

struct ContexteGenerateur;

// Registers the generators of these codes.
void enregistrer_niveau_1_produits();

void exercice_1631(ContexteGenerateur& contexte);
void exercice_1632(ContexteGenerateur& contexte);
