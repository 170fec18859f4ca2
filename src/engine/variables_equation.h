#pragma once
// Names of a differential equation.

#include <string>
#include <vector>

// Removes the function sought (y, y', y'', named after the first name that
// holds "'") from the names, ignoring case. When none is left, `variable`
// becomes "x", the independent variable; otherwise it is left as it was.
void enleve_primes(std::vector<std::string>& noms, std::string& variable);
