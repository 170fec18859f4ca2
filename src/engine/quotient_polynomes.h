#pragma once
// The derivative of a quotient of two polynomials with integer coefficients,
// counted on coefficient arrays. The quotient rule writes f'g - fg',
// develops and reduces it; when that polynomial is a single term (as for
// (x^2-1)/(x^2+1), (3*x-1)/(2*x+5) or 1/(x^2+1)) the text is that term,
// which the arrays give at once.

#include <optional>
#include <string>

struct DeriveeQuotient {
  std::string numerateur;    // f'g - fg'
  std::string denominateur;  // g as written in the text
};

// For a text the engine splits as f/g, f and g polynomials in `variable`
// and g not constant: the numerator of the derivative, developed and
// reduced, when it is one term or 0, and g. No value unless f and g are
// made of integers, the variable, + - *, brackets and small whole powers,
// with small coefficients, nor when the numerator has several terms.
std::optional<DeriveeQuotient> derivee_quotient_polynomes(const std::string& texte, const std::string& variable);
