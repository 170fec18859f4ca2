#include "engine/variables_equation.h"

#include <algorithm>

namespace {

bool egaux_sans_casse(const std::string& a, const std::string& b) {
  const auto minuscule = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return minuscule(x) == minuscule(y); });
}

}  // namespace

std::string retire_nom(std::vector<std::string>& noms, const std::string& nom) {
  // The variables of a text may repeat a name: every occurrence goes.
  std::string trouve;
  std::erase_if(noms, [&](const std::string& n) {
    if (!egaux_sans_casse(n, nom)) return false;
    trouve = n;
    return true;
  });
  return trouve;
}

FonctionCherchee retire_fonction_cherchee(std::vector<std::string>& noms) {
  FonctionCherchee f;
  const auto prime = std::find_if(noms.begin(), noms.end(),
                                  [](const std::string& n) { return n.find('\'') != std::string::npos; });
  if (prime == noms.end()) return f;
  f.nom = prime->substr(0, prime->find('\''));
  // The name with no, one and two marks: y, y', y''.
  std::string nom = f.nom;
  for (auto& derivee : f.derivees) {
    derivee = retire_nom(noms, nom);
    nom += '\'';
  }
  return f;
}

void enleve_primes(std::vector<std::string>& noms, std::string& variable) {
  retire_fonction_cherchee(noms);
  if (noms.empty()) variable = "x";
}
