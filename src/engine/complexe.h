#pragma once
// Complex numbers are ordinary expression text in which the imaginary unit
// is the one character "\xEE"; this node gives their parts and forms.
// Parts are expression text and may be symbolic.

#include <optional>
#include <string>

#include "engine/expression.h"

class complexe : public expression {
 public:
  using expression::expression;

  bool contient_i() const;

  // The real and imaginary parts, collected. No value when the text holds a
  // power that cannot be expanded, as (1+i)^n or (1+i)^0.5: the caller
  // keeps its call unevaluated. A call holding the unit counts as real.
  std::optional<std::string> partie_reelle() const;
  std::optional<std::string> partie_imaginaire() const;
  // Real part + imaginary part * i, collected, for a sum, difference,
  // product, power or quotient by a complex divisor; any other text (and
  // one that cannot be expanded) unchanged.
  std::string forme_algebrique() const;
  // Real part - imaginary part * i, not collected.
  std::optional<std::string> conjugue() const;
  // The exact modulus, square factors taken out of the root.
  std::optional<std::string> module() const;
  // The angle in ]-pi, pi] as a multiple of pi where it is one; no value
  // when a part has no numeric value.
  std::optional<std::string> argument() const;
  // i to the power `exposant`, a 32-bit integer: 1, i, -1 or -i; any other
  // exponent gives the "integers only" error value. A node other than i is
  // raised as written.
  std::string puissance_i(const std::string& exposant) const;
};
