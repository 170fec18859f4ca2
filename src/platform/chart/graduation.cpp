#include "platform/chart/graduation.h"

#include <algorithm>
#include <cmath>

double pas_graduation(double minimum, double maximum, double longueur_pixels, double ecart_pixels) {
  const double etendue = maximum - minimum;
  if (!(etendue > 0) || !std::isfinite(etendue) || !(longueur_pixels > 0) || !(ecart_pixels > 0)) return 0;
  const double nombre = std::max(1.0, std::floor(longueur_pixels / ecart_pixels));
  const double brut = etendue / nombre;
  const double puissance = std::pow(10.0, std::floor(std::log10(brut)));
  for (const double facteur : {1.0, 2.0, 5.0}) {
    if (facteur * puissance >= brut * (1 - 1E-12)) return facteur * puissance;
  }
  return 10 * puissance;
}

std::vector<double> graduations(double minimum, double maximum, double longueur_pixels, double ecart_pixels) {
  std::vector<double> valeurs;
  const double pas = pas_graduation(minimum, maximum, longueur_pixels, ecart_pixels);
  if (!(pas > 0) || !std::isfinite(pas)) return valeurs;
  const double premier = std::ceil(minimum / pas - 1E-9);
  const double dernier = std::floor(maximum / pas + 1E-9);
  // Beyond 2^53 consecutive multiples are no longer distinct doubles.
  constexpr double limite = 9007199254740992.0;
  if (!(std::fabs(premier) < limite) || !(std::fabs(dernier) < limite) || dernier - premier > 10000) return valeurs;
  for (double i = premier; i <= dernier; ++i) valeurs.push_back(i == 0 ? 0.0 : i * pas);
  return valeurs;
}
