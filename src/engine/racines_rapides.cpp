#include "engine/racines_rapides.h"

#include <cstdint>
#include <string_view>

#include "engine/algebre_entiere.h"
#include "engine/entiers_verifies.h"
#include "engine/expression.h"
#include "engine/primitives.h"
#include "localisation/nombres.h"

namespace {

// Past these the written steps are left to answer: larger coefficients are
// not typed, and the search for square factors is kept short.
constexpr std::int64_t coefficient_maximal = 1000000;
constexpr std::int64_t discriminant_maximal = 1000000000000;  // 10^12
// Over a root in the denominator, the written steps multiply several of
// these numbers together: kept small enough that no product nears 2^63.
constexpr std::int64_t terme_irrationnel_maximal = 1000;
constexpr std::int64_t denominateur_irrationnel_maximal = 1000000;

// An integer written as texte_entier writes it ("-0" and "007" are not).
std::optional<std::int64_t> entier_canonique(std::string_view t) {
  const auto v = lire_entier64(t);
  if (!v || texte_entier(*v) != t) return std::nullopt;
  return v;
}

// p/q, q > 0, of a quotient written as the exact routines write it: "p",
// or "p/q" reduced with q > 1.
struct Quotient {
  std::int64_t p = 0;
  std::int64_t q = 1;
};

std::optional<Quotient> quotient_canonique(const std::string& t) {
  const std::size_t barre = t.find('/');
  const auto p = entier_canonique(std::string_view(t).substr(0, barre));
  if (!p) return std::nullopt;
  if (barre == std::string::npos) return Quotient{*p, 1};
  const auto q = entier_canonique(std::string_view(t).substr(barre + 1));
  if (!q || *q <= 1 || *p == 0 || pgcd(*p < 0 ? -*p : *p, *q) != 1) return std::nullopt;
  return Quotient{*p, *q};
}

// sqrt(|d|) = m*sqrt(n), n without square factor, as extrait_carres finds it;
// for d < 0, whether the imaginary unit is written before the root.
struct Radical {
  std::int64_t m = 1;
  std::int64_t n = 1;
  bool unite_devant = false;
};

Radical carres_sortis(std::int64_t d) {
  Radical r{1, d < 0 ? -d : d};
  if (r.n == 0) return {0, 1};
  for (std::int64_t i = 2; i * i <= r.n; i += (i == 2 ? 1 : 2)) {
    while (r.n % (i * i) == 0) {
      r.m *= i;
      r.n /= i * i;
    }
  }
  return r;
}

// M*sqrt(n), times the imaginary unit when d < 0.
std::string terme_radical(std::int64_t facteur, const Radical& r, bool imaginaire) {
  const std::string coefficient = facteur == 1 ? "" : texte_entier(facteur) + "*";
  if (r.n == 1) return coefficient + unite_imaginaire;
  const std::string racine = "sqrt(" + texte_entier(r.n) + ")";
  if (!imaginaire) return coefficient + racine;
  if (r.unite_devant) return coefficient + unite_imaginaire + "*" + racine;
  return coefficient + racine + "*" + unite_imaginaire;
}

// +-M*sqrt(n) / E, no -b term.
std::string sans_terme_constant(std::int64_t e, const Radical& r, bool imaginaire, bool plus) {
  const std::int64_t g = pgcd(r.m, e < 0 ? -e : e);
  const std::string t = terme_radical(r.m / g, r, imaginaire);
  const std::string signe = plus == (e > 0) ? "" : "-";
  const std::int64_t denominateur = (e < 0 ? -e : e) / g;
  if (denominateur == 1) return signe + t;
  if (t.find('*') == std::string::npos) return signe + t + "/" + texte_entier(denominateur);
  return "(" + signe + t + ")/" + texte_entier(denominateur);
}

// (-b +- r)/(2a); no value for the shapes left to the rewriting.
std::optional<std::string> une_racine(std::int64_t a, std::int64_t b, const Radical& r, bool imaginaire, bool plus) {
  const std::int64_t e = 2 * a;
  if (r.n == 1 && !imaginaire) return quotient_entier_ecrit(plus ? -b + r.m : -b - r.m, e);
  if (b == 0) return sans_terme_constant(e, r, imaginaire, plus);
  const std::int64_t g = pgcd(pgcd(b < 0 ? -b : b, r.m), e < 0 ? -e : e);
  std::int64_t constante = -b / g;
  std::int64_t denominateur = e / g;
  const std::int64_t facteur = r.m / g;
  // Over a negative denominator, or with a negative -b/g, a root with a
  // factor is written in a form that depends on more than these numbers.
  if (facteur != 1 && (denominateur < 0 || constante < 0)) return std::nullopt;
  if (denominateur < 0) {
    constante = -constante;
    denominateur = -denominateur;
    plus = !plus;
  }
  const std::string numerateur = texte_entier(constante) + (plus ? "+" : "-") + terme_radical(facteur, r, imaginaire);
  if (denominateur == 1) return numerateur;
  return "(" + numerateur + ")/" + texte_entier(denominateur);
}

bool dans_les_bornes(std::int64_t x, std::int64_t borne) { return x <= borne && x >= -borne; }

// a, b and d as integers: multiplied by the smallest L that makes a, b and
// L^2*d integers. The roots are the same quotient, which the rewriting
// reduces to the same text. No value when d's denominator is no square
// (the root stays in the denominator then) or past the bounds.
struct Entiers {
  std::int64_t a = 0;
  std::int64_t b = 0;
  std::int64_t d = 0;
};

std::optional<std::int64_t> echelle(const Quotient& a, const Quotient& b, const Quotient& d) {
  const std::int64_t racine_q = carres_sortis(d.q).m;
  if (racine_q * racine_q != d.q) return std::nullopt;
  std::int64_t l = 1;
  for (const std::int64_t q : {a.q, b.q, racine_q}) {
    l = l / pgcd(l, q) * q;
    if (l > coefficient_maximal) return std::nullopt;
  }
  return l;
}

std::optional<Entiers> entiers_de(const Quotient& a, const Quotient& b, const Quotient& d) {
  const auto l = echelle(a, b, d);
  if (!l) return std::nullopt;
  const std::int64_t racine_q = carres_sortis(d.q).m;
  const auto ea = produit_verifie(a.p, *l / a.q);
  const auto eb = produit_verifie(b.p, *l / b.q);
  const auto ed = produit_verifie(d.p, (*l / racine_q) * (*l / racine_q));
  if (!ea || !eb || !ed || !dans_les_bornes(*ea, coefficient_maximal) || !dans_les_bornes(*eb, coefficient_maximal) ||
      !dans_les_bornes(*ed, discriminant_maximal)) {
    return std::nullopt;
  }
  return Entiers{*ea, *eb, *ed};
}

// "k*", nothing for 1.
std::string facteur_de(std::int64_t k) { return k == 1 ? "" : texte_entier(k) + "*"; }

// U, V and W of the roots below.
struct Proportion {
  std::int64_t u = 1;
  std::int64_t v = 1;
  std::int64_t w = 1;
};

std::optional<Proportion> proportion_des_termes(const Quotient& a, const Quotient& b, std::int64_t k) {
  const std::int64_t g2a = pgcd(2 * a.p, a.q);
  const std::int64_t a1 = 2 * a.p / g2a;
  const std::int64_t a2 = a.q / g2a;
  const auto bk = produit_verifie(-b.p, k);
  const auto ab = produit_verifie(a1, b.q);
  if (!bk || !ab) return std::nullopt;
  const auto u = produit_verifie(*bk, a2);
  const auto v = produit_verifie(b.q, a2);
  const auto w = produit_verifie(*ab, k);
  if (!u || !v || !w) return std::nullopt;
  const std::int64_t g = pgcd(pgcd(*u, *v), *w);
  return Proportion{*u / g, *v / g, *w / g};
}

// The complex roots when d = -P/Q with Q no square: the root of -d is
// sqrt(P)/(k*sqrt(j)) (Q = k^2*j), and each root is the quotient
// (U*sqrt(j) -+ V*i*sqrt(P))/(W*sqrt(j)) with U, V, W the smallest positive
// integers in the proportion (B1*k*A2, B2*A2, A1*B2*k), for -b = B1/B2 and
// 2a = A1/A2. Written only for a > 0, b < 0 and P > 1 without square
// factor, with the real term first (its literal part sorts first), where
// the text is known; no value otherwise.
std::optional<std::string> racines_denominateur_irrationnel(const Quotient& a, const Quotient& b, const Quotient& d,
                                                             const std::string& v) {
  if (a.p <= 0 || b.p >= 0 || d.p >= -1 || a.p > terme_irrationnel_maximal || b.p < -terme_irrationnel_maximal ||
      a.q > terme_irrationnel_maximal || b.q > terme_irrationnel_maximal || d.q > denominateur_irrationnel_maximal ||
      carres_sortis(d.p).m != 1) {
    return std::nullopt;
  }
  const Radical q = carres_sortis(d.q);
  if (q.n == 1) return std::nullopt;
  const auto c = proportion_des_termes(a, b, q.m);
  if (!c) return std::nullopt;
  const std::string racine_j = "sqrt(" + texte_entier(q.n) + ")";
  const std::string racine_p = "sqrt(" + texte_entier(-d.p) + ")";
  // The literal part of the imaginary term, as collecting reads it.
  const std::string cle_imaginaire =
      c->v == 1 ? std::string(unite_imaginaire) + "*" + racine_p : racine_p + "*" + unite_imaginaire;
  if (std::string_view(cle_imaginaire).compare(racine_j) < 0) return std::nullopt;
  const std::string reel = facteur_de(c->u) + racine_j;
  const std::string imaginaire = facteur_de(c->v) + unite_imaginaire + "*" + racine_p;
  const std::string denominateur = c->w == 1 ? racine_j : "(" + texte_entier(c->w) + "*" + racine_j + ")";
  return "[" + v + "=(" + reel + "-" + imaginaire + ")/" + denominateur + ";" + v + "=(" + reel + "+" + imaginaire +
         ")/" + denominateur + "]";
}

}  // namespace

std::optional<std::string> racines_exactes(const Coefficients& k, const std::string& d, const std::string& v,
                                           bool complexe) {
  const auto qa = quotient_canonique(k.a);
  const auto qb = quotient_canonique(k.b);
  const auto qd = quotient_canonique(d);
  if (!qa || !qb || !qd || qa->p == 0 || !dans_les_bornes(qd->p, discriminant_maximal)) return std::nullopt;
  if (qd->p < 0 && !complexe) return std::nullopt;
  const auto e = entiers_de(*qa, *qb, *qd);
  if (!e) return qd->p < 0 ? racines_denominateur_irrationnel(*qa, *qb, *qd, v) : std::nullopt;
  Radical r = carres_sortis(e->d);
  // i times a root: the unit stays before a root of a quotient or of an
  // integer without square factor, and goes after a root with a factor.
  r.unite_devant = qd->q != 1 || carres_sortis(qd->p).m == 1;
  const bool imaginaire = e->d < 0;
  const auto x1 = une_racine(e->a, e->b, r, imaginaire, false);
  if (!x1) return std::nullopt;
  if (e->d == 0) return "[" + v + "=" + *x1 + "]";
  const auto x2 = une_racine(e->a, e->b, r, imaginaire, true);
  if (!x2) return std::nullopt;
  return "[" + v + "=" + *x1 + ";" + v + "=" + *x2 + "]";
}
