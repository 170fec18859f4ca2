#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "engine/evaluateur.h"
#include "engine/fonction.h"
#include "engine/moteur_pret.h"
#include "localisation/catalogue.h"
#include "localisation/messagerie_enregistreuse.h"
#include "localisation/nombres.h"

namespace {

using Numerisation = MoteurFrancais;

const std::string log_negatif = "erreur(erreur:logarithme d'un nombre negatif)";
const std::string racine_negative = "erreur(erreur:racine carr\xE9" "e d'un nombre n\xE9gatif)";
const std::string division_par_zero = "erreur(Division par z\xE9ro)";

struct Cas {
  const char* texte;
  const char* variable;
  double valeur;
  bool exact;
  std::string attendu;
};

TEST_F(Numerisation, ValuesAndWhatCannotBeFolded) {
  const Cas cas[] = {
      {"2*x+1", "x", 3, false, "7"},
      {"x/3", "x", 2, true, "2/3"},
      {"x/3", "x", 2, false, "0.666666666666667"},
      {"4/2", "", 0, true, "2"},
      {"pi", "", 0, false, "3.14159265358979"},
      {"2*pi", "", 0, false, "6.28318530717959"},  // pi is the nearest double
      {"x=1", "x", 2, false, "2=1"},
      {"a*x", "x", 2, false, "a*2"},
      {"(x+1)", "x", 1, false, "2"},
      {"-x^2", "x", 3, false, "-9"},
      {"cos(2*x)", "x", 0, false, "1"},
      {"cos(y)", "x", 0, false, "cos(y)"},
      {"abs(x-5)", "x", 1, false, "4"},
      {"cotan(x)", "x", 1, false, "0.642092615934331"},
      {"sqrt(0)", "", 0, false, "0"},
      {"5!", "", 0, false, "120"},
      {"(x+2)!", "x", 1, false, "6"},
      {"171!", "", 0, false, "171!"},
      {"2.5!", "", 0, false, "2.5!"},
      {"n!", "", 0, false, "n!"},
      {"exp(1000)", "", 0, false, "erreur(Le r\xE9sultat n'est pas un nombre fini.)"},
      {"2^-1", "", 0, true, "0.5"},  // only quotients stay exact
      {"0.5/3", "", 0, true, "1/6"},
      {"007", "", 0, false, "7"},
      {"123456789012345678901", "", 0, false, "123456789012345678901"},
      {"x", "", 5, false, "x"},  // an empty variable stands for nothing
  };
  for (const auto& c : cas) EXPECT_EQ(fonction(c.texte).numeriser(c.variable, c.exact, c.valeur), c.attendu) << c.texte;
}

// Exact values of integers beyond the 53 bits of a double: checked 64-bit
// arithmetic, and the floating text past 64 bits.
TEST_F(Numerisation, LargeIntegersStayExact) {
  const Cas cas[] = {
      {"118264581564861424-118264581564861423", "", 0, true, "1"},
      {"1152921721502705625+1024", "", 0, true, "1152921721502706649"},
      {"3037000499*3037000499", "", 0, true, "9223372030926249001"},
      {"9223372036854775807+1", "", 0, true, "9.22337203685478E18"},
      {"118264581564861424-118264581564861423", "", 0, false, "0"},  // approximate values: a double
  };
  for (const auto& c : cas) EXPECT_EQ(fonction(c.texte).numeriser(c.variable, c.exact, c.valeur), c.attendu) << c.texte;
  EXPECT_EQ(calculer("reduire(118264581564861424-118264581564861423)"), "1");
}

// Integer texts of up to 15 digits, written plainly, come back from the
// evaluation as they stand, which is how the fixed form writes their value;
// leading zeros and "-0" are rewritten.
TEST_F(Numerisation, PlainIntegersAreTheirOwnValue) {
  constexpr int tirages = 3000;
  constexpr int chiffres_maximaux = 15;
  std::mt19937 alea(5);
  for (int k = 0; k < tirages; ++k) {
    std::string t = (alea() % 2 ? "-" : "") + std::string(1, static_cast<char>('1' + alea() % 9));
    const int chiffres = static_cast<int>(alea() % chiffres_maximaux);
    for (int i = 0; i < chiffres; ++i) t += static_cast<char>('0' + alea() % 10);
    EXPECT_EQ(texte_nombre_fixe(*lire_nombre(t), 0), t);
    EXPECT_EQ(numeriser_texte(t, true), t);
  }
  const char* reecrits[][2] = {{"007", "7"}, {"-0", "0"}, {"-007", "-7"}, {"0", "0"}};
  for (const auto& r : reecrits) EXPECT_EQ(numeriser_texte(r[0], true), r[1]) << r[0];
}

TEST_F(Numerisation, DomainErrorsAreErrorValuesThatWin) {
  const std::pair<const char*, std::string> cas[] = {
      {"ln(0)", log_negatif},   {"ln(-1)", log_negatif},       {"sqrt(-4)", racine_negative},
      {"1/0", division_par_zero}, {"1/0+1", division_par_zero}, {"cos(ln(0))", log_negatif},
      {"2*sqrt(-1)+ln(0)", racine_negative}, {"0^-1", division_par_zero}, {"x/(x-1)", division_par_zero},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(fonction(texte).numeriser("x", true, 1), attendu) << texte;
}

// Overflow and invalid operations on every path of the evaluation: an error
// value of its own, never "INF" or "NAN".
TEST_F(Numerisation, ValuesThatAreNotFiniteAreErrorValues) {
  const std::string non_fini = "erreur(" + catalogue_textes.txt_nombre_non_fini + ")";
  const Cas cas[] = {
      {"10^400", "", 0, true, non_fini},        {"(-8)^(1/3)", "", 0, false, non_fini},
      {"1e308*10", "", 0, false, non_fini},     {"1e308+1e308", "", 0, false, non_fini},
      {"-1e308-1e308", "", 0, false, non_fini}, {"1e300/1e-300", "", 0, true, non_fini},
      {"exp(x)", "x", 1000, false, non_fini},   {"1+x^2", "x", 1e200, false, non_fini},
      {"0*10^400", "", 0, false, non_fini},    {"1e400+1", "", 0, true, non_fini},
      // 0^0 is 1 exactly and in floating point alike.
      {"0^0", "", 0, true, "1"},                {"x^0", "x", 0, false, "1"},
  };
  for (const auto& c : cas) EXPECT_EQ(fonction(c.texte).numeriser(c.variable, c.exact, c.valeur), c.attendu) << c.texte;
  EXPECT_EQ(fonction("x^2/2").numeriser_substitution("x", "1e300", true), non_fini);
  EXPECT_EQ(fonction("x+1e400").numeriser_substitution("x", "1", true), non_fini);
  EXPECT_EQ(calculer("integrale(x;0;1e300;x)"), non_fini);
}

TEST_F(Numerisation, TheCalculatorCommand) {
  EXPECT_EQ(calculer("numeriser(1/0+1)"), division_par_zero);
  EXPECT_EQ(calculer("numeriser(ln(0))"), log_negatif);
  EXPECT_EQ(calculer("numeriser(1/3)"), "0.333333333333333");
  EXPECT_EQ(calculer("numeriser(erreur(x))"), "erreur(x)");
}

// sin, cos, tan and cotan are exact at whole multiples of pi/6 and pi/4,
// with a division by zero at a pole; an angle near one keeps its value.
TEST_F(Numerisation, ExactAngles) {
  const std::pair<const char*, std::string> cas[] = {
      {"cos(pi/3)", "0.5"},        {"sin(pi)", "0"},          {"sqrt(sin(pi))", "0"},
      {"tan(pi/2)", division_par_zero}, {"1/sin(pi)", division_par_zero}, {"cotan(pi)", division_par_zero},
      {"sin(pi/4)", "0.707106781186548"}, {"cos(5*pi/6)", "-0.866025403784439"}, {"tan(-3*pi/4)", "1"},
      {"cotan(pi/6)", "1.73205080756888"}, {"sin(3.14159)", "2.65358979335273E-6"}, {"pi", "3.14159265358979"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(calculer(std::string("numeriser(") + texte + ")"), attendu) << texte;
  fonctions_usuelles->ajouter(0, "f", "", "", "", 1, "x", "", "sin(x)", false);
  EXPECT_EQ(calculer("numeriser(f(2*pi))"), "0");
}

TEST_F(Numerisation, UserFunctionsAndConstants) {
  fonctions_usuelles->ajouter(0, "f", "", "", "", 1, "x", "", "x^2", false);
  constantes->ajouter("k", "2*pi");
  const Cas cas[] = {
      {"f(3)", "", 0, false, "9"},
      {"f(x+1)", "x", 2, false, "9"},
      {"f(t)", "x", 2, false, "t^2"},
      {"k", "", 0, false, "6.28318530717959"},
  };
  for (const auto& c : cas) EXPECT_EQ(fonction(c.texte).numeriser(c.variable, c.exact, c.valeur), c.attendu) << c.texte;
  EXPECT_EQ(fonction("f(x)+k").numeriser_substitution("x", "3", false), "15.2831853071796");
  EXPECT_EQ(fonction("f(x)").numeriser_substitution("x", "2.5", true), "6.25");
}

// A user function's body that calls built-ins gets the argument in them, as
// if they were typed with it; where the call refuses it, a plotted value
// has none (no message), a calculation fails with one message.
TEST_F(Numerisation, UserBodiesCallingBuiltIns) {
  fonctions_usuelles->ajouter(0, "b", "", "", "", 1, "x", "", "fact(x)", false);
  fonctions_usuelles->ajouter(0, "m", "", "", "", 1, "x", "", "sin(x)+fact(x)", false);
  EXPECT_EQ(calculer("numeriser(b(3))"), "6");
  EXPECT_EQ(calculer("numeriser(m(3))"), "6.14112000805987");
  EXPECT_EQ(calculer("reduire(b(3)+1)"), "7");
  MessagerieDeTest boites;
  EXPECT_EQ(fonction("b(x)").numeriser("x", false, 4), "24");
  EXPECT_EQ(fonction("b(x)").numeriser("x", false, 2.5), "fact(2.5)");
  EXPECT_TRUE(boites->journal.empty());
  EXPECT_EQ(calculer("reduire(b(2.5)+1)"), "");
  EXPECT_EQ(boites->journal.size(), 1u);
}

TEST_F(Numerisation, SubstitutionReachesInsideCalls) {
  fonctions_usuelles->ajouter(0, "f", "", "", "", 1, "x", "", "x^2", false);
  const std::tuple<const char*, const char*, const char*, std::string> cas[] = {
      {"cos(2*x)", "x", "0", "1"},
      {"x/3", "x", "2", "2/3"},
      {"x/0", "x", "1", division_par_zero},
      {"ln(x)", "x", "0", log_negatif},
      {"x+1", "x", "y", "y+1"},
      {"sin(x)", "x", "t", "sin(t)"},
      {"f(x)", "x", "y+1", "(y+1)^2"},
      {"x=1", "x", "2", "2=1"},
      {"x!", "x", "4", "24"},
      {"x", "", "2", "x"},
      // Built-in calls too: worked out once their arguments are numbers; the
      // index of a sum is its own, not the variable.
      {"fact(x)", "x", "3", "6"},
      {"comb(x;2)", "x", "5", "10"},
      {"pgcd(x;6)", "x", "4", "2"},
      {"comb(x;2)", "x", "y", "comb(y;2)"},
      {"somme(j;1;x;j)", "x", "4", "10"},
      {"somme(x;1;3;x)", "x", "7", "6"},
      {"x^2/fact(x)", "x", "3", "3/2"},
      {"integrer(1/(x^2+2);x)", "x", "t", "integrer(1/(t^2+2);t)"},
      {"resoudre(x^2=a;x)", "a", "4", "[x=-2;x=2]"},  // the call's "=" is no relation
  };
  for (const auto& [texte, variable, remplacement, attendu] : cas) {
    EXPECT_EQ(fonction(texte).numeriser_substitution(variable, remplacement, true), attendu) << texte;
  }
}

TEST_F(Numerisation, ConstantTermOfALinearExpression) {
  EXPECT_EQ(fonction("2*x+3*y-5").numeriser_liste("[x;y]"), "-5");
  EXPECT_EQ(fonction("2*x+3*y-5").numeriser_liste("x"), "3*y-5");
}

TEST_F(Numerisation, RootByHalving) {
  EXPECT_NEAR(fonction("x^2-2").dichotomie("x", 0, 2, 1e-12), std::sqrt(2.0), 1e-9);
  EXPECT_TRUE(std::isnan(fonction("tan(x)").dichotomie("x", 1.4, 1.7, 1e-9)));  // a pole, not a root
  EXPECT_TRUE(std::isnan(fonction("ln(x)").dichotomie("x", -2, -1, 1e-9)));
  EXPECT_TRUE(std::isnan(fonction("a*x").dichotomie("x", -1, 2, 1e-9)));
}

TEST_F(Numerisation, DeepTextGivesTheTooComplexError) {
  std::string profond;
  for (int i = 0; i < 5000; ++i) profond += "(1+";
  profond += "x" + std::string(5000, ')');
  const std::string erreur = "erreur(" + catalogue_textes.txt_expression_trop_complexe + ")";
  EXPECT_EQ(fonction(profond).numeriser("x", false, 1), erreur);
  EXPECT_EQ(fonction("x+1").numeriser("x", false, 1), "2");
}

}  // namespace
