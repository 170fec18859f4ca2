#include "engine/fonctions_usuelles.h"

#include <gtest/gtest.h>

#include "engine/lignes_predefinies.h"

namespace {

TEST(FonctionsUsuelles, BuiltInRows) {
  initialise_fonctions_usuelles();
  const auto& t = *fonctions_usuelles;
  EXPECT_EQ(t.taille(), 59);
  EXPECT_EQ(nb_fonctions_predefinies, 59);
  for (const int vide : {0, 1, 25}) EXPECT_EQ(t.nom[vide], "") << vide;
  EXPECT_EQ(t.nb_arguments[id_de(Ligne::integrale)], 4);
  EXPECT_EQ(t.nb_arguments[id_de(Ligne::somme)], 4);
  EXPECT_EQ(t.nb_arguments[id_de(Ligne::resoudre_systeme)], 2);
  EXPECT_EQ(t.nb_arguments[id_de(Ligne::developpement_limite)], 4);
  EXPECT_EQ(t.nom[id_de(Ligne::deriver)], "deriver");
  EXPECT_EQ(t.nom[id_de(Ligne::erreur)], "erreur");
  EXPECT_EQ(t.modele_derivee(id_de(Ligne::th)), "1/ch(%s)^2");
  EXPECT_EQ(t.modele_derivee(id_de(Ligne::abs)), "abs(%s)/(%s)");
  EXPECT_EQ(t.modele_primitive(id_de(Ligne::abs)), "(%s)*abs(%s)/2");
  EXPECT_EQ(t.arguments[id_de(Ligne::resoudre)], "\xE9quation;variable");
  EXPECT_FALSE(t.affichable[id_de(Ligne::det)]);
  EXPECT_TRUE(t.affichable[id_de(Ligne::erreur)]);
}

TEST(FonctionsUsuelles, RowsInBothLanguages) {
  int traduites = 0;
  for (const auto& l : lignes_predefinies()) traduites += l.traduite;
  EXPECT_EQ(traduites, 42);
  const LignePredefinie* derivee = ligne_predefinie(id_de(Ligne::deriver));
  ASSERT_NE(derivee, nullptr);
  EXPECT_EQ(derivee->nom[colonne_langue(1)], "derivate");
  EXPECT_EQ(derivee->cle_categorie, "txt_calcul_formel");
  EXPECT_EQ(ligne_predefinie(id_de(Ligne::integrale))->nom[1], "integrale");
  EXPECT_EQ(ligne_predefinie(25), nullptr);
  EXPECT_EQ(colonne_langue(2), 0);
}

TEST(FonctionsUsuelles, AddingAppendsAndTranslatingRewrites) {
  initialise_fonctions_usuelles();
  fonctions_usuelles->ajouter(0, "f", "2*%s", "%s^3/3", "", 1, "x", "", "x^2", false);
  EXPECT_EQ(fonctions_usuelles->identifiant("f"), 59);
  fonctions_usuelles->traduire(id_de(Ligne::deriver), "derivate", "Symbolic Calculation", "function;variable", "d");
  EXPECT_EQ(fonctions_usuelles->identifiant("derivate"), id_de(Ligne::deriver));
  EXPECT_EQ(fonctions_usuelles->identifiant("deriver"), 0);
  fonctions_usuelles->traduire(500, "x", "", "", "");  // out of range: nothing happens
  fonctions_usuelles->dimensionner();
  EXPECT_EQ(fonctions_usuelles->taille(), 59);
}

TEST(Constantes, PiAndUserConstants) {
  initialise_constantes();
  EXPECT_EQ(constantes->valeurs[constantes->indice("pi")], "3.14159265358979");
  EXPECT_EQ(constantes->valeurs[constantes->indice("\\p")], "3.14159265358979");
  constantes->ajouter("g", "9.8");
  constantes->ajouter("g", "9.81");
  EXPECT_EQ(constantes->noms.size(), 3u);
  EXPECT_EQ(constantes->valeurs[constantes->indice("g")], "9.81");
  constantes->supprimer("absente");
  constantes->supprimer("g");
  EXPECT_EQ(constantes->indice("g"), -1);
  EXPECT_EQ(constantes->noms.size(), 2u);
}

}  // namespace
