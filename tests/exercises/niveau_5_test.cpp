#include "exercises/generateurs/niveau_5.h"

#include <gtest/gtest.h>

#include <array>
#include <cfenv>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "engine/syntaxe.h"
#include "exercice_de_test.h"
#include "exercises/catalogue_exercices.h"
#include "exercises/generateurs/decimal_exact.h"
#include "exercises/generateurs/execution.h"
#include "exercises/verification.h"
#include "localisation/catalogue.h"

namespace {

constexpr int graines = 400;
constexpr int indice_1212a = 13;
constexpr int indice_1212b = 18;
constexpr std::array<int, 12> indices = {12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23};

class Niveau5 : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    enregistrer_niveau_5();
    charger_langue_exercices(0);
  }


  static QuestionPosee question(const ExerciceProduit& p) { return question_posee(p); }

  static QuestionPosee tirer(int indice, std::vector<double> script, std::uint32_t graine = 0) {
    return question(lancer_indice(indice, std::move(script), graine));
  }
};

// The pupil's typed answers, judged as the validate button judges them.
bool juge_juste(const QuestionPosee& q, const std::vector<std::string>& saisies) {
  const bool choix = q.format.starts_with("C");
  std::vector<std::string> donnees;
  for (const std::string& s : saisies) donnees.push_back(choix ? s : normalise_saisie(normaliser_reponse(s)));
  std::vector<bool> trouvees;
  return verifier_reponses(q.reponses, donnees, true, trouvees, "", std::vector<bool>(donnees.size(), choix));
}

// The formula between the first "{" and the last "}" of a statement.
std::string formule(const std::string& enonce) {
  const std::size_t debut = enonce.find('{');
  const std::size_t fin = enonce.rfind('}');
  return debut == std::string::npos || fin == std::string::npos ? std::string{}
                                                               : enonce.substr(debut + 1, fin - debut - 1);
}

int indice(int code) { return exercices.indice_du_code(code); }

TEST_F(Niveau5, ScriptedDrawsGiveTheStatementAnswersAndCorrection) {
  struct Cas {
    int indice;
    std::vector<double> script;
    std::string question;
    std::string format;
    std::string reponse;
    std::string correction;
  };
  const std::string resultat = "Quel est le r\xE9sultat de ";
  const std::vector<Cas> cas = {
      {indice(1211), {12, 3, 5}, resultat + "{12*3+5}.", "T", "41", "{41}"},
      {indice_1212a, {5, 4, 3}, resultat + "{5+12/4}.", "T", "8", "{8}"},
      {indice(1213), {2, 3, 4}, resultat + "{20/(3+2)}.", "T", "4", "{4}"},
      {indice(1214), {2, 4, 1}, resultat + "{12/(6/2)}.", "T", "4", "{4}"},
      {indice(1215), {6, 1, 2, 0, 1}, resultat + "7 plus 2 moins 3.", "T", "6", "6"},
      {indice(1216), {3, 0, 0, 0, 1, 0}, resultat + "{(0.25)*(4/1)}.", "T", "1", "{1}"},
      {indice(1216), {1, 7, 4, 2, 1, 1}, resultat + "{(40/2)*(0.75)}.", "T", "15", "{15}"},
      {indice_1212b, {2, 5, 0, 0, 1}, resultat + "{3.1+3.2}.", "T", "6.3", "6.3"},
      {indice_1212b, {0, 5, 1, 0, 9}, resultat + "{1.1-2}.", "T", "-0.9", "-0.9"},
      {indice(1219), {0, 0, 0, 5}, "Comparez les fractions suivantes {1/2}...{1/2}.", "C(<;>;=)", "=", "{1/2}={1/2}"},
      {indice(1219), {0, 0, 0, 1}, "Comparez les fractions suivantes {1/2}...{1/4}.", "C(<;>;=)", ">", "{1/2}>{1/4}"},
      {indice(1220), {0, 0, 1, 0, 2}, "Calculer les fractions suivantes {1/2+1/3}.", "T", "5/6", "{5/6}"},
      {indice(1220), {1, 0, 1, 0, 1}, "Calculer les fractions suivantes {1/2-1/2}.", "T", "0", "{0}"},
      {indice(1223), {1, 3, 4, 1, 1, 9, 0, 0}, resultat + "{(4-5)+(2+10)}.", "T", "11", "11"},
      {indice(1225), {2, 3}, "Quel est le chiffre manquant dans l'expression suivante {12/?}=4.", "T", "3", "3"},
      {indice(1226), {3, 5, 0, 1, 1, 0, 0}, "L'\xE9galit\xE9 suivante 3+x-5 = 0 est-elle vraie pour x = 2?",
       "C(oui;non)", "oui", "oui"},
      {indice(1226), {0, 5, 0, 0, 1, 1, 1}, "L'\xE9galit\xE9 suivante 0+x+5 = 6 est-elle vraie pour x = 2?",
       "C(oui;non)", "non", "non"},
  };
  for (const Cas& c : cas) {
    const QuestionPosee q = tirer(c.indice, c.script);
    EXPECT_EQ(q.question, c.question) << c.indice;
    EXPECT_EQ(q.format, c.format) << c.indice;
    EXPECT_EQ(q.reponses, std::vector<std::string>{c.reponse}) << c.indice;
    EXPECT_EQ(q.correction, c.correction) << c.indice;
    EXPECT_TRUE(juge_juste(q, {c.reponse})) << c.indice;
  }
}

TEST_F(Niveau5, ZeroDivisorsAndNonPositiveSumsAreDrawnAgain) {
  // 1212: c = 0 is drawn again before k.
  EXPECT_EQ(formule(tirer(indice_1212a, {5, 0, 0, 4, 3}).question), "5+12/4");
  // 1213: b + c = 0 draws both again.
  EXPECT_EQ(formule(tirer(indice(1213), {0, 0, 2, 3, 4}).question), "20/(3+2)");
  // 1215: 1 moins 1 moins 5 is below 0, so everything is drawn again.
  const QuestionPosee somme = tirer(indice(1215), {0, 0, 4, 1, 1, 6, 1, 2, 0, 1});
  EXPECT_EQ(somme.question, "Quel est le r\xE9sultat de 7 plus 2 moins 3.");
  // 3 moins 1 moins 2 is 0: drawn again too.
  EXPECT_EQ(tirer(indice(1215), {2, 0, 1, 1, 1, 6, 1, 2, 0, 1}).reponses, std::vector<std::string>{"6"});
}

TEST_F(Niveau5, EnglishStatementsUseTheEnglishWords) {
  charger_langue_exercices(1);
  const QuestionPosee somme = tirer(indice(1215), {6, 1, 2, 0, 1});
  const QuestionPosee egalite = tirer(indice(1226), {3, 5, 0, 1, 1, 0, 0});
  charger_langue_exercices(0);
  EXPECT_EQ(somme.question, "What is the result of 7 plus 2 minus 3?");
  EXPECT_EQ(egalite.format, "C(yes;no)");
  EXPECT_EQ(egalite.reponses, std::vector<std::string>{"yes"});
}

// Every seed: the answers are exact, the question typed back is judged right,
// and the rounding mode is left as it was.
TEST_F(Niveau5, EverySeedKeepsTheDrawRulesAndExactAnswers) {
  int oui = 0;
  for (std::uint32_t graine = 0; graine < graines; ++graine) {
    for (const int i : indices) {
      const int mode = std::fegetround();
      const QuestionPosee q = tirer(i, {}, graine);
      EXPECT_EQ(std::fegetround(), mode) << i;
      ASSERT_EQ(q.reponses.size(), 1U) << i;
      const std::string texte = formule(q.question);
      if (q.format == "T" && !texte.empty() && texte.find('?') == std::string::npos) {
        EXPECT_TRUE(juge_juste(q, {texte})) << q.question;
      }
    }
    const QuestionPosee somme = tirer(indice(1215), {}, graine);
    EXPECT_NE(somme.reponses[0], "0");
    EXPECT_NE(somme.reponses[0][0], '-') << somme.question;

    const QuestionPosee produit = tirer(indice(1216), {}, graine);
    EXPECT_TRUE(DecimalExact::lire(produit.reponses[0]).has_value()) << produit.question;
    EXPECT_EQ(produit.reponses[0].find('.'), std::string::npos) << produit.question;
    // "(A)*(B)": an operand without "/" is a short decimal form, not whole.
    const std::string facteurs = formule(produit.question);
    const std::size_t milieu = facteurs.find(")*(");
    ASSERT_NE(milieu, std::string::npos) << produit.question;
    const std::string premier = facteurs.substr(1, milieu - 1);
    const std::string second = facteurs.substr(milieu + 3, facteurs.size() - milieu - 4);
    for (const std::string& facteur : {premier, second}) {
      if (facteur.find('/') != std::string::npos) continue;
      const auto d = DecimalExact::lire(facteur);
      ASSERT_TRUE(d.has_value()) << produit.question;
      EXPECT_TRUE(d->decimales() >= 1 && d->decimales() <= 4) << produit.question;
    }

    const QuestionPosee decimaux = tirer(indice_1212b, {}, graine);
    const std::string operation = formule(decimaux.question);
    const std::size_t signe = operation.find_first_of("+-");
    const auto x = DecimalExact::lire(operation.substr(0, signe));
    const auto y = DecimalExact::lire(operation.substr(signe + 1));
    ASSERT_TRUE(x && y) << operation;
    EXPECT_LE(x->decimales(), 1);
    EXPECT_LE(y->decimales(), 1);
    const auto attendu = operation[signe] == '+' ? x->plus(*y) : x->moins(*y);
    EXPECT_EQ(decimaux.reponses[0], attendu->texte()) << operation;

    const std::string fraction = tirer(indice(1220), {}, graine).reponses[0];
    const std::size_t barre = fraction.find('/');
    if (barre != std::string::npos) {
      const long long n = std::stoll(fraction.substr(0, barre));
      const long long d = std::stoll(fraction.substr(barre + 1));
      EXPECT_GT(d, 1) << fraction;
      EXPECT_EQ(std::gcd(n, d), 1) << fraction;
    }

    oui += tirer(indice(1226), {}, graine).reponses[0] == "oui" ? 1 : 0;
  }
  EXPECT_GT(oui, graines * 2 / 5);
  EXPECT_LT(oui, graines * 3 / 5);
}

}  // namespace
