// The derivatives at 0 from the power series of the text, computed exactly
// on fractions of 64-bit integers. The written Taylor polynomial derives
// the text again and again and evaluates each derivative in floating point,
// writing every intermediate value in 15 significant digits; the values of
// this class are small fractions over a power of 2 (ten bits after the
// point, at most five digits), so the products of a few of them that the
// written derivatives evaluate keep fifteen digits, that evaluation is
// exact and gives the same doubles as the series.
//
// The wider class of developpement_exact takes any fraction: its values
// are exact where the written steps' own are rounded (p/2^m of more than
// fifteen digits, 1/3) or are no fractions (ln(2)). What the written steps
// give there is known only by taking them; the series stands in for them
// at 0 where every value is written exactly, elsewhere once they passed
// the work bound, and for each value they do not get right within its
// fifteen digits.
#include "engine/derivees_en_zero.h"

#include <cmath>
#include <cstdint>
#include <numeric>
#include <string_view>
#include <utility>

#include "engine/fonctions_usuelles.h"
#include "engine/lignes_predefinies.h"
#include "engine/primitives.h"

namespace {

__extension__ using Large = __int128;

// A value of the class is a fraction p/2^m with m <= this...
constexpr int exposant_denominateur_maximal = 10;
// ... written with at most this many significant digits: p*5^m < 10^5. The
// written derivatives multiply values of the parts together (Leibniz's
// terms, the denominator's powers): three such values keep fifteen digits,
// where two values of fifteen digits would be rounded.
constexpr std::int64_t chiffres_valeur_maximaux = 100000;  // 10^5
// Below this, a double and its writing in fifteen digits are exact.
constexpr std::int64_t chiffres_exacts_maximaux = 1000000000000000;  // 10^15
// Digits of a number of the text.
constexpr std::size_t chiffres_nombre_maximaux = 12;
// Integer powers beyond this are left to the written path.
constexpr std::int64_t exposant_entier_maximal = 1000;
// 20! is the last factorial a 64-bit integer holds.
constexpr int ordre_maximal = 20;
// Nesting levels of the text.
constexpr int niveaux_maximaux = 64;
// A quotient's denominator of value +-2^j at 0 is raised to the power 2^n
// by n written derivations; that power, 2^(j 2^n), is multiplied by the
// values of the numerator: it keeps as few digits as a value (2^16 and
// 5^7 are below 10^5).
constexpr int exposant_puissance_maximal = 16;
constexpr int exposant_puissance_minimal = -7;

struct Rationnel {
  std::int64_t num = 0;
  std::int64_t den = 1;
};

// A value the series does not hold (the ln of a value other than 1): only
// a sum keeps it, as its own value; every other operation on it fails.
constexpr Rationnel inexacte{1, 0};
bool est_inexacte(const Rationnel& a) { return a.den == 0; }

using Serie = std::vector<Rationnel>;

// A derivative's value, k! a_k, which may pass 64 bits.
struct GrandRationnel {
  Large num = 0;
  Large den = 1;
};

Large valeur_absolue(Large a) { return a < 0 ? -a : a; }

Large pgcd_large(Large a, Large b) {
  a = valeur_absolue(a);
  b = valeur_absolue(b);
  while (b != 0) {
    const Large r = a % b;
    a = b;
    b = r;
  }
  return a;
}

bool tient_sur_64_bits(Large a) { return a <= INT64_MAX && a >= -INT64_MAX; }

// m when n = 2^m (n > 0), else -1.
int exposant_de_deux(std::int64_t n) {
  if (n <= 0 || (n & (n - 1)) != 0) return -1;
  return __builtin_ctzll(static_cast<unsigned long long>(n));
}

// The square root of n when n is a square, else -1; n is a value of the
// class (below 10^15), so its root in floating point is off by one at most.
std::int64_t racine_entiere(std::int64_t n) {
  if (n < 0 || n >= chiffres_exacts_maximaux) return -1;
  std::int64_t r = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
  while (r * r > n) --r;
  while ((r + 1) * (r + 1) <= n) ++r;
  return r * r == n ? r : -1;
}

// A power of 2, however large.
bool est_puissance_de_deux(Large n) { return n > 0 && (n & (n - 1)) == 0; }

// p/2^m that a double holds and fifteen significant digits write exactly.
bool valeur_ecrite(const GrandRationnel& d) {
  if (!est_puissance_de_deux(d.den)) return false;
  const Large n = valeur_absolue(d.num);
  if (n == 0) return true;
  Large chiffres = n;
  // An integer's zeros at the end are no significant digits; p/2^m with
  // m > 0 has p odd, and its digits are those of p*5^m.
  if (d.den == 1) {
    while (chiffres % 10 == 0) chiffres /= 10;
  }
  for (Large den = d.den; den > 1 && chiffres < chiffres_exacts_maximaux; den /= 2) chiffres *= 5;
  if (chiffres >= chiffres_exacts_maximaux) return false;
  constexpr int bits_d_un_double = 53;
  Large impair = n;
  while ((impair & 1) == 0) impair >>= 1;
  return impair < (Large{1} << bits_d_un_double);
}

bool est_zero(const Rationnel& a) { return a.num == 0; }
bool est_un(const Rationnel& a) { return a.num == 1 && a.den == 1; }

bool fonction_de_la_classe(int id);
bool variable_de_la_classe(const std::string& v);

// The series of a text up to the order, or a failure that sends the caller
// back to the written path. Once failed, every step returns at once.
class Series {
 public:
  // The series at the point; etendue: of the wider class of
  // developpement_exact.
  Series(const std::string& variable, int ordre, Rationnel point = {}, bool etendue = false)
      : variable_(variable), taille_(static_cast<std::size_t>(ordre) + 1), point_(point), etendue_(etendue) {
    factorielles_.push_back(1);
    for (std::size_t k = 1; k < taille_; ++k) {
      factorielles_.push_back(factorielles_.back() * static_cast<std::int64_t>(k));
    }
  }

  bool echec() const { return echec_; }

  // The series of the text, checked to be of the class.
  Serie lis(std::string_view t, int niveau);

  // Whether the written derivatives evaluate to the series' values (see
  // DeveloppementExact).
  bool comme_ecrit() const { return comme_ecrit_; }

  // f^(k)(0) = k! * a_k.
  Rationnel derivee(const Serie& s, std::size_t k) { return fois(s[k], entier(factorielles_[k])); }
  // The same, however large.
  GrandRationnel derivee_exacte(const Serie& s, std::size_t k) const;
  static bool valeur_de_la_classe(const Rationnel& v);

 private:
  const std::string& variable_;
  std::size_t taille_;
  Rationnel point_;
  bool etendue_;
  bool comme_ecrit_ = true;
  std::vector<std::int64_t> factorielles_;
  bool echec_ = false;

  Serie echoue() {
    echec_ = true;
    return Serie(taille_);
  }
  Rationnel rationnel(Large n, Large d);
  static Rationnel entier(std::int64_t n) { return {n, 1}; }
  // An index of the series as a number.
  static Rationnel rang(std::size_t k) { return {static_cast<std::int64_t>(k), 1}; }
  Rationnel plus(const Rationnel& a, const Rationnel& b) {
    return rationnel(Large{a.num} * b.den + Large{b.num} * a.den, Large{a.den} * b.den);
  }
  Rationnel moins(const Rationnel& a, const Rationnel& b) { return plus(a, {-b.num, b.den}); }
  Rationnel fois(const Rationnel& a, const Rationnel& b) {
    return rationnel(Large{a.num} * b.num, Large{a.den} * b.den);
  }
  Rationnel divise(const Rationnel& a, const Rationnel& b) {
    return rationnel(Large{a.num} * b.den, Large{a.den} * b.num);
  }

  // The k-th coefficient of f when f' = u' g: (1/k) sum_(j=1..k) j u_j g_(k-j).
  // g may be f itself, filled up to k-1.
  Rationnel par_derivee(const Serie& u, const Serie& g, std::size_t k) {
    Rationnel s;
    for (std::size_t j = 1; j <= k; ++j) {
      if (!est_zero(u[j])) s = plus(s, fois(rang(j), fois(u[j], g[k - j])));
    }
    return divise(s, rang(k));
  }

  Serie constante(const Rationnel& c) {
    Serie s(taille_);
    s[0] = c;
    return s;
  }
  Serie somme(const Serie& a, const Serie& b, bool difference);
  Serie oppose(const Serie& a);
  Serie produit(const Serie& a, const Serie& b);
  Serie quotient(const Serie& a, const Serie& b);
  Serie puissance_entiere(const Serie& u, std::int64_t n);
  Serie puissance_fractionnaire(const Serie& u, const Rationnel& r);
  Serie exponentielle(const Serie& u);
  // sin and cos (hyperbolique: sh and ch) of u.
  std::pair<Serie, Serie> sinus_cosinus(const Serie& u, bool hyperbolique);
  Serie logarithme(const Serie& u);
  Serie racine(const Serie& u);

  Serie verifie(Serie s);
  void verifie_valeur(const GrandRationnel& d, std::size_t k);
  bool denominateur_de_la_classe(const Rationnel& b0) const;
  Serie coupe_en_deux(std::string_view t, std::size_t position, int niveau);
  Serie puissance(std::string_view base, std::string_view exposant, int niveau);
  Serie feuille(std::string_view t, int niveau);
  Serie appel(int id, const Serie& u);
  Serie appel_utilisateur(int id, std::string_view argument, const Serie& u, int niveau);
  Serie trigonometrique(int id, const Serie& u);
  Serie nombre(std::string_view t);
  bool nomme_la_variable(std::string_view t) const;
};

// +-2^j with j 2^n in the bounds above.
bool Series::denominateur_de_la_classe(const Rationnel& b0) const {
  const int haut = exposant_de_deux(b0.num < 0 ? -b0.num : b0.num);
  const int bas = exposant_de_deux(b0.den);
  if (haut < 0 || bas < 0) return false;
  const std::int64_t puissance = static_cast<std::int64_t>(haut - bas) * (std::int64_t{1} << (taille_ - 1));
  return puissance <= exposant_puissance_maximal && puissance >= exposant_puissance_minimal;
}

Rationnel Series::rationnel(Large n, Large d) {
  if (d == 0) {
    echec_ = true;
    return {};
  }
  if (d < 0) {
    n = -n;
    d = -d;
  }
  // Most values are integers or fit in 64 bits, where the division is cheap.
  if (d != 1) {
    const Large g = tient_sur_64_bits(n) && tient_sur_64_bits(d)
                        ? Large{std::gcd(static_cast<std::int64_t>(n), static_cast<std::int64_t>(d))}
                        : pgcd_large(n, d);
    n /= g;
    d /= g;
  }
  if (!tient_sur_64_bits(n) || !tient_sur_64_bits(d)) {
    echec_ = true;
    return {};
  }
  return {static_cast<std::int64_t>(n), static_cast<std::int64_t>(d)};
}

Serie Series::somme(const Serie& a, const Serie& b, bool difference) {
  Serie s(taille_);
  const bool sans_valeur = est_inexacte(a[0]) || est_inexacte(b[0]);
  for (std::size_t k = sans_valeur ? 1 : 0; k < taille_; ++k) {
    s[k] = difference ? moins(a[k], b[k]) : plus(a[k], b[k]);
  }
  if (sans_valeur) s[0] = inexacte;
  return s;
}

Serie Series::oppose(const Serie& a) {
  Serie s(taille_);
  for (std::size_t k = 0; k < taille_; ++k) s[k] = {-a[k].num, a[k].den};
  return s;
}

Serie Series::produit(const Serie& a, const Serie& b) {
  Serie s(taille_);
  for (std::size_t k = 0; k < taille_ && !echec_; ++k) {
    for (std::size_t i = 0; i <= k; ++i) {
      if (!est_zero(a[i]) && !est_zero(b[k - i])) s[k] = plus(s[k], fois(a[i], b[k - i]));
    }
  }
  return s;
}

// q = a/b: q_k = (a_k - sum b_i q_(k-i)) / b_0.
Serie Series::quotient(const Serie& a, const Serie& b) {
  if (est_zero(b[0])) return echoue();
  Serie q(taille_);
  for (std::size_t k = 0; k < taille_ && !echec_; ++k) {
    Rationnel r = a[k];
    for (std::size_t i = 1; i <= k; ++i) {
      if (!est_zero(b[i]) && !est_zero(q[k - i])) r = moins(r, fois(b[i], q[k - i]));
    }
    q[k] = divise(r, b[0]);
  }
  return q;
}

// u^n by squarings; a negative n is the inverse of u^-n. 0^0 and the
// negative powers of a series of value 0 are left to the written path.
Serie Series::puissance_entiere(const Serie& u, std::int64_t n) {
  if (n < 0) return quotient(constante(entier(1)), puissance_entiere(u, -n));
  if (n == 0 && est_zero(u[0])) return echoue();
  Serie r = constante(entier(1));
  Serie facteur = u;
  for (std::int64_t e = n; e > 0 && !echec_; e /= 2) {
    if (e % 2 == 1) r = verifie(produit(r, facteur));
    if (e > 1) facteur = verifie(produit(facteur, facteur));
  }
  return r;
}

// p = u^r with u_0 = 1: u p' = r u' p gives
// p_k = (1/k) sum_(j=1..k) (r j - (k - j)) u_j p_(k-j).
Serie Series::puissance_fractionnaire(const Serie& u, const Rationnel& r) {
  if (!est_un(u[0])) return echoue();
  Serie p = constante(entier(1));
  for (std::size_t k = 1; k < taille_ && !echec_; ++k) {
    Rationnel s;
    for (std::size_t j = 1; j <= k; ++j) {
      if (est_zero(u[j])) continue;
      const Rationnel poids = moins(fois(r, rang(j)), rang(k - j));
      s = plus(s, fois(poids, fois(u[j], p[k - j])));
    }
    p[k] = divise(s, rang(k));
  }
  return p;
}

// e = exp(u) with u_0 = 0: e' = u' e gives e_k = (1/k) sum j u_j e_(k-j).
Serie Series::exponentielle(const Serie& u) {
  if (!est_zero(u[0])) return echoue();
  Serie e = constante(entier(1));
  for (std::size_t k = 1; k < taille_ && !echec_; ++k) e[k] = par_derivee(u, e, k);
  return e;
}

// s = sin(u), c = cos(u) with u_0 = 0: s' = u' c and c' = -u' s (c' = u' s
// for sh and ch).
std::pair<Serie, Serie> Series::sinus_cosinus(const Serie& u, bool hyperbolique) {
  if (!est_zero(u[0])) return {echoue(), echoue()};
  Serie s(taille_);
  Serie c = constante(entier(1));
  for (std::size_t k = 1; k < taille_ && !echec_; ++k) {
    Rationnel ds;
    Rationnel dc;
    for (std::size_t j = 1; j <= k; ++j) {
      if (est_zero(u[j])) continue;
      const Rationnel ju = fois(rang(j), u[j]);
      ds = plus(ds, fois(ju, c[k - j]));
      dc = plus(dc, fois(ju, s[k - j]));
    }
    const Rationnel kk = rang(k);
    s[k] = divise(ds, kk);
    c[k] = divise(hyperbolique ? dc : Rationnel{-dc.num, dc.den}, kk);
  }
  return {s, c};
}

// l = ln(u) with u_0 = 1: u l' = u' gives
// l_k = u_k - (1/k) sum_(j=1..k-1) j l_j u_(k-j).
Serie Series::logarithme(const Serie& u) {
  if (!est_un(u[0])) {
    // ln(u) = ln(u_0) + ln(u/u_0): only the value is not exact.
    if (!etendue_ || u[0].num <= 0) return echoue();
    Serie v(taille_);
    for (std::size_t k = 0; k < taille_; ++k) v[k] = divise(u[k], u[0]);
    Serie l = logarithme(v);
    l[0] = inexacte;
    return l;
  }
  Serie l(taille_);
  for (std::size_t k = 1; k < taille_ && !echec_; ++k) {
    Rationnel s;
    for (std::size_t j = 1; j < k; ++j) {
      if (!est_zero(u[k - j])) s = plus(s, fois(rang(j), fois(l[j], u[k - j])));
    }
    l[k] = moins(u[k], divise(s, rang(k)));
  }
  return l;
}

// r = sqrt(u) with u_0 a square: r^2 = u gives
// r_k = (u_k - sum_(j=1..k-1) r_j r_(k-j)) / (2 r_0).
Serie Series::racine(const Serie& u) {
  const std::int64_t n = racine_entiere(u[0].num);
  const std::int64_t d = racine_entiere(u[0].den);
  if (n <= 0 || d <= 0) return echoue();
  Serie r = constante({n, d});
  const Rationnel double_r0 = {2 * n, d};
  for (std::size_t k = 1; k < taille_ && !echec_; ++k) {
    Rationnel s = u[k];
    for (std::size_t j = 1; j < k; ++j) s = moins(s, fois(r[j], r[k - j]));
    r[k] = divise(s, double_r0);
  }
  return r;
}

// p/2^m with m small and p*5^m (the digits of its decimal writing) below
// 10^5.
bool Series::valeur_de_la_classe(const Rationnel& v) {
  const int m = exposant_de_deux(v.den);
  if (m < 0 || m > exposant_denominateur_maximal) return false;
  Large chiffres = valeur_absolue(v.num);
  for (int i = 0; i < m; ++i) chiffres *= 5;
  return chiffres < chiffres_valeur_maximaux;
}

// Every derivative at 0 of a part of the text is a value of the class.
// In the wider class any value is taken; the values decide whether the
// written derivatives evaluate to them.
Serie Series::verifie(Serie s) {
  for (std::size_t k = 0; k < taille_ && !echec_; ++k) {
    if (etendue_) {
      if (k > 0 || !est_inexacte(s[0])) verifie_valeur(derivee_exacte(s, k), k);
      continue;
    }
    const Rationnel v = derivee(s, k);
    if (!echec_ && !valeur_de_la_classe(v)) echec_ = true;
  }
  return s;
}

GrandRationnel Series::derivee_exacte(const Serie& s, std::size_t k) const {
  GrandRationnel d{Large{s[k].num} * factorielles_[k], Large{s[k].den}};
  const Large g = pgcd_large(d.num, d.den);
  if (g > 1) {
    d.num /= g;
    d.den /= g;
  }
  return d;
}

// The values to the second order bring the text's own numbers: small ones,
// as in the narrow class, keep the products of the written derivatives
// exact; past it, every value written exactly.
void Series::verifie_valeur(const GrandRationnel& d, std::size_t k) {
  constexpr std::size_t ordre_des_nombres = 2;
  if (!comme_ecrit_) return;
  const bool petite = tient_sur_64_bits(d.num) && tient_sur_64_bits(d.den) &&
                      valeur_de_la_classe({static_cast<std::int64_t>(d.num), static_cast<std::int64_t>(d.den)});
  if (!valeur_ecrite(d) || (k <= ordre_des_nombres && !petite)) comme_ecrit_ = false;
}

// Where the engine splits a text at its top level: the rightmost binary "+"
// or "-" (not a sign after "-", "/", "^" or at the start), else the
// rightmost "*", else "/", else "^". npos for none; 0 for unbalanced
// brackets, which no operand can start with.
std::size_t position_coupe(std::string_view t) {
  int profondeur = 0;
  std::size_t signe = std::string_view::npos;
  std::size_t rangs[3] = {std::string_view::npos, std::string_view::npos, std::string_view::npos};
  for (std::size_t i = 0; i < t.size(); ++i) {
    const char ch = t[i];
    if (ch == '(') ++profondeur;
    if (ch == ')' && --profondeur < 0) return 0;
    if (profondeur != 0) continue;
    switch (ch) {
      case '+':
      case '-':
        if (i != 0 && t[i - 1] != '-' && t[i - 1] != '/' && t[i - 1] != '^') signe = i;
        break;
      case '*': rangs[0] = i; break;
      case '/': rangs[1] = i; break;
      case '^': rangs[2] = i; break;
      default: break;
    }
  }
  if (profondeur != 0) return 0;
  if (signe != std::string_view::npos) return signe;
  for (const std::size_t r : rangs) {
    if (r != std::string_view::npos) return r;
  }
  return std::string_view::npos;
}

// The text without the brackets around all of it.
std::string_view sans_parentheses_englobantes(std::string_view t) {
  while (t.size() >= 2 && t.front() == '(' && t.back() == ')') {
    int profondeur = 0;
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
      if (t[i] == '(') ++profondeur;
      if (t[i] == ')' && --profondeur == 0) return t;
    }
    t = t.substr(1, t.size() - 2);
  }
  return t;
}

Serie Series::lis(std::string_view texte, int niveau) {
  if (echec_ || niveau > niveaux_maximaux) return echoue();
  const std::string_view t = sans_parentheses_englobantes(texte);
  if (t.empty()) return echoue();
  const std::size_t position = position_coupe(t);
  if (position == 0) return echoue();
  const bool somme_ou_difference = position != std::string_view::npos && (t[position] == '+' || t[position] == '-');
  // A leading "-" negates all that follows, unless the text is a sum.
  if (t[0] == '-' && !somme_ou_difference) return verifie(oppose(lis(t.substr(1), niveau + 1)));
  if (position == std::string_view::npos) return verifie(feuille(t, niveau));
  return verifie(coupe_en_deux(t, position, niveau));
}

Serie Series::coupe_en_deux(std::string_view t, std::size_t position, int niveau) {
  const std::string_view gauche = t.substr(0, position);
  const std::string_view droite = t.substr(position + 1);
  if (gauche.empty() || droite.empty()) return echoue();
  if (t[position] == '^') return puissance(gauche, droite, niveau);
  const Serie a = lis(gauche, niveau + 1);
  const Serie b = lis(droite, niveau + 1);
  if (echec_) return echoue();
  if (t[position] == '+' || t[position] == '-') return somme(a, b, t[position] == '-');
  if (est_inexacte(a[0]) || est_inexacte(b[0])) return echoue();
  if (t[position] == '*') return produit(a, b);
  // The written derivatives raise the denominator to the power 2^n at
  // the n-th: its value must stay exact.
  if (!denominateur_de_la_classe(b[0])) {
    if (!etendue_) return echoue();
    comme_ecrit_ = false;
  }
  return quotient(a, b);
}

// The variable is named in the text (the written path then derives the
// power as an exponential).
bool Series::nomme_la_variable(std::string_view t) const {
  for (std::size_t p = t.find(variable_); p != std::string_view::npos; p = t.find(variable_, p + 1)) {
    const bool debut = p == 0 || !est_car_nom(t[p - 1]);
    const std::size_t fin = p + variable_.size();
    if (debut && (fin == t.size() || !est_car_nom(t[fin]))) return true;
  }
  return false;
}

// base^exposant with a constant exponent: an integer, or a fraction when
// the base is 1 at 0.
Serie Series::puissance(std::string_view base, std::string_view exposant, int niveau) {
  if (nomme_la_variable(exposant)) return echoue();
  const Serie e = lis(exposant, niveau + 1);
  const Serie u = lis(base, niveau + 1);
  if (echec_ || est_inexacte(e[0]) || est_inexacte(u[0])) return echoue();
  const Rationnel r = e[0];
  if (r.den != 1) return puissance_fractionnaire(u, r);
  if (r.num > exposant_entier_maximal || r.num < -exposant_entier_maximal) return echoue();
  return puissance_entiere(u, r.num);
}

// The variable, a number, or a call of one argument.
Serie Series::feuille(std::string_view t, int niveau) {
  if (t == variable_) {
    Serie x = constante(point_);
    if (taille_ > 1) x[1] = entier(1);
    return x;
  }
  if (est_chiffre(t[0])) return nombre(t);
  const std::size_t ouvrante = t.find('(');
  if (ouvrante == std::string_view::npos || t.back() != ')') return echoue();
  // The argument is all the brackets hold: no bracket closes before the end.
  const std::string_view argument = t.substr(ouvrante + 1, t.size() - ouvrante - 2);
  int profondeur = 0;
  for (const char ch : argument) {
    if (ch == '(') ++profondeur;
    if (ch == ')' && --profondeur < 0) return echoue();
  }
  const int id = fonctions_usuelles->identifiant(t.substr(0, ouvrante));
  const bool utilisateur = etendue_ && id >= nb_fonctions_predefinies;
  if (!fonction_de_la_classe(id) && !utilisateur) return echoue();
  const Serie u = lis(argument, niveau + 1);
  if (echec_ || est_inexacte(u[0])) return echoue();
  return utilisateur ? appel_utilisateur(id, argument, u, niveau) : appel(id, u);
}

// abs and cotan are left out: no derivative at 0, or no value.
bool fonction_de_la_classe(int id) {
  switch (id) {
    case id_de(Ligne::exp):
    case id_de(Ligne::ln):
    case id_de(Ligne::sqrt):
    case id_de(Ligne::sin):
    case id_de(Ligne::cos):
    case id_de(Ligne::tan):
    case id_de(Ligne::sh):
    case id_de(Ligne::ch):
    case id_de(Ligne::th): return true;
    default: return false;
  }
}

Serie Series::appel(int id, const Serie& u) {
  if (id == Ligne::exp) return exponentielle(u);
  // The derivatives of ln(u) and sqrt(u) are written over u and
  // 2*sqrt(u): denominators, raised to the power 2^n as a quotient's.
  if (id == Ligne::ln) {
    if (etendue_ && !denominateur_de_la_classe(u[0])) comme_ecrit_ = false;
    return logarithme(u);
  }
  if (id == Ligne::sqrt) {
    Serie r = racine(u);
    if (etendue_ && !echec_ && !denominateur_de_la_classe(fois(entier(2), r[0]))) comme_ecrit_ = false;
    return r;
  }
  return trigonometrique(id, u);
}

// The derivatives of each of these are written with both the sine and the
// cosine of the argument: both must be of the class.
Serie Series::trigonometrique(int id, const Serie& u) {
  const bool hyperbolique = id == Ligne::sh || id == Ligne::ch || id == Ligne::th;
  auto [s, c] = sinus_cosinus(u, hyperbolique);
  s = verifie(std::move(s));
  c = verifie(std::move(c));
  if (id == Ligne::sin || id == Ligne::sh) return s;
  if (id == Ligne::cos || id == Ligne::ch) return c;
  return quotient(s, c);
}

// f(u) for a function of the user: the written steps derive it through
// its derivative's template T, f(u)' = u' T(u), so its series is its
// value at u_0 (its body's there) and, from T(u)'s series,
// f_k = (1/k) sum_(j=1..k) j u_j T_(k-j). The written steps evaluate its
// body and its template as texts of their own: their answer is only known
// by taking them.
Serie Series::appel_utilisateur(int id, std::string_view argument, const Serie& u, int niveau) {
  const auto i = static_cast<std::size_t>(id);
  if (fonctions_usuelles->nb_arguments[i] != 1) return echoue();
  comme_ecrit_ = false;
  Serie f(taille_);
  {
    const std::string& variable = fonctions_usuelles->arguments[i];
    if (!variable_de_la_classe(variable)) return echoue();
    Series corps(variable, 0, u[0], true);
    f[0] = corps.lis(fonctions_usuelles->corps[i], niveau + 1)[0];
    if (corps.echec()) return echoue();
  }
  std::string modele = fonctions_usuelles->modele_derivee(id);
  if (modele.empty()) return f;
  const std::string argument_entre_parentheses = "(" + std::string(argument) + ")";
  for (std::size_t p = modele.find("%s"); p != std::string::npos; p = modele.find("%s", p)) {
    modele.replace(p, 2, argument_entre_parentheses);
    p += argument_entre_parentheses.size();
  }
  const Serie derivee = lis(modele, niveau + 1);
  if (echec_ || est_inexacte(derivee[0])) return echoue();
  for (std::size_t k = 1; k < taille_ && !echec_; ++k) f[k] = par_derivee(u, derivee, k);
  return f;
}

// Digits with at most one point inside them: its exact value.
Serie Series::nombre(std::string_view t) {
  std::int64_t num = 0;
  std::int64_t den = 1;
  bool point = false;
  std::size_t chiffres = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] == '.' && !point && i + 1 < t.size()) {
      point = true;
      continue;
    }
    if (!est_chiffre(t[i]) || ++chiffres > chiffres_nombre_maximaux) return echoue();
    num = num * 10 + (t[i] - '0');
    if (point) den *= 10;
  }
  return constante(rationnel(num, den));
}

// The characters of the class: names in lower case, digits, the point,
// operators and round brackets.
bool caracteres_de_la_classe(const std::string& t) {
  for (const char ch : t) {
    const bool lettre = ch >= 'a' && ch <= 'z';
    if (!lettre && !est_chiffre(ch) && std::string_view(".+-*/^()").find(ch) == std::string_view::npos) return false;
  }
  return true;
}

// A lower-case name that is no constant and no function, so the engine
// reads it as the variable everywhere.
bool variable_de_la_classe(const std::string& v) {
  if (v.empty() || v[0] < 'a' || v[0] > 'z') return false;
  for (const char ch : v) {
    if (!(ch >= 'a' && ch <= 'z') && !est_chiffre(ch)) return false;
  }
  return !est_constante(v) && fonctions_usuelles->identifiant(v) == 0;
}

// The point as a fraction over a power of 2 of the narrow class; -0 is
// left to the written path (its sign shows in the values it gives).
std::optional<Rationnel> point_exact(double point) {
  if (point == 0 && std::signbit(point)) return std::nullopt;
  for (int m = 0; m <= exposant_denominateur_maximal; ++m) {
    const double v = std::ldexp(point, m);
    if (std::fabs(v) >= static_cast<double>(chiffres_valeur_maximaux)) return std::nullopt;
    if (v != std::floor(v)) continue;
    const Rationnel r{static_cast<std::int64_t>(v), std::int64_t{1} << m};
    if (Series::valeur_de_la_classe(r)) return r;
    return std::nullopt;
  }
  return std::nullopt;
}

ValeurDeTaylor valeur_de_taylor(const Series& series, const Serie& s, std::size_t k) {
  ValeurDeTaylor v;
  if (est_inexacte(s[k])) {
    v.inexacte = true;
    return v;
  }
  const GrandRationnel d = series.derivee_exacte(s, k);
  v.dyadique = est_puissance_de_deux(d.den);
  v.ecrite = valeur_ecrite(d);
  v.derivee = static_cast<double>(d.num) / static_cast<double>(d.den);
  v.numerateur = s[k].num;
  v.denominateur = s[k].den;
  return v;
}

}  // namespace

std::optional<DeveloppementExact> developpement_exact(const std::string& texte, const std::string& variable,
                                                      int ordre, double point) {
  if (ordre < 0 || ordre > ordre_maximal) return std::nullopt;
  if (!caracteres_de_la_classe(texte) || !variable_de_la_classe(variable)) return std::nullopt;
  if (est_nombre(texte)) return std::nullopt;
  const auto a = point_exact(point);
  if (!a) return std::nullopt;
  Series series(variable, ordre, *a, true);
  const Serie s = series.lis(texte, 0);
  if (series.echec()) return std::nullopt;
  DeveloppementExact d;
  // Away from 0 the written derivatives, expanded, are evaluated as sums
  // of large terms that cancel: only the bound tells their answer.
  d.comme_ecrit = series.comme_ecrit() && a->num == 0;
  for (std::size_t k = 0; k < s.size(); ++k) d.valeurs.push_back(valeur_de_taylor(series, s, k));
  return d;
}

std::optional<std::vector<double>> derivees_en_zero(const std::string& texte, const std::string& variable,
                                                    int ordre) {
  if (ordre < 0 || ordre > ordre_maximal) return std::nullopt;
  if (!caracteres_de_la_classe(texte) || !variable_de_la_classe(variable)) return std::nullopt;
  // A number is evaluated as it is written, which may differ from its value.
  if (est_nombre(texte)) return std::nullopt;
  Series series(variable, ordre);
  const Serie s = series.lis(texte, 0);
  if (series.echec()) return std::nullopt;
  std::vector<double> valeurs;
  valeurs.reserve(s.size());
  for (std::size_t k = 0; k < s.size(); ++k) {
    const Rationnel v = series.derivee(s, k);
    valeurs.push_back(static_cast<double>(v.num) / static_cast<double>(v.den));
  }
  return valeurs;
}
