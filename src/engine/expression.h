#pragma once
// The engine keeps no tree: every value is expression text, and a routine that
// needs the structure of a text builds a short-lived node that tells where the
// text splits at its top level.

#include <array>
#include <string>
#include <string_view>

// Relational operators, tried in this order.
inline constexpr std::array<char, 3> operateurs_relationnels = {'=', '<', '>'};
// Binary operators, by increasing priority of the split.
inline constexpr std::array<char, 5> operateurs = {'+', '-', '*', '/', '^'};
// The imaginary unit, one byte in the program's character set.
inline constexpr char unite_imaginaire[] = "\xEE";

// The kind of a node's split operator; the value of each kind is its index in
// "+-*/^!", so the binary kinds run from plus to puissance.
enum class TypeOperateur { aucun = -1, plus, moins, fois, divise, puissance, factorielle };

constexpr bool est_binaire(TypeOperateur type) {
  return type >= TypeOperateur::plus && type <= TypeOperateur::puissance;
}
constexpr bool est_somme_ou_difference(TypeOperateur type) {
  return type == TypeOperateur::plus || type == TypeOperateur::moins;
}

class expression {
 public:
  // Positions are 1-based; 0 means none.
  std::string texte;
  std::string operateur;       // the split operator, one character, or empty
  TypeOperateur type_operateur = TypeOperateur::aucun;
  int position = 0;            // position of the split operator in texte
  std::string droite;          // right operand; empty for a leaf
  std::string gauche;          // left operand; the whole text for a leaf
  int position_liste = 0;      // last ";" at bracket depth 0
  int position_relation = 0;   // relational operator at bracket depth 0

  // The top level of a text is, in this order: an argument list, a bracketed
  // list, a relation, the rightmost binary "+" or "-", then the rightmost
  // "*", "/", "^", "!" in that order of kinds.
  explicit expression(std::string texte_initial);
};
