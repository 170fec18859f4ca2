#include "engine/intersection_courbes.h"

#include <algorithm>
#include <cmath>

#include "engine/arrondi_decimal.h"
#include "engine/decoupage.h"
#include "engine/fonction.h"
#include "engine/operation.h"

namespace {

// Cartesian titles are expressions of x.
const std::string variable_cartesienne = "x";
// Each round moves the ends of the bracket away from the start by these
// factors.
constexpr double facteur_gauche = 0.9;
constexpr double facteur_droite = 1.1;
constexpr double base_decimale = 10;

bool champ_unique(const std::string& titre) { return decoupe(titre, ';').size() == 1; }

std::optional<double> valeur_en(const std::string& f, double x) { return valeur_courbe(f, variable_cartesienne, x); }

// The points on either side of `position` on the traced series.
struct Voisins {
  Tpoint_plan gauche;
  Tpoint_plan droite;
  double x = 0;  // abscissa of the point at `position`
};

Voisins voisins(const Tserie_courbe& serie, int position) {
  const int dernier = serie.Count() - 1;
  const int p = std::clamp(position, 0, dernier);
  const int l = std::max(p - 1, 0);
  const int r = std::min(p + 1, dernier);
  return {{serie.XValue(l), serie.YValue(l)}, {serie.XValue(r), serie.YValue(r)}, serie.XValue(p)};
}

// The traced curve against another one: their difference changes sign.
bool croise_courbe(const std::string& titre, const std::string& autre, const Voisins& v) {
  const std::string f = difference_courbes(titre, autre);
  const auto a = valeur_en(f, v.gauche.x);
  const auto b = valeur_en(f, v.droite.x);
  return a && b && *a * *b <= 0;
}

// The traced curve against the axes.
Tcroisement croise_axes(const Voisins& v) {
  if (v.gauche.y * v.droite.y <= 0) return {croisement_axe_abscisses, v.x};
  if (v.gauche.x * v.droite.x <= 0) return {croisement_axe_ordonnees, 0};
  return {};
}

}  // namespace

Tcroisement chercher_croisement(const std::vector<std::string>& titres, int courante, const Tserie_courbe& serie,
                                int position) {
  const int n = static_cast<int>(titres.size());
  if (courante < 0 || courante >= n || serie.Count() == 0 || !champ_unique(titres[courante])) return {};
  const Voisins v = voisins(serie, position);
  for (int k = 0; k < n; ++k) {
    if (!champ_unique(titres[k])) continue;
    if (k == courante) {
      const Tcroisement axes = croise_axes(v);
      if (axes.code != croisement_aucun) return axes;
    } else if (croise_courbe(titres[courante], titres[k], v)) {
      return {k, v.x};
    }
  }
  return {};
}

std::string difference_courbes(const std::string& titre, const std::string& autre) {
  return operation_ordonnee(titre, autre, "-");
}

std::optional<double> racine_proche(const std::string& f, double x0, int precision) {
  const double tolerance = std::pow(base_decimale, -precision);
  const auto v0 = valeur_en(f, x0);
  if (v0 && std::fabs(*v0) < tolerance) return x0;
  double a = x0;
  double b = x0;
  int tours = 0;
  std::optional<double> fa;
  std::optional<double> fb;
  do {
    a *= facteur_gauche;
    b *= facteur_droite;
    ++tours;
    fa = valeur_en(f, a);
    fb = valeur_en(f, b);
  } while (fa && fb && tours <= tours_encadrement_maximaux && *fa * *fb > 0);
  if (!fa || !fb || tours >= tours_encadrement_maximaux) return std::nullopt;
  const double racine = fonction(f).dichotomie(variable_cartesienne, a, b, tolerance);
  if (std::isnan(racine)) return std::nullopt;
  return racine;
}

std::optional<Tpoint_plan> chercher_intersection(const std::string& titre, int code, const std::string& autre,
                                                 double x0, int precision) {
  if (code == croisement_axe_ordonnees) {
    const auto y = valeur_en(titre, 0);
    if (!y) return std::nullopt;
    return Tpoint_plan{0, RoundTo(*y, -precision)};
  }
  if (code != croisement_axe_abscisses && code < 0) return std::nullopt;
  const std::string f = code == croisement_axe_abscisses ? titre : difference_courbes(titre, autre);
  const auto racine = racine_proche(f, x0, precision);
  if (!racine) return std::nullopt;
  const double x = RoundTo(*racine, -precision);
  if (code == croisement_axe_abscisses) return Tpoint_plan{x, 0};
  const auto y = valeur_en(titre, x);
  if (!y) return std::nullopt;
  return Tpoint_plan{x, RoundTo(*y, -precision)};
}
