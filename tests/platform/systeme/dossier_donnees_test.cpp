// Where the data lives: the program folder when it can be written, else the
// user's folder seeded with the files it lacks.
#include "platform/systeme/dossier_donnees.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fichiers_temporaires.h"

namespace {

namespace fs = std::filesystem;

void ecrire(const fs::path& p, const std::string& contenu) {
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << contenu;
}

class DossierDonnees : public testing::Test {
 protected:
  void SetUp() override {
    racine_ = dossier_temporaire("dossiers");
    ASSERT_FALSE(racine_.empty());
    programme_ = racine_ / "programme";
    utilisateur_ = racine_ / "maison" / "pralinore";
    ecrire(programme_ / "parametres" / "Pralinore.ini", "[generales]\r\n");
    ecrire(programme_ / "parametres" / "Fran\xC3\xA7" "ais" / "Aide1.ini", "[Exercices]\r\n");
    ecrire(programme_ / "Constante.ini", "[Constante]\r\na=3\r\n");
    ecrire(programme_ / "pralinore", "binary");
  }
  void TearDown() override { fs::remove_all(racine_); }

  fs::path racine_, programme_, utilisateur_;
};

TEST_F(DossierDonnees, AWritableProgramFolderIsUsedAsItIs) {
  EXPECT_EQ(choisir_dossier_donnees(programme_.string(), utilisateur_.string()), programme_.string() + "/");
  EXPECT_FALSE(fs::exists(utilisateur_));
}

TEST_F(DossierDonnees, AFolderThatCannotBeWrittenGivesTheSeededUserFolder) {
  // Under a plain file nothing can be created, whoever runs the test.
  const fs::path bloque = racine_ / "fichier" / "programme";
  ecrire(racine_ / "fichier", "x");
  EXPECT_FALSE(dossier_inscriptible(bloque.string()));
  EXPECT_EQ(choisir_dossier_donnees(bloque.string(), utilisateur_.string()), utilisateur_.string() + "/");
  EXPECT_TRUE(fs::is_directory(utilisateur_));
}

TEST_F(DossierDonnees, SeedingCopiesTheDataFilesItLacksOnly) {
  ecrire(utilisateur_ / "parametres" / "Pralinore.ini", "[generales]\r\nlangue=1\r\n");
  EXPECT_TRUE(amorcer_dossier(programme_.string(), utilisateur_.string()));
  EXPECT_EQ(lire_octets(utilisateur_ / "parametres" / "Pralinore.ini"), "[generales]\r\nlangue=1\r\n");  // kept
  EXPECT_EQ(lire_octets(utilisateur_ / "parametres" / "Fran\xC3\xA7" "ais" / "Aide1.ini"), "[Exercices]\r\n");
  EXPECT_EQ(lire_octets(utilisateur_ / "Constante.ini"), "[Constante]\r\na=3\r\n");
  EXPECT_FALSE(fs::exists(utilisateur_ / "Fonction.ini"));  // the program has none to give
  EXPECT_FALSE(fs::exists(utilisateur_ / "pralinore"));     // only data is copied
  for (const auto& f : fs::recursive_directory_iterator(utilisateur_)) {
    EXPECT_EQ(f.path().extension(), f.is_directory() ? "" : ".ini") << f.path();
  }
}

TEST_F(DossierDonnees, TheEnvironmentNamesTheFolders) {
  ::setenv("PRALINORE_APPDIR", programme_.c_str(), 1);
  EXPECT_EQ(dossier_programme(), programme_.string() + "/");
  ::unsetenv("PRALINORE_APPDIR");
  EXPECT_EQ(fs::path(dossier_programme()), fs::canonical("/proc/self/exe").parent_path() / "");
  ::setenv("XDG_DATA_HOME", "/donnees", 1);
  EXPECT_EQ(dossier_utilisateur(), "/donnees/pralinore/");
  ::setenv("XDG_DATA_HOME", "relatif", 1);  // not absolute: ignored, as the XDG rules say
  const std::string maison = getenv("HOME") ? getenv("HOME") : "";
  ::setenv("HOME", "/home/eleve", 1);
  EXPECT_EQ(dossier_utilisateur(), "/home/eleve/.local/share/pralinore/");
  ::setenv("HOME", maison.c_str(), 1);
  ::unsetenv("XDG_DATA_HOME");
}

}  // namespace
