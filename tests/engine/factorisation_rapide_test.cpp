#include "engine/factorisation_rapide.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/cas_differentiels.h"
#include "engine/chemins_rapides.h"
#include "engine/factorisation.h"
#include "localisation/nombres.h"
#include "moteur_pret.h"
#include "travail_de.h"

namespace {

using FactorisationRapide = MoteurFrancais;

// Random sums of a few terms, most of them monomials in a handful of names,
// some just past the shortcut's class (a constant, the letter i, a zero or
// non-integer exponent, a decimal, a quotient, a bracket, two integers).
class Sommes {
 public:
  std::string somme() {
    const int termes = tirage(0, 9) < 5 ? 2 : tirage(3, 5);
    std::string s = tirage(0, 3) == 0 ? "-" : "";
    for (int k = 0; k < termes; ++k) {
      if (k > 0) s += tirage(0, 1) == 0 ? "+" : "-";
      s += terme();
    }
    return s;
  }

  // A sum of 2 to 5 monomials in x and y with small coefficients: often in
  // the shortcut's class, often just outside (like terms, a shared name).
  std::string polynome() {
    std::string s = tirage(0, 1) == 0 ? "-" : "";
    for (int k = tirage(2, 5); k > 0; --k) {
      std::string m;
      if (tirage(0, 1) == 0) m = texte_entier(tirage(1, 12));
      for (const char* nom : {"x", "y"}) {
        const int e = tirage(0, 3) - 1;
        if (e <= 0) continue;
        if (!m.empty()) m += "*";
        m += nom;
        if (e > 1) m += "^" + texte_entier(e);
      }
      if (m.empty()) m = "1";
      s += m;
      if (k > 1) s += tirage(0, 1) == 0 ? "+" : "-";
    }
    return s;
  }

 private:
  int tirage(int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea_); }

  std::string facteur() {
    static const char* const noms[] = {"x", "y", "z", "a", "ab", "x2", "pi", "e", "i", "t"};
    static const char* const hors_classe[] = {"0.5",  "(x+1)", "(1-y)", "sqrt(2)", "1/x",   "x^0",  "x^(1/2)",
                                              "y^-1", "0",     "007",   "2^2",     "ln(x)", "\xEE", "1234567890"};
    const int choix = tirage(0, 19);
    if (choix < 6) return texte_entier(tirage(1, 30));
    if (choix == 6) return hors_classe[tirage(0, std::size(hors_classe) - 1)];
    std::string f = noms[tirage(0, std::size(noms) - 1)];
    if (tirage(0, 3) == 0) f += "^" + texte_entier(tirage(1, 4));
    return f;
  }

  std::string terme() {
    std::string t = facteur();
    for (int k = tirage(0, 2); k > 0; --k) t += "*" + facteur();
    return t;
  }

  std::mt19937 alea_{20261207};
};

// The factorisation with the shortcut gives the text the written algorithm
// gives, with no more work.
TEST_F(FactorisationRapide, SameTextAsTheWrittenAlgorithm) {
  const int nombre_de_sommes = nombre_cas_differentiels(3000);
  Sommes sommes;
  std::vector<std::string> textes = {"x+1",     "2*x-3",  "-7+x",     "4*x^2-25",    "x^2+1",
                                     "6*x+4",   "x+x^2",  "x*y+y",    "pi+x",        "e-x",
                                     "i+x",     "\xEE+x", "2+3",      "2+4",         "(x+1)*(2*x-3)-(x+1)*(x+4)",
                                     "6+x-x",   "1+x-x",  "-3+x+2*y", "7*x+14*y-21", "-x-1",
                                     "-1+x+x^2"};
  for (int k = 0; k < nombre_de_sommes; ++k) textes.push_back(k % 2 == 0 ? sommes.somme() : sommes.polynome());
  for (const auto& t : textes) {
    std::string rapide;
    std::string ecrit;
    const auto travail_rapide = travail_de([&] { rapide = regroupe_factorise(t); });
    std::uint64_t travail_ecrit = 0;
    {
      const SansCheminsRapides ecrit_seul;
      travail_ecrit = travail_de([&] { ecrit = regroupe_factorise(t); });
    }
    EXPECT_EQ(rapide, ecrit) << t;
    EXPECT_LE(travail_rapide, travail_ecrit) << t;
  }
}

TEST_F(FactorisationRapide, ClassOfTheShortcut) {
  struct Cas {
    std::vector<std::string> termes;
    std::vector<std::string> signes;
    bool attendu;
  };
  const Cas cas[] = {
      {{"x", "1"}, {"1", "1"}, true},
      {{"2*x", "3"}, {"-1", "1"}, true},
      {{"x^2", "y*z"}, {"1", "-1"}, true},
      {{"3", "x", "2*y"}, {"-1", "1", "1"}, true},
      {{"3", "x", "2*y^2", "x*y"}, {"1", "1", "-1", "1"}, true},
      {{"x", "1"}, {"-1", "-1"}, false},
      {{"2*x", "4"}, {"1", "1"}, false},
      {{"x", "x*y"}, {"1", "1"}, false},
      {{"6", "x", "x"}, {"1", "1", "-1"}, false},
      {{"6", "x*y", "y*x"}, {"1", "1", "-1"}, false},
      {{"3", "x", "6*y"}, {"1", "1", "1"}, false},
      {{"x*x", "1"}, {"1", "1"}, false},
      {{"pi", "x"}, {"1", "1"}, false},
      {{"x", "i"}, {"1", "1"}, false},
      {{"x", "0"}, {"1", "1"}, false},
      {{"x^0", "y"}, {"1", "1"}, false},
      {{"x+1", "y"}, {"1", "1"}, false},
      {{"2*3*x", "5"}, {"1", "1"}, false},
      {{"2^2*x", "3"}, {"1", "1"}, false},
      {{"x", "1234567890"}, {"1", "1"}, false},
  };
  for (const auto& [termes, signes, attendu] : cas) {
    EXPECT_EQ(somme_sans_facteur_commun(termes, signes), attendu) << termes[0] << " " << termes[1];
  }
}

}  // namespace
