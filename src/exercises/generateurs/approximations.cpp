#include "exercises/generateurs/approximations.h"

#include <cstdlib>
#include <numeric>

namespace {

constexpr int base = 10;
constexpr int decimales_mantisse = 9;
// 10^18 is the largest power of ten of a signed 64-bit integer.
constexpr int chiffres_int64 = 18;

std::optional<std::int64_t> puissance_dix(int k) {
  if (k < 0 || k > chiffres_int64) return std::nullopt;
  std::int64_t p = 1;
  for (int i = 0; i < k; ++i) p *= base;
  return p;
}

std::optional<std::int64_t> fois_puissance(std::int64_t a, int k) {
  const auto p = puissance_dix(k);
  std::int64_t r = 0;
  if (!p || __builtin_mul_overflow(a, *p, &r)) return std::nullopt;
  return r;
}

// The floor of a/b for any signs.
std::int64_t division_plancher(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

}  // namespace

std::optional<DecimalExact> decimal_de_fraction(std::int64_t p, std::int64_t q, int decimales_max) {
  if (q == 0) return std::nullopt;
  for (int k = 0; k <= decimales_max; ++k) {
    const auto numerateur = fois_puissance(p, k);
    if (!numerateur) return std::nullopt;
    if (*numerateur % q == 0) return DecimalExact(*numerateur / q, -k);
  }
  return std::nullopt;
}

NotationScientifique notation_scientifique(const DecimalExact& valeur) {
  if (valeur.est_nul()) return {"0", 0};
  int exposant = valeur.ordre() - 1;
  // The mantissa as a decimal between 1 and 10 in magnitude.
  std::optional<DecimalExact> m =
      DecimalExact(valeur.mantisse(), valeur.exposant() - exposant).arrondi(decimales_mantisse);
  if (m && std::llabs(m->mantisse()) == 1 && m->exposant() == 1) {
    // 9.9999999999 rounds up to 10: one more power of ten.
    m = DecimalExact(m->mantisse());
    ++exposant;
  }
  return {m ? m->texte() : std::string{}, exposant};
}

std::int64_t racine_entiere(std::int64_t n) {
  if (n <= 0) return 0;
  // Newton's iteration from above, decreasing until it settles.
  std::int64_t x = n;
  std::int64_t y = n / 2 + n % 2;
  while (y < x) {
    x = y;
    y = (x + n / x) / 2;
  }
  return x;
}

std::optional<DecimalExact> plancher_quotient(std::int64_t a, std::int64_t b, int k) {
  const auto n = fois_puissance(a, k);
  if (!n || b == 0) return std::nullopt;
  return DecimalExact(division_plancher(*n, b), -k);
}

std::optional<DecimalExact> plafond_quotient(std::int64_t a, std::int64_t b, int k) {
  const auto n = fois_puissance(a, k);
  if (!n || b == 0) return std::nullopt;
  return DecimalExact(-division_plancher(-*n, b), -k);
}

std::optional<DecimalExact> plancher_racine(std::int64_t a, int k) {
  const auto n = fois_puissance(a, 2 * k);
  if (!n || a < 0) return std::nullopt;
  return DecimalExact(racine_entiere(*n), -k);
}

std::optional<DecimalExact> plafond_racine(std::int64_t a, int k) {
  const auto n = fois_puissance(a, 2 * k);
  if (!n || a < 0) return std::nullopt;
  const std::int64_t r = racine_entiere(*n);
  return DecimalExact(r * r == *n ? r : r + 1, -k);
}
