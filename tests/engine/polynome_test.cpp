#include "engine/polynome.h"

#include <gtest/gtest.h>

#include "engine/comparaison.h"
#include "engine/moteur_pret.h"
#include "localisation/textes_fixes.h"

namespace {

using Polynomes = MoteurFrancais;

std::string erreur(const std::string& message) { return "erreur(" + message + ")"; }
std::string non_polynome() { return erreur(textes_fixes().non_polynome); }

TEST_F(Polynomes, DegreeAndLeadingCoefficient) {
  struct Cas {
    const char* texte;
    std::string degre;
    const char* coefficient;
    bool est_polynome;
  };
  const Cas cas[] = {
      {"x^3+2*x+1", "3", "1", true},
      {"5", "0", "5", true},
      {"-2*x^2+x", "2", "-2", true},
      {"(x+1)^2", "2", "1", true},
      {"a*x^2+b", "2", "a", true},
      {"t^2+1", "0", "1", true},  // the variable is always x
      {"x^1000", "1000", "1", true},
      {"x^0.5+1", non_polynome(), "", false},
      {"1/x", non_polynome(), "", false},
      {"x+1/x", non_polynome(), "", false},
      {"x^1001", non_polynome(), "1", false},  // beyond the bound of the test
      {"sin(x)", "0", "sin(x)", false},          // a degree read, but no polynomial
      {"x*sqrt(x)", "1", "sqrt(x)", false},
      {"erreur(abc)", "erreur(abc)", "", false},
  };
  for (const auto& c : cas) {
    const polynome p = polynome::Create(c.texte);
    EXPECT_EQ(p.degre, c.degre) << c.texte;
    if (c.est_polynome) {
      EXPECT_EQ(p.coefficient, c.coefficient) << c.texte;
    }
    EXPECT_EQ(p.est_polynome, c.est_polynome) << c.texte;
  }
}

TEST_F(Polynomes, Monomials) {
  const polynome p = polynome::Create("x");
  std::string coefficient;
  std::string exposant;
  p.decomposer_monome("3*a*x^4", coefficient, exposant);
  EXPECT_EQ(exposant, "4");
  EXPECT_EQ(coefficient, "3*a");
  p.decomposer_monome("3*y", coefficient, exposant);
  EXPECT_EQ(exposant, "0");
  EXPECT_EQ(coefficient, "3*y");
}

TEST_F(Polynomes, EuclideanDivision) {
  struct Cas {
    const char* dividende;
    const char* diviseur;
    std::string attendu;
  };
  const std::string impossible = erreur(textes_fixes().division_euclidienne_impossible);
  const Cas cas[] = {
      {"x^2-1", "x-1", "x+1"},
      {"x^2+1", "x-1", "x+1+2/(x-1)"},  // the remainder over the divisor as written
      {"x^3-2*x^2+4", "x^2+x", "x-3+(4+3*x)/(x^2+x)"},
      {"x^10+1", "x^9+1", "x+(1-x)/(x^9+1)"},  // degrees compare as numbers
      {"x^3-1", "x-1", "x^2+x+1"},
      {"x", "x^2", ""},  // a dividend of lower degree
      {"x^2", "0", "erreur(Division par z\xE9ro)"},
      {"x^2", "x-x", "erreur(Division par z\xE9ro)"},
      {"sin(x)", "x", non_polynome()},
      {"x^2", "sqrt(x)", non_polynome()},
      {"x^2", "1/x", non_polynome()},
      {"erreur(abc)", "x", "erreur(abc)"},
      {"x^2", "erreur(abc)", "erreur(abc)"},
      {"x^2", "(a+b)*x", impossible},  // symbolic leading terms that do not cancel
  };
  for (const auto& c : cas) {
    EXPECT_EQ(polynome::Create(c.dividende).division_euclidienne(c.diviseur), c.attendu) << c.dividende;
  }
}

TEST_F(Polynomes, AConstantDivisorDividesTheCoefficients) {
  EXPECT_TRUE(sont_egales(polynome::Create("2*x^2+4").division_euclidienne("2"), "x^2+2"));
  EXPECT_TRUE(sont_egales(polynome::Create("x^2+x").division_euclidienne("a"), "x^2/a+x/a"));
}

}  // namespace
