#include "engine/variables_equation.h"

#include <algorithm>

namespace {

bool egaux_sans_casse(const std::string& a, const std::string& b) {
  const auto minuscule = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return minuscule(x) == minuscule(y); });
}

void retire(std::vector<std::string>& noms, const std::string& nom) {
  const auto i = std::find_if(noms.begin(), noms.end(), [&](const std::string& n) { return egaux_sans_casse(n, nom); });
  if (i != noms.end()) noms.erase(i);
}

}  // namespace

void enleve_primes(std::vector<std::string>& noms, std::string& variable) {
  const auto prime = std::find_if(noms.begin(), noms.end(),
                                  [](const std::string& n) { return n.find('\'') != std::string::npos; });
  if (prime != noms.end()) {
    // The name with no, one and two marks: y, y', y''.
    std::string nom = prime->substr(0, prime->find('\''));
    for (int marques = 0; marques <= 2; ++marques, nom += '\'') retire(noms, nom);
  }
  if (noms.empty()) variable = "x";
}
