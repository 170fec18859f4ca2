#pragma once
// Helpers of the level-1 and final-level generators: a draw among a few
// given values.

#include <initializer_list>

#include "exercises/contexte_generateur.h"
#include "exercises/generateurs/outils.h"

// One of `valeurs`, each with the same chance, by one Random(size) draw:
// RandomFrom(contexte, {-2, -1, 1, 2}) draws Random(4).
int RandomFrom(ContexteGenerateur& contexte, std::initializer_list<int> valeurs);
