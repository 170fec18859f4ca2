#include "engine/regroupement.h"

#include <gtest/gtest.h>

#include "engine/decomposition.h"
#include "engine/evaluateur.h"
#include "engine/fractions.h"
#include "engine/memoire_appel.h"
#include "engine/moteur_pret.h"
#include "engine/reduction.h"
#include "engine/valeurs_erreur.h"
#include "localisation/catalogue.h"
#include "localisation/nombres.h"

namespace {

using Regroupement = MoteurFrancais;
using Paire = std::pair<const char*, const char*>;
using Textes = std::vector<std::string>;

TEST_F(Regroupement, LikeTermsCollectedAndOrdered) {
  const Paire cas[] = {
      {"2*x+3*x", "5*x"},   {"x-x", "0"},         {"1/2+1/3", "5/6"},          {"0.5+0.25", "0.75"},
      {"y+x+1", "1+x+y"},   {"z+x+y", "y+x+z"},   {"2*x-2", "-2+2*x"},         {"[1;2]+[3;4]", "[1;2]+[3;4]"},
      {"x*y+y*x", "2*x*y"}, {"x^2+x", "x+x^2"},   {"2*x+3*x*y", "2*x+3*x*y"}, {"0.5*x+x", "0.5*x+x"},
      {"1.5*x+2.5*x", "4*x"}, {"2*a+3*b-a+b", "a+4*b"}, {"x+x+x-3*x", "0"},   {"3*x^2-x^2+2*x-5+x", "-5+3*x+2*x^2"},
      {"a-(b+c)", "a-b-c"}, {"x^2*x^3", "x^5"},   {"x^2/x", "x"},              {"sqrt(2)*sqrt(2)", "2"},
      // A bracketed negated base keeps its sign inside; -x^2 is -(x^2).
      {"(-x)^2", "x^2"},    {"(-x)^3", "-x^3"},   {"-x^2", "-x^2"},            {"(-x)^2-x^2", "0"},
      {"(-2*y)^2", "4*y^2"},
      // Beyond 64 bits nothing is folded exactly.
      {"9223372036854775807+1", "9223372036854775807+1"}, {"4611686018427387904*4", "1.84467440737096E19"},
      {"3037000499*3037000499", "9223372030926249001"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(regroupe_somme(texte), attendu) << texte;
}

// A sum or a quotient of numbers is one number whatever their texts: a
// whole number written with a point or an exponent (as the general format
// writes a large one) is an integer of the sum, in floating point past 64
// bits, where a double that overflows is an error value.
TEST_F(Regroupement, WholeNumbersInAnyFormAreAddedAndDivided) {
  const Paire cas[] = {
      {"1.60693804425899E60+1", "1.60693804425899E60"}, {"1.5e3+1", "1501"},  {"1-1.5e3", "-1499"},
      {"1.5511210043331E25/6.20448401733239E23", "25"},  {"1.5e3/7", "1500/7"}, {"1.5e3*x+x", "1501*x"},
      {"1E20/1000000000000000000", "100"},               {"0.5+0.5+1", "2"},     {"3.0+1/2", "7/2"},
      {"0.5+1", "0.5+1"},                                {"1E20+1/3", "1E20"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(regroupe_somme(texte), attendu) << texte;
  EXPECT_EQ(regroupe_somme("1E300^2+1"), erreur_nombre_non_fini());
}

TEST_F(Regroupement, UserFunctionsAreExpandedFirst) {
  fonctions_usuelles->ajouter(0, "f", "", "", "", 1, "x", "", "x^2", false);
  EXPECT_EQ(regroupe_somme("f(3)+1"), "10");
  EXPECT_EQ(regroupe_somme("f(y)-y^2"), "0");
  // What one call remembers is not used by the next: the table may change
  // in between.
  fonctions_usuelles->corps.back() = "x^3";
  EXPECT_EQ(regroupe_somme("f(3)+1"), "28");
  EXPECT_EQ(fraction("f(3)/2"), "27/2");
}

// A memory first used inside a call set aside is forgotten with it: the
// next outermost call takes the number the set-aside one had, and must not
// find its results.
TEST_F(Regroupement, AMemoryFirstUsedAsideServesNoLaterCall) {
  struct Marque {
    int valeur;
  };
  const auto retenue = [](int valeur) {
    return memorise(Routine::fraction, "f(3)", [&] { return Marque{valeur}; }).valeur;
  };
  {
    const GardeProfondeur appel;
    const AppelAPart a_part;
    EXPECT_EQ(retenue(1), 1);
  }
  EXPECT_EQ(retenue(2), 2);
}

// A user constant with an exact value (an integer, a fraction, a decimal)
// is that number in sums and products; pi and a constant without an exact
// value stay names.
TEST_F(Regroupement, UserConstantsWithExactValuesAreNumbers) {
  fonctions_usuelles->ajouter(0, "f", "", "", "", 1, "x", "", "x^2+1", false);
  constantes->ajouter("k", "3");
  constantes->ajouter("m", "-2");
  constantes->ajouter("h", "1/2");
  constantes->ajouter("d", "0.5");
  constantes->ajouter("r", "sqrt(2)");
  const Paire cas[] = {
      {"k+1", "4"},     {"2+k", "5"},     {"f(2)+k", "8"},  {"2*k", "6"},      {"1-k", "-2"},  {"k^2+2*k+1", "16"},
      {"m+k", "1"},     {"x+k", "3+x"},   {"k/2+1", "5/2"}, {"k*x+k", "3+k*x"}, {"pi+1", "1+pi"}, {"h+1", "3/2"},
      {"3*h", "3/2"},   {"h*h", "1/4"},   {"h-1", "-1/2"},  {"2/h+k", "7"},    {"h*x+x", "(x*3)/2"},
      {"d+1", "3/2"},   {"3*d", "3/2"},   {"d*d", "1/4"},   {"h+d", "1"},      {"r+1", "1+r"},  {"3*r", "3*r"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(regroupe_somme(texte), attendu) << texte;
}

TEST_F(Regroupement, LikeFactors) {
  const Paire cas[] = {{"x*x", "x^2"}, {"2*3*x", "6*x"}, {"x*y*x", "x^2*y"}, {"2*x*3*y/4", "(3*x*y)/2"},
                       {"(x+1)*(1+x)", "(x+1)^2"}};
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(regroupe_produit(texte), attendu) << texte;
  EXPECT_EQ(regroupe_somme_numerique("1.5+x+2.5"), "4+x");
}

// Numbers folded past the largest double: the error value, which the
// later numbers of the sum leave as it is.
TEST_F(Regroupement, FoldsPastTheLargestDoubleAreErrorValues) {
  const std::string non_fini = "erreur(" + catalogue_textes.txt_nombre_non_fini + ")";
  for (const char* texte : {"1e308+1e308", "1e308+1e308-1e308", "x+1e308+1e308-1e308+1", "1e200*1e200*x",
                            "2^2000*x"}) {
    EXPECT_EQ(reduire(texte), non_fini) << texte;
  }
  EXPECT_EQ(regroupe_somme_numerique("1e308+x+1e308"), non_fini);
  EXPECT_EQ(reduire("1e308-1e308+1e308"), "1E308");
}

TEST_F(Regroupement, CollectingModeMergesOnlyLikeTerms) {
  struct Cas {
    const char* a;
    const char* b;
    const char* sb;
    const char* fusion;  // nullptr: kept apart
  };
  const Cas cas[] = {
      {"2*x", "3*x", "1", "5*x"}, {"x*y", "y*x", "1", "2*x*y"}, {"x", "x", "-1", "0"},
      {"x^2", "x", "1", nullptr}, {"2*x", "3*x*y", "1", nullptr}, {"0.5*x", "x", "1", nullptr},
  };
  for (const auto& c : cas) {
    std::string a = c.a, b = c.b, sa = "1", sb = c.sb, f;
    regroupe_factorise_lettre(a, b, sa, sb, true, f);
    if (c.fusion) {
      EXPECT_EQ(a, c.fusion) << c.a << " " << c.b;
      EXPECT_EQ(f, c.fusion);
      EXPECT_EQ(sb, "0");
    } else {
      EXPECT_EQ(a, c.a);
      EXPECT_EQ(b, c.b);
      EXPECT_EQ(sb, c.sb);
      EXPECT_EQ(f, "");
    }
  }
}

// Different monomials are never paired; sums where some are like terms
// still merge those, also into a term already merged away.
TEST_F(Regroupement, SumsOfDifferentMonomials) {
  const Paire cas[] = {
      {"a*d-b*c", "a*d-b*c"},
      {"x^3+2*x^2-x^2+x", "x+x^2+x^3"},
      {"x*y-2*x*y-x-y", "-x-x*y-y"},
      {"y*x+x*y-x-y+x*y", "-y-x+3*y*x"},
      {"x*y^2+y^2*x-2*x", "-2*x+2*x*y^2"},
      {"(x+1)*y+(2-x)*y", "3*y"},  // not monomials: tried as before
      {"pi*x+2*x*pi", "3*pi*x"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(regroupe_somme(texte), attendu) << texte;
}

TEST_F(Regroupement, SumsAndProductsAsArrays) {
  Textes t, c;
  decompose_somme("a-(b+c)", t, c);
  EXPECT_EQ(t, (Textes{"a", "b", "c"}));
  EXPECT_EQ(c, (Textes{"1", "-1", "-1"}));
  decompose_somme("-3*x", t, c);
  EXPECT_EQ(t, Textes{"3*x"});
  EXPECT_EQ(c, Textes{"-1"});
  EXPECT_EQ(recompose_somme({"x", "2", "y"}, {"1", "0", "-1"}), "x-y");
  EXPECT_EQ(recompose_somme({}, {}), "0");
  Textes b, e;
  decompose_produit("2*x/y^3", b, e);
  EXPECT_EQ(b, (Textes{"2", "x", "y"}));
  EXPECT_EQ(e, (Textes{"1", "1", "-3"}));
  EXPECT_EQ(recompose_produit({"2", "x", "6", "y"}, {"1", "1", "-1", "-2"}), "x/(3*y^2)");
  EXPECT_TRUE(regroupe_compare_somme_est_egale("x+1", "1+x"));
  EXPECT_FALSE(regroupe_compare_somme_est_egale("x+1", "x-1"));
  EXPECT_FALSE(regroupe_compare_somme_est_egale("x+1", "x+1+y"));
}

TEST_F(Regroupement, SignMovedInside) {
  const Paire cas[] = {{"-(a-2*b+c)", "-a+2*b-c"}, {"a-b", "a-b"}, {"-3*x", "-3*x"}, {"-(x*y-2)", "-x*y+2"},
                       {"-(-x+1)", "x-1"}};
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(distribue_moins(texte), attendu) << texte;
}

TEST_F(Regroupement, CommonIntegerFactorCancelled) {
  const Paire cas[] = {
      {"(2*x+4)/6", "(x+2)/3"}, {"2*x+4", "2*x+4"}, {"(x+1)", "x+1"}, {"0/0", "erreur(Division par z\xE9ro)"}, {"x/2", "x/2"},
      // Only divisions that keep the value: the factor the common factor
      // divides, never a denominator hidden in a product factor, only the
      // numerator of a nested quotient.
      {"(2*(3*x))/3", "2*x"}, {"4*(2/6)", "4*(2/6)"}, {"4*2^-1", "4*2^-1"}, {"(2/4)/6", "(1/4)/3"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(simplifie_par_pgcd(texte), attendu) << texte;
  EXPECT_EQ(contenu_numerateur("(2*x+4)/6"), "2");
  EXPECT_EQ(contenu_denominateur("(2*x+4)/6"), "6");
  EXPECT_EQ(contenu_denominateur("x/2"), "0");
  EXPECT_EQ(contenu_numerateur("2^3*x"), "8");
  EXPECT_EQ(contenu_numerateur("3037000500^2*x"), "1");  // the power overflows
  EXPECT_EQ(facteur_commun("(6*x-9)/12"), "3");
  std::string t = "(6*x-9)/12";
  EXPECT_TRUE(divise_par(t, "3"));
  EXPECT_EQ(t, "(2*x-3)/4");
  t = "(x+1)";
  EXPECT_FALSE(divise_par(t, "0"));
  EXPECT_EQ(t, "x+1");
}

// The reduce command's answers, as typed.
TEST_F(Regroupement, ReductionCommand) {
  const Paire cas[] = {
      {"2*x-2", "-2+2*x"}, {"(2*x+4)/6", "(2+x)/3"}, {"erreur(x)+1", "erreur(x)"},
      // A whole number past 15 digits is added in floating point: each
      // side keeps its sign, whichever comes first.
      {"1E17-90000000000000000", "1E16"}, {"-90000000000000000+1E17", "1E16"},
      {"90000000000000000-1E17", "-1E16"}, {"-1E17+90000000000000000", "-1E16"},
      // A lone 1 over a number past 64 bits stays a quotient, as 1/3 does.
      {"1/fact(25)", "1/1.5511210043331E25"},
  };
  for (const auto& [texte, attendu] : cas) {
    EXPECT_EQ(calculer(std::string("reduire(") + texte + ")"), attendu) << texte;
  }
}

// A quotient of whole numbers past 64 bits is divided exactly: a whole
// quotient of at most 15 digits is that integer, any other is written with
// the 15 digits of its exact value, rounded half up.
TEST_F(Regroupement, QuotientsOfWholeNumbersPast64BitsAreExact) {
  const auto reduit = [](const std::string& t) { return calculer("reduire(" + t + ")"); };
  for (int n = 21; n <= 40; ++n) {
    EXPECT_EQ(reduit("fact(" + texte_entier(n) + ")/fact(" + texte_entier(n - 1) + ")"), texte_entier(n)) << n;
  }
  for (int n = 64; n <= 80; ++n) {
    EXPECT_EQ(reduit("2^" + texte_entier(n) + "/2^" + texte_entier(n - 3)), "8") << n;
  }
  const Paire cas[] = {
      {"3^41/3^40", "3"}, {"x*2^67/2^64", "8*x"}, {"fact(22)/fact(21)*x", "22*x"}, {"-2^67/2^64", "-8"},
      {"(2^67+2^67)/2^64", "16"}, {"perm(30;25)/perm(30;24)", "6"}, {"comb(100;50)/comb(99;49)", "2"},
      {"2^67/3", "4.91913175298921E19"},                    // 49191317529892137642.67
      {"2^67*3", "4.42721857769029E20"},                    // 442721857769029238784
      {"10000000000000050000*3/3", "1.00000000000001E19"},  // half way: up
      // A count alone keeps its 15 digits, and so does one that is no
      // number of a product.
      {"fact(22)", "1.12400072777761E21"}, {"x^fact(22)", "x^1.12400072777761E21"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(reduit(texte), attendu) << texte;
}

// A negative base's sign leaves a power only where it truly does: for an
// integer exponent or a fraction of odd denominator. Under an even root
// the power has no real value and stays as typed, as sqrt(-4) does, and
// bases are not multiplied across a sign they do not have.
TEST_F(Regroupement, ANegativeBaseKeepsItsSignUnderAnEvenRoot) {
  const Paire cas[] = {
      {"(-1)^(1/2)", "(-1)^(1/2)"}, {"(-4)^(1/2)", "(-4)^(1/2)"}, {"(-1)^(3/2)", "(-1)^(3/2)"},
      {"(-2)^(2/3)", "2^(2/3)"},    {"(-8)^(1/3)", "-8^(1/3)"},   {"(-1)^(1/3)", "-1"},
      {"(-x)^(1/2)", "(-x)^(1/2)"}, {"(-x)^(2/3)", "x^(2/3)"},    {"(-2)^n", "(-2)^n"},
      {"(-2)^(1/2)*(-2)^(1/2)", "(-2)^(1/2)*(-2)^(1/2)"},        {"(-2)^(1/2)*3^(1/2)", "(-2)^(1/2)*3^(1/2)"},
      {"(-x)^(1/2)*(-x)^(1/2)", "-x"}, {"x^(1/2)*(-x)^(1/2)", "x^(1/2)*(-x)^(1/2)"},
      {"(-2)^(1/3)*(-4)^(1/3)", "8^(1/3)"}, {"sqrt(-x)^4", "x^2"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(calculer(std::string("reduire(") + texte + ")"), attendu) << texte;
}

TEST_F(Regroupement, DeepTextGivesTheTooComplexError) {
  std::string profond;
  for (int i = 0; i < 3000; ++i) profond += "(x+";
  profond += "1" + std::string(3000, ')');
  EXPECT_EQ(reduire(profond), "erreur(" + catalogue_textes.txt_expression_trop_complexe + ")");
  EXPECT_EQ(reduire("x+x"), "2*x");
}

}  // namespace
