#pragma once
// Collection of like terms and like factors.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Like terms collected, exact numbers folded, terms ordered by their
// literal parts (numbers first). Texts holding a list are left alone.
std::string regroupe_somme(const std::string& t);
// Only the decimal numbers of a sum merged.
std::string regroupe_somme_numerique(const std::string& t);
// Like factors of a product collected (x*x -> x^2, 2*3*x -> 6*x).
std::string regroupe_produit(const std::string& t);
// The two sums have the same signed terms, in any order.
bool regroupe_compare_somme_est_egale(const std::string& a, const std::string& b);
// Merges term b into term a when they share factors. Collecting mode
// (`regroupement`): only like terms merge, into a number times their common
// part. Factorising mode: the common factor is put in front of the bracketed
// rest. On a merge, a holds the result, sa "1", sb "0" and f the result.
void regroupe_factorise_lettre(std::string& a, std::string& b, std::string& sa, std::string& sb, bool regroupement,
                               std::string& f);

// The order collecting gives terms by their literal parts (numbers first):
// one pass in which each position's key is taken once, so with three or
// more keys the order is not always ascending (z, x, y gives y, x, z). The
// shortcuts that write a collection's text order their terms by it too.
// Returns the positions of `cles` in that order.
std::vector<std::size_t> ordre_de_collecte(const std::vector<std::string_view>& cles);

// `elements` moved into the order `ordre` gives (from ordre_de_collecte).
template <class Element>
void range_selon(std::vector<Element>& elements, const std::vector<std::size_t>& ordre) {
  std::vector<Element> ranges;
  ranges.reserve(ordre.size());
  for (const std::size_t k : ordre) ranges.push_back(std::move(elements[k]));
  elements = std::move(ranges);
}
