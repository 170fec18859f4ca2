#include "engine/expression.h"

#include <algorithm>

#include "engine/decoupage.h"
#include "engine/profondeur.h"
#include "localisation/nombres.h"

namespace {

constexpr std::string_view types_operateurs = "+-*/^!";

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

}  // namespace

Coupe coupe_de(std::string_view texte) {
  Coupe c;
  const PositionsHorsParentheses p = positions_hors_parentheses(texte);
  c.position_liste = p.point_virgule;
  if (c.position_liste >= 1) return c;
  if (!texte.empty() && texte.front() == '[' && texte.back() == ']') return c;
  for (const int r : {p.egal, p.inferieur, p.superieur}) {
    if (r >= 1) {
      c.position_relation = r;
      return c;
    }
  }
  // Rightmost binary sign wins at once; otherwise remember the rightmost of
  // each of "*", "/", "^", "!".
  int profondeur = 0;
  int rang_signe = -1;
  std::array<int, 4> rangs = {-1, -1, -1, -1};
  for (int i = static_cast<int>(texte.size()) - 1; i >= 0; --i) {
    const char ch = texte[i];
    if (!compte_pour_la_coupe[static_cast<unsigned char>(ch)]) continue;
    if (ch == ')') {
      if (++profondeur < 0) return c;  // unbalanced: no split and no operand
    } else if (ch == '(') {
      --profondeur;
    }
    if (profondeur != 0) continue;
    if ((ch == '+' || ch == '-') && i != 0 && !signe_non_binaire(texte, i)) {
      rang_signe = i;
      break;
    }
    const int k = rang_produit(ch);
    if (k >= 0 && rangs[k] < 0) rangs[k] = i;
  }
  int rang = rang_signe;
  for (std::size_t k = 0; rang < 0 && k < rangs.size(); ++k) rang = rangs[k];
  if (rang < 0) {
    c.feuille = true;
    return c;
  }
  c.position = rang + 1;
  c.type_operateur = static_cast<TypeOperateur>(types_operateurs.find(texte[rang]));
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

expression::expression(std::string texte_initial) : texte(std::move(texte_initial)) {
  const Coupe c = coupe_de(texte);
  position_liste = c.position_liste;
  position_relation = c.position_relation;
  if (c.feuille) gauche = texte;
  if (c.position == 0) return;
  const std::size_t rang = static_cast<std::size_t>(c.position) - 1;
  position = c.position;
  type_operateur = c.type_operateur;
  operateur = std::string(1, texte[rang]);
  gauche = texte.substr(0, rang);
  droite = texte.substr(rang + 1);
}
