#pragma once
// The derivatives at 0 of a text, found from its exact power series instead
// of by derivation: the Taylor polynomial's shortcut.

#include <optional>
#include <string>
#include <vector>

// f(0), f'(0), ..., f^(ordre)(0) for a text f of `variable` built from
// numbers of finite binary expansion, the variable, + - * /, constant
// powers and cos, sin, tan, exp, ln, sqrt, sh, ch, th taken where their
// value is exact (exp(0), ln(1), sqrt(1)...), when each of those values and
// the values of all its parts are small fractions over a power of 2: then
// the written derivatives evaluate in floating point to exactly these
// doubles. No value outside that class (other names, a quotient by 0,
// ln(2), 1/3, a value too large...), where the caller derives as written.
std::optional<std::vector<double>> derivees_en_zero(const std::string& texte, const std::string& variable,
                                                    int ordre);
