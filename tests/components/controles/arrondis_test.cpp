#include "localisation/arrondis.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>

namespace {

TEST(Arrondis, RoundGoesToTheEvenNeighbourOnTies) {
  struct Cas {
    double x;
    int attendu;
  };
  for (const Cas& c : {Cas{0.5, 0}, Cas{1.5, 2}, Cas{2.5, 2}, Cas{-0.5, 0}, Cas{-1.5, -2}, Cas{2.4999, 2},
                       Cas{2.5001, 3}, Cas{-2.6, -3}, Cas{1e12, INT_MAX}, Cas{-1e12, INT_MIN}}) {
    EXPECT_EQ(Round(c.x), c.attendu) << c.x;
  }
}

TEST(Arrondis, MulDivRoundsHalvesAwayFromZeroIn64Bits) {
  struct Cas {
    int a, b, c, attendu;
  };
  for (const Cas& c : {Cas{1, 1, 2, 1}, Cas{-1, 1, 2, -1}, Cas{1, -1, -2, 1}, Cas{3, 1, 2, 2}, Cas{1, 19, 64, 0},
                       Cas{2, 19, 64, 1}, Cas{INT_MAX, INT_MAX, INT_MAX, INT_MAX}, Cas{5, 7, 0, -1},
                       Cas{INT_MAX, 2, 1, -1}, Cas{INT_MIN, 1, 1, INT_MIN}}) {
    EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.attendu) << c.a << " * " << c.b << " / " << c.c;
  }
}

// Against the exact quotient: never more than half away, and a half always
// away from zero.
TEST(Arrondis, MulDivIsTheNearestQuotient) {
  std::mt19937 alea(7);
  std::uniform_int_distribution<int> tirage(-100000, 100000);
  for (int i = 0; i < 20000; ++i) {
    const int a = tirage(alea), b = tirage(alea), c = tirage(alea);
    if (c == 0) continue;
    const std::int64_t p = static_cast<std::int64_t>(a) * b;
    const std::int64_t q = MulDiv(a, b, c);
    const std::int64_t ecart2 = 2 * (q * c - p);  // twice the error, times c
    const std::int64_t c_abs = c < 0 ? -static_cast<std::int64_t>(c) : c;
    ASSERT_LE(ecart2 < 0 ? -ecart2 : ecart2, c_abs) << a << " " << b << " " << c;
    if ((ecart2 < 0 ? -ecart2 : ecart2) == c_abs) {
      ASSERT_GT(q < 0 ? -q : q, (p < 0 ? -p : p) / c_abs) << a << " " << b << " " << c;
    }
  }
}

}  // namespace
