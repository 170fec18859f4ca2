#pragma once
// Integers past 64 bits, exactly: the numeric part of a product and the
// counts n!, C(n, p) and A(n, p), so that a quotient of whole numbers is
// written from its exact value, never from decimals rounded on the way.
// Values travel as integer texts (an optional "-" and digits) and are made
// only within the range of a double, where the floating point they stand
// for ends too: past it there is no value, and the caller goes on as it
// would without them (a product past the largest double is an error value).

#include <cstdint>
#include <optional>
#include <string>

// a+b, a-b and a*b of two integer texts.
std::optional<std::string> somme_longue(const std::string& a, const std::string& b);
std::optional<std::string> difference_longue(const std::string& a, const std::string& b);
std::optional<std::string> produit_long(const std::string& a, const std::string& b);

// base^exposant of an integer text.
std::optional<std::string> puissance_longue(const std::string& base, std::uint64_t exposant);

// n/d of two integer texts within the range (d not 0) in the program's
// number text, from the exact quotient: its 15 significant digits rounded
// half up, so a whole quotient of at most 15 digits is that integer.
std::string quotient_long_ecrit(const std::string& n, const std::string& d);

// n!, C(n, p) and A(n, p) for 0 <= p <= n, as integer texts.
std::optional<std::string> factorielle_longue(std::int64_t n);
std::optional<std::string> comb_long(std::int64_t p, std::int64_t n);
std::optional<std::string> perm_long(std::int64_t p, std::int64_t n);
