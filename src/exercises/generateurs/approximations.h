#pragma once
// Exact decimal forms, scientific notation and bounds at 10^-k, worked out
// in integers so that no binary rounding creeps into an expected answer.

#include <cstdint>
#include <optional>
#include <string>

#include "exercises/generateurs/decimal_exact.h"

// The exact decimal value of p/q (q != 0) when it has at most `decimales_max`
// decimals: 5/2 gives 2.5, 1/8 gives 0.125; no value for 1/3, for q = 0 or
// when the result does not fit.
std::optional<DecimalExact> decimal_de_fraction(std::int64_t p, std::int64_t q, int decimales_max);

// The scientific notation of a non-zero exact decimal: the mantissa text has
// one non-zero digit before the point and at most nine decimals, rounded
// halves away from zero, with no trailing zero or point and its "-" kept;
// the exponent is the power of ten. 1234.5 gives "1.2345" and 3, -0.05
// gives "-5" and -2. Zero gives "0" and 0.
struct NotationScientifique {
  std::string mantisse;
  int exposant = 0;
};
NotationScientifique notation_scientifique(const DecimalExact& valeur);

// The largest integer whose square is at most n (0 for n <= 0).
std::int64_t racine_entiere(std::int64_t n);

// floor and ceiling of a/b at 10^-k (b != 0 of either sign, k >= 0): 2/3 at k = 2 gives
// 0.66 and 0.67. No value when a*10^k does not fit.
std::optional<DecimalExact> plancher_quotient(std::int64_t a, std::int64_t b, int k);
std::optional<DecimalExact> plafond_quotient(std::int64_t a, std::int64_t b, int k);

// floor and ceiling of sqrt(a) at 10^-k (a >= 0, k >= 0): sqrt(2) at k = 3
// gives 1.414 and 1.415; equal when sqrt(a) has at most k decimals.
std::optional<DecimalExact> plancher_racine(std::int64_t a, int k);
std::optional<DecimalExact> plafond_racine(std::int64_t a, int k);
