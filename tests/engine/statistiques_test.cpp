#include "engine/statistiques.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/cas_differentiels.h"
#include "engine/chemins_rapides.h"
#include "engine/evaluateur.h"
#include "engine/moteur_pret.h"
#include "engine/multiple_de_pi.h"
#include "engine/travail_de.h"
#include "localisation/nombres.h"

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

// Random lists: integers of a few digits, equal items, decimals of
// quarters, lists long and large enough to pass the bound of the exact
// sums, and now and then an item of another shape, which must keep the
// written path.
std::string liste_aleatoire(std::mt19937& alea) {
  const auto hasard = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea); };
  const int n = hasard(0, 5) == 0 ? hasard(10, 60) : hasard(1, 8);
  const int chiffres = hasard(0, 3) == 0 ? hasard(2, 10) : 1;
  std::string t;
  for (int k = 0; k < n; ++k) {
    std::int64_t v = hasard(0, 9);
    for (int c = 1; c < hasard(1, chiffres); ++c) v = v * 10 + hasard(0, 9);
    t += (k ? ";" : "") + texte_entier(hasard(0, 3) == 0 ? -v : v);
  }
  if (hasard(0, 2) == 0) {
    static const char* const quarts[] = {".5", ".25", ".75", ".0", ".50", ".00"};
    for (int k = hasard(1, 3); k > 0; --k) t += ";" + texte_entier(hasard(-20, 20)) + quarts[hasard(0, 5)];
  }
  if (hasard(0, 7) == 0) {
    static const char* const autres[] = {"2.5", "1/2", "a", "-0", "+3", "007", "(4)", "1E2", "0.1", "-0.5", "1.125", "05.5"};
    t += std::string(";") + autres[hasard(0, 11)];
  }
  return "[" + t + "]";
}

// The mean and the variance of lists of integers and quarters by exact
// integer sums against the written sums: same texts, never more work.
TEST_F(Statistiques, ListsOfIntegersAndQuartersGiveTheWrittenTexts) {
  std::mt19937 alea(31);
  for (int essai = 0, cas = nombre_cas_differentiels(1200); essai < cas; ++essai) {
    const std::string liste = liste_aleatoire(alea);
    const auto resultats = [&] { return moyenne(liste) + " " + variance(liste) + " " + ecart_type(liste); };
    std::string rapide;
    std::string ecrit;
    const auto travail_rapide = travail_de([&] { rapide = resultats(); });
    const SansCheminsRapides reference;
    const auto travail_ecrit = travail_de([&] { ecrit = resultats(); });
    ASSERT_EQ(rapide, ecrit) << liste;
    ASSERT_LE(travail_rapide, travail_ecrit) << liste;
  }
}

}  // namespace
