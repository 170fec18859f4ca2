#pragma once
// The derivatives of a text at a point, found from its exact power series
// instead of by derivation: the Taylor polynomial's shortcut.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// f(0), f'(0), ..., f^(ordre)(0) for a text f of `variable` built from
// numbers of finite binary expansion, the variable, + - * /, constant
// powers and cos, sin, tan, exp, ln, sqrt, sh, ch, th taken where their
// value is exact (exp(0), ln(1), sqrt(1)...), when each of those values and
// the values of all its parts are small fractions over a power of 2: then
// the written derivatives evaluate in floating point to exactly these
// doubles. No value outside that class (other names, a quotient by 0,
// ln(2), 1/3, a value too large...), where the caller derives as written.
std::optional<std::vector<double>> derivees_en_zero(const std::string& texte, const std::string& variable,
                                                    int ordre);

// The k-th derivative at the point of a text of the wider class below.
struct ValeurDeTaylor {
  // A value the series does not hold (ln(2) at k = 0): the caller
  // evaluates the text there, as written.
  bool inexacte = false;
  // p/2^m.
  bool dyadique = false;
  // p/2^m that a double holds and fifteen significant digits write
  // exactly: the value the written derivative evaluates to when its
  // evaluation is exact.
  bool ecrite = false;
  // The value, rounded when it is not `ecrite`.
  double derivee = 0;
  // The Taylor coefficient, the value over k!, reduced.
  std::int64_t numerateur = 0;
  std::int64_t denominateur = 1;
};

struct DeveloppementExact {
  std::vector<ValeurDeTaylor> valeurs;
  // At 0, every value of the text and of its parts, to the order, is
  // `ecrite`, those to the second order are small and the denominators'
  // values are powers of 2 of the shortcut's class: the written
  // derivatives evaluate to these values exactly, so their text is these
  // values' text.
  bool comme_ecrit = false;
};

// The derivatives at `point` (a fraction over a power of 2 of a few
// digits) to the order of a text built as for derivees_en_zero, its
// numbers any decimals, ln taken of any positive exact value (its value
// alone then is `inexacte`), the user's functions of one variable derived
// through their template, the values of the parts any fractions of 64-bit
// integers. No value outside that class, nor at a point where the
// text is not defined or not of the class.
std::optional<DeveloppementExact> developpement_exact(const std::string& texte, const std::string& variable,
                                                      int ordre, double point);
