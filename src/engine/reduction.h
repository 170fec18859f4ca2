#pragma once
// Cancelling a common integer factor between a numerator and its
// denominator, and the reduction command built on it.

#include <string>

// Integer contents of the numerator side and of the denominator side, as
// integer texts ("1" when nothing can be said or a product overflows).
std::string contenu_numerateur(const std::string& t);
std::string contenu_denominateur(const std::string& t);
// gcd of the two contents.
std::string facteur_commun(const std::string& t);
// Divides t by the integer g structurally: a quotient on both sides, a sum
// term by term, a product in one factor, an integer leaf when g divides it.
// t loses its enclosing brackets in every case and is rewritten only on
// success.
bool divise_par(std::string& t, const std::string& g);
// (2*x+4)/6 -> (x+2)/3.
std::string simplifie_par_pgcd(const std::string& t);
// regroupe_somme, then simplifie_par_pgcd.
std::string reduire(const std::string& t);
