#include "engine/angles_remarquables.h"

#include <cmath>
#include <numbers>

namespace {

// Angles are counted in twelfths of pi: multiples of pi/6 and pi/4 are the
// twelfths k with k even or a multiple of 3.
constexpr double douzieme = std::numbers::pi / 12;
constexpr int douziemes_par_tour = 24;
constexpr int douziemes_par_demi_tour = 12;
constexpr int douziemes_par_quart = 6;

// An angle reaches the evaluation as 15-digit number text, each step of its
// computation rounded to 15 significant digits (2*pi/3 is 2.0943951023932):
// two such roundings are within this relative distance of the exact
// multiple. A number typed with fewer digits (3.14159) is much farther.
constexpr double ecart_relatif = 1e-14;
// Below this size no whole number comes within that distance of a multiple
// (the nearest, 191068, is 5E-13 from one); the distance grows with the
// angle, and with it such coincidences.
constexpr double angle_maximal = 1e6;

// sin(j*pi/12) for j from 0 to 6; j = 1 and 5 are never asked.
constexpr double sinus_premier_quart[] = {
    0, 0, 0.5, std::numbers::sqrt2 / 2, std::numbers::sqrt3 / 2, 0, 1,
};

std::optional<int> douziemes_de(double x) {
  if (x == 0) return 0;
  if (!std::isfinite(x) || std::fabs(x) > angle_maximal) return std::nullopt;
  const double k = std::nearbyint(x / douzieme);
  if (std::fabs(x - k * douzieme) > ecart_relatif * std::fabs(x)) return std::nullopt;
  const auto n = static_cast<int>(k);
  if (n % 2 != 0 && n % 3 != 0) return std::nullopt;
  return n;
}

double sinus_exact(int k) {
  int r = k % douziemes_par_tour;
  if (r < 0) r += douziemes_par_tour;
  const double signe = r >= douziemes_par_demi_tour ? -1 : 1;
  r %= douziemes_par_demi_tour;
  return signe * sinus_premier_quart[r <= douziemes_par_quart ? r : douziemes_par_demi_tour - r];
}

double cosinus_exact(int k) { return sinus_exact(k + douziemes_par_quart); }

std::optional<ValeurRemarquable> quotient(double numerateur, double denominateur) {
  if (denominateur == 0) return ValeurRemarquable{true, 0};
  return ValeurRemarquable{false, numerateur / denominateur};
}

}  // namespace

std::optional<ValeurRemarquable> valeur_remarquable(Trigonometrique f, double x) {
  const std::optional<int> k = douziemes_de(x);
  if (!k) return std::nullopt;
  switch (f) {
    case Trigonometrique::cos: return ValeurRemarquable{false, cosinus_exact(*k)};
    case Trigonometrique::sin: return ValeurRemarquable{false, sinus_exact(*k)};
    case Trigonometrique::tan: return quotient(sinus_exact(*k), cosinus_exact(*k));
    default: return quotient(cosinus_exact(*k), sinus_exact(*k));
  }
}
