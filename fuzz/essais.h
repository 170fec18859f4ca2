#pragma once
// The count of random inputs of a stress test: its own count, sized to stay
// under 20 s under the sanitizers, times PRALINORE_FACTEUR_ESSAIS (a whole
// number from 1, 1 by default) for longer runs by hand.

#include <cstdio>
#include <cstdlib>
#include <string>

inline int nombre_essais(int essais) {
  const char* facteur = std::getenv("PRALINORE_FACTEUR_ESSAIS");
  if (facteur == nullptr) return essais;
  const std::string texte = facteur;
  const bool entier = !texte.empty() && texte.size() <= 4 && texte.find_first_not_of("0123456789") == std::string::npos;
  const int f = entier ? std::atoi(facteur) : 0;
  if (f < 1) {
    std::fprintf(stderr, "PRALINORE_FACTEUR_ESSAIS must be a whole number from 1 to 9999: %s\n", facteur);
    std::exit(2);
  }
  return essais * f;
}
