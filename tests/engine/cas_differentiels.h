#pragma once
// How many random inputs a differential test (a shortcut against the written
// algorithm it stands for) draws: its own default in ctest, or the number in
// PRALINORE_CAS_DIFFERENTIELS (scripts/differentiel.sh runs 100,000).

#include <cstdlib>
#include <string>

#include "engine/entiers_verifies.h"

inline int nombre_cas_differentiels(int defaut) {
  const char* valeur = std::getenv("PRALINORE_CAS_DIFFERENTIELS");
  if (valeur == nullptr) return defaut;
  const auto n = entier_ecrit(std::string(valeur));
  return n && *n > 0 && *n <= 10000000 ? static_cast<int>(*n) : defaut;
}
