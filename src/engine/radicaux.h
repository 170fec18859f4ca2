#pragma once
// Square roots of integers and of products: square factors taken out.

#include <string>

// 12 -> 2*sqrt(3), 4 -> 2, 0 -> 0; anything but an integer in 0..10^15
// stays as "sqrt(t)".
std::string extrait_carres(const std::string& t);
// extrait_carres, on both sides of a quotient.
std::string racine_simplifiee(const std::string& t);
// Roots simplified through the whole text, factors moved under a root and
// taken out again (2*sqrt(3) -> 2*sqrt(3), sqrt(8) -> 2*sqrt(2)).
std::string calcul_radical(const std::string& t);
// True when t has an exact square root, given in r: 9 (3), 4*x^2 (2*x).
bool racine_carree_exacte(const std::string& t, std::string& r);
