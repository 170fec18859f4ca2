#pragma once
// The sine, cosine, tangent and cotangent of the angles that are whole
// multiples of pi/6 or pi/4, exact where floating point is not: sin(pi)
// is 0, not 1.2E-16, and tan(pi/2) is a pole, not a large number.

#include <optional>

enum class Trigonometrique { cos, sin, tan, cotan };

struct ValeurRemarquable {
  bool pole;      // tan or cotan is not defined at the angle
  double valeur;  // the exact value as the nearest double, when not a pole
};

// The value at x when x is such an angle, as far as the engine's number
// text can tell (see the source); no value for any other angle.
std::optional<ValeurRemarquable> valeur_remarquable(Trigonometrique f, double x);
