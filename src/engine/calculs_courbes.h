#pragma once
// What the curve dialog and the tangent and integral dialog compute: the
// check of a typed curve, abscissas typed as formulas, the tangent line and
// the trapezoid sum with the values the chart paints under the curve.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

// The typed parts of a curve (one for cartesian and polar, two for
// parametric) checked: the curve line, or the error texts of the catalogue
// (syntax errors, undetermined variable, wrong variable) in the order found.
// All parts empty gives the missing-function text alone.
struct Tsaisie_courbe {
  std::string ligne;                  // e.g. "x^2+1;x", empty on error
  std::vector<std::string> erreurs;
  std::vector<std::string> parties;   // each part normalised
};
Tsaisie_courbe verifier_saisie_courbe(int genre, const std::vector<std::string>& parties);

// An abscissa typed in a dialog: lower-cased, normalised when
// `produits_implicites`, then replaced by its numeric value (numeriser_texte,
// not exact): "pi/2" gives "1.5707963267949". `valeur` is empty when the text
// is no number (the dialog then shows txt_abscisse_point_doit).
struct Tabscisse_saisie {
  std::string texte;
  std::optional<double> valeur;
};
Tabscisse_saisie numeriser_abscisse(const std::string& saisie, bool produits_implicites);

// The tangent to y = f(variable) at a: f'(a)*(variable - a) + f(a),
// developed and collected. Nothing when f(a) or f'(a) is no number.
std::optional<std::string> tangente(const std::string& expression, const std::string& variable, double a);

// The trapezoid sum of a cartesian curve over 2,000 intervals between the
// smaller and the larger abscissa.
inline constexpr int intervalles_integrale = 2000;

// The values of the curve at x_i = min(a, b) + i*h, h = |b - a|/2000,
// i = 0..2000; a value is NaN where the curve has none. The chart paints
// the first 2,000 as segments, the sum uses all.
struct Tvaleurs_integrale {
  double debut = 0;
  double pas = 0;
  std::vector<double> y;
  double x(std::size_t i) const { return debut + static_cast<double>(i) * pas; }
};
Tvaleurs_integrale valeurs_integrale(const std::string& expression, const std::string& variable, double a, double b);

struct Tintegrale {
  double somme = 0;
  bool discontinue = false;  // some interval had no value and adds nothing
};
Tintegrale somme_trapezes(const Tvaleurs_integrale& valeurs);

// The values per (curve line, a, b), computed once: the chart repaints the
// area many times while the dialog shows.
class Tcache_integrale {
 public:
  // The values for the cartesian line ("expr;x"); its expression and
  // variable are its first two fields.
  const Tvaleurs_integrale& valeurs(const std::string& ligne, double a, double b);
  void vider() { valeurs_.clear(); }

 private:
  std::map<std::tuple<std::string, double, double>, Tvaleurs_integrale> valeurs_;
};
