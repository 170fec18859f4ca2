#pragma once
// Texts the core needs that are the same in both languages (they end up in
// results and files, so they must not change with the interface language).

#include <string>

#define PRALINORE_TEXTES_FIXES(X) \
  X(division_par_zero) \
  X(erreur_derivation) \
  X(erreur_logarithme) \
  X(erreur_racine) \
  X(matrice_non_carree) \
  X(matrice_non_inversible) \
  X(matrice_invalide) \
  X(matrice_trop_grande) \
  X(dimension_incompatible) \
  X(vecteur_invalide) \
  X(non_polynome) \
  X(division_euclidienne_impossible) \
  X(pas_de_solution_unique) \
  X(systeme_non_lineaire) \
  X(nombre_variables_equations) \
  X(equation_second_ordre) \
  X(equation_impossible) \
  X(droite_indeterminee) \
  X(legende_score)

struct TextesFixes {
#define PRALINORE_MEMBRE(nom) std::string nom;
  PRALINORE_TEXTES_FIXES(PRALINORE_MEMBRE)
#undef PRALINORE_MEMBRE
};

// Loaded once from the compiled-in data (Windows-1252).
const TextesFixes& textes_fixes();
