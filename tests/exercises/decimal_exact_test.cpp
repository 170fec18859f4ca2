// Exact decimals: rounding halves away from zero, powers of ten, plain text
// and checked arithmetic.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "exercises/generateurs/decimal_exact.h"
#include "exercises/generateurs/sources.h"
#include "localisation/nombres.h"

namespace {

DecimalExact lu(const std::string& texte) {
  const auto d = DecimalExact::lire(texte);
  EXPECT_TRUE(d.has_value()) << texte;
  return d.value_or(DecimalExact());
}

TEST(DecimalExact, RoundsHalvesAwayFromZero) {
  const struct {
    const char* nombre;
    int decimales;
    const char* attendu;
  } cas[] = {
      {"56.5", 0, "57"},         {"3.62345", 4, "3.6235"}, {"-2.5", 0, "-3"},   {"2.4999", 0, "2"},
      {"-0.4", 0, "0"},          {"-0.00004", 4, "0"},     {"0.00005", 4, "0.0001"}, {"9.995", 2, "10"},
      {"1250", -2, "1300"},      {"3.1", 3, "3.1"},        {"0.125", 2, "0.13"}, {"-0.125", 2, "-0.13"},
      {"922337203685477580.7", 0, "922337203685477581"},   {"0.9", -19, "0"},
  };
  EXPECT_EQ(lu("7.5").arrondi(std::numeric_limits<int>::max())->texte(), "7.5");
  EXPECT_EQ(lu("7.5").arrondi(std::numeric_limits<int>::min())->texte(), "0");
  for (const auto& c : cas) {
    const auto r = lu(c.nombre).arrondi(c.decimales);
    ASSERT_TRUE(r.has_value()) << c.nombre;
    EXPECT_EQ(r->texte(), c.attendu) << c.nombre << " to " << c.decimales;
  }
}

TEST(DecimalExact, PowersOfTenAndPlainText) {
  EXPECT_EQ(DecimalExact(3).fois_puissance_dix(-6)->texte(), "0.000003");  // 3 cm2 in dam2
  EXPECT_EQ(DecimalExact(1, -3).fois_puissance_dix(-3)->texte(), "0.000001");
  EXPECT_EQ(DecimalExact(45, -1).fois_puissance_dix(4)->texte(), "45000");
  EXPECT_EQ(DecimalExact(-120, -3).texte(), "-0.12");
  EXPECT_EQ(DecimalExact(0, 5).texte(), "0");
  EXPECT_EQ(lu("-0.000").texte(), "0");
  EXPECT_EQ(lu("1.2300").texte(), "1.23");
  EXPECT_EQ(lu(".5").texte(), "0.5");
  EXPECT_EQ(DecimalExact(1).fois_puissance_dix(exposant_limite + 1), std::nullopt);
  for (const char* faux : {"", "-", ".", "1.2.3", "1e5", "+3", " 2", "12345678901234567890"}) {
    EXPECT_FALSE(DecimalExact::lire(faux).has_value()) << faux;
  }
}

TEST(DecimalExact, ArithmeticIsExactAndOverflowGivesNoValue) {
  EXPECT_EQ(lu("0.1").plus(lu("0.2"))->texte(), "0.3");
  EXPECT_EQ(lu("1000").moins(lu("0.001"))->texte(), "999.999");
  // 1114's product (1000a + F) * 10^k / 1000 with a = 2, F = 305, k = -2.
  EXPECT_EQ(DecimalExact(2305, -3).fois(DecimalExact(1, -2))->texte(), "0.02305");
  constexpr auto grand = std::numeric_limits<std::int64_t>::max();
  constexpr auto petit = std::numeric_limits<std::int64_t>::min();
  EXPECT_FALSE(DecimalExact(grand).plus(DecimalExact(1)).has_value());
  EXPECT_FALSE(DecimalExact(grand).fois(DecimalExact(3)).has_value());
  EXPECT_FALSE(DecimalExact(1, 10).plus(DecimalExact(1, -10)).has_value());
  EXPECT_EQ(DecimalExact(petit).texte(), "-9223372036854775808");
  EXPECT_FALSE(DecimalExact(petit).oppose().has_value());
  EXPECT_FALSE(DecimalExact(1).moins(DecimalExact(petit)).has_value());
  EXPECT_EQ(comparer(lu("0.3"), lu("0.29999")), 1);
  EXPECT_EQ(comparer(lu("-7"), lu("-0.7")), -1);
  EXPECT_EQ(comparer(DecimalExact(5, 20), DecimalExact(grand)), 1);
  EXPECT_EQ(comparer(lu("2.50"), DecimalExact(25, -1)), 0);
  EXPECT_EQ(DecimalExact(25, -1).entier(), std::nullopt);
  EXPECT_EQ(DecimalExact(25, 1).entier(), 250);
}

// Wherever the number text has no exponent, the plain text is the same.
TEST(DecimalExact, TextEqualsTheNumberTextWhereThatHasNoExponent) {
  constexpr int tirages = 20000;
  constexpr int plage_mantisse = 1000000;
  constexpr int plage_exposant = 14;
  SourceGraine source(5);
  int compares = 0;
  for (int i = 0; i < tirages; ++i) {
    const DecimalExact d(source.RandomRange(-plage_mantisse, plage_mantisse),
                         source.RandomRange(-plage_exposant, plage_exposant / 2));
    const std::string attendu = texte_nombre(d.valeur());
    if (attendu.find('E') != std::string::npos) continue;
    ++compares;
    ASSERT_EQ(d.texte(), attendu);
    ASSERT_EQ(DecimalExact::lire(d.texte()), d);
  }
  EXPECT_GT(compares, tirages / 2);
}

}  // namespace
