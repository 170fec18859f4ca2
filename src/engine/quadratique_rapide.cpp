#include "engine/quadratique_rapide.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

#include "engine/algebre_entiere.h"
#include "engine/entiers_verifies.h"
#include "engine/primitives.h"
#include "localisation/nombres.h"

namespace {

// Digits an integer may have; terms a side may have.
constexpr std::size_t chiffres_maximum = 6;
constexpr std::size_t termes_maximum = 64;
constexpr int degre_maximum = 2;

// An exact quotient; no value past 64 bits.
using Exact = std::optional<Rationnel>;

// An integer of 1 to chiffres_maximum digits without leading zero (or "0").
std::optional<std::int64_t> naturel(std::string_view t) { return naturel_ecrit(t, chiffres_maximum, true); }

// "n" or "n/d" (d not 0), with an optional leading minus: the texts
// texte_rationnel writes.
Exact exact_ecrit(std::string_view t) {
  std::int64_t signe = 1;
  if (!t.empty() && t[0] == '-') {
    signe = -1;
    t.remove_prefix(1);
  }
  const std::size_t barre = t.find('/');
  const auto n = naturel(t.substr(0, barre));
  if (!n || (signe < 0 && *n == 0)) return std::nullopt;
  if (barre == std::string_view::npos) return Rationnel{signe * *n, 1};
  const auto d = naturel(t.substr(barre + 1));
  if (!d || *d == 0) return std::nullopt;
  const Rationnel r = rationnel_reduit(signe * *n, *d);
  if (r.n != signe * *n || r.d != *d) return std::nullopt;  // not as texte_rationnel writes it
  return r;
}

// The variable, alone or squared: its degree.
std::optional<int> puissance(std::string_view t, std::string_view v) {
  if (t.substr(0, v.size()) != v) return std::nullopt;
  t.remove_prefix(v.size());
  if (t.empty() || t == "^1") return 1;
  if (t == "^2") return 2;
  return std::nullopt;
}

// "n" or "n/d" (d not 0): a positive quotient as typed.
Exact quotient_tape(std::string_view t) {
  const std::size_t barre = t.find('/');
  const auto n = naturel(t.substr(0, barre));
  if (!n) return std::nullopt;
  if (barre == std::string_view::npos) return Rationnel{*n, 1};
  const auto d = naturel(t.substr(barre + 1));
  if (!d || *d == 0) return std::nullopt;
  return rationnel_reduit(*n, *d);
}

std::optional<std::pair<Rationnel, int>> terme(std::string_view t, std::string_view v);

// "(n*power)/d" or "(power)/d", as the typed "n/d*power" and "power/d" are
// written once read: the term in brackets divided by d.
std::optional<std::pair<Rationnel, int>> terme_entre_parentheses(std::string_view t, std::string_view v) {
  const std::size_t fermante = t.find(")/");
  if (fermante == std::string_view::npos) return std::nullopt;
  const std::string_view dedans = t.substr(1, fermante - 1);
  if (dedans.find_first_of("()/") != std::string_view::npos) return std::nullopt;
  const auto lu = terme(dedans, v);
  const auto d = naturel(t.substr(fermante + 2));
  if (!lu || !d || *d == 0) return std::nullopt;
  const auto q = produit_rationnel(lu->first, Rationnel{1, *d});
  if (!q) return std::nullopt;
  return std::pair{*q, lu->second};
}

// One unsigned term: a quotient q, [q*]power[/d] or one of these in
// brackets divided by an integer. Its coefficient and degree.
std::optional<std::pair<Rationnel, int>> terme(std::string_view t, std::string_view v) {
  if (!t.empty() && t[0] == '(') return terme_entre_parentheses(t, v);
  Rationnel k{1, 1};
  std::string_view p = t;
  if (!t.empty() && est_chiffre(t[0])) {
    const std::size_t fois = t.find('*');
    const auto q = quotient_tape(t.substr(0, fois));
    if (!q) return std::nullopt;
    if (fois == std::string_view::npos) return std::pair{*q, 0};
    k = *q;
    p = t.substr(fois + 1);
  }
  const std::size_t barre = p.find('/');
  const auto degre = puissance(p.substr(0, barre), v);
  if (!degre) return std::nullopt;
  if (barre != std::string_view::npos) {
    const auto d = naturel(p.substr(barre + 1));
    if (!d || *d == 0) return std::nullopt;
    k = rationnel_reduit(k.n, k.d * *d);
  }
  return std::pair{k, *degre};
}

// A plain name that is no constant: the variable the terms are read in.
bool est_variable(const std::string& v) {
  if (v.empty() || v == "i" || !((v[0] >= 'a' && v[0] <= 'z') || (v[0] >= 'A' && v[0] <= 'Z'))) return false;
  for (const char c : v) {
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || est_chiffre(c))) return false;
  }
  return !est_constante(v);
}

}  // namespace

std::optional<Coefficients> coefficients_exacts(const std::string& f, const std::string& v) {
  if (!est_variable(v)) return std::nullopt;
  std::array<Rationnel, degre_maximum + 1> k{};
  std::string_view reste = f;
  std::int64_t signe = 1;
  if (!reste.empty() && reste[0] == '-') {
    signe = -1;
    reste.remove_prefix(1);
  }
  for (std::size_t termes = 1;; ++termes) {
    if (termes > termes_maximum) return std::nullopt;
    const std::size_t fin = reste.find_first_of("+-");
    const auto lu = terme(reste.substr(0, fin), v);
    if (!lu) return std::nullopt;
    const auto s = somme_rationnelle(k[lu->second], Rationnel{signe * lu->first.n, lu->first.d});
    if (!s) return std::nullopt;
    k[lu->second] = *s;
    if (fin == std::string_view::npos) break;
    signe = reste[fin] == '-' ? -1 : 1;
    reste.remove_prefix(fin + 1);
  }
  return Coefficients{texte_rationnel(k[2]), texte_rationnel(k[1]), texte_rationnel(k[0])};
}

std::optional<std::string> discriminant_exact(const Coefficients& k) {
  const auto a = exact_ecrit(k.a);
  const auto b = exact_ecrit(k.b);
  const auto c = exact_ecrit(k.c);
  if (!a || !b || !c) return std::nullopt;
  const auto b2 = produit_rationnel(*b, *b);
  const auto ac = produit_rationnel(*a, *c);
  if (!b2 || !ac) return std::nullopt;
  const auto quatre_ac = produit_rationnel(*ac, Rationnel{-4, 1});
  if (!quatre_ac) return std::nullopt;
  const auto d = somme_rationnelle(*b2, *quatre_ac);
  if (!d) return std::nullopt;
  return texte_rationnel(*d);
}
