#include "engine/equation_differentielle.h"

#include <gtest/gtest.h>

#include "engine/comparaison.h"
#include "engine/evaluateur.h"
#include "engine/moteur_pret.h"
#include "engine/resoudre.h"
#include "engine/syntaxe.h"
#include "engine/variables_equation.h"
#include "localisation/textes_fixes.h"

namespace {

using EquationsDifferentielles = MoteurFrancais;

std::string erreur(const std::string& texte) { return "erreur(" + texte + ")"; }

TEST_F(EquationsDifferentielles, Forms) {
  const std::string impossible = erreur(textes_fixes().equation_impossible);
  const std::string second_ordre = erreur(textes_fixes().equation_second_ordre);
  struct Cas {
    const char* equation;
    const char* argument;
    std::string attendu;
  };
  const Cas cas[] = {
      {"y'=2*y", "x", "[y=k*exp(2*x)]"},
      {"y'=2*y", "[x;y(0)=3]", "[y=3*exp(2*x)]"},
      {"y'=2*y", "[x;y(0)=a+1]", "[y=(1+a)*exp(2*x)]"},  // a sum keeps its brackets
      {"y'=-y", "[x;y(0)=1]", "[y=exp(-x)]"},
      {"y'=2*y", "[x;y(1)=3]", "[y=(3*exp(2*x))/exp(2)]"},  // exp(2) stays exact
      // A condition fixes the one constant k, or nothing is given.
      {"y'=2*y", "[x;y(0)=3;y(1)=4]", impossible},
      {"y'=2*y", "[x;y(x)=3]", impossible},
      {"y'=2*y", "[x;y(0)=x]", impossible},
      {"y'=x", "[x;y(0)=1]", impossible},
      {"y''+y=0", "[x;y(0)=1]", impossible},
      {"y'=x*y", "x", "[y=k*exp(x^2/2)]"},                // coefficients in x: first order only
      {"y'=x", "x", "[y=x^2/2+k]"},
      {"y''+y=0", "x", "[y=a*cos(-x)+b*sin(-x)]"},  // from the first root -i
      {"y''-3*y'+2*y=0", "x", "[y=a*exp(x)+b*exp(2*x)]"},
      {"y''-2*y'+y=0", "x", "[y=exp(x)*(a*x+b)]"},
      {"y''-y'=0", "x", "[y=a+b*exp(x)]"},
      // Irrational roots stay exact.
      {"y''-2*y=0", "x", "[y=a*exp(-sqrt(2)*x)+b*exp(sqrt(2)*x)]"},
      // The characteristic polynomial is written in the independent variable.
      {"y''+2*y'+5*y=0", "t", "[y=exp(-t)*(a*cos(-2*t)+b*sin(-2*t))]"},
      {"y'''=y", "x", second_ordre},
      {"y'=a*y", "x", second_ordre},
      {"y''+x*y=0", "x", impossible},
      {"y'^2=y", "x", impossible},
      {"y'=sin(x^2)*y", "x", impossible},  // no antiderivative for p
      {"y'=y+1", "x", impossible},
      {"y'=2*y", "[x;z(0)=3]", impossible},
      {"y'=2*y", "[x;y(0)]", impossible},
      {"y'=2*y", "y", impossible},
      {"y'=2*y", "[]", impossible},
      {"y'=2*y", "2*x", impossible},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(resoudre_equation_differentielle(c.equation, c.argument), c.attendu) << c.equation << " " << c.argument;
  }
}

TEST_F(EquationsDifferentielles, SecondDerivativeOfXIsADoubleAntiderivative) {
  const std::string y = resoudre_equation_differentielle("y''=x", "x");
  ASSERT_EQ(y.substr(0, 3), "[y=");
  EXPECT_TRUE(sont_egales(y.substr(3, y.size() - 4), "x^3/6+k*x+l")) << y;
}

TEST_F(EquationsDifferentielles, ThroughResoudreAndTheCalculator) {
  EXPECT_EQ(resoudre("y'=2*y", "x", false), "[y=k*exp(2*x)]");
  EXPECT_EQ(calculer("resoudre(y'=2*y;[x;y(0)=3])"), "[y=3*exp(2*x)]");
  // The implicit products write the condition y*(0)=3.
  EXPECT_EQ(calculer(normalise_saisie("resoudre(y'=-y;[x;y(0)=1])")), "[y=exp(-x)]");
  EXPECT_EQ(calculer("resoudre(y''+x*y=0;x)"), erreur(textes_fixes().equation_impossible));
}

TEST(FonctionCherchee, EveryOccurrenceRemoved) {
  std::vector<std::string> noms = {"y", "Y'", "x", "y", "y''"};
  const FonctionCherchee f = retire_fonction_cherchee(noms);
  EXPECT_EQ(f.nom, "Y");
  EXPECT_EQ(f.derivees, (std::array<std::string, 3>{"y", "Y'", "y''"}));
  EXPECT_EQ(noms, std::vector<std::string>{"x"});
}

}  // namespace
