// The factorising, identities and square-root exercises of the fourth
// level: scripted draws pin their statements, answers and redraws, seeded
// runs their invariants.
#include "exercises/generateurs/niveau_3_calcul_litteral.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/decomposition.h"
#include "engine/developpement.h"
#include "engine/fonction.h"
#include "engine/primitives.h"
#include "engine/regroupement.h"
#include "exercice_de_test.h"
#include "exercises/generateurs/controle.h"
#include "localisation/nombres.h"

namespace {

constexpr std::uint32_t graines = 300;
constexpr double tolerance_relative = 1e-9;

class Niveau3CalculLitteral : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    enregistrer_niveau_3_calcul_litteral();
    charger_langue_exercices(0);
  }
};

std::size_t nombre_termes(const std::string& texte) {
  std::vector<std::string> termes;
  std::vector<std::string> signes;
  decompose_somme(texte, termes, signes);
  return termes.size();
}

std::optional<double> valeur(const std::string& texte) { return lire_nombre(numeriser_texte(texte, false)); }

// Both texts have the same numeric value.
::testing::AssertionResult meme_valeur(const std::string& a, const std::string& b) {
  const auto va = valeur(a);
  const auto vb = valeur(b);
  if (va && vb && std::fabs(*va - *vb) <= tolerance_relative * std::fmax(1, std::fabs(*va))) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << a << " and " << b << " differ";
}

TEST_F(Niveau3CalculLitteral, ScriptedDrawsGiveTheStatementAnswersAndCorrection) {
  struct Cas {
    int code;
    std::vector<double> script;
    std::string question;
    std::vector<std::string> reponses;
    std::string correction;
  };
  const std::string identite = "En utilisant l'identit\xE9 remarquable appropri\xE9" "e ";
  const std::string meme_radical = "Mettre sous un m\xEAme radical l'expression suivante ";
  const std::string forme_2 = "Ecrire sous la forme {a*sqrt(b)}, l'expression suivante ";
  const std::string entiers_2 = ", ou a et b r\xE9pr\xE9sentent deux entiers.";
  const std::string entiers = ", ou a et b repr\xE9sentent deux entiers.";
  const std::string forme_4 = "Ecrire sous la forme {sqrt(a)/b}, l'expression suivante ";
  const std::string forme_5 = "Ecrire C sous la forme {a*sqrt(b)} o\xF9  a est un entier relatif et b un entier naturel : C=";
  const std::vector<Cas> cas = {
      {1412, {0, 3, 2, 3, 0}, identite + "developper l'expression suivante {(2*a+3*b)^2}.", {"4*a^2+12*a*b+9*b^2"},
       "{4*a^2+12*a*b+9*b^2}"},
      {1412, {2, 1, 1}, identite + "developper l'expression suivante {(2*a-b)^2}.", {"4*a^2-4*a*b+b^2"},
       "{4*a^2-4*a*b+b^2}"},
      {1412, {3, 2, 2}, identite + "developper l'expression suivante {(3*a+2*b)*(3*a-2*b)}.", {"9*a^2-4*b^2"},
       "{9*a^2-4*b^2}"},
      // A gap of 0 is drawn again: 1000 - 2.
      {1413, {1, 0, 0, 1, 2}, identite + "calculer l'expression suivante {998^2}.", {"996004"}, "{996004}"},
      {1413, {0, 0, 4}, identite + "calculer l'expression suivante {104^2}.", {"10816"}, "{10816}"},
      {1414, {7, 0}, "Calculer l'expression suivante {sqrt(7^2)}.", {"7"}, "{7}"},
      {1414, {7, 1}, "Calculer l'expression suivante {sqrt(7)^2}.", {"7"}, "{7}"},
      // 0 is drawn again.
      {1415, {0, 7}, "Trouver x tel que {x^2}=49.", {"7", "-7"}, "7;-7"},
      {1416, {0, 5, 2, 3}, meme_radical + "{sqrt(2)*sqrt(3)}.", {"sqrt(6)"}, "{sqrt(6)}"},
      {1417, {2, 4}, meme_radical + "{sqrt(2)/sqrt(4)}.", {"sqrt(1/2)"}, "{sqrt(1/2)}"},
      // A factor 0 is drawn again; 2*2*4 = 16 is a square: all drawn again.
      {1418, {0, 2, 2, 4, 2, 3, 4}, forme_2 + "{sqrt(24)}" + entiers_2, {"2*sqrt(6)"}, "{2*sqrt(6)}"},
      // c = 4 is a square: drawn again; then b 2, c 8.
      {1419, {1, 3, 1, 7}, forme_2 + "{sqrt(16)/sqrt(2)}" + entiers, {"2*sqrt(2)"}, "{2*sqrt(2)}"},
      {14110, {1, 5}, forme_4 + "{1/sqrt(12)}" + entiers, {"sqrt(3)/6"}, "{sqrt(3)/6}"},
      // A perfect square stays: 1/sqrt(4) is 1/2.
      {14110, {1, 1}, forme_4 + "{1/sqrt(4)}" + entiers, {"1/2"}, "{1/2}"},
      // b = 4 is a square: drawn again.
      {14111, {2, 3, 2, 7, 1},
       "Mettre {(3-sqrt(8))^2} sous la forme {a-b*sqrt(2)}, a et b designant deux entiers naturels.",
       {"17-12*sqrt(2)"}, "{17-12*sqrt(2)}"},
      // m = 4 and m = 9 have square factors: drawn again; m = 3.
      {14112, {2, 7, 1, 0, 0, 0, 1, 2, 0}, forme_5 + "{1*sqrt(3)+2*sqrt(27)}", {"7*sqrt(3)"}, "{7*sqrt(3)}"},
      // A zero sum stays.
      {14112, {0, 0, 0, 0, 0, 0, 1}, forme_5 + "{1*sqrt(2)-1*sqrt(2)}", {"0"}, "{0}"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.code);
    const QuestionPosee q = question_posee(lancer_code(c.code, c.script));
    EXPECT_EQ(q.question, c.question);
    EXPECT_EQ(q.format, c.reponses.size() == 1 ? "T" : "T;T");
    EXPECT_EQ(q.reponses, c.reponses);
    EXPECT_EQ(q.correction, c.correction);
  }
}

TEST_F(Niveau3CalculLitteral, TheSquareRootsComeInEitherOrder) {
  const ExerciceProduit p = lancer_code(1415, {7});
  const QuestionPosee q = question_posee(p);
  EXPECT_FALSE(p.presentateur.ordonnees);
  for (const std::vector<std::string>& saisies : {std::vector<std::string>{"7", "-7"}, {"-7", "7"}}) {
    EXPECT_TRUE(reponses_justes(q, saisies, false, p.presentateur.forme));
  }
  EXPECT_FALSE(reponses_justes(q, {"7", "7"}, false, p.presentateur.forme));
}

TEST_F(Niveau3CalculLitteral, FactorisingDrawsAgainUntilASumFactorisesIntoOneProduct) {
  // x+1, -3*x-2, -3*x-3 and "-": E is x+1, whose factorised form is no
  // product. x+1 three times and "-": E is 0, no sum. Then (x+1)*(2*x+3) +
  // (x+1)*(x+1).
  const std::vector<double> reduit_en_somme = {0, 5, 1, 3, 1, 2, 5, 1, 3, 1, 3, 0, 0, 1};
  const std::vector<double> nul = {0, 0, 0, 0, 0, 1};
  const std::vector<double> retenu = {0, 5, 0, 2, 0, 3, 0, 0, 0, 0};
  std::vector<double> script = reduit_en_somme;
  script.insert(script.end(), nul.begin(), nul.end());
  script.insert(script.end(), retenu.begin(), retenu.end());
  const ExerciceProduit p = lancer_code(1411, script);
  const QuestionPosee q = question_posee(p);
  EXPECT_EQ(q.question, "Factoriser l'expression suivante: {(x+1)*(2*x+3)+(x+1)^2}.");
  EXPECT_EQ(q.reponses, std::vector<std::string>{"(x+1)*(4+3*x)"});
  EXPECT_EQ(p.calculatrice.textes, std::vector<std::string>{"(x+1)*(2*x+3)+(x+1)*(x+1)"});
  EXPECT_EQ(p.presentateur.forme, "factoriser");
}

TEST_F(Niveau3CalculLitteral, FactorisingAcceptsOnlyTheProduct) {
  for (std::uint32_t g = 0; g < graines; ++g) {
    const ExerciceProduit p = executer_exercice(exercices.indice_du_code(1411), g);
    const QuestionPosee q = question_posee(p);
    const std::string montree = derniere_formule(q.question);
    ASSERT_EQ(p.calculatrice.textes.size(), 1U);
    const std::string& e = p.calculatrice.textes.front();
    EXPECT_GE(nombre_termes(montree), 2U) << q.question;
    EXPECT_TRUE(reponses_justes(q, {e}, true, "")) << e << " " << montree;
    EXPECT_TRUE(reponses_justes(q, q.reponses, true, "factoriser")) << q.reponses.at(0);
    EXPECT_FALSE(reponses_justes(q, {montree}, true, "factoriser")) << q.question;
    // The expanded form has the expression's value, not the product's form.
    const std::string developpee = regroupe_somme(developper(e));
    EXPECT_GE(nombre_termes(developpee), 2U) << developpee;
    EXPECT_TRUE(reponses_justes(q, {developpee}, true, "")) << developpee;
    EXPECT_FALSE(reponses_justes(q, {developpee}, true, "factoriser")) << developpee;
  }
}

TEST_F(Niveau3CalculLitteral, AnswersKeepTheValueOfTheShownExpression) {
  for (std::uint32_t g = 0; g < graines; ++g) {
    SCOPED_TRACE(g);
    // The identities: the expanded answer equals the shown product, as the
    // checker judges it.
    const QuestionPosee identite = question_posee(executer_exercice(exercices.indice_du_code(1412), g));
    EXPECT_TRUE(reponses_justes(identite, {derniere_formule(identite.question)}, true, "")) << identite.question;
    // Roots: never a perfect square asked for; every answer keeps the value
    // of the shown formula, the first in braces after its marker.
    struct Formule {
      int code;
      std::string marqueur;
    };
    for (const Formule& f : {Formule{1416, "suivante "}, {1417, "suivante "}, {1418, "suivante "},
                             {1419, "suivante "}, {14110, "suivante "}, {14111, "Mettre "}, {14112, "C="}}) {
      const QuestionPosee q = question_posee(executer_exercice(exercices.indice_du_code(f.code), g));
      const std::string montree = entre(q.question, f.marqueur + "{", "}");
      EXPECT_TRUE(meme_valeur(montree, q.reponses.at(0))) << f.code << ": " << q.question;
      if (f.code == 1418 || f.code == 1419) {
        EXPECT_FALSE(est_entier(q.reponses.at(0))) << q.question;
      }
    }
  }
}

}  // namespace
