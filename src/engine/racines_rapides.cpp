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

}  // namespace

std::optional<std::string> racines_exactes(const Coefficients& k, const std::string& d, const std::string& v,
                                           bool complexe) {
  const auto qa = quotient_canonique(k.a);
  const auto qb = quotient_canonique(k.b);
  const auto qd = quotient_canonique(d);
  if (!qa || !qb || !qd || qa->p == 0 || !dans_les_bornes(qd->p, discriminant_maximal)) return std::nullopt;
  if (qd->p < 0 && !complexe) return std::nullopt;
  const auto e = entiers_de(*qa, *qb, *qd);
  if (!e) return std::nullopt;
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
