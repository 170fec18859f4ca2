#pragma once
// Factorisations decided from the shape of the terms, without the rewriting
// that would find nothing to take out.

#include <string>
#include <vector>

// Whether the two terms (unsigned, as decompose_somme gives them) are
// monomials that share no factor: each the product of at most one positive
// integer and of plain names raised to positive integer powers, no name
// common to both, and coprime integers. Their sum has no common factor to
// take out, whatever the signs.
bool binome_sans_facteur_commun(const std::vector<std::string>& termes);
