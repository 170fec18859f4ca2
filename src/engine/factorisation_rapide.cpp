#include "engine/factorisation_rapide.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/algebre_entiere.h"
#include "engine/primitives.h"
#include "localisation/nombres.h"

namespace {

// Digits an integer of a monomial may have: it fits in 64 bits with room
// for the products the rewriting would form.
constexpr std::size_t chiffres_maximum = 9;
// Terms a sum may have. Past a few, the written factorisation of a sum of
// monomials grows so fast that it ends in the "too complex" error, which
// the shortcut must not turn into an answer.
constexpr std::size_t termes_maximum = 4;

struct Monome {
  std::int64_t entier = 0;  // 0: no integer factor
  // Each name with its exponent's text, in name order.
  std::vector<std::pair<std::string_view, std::string_view>> noms;
};

bool est_lettre(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A positive integer without leading zero, at most chiffres_maximum digits.
std::optional<std::int64_t> entier_positif(std::string_view t) { return naturel_ecrit(t, chiffres_maximum, false); }

// A letter then letters and digits, neither a constant nor the letter i.
bool est_nom(std::string_view t) {
  if (t.empty() || !est_lettre(t[0]) || t == "i") return false;
  if (!std::all_of(t.begin(), t.end(), [](char c) { return est_lettre(c) || est_chiffre(c); })) return false;
  return !est_constante(std::string(t));
}

// One factor of a monomial: an integer (at most one, with no exponent) or
// a name with an optional positive integer exponent.
bool ajoute_facteur(std::string_view f, Monome& m) {
  const std::size_t chapeau = f.find('^');
  std::string_view exposant = "1";
  if (chapeau == std::string_view::npos) {
    if (const auto v = entier_positif(f)) {
      if (m.entier != 0) return false;
      m.entier = *v;
      return true;
    }
  } else {
    exposant = f.substr(chapeau + 1);
    if (!entier_positif(exposant)) return false;
  }
  const std::string_view nom = f.substr(0, chapeau);
  if (!est_nom(nom)) return false;
  m.noms.emplace_back(nom, exposant);
  return true;
}

// A product of factors as ajoute_facteur reads them, each name once.
std::optional<Monome> monome(std::string_view t) {
  Monome m;
  while (true) {
    const std::size_t fois = t.find('*');
    if (!ajoute_facteur(t.substr(0, fois), m)) return std::nullopt;
    if (fois == std::string_view::npos) break;
    t.remove_prefix(fois + 1);
  }
  std::sort(m.noms.begin(), m.noms.end());
  const auto meme_nom = [](const auto& x, const auto& y) { return x.first == y.first; };
  if (std::adjacent_find(m.noms.begin(), m.noms.end(), meme_nom) != m.noms.end()) return std::nullopt;
  return m;
}

bool noms_communs(const Monome& a, const Monome& b) {
  return std::any_of(a.noms.begin(), a.noms.end(), [&](const auto& n) {
    return std::any_of(b.noms.begin(), b.noms.end(), [&](const auto& o) { return o.first == n.first; });
  });
}

// The first term shares no name with any other and its integer is coprime
// with theirs; the others are no like terms, so nothing in them cancels.
bool premier_sans_facteur(const std::vector<Monome>& m) {
  for (std::size_t k = 1; k < m.size(); ++k) {
    if (noms_communs(m[0], m[k])) return false;
    if (m[0].entier != 0 && m[k].entier != 0 && pgcd(m[0].entier, m[k].entier) != 1) return false;
    for (std::size_t j = 1; j < k; ++j) {
      if (m[j].noms == m[k].noms) return false;
    }
  }
  return true;
}

}  // namespace

bool somme_sans_facteur_commun(const std::vector<std::string>& termes, const std::vector<std::string>& signes) {
  if (termes.size() < 2 || termes.size() > termes_maximum) return false;
  if (signes[0] == "-1" && signes[1] == "-1") return false;
  std::vector<Monome> m;
  m.reserve(termes.size());
  for (const auto& t : termes) {
    auto lu = monome(t);
    if (!lu) return false;
    m.push_back(std::move(*lu));
  }
  return premier_sans_facteur(m);
}
