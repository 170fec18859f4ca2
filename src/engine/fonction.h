#pragma once
// A node with the calculus operations: variables, derivation,
// antiderivation, integrals, numeric evaluation.

#include <string>

#include "engine/expression.h"

class fonction : public expression {
 public:
  using expression::expression;

  // The variables of the expression, ";"-separated, the right operand's
  // first; a name may repeat. An equation counts as the sum of its sides.
  std::string variables() const;
};
