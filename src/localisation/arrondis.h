#pragma once
// The two roundings of the drawing code. Round gives the nearest integer,
// ties to the even one (as the runtime's Round does); MulDiv computes
// a * b / c in 64 bits and rounds the quotient half away from zero (as the
// system's MulDiv does), so band edges and proportional widths never
// overflow.

#include <cmath>
#include <cstdint>
#include <limits>

// NaN gives 0; values beyond an int give its nearest bound.
inline int Round(double x) {
  if (std::isnan(x)) return 0;
  const double r = std::nearbyint(x);
  if (r >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (r <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(r);
}

// -1 when c is 0 or the result does not fit an int, as the system answers.
inline int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t produit = static_cast<std::int64_t>(a) * b;
  std::int64_t quotient = produit / c;
  const std::int64_t reste = produit % c;
  const std::int64_t reste_absolu = reste < 0 ? -reste : reste;
  const std::int64_t diviseur_absolu = c < 0 ? -static_cast<std::int64_t>(c) : c;
  if (2 * reste_absolu >= diviseur_absolu) quotient += (produit < 0) != (c < 0) ? -1 : 1;
  if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(quotient);
}
