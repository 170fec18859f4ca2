#include "engine/racines_rapides.h"

#include <cstdint>

#include "engine/algebre_entiere.h"
#include "engine/expression.h"
#include "engine/primitives.h"
#include "localisation/nombres.h"

namespace {

// Past these the written steps are left to answer: larger coefficients are
// not typed, and the search for square factors is kept short.
constexpr std::int64_t coefficient_maximal = 1000000;
constexpr std::int64_t discriminant_maximal = 1000000000000;  // 10^12

// An integer written as texte_entier writes it ("-0" and "007" are not).
std::optional<std::int64_t> entier_canonique(const std::string& t) {
  const auto v = lire_entier64(t);
  if (!v || texte_entier(*v) != t) return std::nullopt;
  return v;
}

// sqrt(|d|) = m*sqrt(n), n without square factor, as extrait_carres finds it.
struct Radical {
  std::int64_t m = 1;
  std::int64_t n = 1;
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

// M*sqrt(n), times the imaginary unit when d < 0. The unit goes in front of
// a bare root and after a root that had a factor before reduction, as the
// product i*r is ordered and then divided.
std::string terme_radical(std::int64_t facteur, const Radical& r, bool imaginaire) {
  const std::string coefficient = facteur == 1 ? "" : texte_entier(facteur) + "*";
  if (r.n == 1) return coefficient + unite_imaginaire;
  const std::string racine = "sqrt(" + texte_entier(r.n) + ")";
  if (!imaginaire) return coefficient + racine;
  if (r.m == 1) return std::string(unite_imaginaire) + "*" + racine;
  return coefficient + racine + "*" + unite_imaginaire;
}

// +-M*sqrt(n) / E, no -b term.
std::string sans_terme_constant(std::int64_t e, const Radical& r, bool imaginaire, bool plus) {
  const std::int64_t g = pgcd(r.m, e);
  const std::string t = terme_radical(r.m / g, r, imaginaire);
  const std::string signe = plus ? "" : "-";
  const std::int64_t denominateur = e / g;
  if (denominateur == 1) return signe + t;
  if (t.find('*') == std::string::npos) return signe + t + "/" + texte_entier(denominateur);
  return "(" + signe + t + ")/" + texte_entier(denominateur);
}

// (-b +- r)/(2a), a > 0; no value for the shapes left to the rewriting.
std::optional<std::string> une_racine(std::int64_t a, std::int64_t b, const Radical& r, bool imaginaire, bool plus) {
  const std::int64_t e = 2 * a;
  if (r.n == 1 && !imaginaire) return quotient_entier_ecrit(plus ? -b + r.m : -b - r.m, e);
  if (b == 0) return sans_terme_constant(e, r, imaginaire, plus);
  const std::int64_t g = pgcd(pgcd(b < 0 ? -b : b, r.m), e);
  const std::int64_t constante = -b / g;
  const std::int64_t facteur = r.m / g;
  // A negative -b/g before a root with a factor is written in a form that
  // depends on more than these numbers.
  if (constante < 0 && facteur != 1) return std::nullopt;
  const std::string numerateur = texte_entier(constante) + (plus ? "+" : "-") + terme_radical(facteur, r, imaginaire);
  if (e / g == 1) return numerateur;
  return "(" + numerateur + ")/" + texte_entier(e / g);
}

bool dans_les_bornes(std::int64_t x, std::int64_t borne) { return x <= borne && x >= -borne; }

}  // namespace

std::optional<std::string> racines_entieres(const Coefficients& k, const std::string& d, const std::string& v,
                                            bool complexe) {
  const auto a = entier_canonique(k.a);
  const auto b = entier_canonique(k.b);
  const auto delta = entier_canonique(d);
  if (!a || !b || !delta || *a <= 0 || *a > coefficient_maximal || !dans_les_bornes(*b, coefficient_maximal) ||
      !dans_les_bornes(*delta, discriminant_maximal)) {
    return std::nullopt;
  }
  if (*delta < 0 && !complexe) return std::nullopt;
  const Radical r = carres_sortis(*delta);
  const bool imaginaire = *delta < 0;
  const auto x1 = une_racine(*a, *b, r, imaginaire, false);
  if (!x1) return std::nullopt;
  if (*delta == 0) return "[" + v + "=" + *x1 + "]";
  const auto x2 = une_racine(*a, *b, r, imaginaire, true);
  if (!x2) return std::nullopt;
  return "[" + v + "=" + *x1 + ";" + v + "=" + *x2 + "]";
}
