#include "exercises/generateurs/niveau_4.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "exercice_de_test.h"
#include "exercises/catalogue_exercices.h"
#include "exercises/generateurs/decimal_exact.h"
#include "exercises/generateurs/execution.h"
#include "exercises/verification.h"
#include "engine/syntaxe.h"
#include "localisation/catalogue.h"

namespace {

constexpr int graines = 400;
const std::vector<int> codes = {1311, 1312, 1313, 1314, 1315, 1316, 1317, 1318, 1319,
                                1322, 1324, 1325, 1326, 1327, 1328, 1329, 1330, 3300};

class Niveau4 : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    enregistrer_niveau_4();
    charger_langue_exercices(0);
  }

  static ExerciceProduit lancer(int code, std::vector<double> script, std::uint32_t graine = 0) {
    return lancer_code(code, std::move(script), graine);
  }

  static QuestionPosee question(const ExerciceProduit& p) { return question_posee(p); }
};

// The pupil's typed answers, judged as the validate button judges them.
bool juge_juste(const QuestionPosee& q, const std::vector<std::string>& saisies) {
  const bool choix = q.format.starts_with("C");
  std::vector<std::string> donnees;
  for (const std::string& s : saisies) donnees.push_back(choix ? s : normalise_saisie(normaliser_reponse(s)));
  std::vector<bool> trouvees;
  return verifier_reponses(q.reponses, donnees, true, trouvees, "", std::vector<bool>(donnees.size(), choix));
}

TEST_F(Niveau4, TheShownExpressionHasTheExpectedValueAndAWrongOneIsRefused) {
  // The checker compares values: the expression shown, typed back, is right;
  // twice the expected answer is wrong.
  for (std::uint32_t graine = 0; graine < graines / 4; ++graine) {
    for (const int code : {1312, 1315, 1316, 1317, 1318, 1319, 1325, 1326}) {
      const QuestionPosee q = question(lancer(code, {}, graine));
      const std::string formule = derniere_formule(q.question);
      EXPECT_TRUE(juge_juste(q, {formule})) << q.question << " " << q.reponses.at(0);
      EXPECT_FALSE(juge_juste(q, {"(" + q.reponses.at(0) + ")*2"})) << q.question;
    }
  }
}

TEST_F(Niveau4, ScriptedDrawsGiveTheStatementAnswersAndCorrection) {
  const std::string approchee = "Donnez une valeur approch\xE9" "e \xE0 0,1 pr\xE9s de la fraction suivante ";
  const std::string produit_10 = "Mettre sous la forme d'une puissance de 10 le produit suivant : ";
  const std::string notation = "Ecrire en utilisant la notation scientifique le nombre suivant : ";
  const std::string racine = "Donnez une valeur approch\xE9" "e \xE0 {10^-1} de ";
  const std::string encadrement = "Donnez un encadrement \xE0 {10^-";
  const std::string irreductible = "Mettre sous la forme d'une fraction irr\xE9" "ductible : ";
  const std::string libelles = "T[Sup\xE9rieur \xE0];T[Inf\xE9rieur \xE0]";
  const std::vector<QuestionScriptee> cas = {
      // 1311: 1 and -0 are drawn again, -1 is kept.
      {1311, {0, 1, 1, 0, 1, 1, 0, 3}, "Calculer le produit suivant : {(-1)*3}.", "T", {"-3"}, "-3"},
      {1312, {1, 2}, "Mettre sous la forme {a*1/b} la fraction suivante {3/4}.", "T", {"3*1/4"}, "{3*1/4}"},
      // 6 and 10 share a factor: b is drawn again.
      {1312, {4, 8, 3}, "Mettre sous la forme {a*1/b} la fraction suivante {6/5}.", "T", {"6*1/5"}, "{6*1/5}"},
      // Halves away from zero on tenths: 1.25 gives 1.3 and -1.25 gives -1.3.
      {1313, {0, 1, 5, 0, 1, 0}, approchee + "{(2.5)/(2)}.", "T", {"1.3"}, "1.3"},
      {1313, {1, 1, 5, 0, 1, 0}, approchee + "{(-2.5)/(2)}.", "T", {"-1.3"}, "-1.3"},
      {1314, {0, 1, 3, 0}, "Simplifiez la fraction suivante {(2*5)/(3*5)}.", "T", {"2/3"}, "{2/3}"},
      {1314, {4, 4, 0, 0, 1}, "Simplifiez la fraction suivante {(2*6)/(2*2)}.", "T", {"3"}, "{3}"},
      // A zero is drawn again.
      {1315, {0, 2, 0, 3, 1, 0, 0, 0, 1, 9, 0, 4}, irreductible + "{(2*(-9))/(3*4)} .", "T", {"-3/2"}, "{-3/2}"},
      {1316, {0, 1, 0, 2, 0, 3, 0, 4}, irreductible + "{(2/3)/(4/5)}.", "T", {"5/6"}, "{5/6}"},
      // An empty polynomial, then a sum of 0, are drawn again.
      {1325, {0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 2, 0, 0, 1, 1, 2, 0, 0, 1, 0, 1, 0, 0, 1, 0},
       "Simplifier l'expression suivante {1+2*x-(x)+(x^2)}.", "T", {"1+x+x^2"}, "{1+x+x^2}"},
      {1326, {0, 2, 0, 3, 1, 1, 0, 1}, "Developper l'expression suivante {(2*a+3*b)*(-a+b)}.", "T",
       {"-a*b-2*a^2+3*b^2"}, "{-a*b-2*a^2+3*b^2}"},
      {1317, {0, 2, 1, 4}, produit_10 + "{10^(3)*10^(-5)}.", "T", {"10^(-2)"}, "{10^(-2)}"},
      {1318, {0, 1, 1, 2}, produit_10 + "{(10^(2))^(-3)}.", "T", {"10^-6"}, "{10^-6}"},
      {1319, {0.05, 2, 0, 17, 0, 0}, notation + "{0.05}.", "T", {"5*10^(-2)"}, "{5*10^(-2)}"},
      {1319, {0.05, 2, 1, 17, 0, 0}, notation + "{-0.05}.", "T", {"-5*10^(-2)"}, "{-5*10^(-2)}"},
      {1319, {0.5, 1, 0, 1234, 0, 1}, notation + "{1234.5}.", "T", {"1.2345*10^(3)"}, "{1.2345*10^(3)}"},
      // An integer value is drawn again, now with up to three decimals.
      {1319, {0.5, 0, 0, 7, 0, 1, 0.123, 3, 1, 0, 0, 0}, notation + "{-0.123}.", "T", {"-1.23*10^(-1)"},
       "{-1.23*10^(-1)}"},
      // Bases 1 and 0 are drawn again.
      {1322, {1, 0, 7, 0, 2, 1, 5},
       "Par quelle valeur faut il remplacer le point d'interrogation pour que l'\xE9galit\xE9 suivante soit vraie ? "
       ":\xA8{7^(2)*7^(?)}={7^(-3)}.",
       "T", {"-5"}, "-5"},
      {1324, {0.3, 1, 2, 0}, racine + "{sqrt(2)}.", "T", {"1.4"}, "{1.4}"},
      {1324, {0.25, 2, 12, 1}, racine + "{sqrt(12.25)}.", "T", {"3.5"}, "{3.5}"},
      // Both coefficients 0 are drawn again, for P and for Q.
      {1327, {2, 3, 0, 0, 1, 2, 0, 0, 0, 4}, "Calculer l'expression suivante {1+2*x+4*y} pour x=2 ,y=3.", "T",
       {"17"}, "17"},
      // 12/2 against 18/3 are equal: drawn again; 2/4 is shown as 0.5, the whole 12/2 as it stands.
      {1328, {1, 2, 3, 8, 3, 1, 0, 2, 1, 1}, "Comparer les deux expressions suivantes {0.5} ... {12/2}.", "C(<;>)",
       {"<"}, "{0.5}<{12/2}"},
      {1328, {0, 0, 4, 0, 0, 0}, "Comparer les deux expressions suivantes {5/1} ... {1/1}.", "C(<;>)", {">"},
       "{5/1}>{1/1}"},
      // 7/10 at 10^-1 is exact: drawn again.
      {1329, {0, 6, 9, 1, 1, 2}, encadrement + "2} pr\xE8s de l'expression suivante {2/3}.", libelles,
       {"0.66", "0.67"}, "0.66<{2/3}<0.67"},
      {1329, {2, 1, 0}, encadrement + "3} pr\xE8s de l'expression suivante {sqrt(2)}.", libelles,
       {"1.414", "1.415"}, "1.414<{sqrt(2)}<1.415"},
      // sqrt(4) is exact: drawn again.
      {1329, {0, 3, 1, 1, 1, 2}, encadrement + "2} pr\xE8s de l'expression suivante {2/3}.", libelles,
       {"0.66", "0.67"}, "0.66<{2/3}<0.67"},
      {1330, {9, 4, 2},
       "J'ai un nombre, je lui ajoute 5, je retranche 3 au resultat et j'obtiens 12, quel est ce nombre?", "T",
       {"10"}, "10"},
      {3300, {0, 0, 2, 3}, "Dans le triangle ABC rectangle en A, on donne AB=3 et AC=4.<BR>Calculer BC.", "T", {"5"},
       "5"},
  };
  for (const QuestionScriptee& c : cas) verifier_question(c);
}

TEST_F(Niveau4, EverySeedKeepsTheDrawRulesAndTheRoundingMode) {
  for (std::uint32_t graine = 0; graine < graines; ++graine) {
    for (const int code : codes) {
      std::fesetround(FE_DOWNWARD);
      question(lancer(code, {}, graine));
      EXPECT_EQ(std::fegetround(), FE_DOWNWARD) << code;
      std::fesetround(FE_TONEAREST);
    }
    const QuestionPosee scientifique = question(lancer(1319, {}, graine));
    const auto v = DecimalExact::lire(entre(scientifique.question, ": {", "}."));
    ASSERT_TRUE(v) << scientifique.question;
    EXPECT_FALSE(v->est_entier()) << scientifique.question;
    const std::string& r = scientifique.reponses.at(0);
    const auto m = DecimalExact::lire(r.substr(0, r.find('*')));
    ASSERT_TRUE(m) << r;
    EXPECT_TRUE(comparer(m->fois(DecimalExact(m->mantisse() < 0 ? -1 : 1)).value(), DecimalExact(1)) >= 0 &&
                comparer(m->fois(DecimalExact(m->mantisse() < 0 ? -1 : 1)).value(), DecimalExact(10)) < 0)
        << r;

    const QuestionPosee bornes = question(lancer(1329, {}, graine));
    const auto l = DecimalExact::lire(bornes.reponses.at(0));
    const auto h = DecimalExact::lire(bornes.reponses.at(1));
    const auto k = DecimalExact::lire(entre(bornes.question, "{10^-", "}"));
    ASSERT_TRUE(l && h && k) << bornes.question;
    EXPECT_EQ(h->moins(*l), DecimalExact(1, -static_cast<int>(*k->entier()))) << bornes.question;

    const QuestionPosee racine = question(lancer(1324, {}, graine));
    const auto x = DecimalExact::lire(entre(racine.question, "{sqrt(", ")}"));
    const auto t = DecimalExact::lire(racine.reponses.at(0));
    ASSERT_TRUE(x && t) << racine.question;
    EXPECT_LT(std::abs(t->valeur() - std::sqrt(x->valeur())), 0.05) << racine.question;

    const QuestionPosee produit = question(lancer(1311, {}, graine));
    for (const std::string operande : {"{0*", "{1*", "{(-0)", "*0}", "*1}"}) {
      EXPECT_EQ(produit.question.find(operande), std::string::npos) << produit.question;
    }

    const QuestionPosee triangle = question(lancer(3300, {}, graine));
    EXPECT_EQ(triangle.reponses.at(0).find_first_not_of("0123456789"), std::string::npos);
  }
}

}  // namespace
