#include <gtest/gtest.h>

#include "engine/evaluateur.h"
#include "engine/fonction.h"
#include "engine/moteur_pret.h"
#include "localisation/catalogue.h"
#include "localisation/textes_fixes.h"

namespace {

using Derivation = MoteurFrancais;
using Paire = std::pair<const char*, const char*>;

TEST_F(Derivation, RulesInX) {
  const Paire cas[] = {
      {"x", "1"}, {"y", "0"}, {"pi", "0"}, {"sin(x)", "cos(x)"}, {"x^3", "3*x^2"},
      {"sin(2*x)", "2*cos(2*x)"},     // chain rule
      {"2^x", "ln(2)*exp(x*ln(2))"},  // exp(x*ln(2)) derived
      {"ln(x)", "1/(x)"}, {"abs(x)", "abs(x)/(x)"}, {"tan(x)", "1/cos(x)^2"}, {"th(x)", "1/ch(x)^2"},
      {"x*sin(x)", "sin(x)+x*cos(x)"}, {"-x^2", "-2*x"}, {"exp(x^2)", "2*x*exp(x^2)"},
      {"x^(1/2)", "(x^(-1/2))/2"},  // n-1 exact
      // The quotient's numerator is expanded and reduced.
      {"1/x", "-1/(x^2)"}, {"(x+1)/(x-1)", "-2/((x-1)^2)"}, {"x/x", "0"},
      // A bracketed leaf is no call of an empty name.
      {"(x+1)", "1"}, {"(-x)", "-1"},
      // Without a template there is no rule: 0, whatever the argument; a
      // bare name is no call.
      {"fact(x)", "0"}, {"f(x)", "0"}, {"cos", "0"}, {"x!", "0"}, {"", "0"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(fonction(texte).deriver("x"), attendu) << texte;
}

TEST_F(Derivation, CallsWithSeveralArgumentsUseTheirTemplateOnly) {
  fonctions_usuelles->ajouter(0, "g", "2*%s", "", "", 2, "x", "", "x+y", false);
  EXPECT_EQ(fonction("g(x^2;y)").deriver("x"), "2*x^2;y");
  EXPECT_EQ(fonction("deriver(x^2;x)").deriver("x"), "0");
}

TEST_F(Derivation, RepeatedDerivativesAreReduced) {
  const struct {
    const char* texte;
    int n;
    const char* attendu;
  } cas[] = {
      {"x^3", 2, "6*x"}, {"x^3", 4, "0"}, {"x^3", 0, "x^3"}, {"x^2+y*x", 1000000000, "0"}, {"sin(x)", 2, "-sin(x)"},
  };
  for (const auto& c : cas) EXPECT_EQ(fonction(c.texte).deriver_n("x", c.n), c.attendu) << c.texte << " " << c.n;
}

TEST_F(Derivation, ThroughTheCalculator) {
  const Paire cas[] = {
      {"deriver(x^2;x)", "2*x"},
      {"deriver(x^2;x)*2", "2*x*2"},
      {"deriver(deriver(x^3;x);x)", "3*2*x"},
      {"deriver(1/0;x)", "erreur(Division par z\xE9ro)"},
      {"deriver(sin(t);t)", "cos(t)"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(calculer(texte), attendu) << texte;
  EXPECT_EQ(calculer("deriver(x^2)"), "erreur(" + textes_fixes().erreur_derivation + ")");
}

TEST_F(Derivation, DeepTextGivesTheTooComplexError) {
  std::string t = "x";
  for (int i = 0; i < 3000; ++i) t = "sin(" + t + ")";
  EXPECT_EQ(fonction(t).deriver("x"), "erreur(" + catalogue_textes.txt_expression_trop_complexe + ")");
}

}  // namespace
