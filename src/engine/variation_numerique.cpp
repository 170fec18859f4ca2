#include "engine/variation_numerique.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "engine/fonctions_usuelles.h"
#include "engine/lignes_predefinies.h"
#include "localisation/nombres.h"

namespace {

// A bound of the relative error of one operation or one call of the maths
// library (glibc's are within two units in the last place).
constexpr double arrondi = 4 * std::numeric_limits<double>::epsilon();
// Longer texts, deeper brackets, larger powers and larger values are not
// read: the rewriting they would spare is left to run.
constexpr std::size_t longueur_lue = 160;
constexpr int imbrication_lue = 48;
constexpr long exposant_lu = 64;
constexpr double valeur_lue_max = 1e100;
// The pairs of points: the first of each pair is far from the roots school
// texts have (integers, simple fractions and radicals, pi), the second is
// one step further.
constexpr std::array<double, 4> points = {0.5772156649015329, 1.324717957244746, 2.6854520010653064,
                                          -0.7390851332151607};
constexpr double pas = 1.0 / 1024;

// A value and a bound of its distance to the exact value of the text.
struct Approche {
  double valeur;
  double erreur;
};
using Lue = std::optional<Approche>;

bool operateur(char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }

bool lisible(char c) {
  return est_chiffre(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '.' ||
         c == '(' || c == ')' || operateur(c);
}

bool car_nom(char c) { return est_chiffre(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }

// The "e"/"E" at i ends an unsigned number (the mark of its exponent).
bool marque_exposant(std::string_view t, std::size_t i) {
  std::size_t debut = i;
  while (debut > 0 && (car_nom(t[debut - 1]) || t[debut - 1] == '.')) --debut;
  int chiffres = 0;
  int points_lus = 0;
  for (std::size_t k = debut; k < i; ++k) {
    if (est_chiffre(t[k])) {
      ++chiffres;
    } else if (t[k] == '.') {
      ++points_lus;
    } else {
      return false;
    }
  }
  return chiffres > 0 && points_lus <= 1;
}

// A "+" or "-" at i > 0 keeps its sign inside the operand after "-", "/",
// "^" and the exponent mark of a number, as the engine splits texts.
bool signe_unaire(std::string_view t, std::size_t i) {
  const char avant = t[i - 1];
  if (avant == '-' || avant == '/' || avant == '^') return true;
  return (avant == 'e' || avant == 'E') && marque_exposant(t, i - 1);
}

// Where the engine splits the text: the last binary sign outside brackets,
// else the last "*", "/", "^" in that order. No value when the brackets do
// not balance; npos when there is no operator at the top level.
std::optional<std::size_t> coupure(std::string_view t) {
  int profondeur = 0;
  std::size_t signe = std::string_view::npos;
  std::array<std::size_t, 3> rangs = {std::string_view::npos, std::string_view::npos, std::string_view::npos};
  for (std::size_t i = 0; i < t.size(); ++i) {
    const char c = t[i];
    if (c == '(') {
      ++profondeur;
    } else if (c == ')') {
      if (--profondeur < 0) return std::nullopt;
    } else if (profondeur == 0 && (c == '+' || c == '-')) {
      if (i != 0 && !signe_unaire(t, i)) signe = i;
    } else if (profondeur == 0 && c == '*') {
      rangs[0] = i;
    } else if (profondeur == 0 && c == '/') {
      rangs[1] = i;
    } else if (profondeur == 0 && c == '^') {
      rangs[2] = i;
    }
  }
  if (profondeur != 0) return std::nullopt;
  if (signe != std::string_view::npos) return signe;
  for (const std::size_t r : rangs) {
    if (r != std::string_view::npos) return r;
  }
  return std::string_view::npos;
}

// The bracket at `ouvrante` closes on the last character.
bool ferme_a_la_fin(std::string_view t, std::size_t ouvrante) {
  int profondeur = 0;
  for (std::size_t i = ouvrante; i < t.size(); ++i) {
    if (t[i] == '(') ++profondeur;
    if (t[i] == ')' && --profondeur == 0) return i + 1 == t.size();
  }
  return false;
}

Lue valide(double valeur, double erreur) {
  if (!std::isfinite(valeur) || !std::isfinite(erreur) || std::fabs(valeur) > valeur_lue_max) return std::nullopt;
  return Approche{valeur, erreur};
}

// The signs of the denominators and tangents' cosines met, in reading
// order, one bit each.
struct Signes {
  std::uint64_t bits = 0;
  int nombre = 0;
  bool operator==(const Signes&) const = default;
};
constexpr int signes_lus = 64;

// The value of a text at one point, every rounding bounded. `signes` gets
// the sign of each denominator and tangent's cosine in reading order, so
// the readings at two points can be checked to lie on one branch.
class Lecteur {
 public:
  Lecteur(std::string_view variable, double point, Signes& signes)
      : variable_(variable), point_(point), signes_(signes) {}

  Lue lit(std::string_view t, int niveau) {
    if (t.empty() || niveau > imbrication_lue) return std::nullopt;
    const auto rang = coupure(t);
    if (!rang) return std::nullopt;
    if (*rang != std::string_view::npos && !(t[0] == '-' && !est_signe(t[*rang]))) {
      return operation(t.substr(0, *rang), t[*rang], t.substr(*rang + 1), niveau);
    }
    // A leading "-" with no binary sign after it negates the whole rest.
    if (t[0] == '-') {
      const Lue r = lit(t.substr(1), niveau + 1);
      return r ? Lue(Approche{-r->valeur, r->erreur}) : std::nullopt;
    }
    if (t[0] == '(') return ferme_a_la_fin(t, 0) ? lit(t.substr(1, t.size() - 2), niveau + 1) : std::nullopt;
    return feuille(t, niveau);
  }

 private:
  static bool est_signe(char c) { return c == '+' || c == '-'; }

  Lue operation(std::string_view gauche, char op, std::string_view droite, int niveau) {
    const Lue a = lit(gauche, niveau + 1);
    if (!a) return std::nullopt;
    if (op == '^') return puissance(*a, droite, niveau);
    const Lue b = lit(droite, niveau + 1);
    if (!b) return std::nullopt;
    switch (op) {
      case '+': return somme(*a, b->valeur, b->erreur);
      case '-': return somme(*a, -b->valeur, b->erreur);
      case '*': return produit(*a, *b);
      default: return quotient(*a, *b);
    }
  }

  static Lue somme(Approche a, double b, double eb) {
    const double v = a.valeur + b;
    return valide(v, a.erreur + eb + arrondi * std::fabs(v));
  }

  static Lue produit(Approche a, Approche b) {
    const double v = a.valeur * b.valeur;
    return valide(v, std::fabs(a.valeur) * b.erreur + std::fabs(b.valeur) * a.erreur + a.erreur * b.erreur +
                         arrondi * std::fabs(v));
  }

  bool retient_signe(bool positif) {
    if (signes_.nombre == signes_lus) return false;
    if (positif) signes_.bits |= std::uint64_t{1} << signes_.nombre;
    ++signes_.nombre;
    return true;
  }

  Lue quotient(Approche a, Approche b) {
    const double d = std::fabs(b.valeur);
    if (!(d > 2 * b.erreur) || !retient_signe(b.valeur > 0)) return std::nullopt;
    const double v = a.valeur / b.valeur;
    return valide(v, (a.erreur + std::fabs(v) * b.erreur) / (d - b.erreur) + arrondi * std::fabs(v));
  }

  // a^n for an integer n written as such, else exp(n*ln(a)) for a > 0.
  Lue puissance(Approche a, std::string_view exposant, int niveau) {
    if (const auto n = entier_ecrit(exposant)) return puissance_entiere(a, *n);
    const Lue n = lit(exposant, niveau + 1);
    if (!n) return std::nullopt;
    const Lue l = logarithme(a);
    if (!l) return std::nullopt;
    const Lue m = produit(*n, *l);
    return m ? exponentielle(*m) : std::nullopt;
  }

  // An integer of a few digits, maybe negated, maybe in brackets.
  static std::optional<long> entier_ecrit(std::string_view t) {
    while (t.size() >= 2 && t.front() == '(' && ferme_a_la_fin(t, 0)) t = t.substr(1, t.size() - 2);
    const bool negatif = !t.empty() && t[0] == '-';
    if (negatif) t.remove_prefix(1);
    if (t.empty() || t.size() > 3) return std::nullopt;
    long n = 0;
    for (const char c : t) {
      if (!est_chiffre(c)) return std::nullopt;
      n = n * 10 + (c - '0');
    }
    return negatif ? -n : n;
  }

  Lue puissance_entiere(Approche a, long n) {
    if (n < -exposant_lu || n > exposant_lu) return std::nullopt;
    if (n == 0) return Approche{1, 0};
    const long k = n < 0 ? -n : n;
    const double v = std::pow(a.valeur, static_cast<double>(k));
    // |a'^k - a^k| <= k (|a| + ea)^(k-1) ea.
    const double haut = std::pow(std::fabs(a.valeur) + a.erreur, static_cast<double>(k - 1));
    const Lue p = valide(v, static_cast<double>(k) * (haut * a.erreur + arrondi * std::fabs(v)));
    if (!p || n > 0) return p;
    return quotient(Approche{1, 0}, *p);
  }

  static Lue logarithme(Approche a) {
    if (!(a.valeur > 2 * a.erreur)) return std::nullopt;
    const double v = std::log(a.valeur);
    return valide(v, a.erreur / (a.valeur - a.erreur) + arrondi * std::fabs(v) + std::numeric_limits<double>::min());
  }

  static Lue exponentielle(Approche a) {
    const double v = std::exp(a.valeur);
    return valide(v, v * std::expm1(a.erreur) + arrondi * v);
  }

  static Lue racine(Approche a) {
    if (!(a.valeur > 2 * a.erreur)) return std::nullopt;
    const double v = std::sqrt(a.valeur);
    return valide(v, a.erreur / (std::sqrt(a.valeur - a.erreur) + v) + arrondi * v);
  }

  // sin and cos move no faster than their argument.
  static Lue trigonometrique(Approche a, double v) {
    return valide(v, a.erreur + arrondi * std::fabs(v) + std::numeric_limits<double>::min());
  }

  Lue tangente(Approche a) {
    const double c = std::cos(a.valeur);
    if (!(std::fabs(c) > 2 * a.erreur + arrondi) || !retient_signe(c > 0)) return std::nullopt;
    const double marge = std::fabs(c) - a.erreur;
    const double v = std::tan(a.valeur);
    return valide(v, a.erreur / (marge * marge) + arrondi * std::fabs(v));
  }

  // The variable, a number, or a call of one argument of a read function.
  Lue feuille(std::string_view t, int niveau) {
    if (t == variable_) return Approche{point_, 0};
    const auto ouvrante = t.find('(');
    if (ouvrante == std::string_view::npos) {
      if (!est_chiffre(t[0]) && t[0] != '.') return std::nullopt;
      const auto v = lire_nombre(t);
      return v ? valide(*v, arrondi * std::fabs(*v)) : std::nullopt;
    }
    if (ouvrante == 0 || !ferme_a_la_fin(t, ouvrante) || !fonctions_usuelles) return std::nullopt;
    const int id = fonctions_usuelles->identifiant(t.substr(0, ouvrante));
    const Lue a = lit(t.substr(ouvrante + 1, t.size() - ouvrante - 2), niveau + 1);
    if (!a) return std::nullopt;
    if (id == Ligne::sin) return trigonometrique(*a, std::sin(a->valeur));
    if (id == Ligne::cos) return trigonometrique(*a, std::cos(a->valeur));
    if (id == Ligne::tan) return tangente(*a);
    if (id == Ligne::exp) return exponentielle(*a);
    if (id == Ligne::ln) return logarithme(*a);
    if (id == Ligne::sqrt) return racine(*a);
    return std::nullopt;
  }

  std::string_view variable_;
  double point_;
  Signes& signes_;
};

bool texte_lisible(const std::string& texte, const std::string& variable) {
  if (texte.empty() || texte.size() > longueur_lue || variable.empty()) return false;
  for (const char c : texte) {
    if (!lisible(c)) return false;
  }
  for (const char c : variable) {
    if (!car_nom(c)) return false;
  }
  return true;
}

}  // namespace

bool varie_certainement(const std::string& texte, const std::string& variable) {
  if (!texte_lisible(texte, variable)) return false;
  // The next pair is tried only where a value cannot be read (outside the
  // domain, or on two branches): a text read at a pair without a visible
  // difference is most likely constant, and is left to the written test.
  for (const double point : points) {
    Signes signes_ici;
    Signes signes_la;
    const Lue ici = Lecteur(variable, point, signes_ici).lit(texte, 0);
    if (!ici) continue;
    const Lue la = Lecteur(variable, point + pas, signes_la).lit(texte, 0);
    if (!la || !(signes_ici == signes_la)) continue;
    return std::fabs(ici->valeur - la->valeur) > 2 * (ici->erreur + la->erreur);
  }
  return false;
}
