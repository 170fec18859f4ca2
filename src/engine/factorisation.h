#pragma once
// Factorisation: common factors and special products.

#include <string>

// The common factor of all terms of a sum put in front.
std::string regroupe_factorise_lettre_globale(const std::string& t);
// The factorised text (x^2+2*x+1 -> (1+x)^2, 2*x+2 -> 2*(1+x)).
std::string regroupe_factorise(const std::string& t);
