// The random routines and the sources every generator stands on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "exercises/catalogue_exercices.h"
#include "exercises/generateurs/enregistreurs.h"
#include "exercises/generateurs/outils.h"
#include "exercises/generateurs/sources.h"
#include "localisation/catalogue.h"
#include "localisation/messagerie_enregistreuse.h"
#include "localisation/nombres.h"

namespace {

constexpr int graines = 2000;
const std::string message_boucle = "Erreur:boucle infinie generer_relatif";

// A context on a source, with the recording presenter and chart.
struct Contexte {
  explicit Contexte(SourceAleatoire& source, bool test = false)
      : contexte{source, presentateur, exercices, catalogue_textes, graphique, calculatrice, test} {}
  PresentateurEnregistre presentateur;
  GraphiqueEnregistre graphique;
  CalculatriceEnregistree calculatrice;
  ContexteGenerateur contexte;
};

class Outils : public ::testing::Test {
 protected:
  void SetUp() override {
    remplir_textes(0);
    auto messagerie = std::make_unique<MessagerieEnregistreuse>();
    messages_ = messagerie.get();
    ancienne_ = installer_messagerie(std::move(messagerie));
  }
  void TearDown() override { installer_messagerie(std::move(ancienne_)); }

  int messages_boucle() const {
    int n = 0;
    for (const auto& invite : messages_->journal) n += invite.texte == message_boucle ? 1 : 0;
    return n;
  }

  MessagerieEnregistreuse* messages_ = nullptr;
  std::unique_ptr<Messagerie> ancienne_;
};

// `paires` failing draws of relatif_aleatoire(3) ("1": sign +, magnitude 1).
std::vector<double> tirages_rates(int paires) {
  std::vector<double> script;
  for (int i = 0; i < paires; ++i) script.insert(script.end(), {0, 1});
  return script;
}

TEST_F(Outils, GenererRelatifStaysOutsideMinusOneToOneAndGivesOneBelowThree) {
  for (const int n : {0, 2, -4}) {
    SourceScriptee aucun({});
    Contexte c(aucun);
    EXPECT_EQ(generer_relatif(c.contexte, n), "1");
    EXPECT_EQ(aucun.tirages(), 0U);
  }
  std::set<std::string> vus;
  for (std::uint32_t g = 0; g < graines; ++g) {
    SourceGraine source(g);
    Contexte c(source);
    const std::string r = generer_relatif(c.contexte, 3);
    ASSERT_TRUE(r == "2" || r == "-2") << r;
    vus.insert(r);
    const auto n = lire_entier32(generer_relatif(c.contexte, 12));
    ASSERT_TRUE(n && std::abs(*n) >= 2 && std::abs(*n) <= 11);
  }
  EXPECT_EQ(vus.size(), 2U);
  EXPECT_EQ(messages_->journal.size(), 0U);
}

TEST_F(Outils, GenererRelatifKeepsItsFiftyFirstDrawOrWarnsInTestMode) {
  SourceScriptee normal(tirages_rates(51));
  Contexte c(normal);
  EXPECT_EQ(generer_relatif(c.contexte, 3), "1");
  EXPECT_EQ(normal.restants(), 0U);
  EXPECT_EQ(messages_boucle(), 0);

  // Test mode: the message after the 51st, 52nd and 53rd draws, then a draw
  // that fits ends the loop.
  std::vector<double> script = tirages_rates(53);
  script.insert(script.end(), {1, 2});
  SourceScriptee test(script);
  Contexte t(test, true);
  EXPECT_EQ(generer_relatif(t.contexte, 3), "-2");
  EXPECT_EQ(messages_boucle(), 3);
  EXPECT_EQ(test.restants(), 0U);
}

TEST_F(Outils, AffineAleatoireIsNeverZeroAndXPlusOneBelowThree) {
  for (std::uint32_t g = 0; g < graines; ++g) {
    SourceGraine source(g);
    Contexte c(source);
    const std::string r = affine_aleatoire(c.contexte, 10);
    ASSERT_NE(r, "0");
    ASSERT_NE(r.find('x'), std::string::npos) << r;
  }
  for (const int m : {0, 1, 2}) {
    SourceScriptee source({static_cast<double>(m)});
    Contexte c(source);
    EXPECT_EQ(affine_aleatoire(c.contexte, 10), "x+1");
    EXPECT_EQ(source.tirages(), 1U);
  }
}

// "N/D" or "N": the numerator, and the denominator (1 for an integer).
std::pair<long, long> lire_fraction(const std::string& texte) {
  const auto barre = texte.find('/');
  const auto n = lire_entier32(texte.substr(0, barre));
  const auto d = barre == std::string::npos ? std::optional<std::int32_t>(1) : lire_entier32(texte.substr(barre + 1));
  if (!n || !d) return {0, 0};
  return {*n, *d};
}

TEST_F(Outils, FractionAleatoireIsReducedWithItsSignOnTheNumerator) {
  for (std::uint32_t g = 0; g < graines; ++g) {
    SourceGraine source(g);
    Contexte c(source);
    const std::string r = fraction_aleatoire(c.contexte, 11);
    const auto [n, d] = lire_fraction(r);
    ASSERT_NE(n, 0) << r;
    ASSERT_GT(d, 0) << r;
    ASSERT_EQ(std::gcd(n, d), 1) << r;
    ASSERT_FALSE(d == 1 && std::abs(n) == 1) << r;
    ASSERT_LE(std::abs(n), 10);
    ASSERT_LE(d, 10);
  }
  // Below 3 it draws as with 3: 2/1 with magnitudes drawn below 3.
  for (const int n : {-1, 0, 2}) {
    SourceScriptee source({0, 2, 0, 1});
    Contexte c(source);
    EXPECT_EQ(fraction_aleatoire(c.contexte, n), "2");
  }
  // A zero numerator, then a quotient of 1, are drawn again.
  SourceScriptee redraw({0, 0, 0, 1, 1, 2, 1, 2, 1, 2, 0, 1});
  Contexte c(redraw);
  EXPECT_EQ(fraction_aleatoire(c.contexte, 3), "-2");
  EXPECT_EQ(redraw.restants(), 0U);
  SourceScriptee quotient({0, 1, 1, 2});
  Contexte q(quotient);
  EXPECT_EQ(fraction_aleatoire(q.contexte, 3), "-1/2");
}

TEST(EcrirePolynome, AscendingPowersWithSignsAndUnitCoefficientsLeftOut) {
  const struct {
    std::vector<double> coefficients;
    std::string attendu;
  } cas[] = {
      {{0, -1}, "-x"},
      {{0, 0, 5}, "5*x^2"},
      {{2, 0, -1}, "2-x^2"},
      {{3, -1, 2}, "3-x+2*x^2"},
      {{0, 0, 0}, ""},
      {{}, ""},
      {{-3, 1, 1, -2.5}, "-3+x+x^2-2.5*x^3"},
      {{0, 0, -1, 0, 1}, "-x^2+x^4"},
      {{1, -4}, "1-4*x"},
      {{-1, 0, 0}, "-1"},
  };
  for (const auto& c : cas) EXPECT_EQ(ecrire_polynome(c.coefficients, "x"), c.attendu);
  EXPECT_EQ(ecrire_polynome({0, 2, -1}, "t"), "2*t-t^2");
}

// No plus sign followed by a negative number: the sign of a first factor
// in brackets goes to the join; a power keeps it.
TEST_F(Outils, SommeLisibleGivesTheJoinTheSignOfABracketedFirstFactor) {
  const struct {
    const char *a, *b, *signe, *attendu;
  } cas[] = {
      {"1/3", "(-4*\xEE)/3", "+", "1/3-(4*\xEE)/3"},
      {"1/4*y^2+9/16", "(-3*y)/4", "+", "1/4*y^2+9/16-(3*y)/4"},
      {"(-2*x+2)*(x+1)", "(-6*x-8)*(x+1)", "+", "(-2*x+2)*(x+1)-(6*x+8)*(x+1)"},
      {"a", "(-3*y)/4", "-", "a+(3*y)/4"},
      {"a", "(-2)*x", "+", "a-2*x"},
      {"0", "(-3*y)/4", "+", "-(3*y)/4"},
      {"a", "(-2)^2", "+", "a+(-2)^2"},
      {"a", "(3*y)/4", "+", "a+(3*y)/4"},
      {"a", "-3", "+", "a-3"},
      {"a", "(-3*y)/4", "*", "(a*(-3*y))/4"},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(somme_lisible(c.a, c.b, c.signe), c.attendu) << c.a << " " << c.signe << " " << c.b;
  }
}

TEST(Sources, RangesOfTheDrawsAndTheirReach) {
  SourceGraine source(7);
  std::set<int> portee;
  std::set<int> chiffres;
  for (int i = 0; i < graines; ++i) {
    const int r = source.RandomRange(-5, 6);
    ASSERT_GE(r, -5);
    ASSERT_LE(r, 5);
    portee.insert(r);
    const int inverse = source.RandomRange(6, -5);
    ASSERT_GE(inverse, -5);
    ASSERT_LE(inverse, 5);
    const int d = source.Random(10);
    ASSERT_GE(d, 0);
    ASSERT_LE(d, 9);
    chiffres.insert(d);
    const double x = source.RandomReel();
    ASSERT_GE(x, 0.0);
    ASSERT_LT(x, 1.0);
  }
  EXPECT_EQ(portee.size(), 11U);
  EXPECT_EQ(chiffres.size(), 10U);
  const auto avant = source.tirages();
  EXPECT_EQ(source.Random(0), 0);
  EXPECT_EQ(source.Random(-3), 0);
  EXPECT_EQ(source.tirages(), avant);
}

TEST(Sources, ASeedGivesTheSameDrawsAndALimitStopsTheRun) {
  SourceGraine a(99);
  SourceAleatoire b(99);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(a.Random(1000), b.Random(1000));
  EXPECT_EQ(a.tirages(), 100U);

  SourceGraine limitee(1, 3);
  for (int i = 0; i < 3; ++i) limitee.Random(5);
  EXPECT_THROW(limitee.Random(5), ErreurTirage);
  EXPECT_THROW(limitee.RandomReel(), ErreurTirage);
}

TEST(Sources, ScriptedDrawsAreCheckedThenTheSeedGoesOn) {
  SourceScriptee script({3, -5, 0.25}, 42);
  EXPECT_EQ(script.Random(4), 3);
  EXPECT_EQ(script.RandomRange(-5, 6), -5);
  EXPECT_EQ(script.RandomReel(), 0.25);
  SourceAleatoire suite(42);
  EXPECT_EQ(script.Random(1000), suite.Random(1000));
  EXPECT_EQ(script.tirages(), 4U);

  for (const double hors : {4.0, -1.0, 1.5}) {
    SourceScriptee faux({hors});
    EXPECT_THROW(faux.Random(4), ErreurTirage) << hors;
  }
  SourceScriptee haut({6});
  EXPECT_THROW(haut.RandomRange(-5, 6), ErreurTirage);
  SourceScriptee reel({1});
  EXPECT_THROW(reel.RandomReel(), ErreurTirage);
}

}  // namespace
