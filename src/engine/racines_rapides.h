#pragma once
// The roots of a*v^2+b*v+c written straight from integers when a, b and the
// discriminant are exact quotients: the texts the rewriting of (-b-r)/(2a)
// and (-b+r)/(2a) gives, for the shapes where that text is known.

#include <optional>
#include <string>

#include "engine/resoudre.h"

// "[v=r1;v=r2]" or "[v=r]" for a (not 0) and b quotients of a few digits
// (written "p" or "p/q") and the discriminant d such a quotient with a
// square denominator and at most 12 digits, when each root is rational,
// has no -b term, or has a bare root (its factor cancelled) or a natural
// -b/g over a positive 2a/g (g the common factor taken out). With `complexe`, d < 0 gives the complex
// roots; without it, no value for d < 0. With `complexe`, a > 0, b < 0
// and d = -P/Q, P > 1 without square factor and Q no square, the complex
// roots over k*sqrt(j) (Q = k^2*j) when their real term is written first.
// No value for any other case, which the rewriting answers.
std::optional<std::string> racines_exactes(const Coefficients& k, const std::string& d, const std::string& v,
                                           bool complexe);
