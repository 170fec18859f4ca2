#pragma once
// Names of a differential equation.

#include <array>
#include <string>
#include <vector>

// The function sought, named after the first name that holds "'": y, and
// which of y, y' and y'' the names held (the name as written, or "" when
// absent).
struct FonctionCherchee {
  std::string nom;
  std::array<std::string, 3> derivees;
};

// Removes every occurrence of `nom` from the names, ignoring case; tells
// the name as it was written, or "" when it was not there.
std::string retire_nom(std::vector<std::string>& noms, const std::string& nom);

// Removes y, y' and y'' from the names, ignoring case. No name holding "'"
// leaves the names as they are and `nom` empty.
FonctionCherchee retire_fonction_cherchee(std::vector<std::string>& noms);

// Removes the function sought from the names. When none is left,
// `variable` becomes "x", the independent variable; otherwise it is left
// as it was.
void enleve_primes(std::vector<std::string>& noms, std::string& variable);
