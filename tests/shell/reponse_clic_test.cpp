// The text a chart click writes into an answer field.
#include "shell/reponse_clic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "localisation/nombres.h"

namespace {

TEST(TexteClic, IntegerAnswersGetTheNearestIntegerOthersOneDecimal) {
  const struct {
    double valeur;
    const char* attendue;
    const char* texte;
  } cas[] = {
      {3.4, "3", "3"},       {6.6, "7", "7"},       {2.5, "1", "3"},      {-2.5, "-4", "-3"},
      {-0.4, "0", "0"},      {3.44, "2.5", "3.4"},  {3.45, "2.5", "3.5"}, {-3.45, "2.5", "-3.5"},
      {0.15, "x", "0.2"},    {2.96, "2.5", "3"},    {-0.04, "2.5", "0"},  {1.5e-7, "2.5", "0"},
      {1.5e-7, "1", "0"},    {12.0, "", "12"},      {7.25, " 4 ", "7"},   {7.25, "4.0", "7.3"},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(texte_clic(c.valeur, c.attendue), std::optional<std::string>(c.texte))
        << c.valeur << " for " << c.attendue;
  }
  for (const double v : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(texte_clic(v, "1"), std::nullopt);
  }
}

// Over many values: the text reads back within half a unit of its last
// place, has at most the decimals asked, and is never "-0" nor ends in ".0".
TEST(TexteClic, RandomValuesRoundToTheirPlace) {
  std::mt19937 alea(1118);
  std::uniform_real_distribution<double> tirage(-1000.0, 1000.0);
  for (int essai = 0; essai < 5000; ++essai) {
    const double v = tirage(alea);
    for (const bool entier : {true, false}) {
      const std::optional<std::string> texte = texte_clic(v, entier ? "5" : "5.5");
      ASSERT_TRUE(texte.has_value()) << v;
      const std::optional<double> relu = lire_nombre(*texte);
      ASSERT_TRUE(relu.has_value()) << *texte;
      const double demi_unite = entier ? 0.5 : 0.05;
      EXPECT_LE(std::abs(*relu - v), demi_unite + 1e-9) << v << " gave " << *texte;
      const std::size_t point = texte->find('.');
      if (entier) {
        EXPECT_EQ(point, std::string::npos) << *texte;
      }
      if (point != std::string::npos) {
        EXPECT_EQ(texte->size() - point - 1, 1u) << *texte;
        EXPECT_NE(texte->back(), '0') << *texte;
      }
      EXPECT_NE(*texte, "-0");
    }
  }
}

}  // namespace
