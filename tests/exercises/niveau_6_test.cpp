#include "exercises/generateurs/niveau_6.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
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

class Niveau6 : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    enregistrer_niveau_6();
    charger_langue_exercices(0);
  }

  static ExerciceProduit lancer(int code, std::vector<double> script, std::uint32_t graine = 0) {
    return lancer_code(code, std::move(script), graine);
  }

  static QuestionPosee question(const ExerciceProduit& p) { return question_posee(p); }
};

// The pupil's typed answers, judged as the validate button judges them.
// A choice (format "C(...)") is compared as the item's text.
bool juge_juste(const QuestionPosee q, const std::vector<std::string>& saisies) {
  const bool choix = q.format.starts_with("C");
  std::vector<std::string> donnees;
  for (const std::string& s : saisies) donnees.push_back(choix ? s : normalise_saisie(normaliser_reponse(s)));
  std::vector<bool> trouvees;
  return verifier_reponses(q.reponses, donnees, true, trouvees, "", std::vector<bool>(donnees.size(), choix));
}

// The integers of a text, in order (a "-" right before digits is a sign
// only at the start or after a blank).
std::vector<long long> entiers(const std::string& texte) {
  std::vector<long long> liste;
  for (std::size_t i = 0; i < texte.size();) {
    if (texte[i] < '0' || texte[i] > '9') {
      ++i;
      continue;
    }
    long long n = 0;
    while (i < texte.size() && texte[i] >= '0' && texte[i] <= '9') n = n * 10 + (texte[i++] - '0');
    liste.push_back(n);
  }
  return liste;
}

TEST_F(Niveau6, ScriptedDrawsGiveTheStatementAnswersAndCorrection) {
  const std::vector<QuestionScriptee> cas = {
      {1111, {12, 85}, "Comparez les nombres suivants: 12 ... 85.", "C(<;>)", {"<"}, "12<85"},
      {1112, {3, 7, 1}, "Quel est le signe manquant dans l'expression:  7 ... 3=4.", "C(+;-;*;:)", {"-"}, "{7-3}=4"},
      {1112, {3, 4, 3}, "Quel est le signe manquant dans l'expression:  12 ... 4=3.", "C(+;-;*;:)", {":"}, "{12:4}=3"},
      {1113, {3, 4}, "Quel est le r\xE9sultat de 30% de 40.", "T", {"12"}, "12"},
      {1114, {0, 1, -3}, "Quel est le r\xE9sultat du produit suivant:  0.001 * 0.001 ?", "T", {"0.000001"},
       "0.000001"},
      {1114, {12, 500, 2}, "Quel est le r\xE9sultat du produit suivant:  12 * 100 ?", "T", {"1200"}, "1200"},
      {1115, {700, 300, 1}, "Quel est le r\xE9sultat de l'op\xE9ration suivante 700-300.", "T", {"400"}, "400"},
      {1116, {17, 4}, "Calculer le quotient et le reste de la division euclidienne de 17 par 5.",
       "T[quotient];T[reste]", {"3", "2"}, "3;2"},
      {1117, {0, 56, 50000}, "Arrondir au nombre entier le plus proche 56.5.", "T", {"57"}, "57"},
      {1117, {4, 3, 62345}, "Donnez l'arrondi \xE0 4 chiffres apr\xE8s la virgule de : 3.62345.", "T", {"3.6235"},
       "3.6235"},
      {1117, {1, 0, 99999}, "Arrondir \xE0 un chiffre apr\xE8s la virgule 0.99999.", "T", {"1"}, "1"},
      {1119, {5, 2, 1, 0}, "Quel est le nombre manquant dans l'expression suivante :    ...-3 = 3.", "T", {"6"},
       "6-3=3"},
      {1120, {7, 7, 1}, "Le p\xE9rim\xE8tre d'un carr\xE9 est donn\xE9 par la formule 4*l, o\xF9 l repr\xE9sente la "
                        "longueur d'un cot\xE9. Calculez le perim\xE8tre d' un carr\xE9 de longueur l=8.",
       "T", {"32"}, "32"},
      {1122, {2, 0, 4, 2}, "Convertir en D\xE9" "cam\xE8tres carr\xE9s, 3 Centim\xE8tres carr\xE9s.", "T",
       {"0.000003"}, "0.000003"},
      {1122, {9, 1, 0, 1}, "Convertir en Millim\xE8tres, 10 D\xE9" "cim\xE8tres.", "T", {"1000"}, "1000"},
  };
  for (const QuestionScriptee& c : cas) {
    const QuestionPosee q = verifier_question(c);
    EXPECT_TRUE(juge_juste(q, c.reponses)) << c.code;
  }
}

TEST_F(Niveau6, ConversionsAndProductsAreJudgedOnTheirExactValue) {
  const QuestionPosee q = question(lancer(1122, {2, 0, 4, 2}));
  EXPECT_TRUE(juge_juste(q, {"0.000003"}));
  EXPECT_TRUE(juge_juste(q, {"3/1000000"}));
  EXPECT_FALSE(juge_juste(q, {"0.0000045"}));
  EXPECT_FALSE(juge_juste(q, {"0"}));
  const QuestionPosee produit = question(lancer(1114, {0, 1, -3}));
  EXPECT_TRUE(juge_juste(produit, {"0.000001"}));
  EXPECT_FALSE(juge_juste(produit, {"0.00001"}));
}

TEST_F(Niveau6, RedrawsEndAndNeverLeaveAnAmbiguousQuestion) {
  // 1116 with a = 0: only a new pair can satisfy b <= a.
  const QuestionPosee division = question(lancer(1116, {0, 50}));
  const auto nombres = entiers(division.question);
  ASSERT_EQ(nombres.size(), 2U);
  EXPECT_LE(nombres[1], nombres[0]);
  // 1112 drawn 2, 2 with "+": "*" gives 4 too, so everything is drawn again.
  const QuestionPosee signe = question(lancer(1112, {2, 2, 0}));
  EXPECT_NE(signe.question.find(":  "), std::string::npos);
  EXPECT_EQ(signe.question.find("2 ... 2=4"), std::string::npos);
  EXPECT_EQ(question(lancer(1112, {4, 2, 1})).question.find("4 ... 2=2"), std::string::npos);
}

int operateurs_possibles(long long a, long long b, long long c) {
  return (a + b == c) + (a - b == c) + (a * b == c) + (b != 0 && a % b == 0 && a / b == c);
}

TEST_F(Niveau6, EverySeedKeepsTheDrawRules) {
  const auto& t = catalogue_textes;
  const std::vector<std::string> longueurs = {t.unite_millimetres, t.unite_centimetres, t.unite_decimetres,
                                              t.unite_metres,      t.unite_decametres,  t.unite_hectometres,
                                              t.unite_kilometres};
  const std::vector<std::string> aires = {t.unite_millimetres_carres, t.unite_centimetres_carres,
                                          t.unite_decimetres_carres,  t.unite_metres_carres,
                                          t.unite_decametres_carres,  t.unite_hectometres_carres,
                                          t.unite_kilometres_carres};
  const auto famille = [&](const std::string& nom) {
    if (std::find(longueurs.begin(), longueurs.end(), nom) != longueurs.end()) return 1;
    return std::find(aires.begin(), aires.end(), nom) != aires.end() ? 2 : 0;
  };
  for (std::uint32_t graine = 0; graine < graines; ++graine) {
    const auto comparaison = entiers(question(lancer(1111, {}, graine)).question);
    ASSERT_EQ(comparaison.size(), 2U);
    EXPECT_NE(comparaison[0], comparaison[1]) << graine;

    const auto signe = entiers(question(lancer(1112, {}, graine)).question);
    ASSERT_EQ(signe.size(), 3U);
    EXPECT_EQ(operateurs_possibles(signe[0], signe[1], signe[2]), 1) << graine;

    const QuestionPosee operation = question(lancer(1115, {}, graine));
    EXPECT_NE(operation.reponses[0][0], '-') << operation.question;

    const auto division = entiers(question(lancer(1116, {}, graine)).question);
    ASSERT_EQ(division.size(), 2U);
    EXPECT_TRUE(division[1] >= 1 && division[1] <= division[0]) << graine;

    const QuestionPosee produit = question(lancer(1114, {}, graine));
    const auto x = DecimalExact::lire(entre(produit.question, ":  ", " * "));
    const auto puissance = DecimalExact::lire(entre(produit.question, " * ", " ?"));
    ASSERT_TRUE(x && puissance) << produit.question;
    const std::int64_t milliemes = *x->fois_puissance_dix(3)->entier() % 1000;
    EXPECT_TRUE(milliemes <= 300 || milliemes >= 700) << produit.question;
    const std::vector<std::string> puissances = {"0.001", "0.01", "0.1", "10", "100"};
    EXPECT_NE(std::find(puissances.begin(), puissances.end(), puissance->texte()), puissances.end());
    EXPECT_EQ(produit.reponses[0], x->fois(*puissance)->texte());

    const QuestionPosee arrondi = question(lancer(1117, {}, graine));
    const std::string& enonce = arrondi.question;
    const std::size_t blanc = enonce.rfind(' ');
    const auto x_arrondi = DecimalExact::lire(enonce.substr(blanc + 1, enonce.size() - blanc - 2));
    ASSERT_TRUE(x_arrondi) << enonce;
    EXPECT_LE(x_arrondi->decimales(), 5) << enonce;
    if (enonce.starts_with("Arrondir au nombre entier")) {
      EXPECT_EQ(arrondi.reponses[0], x_arrondi->arrondi(0)->texte()) << enonce;
    }

    const QuestionPosee conversion = question(lancer(1122, {}, graine));
    const std::string vers = entre(conversion.question, "Convertir en ", ", ");
    const std::string depuis = entre(conversion.question.substr(conversion.question.find(", ") + 2), " ", ".");
    EXPECT_NE(vers, depuis);
    EXPECT_NE(famille(vers), 0) << conversion.question;
    EXPECT_EQ(famille(vers), famille(depuis)) << conversion.question;
  }
}

TEST_F(Niveau6, ChartExercisesRecordTheirCalls) {
  const ExerciceProduit droite = lancer(1118, {4});
  EXPECT_EQ(droite.graphique.appels,
            (std::vector<std::string>{"RemoveAllSeries", "gauche SetVisible 0", "NewLineSeries 0",
                                      "bas SetPositionPercent 50", "gauche SetGridVisible 0",
                                      "bas SetGridVisible 0", "gauche SetMinMax 0 10", "gauche SetAutomatic 0",
                                      "bas SetMinMax 0 10", "bas SetAutomatic 0", "SetVisible 1",
                                      "SetEnabled 1"}));
  const QuestionPosee clic = question(droite);
  EXPECT_EQ(clic.question, "Cliquez sur le point d'abscisse 4.");
  EXPECT_EQ(clic.format, "T");
  EXPECT_FALSE(clic.avec_saisie);
  EXPECT_EQ(clic.reponses, std::vector<std::string>{"4"});

  const std::vector<std::string> repere = {"SetVisible 1",
                                           "RemoveAllSeries",
                                           "NewPointSeries 0",
                                           "gauche SetGridVisible 1",
                                           "gauche SetPositionPercent 0",
                                           "bas SetGridVisible 1",
                                           "bas SetPositionPercent 0",
                                           "gauche SetVisible 1",
                                           "gauche SetMinMax 0 10",
                                           "gauche SetAutomatic 0",
                                           "bas SetMinMax 0 10",
                                           "bas SetAutomatic 0"};
  const ExerciceProduit lire = lancer(1121, {0, 3, 7});
  std::vector<std::string> attendus = repere;
  attendus.insert(attendus.end(), {"AddXY 0 3 7", "SetPenColor 0 0x008000",
                                   "SetPenWidth 0 2"});
  EXPECT_EQ(lire.graphique.appels, attendus);
  ASSERT_EQ(lire.graphique.series.size(), 1U);
  EXPECT_EQ(lire.graphique.series[0].couleur, 0x008000U);
  EXPECT_FALSE(lire.graphique.actif);
  const QuestionPosee lecture = question(lire);
  EXPECT_EQ(lecture.question, catalogue_textes.enonce_quelles_sont_coordonnees);
  EXPECT_EQ(lecture.format, "T[abscisse];T[ordonn\xE9" "e]");
  EXPECT_EQ(lecture.reponses, (std::vector<std::string>{"3", "7"}));
  EXPECT_EQ(lecture.correction, "3;7");
  EXPECT_TRUE(lire.presentateur.saisie);

  const ExerciceProduit placer = lancer(1121, {1, 3, 7});
  attendus = repere;
  attendus.push_back("SetEnabled 1");
  EXPECT_EQ(placer.graphique.appels, attendus);
  EXPECT_EQ(placer.graphique.series.at(0).x.size(), 0U);
  EXPECT_EQ(question(placer).question, "Placez le point de coordonn\xE9" "es (3;7).");
  EXPECT_EQ(placer.presentateur.appels.back(), "masquer_saisie");
  EXPECT_FALSE(placer.presentateur.saisie);
}

TEST_F(Niveau6, EnglishStatementsAndUnits) {
  charger_langue_exercices(1);
  EXPECT_EQ(question(lancer(1122, {2, 0, 4, 2})).question, "Convert to Square decameters: 3 Square centimeters.");
  EXPECT_EQ(question(lancer(1116, {17, 4})).format, "T[quotient];T[remainder]");
  charger_langue_exercices(0);
}

}  // namespace
