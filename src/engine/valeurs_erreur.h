#pragma once
// The engine's error values: "erreur(" + message + ")", recognised by
// est_erreur wherever they travel.

#include <cmath>
#include <string>

#include "localisation/catalogue.h"
#include "localisation/nombres.h"
#include "localisation/textes_fixes.h"

inline std::string valeur_erreur(const std::string& message) { return "erreur(" + message + ")"; }

inline std::string erreur_division_par_zero() { return valeur_erreur(textes_fixes().division_par_zero); }

inline std::string erreur_hors_limites() { return valeur_erreur(catalogue_textes.txt_argument_hors_limites); }

inline std::string erreur_nombre_non_fini() { return valeur_erreur(catalogue_textes.txt_nombre_non_fini); }

// The text of a computed number; an overflow or an invalid operation (an
// infinite or undefined value) is an error value, never "INF" or "NAN".
inline std::string texte_nombre_fini(double valeur) {
  return std::isfinite(valeur) ? texte_nombre(valeur) : erreur_nombre_non_fini();
}

// A failure text as an error value; a text that already is one is kept as
// it stands, so catalogue texts written wrapped are not wrapped twice.
std::string en_valeur_erreur(const std::string& texte);
