#include "engine/quadratique_rapide.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/primitives.h"
#include "localisation/nombres.h"

namespace {

// Digits an integer may have: sums and the discriminant of such numbers
// stay far inside 64 bits.
constexpr std::size_t chiffres_maximum = 6;
// Terms a side may have: the sums of its coefficients stay exact.
constexpr std::size_t termes_maximum = 64;
constexpr int degre_maximum = 2;

bool est_chiffre(char c) { return c >= '0' && c <= '9'; }

// An integer of 1 to chiffres_maximum digits without leading zero (or "0").
std::optional<std::int64_t> naturel(std::string_view t) {
  if (t.empty() || t.size() > chiffres_maximum || (t[0] == '0' && t.size() > 1)) return std::nullopt;
  std::int64_t n = 0;
  for (const char c : t) {
    if (!est_chiffre(c)) return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

// The same, with an optional leading minus.
std::optional<std::int64_t> entier_signe(std::string_view t) {
  if (!t.empty() && t[0] == '-') {
    const auto n = naturel(t.substr(1));
    if (!n || *n == 0) return std::nullopt;
    return -*n;
  }
  return naturel(t);
}

// The variable, alone or raised to 1 or 2: its degree.
std::optional<int> puissance(std::string_view t, std::string_view v) {
  if (t.substr(0, v.size()) != v) return std::nullopt;
  t.remove_prefix(v.size());
  if (t.empty()) return 1;
  if (t == "^1") return 1;
  if (t == "^2") return 2;
  return std::nullopt;
}

// One unsigned term added to the coefficient of its degree.
bool ajoute_terme(std::string_view t, std::int64_t signe, std::string_view v,
                  std::array<std::int64_t, degre_maximum + 1>& k) {
  std::int64_t n = 1;
  int degre = 0;
  const std::size_t fois = t.find('*');
  if (fois != std::string_view::npos) {
    const auto m = naturel(t.substr(0, fois));
    const auto d = puissance(t.substr(fois + 1), v);
    if (!m || !d) return false;
    n = *m;
    degre = *d;
  } else if (const auto m = naturel(t)) {
    n = *m;
  } else if (const auto d = puissance(t, v)) {
    degre = *d;
  } else {
    return false;
  }
  k[degre] += signe * n;
  return true;
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

std::optional<Coefficients> coefficients_entiers(const std::string& f, const std::string& v) {
  if (!est_variable(v)) return std::nullopt;
  std::array<std::int64_t, degre_maximum + 1> k{};
  std::string_view reste = f;
  std::int64_t signe = 1;
  if (!reste.empty() && reste[0] == '-') {
    signe = -1;
    reste.remove_prefix(1);
  }
  for (std::size_t termes = 1;; ++termes) {
    if (termes > termes_maximum) return std::nullopt;
    const std::size_t fin = reste.find_first_of("+-");
    if (!ajoute_terme(reste.substr(0, fin), signe, v, k)) return std::nullopt;
    if (fin == std::string_view::npos) break;
    signe = reste[fin] == '-' ? -1 : 1;
    reste.remove_prefix(fin + 1);
  }
  return Coefficients{texte_entier(k[2]), texte_entier(k[1]), texte_entier(k[0])};
}

std::optional<std::string> discriminant_entier(const Coefficients& k) {
  const auto a = entier_signe(k.a);
  const auto b = entier_signe(k.b);
  const auto c = entier_signe(k.c);
  if (!a || !b || !c) return std::nullopt;
  return texte_entier(*b * *b - 4 * *a * *c);
}
