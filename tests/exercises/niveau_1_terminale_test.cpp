// The sequence exercises of level 1 and the complex-number exercises of the
// final level: scripted draws, redraws of zero parts, exact answers checked
// back through the engine, and the chart of the complex plane.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/complexe.h"
#include "engine/fonction.h"
#include "engine/fonctions_usuelles.h"
#include "engine/operation.h"
#include "exercice_de_test.h"
#include "exercises/catalogue_exercices.h"
#include "exercises/generateurs/execution.h"
#include "exercises/generateurs/niveau_1_suites.h"
#include "exercises/generateurs/terminale.h"
#include "localisation/catalogue.h"
#include "localisation/nombres.h"

namespace {

constexpr int graines = 300;
constexpr const char* unite_i = "\xEE";

class NiveauxUnTerminale : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!fonctions_usuelles) initialise_fonctions_usuelles();
    enregistrer_niveau_1_suites();
    enregistrer_terminale();
    charger_langue_exercices(0);
  }

  static ExerciceProduit lancer(int code, std::vector<double> script, std::uint32_t graine = 0) {
    return lancer_code(code, std::move(script), graine);
  }

  static QuestionPosee question(const ExerciceProduit& p) { return question_posee(p); }
};

TEST_F(NiveauxUnTerminale, ScriptedDrawsGiveTheStatementAnswersAndCorrection) {
  struct Cas {
    int code;
    std::vector<double> script;
    std::string question;
    std::vector<std::string> reponses;
    std::string correction;
  };
  const std::string i = unite_i;
  const std::vector<Cas> cas = {
      {1626, {3, 2, 4},
       "Soit ({u_(n)}) une suite arithm\xE9tique de raison 3 ,et de premier terme {u_(0)= 2 }.<BR><BR>1. Donnez "
       "l'expression de {u_(n)} en fonction de n<BR>2. Calculez {u_(4)}",
       {"3*n+2", "14"}, "{3*n+2;14}"},
      // r drawn 0 first: drawn again.
      {1626, {0, -4, -5, 1}, "", {"-4*n-5", "-9"}, "{-4*n-5;-9}"},
      {1627, {-2, 3, 3}, "", {"3*(-2)^n", "-24"}, "{3*(-2)^n;-24}"},
      // Both parts drawn again together while one is 0; only a and b show.
      {1622, {0, -2, 0}, "", {"d\xE9" "croissante"}, "d\xE9" "croissante"},
      {1622, {3, -1}, "", {"croissante"}, "croissante"},
      // p = q drawn again; 2/4 is below 1.
      {1623, {3, 3, 2, 4, 1}, "", {"d\xE9" "croissante"}, "d\xE9" "croissante"},
      {1624, {-9, 1},
       "Soit la suite ({u_(n)}) d\xE9" "finie pour tout naturel n par {u_(0)= 1 } et {u_(n+1)} = {u_(n)-9}.<BR><BR>1. "
       "({u_(n)}) est une suite arithm\xE9tique ou g\xE9om\xE9trique ?<BR>2. Quelle est la raison de ({u_(n)})<BR>3. "
       "Donnez l'expression de {u_(n)} en fonction de n",
       {"arithm\xE9tique", "-9", "-9*n+1"},
       ":<BR>1. {u_(n)} est une suite arithm\xE9tique<BR>2. {u_(n)} est une suite de raison -9 <BR>3. {u_(n)}={-9*n+1}"},
      // A ratio of 0 or 1 and a first term of 0 are drawn again.
      {1625, {0, 1, -8, 0, -2}, "", {"g\xE9om\xE9trique", "-8", "-2*(-8)^n"},
       ":<BR>1. {u_(n)} est une suite g\xE9om\xE9trique<BR>2. {u_(n)} est une suite de raison -8 <BR>3. "
       "{u_(n)}={-2*(-8)^n}"},
      {1704, {2, 0, 1, 1, 2, 3, 1, 1},
       "Calculez le conjugu\xE9 du nombre complexe Z = {2+3*" + i + "}", {"2-3*" + i}, "{2-3*" + i + "}"},
      {1706, {-1, -4}, "", {"-4"}, "{-4}"},
      {1707, {-1, -4}, "", {"-1"}, "{-1}"},
  };
  for (const Cas& c : cas) {
    const QuestionPosee q = question(lancer(c.code, c.script));
    if (!c.question.empty()) {
      EXPECT_EQ(q.question, c.question) << c.code;
    }
    EXPECT_EQ(q.reponses, c.reponses) << c.code;
    EXPECT_EQ(q.correction, c.correction) << c.code;
  }
}

TEST_F(NiveauxUnTerminale, ComplexAnswersAgreeWithTheEngineAndNoDrawnPartIsZero) {
  for (int g = 0; g < graines; ++g) {
    const auto graine = static_cast<std::uint32_t>(g);
    for (const int code : {1701, 1702, 1703, 1704, 1705, 1706, 1707}) {
      // Parts are single digits: a 0 in the statement is a drawn 0.
      const QuestionPosee q = question(lancer(code, {}, graine));
      EXPECT_EQ(q.question.find('0'), std::string::npos) << q.question;
    }
    const QuestionPosee q = question(lancer(1701, {}, graine));
    const std::string z = entre(q.question, "{", "}");
    const std::size_t barre = z.rfind("/(");
    ASSERT_NE(barre, std::string::npos) << z;
    const std::string numerateur = z.substr(0, barre);
    const std::string diviseur = z.substr(barre + 1);
    // answer * z' - z is 0.
    const std::string ecart = operation(operation(q.reponses.at(0), diviseur, "*"), numerateur, "-");
    EXPECT_EQ(complexe(ecart).forme_algebrique(), "0") << z << " -> " << q.reponses.at(0);
  }
}

TEST_F(NiveauxUnTerminale, ThePointOfTheComplexPlaneIsAnsweredOnTheChart) {
  for (int g = 0; g < graines; ++g) {
    const ExerciceProduit p = lancer(1708, {}, static_cast<std::uint32_t>(g));
    const QuestionPosee q = question(p);
    const GraphiqueEnregistre& c = p.graphique;
    EXPECT_TRUE(c.visible && c.actif);
    ASSERT_EQ(c.series.size(), 1U);
    EXPECT_TRUE(c.series[0].points);
    for (const auto* axe : {&c.gauche, &c.bas}) {
      EXPECT_TRUE(axe->grille && axe->visible && !axe->automatique);
      EXPECT_EQ(axe->position, 50);
      EXPECT_EQ(axe->minimum, -5);
      EXPECT_EQ(axe->maximum, 5);
    }
    EXPECT_FALSE(p.presentateur.saisie);
    EXPECT_EQ(q.format, "T[abscisse];T[ordonn\xE9" "e]");
    ASSERT_EQ(q.reponses.size(), 2U);
    EXPECT_EQ(q.correction, q.reponses[0] + ";" + q.reponses[1]);
  }
  // A point on an axis stays possible.
  EXPECT_EQ(question(lancer(1708, {0, -3})).reponses, (std::vector<std::string>{"0", "-3"}));
}

// The signed integers of a text, in order.
std::vector<long long> entiers(const std::string& texte) {
  std::vector<long long> liste;
  for (std::size_t k = 0; k < texte.size(); ++k) {
    if (texte[k] < '0' || texte[k] > '9') continue;
    const bool negatif = k > 0 && texte[k - 1] == '-';
    long long n = 0;
    while (k < texte.size() && texte[k] >= '0' && texte[k] <= '9') n = n * 10 + (texte[k++] - '0');
    liste.push_back(negatif ? -n : n);
  }
  return liste;
}

TEST_F(NiveauxUnTerminale, SumsCountTheirTermsAndAddThemOneByOne) {
  for (int g = 0; g < graines; ++g) {
    const auto graine = static_cast<std::uint32_t>(g);
    // "raison r ... u_(0)= u0 }... u_(i) ... u_(j)": r, 0, u0, i, j, ...
    const QuestionPosee a = question(lancer(1628, {}, graine));
    const std::vector<long long> na = entiers(a.question);
    ASSERT_GE(na.size(), 5U);
    const long long r = na[0], u0 = na[2], i = na[3], j = na[4];
    long long somme = 0;
    for (long long k = i; k <= j; ++k) somme += r * k + u0;
    EXPECT_EQ(a.reponses, (std::vector<std::string>{texte_entier(j - i + 1), texte_entier(somme)})) << a.question;

    const QuestionPosee b = question(lancer(1630, {}, graine));
    const std::vector<long long> nb = entiers(b.question);
    ASSERT_GE(nb.size(), 5U);
    const long long q = nb[0], v0 = nb[2], d = nb[3], f = nb[4];
    EXPECT_NE(q, 1);
    EXPECT_NE(v0, 0);
    long long terme = v0, total = 0, u_d = 0;
    for (long long k = 0; k <= f; ++k, terme *= q) {
      if (k == d) u_d = terme;
      if (k >= d) total += terme;
    }
    EXPECT_EQ(b.reponses,
              (std::vector<std::string>{texte_entier(u_d), texte_entier(terme / q), texte_entier(total)}))
        << b.question;
  }
  // 1629 writes a negative term as a subtraction: r -7, u_0 4, terms 1 to 7.
  const QuestionPosee c = question(lancer(1629, {-7, 4, 1, 7}));
  EXPECT_EQ(entre(c.question, "S = {", "}"), "-3-10-17+. . .-45");
  EXPECT_EQ(c.reponses, (std::vector<std::string>{"7", "-168"}));
}

// The pupil counts the terms of the shown sum: u_i, u_(i+1), u_(i+2), the
// dots, u_j, one step apart. A term 0 left out of the text would make the
// count one short.
TEST_F(NiveauxUnTerminale, TheShownSumHoldsTheTermsThePupilCounts) {
  constexpr int graines_somme = 2000;
  for (const int code : {1629, 1729}) {
    for (int g = 0; g < graines_somme; ++g) {
      const QuestionPosee q = question(lancer(code, {}, static_cast<std::uint32_t>(g)));
      const std::string somme = entre(q.question, "S = {", "}");
      const std::size_t points = somme.find(". . .");
      ASSERT_NE(points, std::string::npos) << somme;
      const std::vector<long long> debut = entiers(somme.substr(0, points));
      const std::vector<long long> fin = entiers(somme.substr(points));
      ASSERT_EQ(debut.size(), 3U) << code << ", seed " << g << ": " << somme;
      ASSERT_EQ(fin.size(), 1U) << code << ", seed " << g << ": " << somme;
      const long long pas = debut[1] - debut[0];
      ASSERT_NE(pas, 0) << somme;
      EXPECT_EQ(debut[2] - debut[1], pas) << somme;
      EXPECT_EQ((fin[0] - debut[0]) % pas, 0) << somme;
      EXPECT_EQ(q.reponses.front(), texte_entier((fin[0] - debut[0]) / pas + 1))
          << code << ", seed " << g << ": " << somme;
    }
  }
}

TEST_F(NiveauxUnTerminale, FinalLevelSequencesAskWhatLevelOneAsks) {
  for (int g = 0; g < graines; ++g) {
    const auto graine = static_cast<std::uint32_t>(g);
    for (const int code : {1620, 1621, 1622, 1623, 1624, 1625, 1626, 1627, 1628, 1629, 1630}) {
      const QuestionPosee seize = question(lancer(code, {}, graine));
      const QuestionPosee dix_sept = question(lancer(code + 100, {}, graine));
      EXPECT_EQ(seize.question, dix_sept.question);
      EXPECT_EQ(seize.reponses, dix_sept.reponses);
      EXPECT_EQ(seize.correction, dix_sept.correction);
    }
  }
}

TEST_F(NiveauxUnTerminale, TheDirectionFollowsTheStepOrTheRatio) {
  for (int g = 0; g < graines; ++g) {
    const auto graine = static_cast<std::uint32_t>(g);
    const QuestionPosee pas = question(lancer(1622, {}, graine));
    const bool monte = entre(pas.question, "= {u_(n)", "}").starts_with("+");
    EXPECT_EQ(pas.reponses.at(0), monte ? "croissante" : "d\xE9" "croissante") << pas.question;
    const QuestionPosee rapport = question(lancer(1623, {}, graine));
    // "(p*u_(n))/q", "u_(n)/q" or "p*u_(n)".
    const std::string r = entre(rapport.question, "{u_(n+1)} = {", "}.");
    const std::size_t barre = r.find('/');
    const std::size_t fois = r.find("*u_(n)");
    const long long p = fois == std::string::npos ? 1 : entiers(r.substr(0, fois)).at(0);
    const long long diviseur = barre == std::string::npos ? 1 : entiers(r.substr(barre)).at(0);
    EXPECT_EQ(rapport.reponses.at(0), p > diviseur ? "croissante" : "d\xE9" "croissante") << rapport.question;
  }
}

TEST_F(NiveauxUnTerminale, ExpansionsAgreeWithTheShownProductAndGiveTheirDegree) {
  for (int g = 0; g < graines; ++g) {
    for (const int code : {1631, 1632}) {
      const QuestionPosee q = question(lancer(code, {}, static_cast<std::uint32_t>(g)));
      const std::string affiche = entre(q.question, ":{", "}.");
      EXPECT_EQ(affiche.find("()"), std::string::npos) << affiche;
      const std::string e = q.reponses.at(0);
      for (const double x : {-2.0, 0.5, 3.0}) {
        EXPECT_EQ(fonction(e).numeriser("x", true, x), fonction(affiche).numeriser("x", true, x)) << affiche;
      }
      // The degree is the highest power written in E.
      std::string plus_haut = e.find('x') == std::string::npos ? "0" : "1";
      for (const char* d : {"2", "3", "4", "5"})
        if (e.find(std::string("x^") + d) != std::string::npos) plus_haut = d;
      EXPECT_EQ(q.reponses.at(1), plus_haut) << e;
    }
  }
  // An operand drawn all zero is drawn again: 1631's cubic 0, 0, 0, 0 first.
  const QuestionPosee q = question(lancer(1631, {0, 0, 0, 0, 0, 0, 1, 2, 1, 0, 0}));
  EXPECT_EQ(entre(q.question, ":{", "}."), "(2+x)*x^2");
}

TEST_F(NiveauxUnTerminale, CubicsFactorByTheirKnownRoot) {
  for (int g = 0; g < graines; ++g) {
    const auto graine = static_cast<std::uint32_t>(g);
    const QuestionPosee f = question(lancer(1633, {}, graine));
    const std::string p = entre(f.question, "P(x)={", "}");
    const std::string x_moins_r = entre(f.question, "P(x)=(", ")Q(x)");
    EXPECT_EQ(f.reponses.at(0), "0") << f.question;
    const std::string produit = operation(operation(x_moins_r, f.reponses.at(1), "*"), p, "-");
    for (const double x : {-3.0, 0.5, 4.0}) EXPECT_EQ(fonction(produit).numeriser("x", true, x), "0") << f.question;

    const QuestionPosee r = question(lancer(1634, {}, graine));
    const std::string cubique = entre(r.question, "P(x)={", "}");
    ASSERT_EQ(r.reponses.size(), 3U);
    EXPECT_NE(r.reponses[0], r.reponses[1]);
    EXPECT_NE(r.reponses[0], r.reponses[2]);
    EXPECT_NE(r.reponses[1], r.reponses[2]);
    constexpr double tolerance = 1e-9;
    for (const std::string& racine : r.reponses) {
      const std::optional<double> x = lire_nombre(numeriser_texte(racine, false));
      ASSERT_TRUE(x) << racine;
      const std::optional<double> y = lire_nombre(fonction(cubique).numeriser("x", false, *x));
      ASSERT_TRUE(y) << r.question << " " << racine;
      EXPECT_NEAR(*y, 0, tolerance) << r.question << " " << racine;
    }
  }
  // x^2-1 and a third root drawn 1 first: drawn again.
  const QuestionPosee q = question(lancer(1634, {1, 0, -1, 2, 3}));
  EXPECT_EQ(q.reponses.at(0), "2");
  EXPECT_FALSE(lancer(1634, {1, 0, -1, 2, 3}).presentateur.ordonnees);
}

TEST_F(NiveauxUnTerminale, ShiftedTermsAreTheSequenceAtTheShiftedIndex) {
  for (int g = 0; g < graines; ++g) {
    for (const int code : {1620, 1621}) {
      const QuestionPosee q = question(lancer(code, {}, static_cast<std::uint32_t>(g)));
      const std::string u = entre(q.question, "= {", "}.");
      const std::string s = entre(q.question, "n les termes de {u_(", ")}.");
      EXPECT_NE(s, "n");
      if (code == 1621) {
        EXPECT_NE(s, "0");
        EXPECT_NE(s, "-n");
      }
      for (const int n : {3, 7, 12}) {
        const std::string indice = fonction(s).numeriser("n", true, n);
        EXPECT_EQ(fonction(q.reponses.at(0)).numeriser("n", true, n),
                  fonction(u).numeriser_substitution("n", "(" + indice + ")", true))
            << q.question;
      }
    }
  }
}

TEST_F(NiveauxUnTerminale, TheLettersRebuildTheRationalFunction) {
  for (int g = 0; g < graines; ++g) {
    const QuestionPosee q = question(lancer(1635, {}, static_cast<std::uint32_t>(g)));
    const std::string f = entre(q.question, "f(x) = {", "}");
    std::string forme = entre(q.question, ", f(x) = {", "}");
    for (std::size_t k = 0; k < q.reponses.size(); ++k) {
      const std::string lettre(1, static_cast<char>('a' + k));
      forme = fonction(forme).numeriser_substitution(lettre, "(" + q.reponses[k] + ")", true);
    }
    // D's root is p/q with |p| <= 5 and |q| <= 5: none of these points.
    for (const double x : {-7.5, 0.3, 9.0}) {
      const std::optional<double> attendu = lire_nombre(fonction(f).numeriser("x", false, x));
      const std::optional<double> obtenu = lire_nombre(fonction(forme).numeriser("x", false, x));
      ASSERT_TRUE(attendu && obtenu) << q.question;
      EXPECT_NEAR(*obtenu, *attendu, 1e-9) << q.question;
    }
  }
}

TEST_F(NiveauxUnTerminale, ChoiceWordsAndCorrectionsFollowTheLanguage) {
  charger_langue_exercices(1);
  const QuestionPosee q = question(lancer(1625, {-8, -2}));
  charger_langue_exercices(0);
  EXPECT_EQ(q.format, "C[1.](arithmetic;geometric);T[2.];T[3.]");
  EXPECT_EQ(q.reponses.at(0), "geometric");
  EXPECT_EQ(q.question.find("Soit"), std::string::npos);
  EXPECT_NE(q.correction.find("sequence: geometric"), std::string::npos);
}

}  // namespace
