#include "engine/racines_rapides.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <variant>
#include <vector>

#include "engine/cas_differentiels.h"
#include "engine/chemins_rapides.h"
#include "engine/resoudre.h"
#include "localisation/nombres.h"
#include "moteur_pret.h"
#include "travail_de.h"

namespace {

using RacinesRapides = MoteurFrancais;

// Random a*x^2+b*x+c: small integers or quotients, b often 0, square discriminants
// (rational roots) and negative ones, and just past the shortcut's class:
// a < 0, a quotient or a large number as a coefficient.
class Trinomes {
 public:
  std::string trinome() {
    std::int64_t a = tirage(-12, 12);
    std::int64_t b = tirage(0, 3) == 0 ? 0 : tirage(-40, 40);
    std::int64_t c = tirage(-300, 300);
    if (tirage(0, 4) == 0) {  // (p*x-q)*(r*x-s): rational roots
      const std::int64_t p = tirage(1, 9);
      const std::int64_t q = tirage(-20, 20);
      const std::int64_t r = tirage(1, 9);
      const std::int64_t s = tirage(-20, 20);
      a = p * r;
      b = -(p * s + q * r);
      c = q * s;
    }
    if (tirage(0, 30) == 0) a = tirage(0, 1) == 0 ? 999999 : 1000001;
    if (tirage(0, 2) == 0) return monome_quotient(a, "*x^2", true) + monome_quotient(b, "*x", false) +
                                  monome_quotient(c, "", false);
    std::string t = monome(a, "*x^2", true) + monome(b, "*x", false) + monome(c, "", false);
    if (tirage(0, 20) == 0) t += "+" + texte_entier(tirage(1, 9)) + "/" + texte_entier(tirage(2, 9));
    if (tirage(0, 20) == 0) t += "-x/" + texte_entier(tirage(2, 9));
    return t.empty() ? "0" : t;
  }

 private:
  std::int64_t tirage(std::int64_t a, std::int64_t b) {
    return std::uniform_int_distribution<std::int64_t>(a, b)(alea_);
  }

  // k/q times the power, q a small denominator, typed "k/q*x^2".
  std::string monome_quotient(std::int64_t k, const std::string& puissance, bool premier) {
    static const std::int64_t denominateurs[] = {1, 2, 3, 4, 5, 6, 9, 12};
    if (k == 0) return "";
    const std::int64_t q = denominateurs[tirage(0, std::size(denominateurs) - 1)];
    std::string t = k < 0 ? "-" : (premier ? "" : "+");
    t += texte_entier(k < 0 ? -k : k);
    if (q != 1) t += "/" + texte_entier(q);
    return t + puissance;
  }

  static std::string monome(std::int64_t k, const std::string& puissance, bool premier) {
    if (k == 0) return "";
    std::string t = k < 0 ? "-" : (premier ? "" : "+");
    return t + texte_entier(k < 0 ? -k : k) + puissance;
  }

  std::mt19937_64 alea_{20261207};
};

// The roots written from exact quotients are the texts the written rewriting
// gives, real and complex, with no more work.
TEST_F(RacinesRapides, SameTextAsTheWrittenAlgorithm) {
  const int nombre_de_trinomes = nombre_cas_differentiels(3000);
  Trinomes trinomes;
  std::vector<std::string> textes = {"x^2-2*x-1",  "x^2+x+1",   "x^2-2*x+5", "4*x^2+1", "-3*x^2-1",
                                     "x^2+x-11=0", "x^2+7*x+1", "x^2",       "2*x^2+3*x-2"};
  for (int n = 0; n < nombre_de_trinomes; ++n) textes.push_back(trinomes.trinome());
  for (const auto& t : textes) {
    std::vector<std::string> rapide;
    std::vector<std::string> ecrit;
    const auto calculs = [&t] { return std::vector<std::string>{resoudre(t, "x", false), resoudre(t, "x", true)}; };
    const auto travail_rapide = travail_de([&] { rapide = calculs(); });
    std::uint64_t travail_ecrit = 0;
    {
      const SansCheminsRapides ecrit_seul;
      travail_ecrit = travail_de([&] { ecrit = calculs(); });
    }
    ASSERT_EQ(rapide, ecrit) << t;
    EXPECT_LE(travail_rapide, travail_ecrit) << t;
  }
}

// Quotients p/q for a, b and c, mostly a > 0 and b < 0 with complex roots
// whose discriminant has a denominator that is no square, and around that
// class (a < 0, b >= 0, square factors in the discriminant).
TEST_F(RacinesRapides, DenominatorOfTheDiscriminantNoSquare) {
  const int nombre_de_trinomes = nombre_cas_differentiels(1000);
  std::mt19937_64 alea(20261208);
  const auto tirage = [&alea](std::int64_t a, std::int64_t b) {
    return std::uniform_int_distribution<std::int64_t>(a, b)(alea);
  };
  const auto quotient = [&](std::int64_t bas, std::int64_t haut) {
    return "(" + texte_entier(tirage(bas, haut)) + "/" + texte_entier(tirage(1, 40)) + ")";
  };
  int denominateurs_irrationnels = 0;
  for (int n = 0; n < nombre_de_trinomes; ++n) {
    const std::string t = quotient(-3, 30) + "*x^2+" + quotient(-30, 3) + "*x+" + quotient(-3, 30);
    std::string rapide;
    std::string ecrit;
    const auto travail_rapide = travail_de([&] { rapide = resoudre(t, "x", true); });
    std::uint64_t travail_ecrit = 0;
    {
      const SansCheminsRapides ecrit_seul;
      travail_ecrit = travail_de([&] { ecrit = resoudre(t, "x", true); });
    }
    ASSERT_EQ(rapide, ecrit) << t;
    EXPECT_LE(travail_rapide, travail_ecrit) << t;
    const auto k = coefficients_quadratiques(t, "x", "");
    const auto raccourci = std::holds_alternative<Coefficients>(k)
                               ? racines_exactes(std::get<Coefficients>(k), discriminant(t, "x"), "x", true)
                               : std::nullopt;
    if (raccourci && raccourci->find(")/(") != std::string::npos) ++denominateurs_irrationnels;
  }
  // The class is reached often enough for the comparison to bind it.
  EXPECT_GT(denominateurs_irrationnels, nombre_de_trinomes / 10);
}

TEST_F(RacinesRapides, ClassOfTheShortcut) {
  EXPECT_EQ(racines_exactes({"1", "-2", "-1"}, "8", "x", false), "[x=1-sqrt(2);x=1+sqrt(2)]");
  EXPECT_EQ(racines_exactes({"4", "0", "1"}, "-16", "x", true), "[x=-\xEE/2;x=\xEE/2]");
  EXPECT_EQ(racines_exactes({"1", "-2", "1"}, "0", "x", false), "[x=1]");
  EXPECT_EQ(racines_exactes({"-1", "2", "1"}, "8", "x", false), "[x=1+sqrt(2);x=1-sqrt(2)]");
  EXPECT_FALSE(racines_exactes({"1", "1", "1"}, "-3", "x", false));
  // Left to the rewriting: a factored root over 2a/g < 0 or after -b/g < 0
  // (x^2+x-11), a denominator of d that is no square, a discriminant past
  // 10^12.
  EXPECT_FALSE(racines_exactes({"-6", "12", "2"}, "192", "x", false));
  EXPECT_EQ(racines_exactes({"1", "1/3", "1"}, "-35/9", "x", true), "[x=(-1-\xEE*sqrt(35))/6;x=(-1+\xEE*sqrt(35))/6]");
  EXPECT_EQ(racines_exactes({"2/3", "-1/5", "7/4"}, "-347/75", "x", true),
            "[x=(3*sqrt(3)-3*\xEE*sqrt(347))/(20*sqrt(3));x=(3*sqrt(3)+3*\xEE*sqrt(347))/(20*sqrt(3))]");
  // A denominator of d that is no square, left to the rewriting: the
  // imaginary term first, a < 0, b > 0, a square factor in d's numerator.
  EXPECT_FALSE(racines_exactes({"1/3", "-3/2", "8"}, "-101/12", "x", true));
  EXPECT_FALSE(racines_exactes({"-2/3", "-1/5", "-7/4"}, "-347/75", "x", true));
  EXPECT_FALSE(racines_exactes({"2/3", "1/5", "7/4"}, "-347/75", "x", true));
  EXPECT_FALSE(racines_exactes({"5/7", "-2/3", "1/3"}, "-32/63", "x", true));
  EXPECT_FALSE(racines_exactes({"1", "1", "-11"}, "45", "x", false));
  EXPECT_FALSE(racines_exactes({"1", "0", "-1"}, "4000000000000", "x", false));
}

}  // namespace
