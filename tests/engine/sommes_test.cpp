#include "engine/sommes.h"

#include <gtest/gtest.h>

#include "engine/appel_fonction.h"
#include "engine/evaluateur.h"
#include "engine/fonctions_usuelles.h"
#include "engine/moteur_pret.h"
#include "localisation/catalogue.h"
#include "localisation/messagerie_enregistreuse.h"

namespace {

using Sommes = MoteurFrancais;

std::string hors_limites() { return "erreur(" + catalogue_textes.txt_argument_hors_limites + ")"; }

struct Cas {
  int a;
  int b;
  const char* terme;
  const char* attendu;
};

TEST_F(Sommes, Sums) {
  const Cas cas[] = {
      {1, 3, "k^2", "14"}, {1, 2, "1/k", "3/2"}, {1, 1, "k", "1"}, {-2, 2, "k", "0"}, {1, 50, "k^2", "42925"},
      {3, 1, "k", "0"},  // an empty range adds nothing
      {1, 4, "x", "4*x"}, {1, 3, "x^k", "x+x^2+x^3"},
      // The collection keeps exact and decimal numbers apart; the result
      // is one number all the same.
      {1, 3, "0.5", "3/2"}, {1, 1000, "0.5", "500"},
      {0, 2, "1/k", "erreur(Division par z\xE9ro)"},
  };
  for (const auto& c : cas) EXPECT_EQ(somme("k", c.a, c.b, c.terme), c.attendu) << c.terme << " " << c.a;
}

TEST_F(Sommes, Products) {
  const Cas cas[] = {
      {1, 4, "k", "24"}, {1, 3, "x", "x^3"}, {1, 3, "1/k", "1/6"},
      {3, 1, "k", "1"},                     // an empty range multiplies by nothing
      {1, 30, "k", "2.65252859812192E32"},  // past 64 bits: the floating text
  };
  for (const auto& c : cas) EXPECT_EQ(produit("k", c.a, c.b, c.terme), c.attendu) << c.terme << " " << c.a;
}

struct CasIndice {
  const char* indice;
  int a;
  int b;
  const char* terme;
  const char* attendu;
};

// The index reaches nested calls, so nested sums give their value; a term
// that is not numeric keeps its symbols.
TEST_F(Sommes, NestedAndSymbolicTerms) {
  const CasIndice sommes[] = {
      {"i", 1, 1000, "somme(j;1;1000;i*j)", "250500250000"},
      {"i", 1, 3, "somme(i;1;2;i)", "9"},  // the inner index hides the outer one
      {"i", 1, 3, "produit(j;1;i;2)", "14"},
      {"i", 1, 3, "somme(j;1;i;1/j)", "13/3"},
      {"i", -2, 2, "somme(j;i;2;j)", "10"},
      {"k", 1, 3, "k/pi", "6/pi"},
      {"k", -2, 1, "k/pi", "-2/pi"},
      {"k", 1, 10, "k*pi", "55*pi"},
      {"k", 1, 100000, "k*pi", "5000050000*pi"},
      {"k", 1, 4, "-pi", "-4*pi"},
      {"k", 1, 3, "k*x*pi", "6*x*pi"},
      {"ka", 1, 2, "ka+k", "3+2*k"},  // whole names only
  };
  for (const auto& c : sommes) EXPECT_EQ(somme(c.indice, c.a, c.b, c.terme), c.attendu) << c.terme;
  EXPECT_EQ(produit("i", 1, 3, "somme(j;1;i;j)"), "18");
  fonctions_usuelles->ajouter(0, "f", "", "", "", 1, "x", "", "x^2", false);
  EXPECT_EQ(somme("k", 1, 3, "f(k)"), "14");
  EXPECT_EQ(produit("k", 1, 3, "k/pi"), "6/(pi^3)");
  // A billion steps of nested sums count against the work bound.
  EXPECT_EQ(somme("i", 1, 1000, "somme(j;1;1000;somme(l;1;1000;i*j*l))"), "erreur(Expression trop complexe.)");
}

TEST_F(Sommes, BoundsOnTheWork) {
  // Too many terms: refused before anything is evaluated.
  EXPECT_EQ(somme("k", 1, 100001, "k"), hors_limites());
  EXPECT_EQ(produit("k", INT32_MIN, INT32_MAX, "k"), hors_limites());
  EXPECT_EQ(somme("k", 1, 100000, "k"), "5000050000");
  EXPECT_EQ(somme("k", 1, 100000, "k^2"), "333338333350000");
  // A running result past 2,000 characters: sums that outgrow 64 bits stay
  // unreduced. Symbolic sums grow with each term and stop on one bound or
  // the other.
  EXPECT_EQ(somme("k", 1, 100000, "k^3"), hors_limites());
  EXPECT_TRUE(est_erreur(somme("k", 1, 3000, "x^k")));
}

TEST_F(Sommes, ThroughTheCalculator) {
  MessagerieDeTest boites;
  EXPECT_EQ(calculer("somme(k;1;2;1/k)"), "3/2");
  EXPECT_EQ(calculer("produit(k;3;1;k)"), "1");
  EXPECT_EQ(calculer("somme(k;1;3;k)*2"), "6*2");
  EXPECT_EQ(calculer("somme(k;1;200000;k)"), hors_limites());
  EXPECT_TRUE(boites->journal.empty());
  EXPECT_EQ(calculer("somme(k;1;2.5;k)"), "");
  ASSERT_EQ(boites->journal.size(), 1u);
  EXPECT_EQ(boites->journal[0].texte, catalogue_textes.txt_bornes_entieres);
}

}  // namespace
