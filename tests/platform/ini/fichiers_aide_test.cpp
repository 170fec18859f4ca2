#include "platform/ini/fichiers_aide.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "localisation/choix_langue.h"
#include "localisation/format.h"

namespace {

// The help files as the program sets them: the language switch's hook.
class FichiersAide : public ::testing::Test {
 protected:
  void SetUp() override {
    dossier_parametres = "/dossier/parametres/";
    enregistrer_fichiers_aide();
  }
  void TearDown() override {
    crochets_langue() = {};
    choisir_langue(0);
  }
};

TEST_F(FichiersAide, EnglishSwitchesTheHelpFolder) {
  choisir_langue(1);
  EXPECT_EQ(fichier_aide, "/dossier/parametres/English/Pralinore.chm");
  for (int n = 1; n <= 7; ++n) {
    ASSERT_TRUE(ini_aide[n]);
    EXPECT_EQ(ini_aide[n]->chemin(), Format("/dossier/parametres/English/Aide%d.ini", {n}));
  }
}

TEST_F(FichiersAide, AnyOtherIndexMeansTheFrenchHelpFolder) {
  for (const int indice : {0, 2, -1}) {
    choisir_langue(1);
    choisir_langue(indice);
    EXPECT_EQ(ini_aide[1]->chemin(), "/dossier/parametres/Fran\xC3\xA7" "ais/Aide1.ini");
  }
}

TEST_F(FichiersAide, HelpFilesReadTheLanguageFolder) {
  const auto dossier = std::filesystem::temp_directory_path() / "pralinore_catalogue_test";
  std::filesystem::remove_all(dossier);
  std::filesystem::create_directories(dossier / "English");
  {
    std::FILE* f = std::fopen((dossier / "English" / "Aide3.ini").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("[Exercices]\r\n1311=<B>page</B>\r\n", f);
    std::fclose(f);
  }
  dossier_parametres = dossier.string() + "/";
  choisir_langue(1);
  EXPECT_EQ(ini_aide[3]->lire_texte("Exercices", "1311"), "<B>page</B>");
  choisir_langue(0);  // no French folder here: pages are simply missing
  EXPECT_EQ(ini_aide[3]->lire_texte("Exercices", "1311"), "");
  std::filesystem::remove_all(dossier);
}

}  // namespace
