#include "engine/calculs_courbes.h"

Tsaisie_courbe verifier_saisie_courbe(int, const std::vector<std::string>&) { return {}; }

Tabscisse_saisie numeriser_abscisse(const std::string& saisie, bool) { return {saisie, std::nullopt}; }

std::optional<std::string> tangente(const std::string&, const std::string&, double) { return std::nullopt; }

Tvaleurs_integrale valeurs_integrale(const std::string&, const std::string&, double, double) { return {}; }

Tintegrale somme_trapezes(const Tvaleurs_integrale&) { return {}; }

const Tvaleurs_integrale& Tcache_integrale::valeurs(const std::string& ligne, double a, double b) {
  return valeurs_[{ligne, a, b}];
}
