#include "engine/factorisation_rapide.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/primitives.h"

namespace {

// Digits an integer of a monomial may have: it fits in 64 bits with room
// for the products the rewriting would form.
constexpr std::size_t chiffres_maximum = 9;

struct Monome {
  std::int64_t entier = 0;  // 0: no integer factor
  std::vector<std::string_view> noms;
};

bool est_chiffre(char c) { return c >= '0' && c <= '9'; }
bool est_lettre(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A positive integer without leading zero, at most chiffres_maximum digits.
std::optional<std::int64_t> entier_positif(std::string_view t) {
  if (t.empty() || t.size() > chiffres_maximum || t[0] == '0') return std::nullopt;
  std::int64_t v = 0;
  for (const char c : t) {
    if (!est_chiffre(c)) return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

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
  if (chapeau == std::string_view::npos) {
    if (const auto v = entier_positif(f)) {
      if (m.entier != 0) return false;
      m.entier = *v;
      return true;
    }
  } else if (!entier_positif(f.substr(chapeau + 1))) {
    return false;
  }
  const std::string_view nom = f.substr(0, chapeau);
  if (!est_nom(nom)) return false;
  m.noms.push_back(nom);
  return true;
}

std::optional<Monome> monome(std::string_view t) {
  Monome m;
  while (true) {
    const std::size_t fois = t.find('*');
    if (!ajoute_facteur(t.substr(0, fois), m)) return std::nullopt;
    if (fois == std::string_view::npos) break;
    t.remove_prefix(fois + 1);
  }
  return m;
}

bool noms_communs(const Monome& a, const Monome& b) {
  return std::any_of(a.noms.begin(), a.noms.end(),
                     [&](std::string_view n) { return std::find(b.noms.begin(), b.noms.end(), n) != b.noms.end(); });
}

}  // namespace

bool binome_sans_facteur_commun(const std::vector<std::string>& termes) {
  if (termes.size() != 2) return false;
  const auto a = monome(termes[0]);
  if (!a) return false;
  const auto b = monome(termes[1]);
  if (!b || noms_communs(*a, *b)) return false;
  return a->entier == 0 || b->entier == 0 || pgcd(a->entier, b->entier) == 1;
}
