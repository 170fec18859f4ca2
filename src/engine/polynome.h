#pragma once
// Polynomials in x: the degree, the leading coefficient and the Euclidean
// division of expression texts.

#include <string>

#include "engine/fonction.h"

// Degrees a text may have to count as a polynomial: the test of a degree d
// derives d + 1 times, and a division takes up to d steps.
inline constexpr int degre_maximal = 1000;

class polynome : public fonction {
 public:
  // The node of the text expanded and reduced, with its degree, its leading
  // coefficient and whether it is a polynomial in the variable. An error
  // value stays as it is and is its own degree.
  static polynome Create(const std::string& texte);

  std::string degre;        // a decimal text, or the "polynomials only" error value
  std::string coefficient;  // of the term of highest degree, with its sign
  std::string variable = "x";
  bool est_polynome = false;

  // One term split into its coefficient and the exponent of the variable
  // ("0" when the variable is no factor of it).
  void decomposer_monome(const std::string& terme, std::string& coefficient_terme, std::string& exposant) const;
  // Sets degre and coefficient from the terms of the text; true when no
  // term's coefficient holds the variable.
  bool calcul_degre();
  // "Q+R/D": the quotient's terms plus the remainder over the divisor as the
  // caller wrote it (a zero remainder vanishes); a constant divisor divides
  // every coefficient. "" when the dividend's degree is below the divisor's;
  // an error value when either is no polynomial, the divisor is 0, or the
  // degree of the remainder stops dropping.
  std::string division_euclidienne(const std::string& diviseur) const;

 private:
  explicit polynome(std::string texte_reduit) : fonction(std::move(texte_reduit)) {}
};
