#pragma once
// The work one question counts inside an outermost call: what the
// differential tests compare between a shortcut and the step it replaces.

#include <cstdint>

#include "engine/profondeur.h"

template <class Question>
std::uint64_t travail_de(Question&& question) {
  const GardeProfondeur garde;
  const std::uint64_t avant = travail_effectue();
  question();
  return travail_effectue() - avant;
}
