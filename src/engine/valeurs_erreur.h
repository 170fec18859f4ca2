#pragma once
// The engine's error values: "erreur(" + message + ")", recognised by
// est_erreur wherever they travel.

#include <string>

#include "localisation/textes_fixes.h"

inline std::string valeur_erreur(const std::string& message) { return "erreur(" + message + ")"; }

inline std::string erreur_division_par_zero() { return valeur_erreur(textes_fixes().division_par_zero); }
