#include <gtest/gtest.h>

#include "engine/evaluateur.h"
#include "engine/fonction.h"
#include "engine/moteur_pret.h"
#include "localisation/catalogue.h"
#include "localisation/messagerie_enregistreuse.h"

namespace {

using DeveloppementLimite = MoteurFrancais;

std::string hors_limites() { return "erreur(" + catalogue_textes.txt_argument_hors_limites + ")"; }

TEST_F(DeveloppementLimite, TermsInPowersOfTheVariable) {
  const struct {
    const char* f;
    double point;
    int ordre;
    const char* attendu;
  } cas[] = {
      {"exp(x)", 0, 2, "1+x+(x^2)/2"},
      {"exp(x)", 0, 0, "1"},
      {"sin(x)", 0, 6, "x+(-x^3)/6+(x^5)/120"},
      {"cos(x)", 0, 4, "1+(-x^2)/2+(x^4)/24"},
      {"ln(1+x)", 0, 3, "x+(-x^2)/2+(x^3)/3"},
      {"tan(x)", 0, 5, "x+(x^3)/3+(2*x^5)/15"},
      // The expansion of f(1+x): the coefficients are the values at 1.
      {"x^3", 1, 3, "1+3*x+3*x^2+x^3"},
      {"x^2", 0.5, 2, "1/4+x+x^2"},
      // exp(x^2) to order 20: each derivative is reduced before the next.
      {"exp(x^2)", 0, 20,
       "1+x^2+(x^4)/2+(x^6)/6+(x^8)/24+(x^10)/120+(x^12)/720+(x^14)/5040+(x^16)/40320+(x^18)/362880+(x^20)/"
       "3628800"},
      {"y*x", 0, 2, "y*x"},
      {"0", 0, 3, "0"},
  };
  for (const auto& c : cas) EXPECT_EQ(fonction(c.f).developpement_limite("x", c.ordre, c.point), c.attendu) << c.f;
}

TEST_F(DeveloppementLimite, FailuresComeBackAsErrorValues) {
  EXPECT_EQ(fonction("ln(x)").developpement_limite("x", 3, 0), "erreur(erreur:logarithme d'un nombre negatif)");
  EXPECT_EQ(fonction("1/x").developpement_limite("x", 2, 0), "erreur(Division par z\xE9ro)");
  EXPECT_EQ(fonction("exp(x)").developpement_limite("x", 21, 0), hors_limites());
  EXPECT_EQ(fonction("exp(x)").developpement_limite("x", -1, 0), hors_limites());
}

TEST_F(DeveloppementLimite, ThroughTheCalculator) {
  MessagerieDeTest boites;
  EXPECT_EQ(calculer("developpement_limite(exp(x);x;0;2)"), "1+x+(x^2)/2");
  EXPECT_EQ(calculer("developpement_limite(exp(x);x;0;21)"), hors_limites());
  EXPECT_EQ(calculer("developpement_limite(1/0;x;0;2)"), "erreur(Division par z\xE9ro)");
  EXPECT_TRUE(boites->journal.empty());
  // Neither the point nor the order reads: a message and no result.
  EXPECT_EQ(calculer("developpement_limite(exp(x);x;pi;2)"), "");
  EXPECT_EQ(calculer("developpement_limite(exp(x);x;0;2.5)"), "");
  ASSERT_EQ(boites->journal.size(), 2u);
  for (const auto& m : boites->journal) EXPECT_EQ(m.texte, catalogue_textes.txt_entiers_seulement);
}

}  // namespace
