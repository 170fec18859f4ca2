#pragma once
// A node with the calculus operations (derivation, antiderivation, numeric
// evaluation); they arrive with their units.

#include "engine/expression.h"

class fonction : public expression {
 public:
  using expression::expression;
};
