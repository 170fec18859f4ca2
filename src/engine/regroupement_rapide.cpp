#include "engine/regroupement_rapide.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/algebre_entiere.h"
#include "engine/primitives.h"
#include "engine/regroupement.h"
#include "localisation/nombres.h"

namespace {

// Digits an integer may have, and terms a sum may have: every sum of
// coefficients stays far inside 64 bits.
constexpr std::size_t chiffres_maximum = 6;
constexpr std::size_t termes_maximum = 64;
constexpr std::size_t chiffres_exposant = 2;
constexpr int occurrences_maximum = 2;
constexpr std::string_view caracteres_admis =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ*^+-";

// One term of the sum as collecting sees it: a number (degre 0) or a
// power of the variable, the integer written in its text (1 when none,
// with the sign a merge may have put inside), its sign entry (1, -1, or 0
// once merged away).
struct Terme {
  int degre = 0;
  std::int64_t entier = 1;
  bool entier_ecrit = false;
  int signe = 1;
  bool fusionne_en_tete = false;  // its text is the result of a merge
};

bool est_lettre(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::optional<std::int64_t> naturel(std::string_view t, std::size_t chiffres) { return naturel_ecrit(t, chiffres, false); }

bool est_variable(std::string_view v) {
  if (v.empty() || !est_lettre(v[0]) || v == "i") return false;
  for (const char c : v) {
    if (!est_lettre(c) && !est_chiffre(c)) return false;
  }
  return !est_constante(std::string(v));
}

// The power v or v^k (k from 2): its degree; the variable is fixed by the
// first power read.
std::optional<int> puissance(std::string_view t, std::string_view& variable) {
  const std::size_t chapeau = t.find('^');
  const std::string_view nom = t.substr(0, chapeau);
  if (!est_variable(nom) || (!variable.empty() && nom != variable)) return std::nullopt;
  variable = nom;
  if (chapeau == std::string_view::npos) return 1;
  const auto k = naturel(t.substr(chapeau + 1), chiffres_exposant);
  if (!k || *k < 2) return std::nullopt;
  return static_cast<int>(*k);
}

std::optional<Terme> terme(std::string_view t, int signe, std::string_view& variable) {
  Terme r;
  r.signe = signe;
  const std::size_t fois = t.find('*');
  if (fois == std::string_view::npos) {
    if (const auto n = naturel(t, chiffres_maximum)) {
      r.entier = *n;
      return r;
    }
  } else {
    const auto n = naturel(t.substr(0, fois), chiffres_maximum);
    if (!n || *n == 1) return std::nullopt;
    r.entier = *n;
    r.entier_ecrit = true;
    t.remove_prefix(fois + 1);
  }
  const auto d = puissance(t, variable);
  if (!d) return std::nullopt;
  r.degre = *d;
  return r;
}

std::optional<std::vector<Terme>> termes_de(std::string_view t, std::string_view& variable) {
  std::vector<Terme> termes;
  int signe = 1;
  if (!t.empty() && t[0] == '-') {
    signe = -1;
    t.remove_prefix(1);
  }
  while (true) {
    if (termes.size() == termes_maximum) return std::nullopt;
    const std::size_t fin = t.find_first_of("+-");
    const auto lu = terme(t.substr(0, fin), signe, variable);
    if (!lu) return std::nullopt;
    termes.push_back(*lu);
    if (fin == std::string_view::npos) break;
    signe = t[fin] == '-' ? -1 : 1;
    t.remove_prefix(fin + 1);
  }
  return termes;
}

std::int64_t pgcd_positif(std::int64_t a, std::int64_t b) {
  while (b != 0) a = std::exchange(b, a % b);
  return a;
}

// The value of a term: its sign entry times its integer.
std::int64_t valeur(const Terme& t) { return t.signe * t.entier; }

// The pass of collecting on values: the powers merged into their first
// occurrence, the numbers into the first number. Empty when a step would
// depend on more than the values (see somme_polynomiale_regroupee).
bool fusionne(std::vector<Terme>& t) {
  constexpr std::size_t aucune = static_cast<std::size_t>(-1);
  std::size_t exacte = aucune;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i].degre == 0) {
      if (t[i].signe == 0) return false;  // a number merged into a power
      if (exacte == aucune) {
        exacte = i;
        continue;
      }
      const std::int64_t s = valeur(t[exacte]) + valeur(t[i]);
      t[exacte].entier = s < 0 ? -s : s;
      t[exacte].signe = s < 0 ? -1 : 1;
      t[i].signe = 0;
      continue;
    }
    if (t[i].signe == 0) {
      // Merged away: a later number, or a later term merged away already,
      // sharing a factor with its written integer would be merged into it.
      for (std::size_t j = i + 1; j < t.size(); ++j) {
        const bool nombre_ou_fusionne = t[j].degre == 0 || (t[j].signe == 0 && t[j].entier_ecrit);
        if (nombre_ou_fusionne && t[i].entier_ecrit && pgcd_positif(t[i].entier, t[j].entier) != 1) return false;
        if (t[j].degre == t[i].degre) return false;
      }
      continue;
    }
    int occurrences = 1;
    for (std::size_t j = i + 1; j < t.size(); ++j) {
      if (t[j].degre != t[i].degre) continue;
      if (++occurrences > occurrences_maximum) return false;
      const std::int64_t k = valeur(t[i]) + valeur(t[j]);
      if (k == 0) return false;
      t[i].entier = k;
      t[i].entier_ecrit = k != 1;
      t[i].signe = 1;
      t[i].fusionne_en_tete = true;
      t[j].signe = 0;
    }
  }
  if (exacte != aucune && t[exacte].entier == 0) return false;
  return true;
}

std::string puissance_ecrite(int degre, std::string_view variable) {
  std::string p(variable);
  if (degre > 1) p += "^" + texte_entier(degre);
  return p;
}

// The key collecting orders by: the literal part of the term's text.
std::string cle(const Terme& t, std::string_view variable) {
  if (t.degre == 0) return "1";
  const std::string p = puissance_ecrite(t.degre, variable);
  return t.fusionne_en_tete && t.entier == -1 ? "-" + p : p;
}

// The terms in the collection's order of their keys (ordre_de_collecte).
void ordonne(std::vector<Terme>& t, std::string_view variable) {
  std::vector<std::string> cles;
  cles.reserve(t.size());
  for (const auto& x : t) cles.push_back(cle(x, variable));
  range_selon(t, ordre_de_collecte({cles.begin(), cles.end()}));
}

std::string ecrit(const std::vector<Terme>& t, std::string_view variable) {
  std::string r;
  for (const auto& x : t) {
    if (x.signe == 0) continue;
    const std::int64_t v = valeur(x);
    const std::int64_t a = v < 0 ? -v : v;
    if (v < 0) {
      r += '-';
    } else if (!r.empty()) {
      r += '+';
    }
    if (x.degre == 0) {
      r += texte_entier(a);
      continue;
    }
    if (a != 1) r += texte_entier(a) + "*";
    r += puissance_ecrite(x.degre, variable);
  }
  return r.empty() ? "0" : r;
}

}  // namespace

std::optional<std::string> somme_polynomiale_regroupee(const std::string& t) {
  // Most texts collected hold some other character: they are turned away
  // before any term is read.
  if (t.find_first_not_of(caracteres_admis) != std::string::npos) return std::nullopt;
  std::string_view variable;
  auto termes = termes_de(t, variable);
  if (!termes || variable.empty() || !fusionne(*termes)) return std::nullopt;
  ordonne(*termes, variable);
  return ecrit(*termes, variable);
}
