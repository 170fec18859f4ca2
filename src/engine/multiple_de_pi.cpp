#include "engine/multiple_de_pi.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/operation.h"
#include "engine/primitives.h"
#include "localisation/nombres.h"

namespace {

constexpr int denominateur_maximal = 99;
// Values read from 15 significant digits are off by a few units of the
// 15th: x/pi is rounded to 15 decimals, and a product k*x/pi this close to
// an integer is that integer.
constexpr double echelle_arrondi = 1e15;
constexpr double resolution = 1e-12;

double arrondi_15_decimales(double x) { return std::nearbyint(x * echelle_arrondi) / echelle_arrondi; }

bool meme_valeur(double a, double b) {
  const double tolerance = std::max(std::min(std::fabs(a), std::fabs(b)) * resolution, resolution);
  return std::fabs(a - b) <= tolerance;
}

}  // namespace

std::string multiple_de_pi(const std::string& x) {
  const auto valeur = lire_nombre(x);
  if (!valeur) return x;
  const double r = arrondi_15_decimales(*valeur / std::numbers::pi);
  for (int k = 1; k <= denominateur_maximal; ++k) {
    double p = k * r;
    if (const double entier = std::nearbyint(p); meme_valeur(p, entier)) p = entier;
    const std::string numerateur = texte_nombre(p);
    if (est_entier(numerateur)) {
      return operation_ordonnee(operation_ordonnee(numerateur, texte_entier(k), "/"), "pi", "*");
    }
  }
  return x;
}
