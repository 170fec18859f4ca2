#include "engine/expression.h"

#include "engine/decoupage.h"
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
bool marque_exposant(const std::string& texte, int i) {
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
bool signe_non_binaire(const std::string& texte, int i) {
  const char avant = texte[i - 1];
  if (avant == '-' || avant == '/' || avant == '^') return true;
  return (avant == 'e' || avant == 'E') && marque_exposant(texte, i - 1);
}

}  // namespace

expression::expression(std::string texte_initial) : texte(std::move(texte_initial)) {
  const PositionsHorsParentheses p = positions_hors_parentheses(texte);
  position_liste = p.point_virgule;
  if (position_liste >= 1) return;
  if (!texte.empty() && texte.front() == '[' && texte.back() == ']') return;
  for (const int r : {p.egal, p.inferieur, p.superieur}) {
    if (r >= 1) {
      position_relation = r;
      return;
    }
  }
  // Rightmost binary sign wins at once; otherwise remember the rightmost of
  // each of "*", "/", "^", "!".
  int profondeur = 0;
  int rang_signe = -1;
  std::array<int, 4> rangs = {-1, -1, -1, -1};
  for (int i = static_cast<int>(texte.size()) - 1; i >= 0; --i) {
    const char c = texte[i];
    if (c == ')') {
      if (++profondeur < 0) return;  // unbalanced: no split and no operand
    } else if (c == '(') {
      --profondeur;
    }
    if (profondeur != 0) continue;
    if ((c == '+' || c == '-') && i != 0 && !signe_non_binaire(texte, i)) {
      rang_signe = i;
      break;
    }
    const auto k = std::string_view("*/^!").find(c);
    if (k != std::string_view::npos && rangs[k] < 0) rangs[k] = i;
  }
  int rang = rang_signe;
  for (std::size_t k = 0; rang < 0 && k < rangs.size(); ++k) rang = rangs[k];
  if (rang < 0) {
    gauche = texte;
    return;
  }
  position = rang + 1;
  operateur = std::string(1, texte[rang]);
  type_operateur = static_cast<TypeOperateur>(types_operateurs.find(texte[rang]));
  gauche = texte.substr(0, rang);
  droite = texte.substr(rang + 1);
}
