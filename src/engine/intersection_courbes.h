#pragma once
// Where the traced curve crosses an axis or another cartesian curve, and the
// coordinates of that crossing.

#include <optional>
#include <string>
#include <vector>

#include "engine/courbe.h"

// Crossing codes: none, the vertical axis, the horizontal axis; a code n >= 0
// is the curve of series n.
inline constexpr int croisement_aucun = -3;
inline constexpr int croisement_axe_ordonnees = -2;
inline constexpr int croisement_axe_abscisses = -1;

// Rounds of widening the bracket around the start before giving up.
inline constexpr int tours_encadrement_maximaux = 50;
// The intersection's digits when the settings give none.
inline constexpr int precision_intersection_defaut = 12;

struct Tcroisement {
  int code = croisement_aucun;
  double x = 0;  // where the search starts
};

// The crossing near point `position` of the traced curve. `titres` are the
// titles of the chart's curve series in chart order (annotations left out),
// `courante` the index of the traced one among them and `serie` its points.
// Only single-field titles (cartesian curves) are examined, in order, until a
// crossing is found: another curve whose difference with the traced one
// changes sign between the points around `position`; the traced curve itself
// when its y, else its x, changes sign there.
Tcroisement chercher_croisement(const std::vector<std::string>& titres, int courante, const Tserie_courbe& serie,
                                int position);

// The difference of two cartesian titles, "a-(b)" as the text builder
// writes it.
std::string difference_courbes(const std::string& titre, const std::string& autre);

// A root of f (an expression of x) near x0: x0 itself when |f(x0)| is below
// 10^-precision, else the bracket [x0*0.9^k, x0*1.1^k] is widened at most
// 50 rounds until f changes sign, then halved to that tolerance. Nothing
// when a value is not a number, the bracket never closes or the halving
// fails (so tan(x) near pi/2 ends with nothing).
std::optional<double> racine_proche(const std::string& f, double x0, int precision);

// The point of the crossing `code` (see Tcroisement) for the traced
// cartesian curve `titre`; `autre` is the title of series `code` when
// code >= 0. Coordinates rounded to `precision` digits; nothing on failure
// (no root, or no value of the curve at the root).
std::optional<Tpoint_plan> chercher_intersection(const std::string& titre, int code, const std::string& autre,
                                                 double x0, int precision);
