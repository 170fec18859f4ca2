#include "engine/combinatoire.h"

#include <limits>

#include "engine/primitives.h"

namespace {

// Products are kept in extended precision, so the fifteen digits written
// are those of the exact count.
using Approche = long double;
constexpr Approche plus_grand_double = std::numeric_limits<double>::max();

double en_double(Approche r) {
  return r > plus_grand_double ? std::numeric_limits<double>::infinity() : static_cast<double>(r);
}

// The product of the integers from `de` to `a`.
double produit_approche(std::int64_t de, std::int64_t a) {
  Approche r = 1;
  for (std::int64_t i = de; i <= a && r <= plus_grand_double; ++i) {
    r *= static_cast<Approche>(i);
    if (i == a) break;  // a may be the largest integer
  }
  return en_double(r);
}

}  // namespace

std::optional<std::int64_t> factorielle(std::int64_t n) {
  if (n < 0) return 0;
  std::int64_t r = 1;
  for (std::int64_t i = 2; i <= n; ++i) {
    if (__builtin_mul_overflow(r, i, &r)) return std::nullopt;
  }
  return r;
}

std::optional<std::int64_t> comb(std::int64_t p, std::int64_t n) {
  if (n < 0) return std::nullopt;
  if (p < 0 || p > n) return 0;
  // C(n, p) = C(n, n - p): the shorter product. Step i gives C(n-k+i, i),
  // an integer that only grows, so it fails only when the count does not
  // fit. Dividing by the common part first keeps r*(n-k+i) from
  // overflowing on the way: i/g then divides n-k+i.
  const std::int64_t k = p < n - p ? p : n - p;
  std::int64_t r = 1;
  for (std::int64_t i = 1; i <= k; ++i) {
    const std::int64_t g = pgcd(r, i);
    const std::int64_t facteur = (n - k + i) / (i / g);
    if (__builtin_mul_overflow(r / g, facteur, &r)) return std::nullopt;
  }
  return r;
}

std::optional<std::int64_t> perm(std::int64_t p, std::int64_t n) {
  if (n < 0) return std::nullopt;
  if (p < 0 || p > n) return 0;
  std::int64_t r = 1;
  for (std::int64_t i = n - p + 1; i <= n; ++i) {
    if (__builtin_mul_overflow(r, i, &r)) return std::nullopt;
  }
  return r;
}

double factorielle_approchee(std::int64_t n) { return produit_approche(2, n); }

double comb_approche(std::int64_t p, std::int64_t n) {
  if (p < 0 || p > n) return 0;
  // As in comb: step i gives C(n-k+i, i), which only grows.
  const std::int64_t k = p < n - p ? p : n - p;
  Approche r = 1;
  for (std::int64_t i = 1; i <= k && r <= plus_grand_double; ++i) {
    r = r * static_cast<Approche>(n - k + i) / static_cast<Approche>(i);
  }
  return en_double(r);
}

double perm_approche(std::int64_t p, std::int64_t n) {
  if (p < 0 || p > n) return 0;
  if (p == 0) return 1;
  return produit_approche(n - p + 1, n);
}
