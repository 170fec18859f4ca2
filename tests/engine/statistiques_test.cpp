#include "engine/statistiques.h"

#include <gtest/gtest.h>

#include "engine/evaluateur.h"
#include "engine/moteur_pret.h"
#include "engine/multiple_de_pi.h"

namespace {

using Statistiques = MoteurFrancais;
using Paire = std::pair<const char*, const char*>;

TEST_F(Statistiques, SmallestAndLargestItemAsWritten) {
  const struct {
    const char* liste;
    const char* min;
    const char* max;
  } cas[] = {
      {"[3;1;2]", "1", "3"}, {"[sqrt(2);1.4;pi/2]", "1.4", "pi/2"}, {"[-1;(2+3)]", "-1", "(2+3)"}, {"[7]", "7", "7"},
      {"[1/2;0.5]", "1/2", "1/2"},  // the first of equal values
      {"[2;a]", "#err", "#err"}, {"[1;1/0]", "#err", "#err"}, {"[]", "#err", "#err"}, {"[1;;2]", "#err", "#err"},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(minimum(c.liste), c.min) << c.liste;
    EXPECT_EQ(maximum(c.liste), c.max) << c.liste;
  }
}

TEST_F(Statistiques, MeanVarianceAndStandardDeviation) {
  const struct {
    const char* liste;
    const char* moyenne;
    const char* variance;
  } cas[] = {
      {"[1;2;3;4]", "5/2", "5/4"},
      {"[2;4;4;4;5;5;7;9]", "5", "4"},
      {"[12.5;14;9]", "71/6", "79/18"},  // halves make one exact mean
      {"[0.5;0.25]", "3/8", "1/64"},
      {"[-1;-2]", "-3/2", "1/4"},
      {"[a;b]", "(a+b)/2", "(a^2-2*a*b+b^2)/4"},
      {"[]", "#err", "#err"},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(moyenne(c.liste), c.moyenne) << c.liste;
    EXPECT_EQ(variance(c.liste), c.variance) << c.liste;
  }
  EXPECT_EQ(ecart_type("[1;2;3;4]"), "sqrt(5/4)");  // the root as it is
  EXPECT_EQ(ecart_type("[]"), "#err");
}

TEST_F(Statistiques, ThroughTheCalculator) {
  const Paire cas[] = {
      {"min([3;1;2])", "1"},          {"max([1;5;2])", "5"}, {"moyenne([1;2;3;4])", "5/2"},
      {"variance([1;2;3;4])", "5/4"}, {"ecart_type([1;2;3;4])", "sqrt(5/4)"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(calculer(texte), attendu) << texte;
}

TEST_F(Statistiques, MultiplesOfPi) {
  const Paire cas[] = {
      {"0.785398163397448", "pi/4"},
      {"3.14159265358979", "pi"},
      {"-3.14159265358979", "-pi"},
      {"2.35619449019234", "(3*pi)/4"},  // 2.999999999999992 at k = 4 counts as 3
      {"6.28318530717959", "2*pi"},
      {"0", "0"},
      {"1", "1"},  // no denominator below 100 fits
      {"0.0314159265358979", "0.0314159265358979"},  // pi/100
      {"1E300", "1E300"},
      {"x", "x"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(multiple_de_pi(texte), attendu) << texte;
}

}  // namespace
