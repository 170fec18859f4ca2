#include "engine/combinatoire.h"

#include "engine/primitives.h"

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
