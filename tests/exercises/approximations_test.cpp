#include "exercises/generateurs/approximations.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

std::string texte(const std::optional<DecimalExact>& d) { return d ? d->texte() : "aucune"; }

TEST(Approximations, FractionsWithAShortDecimalFormOnly) {
  struct Cas {
    std::int64_t p, q;
    const char* attendu;
  };
  for (const Cas& c : {Cas{5, 2, "2.5"}, Cas{1, 8, "0.125"}, Cas{-3, 4, "-0.75"}, Cas{3, -4, "-0.75"}, Cas{6, 3, "2"},
                       Cas{1, 3, "aucune"}, Cas{1, 32, "aucune"}, Cas{1, 16, "0.0625"}, Cas{1, 0, "aucune"}}) {
    EXPECT_EQ(texte(decimal_de_fraction(c.p, c.q, 4)), c.attendu) << c.p << "/" << c.q;
  }
}

TEST(Approximations, ScientificNotation) {
  struct Cas {
    DecimalExact v;
    const char* mantisse;
    int exposant;
  };
  for (const Cas& c : {Cas{{5, -2}, "5", -2}, Cas{{-5, -2}, "-5", -2}, Cas{{12345, -1}, "1.2345", 3},
                       Cas{{7, 0}, "7", 0}, Cas{{123456789012LL, -3}, "1.23456789", 8},
                       Cas{{99999999999LL, -10}, "1", 1}, Cas{{-15, 2}, "-1.5", 3}}) {
    const NotationScientifique n = notation_scientifique(c.v);
    EXPECT_EQ(n.mantisse, c.mantisse) << c.v.texte();
    EXPECT_EQ(n.exposant, c.exposant) << c.v.texte();
  }
}

TEST(Approximations, IntegerSquareRootIsTheFloorEverywhere) {
  for (std::int64_t n = 0; n < 20000; ++n) {
    const std::int64_t r = racine_entiere(n);
    EXPECT_TRUE(r * r <= n && (r + 1) * (r + 1) > n) << n;
  }
  const std::int64_t grand = std::numeric_limits<std::int64_t>::max();
  const std::int64_t r = racine_entiere(grand);
  EXPECT_EQ(r, 3037000499LL);
}

TEST(Approximations, BoundsAtAPowerOfTen) {
  EXPECT_EQ(texte(plancher_quotient(2, 3, 2)), "0.66");
  EXPECT_EQ(texte(plafond_quotient(2, 3, 2)), "0.67");
  EXPECT_EQ(texte(plancher_quotient(-2, 3, 1)), "-0.7");
  EXPECT_EQ(texte(plafond_quotient(-2, 3, 1)), "-0.6");
  EXPECT_EQ(texte(plancher_quotient(7, 10, 1)), texte(plafond_quotient(7, 10, 1)));
  EXPECT_EQ(texte(plancher_racine(2, 3)), "1.414");
  EXPECT_EQ(texte(plafond_racine(2, 3)), "1.415");
  EXPECT_EQ(texte(plafond_racine(49, 2)), "7");
  EXPECT_EQ(texte(plancher_racine(2, 10)), "aucune");
  // Property, for every sign: the bounds frame the value and are 10^-k apart
  // unless exact. a/b is compared as (-a)/(-b) when b < 0.
  for (std::int64_t a = -50; a <= 50; ++a) {
    for (std::int64_t b = -50; b <= 50; ++b) {
      if (b == 0) continue;
      const auto l = plancher_quotient(a, b, 3);
      const auto h = plafond_quotient(a, b, 3);
      ASSERT_TRUE(l && h);
      const bool exact = (a * 1000) % b == 0;
      EXPECT_EQ(h->moins(*l), exact ? DecimalExact(0) : DecimalExact(1, -3)) << a << "/" << b;
      const DecimalExact diviseur(b < 0 ? -b : b);
      const DecimalExact dividende(b < 0 ? -a : a);
      EXPECT_LE(comparer(*l->fois(diviseur), dividende), 0) << a << "/" << b;
      EXPECT_GE(comparer(*h->fois(diviseur), dividende), 0) << a << "/" << b;
    }
  }
}

}  // namespace
