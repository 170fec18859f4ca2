// File and version questions of the system layer and the help viewer's
// start-up report.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fichiers_temporaires.h"
#include "platform/systeme/fichiers_systeme.h"
#include "platform/systeme/hh_funcs.h"
#include "platform/systeme/version_fichier_info.h"

namespace {

namespace fs = std::filesystem;

void ecrire_texte(const fs::path& chemin) { std::ofstream(chemin, std::ios::binary) << "contenu"; }

TEST(VersionFichier, OnlyTheRunningExecutableHasABlock) {
  const TJclFileVersionInfo info(nom_fichier_module());
  EXPECT_EQ(info.valeur_cle(4), PRALINORE_VERSION_FICHIER);
  EXPECT_EQ(info.valeur_cle(10), PRALINORE_VERSION_FICHIER);
  EXPECT_EQ(info.valeur_cle(9), "Pralinore");
  EXPECT_EQ(info.valeur_cle(0), "");
  EXPECT_EQ(info.valeur_cle(13), "");
  EXPECT_EQ(info.elements().size(), static_cast<std::size_t>(nombre_cles_version));
  for (const char* autre : {"/bin/sh", "/nonexistent/file", ""}) {
    try {
      TJclFileVersionInfo{autre};
      ADD_FAILURE() << autre;
    } catch (const EJclFileVersionInfoError& e) {
      EXPECT_STREQ(e.what(), "File contains no version information");
    }
  }
}

class Fichiers : public testing::Test {
 protected:
  void SetUp() override { racine_ = dossier_temporaire("systeme"); }
  void TearDown() override { fs::remove_all(racine_); }
  fs::path racine_;
};

TEST_F(Fichiers, ExistenceTests) {
  const auto fichier = racine_ / "f.txt";
  ecrire_texte(fichier);
  fs::create_symlink(racine_ / "absent", racine_ / "casse");
  EXPECT_TRUE(repertoire_existe(racine_.string()));
  EXPECT_FALSE(repertoire_existe(fichier.string()));
  EXPECT_FALSE(repertoire_existe((racine_ / "absent").string()));
  EXPECT_TRUE(fichier_existe(fichier.string()));
  EXPECT_TRUE(fichier_existe(racine_.string()));
  EXPECT_FALSE(fichier_existe((racine_ / "casse").string()));
  EXPECT_FALSE(fichier_existe((racine_ / "f.*").string()));
  const std::string module = nom_fichier_module();
  EXPECT_TRUE(fs::path(module).is_absolute());
  EXPECT_TRUE(fichier_existe(module));
}

TEST(DossierTemporaire, FollowsTmpdirWithoutTrailingSlash) {
  const char* avant = std::getenv("TMPDIR");
  const std::string sauve = avant ? avant : "";
  const std::vector<std::pair<const char*, const char*>> cas = {{"/x/y/", "/x/y"}, {"/x//", "/x"}, {"/", "/"}};
  for (const auto& [valeur, attendu] : cas) {
    ::setenv("TMPDIR", valeur, 1);
    EXPECT_EQ(dossier_temporaire_systeme(), attendu);
  }
  ::setenv("TMPDIR", "/x/y", 1);
  EXPECT_EQ(hh_funcs::dossier_temporaire(), "/tmp");  // a folder that is not there
  ::unsetenv("TMPDIR");
  EXPECT_EQ(dossier_temporaire_systeme(), "/tmp");
  if (avant) ::setenv("TMPDIR", sauve.c_str(), 1);
}

TEST(HhFuncs, Helpers) {
  EXPECT_EQ(sans_caracteres_finaux("/a///", '/'), "/a");
  EXPECT_EQ(hh_funcs::repeter('-', 0), "");
  EXPECT_EQ(hh_funcs::repeter('-', -3), "");
  EXPECT_EQ(hh_funcs::repeter('=', 3), "===");
  EXPECT_STREQ(hh_funcs::oui_non(true), "YES");
  EXPECT_EQ(hh_funcs::comparer_versions({4, 74, 9273, 0}, {4, 74, 9274, 0}), -1);
  EXPECT_EQ(hh_funcs::comparer_versions({4, 74, 9273, 0}, {4, 74, 9273, 0}), 0);
  EXPECT_EQ(hh_funcs::comparer_versions({5, 0, 0, 0}, {4, 74, 9274, 0}), 1);
  EXPECT_EQ(hh_funcs::texte_version(hh_funcs::lire_version("6.1.0-18-amd64")), "6.1.0.0");
  EXPECT_EQ(hh_funcs::texte_version(hh_funcs::lire_version("")), "0.0.0.0");
  const std::vector<std::pair<std::string, bool>> parametres = {
      {"/DEBUG", true}, {"-Debug", true}, {"--debug", false}, {"debug", false}, {"-debugx", false}};
  for (const auto& [parametre, attendu] : parametres) {
    EXPECT_EQ(hh_funcs::parametre_debug({"pralinore", parametre}), attendu) << parametre;
  }
  EXPECT_FALSE(hh_funcs::parametre_debug({"-debug"}));  // the program's own name does not count
}

TEST_F(Fichiers, LineWriterStampsAndRules) {
  const std::string rapport = (racine_ / "HHDebug.txt").string();
  const auto heure = [] { return std::string("12:34:56"); };
  for (const char* ligne : {"!Titre", "-", "=", "texte", "-x"}) hh_funcs::ecrire_ligne(rapport, ligne, heure);
  EXPECT_EQ(lire_octets(rapport), "Titre\r\n" + std::string(80, '-') + "\r\n" + std::string(80, '=') +
                                      "\r\n12:34:56   texte\r\nx\r\n");
  // A planted link is removed, and the file it pointed to stays untouched.
  const auto cible = racine_ / "cible";
  ecrire_texte(cible);
  fs::remove(rapport);
  fs::create_symlink(cible, rapport);
  hh_funcs::ecrire_ligne(rapport, "!a", heure);
  EXPECT_EQ(lire_octets(cible), "contenu");
  EXPECT_FALSE(fs::is_symlink(rapport));
  EXPECT_EQ(lire_octets(rapport), "a\r\n");
  hh_funcs::ecrire_ligne((racine_ / "absent" / "x.txt").string(), "!a", heure);  // dropped, no crash
}

class Rapport : public Fichiers {
 protected:
  hh_funcs::Environnement environnement(bool inscriptible) const {
    hh_funcs::Environnement env;
    env.version_programme = "2.1.2";
    env.version_rendu = "6.4.2";
    env.nom_locale = "fr_FR";
    env.separateur_decimal = ",";
    env.heure_longue = [] { return std::string("10:00:00"); };
    env.inscriptible = [inscriptible](const std::string&) { return inscriptible; };
    env.fichier_module = (racine_ / "prog" / "pralinore").string();
    env.dossier_utilisateur = (racine_ / "maison").string() + "/";
    env.noyau = "6.1.0-18-amd64";
    return env;
  }
  void SetUp() override {
    Fichiers::SetUp();
    fs::create_directories(racine_ / "prog");
    fs::create_directories(racine_ / "maison");
  }
};

TEST_F(Rapport, OffDeletesAnOldReportAndWritesNothing) {
  const auto rapport = racine_ / "prog" / "HHDebug.txt";
  ecrire_texte(rapport);
  hh_funcs::demarrer({"pralinore"}, environnement(true));
  EXPECT_FALSE(hh_funcs::mode_debug);
  EXPECT_FALSE(fs::exists(rapport));
  EXPECT_EQ(hh_funcs::_RunDir, (racine_ / "prog").string());  // a bare name: the module folder
}

TEST_F(Rapport, OnWritesEveryGroupInOrder) {
  hh_funcs::demarrer({"/usr/bin/pralinore", "-Debug"}, environnement(true));
  ASSERT_TRUE(hh_funcs::mode_debug);
  EXPECT_EQ(hh_funcs::_RunDir, "/usr/bin");
  EXPECT_EQ(hh_funcs::_ModuleDir, (racine_ / "prog").string());
  const std::string texte = lire_octets(racine_ / "prog" / "HHDebug.txt");
  const std::string rapport = (racine_ / "prog" / "HHDebug.txt").string();
  EXPECT_EQ(texte.rfind("Filename:             \t" + rapport + "\r\n", 0), 0u);
  std::size_t position = 0;
  for (const std::string& attendu : std::vector<std::string>
       {"\r\nDate:                 \t", "Operating System:      \tLinux 6.1.0", "SysLocale.DefaultLCID: \tfr_FR",
        "DecimalSeparator:      \t,", std::string(80, '-'), "EXE Path =          /usr/bin/pralinore",
        "Cmdline Param(s) =  -Debug", "_hhInstalled =      YES", "_hhFriendlyVerStr = built-in",
        "_ieVerStr =         6.4.2", std::string(80, '=')}) {
    const auto trouve = texte.find(attendu, position);
    ASSERT_NE(trouve, std::string::npos) << attendu;
    position = trouve;
  }
  // Twelve groups: 22 lines, each ended by CR LF, the last one the rule.
  std::size_t lignes = 0;
  for (auto fin = texte.find("\r\n"); fin != std::string::npos; fin = texte.find("\r\n", fin + 2)) ++lignes;
  EXPECT_EQ(lignes, 22u);
  EXPECT_EQ(texte.size() - texte.rfind(std::string(80, '=')), 82u);
}

TEST_F(Rapport, UnwritableModuleFolderMovesTheReportToTheUserFolder) {
  fs::create_directories(racine_ / "prog");
  ecrire_texte(racine_ / "prog" / "debug.debug");
  hh_funcs::demarrer({"pralinore"}, environnement(false));
  EXPECT_TRUE(hh_funcs::mode_debug);
  EXPECT_TRUE(fs::exists(racine_ / "maison" / "HHDebug.txt"));
  EXPECT_FALSE(fs::exists(racine_ / "prog" / "HHDebug.txt"));
  // A first run: the user's folder is not made yet.
  hh_funcs::Environnement premier = environnement(false);
  premier.dossier_utilisateur = (racine_ / "neuve" / "pralinore").string() + "/";
  hh_funcs::demarrer({"pralinore", "-debug"}, premier);
  EXPECT_TRUE(fs::exists(racine_ / "neuve" / "pralinore" / "HHDebug.txt"));
}

}  // namespace
