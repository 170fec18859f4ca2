#pragma once
// The curves of the graph module. A curve line is one text:
//   cartesian  (genre 0)  expr;x         y as an expression of x
//   parametric (genre 1)  x(t);y(t);t
//   polar      (genre 2)  r(t);t
// Fields are cut at ";" outside brackets; one pair of round brackets around
// the whole line is dropped.

#include <array>
#include <optional>
#include <string>

#include "engine/serie_courbe.h"

inline constexpr int genre_invalide = -1;
inline constexpr int genre_cartesien = 0;
inline constexpr int genre_parametrique = 1;
inline constexpr int genre_polaire = 2;

// Samples of a cartesian curve: 100 intervals between the bounds.
inline constexpr int intervalles_cartesiens = 100;
// Steps of t for parametric and polar curves.
inline constexpr double pas_parametrique = 0.05;
inline constexpr double pas_polaire = 0.1;
// The most points one curve gets: beyond, the step of t widens.
inline constexpr int points_maximaux_courbe = 5000;
// Marker size of parametric and polar curves, in pixels.
inline constexpr int taille_pointeur_courbe = 2;

// The kind of a curve line: 3 fields 1; 2 fields with the second exactly "x"
// 0, exactly "t" 2; anything else -1. Cut at depth 0 of "()" and "[]".
int type_courbe(const std::string& ligne);

class Tcourbe {
 public:
  // Cartesian: the y expression; parametric: x(t) and y(t); polar: r(t).
  std::array<std::string, 2> expressions;
  std::string variable;
  int genre = genre_invalide;

  Tcourbe() = default;
  Tcourbe(const std::string& texte, int g) { Create(texte, g); }

  // Splits a curve line (depth 0 of round brackets only) for the kind given;
  // any other kind leaves the fields empty.
  void Create(const std::string& texte, int g);

  // Fills the series with the curve's points for the variable running from
  // min to max, then (parametric and polar) joins nearest neighbours.
  // Cartesian: x_i = min + i*(max - min)/100, i = 0..100, only when
  // min < max. Parametric and polar: t_i = min + i*step, none when max < min,
  // the step widened so that at most 5,000 points come. A bound that is not
  // finite gives no point; a point without a numeric value is left out.
  void tracer(Tserie_courbe& serie, double min, double max) const;

  // The series' title: the y expression, "x(t);y(t)" or r(t).
  std::string titre() const;
  // The texts of x and y as expressions of the variable (polar:
  // "(" + r + ")*cos(t)" and "(" + r + ")*sin(t)"); cartesian: x, y.
  std::array<std::string, 2> coordonnees() const;
};

// The numeric value of `expression` with `variable` set to `valeur`; nothing
// when it is no finite number (outside the domain, an error value).
std::optional<double> valeur_courbe(const std::string& expression, const std::string& variable, double valeur);

double distance_points(Tpoint_plan p, Tpoint_plan q);

// A greedy nearest-neighbour chain from the first point: for each point i,
// the nearest later point is swapped in at i + 1.
void reordonner_points(Tserie_courbe& serie);
