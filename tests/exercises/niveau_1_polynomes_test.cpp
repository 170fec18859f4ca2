// The level-1 generators of quadratics, derivatives and sequences: scripted
// draws pin their statements and answers, seeded runs their invariants.
#include "exercises/generateurs/niveau_1_polynomes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/fonction.h"
#include "exercice_de_test.h"
#include "exercises/catalogue_exercices.h"
#include "exercises/generateurs/execution.h"
#include "localisation/nombres.h"

namespace {

constexpr std::uint32_t graines = 300;
// The step of the centred difference quotient and how far it may stray.
constexpr double pas = 1e-5;
constexpr double tolerance = 1e-4;
constexpr double tolerance_valeur = 1e-9;
// Points tried for a derivative: both signs, none of the usual poles.
const std::vector<double> points_essai = {0.37,  1.23, 2.41,  -0.63, 3.17, -1.29, 0.81,  -2.37,
                                          4.13,  -3.71, 5.37,  -5.37, 6.71, -6.71, 8.93,  -8.93};
constexpr std::size_t points_voulus = 3;

class Niveau1Polynomes : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    enregistrer_niveau_1_polynomes();
    charger_langue_exercices(0);
  }

  static QuestionPosee question(int code, std::vector<double> script, std::uint32_t graine = 0) {
    SCOPED_TRACE(code);
    return question_posee(lancer_code(code, std::move(script), graine));
  }

  static ExerciceProduit graine(int code, std::uint32_t g) {
    return executer_exercice(exercices.indice_du_code(code), g);
  }
};

std::optional<double> valeur(const std::string& texte, double x) {
  return lire_nombre(fonction(texte).numeriser("x", false, x));
}

struct CasScripte {
  int code;
  std::vector<double> script;
  std::string extrait;  // a part of the statement
  std::vector<std::string> reponses;
  std::string correction;  // empty: not checked
};

TEST_F(Niveau1Polynomes, ScriptedDrawsGiveTheStatementAnswersAndCorrection) {
  const std::vector<CasScripte> cas = {
      {1601, {1, 2, -3}, "{x^2+2*x-3}", {"16"}, "16"},
      // A zero coefficient of x^2 is drawn again.
      {1601, {0, 4, 4, 1, 2, -3}, "{x^2+2*x-3}", {"16"}, ""},
      {1602, {1, 2, -3}, "{x^2+2*x-3}", {"2"}, "2, car le discriminant {\\D=16} est positif"},
      {1602, {1, 2, 3}, "", {"0"}, "0, car le discriminant {\\D=-8} est negatif"},
      {1602, {1, 2, 1}, "", {"1"}, "1, car le discriminant {\\D=0} est nul"},
      // No root, then a double root, are drawn again.
      {1603, {1, 2, 3, 1, 2, 1, 1, 2, -3}, "{x^2+2*x-3=0}", {"-3", "1"}, "{-3};{1}"},
      // All zero, then x^3 with a constant term, are drawn again.
      {1604, {0, 0, 0, 0, -1, 0, 0, 1, 0, 1, 2, 3, 1}, "{3+2*x+x^2} au point a = 1", {"4"}, "4"},
      {1605, {0, 0, 0, 0, -1, -2, 1, 1, 0, 0, 1, 2}, "{2+x}", {"1"}, "{1}"},
      {1613, {1, 0, 0, 1}, "f(x) = {x^2}", {"2", "-1+2*x"}, "<BR>1. {2}<BR>2. y = {-1+2*x}"},
      {1616, {2, 0, 1}, "{(-1)^n*2^(n+1)}", {"2", "-4"}, "{2};{-4}"},
      {1616, {2, 1, 2}, "", {"-4", "8"}, ""},
      {1617, {1, 1, 1, 2, 3, 4}, "{sqrt(1+n)/(2+n)}", {"2/5", "sqrt(5)/6"}, "{2/5};{sqrt(5)/6}"},
      {1618, {2, 1, 1, 3, 1}, "{u_(0)= 1 } et {u_(n+1)} = {1+2*u_(n)}", {"3", "15"}, "{3};{15}"},
      {1618, {2, 1, 2, 3, 1}, "", {"7", "15"}, ""},
      // The largest term 1619 can ask for stays a plain integer.
      {1619, {2, 2, 2, 4, -3}, "{u_(0)= -3 } et {u_(n+1)} = {2+2*u_(n)^2}", {"802", "3309701376202"}, ""},
  };
  for (const CasScripte& c : cas) {
    const QuestionPosee q = question(c.code, c.script);
    EXPECT_NE(q.question.find(c.extrait), std::string::npos) << c.code << ": " << q.question;
    EXPECT_EQ(q.reponses, c.reponses) << c.code;
    if (!c.correction.empty()) {
      EXPECT_EQ(q.correction, c.correction) << c.code;
    }
  }
}

TEST_F(Niveau1Polynomes, QuadraticsNeverLoseTheirSquareAndRootsCancelThePolynomial) {
  for (std::uint32_t g = 0; g < graines; ++g) {
    for (const int code : {1601, 1602, 1603}) {
      const QuestionPosee q = graine(code, g).presentateur.questions.at(0);
      EXPECT_NE(q.question.find("x^2"), std::string::npos) << code << " " << g << ": " << q.question;
    }
    const ExerciceProduit p = graine(1603, g);
    const QuestionPosee& q = p.presentateur.questions.at(0);
    const std::string equation = entre(q.question, "{", "=0}");
    ASSERT_EQ(q.reponses.size(), 2U);
    EXPECT_FALSE(p.presentateur.ordonnees);
    const auto r1 = valeur(q.reponses[0], 0);
    const auto r2 = valeur(q.reponses[1], 0);
    ASSERT_TRUE(r1 && r2) << q.reponses[0] << " " << q.reponses[1];
    EXPECT_GT(std::fabs(*r1 - *r2), tolerance_valeur) << g;
    for (const double r : {*r1, *r2}) EXPECT_NEAR(valeur(equation, r).value_or(1), 0, tolerance) << equation;
  }
}

TEST_F(Niveau1Polynomes, CubicOf1604HasNoCubeBesideALinearOrConstantTermAndIsNeverEmpty) {
  for (std::uint32_t g = 0; g < graines; ++g) {
    const QuestionPosee q = graine(1604, g).presentateur.questions.at(0);
    const std::string f = entre(q.question, "f(x) = {", "}");
    ASSERT_FALSE(f.empty()) << g;
    if (f.find("x^3") == std::string::npos) continue;
    const std::string derivee = fonction(f).deriver("x");
    EXPECT_EQ(valeur(f, 0), 0.0) << f;
    EXPECT_EQ(valeur(derivee, 0), 0.0) << f;
  }
}

// f'(x) against (f(x+h) - f(x-h)) / 2h at the first three points where both
// are defined.
void verifier_derivee(const std::string& f, const std::string& derivee, int code) {
  std::size_t points = 0;
  for (const double x : points_essai) {
    const auto gauche = valeur(f, x - pas);
    const auto droite = valeur(f, x + pas);
    const auto attendue = valeur(derivee, x);
    if (!gauche || !droite || !attendue || std::isnan(*gauche) || std::isnan(*droite)) continue;
    EXPECT_NEAR(*attendue, (*droite - *gauche) / (2 * pas), tolerance * (1 + std::fabs(*attendue)))
        << code << " f=" << f << " f'=" << derivee << " x=" << x;
    if (++points == points_voulus) return;
  }
  ADD_FAILURE() << code << ": fewer than three points for " << f;
}

TEST_F(Niveau1Polynomes, DerivativesAgreeWithTheDifferenceQuotient) {
  for (const int code : {1605, 1606, 1607, 1608, 1609, 1610, 1611}) {
    for (std::uint32_t g = 0; g < graines; ++g) {
      const QuestionPosee q = graine(code, g).presentateur.questions.at(0);
      const std::string f = entre(q.question, "f(x)= {", "} ,");
      ASSERT_FALSE(f.empty()) << code << " " << g << ": " << q.question;
      verifier_derivee(f, q.reponses.at(0), code);
      // 1607's f is 1/(k*x^m) with k > 0: f(1) = 1/k.
      if (code == 1607) {
        EXPECT_GT(valeur(f, 1).value_or(0), 0) << f;
      }
    }
  }
}

TEST_F(Niveau1Polynomes, TangentPassesThroughThePointWithTheDerivativeAsSlope) {
  for (std::uint32_t g = 0; g < graines; ++g) {
    const QuestionPosee q = graine(1613, g).presentateur.questions.at(0);
    const std::string f = entre(q.question, "f(x) = {", "}");
    const auto x0 = lire_nombre(entre(q.question, "abscisse ", "."));
    ASSERT_TRUE(x0) << q.question;
    const auto m = valeur(q.reponses.at(0), 0);
    const std::string& tangente = q.reponses.at(1);
    ASSERT_TRUE(m);
    EXPECT_NEAR(*m, valeur(fonction(f).deriver("x"), *x0).value_or(NAN), tolerance_valeur) << f;
    EXPECT_NEAR(valeur(tangente, *x0).value_or(NAN), valeur(f, *x0).value_or(NAN), tolerance_valeur) << tangente;
    EXPECT_NEAR(valeur(tangente, *x0 + 1).value_or(NAN) - valeur(tangente, *x0).value_or(NAN), *m,
                tolerance_valeur)
        << tangente;
  }
}

TEST_F(Niveau1Polynomes, SequencesAskForTwoIncreasingIndicesWithExactTerms) {
  for (const int code : {1614, 1615, 1616, 1617, 1618, 1619}) {
    for (std::uint32_t g = 0; g < graines; ++g) {
      const QuestionPosee q = graine(code, g).presentateur.questions.at(0);
      const std::string apres = q.question.substr(q.question.find("1. "));
      const auto i = lire_entier32(entre(apres, "{u_(", ")}"));
      const auto j = lire_entier32(entre(apres.substr(apres.find("2. ")), "{u_(", ")}"));
      ASSERT_TRUE(i && j) << q.question;
      EXPECT_LT(*i, *j) << code << " " << g;
      ASSERT_EQ(q.reponses.size(), 2U);
      for (const std::string& r : q.reponses) {
        EXPECT_EQ(r.find_first_of(".Ee"), std::string::npos) << code << " " << g << ": " << r;
      }
      if (code <= 1617) {
        const std::string u = entre(q.question, "{u_(n)} = {", "} .");
        EXPECT_NEAR(valeur(q.reponses[0], 0).value_or(NAN),
                    lire_nombre(fonction(u).numeriser("n", false, *i)).value_or(NAN), tolerance_valeur)
            << u;
      }
    }
  }
}

TEST_F(Niveau1Polynomes, EnglishStatementsAndCorrectionsAreEnglish) {
  charger_langue_exercices(1);
  const QuestionPosee q = question(1602, {1, 2, -3});
  const QuestionPosee s = question(1618, {2, 1, 1, 3, 1});
  charger_langue_exercices(0);
  EXPECT_EQ(q.question, "How many solutions does the following equation have: {x^2+2*x-3} ?");
  EXPECT_EQ(q.correction, "2, because the discriminant {\\D=16} is positive");
  EXPECT_EQ(s.question.rfind("Let ({u_(n)}) be the sequence", 0), 0U) << s.question;
}

}  // namespace
