#pragma once
// Small predicates and number routines the whole algebra layer rests on.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "localisation/nombres.h"

// Optional "-" then one or more digits: "+3", "2.0" and "-" are no integers.
// Asked of most texts the algebra builds, so it is inline.
inline bool est_entier(const std::string& t) {
  const std::size_t debut = (!t.empty() && t[0] == '-') ? 1 : 0;
  if (t.size() == debut) return false;
  for (std::size_t i = debut; i < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9') return false;
  }
  return true;
}
// Reads as a number with the program's strict reader.
bool est_nombre(std::string_view t);
// A number whose value is whole, whatever its text: an integer, 3.0, 1.5e3,
// or 1.60693804425899E60 as the general format writes a large integer.
bool est_nombre_entier(const std::string& t);

// Digits an integer text may hold to have an exact double value read
// digit by digit: 10^15 is below 2^53.
inline constexpr std::size_t chiffres_double_exact = 15;

// lire_nombre(t): a "-" and at most 15 digits, the commonest number text,
// is read here exactly (as the number layer's correctly rounded reading
// gives it); any other text is read by the number layer.
inline std::optional<double> valeur_lue(std::string_view t) {
  const std::size_t debut = !t.empty() && t[0] == '-' ? 1 : 0;
  const std::size_t chiffres = t.size() - debut;
  if (chiffres == 0 || chiffres > chiffres_double_exact) return lire_nombre(t);
  std::int64_t valeur = 0;
  for (std::size_t i = debut; i < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9') return lire_nombre(t);
    valeur = valeur * 10 + (t[i] - '0');
  }
  const auto v = static_cast<double>(valeur);
  return debut ? -v : v;
}
// Starts with "-" and its top operator is neither "+" nor "-" (-3*x, -x^2).
// A text not starting with "-" is answered inline, without a call.
bool est_negatif_signe(const std::string& t);
inline bool est_negatif(const std::string& t) { return !t.empty() && t[0] == '-' && est_negatif_signe(t); }
// t without its "-" when it is a negated term.
std::string enleve_moins(const std::string& t);
// enleve_moins(t) for a t already known negated (est_negatif(t)): the "-"
// dropped at once, the work of asking again counted.
std::string sans_moins(const std::string& t);
// Exactly the name of a constant.
bool est_constante(const std::string& t);
// Letters, digits and "_": what names are made of.
bool est_car_nom(char c);
// A name that can stand for a variable: a letter, then letters, digits,
// "_" and the derivative marks "'" (x, t1, y'); not a number, not an
// expression.
bool est_nom_variable(const std::string& t);
// A call of `nom` somewhere in t (not the end of a longer name).
bool contient_appel(const std::string& t, const std::string& nom);
// `nom` written somewhere in t as a whole name, inside calls of any row
// too (which variables() does not look into).
bool cite_nom(const std::string& t, const std::string& nom);
// The leftmost factor of a product chain is a number.
bool commence_par_nombre(const std::string& t);
// Left operand of a top-level "/", else t; right operand, else "1".
std::string numerateur(const std::string& t);
std::string denominateur(const std::string& t);
// Greatest common divisor by Euclid's remainders; its sign follows the
// inputs. 0 when both are 0.
std::int64_t pgcd(std::int64_t a, std::int64_t b);

// "-" for a negated term, "+" for any other text, "" for an empty one.
std::string signe_terme(const std::string& t);
// "-" below 0, "+" above, "" for 0.
std::string signe_nombre(double x);
// Sign of a product of two signs; an empty sign counts as "+", a text that is
// no sign gives "".
std::string produit_signes(const std::string& s1, const std::string& s2);
std::vector<std::string> concatene_tableaux(const std::vector<std::string>& a, const std::vector<std::string>& b);
// Truth texts on numerator and denominator read as 32-bit integers: odd when
// both are odd; "#err" when either does not read.
std::string est_impair(const std::string& t);
std::string est_pair(const std::string& t);
