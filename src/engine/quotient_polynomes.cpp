#include "engine/quotient_polynomes.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "localisation/nombres.h"

namespace {

using Coefficients = std::vector<std::int64_t>;  // index: the power
using Lu = std::optional<Coefficients>;

// Beyond these the written rewriting is left to run.
constexpr std::size_t longueur_lue = 80;
constexpr std::size_t degre_lu = 12;
constexpr std::int64_t coefficient_lu = 1000000;
constexpr int imbrication_lue = 32;
constexpr std::size_t chiffres_lus = 6;

bool borne(std::int64_t c) { return c >= -coefficient_lu && c <= coefficient_lu; }

// Each coefficient small, the array without zero high powers.
Lu normalise(Coefficients p) {
  for (const auto c : p) {
    if (!borne(c)) return std::nullopt;
  }
  while (p.size() > 1 && p.back() == 0) p.pop_back();
  if (p.size() > degre_lu + 1) return std::nullopt;
  return p;
}

Lu somme(const Coefficients& a, const Coefficients& b, std::int64_t signe) {
  Coefficients r(std::max(a.size(), b.size()), 0);
  for (std::size_t k = 0; k < a.size(); ++k) r[k] += a[k];
  for (std::size_t k = 0; k < b.size(); ++k) r[k] += signe * b[k];
  return normalise(std::move(r));
}

Lu produit(const Coefficients& a, const Coefficients& b) {
  if (a.size() + b.size() > degre_lu + 2) return std::nullopt;
  Coefficients r(a.size() + b.size() - 1, 0);
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = 0; j < b.size(); ++j) r[i + j] += a[i] * b[j];
  }
  return normalise(std::move(r));
}

Coefficients derivee(const Coefficients& p) {
  if (p.size() == 1) return {0};
  Coefficients r(p.size() - 1);
  for (std::size_t k = 1; k < p.size(); ++k) r[k - 1] = static_cast<std::int64_t>(k) * p[k];
  return r;
}

// A run of at most a few digits.
std::optional<std::int64_t> entier(std::string_view t) {
  if (t.empty() || t.size() > chiffres_lus) return std::nullopt;
  std::int64_t n = 0;
  for (const char c : t) {
    if (!est_chiffre(c)) return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

// Where the engine splits a text: the last binary sign outside brackets,
// else the last "*", else the last "/", else the last "^" (npos: none). A
// sign after "-", "/" or "^" belongs to its operand. No value for
// unbalanced brackets.
std::optional<std::size_t> coupure(std::string_view t) {
  int profondeur = 0;
  std::size_t signe = std::string_view::npos;
  std::size_t fois = std::string_view::npos;
  std::size_t divise = std::string_view::npos;
  std::size_t puissance = std::string_view::npos;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const char c = t[i];
    if (c == '(') ++profondeur;
    if (c == ')' && --profondeur < 0) return std::nullopt;
    if (profondeur != 0) continue;
    if ((c == '+' || c == '-') && i != 0 && t[i - 1] != '-' && t[i - 1] != '/' && t[i - 1] != '^') signe = i;
    if (c == '*') fois = i;
    if (c == '/') divise = i;
    if (c == '^') puissance = i;
  }
  if (profondeur != 0) return std::nullopt;
  for (const std::size_t r : {signe, fois, divise}) {
    if (r != std::string_view::npos) return r;
  }
  return puissance;
}

bool entre_parentheses(std::string_view t) {
  if (t.size() < 2 || t.front() != '(' || t.back() != ')') return false;
  int profondeur = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] == '(') ++profondeur;
    if (t[i] == ')' && --profondeur == 0) return i + 1 == t.size();
  }
  return false;
}

class Lecteur {
 public:
  explicit Lecteur(std::string_view variable) : variable_(variable) {}

  Lu lit(std::string_view t, int niveau) const {
    if (t.empty() || niveau > imbrication_lue) return std::nullopt;
    const auto rang = coupure(t);
    if (!rang) return std::nullopt;
    const bool signe = *rang != std::string_view::npos && (t[*rang] == '+' || t[*rang] == '-');
    if (*rang != std::string_view::npos && (signe || t[0] != '-')) {
      return operation(t.substr(0, *rang), t[*rang], t.substr(*rang + 1), niveau);
    }
    // A leading "-" with no binary sign after it negates the whole rest.
    if (t[0] == '-') {
      const Lu p = lit(t.substr(1), niveau + 1);
      return p ? somme({0}, *p, -1) : std::nullopt;
    }
    if (entre_parentheses(t)) return lit(t.substr(1, t.size() - 2), niveau + 1);
    if (t == variable_) return Coefficients{0, 1};
    if (const auto n = entier(t)) return Coefficients{*n};
    return std::nullopt;
  }

 private:
  Lu operation(std::string_view gauche, char op, std::string_view droite, int niveau) const {
    const Lu a = lit(gauche, niveau + 1);
    if (!a) return std::nullopt;
    if (op == '^') {
      const auto n = entier(droite);
      if (!n || static_cast<std::size_t>(*n) > degre_lu) return std::nullopt;
      Lu r = Coefficients{1};
      for (std::int64_t k = 0; k < *n && r; ++k) r = produit(*r, *a);
      return r;
    }
    const Lu b = lit(droite, niveau + 1);
    if (!b) return std::nullopt;
    if (op == '*') return produit(*a, *b);
    if (op == '/') return std::nullopt;
    return somme(*a, *b, op == '+' ? 1 : -1);
  }

  std::string_view variable_;
};

// c*x^k as the reduction writes it, without its sign.
std::string terme(std::int64_t valeur_absolue, std::size_t k, const std::string& variable) {
  if (k == 0) return texte_entier(valeur_absolue);
  std::string r = valeur_absolue == 1 ? variable : texte_entier(valeur_absolue) + "*" + variable;
  if (k > 1) r += "^" + texte_entier(static_cast<std::int64_t>(k));
  return r;
}

std::string ecrit(const Coefficients& p, const std::string& variable) {
  std::string r;
  for (std::size_t k = 0; k < p.size(); ++k) {
    if (p[k] == 0) continue;
    if (p[k] < 0) {
      r += "-";
    } else if (!r.empty()) {
      r += "+";
    }
    r += terme(p[k] < 0 ? -p[k] : p[k], k, variable);
  }
  return r.empty() ? "0" : r;
}

bool lisible(const std::string& t) {
  if (t.empty() || t.size() > longueur_lue) return false;
  for (const char c : t) {
    if (!(est_chiffre(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '+' || c == '-' ||
          c == '*' || c == '/' || c == '^' || c == '(' || c == ')')) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<DeriveeQuotient> derivee_quotient_polynomes(const std::string& texte, const std::string& variable) {
  // A text enclosed whole, or led by "-", is left to the written rules.
  if (!lisible(texte) || variable.empty() || texte[0] == '-' || entre_parentheses(texte)) return std::nullopt;
  const auto rang = coupure(texte);
  if (!rang || *rang == std::string_view::npos || texte[*rang] != '/') return std::nullopt;
  const std::string f = texte.substr(0, *rang);
  const std::string g = texte.substr(*rang + 1);
  const Lecteur lecteur(variable);
  const Lu p = lecteur.lit(f, 0);
  const Lu q = p ? lecteur.lit(g, 0) : std::nullopt;
  // A constant denominator costs the written rules little.
  if (!q || q->size() < 2) return std::nullopt;
  const Lu gauche = produit(derivee(*p), *q);
  const Lu droite = produit(*p, derivee(*q));
  const Lu n = gauche && droite ? somme(*gauche, *droite, -1) : std::nullopt;
  // The reduction keeps the order in which the developed text meets the
  // powers; a numerator of one term (or none) has no order to follow.
  if (!n || std::count_if(n->begin(), n->end(), [](std::int64_t c) { return c != 0; }) > 1) return std::nullopt;
  return DeriveeQuotient{ecrit(*n, variable), g};
}
