#pragma once
// Linear systems solved exactly by Cramer's rule, and the line through two
// points built on them. Every failure is an error value.

#include <string>
#include <vector>

#include "engine/matrice.h"

// The slope and intercept unknowns of points_en_droite: letters no user
// types in a coordinate, in the program's character set.
inline constexpr char inconnue_pente[] = "\xE9";
inline constexpr char inconnue_ordonnee[] = "\xE8";

// Copies every coefficient of `source` that `destination` has room for.
void copie_coefficients(Tcoefficient& destination, const Tcoefficient& source);

// "[e1;e2;...]" in the unknowns "[x;y;...]": "[x=...;y=...]" with each value
// one exact quotient. A system is linear only when every coefficient
// (derivative of an equation by an unknown) names no unknown.
std::string resoudre_systeme(const std::string& equations, const std::string& variables);

// The line through the points "[x1;y1]" and "[x2;y2]": "x=..." when the
// abscissas are the same text, "y=..." when the ordinates are, else
// "y=" + the reduced m*x+p.
std::string points_en_droite(const std::vector<std::string>& points);
