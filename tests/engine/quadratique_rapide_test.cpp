#include "engine/quadratique_rapide.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/cas_differentiels.h"
#include "engine/chemins_rapides.h"
#include "engine/resoudre.h"
#include "localisation/nombres.h"
#include "moteur_pret.h"
#include "travail_de.h"

namespace {

using QuadratiqueRapide = MoteurFrancais;

// Random equations of small degree in x, most of them sums of integer
// multiples of 1, x and x^2, some just past the shortcut's class (a cube,
// a quotient, a decimal, a bracket, another name, a large integer).
class Equations {
 public:
  std::string equation() {
    std::string e = cote();
    if (tirage(0, 2) > 0) e += "=" + cote();
    return e;
  }

 private:
  int tirage(int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea_); }

  std::string terme() {
    static const char* const puissances[] = {"x", "x^2", "x^1"};
    static const char* const hors_classe[] = {"x^3", "x/0",     "1/0", "0.5*x", "(x+1)", "y",   "2*y*x",
                                              "x^0", "1234567", "x*x", "007",   "2/3/4", "x/y", "1/x"};
    const int choix = tirage(0, 15);
    if (choix == 0) return hors_classe[tirage(0, std::size(hors_classe) - 1)];
    std::string n = texte_entier(tirage(0, 12));
    if (tirage(0, 2) == 0) n += "/" + texte_entier(tirage(1, 12));
    if (choix < 4) return n;
    std::string p = puissances[tirage(0, std::size(puissances) - 1)];
    if (tirage(0, 3) == 0) p += "/" + texte_entier(tirage(1, 9));
    if (choix == 15) return "(" + (tirage(0, 1) == 0 ? n + "*" + p : p) + ")/" + texte_entier(tirage(0, 9));
    return choix < 10 ? n + "*" + p : p;
  }

  std::string cote() {
    std::string s = tirage(0, 3) == 0 ? "-" : "";
    s += terme();
    for (int k = tirage(0, 3); k > 0; --k) s += (tirage(0, 1) == 0 ? "+" : "-") + terme();
    return s;
  }

  std::mt19937 alea_{20261207};
};

// Solving with the shortcuts gives the texts the written algorithm gives,
// with no more work: real and complex roots and the discriminant.
TEST_F(QuadratiqueRapide, SameTextAsTheWrittenAlgorithm) {
  const int nombre_d_equations = nombre_cas_differentiels(1500);
  Equations equations;
  std::vector<std::string> textes = {
      "x^2-2*x-1=0", "x^2+x+1",         "-x^2",     "0", "5=5", "x=x^2", "2*x-3=x", "-0*x^2+1", "x^2+999999*x-999999",
      "2*x-pi",      "2/3*x^2-x/5+7/4", "x^2+x/3+1"};
  for (int k = 0; k < nombre_d_equations; ++k) textes.push_back(equations.equation());
  const auto calculs = [](const std::string& t) {
    return std::vector<std::string>{resoudre(t, "x", false), resoudre(t, "x", true), discriminant(t, "x")};
  };
  for (const auto& t : textes) {
    std::vector<std::string> rapide;
    std::vector<std::string> ecrit;
    const auto travail_rapide = travail_de([&] { rapide = calculs(t); });
    std::uint64_t travail_ecrit = 0;
    {
      const SansCheminsRapides ecrit_seul;
      travail_ecrit = travail_de([&] { ecrit = calculs(t); });
    }
    EXPECT_EQ(rapide, ecrit) << t;
    EXPECT_LE(travail_rapide, travail_ecrit) << t;
  }
}

TEST_F(QuadratiqueRapide, ClassOfTheShortcut) {
  const auto k = coefficients_exacts("-x^2+3*x-12-x+x^2-2*x^2", "x");
  ASSERT_TRUE(k);
  EXPECT_EQ(k->a, "-2");
  EXPECT_EQ(k->b, "2");
  EXPECT_EQ(k->c, "-12");
  for (const char* hors : {"x^3+1", "x/0", "y*x", "(x+1)", "0.5*x", "1234567*x", "x^-1", "x+", "2*e"}) {
    EXPECT_FALSE(coefficients_exacts(hors, "x")) << hors;
  }
  EXPECT_FALSE(coefficients_exacts("pi^2+1", "pi"));
  EXPECT_EQ(discriminant_exact({"1", "-2", "-1"}), "8");
  EXPECT_EQ(discriminant_exact({"2/3", "-1/5", "7/4"}), "-347/75");
  EXPECT_FALSE(discriminant_exact({"2/4", "1", "1"}));
  const auto r = coefficients_exacts("(2*x^2)/3-(x)/5+(3)/4-(x^2)/6", "x");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->a, "1/2");
  EXPECT_EQ(r->b, "-1/5");
  EXPECT_EQ(r->c, "3/4");
  for (const char* hors : {"(x+1)/2", "(2/3*x)/2", "((x))/2", "(x)/0", "(x)*2", "(x^3)/2"}) {
    EXPECT_FALSE(coefficients_exacts(hors, "x")) << hors;
  }
  const auto q = coefficients_exacts("2/3*x^2-x/5+7/4-x^2/6", "x");
  ASSERT_TRUE(q);
  EXPECT_EQ(q->a, "1/2");
  EXPECT_EQ(q->b, "-1/5");
  EXPECT_EQ(q->c, "7/4");
}

}  // namespace
