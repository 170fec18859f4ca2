#pragma once
// Counting on 64-bit integers. No value means the true result does not fit.

#include <cstdint>
#include <optional>

// n! for n >= 0 (0 for n < 0); no value above 20!.
std::optional<std::int64_t> factorielle(std::int64_t n);
// Subsets of p elements of a set of n (0 when p < 0 or p > n); no value for
// n < 0 or when the count does not fit.
std::optional<std::int64_t> comb(std::int64_t p, std::int64_t n);
// Arrangements of p elements of a set of n, with the same bounds.
std::optional<std::int64_t> perm(std::int64_t p, std::int64_t n);

// The same counts in floating point, for those past 64 bits: an infinite
// value once past the largest double. Arguments as for the exact counts,
// with n >= 0; the loops end as soon as the value is infinite.
double factorielle_approchee(std::int64_t n);
double comb_approche(std::int64_t p, std::int64_t n);
double perm_approche(std::int64_t p, std::int64_t n);
