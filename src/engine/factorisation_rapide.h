#pragma once
// Factorisations decided from the shape of the terms, without the rewriting
// that would find nothing to take out.

#include <string>
#include <vector>

// Whether the sum of the terms (unsigned, with their signs, as
// decompose_somme gives them; two to four of them) has a first term that shares no factor with
// the rest: every term the product of at most one positive integer and of
// plain names, each once, raised to positive integer powers; no name of
// the first term in another; its integer coprime with theirs; no two other
// terms alike (nothing cancels); and the first two terms not both negated.
// Such a sum has no common factor to take out.
bool somme_sans_facteur_commun(const std::vector<std::string>& termes, const std::vector<std::string>& signes);
