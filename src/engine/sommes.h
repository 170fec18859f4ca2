#pragma once
// Sums and products of a term over an integer index, computed exactly.

#include <cstdint>
#include <string>

// The term evaluated exactly with the index set to each integer from a to b,
// the values added up step by step and collected: "0" for an empty range.
// More than 100,000 terms, or a running result past 2,000 characters (a
// symbolic term makes each step cost as much as the text is long), give the
// "out of limits" error value.
std::string somme(const std::string& indice, std::int32_t a, std::int32_t b, const std::string& terme);
// The same with the values multiplied: "1" for an empty range.
std::string produit(const std::string& indice, std::int32_t a, std::int32_t b, const std::string& terme);
