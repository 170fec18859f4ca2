#include "engine/primitives.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/combinatoire.h"
#include "engine/decomposition.h"
#include "engine/entiers_verifies.h"
#include "engine/evaluateur.h"
#include "engine/moteur_pret.h"
#include "engine/operation.h"
#include "engine/profondeur.h"
#include "engine/valeurs_erreur.h"
#include "localisation/catalogue.h"
#include "localisation/choix_langue.h"
#include "localisation/messagerie_enregistreuse.h"
#include "travail_de.h"

namespace {

using Primitives = MoteurFrancais;

TEST_F(Primitives, Signs) {
  EXPECT_EQ(signe_terme("-3*x"), "-");
  EXPECT_EQ(signe_terme("-x+1"), "+");
  EXPECT_EQ(signe_terme(""), "");
  EXPECT_EQ(signe_nombre(-2.5), "-");
  EXPECT_EQ(signe_nombre(0), "");
  EXPECT_EQ(signe_nombre(1e-300), "+");
  const char* produits[][3] = {{"+", "+", "+"}, {"-", "-", "+"}, {"+", "-", "-"}, {"", "-", "-"},
                               {"", "", "+"},   {"*", "+", ""},  {"-", "x", ""}};
  for (const auto& p : produits) EXPECT_EQ(produit_signes(p[0], p[1]), p[2]) << p[0] << p[1];
}

TEST_F(Primitives, LeadingCoefficient) {
  const char* cas[][3] = {{"3*x*y", "3", "y*x"}, {"x*y", "1", "x*y"}, {"12", "12", "1"},
                          {"x", "1", "x"},       {"2*(a+b)", "2", "a+b"}, {"x*2", "1", "x*2"}};
  for (const auto& c : cas) {
    std::string coef, litteral;
    separe_coefficient(c[0], coef, litteral);
    EXPECT_EQ(coef, c[1]) << c[0];
    EXPECT_EQ(litteral, c[2]) << c[0];
  }
}

TEST_F(Primitives, ParityOfNumbersAndFractions) {
  const char* cas[][3] = {{"4", "#faux", "#vrai"}, {"-7", "#vrai", "#faux"}, {"3/5", "#vrai", "#faux"},
                          {"3/2", "#faux", "#vrai"}, {"x", "#err", "#err"}, {"2.5", "#err", "#err"},
                          {"99999999999", "#err", "#err"}};
  for (const auto& c : cas) {
    EXPECT_EQ(est_impair(c[0]), c[1]) << c[0];
    EXPECT_EQ(est_pair(c[0]), c[2]) << c[0];
  }
}

// Number-like texts: signs, digits, points, exponent marks and blanks in
// random order, and runs of digits around the length a double can hold.
std::vector<std::string> textes_presque_nombres() {
  std::vector<std::string> textes = {"", "-", "+", "-0", "+0", "0.0", "-0.0", "5.", ".5", "1e5", "2E-3", " 7", "7 "};
  for (const char chiffre : {'0', '9'}) {
    for (const std::size_t n : {14, 15, 16, 17, 18, 19, 20, 299, 300, 301, 308, 309, 400}) {
      textes.push_back(std::string(n, chiffre));
      textes.push_back("-" + std::string(n, chiffre));
    }
  }
  constexpr std::string_view alphabet = "0123456789-+.eEx (";
  constexpr int tirages = 3000;
  constexpr int longueur_maximale = 8;
  std::mt19937 alea(18);
  for (int k = 0; k < tirages; ++k) {
    std::string t;
    const int longueur = static_cast<int>(alea() % longueur_maximale) + 1;
    for (int i = 0; i < longueur; ++i) t += alphabet[alea() % alphabet.size()];
    textes.push_back(t);
  }
  return textes;
}

// The quick reading of integer texts agrees with the number layer.
TEST_F(Primitives, NumberTestsAgreeWithTheNumberLayer) {
  for (const auto& t : textes_presque_nombres()) {
    const auto valeur = lire_nombre(t);
    EXPECT_EQ(est_nombre(t), valeur.has_value()) << t;
    EXPECT_EQ(entier_du_texte(t), lire_entier64(t)) << t;
    const auto lue = valeur_lue(t);
    EXPECT_EQ(lue, valeur) << t;
    if (lue && valeur) {
      EXPECT_EQ(std::signbit(*lue), std::signbit(*valeur)) << t;
    }
    if (t.empty() || t.front() == ' ' || t.front() == '(') continue;
    const bool par_zero = operation("x", t, "/") == erreur_division_par_zero();
    EXPECT_EQ(par_zero, valeur && *valeur == 0) << t;
  }
}

// Dropping the sign of a text known negated gives what asking again gives,
// and counts the same work.
TEST_F(Primitives, SignDroppedOnceKnownAsEnleveMoins) {
  for (const std::string t : {"-x", "-3*x", "-x^2", "-(a+b)", "-2/3", "-f(x;y)", "-1E-5", "-x!", "-(-x)"}) {
    ASSERT_TRUE(est_negatif(t)) << t;
    EXPECT_EQ(sans_moins(t), enleve_moins(t)) << t;
    EXPECT_EQ(travail_de([&] { sans_moins(t); }), travail_de([&] { enleve_moins(t); })) << t;
  }
}

// Distributing the sign of a text known negated gives what asking again
// gives, and counts the same work.
TEST_F(Primitives, SignDistributedOnceKnownAsDistribueMoins) {
  for (const std::string t : {"-x", "-(a-2*b+c)", "-3*x*y", "-(x+1)*(x-1)", "-2/3*x", "-(-x-y)", "-x^2*(y-1)"}) {
    ASSERT_TRUE(est_negatif(t)) << t;
    EXPECT_EQ(distribue_moins_du_negatif(t), distribue_moins(t)) << t;
    EXPECT_EQ(travail_de([&] { distribue_moins_du_negatif(t); }), travail_de([&] { distribue_moins(t); })) << t;
  }
}

TEST(Combinatoire, CountsAndLimits) {
  EXPECT_EQ(factorielle(0), 1);
  EXPECT_EQ(factorielle(5), 120);
  EXPECT_EQ(factorielle(-3), 0);
  EXPECT_EQ(factorielle(20), 2432902008176640000);
  EXPECT_EQ(factorielle(21), std::nullopt);
  EXPECT_EQ(comb(2, 5), 10);
  EXPECT_EQ(perm(2, 5), 20);
  EXPECT_EQ(comb(5, 3), 0);
  EXPECT_EQ(comb(-1, 3), 0);
  EXPECT_EQ(comb(1, -3), std::nullopt);
  // Large counts that fit although n! does not.
  EXPECT_EQ(comb(30, 60), 118264581564861424);
  EXPECT_EQ(comb(33, 66), 7219428434016265740);
  EXPECT_EQ(comb(34, 68), std::nullopt);
  EXPECT_EQ(comb(2, 3000000000), 4499999998500000000);
  EXPECT_EQ(perm(20, 20), 2432902008176640000);
  EXPECT_EQ(perm(21, 21), std::nullopt);
  EXPECT_EQ(perm(3, 3000000), std::nullopt);  // 2.7E19
}

// Past 64 bits, the counts in floating point: the digits of the exact
// count, infinite past the largest double, and the loops end there.
TEST(Combinatoire, ApproximateCounts) {
  EXPECT_DOUBLE_EQ(factorielle_approchee(21), 51090942171709440000.0);
  EXPECT_DOUBLE_EQ(comb_approche(50, 100), 100891344545564193334812497256.0);
  EXPECT_DOUBLE_EQ(perm_approche(3, 3000000), 26999973000006000000.0);
  EXPECT_DOUBLE_EQ(comb_approche(2, 3000000000), 4499999998500000000.0);
  EXPECT_TRUE(std::isinf(factorielle_approchee(171)));
  EXPECT_TRUE(std::isinf(factorielle_approchee(INT64_MAX)));
  EXPECT_TRUE(std::isinf(comb_approche(1000000000, 2000000000)));
  EXPECT_TRUE(std::isinf(perm_approche(INT64_MAX - 1, INT64_MAX - 1)));
  EXPECT_DOUBLE_EQ(perm_approche(1, INT64_MAX), 9223372036854775807.0);
  EXPECT_DOUBLE_EQ(perm_approche(0, INT64_MAX), 1.0);
}

TEST_F(Primitives, BuiltInCalls) {
  const std::string hors_limites = "erreur(" + catalogue_textes.txt_argument_hors_limites + ")";
  const std::pair<const char*, std::string> cas[] = {
      {"comb(5;2)", "10"},  {"perm(5;2)", "20"},      {"perm(3;5)", "0"},     {"comb(30;3)", "4060"},
      {"fact(0)", "1"},     {"fact(-3)", hors_limites},        {"fact(20)", "2432902008176640000"},
      {"fact(21)", "5.10909421717094E19"}, {"comb(-1;0)", hors_limites}, {"perm(2000000000;30)", "1.07374159046118E279"},
      {"fact(-1)", hors_limites}, {"fact(170)", "7.257415615308E306"}, {"fact(171)", hors_limites},
      {"comb(100;50)", "1.00891344545564E29"}, {"comb(2000;1000)", hors_limites},
      {"perm(30;20)", "7.30965773291973E25"}, {"perm(2000000000;40)", hors_limites},
      {"est_pair(3/2)", "#vrai"}, {"est_impair(x)", "#err"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(calculer(texte), attendu) << texte;
  MessagerieDeTest boites;
  EXPECT_EQ(calculer("fact(2.5)"), "");
  ASSERT_EQ(boites->journal.size(), 1u);
  EXPECT_EQ(boites->journal[0].texte, catalogue_textes.txt_entiers_seulement);
}

TEST(PrimitivesEnAnglais, TruthWordsFollowTheLanguage) {
  preparer_moteur(1);
  EXPECT_EQ(calculer("is_even(3/2)"), "#true");
  EXPECT_EQ(calculer("is_odd(3)"), "#true");
  preparer_moteur(0);
}

}  // namespace
