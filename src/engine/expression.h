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

// Where a text splits at its top level, found as the node below finds it but
// without copying any part of the text: for the routines that only ask the
// kind or the place of the split. Positions are 1-based; 0 means none.
struct Coupe {
  TypeOperateur type_operateur = TypeOperateur::aucun;
  int position = 0;           // of the split operator
  int position_liste = 0;     // last ";" at bracket depth 0
  int position_relation = 0;  // relational operator at bracket depth 0
  bool feuille = false;       // no list, relation or operator: the whole text is one operand
};
Coupe coupe_de(std::string_view texte);

// The text holds none of the operator characters "+-*/^!", so it has no
// split: a leaf for the node, whatever else it holds.
bool sans_operateur(std::string_view texte);

// The kind of the split operator of `texte`: expression(texte).type_operateur.
// A text holding no operator character has none, and is not scanned; the
// work of its scan is counted all the same, so the work bound of a call
// stays where it was.
TypeOperateur type_operateur_de(std::string_view texte);

// The split of `texte` is a "/": type_operateur_de(texte) is divise. A text
// holding no "/" is not scanned, its work counted all the same.
bool se_coupe_en_quotient(std::string_view texte);

// The work of one scan of `texte` for its split, counted where the scan is
// spared because its answer is known.
void compte_coupe(std::string_view texte);

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
  // A text the caller keeps is copied once, straight into `texte`; one it
  // gives up is moved there.
  explicit expression(const std::string& texte_initial);
  explicit expression(std::string&& texte_initial);

 private:
  void decoupe();
};
