#pragma once
// Helpers of the level-1 and final-level generators: the roots of a solver
// list and a draw among a few given values.

#include <initializer_list>
#include <string>
#include <vector>

#include "exercises/contexte_generateur.h"

// The roots of a solver answer "[v=r1;v=r2]" ("[v=r]" for one root): the
// brackets dropped, the items cut at ";", each root the part after "=". An
// item without "=" is kept whole, so an error text comes back as one item.
std::vector<std::string> racines_liste(const std::string& liste);

// One of `valeurs`, each with the same chance, by one Random(size) draw:
// RandomFrom(contexte, {-2, -1, 1, 2}) draws Random(4).
int RandomFrom(ContexteGenerateur& contexte, std::initializer_list<int> valeurs);
