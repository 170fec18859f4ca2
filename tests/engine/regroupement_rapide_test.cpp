#include "engine/regroupement_rapide.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/cas_differentiels.h"
#include "engine/chemins_rapides.h"
#include "engine/reduction.h"
#include "engine/regroupement.h"
#include "localisation/nombres.h"
#include "moteur_pret.h"
#include "travail_de.h"

namespace {

using RegroupementRapide = MoteurFrancais;

// Random sums of powers of x with small integer coefficients, repeated
// powers and cancellations frequent, some terms just past the shortcut's
// class (another name, x^1, 1*x, a quotient, a decimal, a bracket).
class Polynomes {
 public:
  std::string somme() {
    std::string s = tirage(0, 2) == 0 ? "-" : "";
    for (int k = tirage(1, 7); k > 0; --k) {
      s += terme();
      if (k > 1) s += tirage(0, 1) == 0 ? "+" : "-";
    }
    return s;
  }

 private:
  int tirage(int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea_); }

  std::string terme() {
    static const char* const hors_classe[] = {"y",   "x^1", "1*x", "x/2", "0.5",   "(x+1)",
                                              "x*x", "0",   "x^0", "pi",  "2*y*x", "1234567"};
    const int choix = tirage(0, 24);
    if (choix == 0) return hors_classe[tirage(0, std::size(hors_classe) - 1)];
    const int n = tirage(1, tirage(0, 1) == 0 ? 4 : 12);
    if (choix < 7) return texte_entier(n);
    const int degre = tirage(1, tirage(0, 3) == 0 ? 11 : 3);
    std::string p = "x";
    if (degre > 1) p += "^" + texte_entier(degre);
    return n == 1 ? p : texte_entier(n) + "*" + p;
  }

  std::mt19937 alea_{20261207};
};

// Collecting with the shortcut gives the text the written algorithm gives,
// with no more work, alone and inside reduire.
TEST_F(RegroupementRapide, SameTextAsTheWrittenAlgorithm) {
  const int nombre_de_sommes = nombre_cas_differentiels(4000);
  Polynomes polynomes;
  std::vector<std::string> textes = {"2*x-3-x-4",  "x-x",       "x-x+x",       "x+3-3",      "x-2*x+3",
                                     "2*x-4*x",    "6*x+3-6*x", "x^3+x+x^2+1", "x^10+x^2+x", "-x-x",
                                     "-x^2+x^3-2", "2*x+4-x",   "t^2-t"};
  for (int k = 0; k < nombre_de_sommes; ++k) textes.push_back(polynomes.somme());
  for (const auto& t : textes) {
    std::vector<std::string> rapide;
    std::vector<std::string> ecrit;
    const auto travail_rapide = travail_de([&] { rapide = {regroupe_somme(t), reduire(t)}; });
    std::uint64_t travail_ecrit = 0;
    {
      const SansCheminsRapides ecrit_seul;
      travail_ecrit = travail_de([&] { ecrit = {regroupe_somme(t), reduire(t)}; });
    }
    EXPECT_EQ(rapide, ecrit) << t;
    EXPECT_LE(travail_rapide, travail_ecrit) << t;
  }
}

TEST_F(RegroupementRapide, ClassOfTheShortcut) {
  EXPECT_EQ(somme_polynomiale_regroupee("2*x-3-x-4"), "-7+x");
  EXPECT_EQ(somme_polynomiale_regroupee("x^3+x+x^2+1"), "1+x^2+x+x^3");
  for (const char* hors : {"x-x", "x+x+x", "2+3", "x+y", "x^1+1", "1*x+2", "x/2", "2*x+4-2*x", "x+3-3"}) {
    EXPECT_FALSE(somme_polynomiale_regroupee(hors)) << hors;
  }
}

}  // namespace
