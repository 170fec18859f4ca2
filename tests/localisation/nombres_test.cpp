#include "localisation/nombres.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

struct Ecriture {
  double valeur;
  const char* attendu;
};

const Ecriture ecritures[] = {
    {0.0001, "0.0001"},
    {0.00001, "1E-5"},
    {1.5E20, "1.5E20"},
    {std::numbers::pi, "3.14159265358979"},
    {2.0 / 3.0, "0.666666666666667"},
    {2 * 3.14159265358979, "6.28318530717958"},
    {999999999999999.0, "999999999999999"},
    {1E15, "1E15"},
    {1234567890123445.0, "1.23456789012345E15"},  // exact half: rounded up, not to even
    {0.1 + 0.2, "0.3"},
    {-0.0, "0"},
    {-2.5, "-2.5"},
    {100, "100"},
    {123456.789, "123456.789"},
    {-1E-7, "-1E-7"},
    {9.999999999999999, "10"},                    // the carry adds a digit
    {0.5, "0.5"},
    {std::numeric_limits<double>::infinity(), "INF"},
    {-std::numeric_limits<double>::infinity(), "-INF"},
    {std::numeric_limits<double>::quiet_NaN(), "NAN"},
    {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    {std::numeric_limits<double>::max(), "1.79769313486232E308"},
};

void verifie_ecritures() {
  for (const auto& e : ecritures) EXPECT_EQ(texte_nombre(e.valeur), e.attendu) << e.attendu;
}

TEST(TexteNombre, GeneralFormatWith15SignificantDigits) { verifie_ecritures(); }

TEST(TexteNombre, FewerSignificantDigitsMoveTheExponentForm) {
  const struct {
    double valeur;
    int chiffres;
    const char* attendu;
  } cas[] = {
      {2.0 / 3, 2, "0.67"},     {123.456, 2, "1.2E2"},  {99.5, 2, "1E2"},      {12345678, 8, "12345678"},
      {123456789, 8, "1.2345679E8"}, {0.00012345, 3, "0.000123"}, {1E20, 40, "1E20"}, {2.5, 0, "3"},
  };
  for (const auto& c : cas) EXPECT_EQ(texte_nombre(c.valeur, c.chiffres), c.attendu) << c.attendu;
}

TEST(TexteNombre, GFormPadsTheExponentToThreeDigits) {
  EXPECT_EQ(texte_nombre_g(1E20), "1E020");
  EXPECT_EQ(texte_nombre_g(0.00001), "1E-005");
  EXPECT_EQ(texte_nombre_g(1.5E300), "1.5E300");
  EXPECT_EQ(texte_nombre_g(2.5), "2.5");
}

TEST(TexteNombre, FixedFormRoundsHalvesUp) {
  EXPECT_EQ(texte_nombre_fixe(2.5, 0), "3");
  EXPECT_EQ(texte_nombre_fixe(-2.5, 0), "-3");
  EXPECT_EQ(texte_nombre_fixe(0.125, 2), "0.13");
  EXPECT_EQ(texte_nombre_fixe(-0.4, 0), "0");
  EXPECT_EQ(texte_nombre_fixe(1E20, 0), "100000000000000000000");
  EXPECT_EQ(texte_nombre_fixe(99.5, 0), "100");
  EXPECT_EQ(texte_nombre_fixe(0.1, 0), "0");
}

TEST(TexteNombre, UnchangedUnderAFrenchLocale) {
  ASSERT_NE(std::setlocale(LC_ALL, "fr_FR.UTF-8"), nullptr)
      << "fr_FR.UTF-8 is missing: ./test builds it into build/locale";
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  verifie_ecritures();
  EXPECT_EQ(texte_nombre_g(1E20), "1E020");
  EXPECT_EQ(lire_nombre("1.5"), 1.5);
  EXPECT_FALSE(lire_nombre("1,5"));
  std::setlocale(LC_ALL, "C");
}

TEST(LireNombre, AcceptsTheGrammar) {
  const std::pair<const char*, double> acceptes[] = {
      {"1.5", 1.5},  {"  -2 ", -2},  {"+3", 3},        {".5", 0.5},   {"5.", 5},
      {"1e3", 1000}, {"1E-5", 1E-5}, {"2.5e+2", 250},   {"007", 7},    {"1e-400", 0},
  };
  for (const auto& [texte, valeur] : acceptes) EXPECT_EQ(lire_nombre(texte), valeur) << texte;
}

TEST(LireNombre, RefusesWhatIsNoNumber) {
  for (const char* texte : {"inf", "nan", "-INF", "0x10", "1,5", "", " ", ".", "1E", "1e+", "+-1", "1.2.3",
                            "1 2", "e5", "--1", "1e400", "12a"}) {
    EXPECT_FALSE(lire_nombre(texte)) << texte;
  }
}

TEST(LireEntier, ThirtyTwoAndSixtyFourBits) {
  EXPECT_FALSE(lire_entier32("2147483648"));
  EXPECT_EQ(lire_entier64("2147483648"), 2147483648LL);
  EXPECT_EQ(lire_entier32("-2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(lire_entier64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(lire_entier32(" +12 "), 12);
  for (const char* texte : {"4.5", "-", "+", "", "9223372036854775808", "1e3", "+-5", "0x10", "1 2"}) {
    EXPECT_FALSE(lire_entier64(texte)) << texte;
  }
}

TEST(TexteNombre, ReadBackGivesTheRoundedValue) {
  // Writing then reading must land on the 15-digit value, whatever the input.
  for (double v = 1E-9; v < 1E18; v *= 7.3) {
    const auto relu = lire_nombre(texte_nombre(v));
    ASSERT_TRUE(relu);
    EXPECT_NEAR(*relu, v, v * 1E-14);
  }
}

}  // namespace
