// The soundness check every generator's exercises go through, on small
// generators written to be sound or to break one rule each.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exercises/catalogue_exercices.h"
#include "exercises/generateurs/controle.h"
#include "exercises/generateurs/outils.h"
#include "localisation/catalogue.h"
#include "localisation/nombres.h"

namespace {

void division(ContexteGenerateur& c) {
  c.presentateur.preparer_exercice();
  const int b = RandomRange(c, 2, 10);
  const int q = Random(c, 10);
  const int r = Random(c, b);
  const std::string a = texte_entier(b * q + r);
  c.presentateur.poser_question("Divisez {" + a + "} par " + texte_entier(b) + ".", "T[quotient];T[reste]",
                                {texte_entier(q), texte_entier(r)}, "ok", true);
}

void signe(ContexteGenerateur& c) {
  c.presentateur.preparer_exercice();
  c.presentateur.poser_question_choix("7 ... 3=4 (50 %)", {"+", "-", "*", ":"}, "-", "{7-3}=4");
}

void racines(ContexteGenerateur& c) {
  c.presentateur.preparer_exercice();
  c.presentateur.definir_reponses_ordonnees(false);
  c.presentateur.poser_question("x^2=6.25", "T;T", {"2.5", "-2.5"}, "2.5;-2.5", true);
}

void convertit(ContexteGenerateur& c) {
  c.presentateur.preparer_exercice();
  c.presentateur.poser_question_saisie("3 cm2 = ... dam2", "0.000003", "0.000003");
}

template <class F>
Tgenerateur question(F) {
  return [](ContexteGenerateur& c) {
    c.presentateur.preparer_exercice();
    F{}(c);
  };
}

class Controle : public ::testing::Test {
 protected:
  void SetUp() override {
    remplir_textes(0);
    charger_exercices();
  }
};

TEST_F(Controle, SoundExercisesPassForManySeeds) {
  for (const Tgenerateur g : {&division, &signe, &racines, &convertit}) {
    for (std::uint32_t graine = 0; graine < 50; ++graine) {
      const ExerciceProduit p = executer_generateur(g, graine, {});
      const auto fautes = fautes_exercice(p);
      ASSERT_TRUE(fautes.empty()) << fautes.front();
    }
  }
}

TEST_F(Controle, EachBrokenRuleIsReported) {
  const struct {
    Tgenerateur generateur;
    std::string faute;
  } cas[] = {
      {[](ContexteGenerateur& c) { c.presentateur.poser_question_saisie("1+1", "2", "2"); }, "preparer_exercice"},
      {question([](ContexteGenerateur& c) {
         c.presentateur.poser_question_saisie("1+1", "2", "2");
         c.presentateur.poser_question_saisie("1+1", "2", "2");
       }),
       "not one presenter call"},
      {question([](ContexteGenerateur& c) { c.presentateur.poser_question_saisie("%d+1", "2", "2"); }), "placeholder"},
      {question([](ContexteGenerateur& c) { c.presentateur.poser_question_saisie("a %0:s b", "2", "2"); }),
       "placeholder"},
      {question([](ContexteGenerateur& c) { c.presentateur.poser_question_saisie("{1+{1}", "2", "2"); }), "open"},
      {question([](ContexteGenerateur& c) { c.presentateur.poser_question_saisie("1/0=INF", "2", "2"); }), "INF"},
      {question([](ContexteGenerateur& c) { c.presentateur.poser_question_saisie("erreur(x)", "2", "2"); }),
       "erreur("},
      {question([](ContexteGenerateur& c) { c.presentateur.poser_question_saisie("3 cm2", "3E-6", "3E-6"); }),
       "exponent"},
      {question([](ContexteGenerateur& c) { c.presentateur.poser_question_saisie("1+1", "", "2"); }), "empty"},
      {question([](ContexteGenerateur& c) { c.presentateur.poser_question_saisie("1+1", "2", ""); }), "correction"},
      {question([](ContexteGenerateur& c) { c.presentateur.poser_question_double("1+1", {"2"}, "2"); }),
       "one expected answer per slot"},
      {question([](ContexteGenerateur& c) { c.presentateur.poser_question_choix("1 ... 1", {"<", ">"}, "=", "="); }),
       "not among the items"},
      {question([](ContexteGenerateur& c) { c.presentateur.poser_question_saisie("x+1", "X+1", "X+1"); }),
       "judged wrong"},
      {question([](ContexteGenerateur& c) { c.presentateur.poser_question_double("x^2=4", {"2", "-2"}, "2"); }),
       ""},
      {question([](ContexteGenerateur& c) {
         c.presentateur.definir_reponses_ordonnees(false);
         c.presentateur.poser_question_double("x^2=4", {"2", "2*1"}, "2");
       }),
       ""},
      {question([](ContexteGenerateur& c) {
         for (;;) Random(c, 10);
       }),
       "the run stopped"},
  };
  for (const auto& c : cas) {
    const auto fautes = fautes_exercice(executer_generateur(c.generateur, 1, {}));
    if (c.faute.empty()) {
      EXPECT_TRUE(fautes.empty()) << fautes.front();
      continue;
    }
    ASSERT_FALSE(fautes.empty()) << c.faute;
    bool trouvee = false;
    for (const auto& f : fautes) trouvee = trouvee || f.find(c.faute) != std::string::npos;
    EXPECT_TRUE(trouvee) << c.faute << " / " << fautes.front();
  }
}

TEST(ControleTextes, ChangedAnswersAndPlaceholders) {
  EXPECT_EQ(reponse_changee("3"), "4");
  EXPECT_EQ(reponse_changee("-1"), "0");
  EXPECT_EQ(reponse_changee("0.000003"), "1.0000045");
  EXPECT_EQ(reponse_changee("2"), "3");
  EXPECT_EQ(reponse_changee("1/2"), "1/2");
  for (const char* oui : {"%d", "a %s b", "%g", "%0:s", "%.2f", "%1:d"}) EXPECT_TRUE(a_marque_format(oui)) << oui;
  for (const char* non : {"50 %", "50 % des", "100%", "%", "% ."}) EXPECT_FALSE(a_marque_format(non)) << non;
}

}  // namespace

namespace {

// A headless run hands out the script first, gathers the messages shown
// (then puts the messenger back) and keeps the chart calls as lines.
TEST_F(Controle, ARunTakesItsScriptGathersMessagesAndRecordsTheChart) {
  ReglagesExecution reglages;
  reglages.mode_test = true;
  for (int i = 0; i < 52; ++i) reglages.script.insert(reglages.script.end(), {0, 0});
  reglages.script.insert(reglages.script.end(), {1, 2});
  const ExerciceProduit p = executer_generateur(
      [](ContexteGenerateur& c) {
        c.presentateur.preparer_exercice();
        const std::string n = generer_relatif(c, 3);
        c.graphique.RemoveAllSeries();
        const int s = c.graphique.NewPointSeries();
        c.graphique.AddXY(s, 2, -1.5);
        c.graphique.SetPenColor(s, 0x008000);
        c.graphique.SetMinMax(GraphiqueExercice::Axe::gauche, 0, 10);
        c.graphique.SetAutomatic(GraphiqueExercice::Axe::bas, false);
        c.graphique.SetEnabled(true);
        c.calculatrice.definir_texte(n);
        c.presentateur.poser_question_saisie(n, n, n);
      },
      3, reglages);
  EXPECT_EQ(p.messages, std::vector<std::string>(2, "Erreur:boucle infinie generer_relatif"));
  EXPECT_EQ(p.tirages, 106U);
  EXPECT_EQ(p.presentateur.questions.at(0).reponses.at(0), "-2");
  EXPECT_EQ(p.graphique.appels,
            (std::vector<std::string>{"RemoveAllSeries", "NewPointSeries 0", "AddXY 0 2 -1.5", "SetPenColor 0 0x008000",
                                      "gauche SetMinMax 0 10", "bas SetAutomatic 0", "SetEnabled 1"}));
  EXPECT_EQ(p.graphique.SeriesCount(), 1);
  EXPECT_EQ(p.graphique.Count(0), 1);
  EXPECT_EQ(p.graphique.Count(1), 0);
  EXPECT_TRUE(p.graphique.series[0].points);
  EXPECT_TRUE(p.graphique.actif);
  EXPECT_FALSE(p.graphique.visible);
  EXPECT_EQ(p.calculatrice.textes.size(), 1U);
  EXPECT_TRUE(fautes_exercice(p).empty());

  // Scripted draws outside their bound stop the run with a message.
  ReglagesExecution faux;
  faux.script = {10};
  const ExerciceProduit arret = executer_generateur(&division, 1, faux);
  ASSERT_TRUE(arret.erreur.has_value());
  EXPECT_FALSE(fautes_exercice(arret).empty());
}

}  // namespace
