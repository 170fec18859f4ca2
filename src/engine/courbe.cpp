#include "engine/courbe.h"

#include <cmath>
#include <utility>
#include <vector>

#include "engine/decoupage.h"
#include "engine/fonction.h"
#include "engine/primitives.h"
#include "localisation/nombres.h"

namespace {

// Guards the count of t steps against a quotient that lands just below an
// integer: (max - min)/step is 40 - 1e-14 for [0;2] by 0.05.
constexpr double marge_pas = 1e-9;

void ajouter_point(Tserie_courbe& serie, const std::string& x, const std::string& y, const std::string& variable,
                   double t) {
  const auto vx = valeur_courbe(x, variable, t);
  if (!vx) return;
  const auto vy = valeur_courbe(y, variable, t);
  if (vy) serie.AddXY(*vx, *vy);
}

void tracer_cartesienne(const Tcourbe& c, Tserie_courbe& serie, double min, double max) {
  if (!(min < max)) return;
  const double h = (max - min) / intervalles_cartesiens;
  for (int i = 0; i <= intervalles_cartesiens; ++i) {
    const double x = min + i * h;
    if (const auto y = valeur_courbe(c.expressions[0], c.variable, x)) serie.AddXY(x, *y);
  }
}

// The last index of the t samples; the step widens so that at most
// points_maximaux_courbe points come.
int dernier_indice(double min, double max, double& pas) {
  const double n = std::floor((max - min) / pas + marge_pas);
  if (n < points_maximaux_courbe) return static_cast<int>(n);
  pas = (max - min) / (points_maximaux_courbe - 1);
  return points_maximaux_courbe - 1;
}

void tracer_en_t(const Tcourbe& c, Tserie_courbe& serie, double min, double max) {
  if (max < min) return;
  double pas = c.genre == genre_parametrique ? pas_parametrique : pas_polaire;
  const int n = dernier_indice(min, max, pas);
  const auto xy = c.coordonnees();
  for (int i = 0; i <= n; ++i) ajouter_point(serie, xy[0], xy[1], c.variable, min + i * pas);
  reordonner_points(serie);
}

double carre_distance(Tpoint_plan p, Tpoint_plan q) {
  const double dx = p.x - q.x;
  const double dy = p.y - q.y;
  return dx * dx + dy * dy;
}

// Puts point ordre[k] of the series at index k, by swaps.
void appliquer_ordre(Tserie_courbe& serie, const std::vector<int>& ordre) {
  const int n = static_cast<int>(ordre.size());
  std::vector<int> place(n);  // where each original point stands now
  std::vector<int> tenu(n);   // which original point each index holds
  for (int i = 0; i < n; ++i) place[i] = tenu[i] = i;
  for (int k = 0; k < n; ++k) {
    const int p = place[ordre[k]];
    if (p == k) continue;
    serie.SwapValueIndex(k, p);
    std::swap(tenu[k], tenu[p]);
    place[tenu[k]] = k;
    place[tenu[p]] = p;
  }
}

}  // namespace

int type_courbe(const std::string& ligne) {
  const std::vector<std::string> champs = decoupe(ligne, ';');
  if (champs.size() == 3) return genre_parametrique;
  if (champs.size() != 2) return genre_invalide;
  if (champs[1] == "x") return genre_cartesien;
  if (champs[1] == "t") return genre_polaire;
  return genre_invalide;
}

void Tcourbe::Create(const std::string& texte, int g) {
  genre = g;
  expressions = {};
  variable.clear();
  const std::vector<std::string> champs = decoupe_arguments(texte);
  const auto champ = [&champs](std::size_t i) { return i < champs.size() ? champs[i] : std::string(); };
  if (g == genre_cartesien || g == genre_polaire) {
    expressions[0] = champ(0);
    variable = champ(1);
  } else if (g == genre_parametrique) {
    expressions = {champ(0), champ(1)};
    variable = champ(2);
  }
}

std::string Tcourbe::titre() const {
  return genre == genre_parametrique ? expressions[0] + ";" + expressions[1] : expressions[0];
}

std::array<std::string, 2> Tcourbe::coordonnees() const {
  if (genre == genre_parametrique) return expressions;
  if (genre == genre_polaire) {
    const std::string r = "(" + expressions[0] + ")*";
    return {r + "cos(" + variable + ")", r + "sin(" + variable + ")"};
  }
  return {variable, expressions[0]};
}

void Tcourbe::tracer(Tserie_courbe& serie, double min, double max) const {
  serie.SetTitle(titre());
  if (genre == genre_cartesien) {
    serie.SetPointer(Tpointeur_courbe::petit_point, 1, 1);
  } else {
    serie.SetPointer(Tpointeur_courbe::cercle, taille_pointeur_courbe, taille_pointeur_courbe);
  }
  if (!std::isfinite(min) || !std::isfinite(max)) return;
  if (genre == genre_cartesien) {
    tracer_cartesienne(*this, serie, min, max);
  } else if (genre == genre_parametrique || genre == genre_polaire) {
    tracer_en_t(*this, serie, min, max);
  }
}

std::optional<double> valeur_courbe(const std::string& expression, const std::string& variable, double valeur) {
  const std::string texte = fonction(expression).numeriser(variable, false, valeur);
  if (!est_nombre(texte)) return std::nullopt;
  const auto v = lire_nombre(texte);
  if (!v || !std::isfinite(*v)) return std::nullopt;
  return v;
}

double distance_points(Tpoint_plan p, Tpoint_plan q) { return std::hypot(p.x - q.x, p.y - q.y); }

void reordonner_points(Tserie_courbe& serie) {
  const int n = serie.Count();
  std::vector<Tpoint_plan> points(n);
  for (int i = 0; i < n; ++i) points[i] = {serie.XValue(i), serie.YValue(i)};
  // The chain is built on a copy (squared distances order points as the
  // distances do), then the series receives the same order.
  std::vector<int> ordre(n);
  for (int i = 0; i < n; ++i) ordre[i] = i;
  for (int i = 0; i < n; ++i) {
    const Tpoint_plan depart = points[i];
    double meilleure = 0;
    for (int j = i + 1; j < n; ++j) {
      const double d = carre_distance(depart, points[j]);
      if (meilleure == 0) {
        meilleure = d;
      } else if (d < meilleure) {
        meilleure = d;
        std::swap(points[i + 1], points[j]);
        std::swap(ordre[i + 1], ordre[j]);
      }
    }
  }
  appliquer_ordre(serie, ordre);
}
