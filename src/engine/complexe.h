#pragma once
// A node with the complex-number operations; they arrive with their unit.

#include "engine/expression.h"

class complexe : public expression {
 public:
  using expression::expression;
};
