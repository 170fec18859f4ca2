#include "exercises/hasard.h"

#include <chrono>

std::uint32_t RandSeed = 0;

void Randomize() {
  const auto maintenant = std::chrono::steady_clock::now().time_since_epoch();
  RandSeed = static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::microseconds>(maintenant).count());
}
