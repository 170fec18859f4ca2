#include "engine/evaluateur.h"

#include <gtest/gtest.h>

#include "engine/fonction.h"
#include "engine/moteur_pret.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/variables_equation.h"
#include "localisation/catalogue.h"
#include "localisation/messagerie_enregistreuse.h"

namespace {

using Evaluateur = MoteurFrancais;

TEST_F(Evaluateur, RecursesAndLeavesWhatItCannotDo) {
  const std::pair<const char*, const char*> cas[] = {
      {"cos(deriver(x^2;x))", "cos(deriver(x^2;x))"},
      {"(-x)^2", "x^2"},
      {"-x^2", "-x^2"},
      {"pgcd(2;-2)", "-2"},
      {"pgcd(0;7)", "7"},
      {"pgcd(12;18)+1", "6+1"},
      {"ou(1;a)", "`"},
      {"ou(11;t)", "erreur(Caract\xE8re #127 interdit.)"},  // "t" with 11 would be DEL
      {"ou(96;ab)", "erreur(Caract\xE8re #1 interdit.)"},
      {"ou(65;a)", " "},  // a space is no control character
      {"ou(252;a)", "erreur(Caract\xE8re #157 interdit.)"},  // 0x9D, undefined in Windows-1252
      {"5!", "5!"},
      {"2*5!", "2*5!"},
      {"5!+1", "5!+1"},
      {"(x+1)", "(x+1)"},
      {"-pgcd(4;6)", "-2"},
      {"(pgcd(4;6))*x", "2*x"},
      {"0+0", "0"},
      {"0/0", "erreur(Division par z\xE9ro)"},
      {"0/0+pgcd(1;1)", "erreur(Division par z\xE9ro)"},
      {"x", "x"},
      {"", ""},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(calculer(texte), attendu) << texte;
}

// A quotient whose denominator is exactly zero, on each route that builds
// or reduces one.
TEST_F(Evaluateur, ZeroDenominatorsAreDivisionByZero) {
  const char* cas[] = {
      "2/0",           "x/0.0",          "2/(-0)",          "x+1/0",          "reduire(x/(1-1))",
      "fraction(2/(1-1))", "fraction(x/(1-1))", "numeriser(x/(1-1))", "developper((x+1)/0)",
      "somme(k;1;3;x/(k-2))",
  };
  for (const char* texte : cas) EXPECT_EQ(calculer(texte), "erreur(Division par z\xE9ro)") << texte;
}

TEST_F(Evaluateur, ZeroToThePowerZeroIsOne) {
  for (const char* texte : {"0^0", "0.0^0", "0^0.0", "numeriser(0^0)", "fraction(0^0)", "reduire(0^0)"}) {
    EXPECT_EQ(calculer(texte), "1") << texte;
  }
}

// An integer that does not fit the routine: the out-of-range error value
// and no message.
TEST_F(Evaluateur, IntegerArgumentsOutOfRangeAreOutOfRange) {
  MessagerieDeTest boites;
  const char* cas[] = {
      "pgcd(9223372036854775807;9223372036854775806)", "pgcd(3;-99999999999)", "comb(99999999999;2)",
      "perm(5;99999999999)", "fact(3000000000)", "somme(k;1;3000000000;k)", "produit(k;-3000000000;1;k)",
      "developpement_limite(exp(x);x;0;99999999999)", "ou(9999999999;a)",
  };
  for (const char* texte : cas) {
    EXPECT_EQ(calculer(texte), "erreur(" + catalogue_textes.txt_argument_hors_limites + ")") << texte;
  }
  EXPECT_TRUE(boites->journal.empty());
}

// Overflowing inputs through every command that folds numbers: no result
// holds the floating-point texts of infinity or of an invalid value.
TEST_F(Evaluateur, NoResultHoldsInfOrNan) {
  const char* commandes[] = {"%s", "reduire(%s)", "fraction(%s)", "numeriser(%s)", "developper(%s)",
                             "factoriser(%s)", "deriver(%s;x)", "moyenne([%s;1])", "resoudre(%s=x;x)"};
  const char* textes[] = {"1e308+1e308", "1e308*1e308*x", "10^400",       "2^2000*x+2^2000", "(-8)^(1/3)",
                          "0.5^2000",    "exp(1000)-x",   "1e300^2/1e300^2", "x*1e308+x*1e308", "sh(1000)*x"};
  for (const char* commande : commandes) {
    for (const char* texte : textes) {
      std::string appel = commande;
      appel.replace(appel.find("%s"), 2, texte);
      const std::string r = calculer(appel);
      EXPECT_EQ(r.find("INF"), std::string::npos) << appel << " = " << r;
      EXPECT_EQ(r.find("NAN"), std::string::npos) << appel << " = " << r;
    }
  }
}

TEST_F(Evaluateur, WrongArgumentCountsAreErrorValues) {
  EXPECT_EQ(calculer("pgcd(4)"), "erreur(Nombre d'arguments incorrects)");
  EXPECT_EQ(calculer("deriver(x^2)"),
            "erreur(erreur de d\xE9rivation v\xE9rifier le nombre d'argument plac\xE9 en param\xE8tre)");
  EXPECT_EQ(calculer("cos(x;y)"), "cos(x;y)");  // usual functions come back unchanged
}

TEST_F(Evaluateur, IntegerArgumentsThatDoNotReadShowAMessage) {
  MessagerieDeTest boites;
  EXPECT_EQ(calculer("pgcd(4.5;3)"), "");
  EXPECT_EQ(calculer("comb(5;x)"), "");
  EXPECT_EQ(calculer("somme(k;1;n;k)"), "");
  EXPECT_EQ(calculer("developpement_limite(exp(x);x;a;2)"), "");
  ASSERT_EQ(boites->journal.size(), 4u);
  EXPECT_EQ(boites->journal[0].texte, catalogue_textes.txt_pgcd_entiers);
  EXPECT_EQ(boites->journal[1].texte, catalogue_textes.txt_entiers_seulement);
  EXPECT_EQ(boites->journal[2].texte, catalogue_textes.txt_bornes_entieres);
  EXPECT_EQ(boites->journal[3].texte, catalogue_textes.txt_point_developpement_nombre);
}

// A refused call inside a sum, a product, a quotient or a command's
// argument fails the whole calculation: one message, however many calls
// would fail, and no value computed without it. The next calculation
// starts afresh.
TEST_F(Evaluateur, ARefusedCallFailsTheWholeCalculation) {
  const char* cas[] = {
      "reduire(1+comb(x;2))",  "somme(k;1;5;k+fact(k/2))", "somme(k;1;100000;1+fact(x))", "1+comb(x;2)",
      "x/pgcd(x;2)",           "deriver(x^2+fact(x);x)",   "fact(x)+fact(y)",             "produit(k;1;3;k-ou(x;a))",
      "(2+developpement_limite(exp(x);x;a;2))*3",
  };
  for (const char* texte : cas) {
    MessagerieDeTest boites;
    EXPECT_EQ(calculer(texte), "") << texte;
    EXPECT_EQ(boites->journal.size(), 1u) << texte;
    EXPECT_EQ(calculer("reduire(1+comb(4;2))"), "7") << texte;
  }
}

TEST_F(Evaluateur, UserRowsAreNeverBuiltIns) {
  fonctions_usuelles->ajouter(0, "f", "", "", "", 1, "x", "", "x^2", false);
  EXPECT_EQ(calculer("f(3)"), "f(3)");
  for (int i = 0; i < 82; ++i) fonctions_usuelles->ajouter(0, "u" + std::to_string(i), "", "", "", 2, "x", "", "x", false);
  // Row 141 would be pgcd's row 17 if identifiers wrapped at 128.
  EXPECT_EQ(calculer("u81(4;6)"), "u81(4;6)");
}

TEST_F(Evaluateur, DeepInputGivesAnErrorValue) {
  std::string profond;
  for (int i = 0; i < 10000; ++i) profond += "-(";
  profond += "x" + std::string(10000, ')');
  const std::string erreur = "erreur(" + catalogue_textes.txt_expression_trop_complexe + ")";
  EXPECT_EQ(calculer(profond), erreur);
  std::string somme = "x";
  for (int i = 0; i < 10000; ++i) somme += "+x";
  EXPECT_EQ(calculer(somme), erreur);
  EXPECT_EQ(calculer("x+x"), "x+x");
}

TEST_F(Evaluateur, Variables) {
  const std::pair<const char*, const char*> cas[] = {
      {"x*y+x", "x;y;x"}, {"2*x^2+1", "x"}, {"sin(t)", "t"}, {"pi*r", "r"}, {"3+\xEE", ""},
      {"y'=2*y", "y;y'"}, {"n!", ""},         {"-(a+b)", "b;a"}, {"deriver(u^2;u)", "u"}, {"g(z)", ""},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(fonction(texte).variables(), attendu) << texte;
  EXPECT_TRUE(independant_de("2*y", "x"));
  EXPECT_FALSE(independant_de("2*x", "x"));
}

TEST(VariablesEquation, RemovesTheFunctionSought) {
  std::vector<std::string> noms = {"y''", "x", "y"};
  std::string variable = "v";
  enleve_primes(noms, variable);
  EXPECT_EQ(noms, std::vector<std::string>{"x"});
  EXPECT_EQ(variable, "v");
  noms = {"y", "Y'"};
  enleve_primes(noms, variable);
  EXPECT_TRUE(noms.empty());
  EXPECT_EQ(variable, "x");
}

TEST_F(Evaluateur, Predicates) {
  for (const char* oui : {"12", "-7", "0"}) EXPECT_TRUE(est_entier(oui)) << oui;
  for (const char* non : {"-", "", "1.0", "1e3", "+2", "1 "}) EXPECT_FALSE(est_entier(non)) << non;
  EXPECT_TRUE(est_nombre("+3"));
  EXPECT_FALSE(est_nombre("inf"));
  EXPECT_TRUE(est_negatif("-3*x"));
  EXPECT_TRUE(est_negatif("-x^2"));
  EXPECT_FALSE(est_negatif("-x+1"));
  EXPECT_EQ(enleve_moins("-x^2"), "x^2");
  EXPECT_EQ(enleve_moins("-x+1"), "-x+1");
  EXPECT_TRUE(est_constante("pi"));
  EXPECT_FALSE(est_constante("Pi"));
  EXPECT_TRUE(commence_par_nombre("2*x*y"));
  EXPECT_FALSE(commence_par_nombre("x*2"));
  EXPECT_FALSE(commence_par_nombre(""));
  EXPECT_EQ(numerateur("a/b"), "a");
  EXPECT_EQ(denominateur("a"), "1");
  EXPECT_EQ(operation_ordonnee("x", "2", "*"), "2*x");
  EXPECT_EQ(operation_ordonnee("x", "3*y", "*"), "3*y*x");
  EXPECT_EQ(pgcd(0, 7), 7);
  EXPECT_EQ(pgcd(12, 18), 6);
  EXPECT_EQ(pgcd(2, -2), -2);
  EXPECT_EQ(pgcd(-2, 2), 2);
  EXPECT_EQ(pgcd(0, 0), 0);
  EXPECT_EQ(pgcd(INT64_MIN, -1), -1);
}

}  // namespace
