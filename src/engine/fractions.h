#pragma once
// Exact rational arithmetic on expression text: 64-bit numerators and
// denominators, reduced by their gcd. Whatever does not fit, or is not
// numeric, is kept as text.

#include <string>

// A numeric term folded to one reduced quotient (2/3+1/6 -> 5/6, (2/3)^-2 ->
// 9/4); a text that is not numeric comes back unchanged.
std::string calcul_facteur(const std::string& t);

// The whole text brought to one quotient N/D: exact on numbers (0.25 ->
// 1/4), expanded and collected on the rest, a common integer factor
// cancelled.
std::string fraction(const std::string& t);

// A text of numbers only that the collection left as several terms (it
// keeps exact and decimal numbers apart: 23+12.5) brought to one exact
// quotient; any other text unchanged.
std::string fraction_des_nombres(const std::string& t);
