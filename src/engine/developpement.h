#pragma once
// Expansion: products distributed over sums, integer powers of sums by the
// binomial formula, quotients split term by term, signs moved inside.

#include <string>

std::string developper(const std::string& t);
// t's top operator is "*": the product distributed.
std::string developpe_produit(const std::string& t);
// The three special products written factorised (x^2-4 -> (-2+x)*(2+x));
// any other text unchanged.
std::string identite_remarquable(const std::string& t);
// An expansion step is still possible somewhere.
bool est_developpable(const std::string& t);
