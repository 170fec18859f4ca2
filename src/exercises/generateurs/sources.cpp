#include "exercises/generateurs/sources.h"

#include <cmath>
#include <string>

#include "localisation/nombres.h"

SourceGraine::SourceGraine(std::uint32_t graine, std::uint64_t limite)
    : SourceAleatoire(graine), limite_(limite) {}

void SourceGraine::verifier_limite() const {
  if (tirages() >= limite_) throw ErreurTirage("more than " + texte_entier(static_cast<std::int64_t>(limite_)) + " draws");
}

int SourceGraine::Random(int n) {
  if (n > 0) verifier_limite();
  return SourceAleatoire::Random(n);
}

double SourceGraine::RandomReel() {
  verifier_limite();
  return SourceAleatoire::RandomReel();
}

SourceScriptee::SourceScriptee(std::vector<double> tirages, std::uint32_t graine, std::uint64_t limite)
    : SourceGraine(graine, limite), script_(tirages.begin(), tirages.end()) {}

double SourceScriptee::prendre(double minimum, double maximum_exclu, bool entier) {
  const double valeur = script_.front();
  script_.pop_front();
  if (valeur < minimum || valeur >= maximum_exclu || (entier && valeur != std::floor(valeur))) {
    throw ErreurTirage("scripted draw " + texte_nombre(valeur) + " outside [" + texte_nombre(minimum) + ", " +
                       texte_nombre(maximum_exclu) + ")");
  }
  compter_tirage();
  return valeur;
}

int SourceScriptee::Random(int n) {
  if (n <= 0 || script_.empty()) return SourceGraine::Random(n);
  return static_cast<int>(prendre(0, n, true));
}

int SourceScriptee::RandomRange(int a, int b) {
  if (a == b || script_.empty()) return SourceGraine::RandomRange(a, b);
  return static_cast<int>(prendre(a < b ? a : b, a < b ? b : a, true));
}

double SourceScriptee::RandomReel() {
  if (script_.empty()) return SourceGraine::RandomReel();
  return prendre(0, 1, false);
}
