#include "engine/expression.h"

#include <algorithm>
#include <optional>

#include "engine/decoupage.h"
#include "engine/profondeur.h"
#include "localisation/nombres.h"

namespace {

bool borne_un_terme(char c) {
  switch (c) {
    case '+': case '-': case '*': case '/': case '^': case '!':
    case '(': case ')': case '[': case ']': case ';': case '=': case '<': case '>':
      return true;
    default:
      return false;
  }
}

// True when the "e"/"E" at `i` is the exponent mark of a number: the run
// before it, back to an operator, a bracket, ";" or the start, is an unsigned
// number (digits with at most one ".").
bool marque_exposant(std::string_view texte, int i) {
  int debut = i;
  while (debut > 0 && !borne_un_terme(texte[debut - 1])) --debut;
  int chiffres = 0;
  int points = 0;
  for (int k = debut; k < i; ++k) {
    if (est_chiffre(texte[k])) {
      ++chiffres;
    } else if (texte[k] == '.') {
      ++points;
    } else {
      return false;
    }
  }
  return chiffres > 0 && points <= 1;
}

// A "+" or "-" after these keeps its sign inside the operand: unary signs
// after "-", "/", "^" and the sign of a number's exponent.
bool signe_non_binaire(std::string_view texte, int i) {
  const char avant = texte[i - 1];
  if (avant == '-' || avant == '/' || avant == '^') return true;
  return (avant == 'e' || avant == 'E') && marque_exposant(texte, i - 1);
}

// The characters the scan for the split must look at: brackets and
// operators. Any other is passed with one look-up.
constexpr std::array<bool, 256> compte_pour_la_coupe = [] {
  std::array<bool, 256> r{};
  for (const char c : std::string_view("()+-*/^!")) r[static_cast<unsigned char>(c)] = true;
  return r;
}();

// The kind of an operator character: its index in "+-*/^!".
TypeOperateur type_du_caractere(char c) {
  switch (c) {
    case '+': return TypeOperateur::plus;
    case '-': return TypeOperateur::moins;
    case '*': return TypeOperateur::fois;
    case '/': return TypeOperateur::divise;
    case '^': return TypeOperateur::puissance;
    case '!': return TypeOperateur::factorielle;
    default: return TypeOperateur::aucun;
  }
}

// Index of "*", "/", "^", "!" in that order; -1 for any other character.
int rang_produit(char c) {
  switch (c) {
    case '*': return 0;
    case '/': return 1;
    case '^': return 2;
    case '!': return 3;
    default: return -1;
  }
}

// The characters one pass from the left looks at: brackets of both kinds,
// separators and operators.
constexpr std::array<bool, 256> compte_pour_le_passage = [] {
  std::array<bool, 256> r{};
  for (const char c : std::string_view("()[];=<>+-*/^!")) r[static_cast<unsigned char>(c)] = true;
  return r;
}();

// What one pass from the left finds at the top level: the last ";", "=",
// "<", ">" outside both kinds of brackets, and outside round brackets the
// last binary sign and the last of each of "*", "/", "^", "!". `equilibre`
// tells whether the round brackets balance with none closed before it is
// opened; only then is the top level the same seen from either end.
struct Passage {
  PositionsHorsParentheses separateurs;
  bool equilibre = true;
  int rang_signe = -1;
  std::array<int, 4> rangs = {-1, -1, -1, -1};
};

Passage passage(std::string_view texte) {
  Passage p;
  int profondeur = 0;  // both kinds of brackets
  int rondes = 0;      // round brackets
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const char ch = texte[i];
    if (!compte_pour_le_passage[static_cast<unsigned char>(ch)]) continue;
    const int position = static_cast<int>(i) + 1;
    switch (ch) {
      case '(': ++profondeur; ++rondes; break;
      case ')':
        --profondeur;
        if (--rondes < 0) p.equilibre = false;
        break;
      case '[': ++profondeur; break;
      case ']': --profondeur; break;
      case ';': if (profondeur == 0) p.separateurs.point_virgule = position; break;
      case '=': if (profondeur == 0) p.separateurs.egal = position; break;
      case '<': if (profondeur == 0) p.separateurs.inferieur = position; break;
      case '>': if (profondeur == 0) p.separateurs.superieur = position; break;
      case '+':
      case '-':
        if (rondes == 0 && i != 0 && !signe_non_binaire(texte, static_cast<int>(i))) p.rang_signe = static_cast<int>(i);
        break;
      default:
        if (rondes == 0) p.rangs[static_cast<std::size_t>(rang_produit(ch))] = static_cast<int>(i);
        break;
    }
  }
  if (rondes != 0) p.equilibre = false;
  return p;
}

// The split of a text whose round brackets do not balance, read from the
// right: the rightmost binary sign wins at once; otherwise the rightmost of
// each of "*", "/", "^", "!" is remembered. No value when the brackets are
// found unbalanced on the way.
std::optional<Passage> operateurs_depuis_la_droite(std::string_view texte) {
  Passage p;
  int profondeur = 0;
  for (int i = static_cast<int>(texte.size()) - 1; i >= 0; --i) {
    const char ch = texte[i];
    if (!compte_pour_la_coupe[static_cast<unsigned char>(ch)]) continue;
    if (ch == ')') {
      if (++profondeur < 0) return std::nullopt;
    } else if (ch == '(') {
      --profondeur;
    }
    if (profondeur != 0) continue;
    if ((ch == '+' || ch == '-') && i != 0 && !signe_non_binaire(texte, i)) {
      p.rang_signe = i;
      break;
    }
    const int k = rang_produit(ch);
    if (k >= 0 && p.rangs[static_cast<std::size_t>(k)] < 0) p.rangs[static_cast<std::size_t>(k)] = i;
  }
  return p;
}

}  // namespace

Coupe coupe_de(std::string_view texte) {
  compte_travail(texte.size());
  Coupe c;
  Passage p = passage(texte);
  c.position_liste = p.separateurs.point_virgule;
  if (c.position_liste >= 1) return c;
  if (!texte.empty() && texte.front() == '[' && texte.back() == ']') return c;
  for (const int r : {p.separateurs.egal, p.separateurs.inferieur, p.separateurs.superieur}) {
    if (r >= 1) {
      c.position_relation = r;
      return c;
    }
  }
  if (!p.equilibre) {
    const auto depuis_la_droite = operateurs_depuis_la_droite(texte);
    if (!depuis_la_droite) return c;  // unbalanced: no split and no operand
    p = *depuis_la_droite;
  }
  int rang = p.rang_signe;
  for (std::size_t k = 0; rang < 0 && k < p.rangs.size(); ++k) rang = p.rangs[k];
  if (rang < 0) {
    c.feuille = true;
    return c;
  }
  c.position = rang + 1;
  c.type_operateur = type_du_caractere(texte[rang]);
  return c;
}

void compte_coupe(std::string_view texte) { compte_travail(texte.size()); }

bool sans_operateur(std::string_view texte) {
  return std::none_of(texte.begin(), texte.end(), [](char c) {
    return compte_pour_la_coupe[static_cast<unsigned char>(c)] && c != '(' && c != ')';
  });
}

TypeOperateur type_operateur_de(std::string_view texte) {
  if (sans_operateur(texte)) {
    compte_coupe(texte);
    return TypeOperateur::aucun;
  }
  return coupe_de(texte).type_operateur;
}

bool se_coupe_en_quotient(std::string_view texte) {
  if (texte.find('/') == std::string_view::npos) {
    compte_coupe(texte);
    return false;
  }
  return coupe_de(texte).type_operateur == TypeOperateur::divise;
}

expression::expression(const std::string& texte_initial) : texte(texte_initial) { decoupe(); }

expression::expression(std::string&& texte_initial) : texte(std::move(texte_initial)) { decoupe(); }

void expression::decoupe() {
  const Coupe c = coupe_de(texte);
  position_liste = c.position_liste;
  position_relation = c.position_relation;
  if (c.feuille) gauche = texte;
  if (c.position == 0) return;
  const std::size_t rang = static_cast<std::size_t>(c.position) - 1;
  position = c.position;
  type_operateur = c.type_operateur;
  // Each part is written straight into its member, without a temporary.
  operateur.assign(1, texte[rang]);
  gauche.assign(texte, 0, rang);
  droite.assign(texte, rang + 1);
}
