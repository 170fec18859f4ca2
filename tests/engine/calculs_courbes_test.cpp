#include "engine/calculs_courbes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/courbe.h"
#include "engine/moteur_pret.h"
#include "engine/reduction.h"
#include "localisation/catalogue.h"

namespace {

using CalculsCourbes = MoteurFrancais;
using Textes = std::vector<std::string>;

TEST_F(CalculsCourbes, TypedPartsGiveTheCurveLine) {
  struct Cas {
    int genre;
    Textes parties;
    const char* ligne;
  };
  const Cas cas[] = {
      {genre_cartesien, {"x^2+1"}, "x^2+1;x"},
      {genre_parametrique, {"cos(t)", "sin(t)"}, "cos(t);sin(t);t"},
      {genre_polaire, {"1+cos(t)"}, "1+cos(t);t"},
      {genre_cartesien, {"3"}, "3;x"},
      {genre_cartesien, {"2x"}, "2*x;x"},
      {genre_cartesien, {"X^2"}, "x^2;x"},
      {genre_parametrique, {"2", "t"}, "2;t;t"},
      {genre_parametrique, {"1", "2"}, "1;2;t"},
      {genre_cartesien, {"cos(x"}, "cos(x);x"},  // the check completes the bracket
  };
  for (const auto& c : cas) {
    const Tsaisie_courbe r = verifier_saisie_courbe(c.genre, c.parties);
    EXPECT_EQ(r.ligne, c.ligne) << c.parties[0];
    EXPECT_TRUE(r.erreurs.empty()) << c.parties[0] << ": " << (r.erreurs.empty() ? "" : r.erreurs[0]);
  }
}

TEST_F(CalculsCourbes, TypedPartsRefusedWithTheirMessages) {
  const Tcatalogue_textes& t = catalogue_textes;
  struct Cas {
    int genre;
    Textes parties;
    Textes erreurs;
  };
  const Cas cas[] = {
      {genre_cartesien, {"sin(t)"}, {t.txt_fonction_doit_dependre}},
      {genre_polaire, {"x"}, {t.txt_fonction_doit_dependre_2}},
      {genre_cartesien, {"x+y"}, {t.txt_impossible_determiner_variable}},
      {genre_parametrique, {"t", "u"}, {t.txt_impossible_determiner_variable}},
      {genre_parametrique, {"x*y", "x*y"}, {t.txt_impossible_determiner_variable}},
      {genre_cartesien, {""}, {t.txt_fonction_manquante}},
      {genre_parametrique, {"", ""}, {t.txt_fonction_manquante}},
      {genre_parametrique, {"cos(t)", ""}, {t.txt_fonction_manquante}},
  };
  for (const auto& c : cas) {
    const Tsaisie_courbe r = verifier_saisie_courbe(c.genre, c.parties);
    EXPECT_EQ(r.ligne, "") << c.parties[0];
    EXPECT_EQ(r.erreurs, c.erreurs) << c.parties[0];
  }
  // A syntax error is reported with the checker's own text, and no line.
  for (const char* faute : {"x+*", "x$", "cos(x;y;z)"}) {
    const Tsaisie_courbe r = verifier_saisie_courbe(genre_cartesien, {faute});
    EXPECT_EQ(r.ligne, "") << faute;
    EXPECT_FALSE(r.erreurs.empty()) << faute;
  }
}

TEST_F(CalculsCourbes, AbscissasAreReplacedByTheirValue) {
  struct Cas {
    const char* saisie;
    bool produits;
    const char* texte;
  };
  const Cas cas[] = {
      {"pi/2", false, "1.5707963267949"}, {"1/3", false, "0.333333333333333"}, {"-2", false, "-2"},
      {"2PI", true, "6.28318530717959"},  {"sqrt(4)", false, "2"},
  };
  for (const auto& c : cas) {
    const Tabscisse_saisie a = numeriser_abscisse(c.saisie, c.produits);
    EXPECT_EQ(a.texte, c.texte) << c.saisie;
    EXPECT_TRUE(a.valeur) << c.saisie;
  }
  for (const char* saisie : {"a", "", "1/0", "ln(-1)", "x+1", "2pi"}) {
    const Tabscisse_saisie a = numeriser_abscisse(saisie, false);
    EXPECT_FALSE(a.valeur) << saisie;
    EXPECT_EQ(a.texte, saisie) << saisie;
  }
}

TEST_F(CalculsCourbes, TangentNeedsBothNumbers) {
  EXPECT_EQ(tangente("x^2", "x", 1), reduire("2*x-1"));
  EXPECT_EQ(tangente("x^2", "x", 0), "0");
  EXPECT_EQ(tangente("3", "x", 5), "3");
  for (const auto& [f, a] : {std::pair{"ln(x)", 0.0}, std::pair{"sqrt(x)", 0.0}, std::pair{"1/x", 0.0},
                             std::pair{"sqrt(x)", -1.0}, std::pair{"tan(x)", std::nan("")}}) {
    EXPECT_FALSE(tangente(f, "x", a)) << f << " at " << a;
  }
}

TEST_F(CalculsCourbes, TrapezoidSumWhateverTheOrderOfTheBounds) {
  for (const auto& [a, b] : {std::pair{0.0, 3.0}, std::pair{3.0, 0.0}}) {
    const Tvaleurs_integrale v = valeurs_integrale("x^2", "x", a, b);
    ASSERT_EQ(v.y.size(), static_cast<std::size_t>(intervalles_integrale + 1));
    EXPECT_EQ(v.x(0), 0);
    const Tintegrale s = somme_trapezes(v);
    EXPECT_NEAR(s.somme, 9, 1e-5);
    EXPECT_FALSE(s.discontinue);
  }
  // Below 0 the root has no value: those intervals add nothing.
  const Tintegrale racine = somme_trapezes(valeurs_integrale("sqrt(x)", "x", -1, 1));
  EXPECT_TRUE(racine.discontinue);
  EXPECT_NEAR(racine.somme, 2.0 / 3, 1e-3);
  EXPECT_EQ(somme_trapezes(valeurs_integrale("x", "x", 2, 2)).somme, 0);
  const Tvaleurs_integrale infinie = valeurs_integrale("x", "x", 0, std::numeric_limits<double>::infinity());
  EXPECT_TRUE(infinie.y.empty());
  EXPECT_EQ(somme_trapezes(infinie).somme, 0);
}

TEST_F(CalculsCourbes, CacheKeepsTheValuesOfEachCurveAndBounds) {
  Tcache_integrale cache;
  const Tvaleurs_integrale& premiere = cache.valeurs("x^2;x", 0, 2);
  EXPECT_EQ(&cache.valeurs("x^2;x", 0, 2), &premiere);
  EXPECT_NEAR(somme_trapezes(premiere).somme, 8.0 / 3, 1e-5);
  EXPECT_NEAR(somme_trapezes(cache.valeurs("x^2;x", 0, 1)).somme, 1.0 / 3, 1e-5);
  EXPECT_NEAR(somme_trapezes(cache.valeurs("x;x", 0, 2)).somme, 2, 1e-9);
}

}  // namespace
