#pragma once
// Collecting like terms of a polynomial in one variable with integer
// coefficients on the coefficients themselves, in the order and with the
// texts the collection of regroupe_somme gives.

#include <optional>
#include <string>

// What regroupe_somme gives for t, when t is a sum of terms n, n*v, v,
// n*v^k, v^k (n an integer of a few digits, k from 2 to 99, one name v)
// whose collection takes no step that depends on more than the values:
// each power at most twice and not cancelling, no integer sum of zero, and
// no integer factor of a merged term common with a later number. No value
// for any other text.
std::optional<std::string> somme_polynomiale_regroupee(const std::string& t);
