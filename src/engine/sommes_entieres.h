#pragma once
// Sums and products of an integer term, nested ones included, in checked
// 64-bit arithmetic: the term is read once into a tree and each step
// evaluates the tree instead of rebuilding texts.

#include <cstdint>
#include <optional>
#include <string>

// The exact value of the sum (or, with `produit`, the product) of the term
// over the index from a to b, when the term is made of integers, indices,
// "+", "-", "*", exact quotients, powers and nested sums and products of the
// same kind, and every value fits. No value otherwise (a name, a call, a
// fraction, an overflow, too many steps): the caller then evaluates the
// term as a text.
std::optional<std::int64_t> accumulation_entiere(const std::string& indice, std::int32_t a, std::int32_t b,
                                                 const std::string& terme, bool produit);
