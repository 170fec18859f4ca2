#pragma once
// The coefficients and the discriminant of an equation of degree at most 2
// read straight from its text when they are small integers, instead of by
// derivation and exact rewriting.

#include <optional>
#include <string>

#include "engine/resoudre.h"

// The coefficients of f in v when f is a sum of terms n, n*v, v, n*v^2,
// v^2 (v^1 for v) with integers n of a few digits and no other name or
// bracket: each written as an integer. No value for any other text.
std::optional<Coefficients> coefficients_entiers(const std::string& f, const std::string& v);

// b^2-4ac written as an integer, when the three coefficients are integers
// of a few digits. No value otherwise.
std::optional<std::string> discriminant_entier(const Coefficients& k);
