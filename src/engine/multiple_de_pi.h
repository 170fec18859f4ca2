#pragma once
// Angles written as rational multiples of pi.

#include <string>

// A number that is p/k times pi for some k below 100 (within the rounding
// of its 15 significant digits) written p/k*pi, as pi/4 or -(3*pi)/4; any
// other text unchanged.
std::string multiple_de_pi(const std::string& x);
