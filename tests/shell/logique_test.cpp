// The shell's text work: version, home page, function menus and the texts
// the shell ships.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/fonctions_usuelles.h"
#include "localisation/catalogue.h"
#include "localisation/choix_langue.h"
#include "moteur_pret.h"
#include "shell/accueil.h"
#include "shell/menu_fonctions.h"
#include "shell/textes_shell.h"
#include "shell/version.h"

namespace {

TEST(Version, DropsTheBuildNumber) {
  EXPECT_EQ(version_sans_build("2.1.2.0"), "2.1.2");
  EXPECT_EQ(version_sans_build("2.1.2.10"), "2.1.2");
  EXPECT_EQ(version_sans_build("3"), "3");
  EXPECT_EQ(version_programme(), version_sans_build(version_fichier()));
  EXPECT_EQ(std::count(version_fichier().begin(), version_fichier().end(), '.'), 3);
}

TEST(ListeDistincte, SkipsTextsTheListAlreadyHolds) {
  EXPECT_EQ(liste_distincte({}), "");
  EXPECT_EQ(liste_distincte({"Calcul formel", "Calcul", "Arithm", "Calcul formel", "Fonctions"}),
            "Calcul formel, Arithm, Fonctions");
  // A piece of the separator counts as held too: the test is on the joined text.
  EXPECT_EQ(liste_distincte({"a", "b", ", "}), "a, b");
}

class AccueilFrancais : public MoteurFrancais {};

TEST_F(AccueilFrancais, WelcomeTextListsTheCategoriesInRowOrder) {
  const std::string texte = texte_accueil(*fonctions_usuelles, 134, {"Conversions", "Calcul"});
  const std::string debut =
      "Bienvenue sur Pralinore\r\n\r\nPralinore contient plus de 58 fonctions math\xE9matiques organis\xE9"
      "es en cat\xE9gorie : " +
      liste_distincte(categories_affichables(*fonctions_usuelles)) + ".\r\n\r\n";
  EXPECT_EQ(texte.substr(0, debut.size()), debut);
  EXPECT_NE(texte.find("contient 134 types d'exercices"), std::string::npos);
  EXPECT_TRUE(texte.ends_with("suivants: Conversions, Calcul.\r\n\r\n")) << texte;
  const auto categories = categories_affichables(*fonctions_usuelles);
  ASSERT_FALSE(categories.empty());
  EXPECT_EQ(categories.front(), catalogue_textes.txt_fonctions_usuelles);  // cos is row 2
}

TEST_F(AccueilFrancais, FunctionMenusListCallsWithoutDerivativeSorted) {
  const auto noms = noms_menu_fonctions(*fonctions_usuelles);
  ASSERT_FALSE(noms.empty());
  EXPECT_TRUE(std::is_sorted(noms.begin(), noms.end()));
  for (const char* absent : {"cos", "sin", "abs", "exp"}) {
    EXPECT_EQ(std::count(noms.begin(), noms.end(), absent), 0) << absent;
  }
  for (const char* present : {"fact", "reduire", "deriver", "pgcd"}) {
    EXPECT_EQ(std::count(noms.begin(), noms.end(), present), 1) << present;
  }
  // A user function without derivative template is listed; bytes above 0x7F sort last.
  fonctions_usuelles->ajouter(0, "\xE9nergie", "", "", "u", 1, "x", "", "x^2", true);
  fonctions_usuelles->ajouter(0, "aire", "", "", "u", 1, "x", "", "x^2", true);
  const auto avec = noms_menu_fonctions(*fonctions_usuelles);
  EXPECT_EQ(avec.back(), "\xE9nergie");
  EXPECT_EQ(avec.front(), "aire");
}

TEST(TextesShell, DataFilesAreWellFormed) {
  EXPECT_EQ(verifier_donnees_shell(), std::vector<std::string>{});
  EXPECT_EQ(texte_shell("installation_probleme"), "Probl\xE8me d'installation, r\xE9installer l'application.");
  EXPECT_EQ(texte_shell("inconnu"), "");
  const auto* bouton = libelle_conception("TFvorel", "Breduire");
  ASSERT_NE(bouton, nullptr);
  EXPECT_EQ(bouton->conseil, "r\xE9" "duire");
  ASSERT_NE(libelle_conception("TFconfiguration", "-"), nullptr);
  EXPECT_EQ(libelle_conception("TFconfiguration", "-")->libelle, "Configuration ");
  EXPECT_EQ(libelle_conception("TFvorel", "absent"), nullptr);
}

}  // namespace
