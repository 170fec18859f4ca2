#pragma once
// A function node with the polynomial operations; they arrive with their unit.

#include "engine/fonction.h"

class polynome : public fonction {
 public:
  using fonction::fonction;
};
