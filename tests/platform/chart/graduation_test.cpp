#include "platform/chart/graduation.h"

#include "localisation/nombres.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

std::vector<std::string> textes(const std::vector<double>& valeurs) {
  std::vector<std::string> resultat;
  for (const double v : valeurs) resultat.push_back(texte_nombre(v));
  return resultat;
}

TEST(Graduation, StepsAreOneTwoOrFiveTimesAPowerOfTen) {
  struct Cas {
    double minimum, maximum, longueur, ecart, pas;
  };
  for (const Cas& c : {
           Cas{-5, 5, 400, 40, 1},
           Cas{-5, 5, 400, 70, 2},
           Cas{0, 1, 400, 70, 0.2},
           Cas{0, 1E-6, 400, 40, 1E-7},
           Cas{-2E9, 3E9, 600, 35, 5E8},
           Cas{0, 10, 10, 70, 10},
       }) {
    EXPECT_DOUBLE_EQ(pas_graduation(c.minimum, c.maximum, c.longueur, c.ecart), c.pas)
        << c.minimum << ".." << c.maximum;
  }
}

TEST(Graduation, TicksAreExactMultiplesWithinTheRange) {
  EXPECT_EQ(textes(graduations(-5, 5, 400, 70)), (std::vector<std::string>{"-4", "-2", "0", "2", "4"}));
  EXPECT_EQ(textes(graduations(0.05, 1, 400, 70)), (std::vector<std::string>{"0.2", "0.4", "0.6", "0.8", "1"}));
  EXPECT_EQ(textes(graduations(-0.3, 0.3, 300, 50)),
            (std::vector<std::string>{"-0.3", "-0.2", "-0.1", "0", "0.1", "0.2", "0.3"}));
}

TEST(Graduation, DegenerateOrHopelessRangesGiveNoTicks) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Cas {
    double minimum, maximum, longueur;
  };
  for (const Cas& c : {Cas{1, 1, 400}, Cas{2, 1, 400}, Cas{0, inf, 400}, Cas{nan, 1, 400}, Cas{0, 1, 0},
                       Cas{1E17, 1E17 + 64, 400}, Cas{-1E308, 1E308, 400}}) {
    EXPECT_TRUE(graduations(c.minimum, c.maximum, c.longueur, 40).empty()) << c.minimum << ".." << c.maximum;
  }
}

}  // namespace
