#include <gtest/gtest.h>

#include "engine/evaluateur.h"
#include "engine/fonction.h"
#include "engine/moteur_pret.h"
#include "engine/primitives.h"
#include "localisation/catalogue.h"

namespace {

using Integration = MoteurFrancais;
using Paire = std::pair<const char*, const char*>;

TEST_F(Integration, RulesInX) {
  const Paire cas[] = {
      {"x", "x^2/2"}, {"x^2", "1/3*x^3"}, {"x^2.5", "1/(2.5+1)*x^(2.5+1)"}, {"x^(1/2)", "1/(1/2+1)*x^(1/2+1)"},
      {"(x+1)^2", "1/3*(x+1)^3"},  // u' = 1: u as written
      {"3*x", "(3*x^2)/2"}, {"2^3*x", "(2^3*x^2)/2"}, {"k", "k*x"}, {"-x", "-x^2/2"}, {"x+1", "x^2/2+x"},
      {"sin(x)", "-cos(x)"}, {"abs(x)", "(x)*abs(x)/2"}, {"tan(x)", "int(tan(x))"},
      {"cos(y)", "cos(y)*x"},  // a call of another variable is a constant
      // The power rule with exponent -1 is the logarithm of the base.
      {"x^-1", "ln(x)"}, {"(x+1)^-1", "ln(x+1)"}, {"x^(-1)", "ln(x)"}, {"x^-2", "1/-1*x^-1"},
      // Quotients: a constant denominator, f a multiple of g', the table.
      {"x/2", "(x^2/2)/2"}, {"1/x", "ln(x)"}, {"(2*x)/(x^2+1)", "ln(1+x^2)"}, {"1/(2*x+1)", "ln((1+2*x)/2)/2"},
      {"1/(x^2)", "-x/(x^2)"}, {"1/cos(x)^2", "tan(x)"}, {"1/(sin(x)^2)", "-cotan(x)"},
      // Products: exp(u)*u' and u^m*u' up to a constant.
      {"exp(x)", "exp(x)"}, {"x*exp(x^2)", "exp(x^2)/2"}, {"cos(x)*sin(x)", "(-cos(x)^2)/2"},
      {"x*(x^2+1)^3", "(((x^2+1)^4)/2)/4"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(fonction(texte).integrer("x"), attendu) << texte;
}

TEST_F(Integration, WithoutRuleTheCallStaysUnevaluated) {
  const Paire cas[] = {
      {"sin(x^2)", "integrer(sin(x^2);x)"},
      {"x^x", "integrer(x^x;x)"},  // a variable exponent has no power rule
      {"2^x", "integrer(2^x;x)"},
      {"x!", "integrer(x!;x)"},
      {"fact(x)", "integrer(fact(x);x)"},
      {"x/(x+1)", "integrer((x+1)^-1*x;x)"},  // rewritten as a product first
      {"x+sin(x^2)", "x^2/2+integrer(sin(x^2);x)"},
      {"2*sin(x^2)", "2*integrer(sin(x^2);x)"},
      // A built-in call that varies with x is no constant, though it has
      // no derivative rule or names x past its first argument.
      {"x*cos(fact(x))", "integrer(x*cos(fact(x));x)"},
      {"cotan(produit_scalaire([x;3;7];[1;6;x]))", "integrer(cotan(produit_scalaire([x;3;7];[1;6;x]));x)"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(fonction(texte).integrer("x"), attendu) << texte;
}

TEST_F(Integration, TheUnevaluatedCallIsInTheCurrentLanguage) {
  preparer_moteur(1);
  EXPECT_EQ(calculer("integrate(cos(x^2);x)"), "integrate(cos(x^2);x)");
  EXPECT_EQ(calculer("integrale(cos(x^2);0;1;x)"), "integrale(cos(x^2);0;1;x)");
  preparer_moteur(0);
  EXPECT_EQ(calculer("integrer(cos(x^2);x)"), "integrer(cos(x^2);x)");
}

TEST_F(Integration, DefiniteIntegrals) {
  const std::string non_continue = "erreur(" + catalogue_textes.txt_fonction_non_continue + ")";
  const struct {
    const char* f;
    const char* a;
    const char* b;
    std::string attendu;
  } cas[] = {
      {"x^2", "0", "3", "9"},
      {"x", "0", "1", "1/2"},
      {"x^-2", "1", "2", "0.5"},
      {"x*y", "0", "1", "y/2"},
      {"x", "0", "a", "(a^2)/2"},
      {"1/x", "1", "2", "0.693147180559945"},
      // Both bounds numbers: one number.
      {"x^2", "2", "3", "19/3"},
      {"x^2+1", "0", "1", "4/3"},
      {"1/x^2", "1", "2", "1/2"},
      {"x", "0", "1/2", "1/8"},
      {"x+exp(x)", "0", "1", "2.21828182845905"},
      // No value where the function is not defined on the whole interval:
      // a pole inside or at an end, a root or a logarithm of negatives.
      {"1/x^2", "-1", "1", non_continue},
      {"1/x^2", "1", "-1", non_continue},
      {"1/x^3", "-1", "2", non_continue},
      {"1/(2*x+5)", "-3", "0", non_continue},
      {"x^(1/3)", "-1", "1", non_continue},  // no power of a negative number either
      {"1/cos(x)^2", "0", "3", non_continue},
      {"1/cos(x)^2", "0", "pi/2", non_continue},
      {"x^(1/2)", "-1", "0", non_continue},
      {"ln(x)", "-1", "1", non_continue},
      {"1/x", "0", "1", non_continue},
      // A condition that names a parameter is left to its value, as with
      // bounds that are no numbers.
      {"1/(x-y)", "0", "1", "ln(1-y)-ln(-y)"},
      {"x^n", "0", "1", "1/(n+1)"},
      // Where it is defined, F(b) - F(a) stands as before.
      {"1/cos(x)^2", "0", "1", "1.5574077246549"},
      {"1/sin(x)^2", "1", "3", "7.65734516736886"},
      {"(2*x-2)/(x^2-2*x+1.000001)", "0", "2", "0"},  // near 0 at 1, never 0
      // Seven such terms take more steps than allowed: no value either.
      {"(2*x-2)/(x^2-2*x+1.000001)+(2*x-4)/(x^2-4*x+4.000001)+(2*x-6)/(x^2-6*x+9.000001)+"
       "(2*x-8)/(x^2-8*x+16.000001)+(2*x-10)/(x^2-10*x+25.000001)+(2*x-12)/(x^2-12*x+36.000001)+"
       "(2*x-14)/(x^2-14*x+49.000001)",
       "0", "10", "erreur(" + catalogue_textes.txt_expression_trop_complexe + ")"},
      {"1/x", "-2", "-1", "erreur(erreur:logarithme d'un nombre negatif)"},
      {"2*x/(x^2+y^2+1)", "0", "1", "ln((2+y^2)/2)-ln((1+y^2)/2)"},
      {"x/y", "0", "2", "2/y"},
      {"sin(x^2)", "0", "1", "integrale(sin(x^2);0;1;x)"},
      {"tan(x)", "0", "1", "integrale(tan(x);0;1;x)"},
      {"x+sin(x^2)", "0", "1", "integrale(x+sin(x^2);0;1;x)"},
      {"cotan(produit_scalaire([x;3;7];[1;6;x]))", "7", "12",
       "integrale(cotan(produit_scalaire([x;3;7];[1;6;x]));7;12;x)"},
      // A call that binds x is a constant whose value the bounds leave alone.
      {"tan(deriver(14.86;x))", "11", "10", "0"},
  };
  for (const auto& c : cas) EXPECT_EQ(fonction(c.f).integrale(c.a, c.b, "x"), c.attendu) << c.f;
  EXPECT_EQ(calculer("integrale(x^2;0;3;x)"), "9");
  EXPECT_EQ(calculer("integrale(1/0;0;3;x)"), "erreur(Division par z\xE9ro)");
}

TEST_F(Integration, SubstitutedValues) {
  EXPECT_EQ(fonction("x*y").substitue_valeur({"x", "y"}, "2", true), "4");
  EXPECT_EQ(fonction("x/y+z").substitue_valeur({"x", "y"}, "3", true), "1+z");
  EXPECT_EQ(fonction("x/3").substitue_valeur({"x"}, "2", false), "0.666666666666667");
}

TEST_F(Integration, BracketedTextsNameTheirVariables) {
  EXPECT_FALSE(independant_de("(x+1)", "x"));
  EXPECT_TRUE(independant_de("(y+1)", "x"));
}

TEST_F(Integration, DeepTextGivesTheTooComplexError) {
  std::string t = "x";
  for (int i = 0; i < 3000; ++i) t = "(" + t + "+1)*x";
  EXPECT_EQ(fonction(t).integrer("x"), "erreur(" + catalogue_textes.txt_expression_trop_complexe + ")");
}

}  // namespace
