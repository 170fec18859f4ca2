// The equations of the fifth level and the functions and statistics of the
// fourth: scripted draws pin statements, answers and redraws, seeded runs
// their invariants.
#include "exercises/generateurs/niveau_2.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/fonction.h"
#include "engine/resoudre.h"
#include "engine/systeme_lineaire.h"
#include "exercice_de_test.h"
#include "exercises/catalogue_exercices.h"
#include "exercises/generateurs/execution.h"
#include "exercises/generateurs/niveau_3_fonctions_statistiques.h"
#include "exercises/generateurs/outils.h"
#include "localisation/catalogue.h"
#include "localisation/nombres.h"

namespace {

constexpr std::uint32_t graines = 300;
constexpr double tolerance = 1e-9;
constexpr int points_courbe = 101;

class Niveau2 : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    enregistrer_niveau_2();
    enregistrer_niveau_3_fonctions_statistiques();
    charger_langue_exercices(0);
  }

  static QuestionPosee question(int code, std::vector<double> script) {
    SCOPED_TRACE(code);
    return question_posee(lancer_code(code, std::move(script)));
  }

  static ExerciceProduit graine(int code, std::uint32_t g) {
    return executer_exercice(exercices.indice_du_code(code), g);
  }
};

std::optional<double> valeur(const std::string& texte, const std::string& variable, double x) {
  return lire_nombre(fonction(texte).numeriser(variable, false, x));
}

std::optional<double> nombre(const std::string& texte) { return valeur(texte, "x", 0); }

struct CasScripte {
  int code;
  std::vector<double> script;
  std::string extrait;  // a part of the statement
  std::string format;
  std::vector<std::string> reponses;
  std::string correction;
};

TEST_F(Niveau2, ScriptedDrawsGiveTheStatementAnswersAndCorrection) {
  const std::vector<CasScripte> cas = {
      // 4/4 is "1": the ordinate is drawn again.
      {2411, {0, 2, 2, 2, 1, 0, 0}, "le point A de coordonn\xE9" "es({1/2};{3/2}).", "T[y=]", {"3*x"}, "y = {3*x}"},
      // Through the origin, then vertical: drawn again.
      {2413, {0, 0, 1, 1, 2, 1, 2, 3, -1, 1, 1, 3}, "A(-1;1 )et B(1;3).", "T[y=]", {"x+2"}, "y = {x+2}"},
      // A horizontal line is a sound answer here.
      {2413, {-2, 3, 1, 3}, "A(-2;3 )et B(1;3).", "T[y=]", {"3"}, "y = {3}"},
      // 2412 draws the horizontal line again; kind 1 asks for x1, kind 0 for y1.
      {2412, {-2, 3, 1, 3, -1, 1, 1, 3, 1}, "l'ant\xE9" "cedent de 1 par f ?", "T", {"-1"}, "{-1}"},
      {2412, {-1, 1, 1, 3, 0}, "l'image de -1 par f?", "T", {"1"}, "{1}"},
      // The fifth count brings the total to a multiple of five: 1 + 2 + 2.
      {4401, {0, 0, 0, 1, 2}, "[vendredi;1];[samedi;4]]", "T[1.];T[2.]", {"5", "1"}, "{5};{1}"},
      {4401, {149, 149, 149, 149, 29}, "[samedi;29]]", "T[1.];T[2.]", {"625", "125"}, "{625};{125}"},
      {4402, {0, 1, 2, 3, 4}, "les notes de 15 \xE9l\xE8ves", "T[1.];T[2.]", {"4", "6"}, "{4};{6}"},
      {4403, {1, 3, 0, 0, 0}, "[Salari\xE9s;2;4;1;1;1]", "T", {"4/9"}, "{4/9}"},
      {4403, {1, 1, 1, 1, 1}, "", "T", {"1/5"}, "{1/5}"},
      {1501, {0, 0, 3, 0, 4, 1, 2, 0, 3, 0}, "{-2/3*x+3/4=0}", "T", {"9/8"}, "{9/8}"},
      {1502, {1, 0, 0, 2, 1, 3, 0}, "=0}", "T", {"3/2"}, "{3/2}"},
      {1503, {2, 1, 0, 2, 0, 3, 0, 1, 0, 2}, "{4/9*z^2-1/4=0}", "T;T", {"-3/4", "3/4"}, "{-3/4};{3/4}"},
      // Equal factors: one root, asked once.
      {1504, {0, 0, 0, 2, 0, 3, 0, 2, 0, 3}, "=0}", "T", {"-2/3"}, "{-2/3}"},
      {1504, {0, 0, 0, 2, 0, 3, 1, 2, 0, 3}, "=0}", "T;T", {"-2/3", "2/3"}, "{-2/3};{2/3}"},
  };
  for (const CasScripte& c : cas) {
    const QuestionPosee q = question(c.code, c.script);
    EXPECT_NE(q.question.find(c.extrait), std::string::npos) << c.code << ": " << q.question;
    EXPECT_EQ(q.format, c.format) << c.code;
    EXPECT_EQ(q.reponses, c.reponses) << c.code;
    EXPECT_EQ(q.correction, c.correction) << c.code;
    EXPECT_TRUE(q.avec_saisie) << c.code;
  }
}

TEST_F(Niveau2, TheLineOf2412IsDrawnOnAReadOnlyChart) {
  const ExerciceProduit p = lancer_code(2412, {-2, 3, 1, 3, -1, 1, 1, 3, 1});
  const GraphiqueEnregistre& g = p.graphique;
  EXPECT_TRUE(g.visible);
  EXPECT_FALSE(g.actif);
  ASSERT_NE(std::find(g.appels.begin(), g.appels.end(), "RemoveAllSeries"), g.appels.end());
  EXPECT_TRUE(g.bas.grille);
  EXPECT_FALSE(g.gauche.grille);
  EXPECT_TRUE(g.gauche.visible);
  for (const GraphiqueEnregistre::EtatAxe& axe : {g.gauche, g.bas}) {
    EXPECT_EQ(axe.position, 50);
    EXPECT_EQ(axe.minimum, -6);
    EXPECT_EQ(axe.maximum, 6);
    EXPECT_FALSE(axe.automatique);
  }
  ASSERT_EQ(g.series.size(), 1U);
  const GraphiqueEnregistre::Serie& s = g.series[0];
  EXPECT_FALSE(s.points);
  EXPECT_EQ(s.titre, "1*x+(2)");
  ASSERT_EQ(s.x.size(), static_cast<std::size_t>(points_courbe));
  EXPECT_EQ(s.x.front(), -6);
  EXPECT_EQ(s.y.front(), -4);
  EXPECT_NEAR(s.x.back(), 6, tolerance);
  EXPECT_NEAR(s.y.back(), 8, tolerance);
}

TEST_F(Niveau2, EverySeedKeepsTheRulesOfItsCode) {
  for (std::uint32_t g = 0; g < graines; ++g) {
    SCOPED_TRACE(g);
    // 2412: the line is neither horizontal nor through the origin, and the
    // number asked about and the answer are one point of it.
    const ExerciceProduit courbe = graine(2412, g);
    const QuestionPosee& lue = courbe.presentateur.questions.at(0);
    const std::string titre = courbe.graphique.series.at(0).titre;
    const auto pente = nombre(entre(titre, "", "*x"));
    const auto ordonnee = nombre(entre(titre, "+(", ")"));
    ASSERT_TRUE(pente && ordonnee) << titre;
    EXPECT_NE(*pente, 0) << titre;
    EXPECT_NE(*ordonnee, 0) << titre;
    const bool antecedent = lue.question.find("ant\xE9" "cedent") != std::string::npos;
    const auto donne = lire_nombre(entre(lue.question, " de ", " par f"));
    const auto reponse = lire_nombre(lue.reponses.at(0));
    ASSERT_TRUE(donne && reponse) << lue.question;
    const double x = antecedent ? *reponse : *donne;
    const double y = antecedent ? *donne : *reponse;
    EXPECT_NEAR(valeur(titre, "x", x).value_or(y + 1), y, tolerance) << titre;

    // 2413: the answer passes through both points.
    const QuestionPosee droite = graine(2413, g).presentateur.questions.at(0);
    for (const std::string& point : {entre(droite.question, "A(", " )"), entre(droite.question, "B(", ").")}) {
      const auto xp = lire_nombre(entre(point, "", ";"));
      const auto yp = lire_nombre(entre(point, ";", ")"));
      ASSERT_TRUE(xp && yp) << droite.question;
      EXPECT_NEAR(valeur(droite.reponses.at(0), "x", *xp).value_or(*yp + 1), *yp, tolerance) << droite.question;
    }

    // 4401: a whole mean of a total that is the table's sum.
    const QuestionPosee prets = graine(4401, g).presentateur.questions.at(0);
    const auto total = lire_entier32(prets.reponses.at(0));
    const auto moyenne = lire_entier32(prets.reponses.at(1));
    ASSERT_TRUE(total && moyenne) << prets.reponses.at(0);
    EXPECT_EQ(*moyenne * 5, *total);
    int somme = 0;
    for (const char* jour : {"[mardi;", "[mercredi;", "[jeudi;", "[vendredi;", "[samedi;"}) {
      somme += lire_entier32(entre(prets.question, jour, "]")).value_or(-1);
    }
    EXPECT_EQ(somme, *total);

    // 4403: a fraction, never a whole number.
    EXPECT_NE(graine(4403, g).presentateur.questions.at(0).reponses.at(0).find('/'), std::string::npos);
  }
}

// Each root cancels the equation's left side: 1501 one root, never 0; 1502
// exactly one; 1503 two opposite roots in any order; 1504 one or two.
TEST_F(Niveau2, EveryRootSolvesItsEquation) {
  struct Attendu {
    int code;
    std::size_t min_racines, max_racines;
  };
  for (const Attendu a : {Attendu{1501, 1, 1}, Attendu{1502, 1, 1}, Attendu{1503, 2, 2}, Attendu{1504, 1, 2}}) {
    for (std::uint32_t g = 0; g < graines; ++g) {
      const ExerciceProduit p = graine(a.code, g);
      const QuestionPosee& q = p.presentateur.questions.at(0);
      const std::string equation = entre(q.question, "{", "=0}");
      const std::size_t lettre = equation.find_first_of("xyz");
      ASSERT_NE(lettre, std::string::npos) << q.question;
      const std::string v(1, equation[lettre]);
      ASSERT_GE(q.reponses.size(), a.min_racines) << q.question;
      ASSERT_LE(q.reponses.size(), a.max_racines) << q.question;
      EXPECT_EQ(p.presentateur.ordonnees, q.reponses.size() == 1) << q.question;
      for (const std::string& r : q.reponses) {
        const auto x = nombre(r);
        ASSERT_TRUE(x) << r;
        if (a.code == 1501) {
          EXPECT_NE(*x, 0) << q.question;
        }
        EXPECT_NEAR(valeur(equation, v, *x).value_or(1), 0, tolerance) << q.question << " " << r;
      }
      if (a.code == 1503) {
        EXPECT_NEAR(nombre(q.reponses[0]).value_or(0), -nombre(q.reponses[1]).value_or(0), tolerance) << q.question;
      }
    }
  }
}

// generer_relatif hands out its last draw, 0 included, once it has looked 51
// times: a leading coefficient 0 leaves an equation without a root, which the
// solver cannot list, and the exercise is drawn again.
TEST_F(Niveau2, AnEquationWithoutTheRootsExpectedIsDrawnAgain) {
  constexpr int recherches_generer_relatif = 51;
  std::vector<double> zero;
  for (int i = 0; i < recherches_generer_relatif; ++i) zero.insert(zero.end(), {0, 0});
  const auto script = [&zero](std::vector<double> debut, std::vector<double> apres_zero) {
    debut.insert(debut.end(), zero.begin(), zero.end());
    debut.insert(debut.end(), apres_zero.begin(), apres_zero.end());
    return debut;
  };
  struct Cas {
    int code;
    std::vector<double> script;
    std::string equation;
    std::vector<std::string> reponses;
  };
  // Each first draw: x, integer coefficients, a = 0 (then b = 2, sign "+").
  const std::vector<Cas> cas = {
      {1502, script({0, 0}, {0, 2, 0, /**/ 0, 0, 0, 2, 0, 3, 0}), "{4*x^2+9+12*x=0}", {"-3/2"}},
      {1503, script({0, 0}, {0, 2, /**/ 0, 0, 0, 2, 0, 3}), "{4*x^2-9=0}", {"-3/2", "3/2"}},
      // Both slopes 0: a constant product.
      {1504, script(script({0, 0, 0, 2}, {0, 3}), {/**/ 0, 0, 0, 2, 0, 3, 1, 2, 0, 3}), "=0}", {"-2/3", "2/3"}},
  };
  for (const Cas& c : cas) {
    const ExerciceProduit p = lancer_code(c.code, c.script);
    const QuestionPosee q = question_posee(p);
    EXPECT_NE(q.question.find(c.equation), std::string::npos) << c.code << ": " << q.question;
    EXPECT_EQ(q.reponses, c.reponses) << c.code;
  }
}

TEST(ValeursSolveur, OnlyASoundListWithTheItemsExpectedIsUnpacked) {
  using Valeurs = std::optional<std::vector<std::string>>;
  remplir_textes(0);
  struct Cas {
    std::string liste;
    std::size_t nombre;
    Valeurs attendues;
  };
  const std::vector<Cas> cas = {
      {"[x=-3/4]", 1, std::vector<std::string>{"-3/4"}},
      {"[a=2;b=-1]", 2, std::vector<std::string>{"2", "-1"}},
      {resoudre("x^2-4=0", "x", false), 2, std::vector<std::string>{"-2", "2"}},
      {resoudre_systeme("[a*(-3)+b=2;a*(4)+b=1]", "[a;b]"), 2, std::vector<std::string>{"-1/7", "11/7"}},
      {"[x=-2;x=2]", 1, std::nullopt},
      {"[x=1]", 2, std::nullopt},
      {"[x]", 1, std::nullopt},
      {"[x=]", 1, std::nullopt},
      {resoudre("x^2+1=0", "x", false), 1, std::nullopt},
      {resoudre("x^3-1=0", "x", false), 1, std::nullopt},
      {resoudre_systeme("[a*(2)+b=1;a*(2)+b=3]", "[a;b]"), 2, std::nullopt},
  };
  for (const Cas& c : cas) EXPECT_EQ(valeurs_solveur(c.liste, c.nombre), c.attendues) << c.liste;
}

}  // namespace
