#pragma once
// The coefficients and the discriminant of an equation of degree at most 2
// read straight from its text when they are small exact numbers, instead of
// by derivation and exact rewriting.

#include <optional>
#include <string>

#include "engine/resoudre.h"

// The coefficients of f in v when f is a sum of terms q, q*v, v, q*v^2,
// v^2 (v^1 for v), each power possibly divided by an integer (v/d, q*v^2/d),
// q an integer n or a quotient n/d of integers of a few digits, a term
// (n*v^2)/d or (v)/d (how n/d*v^2 and v/d read), and no other name or
// bracket: each written as an exact quotient ("-3", "7/4").
// No value for any other text.
std::optional<Coefficients> coefficients_exacts(const std::string& f, const std::string& v);

// b^2-4ac written as an exact quotient, when the three coefficients are
// written so. No value otherwise.
std::optional<std::string> discriminant_exact(const Coefficients& k);
