#include "engine/resoudre.h"

#include <gtest/gtest.h>

#include "engine/appel_fonction.h"
#include "engine/evaluateur.h"
#include "engine/moteur_pret.h"
#include "engine/valeurs_erreur.h"

namespace {

using Resolution = MoteurFrancais;

// "@" in the tables stands for the imaginary unit.
std::string u(std::string t) {
  for (auto& c : t) {
    if (c == '@') c = '\xEE';
  }
  return t;
}

const char* const degre_resoudre =
    "erreur(La fonction resoudre ne s'applique qu'au polynome de degr\xE9 inf\xE9rieur ou \xE9gal \xE0 2.)";
const char* const pas_de_solution = "erreur(pas de solution)";
const char* const tout_reel = "erreur(tout r\xE9" "el est solution)";

struct Cas {
  const char* equation;
  bool complexe;
  const char* attendu;
};

TEST_F(Resolution, RootsInOrder) {
  const Cas cas[] = {
      {"x^2-4=0", false, "[x=-2;x=2]"},
      {"x^2-2*x+1", false, "[x=1]"},
      {"2*x+3", false, "[x=-3/2]"},
      {"x^2=x", false, "[x=0;x=1]"},
      {"x^2+x-1", false, "[x=(-1-sqrt(5))/2;x=(-1+sqrt(5))/2]"},
      {"0.5*x^2-2", false, "[x=-2;x=2]"},
      {"x^2-a", false, "[x=-sqrt(4*a)/2;x=sqrt(4*a)/2]"},  // a symbolic discriminant is not tested by sign
      {"x^2+1", false, pas_de_solution},
      {"x^2+1", true, "[x=-@;x=@]"},
      {"x^2+2*x+5", true, "[x=-1-2*@;x=-1+2*@]"},
      // A negative discriminant that is a fraction is tested by its sign too.
      {"x^2+x/3+1", false, pas_de_solution},
      {"x^2+x/3+1", true, "[x=(-1-@*sqrt(35))/6;x=(-1+@*sqrt(35))/6]"},
      {"5", false, pas_de_solution},
      {"0*x=1", false, pas_de_solution},
      // An identity: every number is a solution.
      {"0=0", false, tout_reel},
      {"x=x", false, tout_reel},
      {"x+1=x+1", true, tout_reel},
      {"x^3-1", false, degre_resoudre},
      {"1/x", false, degre_resoudre},
      // The degree comes first; then a coefficient that is an error is the result.
      {"x^3+1/(1-1)", false, degre_resoudre},
      {"x^2+1/(1-1)", false, "erreur(Division par z\xE9ro)"},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(resoudre(c.equation, "x", c.complexe), u(c.attendu)) << c.equation << " " << c.complexe;
  }
}

TEST_F(Resolution, Coefficients) {
  const auto lu = coefficients_quadratiques("3*x^2-x=2", "x", "trop haut");
  ASSERT_TRUE(std::holds_alternative<Coefficients>(lu));
  const auto& k = std::get<Coefficients>(lu);
  EXPECT_EQ(k.a + " " + k.b + " " + k.c, "3 -1 -2");
  EXPECT_EQ(std::get<std::string>(coefficients_quadratiques("x^3", "x", "trop haut")), "erreur(trop haut)");
}

TEST_F(Resolution, Discriminant) {
  EXPECT_EQ(discriminant("x^2+x+1", "x"), "-3");
  EXPECT_EQ(discriminant("x^2+x/3+1", "x"), "-35/9");
  EXPECT_EQ(discriminant("x^3", "x"),
            "erreur(La fonction discriminant ne s'applique qu'au polynome de degr\xE9 inf\xE9rieur ou \xE9gal \xE0 "
            "2.)");
}

TEST_F(Resolution, ThroughTheCalculator) {
  EXPECT_EQ(calculer("resoudre(x^2-4;x)"), "[x=-2;x=2]");
  EXPECT_EQ(calculer("complexe_resoudre(x^2+1;x)"), u("[x=-@;x=@]"));
  EXPECT_EQ(calculer("discriminant(x^2+x+1;x)"), "-3");
  EXPECT_EQ(calculer("resoudre(erreur(abc);x)"), "erreur(abc)");
}

TEST_F(Resolution, EveryFailureIsAnErrorValueInEnglish) {
  preparer_moteur(1);
  EXPECT_EQ(calculer("solve(x^2+1;x)"), "erreur(no solution)");
  EXPECT_EQ(calculer("solve(x=x;x)"), "erreur(every real number is a solution)");
  EXPECT_EQ(calculer("solve(x^3-1;x)"), "erreur(The function solve is only for quadratic polynom.)");
  EXPECT_EQ(calculer("discriminant(x^3;x)"), "erreur(The function discriminant is only for quadratic polynom.)");
  preparer_moteur(0);
}

TEST(ValeurErreur, WrapsOnlyBareTexts) {
  EXPECT_EQ(en_valeur_erreur("no solution"), "erreur(no solution)");
  EXPECT_EQ(en_valeur_erreur("erreur(no solution)"), "erreur(no solution)");
  EXPECT_TRUE(est_erreur(en_valeur_erreur("erreur(a)+1")));
}

}  // namespace
