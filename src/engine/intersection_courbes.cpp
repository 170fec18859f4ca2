#include "engine/intersection_courbes.h"

Tcroisement chercher_croisement(const std::vector<std::string>&, int, const Tserie_courbe&, int) { return {}; }

std::string difference_courbes(const std::string& titre, const std::string& autre) { return titre + "-" + autre; }

std::optional<double> racine_proche(const std::string&, double, int) { return std::nullopt; }

std::optional<Tpoint_plan> chercher_intersection(const std::string&, int, const std::string&, double, int) {
  return std::nullopt;
}
