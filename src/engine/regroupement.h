#pragma once
// Collection of like terms and like factors.

#include <string>

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
