#include "exercises/generateurs/niveau_3_nombres_reperes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/fonction.h"
#include "exercice_de_test.h"
#include "exercises/catalogue_exercices.h"
#include "exercises/generateurs/controle.h"
#include "exercises/generateurs/execution.h"
#include "localisation/nombres.h"

namespace {

constexpr int graines = 300;

class Niveau3NombresReperes : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    enregistrer_niveau_3_nombres_reperes();
    charger_langue_exercices(0);
  }

  static QuestionPosee tirer(int code, std::vector<double> script, std::uint32_t graine = 0) {
    return question_posee(lancer_code(code, std::move(script), graine));
  }
};

std::optional<double> valeur(const std::string& texte) { return lire_nombre(numeriser_texte(texte, false)); }

// The value of `texte` with each (name, value) substituted in turn.
std::optional<double> valeur_en(const std::string& texte, const std::vector<std::pair<std::string, std::string>>& valeurs) {
  std::string t = texte;
  for (const auto& [nom, v] : valeurs) t = fonction(t).numeriser_substitution(nom, "(" + v + ")", true);
  return valeur(t);
}

// The formulas in braces of a statement, in order.
std::vector<std::string> formules(const std::string& enonce) {
  std::vector<std::string> trouvees;
  for (std::size_t debut = enonce.find('{'); debut != std::string::npos; debut = enonce.find('{', debut + 1)) {
    const std::size_t fin = enonce.find('}', debut);
    trouvees.push_back(enonce.substr(debut + 1, fin - debut - 1));
  }
  return trouvees;
}

TEST_F(Niveau3NombresReperes, ScriptedDrawsGiveTheStatementAnswersAndCorrection) {
  const std::string inequation = "Pour quelle valeur de x, l'expression  suivante ";
  const std::string systeme = "R\xE9soudre le syst\xE8me suivant: \xA8";
  const std::string repere = "Soit(O,{vecteur( i )},{vecteur( j )}) un rep\xE8re du plan. Soient A et B deux points de "
                             "coordonn\xE9" "es respectives{ (1,2)} et{ (4,6)} dans ce rep\xE8re, calculer les coordonn\xE9" "es ";
  const std::string libelles = "T[abscisse];T[ordonn\xE9" "e]";
  // Points: the name A again and the point (1;2) again are drawn again.
  const std::vector<double> points_ab = {0, 0, 1, 1, 2, 1, 2, 4, 6};
  const std::vector<QuestionScriptee> cas = {
      // a = 0 and then j = i are drawn again; a < 0 turns "<" into ">".
      {1422, {0, 0, 1, 2, 0, 1, 0, 5, 0, 0, 1}, inequation + "{-2*x+1<5} est-elle vraie?", "T", {"x>-2"}, "x>{-2}"},
      {1422, {0, 3, 1, 1, 0, 2, 1, 1, 0}, inequation + "{3*x-1>2} est-elle vraie?", "T", {"x>1"}, "x>{1}"},
      {1422, {1, 4, 0, 1, 1, 5, 1, 0}, inequation + "{-4*x+1>-5} est-elle vraie?", "T", {"x<3/2"}, "x<{3/2}"},
      {1422, {0, 4, 0, 0, 1, 2, 0, 1}, inequation + "{4*x<-2} est-elle vraie?", "T", {"x<-1/2"}, "x<{-1/2}"},
      // A zero determinant (x+y = 1, 2*x+2*y = 2) is drawn again.
      {1423, {0, 1, 0, 1, 0, 1, 0, 2, 0, 2, 0, 2, 0, 2, 1, 1, 0, 3, 0, 1, 0, 1, 0, 3},
       systeme + "{2*x-y = 3}\xA8{x+y = 3}.", "T[x];T[y]", {"2", "1"}, "{2};{1}"},
      {1423, {0, 3, 0, 2, 0, 1, 0, 1, 1, 4, 0, 0}, systeme + "{3*x+2*y = 1}\xA8{x-4*y = 0}.", "T[x];T[y]",
       {"2/7", "1/14"}, "{2/7};{1/14}"},
      // 1 <= 1 is drawn again.
      {1427, {0, 0, 0, 0, 0, 0, 1, 2, 0, 3, 0, 0}, "Calculer le pgcd de 6 et de 4.", "T", {"2"}, "{2}"},
      // 4 <= 14 is drawn again.
      {1428, {3, 13, 14, 3}, "Les nombres suivants 15 et 4 sont-ils premiers entre eux ?", "C(oui;non)", {"oui"},
       "oui, car leur pgcd est \xE9gal \xE0 1"},
      {1428, {14, 5}, "Les nombres suivants 15 et 6 sont-ils premiers entre eux ?", "C(oui;non)", {"non"},
       "non, car leur pgcd est \xE9gal \xE0 3"},
      {1429, {1, 2, 0, 0, 3, 0, 0, 0},
       "Mettre sous la forme d'une fraction irr\xE9" "ductible la fraction suivante: {6/4}.", "T", {"3/2"}, "{3/2}"},
      // 3/3 is drawn again.
      {1434, {0, 1, 1, 0, 1, 3, 2, 3, 0},
       "Ecrire A sous forme de fraction irr\xE9" "ductible : A = {(2/3)/(4/5)}", "T", {"5/6"}, "{5/6}"},
      {1435, {-1, 0, 0, 1, 0, 0, 3, 1, 1, 0, 0, 1, 0},
       "Soit f l'application de R dans R definie par f(x)={3*(2*x+5)-2*(2*x-1)^2} : <BR> <BR>Calculer f(-1).", "T",
       {"-9"}, "{-9}"},
      {3441, points_ab, repere + "du vecteur {vecteur(AB)} .", libelles, {"3", "4"}, "({3};{4})"},
      {3442, points_ab,
       "Le plan est muni d'un rep\xE8re orthonorm\xE9  (O,{vecteur( i )},{vecteur( j )}). Soient A et B deux points de "
       "coordonn\xE9" "es respectives ({1},{2})} et ({4},{6}) dans ce rep\xE8re, calculer la distance entre A et B .",
       "T", {"5"}, "{5}"},
      {3443, points_ab, repere + "du milieu du segment [AB].", libelles, {"5/2", "4"}, "({5/2};{4})"},
  };
  for (const QuestionScriptee& c : cas) verifier_question(c);
}

TEST_F(Niveau3NombresReperes, FactorisingAcceptsTheProductOnlyNotTheExpandedForm) {
  struct Cas {
    int code;
    std::vector<double> script;
    std::string montre;
    std::string produit;
  };
  const std::vector<Cas> cas = {
      {1430, {1, 2, 0}, "4*x^2+12*x+9", "(2*x+3)^2"},
      {1430, {1, 2, 1}, "4*x^2-12*x+9", "(2*x-3)^2"},
      {1430, {0, 0, 0}, "x^2+2*x+1", "(x+1)^2"},
      {1431, {1, 2}, "4*x^2-9", "(2*x-3)*(2*x+3)"},
      {1431, {1, 1}, "4*x^2-4", "4*(x-1)*(x+1)"},
  };
  for (const Cas& c : cas) {
    const ExerciceProduit p = lancer_code(c.code, c.script);
    const QuestionPosee q = question_posee(p);
    EXPECT_EQ(q.question, "Factoriser l'expression suivante {" + c.montre + "}.") << c.code;
    EXPECT_EQ(p.presentateur.forme, "factoriser");
    EXPECT_TRUE(reponses_justes(q, {c.produit}, true, p.presentateur.forme)) << c.produit << " " << q.reponses[0];
    EXPECT_FALSE(reponses_justes(q, {c.montre}, true, p.presentateur.forme)) << c.montre;
  }
}

TEST_F(Niveau3NombresReperes, EverySeedGivesAnswersThatSolveTheStatement) {
  for (std::uint32_t graine = 0; graine < graines; ++graine) {
    // 1422: a value just inside the expected set satisfies the inequation,
    // one just outside does not.
    const QuestionPosee q1422 = tirer(1422, {}, graine);
    const std::string inegalite = formules(q1422.question).at(0);
    const std::size_t p = inegalite.find_first_of("<>");
    const std::string& attendu = q1422.reponses.at(0);
    const double borne = *valeur(attendu.substr(2));
    const double dedans = attendu[1] == '>' ? borne + 1 : borne - 1;
    const double gauche_dedans = *valeur_en(inegalite.substr(0, p), {{"x", texte_nombre(dedans)}});
    const double gauche_dehors = *valeur_en(inegalite.substr(0, p), {{"x", texte_nombre(2 * borne - dedans)}});
    const double c = *valeur(inegalite.substr(p + 1));
    const bool inferieur = inegalite[p] == '<';
    EXPECT_TRUE(inferieur ? gauche_dedans < c : gauche_dedans > c) << inegalite << " " << attendu;
    EXPECT_FALSE(inferieur ? gauche_dehors < c : gauche_dehors > c) << inegalite << " " << attendu;

    // 1423: x and y satisfy both equations.
    const QuestionPosee q1423 = tirer(1423, {}, graine);
    for (const std::string& equation : formules(q1423.question)) {
      const std::size_t egal = equation.find(" = ");
      const auto gauche = valeur_en(equation.substr(0, egal), {{"x", q1423.reponses.at(0)}, {"y", q1423.reponses.at(1)}});
      ASSERT_TRUE(gauche) << equation;
      EXPECT_NEAR(*gauche, *valeur(equation.substr(egal + 3)), 1e-9) << equation << " " << q1423.correction;
    }

    // 1429, 1434: an irreducible fraction of the shown value; 1434 shows 2 to
    // 4 fractions of one-digit terms.
    for (const int code : {1429, 1434}) {
      const QuestionPosee q = tirer(code, {}, graine);
      const std::string montre = formules(q.question).back();
      const std::string& r = q.reponses.at(0);
      EXPECT_NEAR(*valeur(montre), *valeur(r), 1e-9) << montre << " " << r;
      const std::size_t barre = r.find('/');
      if (barre != std::string::npos) {
        EXPECT_EQ(std::gcd(*lire_entier64(r.substr(0, barre)), *lire_entier64(r.substr(barre + 1))), 1) << r;
      }
      if (code == 1434) {
        const auto chiffres = std::count_if(montre.begin(), montre.end(), [](char ch) { return est_chiffre(ch); });
        EXPECT_TRUE(chiffres >= 4 && chiffres <= 8 && chiffres % 2 == 0) << montre;
      }
    }

    // 3442: two distinct points never give the distance 0.
    const QuestionPosee q3442 = tirer(3442, {}, graine);
    EXPECT_NE(q3442.reponses.at(0), "0") << q3442.question;
  }
}

TEST_F(Niveau3NombresReperes, TheNextLevelsCodesPrintWhatTheirGeneratorsPrint) {
  const std::vector<std::pair<int, int>> reprises = {{1522, 1422}, {1523, 1423}, {1534, 1434},
                                                     {3541, 3441}, {3542, 3442}, {3543, 3443}};
  for (const auto& [code, original] : reprises) {
    for (std::uint32_t graine = 0; graine < graines / 10; ++graine) {
      const QuestionPosee a = tirer(code, {}, graine);
      const QuestionPosee b = tirer(original, {}, graine);
      EXPECT_EQ(a.question, b.question) << code;
      EXPECT_EQ(a.format, b.format) << code;
      EXPECT_EQ(a.reponses, b.reponses) << code;
      EXPECT_EQ(a.correction, b.correction) << code;
    }
  }
}

}  // namespace
