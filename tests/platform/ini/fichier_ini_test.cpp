#include "platform/ini/fichier_ini.h"

#include "localisation/nombres.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include <sys/stat.h>

#include "fichiers_temporaires.h"

namespace {

namespace fs = std::filesystem;

// Every test gets a fresh folder of its own: ctest runs programs side by side.
class FichierIni : public testing::Test {
 protected:
  void SetUp() override {
    dossier_ = dossier_temporaire("ini");
    ASSERT_FALSE(dossier_.empty());
    chemin_ = (dossier_ / "reglages.ini").string();
  }
  void TearDown() override { fs::remove_all(dossier_); }

  void poser(const std::string& octets) const { std::ofstream(chemin_, std::ios::binary) << octets; }
  std::string contenu() const {
    return lire_octets(chemin_);
  }
  int nombre_de_fichiers() const {
    return static_cast<int>(std::distance(fs::directory_iterator(dossier_), fs::directory_iterator()));
  }
  // Counts the files the object actually writes.
  static void compter_ecritures(Tfichier_ini& ini, int& ecritures) {
    ini.definir_crochet_ecriture([&ecritures](Tetape_ecriture etape) {
      if (etape == Tetape_ecriture::renommage) ++ecritures;
      return true;
    });
  }

  fs::path dossier_;
  std::string chemin_;
};

const std::string fichier_mixte =
    "; Pralinore\r\n\r\n[Outils]\r\ncle = 1\r\nnom=caf\xE9 \x92" "a\x92 \xEE\r\n# fin\r\n?\r\n\r\n"
    "[Inconnue]\r\nx=y=z\r\n\r\n";

TEST_F(FichierIni, AWriteChangesOnlyItsLine) {
  poser(fichier_mixte);
  Tfichier_ini ini(chemin_);
  ASSERT_TRUE(ini.ecrire_texte("outils", "Cle", "2"));
  std::string attendu = fichier_mixte;
  attendu.replace(attendu.find("cle = 1"), 7, "cle = 2");
  EXPECT_EQ(contenu(), attendu);
  EXPECT_EQ(ini.lire_texte("Outils", "NOM"), "caf\xE9 \x92" "a\x92 \xEE");
}

TEST_F(FichierIni, NamesOfAnyCaseMeanOneSection) {
  Tfichier_ini ini(chemin_);
  ASSERT_TRUE(ini.ecrire_texte("outils", "Cle", "a"));
  ASSERT_TRUE(ini.ecrire_texte("Outils", "cle", "b"));
  ASSERT_TRUE(ini.ecrire_texte("OUTILS", "autre", "c"));
  EXPECT_EQ(contenu(), "[outils]\r\nCle=b\r\nautre=c\r\n");
  EXPECT_EQ(ini.cles_section("Outils"), (std::vector<std::string>{"Cle", "autre"}));
  EXPECT_EQ(ini.lignes_section("outils"), (std::vector<std::string>{"Cle=b", "autre=c"}));
}

TEST_F(FichierIni, ValuesComeBackAsWritten) {
  Tfichier_ini ini(chemin_);
  for (const char* valeur : {"y=x;x", "<P ALIGN=RIGHT>a, b", "\"a\" ; b # c", "", "\xE9\x92\xEE"}) {
    ASSERT_TRUE(ini.ecrire_texte("Aide", "0", valeur));
    EXPECT_EQ(Tfichier_ini(chemin_).lire_texte("aide", "0", "?"), valeur);
  }
}

TEST_F(FichierIni, TypedValuesFallBackToTheDefault) {
  poser("[A]\r\nEn_calcul=\r\nn= -12 \r\nx=1.5\r\ngrand=99999999999\r\noui=oui\r\nv=1,5\r\n"
        "deux=2\r\nmoins=-1\r\nd=29/02/2024\r\nfaux=30/02/2024\r\n");
  const Tfichier_ini ini(chemin_);
  EXPECT_EQ(ini.lire_texte("A", "En_calcul", "?"), "");
  EXPECT_EQ(ini.lire_entier("A", "En_calcul", 7), 7);
  EXPECT_EQ(ini.lire_entier("A", "n", 7), -12);
  for (const char* cle : {"x", "grand", "absente"}) EXPECT_EQ(ini.lire_entier("A", cle, 7), 7) << cle;
  EXPECT_TRUE(ini.lire_booleen("A", "deux", false));
  EXPECT_TRUE(ini.lire_booleen("A", "moins", false));
  EXPECT_TRUE(ini.lire_booleen("A", "oui", true));
  EXPECT_FALSE(ini.lire_booleen("A", "oui", false));
  EXPECT_FALSE(ini.lire_booleen("A", "En_calcul", false));
  EXPECT_EQ(ini.lire_reel("A", "x", 0), 1.5);
  EXPECT_EQ(ini.lire_reel("A", "v", 9), 9);
  EXPECT_EQ(ini.lire_date("A", "d", {}), (Tdate_ini{2024, 2, 29}));
  EXPECT_EQ(ini.lire_date("A", "faux", {1, 2, 3}), (Tdate_ini{1, 2, 3}));
}

TEST_F(FichierIni, TypedValuesAreWrittenInTheProgramsText) {
  Tfichier_ini ini(chemin_);
  ASSERT_TRUE(ini.ecrire_entier("T", "e", -2147483647 - 1));
  ASSERT_TRUE(ini.ecrire_booleen("T", "b", true));
  ASSERT_TRUE(ini.ecrire_booleen("T", "f", false));
  ASSERT_TRUE(ini.ecrire_reel("T", "r", -1E-7));
  ASSERT_TRUE(ini.ecrire_date("T", "d", {2024, 9, 1}));
  EXPECT_FALSE(ini.ecrire_reel("T", "r", std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(ini.ecrire_date("T", "d", {2023, 2, 29}));
  EXPECT_EQ(contenu(), "[T]\r\ne=-2147483648\r\nb=1\r\nf=0\r\nr=-1E-7\r\nd=2024-09-01\r\n");
  EXPECT_EQ(ini.lire_reel("T", "r", 0), -1E-7);
}

TEST_F(FichierIni, BadNamesAreRefusedAndNothingIsWritten) {
  Tfichier_ini ini(chemin_);
  EXPECT_FALSE(ini.ecrire_texte("", "cle", "v"));
  EXPECT_FALSE(ini.ecrire_texte("A]", "cle", "v"));
  EXPECT_FALSE(ini.ecrire_texte("A", "a=b", "v"));
  EXPECT_FALSE(ini.ecrire_texte("A", "c\r\n[B]", "v"));
  EXPECT_FALSE(fs::exists(chemin_));
}

TEST_F(FichierIni, ErasingASectionKeepsEveryOtherByte) {
  poser(fichier_mixte);
  Tfichier_ini ini(chemin_);
  ASSERT_TRUE(ini.effacer_section("OUTILS"));
  EXPECT_EQ(contenu(), "; Pralinore\r\n\r\n[Inconnue]\r\nx=y=z\r\n\r\n");
  ASSERT_TRUE(ini.supprimer_cle("inconnue", "X"));
  EXPECT_EQ(contenu(), "; Pralinore\r\n\r\n[Inconnue]\r\n\r\n");
  EXPECT_FALSE(ini.cle_existe("Inconnue", "x"));
  EXPECT_TRUE(ini.section_existe("Inconnue"));
}

TEST_F(FichierIni, WhatChangesNothingWritesNothing) {
  poser("[A]\r\nx=1\r\n");
  Tfichier_ini ini(chemin_);
  int ecritures = 0;
  compter_ecritures(ini, ecritures);
  EXPECT_TRUE(ini.ecrire_texte("a", "X", "1"));
  EXPECT_TRUE(ini.supprimer_cle("A", "y"));
  EXPECT_TRUE(ini.effacer_section("B"));
  EXPECT_EQ(ecritures, 0);
}

TEST_F(FichierIni, AFailedWriteLeavesTheOldFileWhole) {
  poser(fichier_mixte);
  for (const auto etape : {Tetape_ecriture::creation, Tetape_ecriture::ecriture, Tetape_ecriture::synchronisation,
                           Tetape_ecriture::renommage}) {
    Tfichier_ini ini(chemin_);
    ASSERT_EQ(ini.lire_texte("Outils", "cle"), "1");
    ini.definir_crochet_ecriture([etape](Tetape_ecriture e) { return e != etape; });
    EXPECT_FALSE(ini.ecrire_texte("Outils", "cle", "2"));
    EXPECT_FALSE(ini.effacer_section("Outils"));
    EXPECT_EQ(contenu(), fichier_mixte);
    EXPECT_EQ(nombre_de_fichiers(), 1);  // no temporary file left behind
    EXPECT_EQ(ini.lire_texte("Outils", "cle"), "1");
  }
}

TEST_F(FichierIni, AMissingFileReadsEmptyAndItsFirstWriteCreatesIt) {
  Tfichier_ini ini(chemin_);
  EXPECT_FALSE(ini.section_existe("A"));
  EXPECT_EQ(ini.lire_entier("A", "x", 4), 4);
  ASSERT_TRUE(ini.ecrire_entier("A", "x", 5));
  EXPECT_EQ(contenu(), "[A]\r\nx=5\r\n");

  Tfichier_ini sans_dossier((dossier_ / "absent" / "r.ini").string());
  EXPECT_FALSE(sans_dossier.ecrire_entier("A", "x", 5));
  EXPECT_FALSE(fs::exists(dossier_ / "absent"));
}

TEST_F(FichierIni, SomethingUnreadableIsNeverOverwritten) {
  fs::create_directory(chemin_);
  const std::string tube = (dossier_ / "tube.ini").string();
  ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
  for (const std::string& chemin : {chemin_, tube}) {
    Tfichier_ini ini(chemin);
    EXPECT_EQ(ini.lire_texte("A", "x", "d"), "d");  // and no hang on the FIFO
    EXPECT_FALSE(ini.ecrire_texte("A", "x", "1"));
  }
  EXPECT_TRUE(fs::is_directory(chemin_));
  EXPECT_TRUE(fs::is_fifo(tube));
}

// The check goes by the permissions, so it holds for the administrator too,
// whom the system lets write anything.
TEST_F(FichierIni, AFileTheUserMayNotWriteIsNeverReplaced) {
  poser(fichier_mixte);
  ASSERT_EQ(::chmod(chemin_.c_str(), 0444), 0);
  Tfichier_ini ini(chemin_);
  EXPECT_TRUE(protege_en_ecriture(chemin_));
  EXPECT_FALSE(ini.ecrire_texte("Outils", "cle", "2"));
  EXPECT_FALSE(ini.remplacer_section("Liste", {{"0", "a"}}));
  EXPECT_EQ(ini.lire_texte("Outils", "cle"), "1");
  EXPECT_EQ(contenu(), fichier_mixte);
  EXPECT_EQ(fs::status(chemin_).permissions(), fs::perms(0444));
  EXPECT_EQ(nombre_de_fichiers(), 1);
  ASSERT_EQ(::chmod(chemin_.c_str(), 0600), 0);
  EXPECT_FALSE(protege_en_ecriture(chemin_));
  EXPECT_TRUE(ini.ecrire_texte("Outils", "cle", "2"));
}

TEST_F(FichierIni, AUtf8FileIsReadInWindows1252AndStaysUtf8) {
  poser("\xEF\xBB\xBF[A]\nnom=caf\xC3\xA9\n");
  Tfichier_ini ini(chemin_);
  EXPECT_EQ(ini.lire_texte("A", "nom"), "caf\xE9");
  ASSERT_TRUE(ini.ecrire_texte("A", "x", "\xEE"));
  EXPECT_EQ(contenu(), "\xEF\xBB\xBF[A]\nnom=caf\xC3\xA9\nx=\xC3\xAE\n");
  EXPECT_EQ(Tfichier_ini(chemin_).lire_texte("A", "x"), "\xEE");
}

TEST_F(FichierIni, ObjectsOnOneFileSeeEachOthersWrites) {
  Tfichier_ini a(chemin_);
  Tfichier_ini b(chemin_);
  // Same-size values in quick succession: the file's print barely changes.
  for (int i = 0; i < 20; ++i) {
    ASSERT_TRUE(a.ecrire_entier("S", "n", i % 10));
    EXPECT_EQ(b.lire_entier("S", "n", -1), i % 10);
    ASSERT_TRUE(b.ecrire_entier("S", "m", i % 10));
    EXPECT_EQ(a.lire_entier("S", "m", -1), i % 10);
  }
}

// Reads trust the text in memory whenever the print on disk has not changed.
TEST_F(FichierIni, ATrustedCacheStillSeesChangesAndFailedWrites) {
  poser("[S]\r\nn=1\r\n");
  Tfichier_ini a(chemin_);
  EXPECT_EQ(a.lire_entier("S", "n", -1), 1);
  ASSERT_TRUE(Tfichier_ini(chemin_).ecrire_entier("S", "n", 2));
  EXPECT_EQ(a.lire_entier("S", "n", -1), 2);
  a.definir_crochet_ecriture([](Tetape_ecriture e) { return e != Tetape_ecriture::renommage; });
  EXPECT_FALSE(a.ecrire_entier("S", "n", 3));
  EXPECT_EQ(a.lire_entier("S", "n", -1), 2);
}

TEST_F(FichierIni, ABatchIsOneFileWrite) {
  poser("[Lot]\r\n");
  Tfichier_ini ini(chemin_);
  int ecritures = 0;
  compter_ecritures(ini, ecritures);
  ini.demarrer_lot();
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(ini.ecrire_entier("Lot", "k" + texte_entier(i), i));
  ini.demarrer_lot();
  EXPECT_FALSE(ini.ecrire_texte("Lot", "", "refused"));
  EXPECT_TRUE(ini.terminer_lot());
  EXPECT_EQ(ini.lire_entier("Lot", "k99", -1), 99);  // the batch's own writes are seen
  EXPECT_EQ(contenu(), "[Lot]\r\n");
  EXPECT_TRUE(ini.terminer_lot());
  EXPECT_EQ(ecritures, 1);
  const Tfichier_ini relu(chemin_);
  ASSERT_EQ(relu.cles_section("lot").size(), 100u);
  EXPECT_EQ(relu.lire_entier("Lot", "k42", -1), 42);
  EXPECT_TRUE(ini.terminer_lot());  // no batch open
}

TEST_F(FichierIni, AFailedBatchLeavesTheFileAndDropsItsWrites) {
  poser("[A]\r\nx=1\r\n");
  Tfichier_ini ini(chemin_);
  ini.definir_crochet_ecriture([](Tetape_ecriture e) { return e != Tetape_ecriture::renommage; });
  {
    Tlot_ini lot(ini);
    ASSERT_TRUE(ini.ecrire_texte("A", "x", "2"));
    EXPECT_FALSE(lot.terminer());
  }
  EXPECT_EQ(contenu(), "[A]\r\nx=1\r\n");
  EXPECT_EQ(ini.lire_texte("A", "x"), "1");
}

TEST_F(FichierIni, AnOpenBatchIsWrittenWhenItsObjectGoes) {
  {
    Tfichier_ini ini(chemin_);
    ini.demarrer_lot();
    ASSERT_TRUE(ini.ecrire_texte("A", "x", "1"));
  }
  EXPECT_EQ(contenu(), "[A]\r\nx=1\r\n");
}

TEST_F(FichierIni, TheFileKeepsItsPermissionsAndLinks) {
  poser("[A]\r\nx=1\r\n");
  ASSERT_EQ(::chmod(chemin_.c_str(), 0640), 0);
  const fs::path lien = dossier_ / "lien.ini";
  fs::create_symlink(chemin_, lien);
  ASSERT_TRUE(Tfichier_ini(lien.string()).ecrire_texte("A", "x", "2"));
  EXPECT_TRUE(fs::is_symlink(lien));
  EXPECT_EQ(contenu(), "[A]\r\nx=2\r\n");
  EXPECT_EQ(fs::status(chemin_).permissions(), fs::perms(0640));
}

TEST_F(FichierIni, EntriesComeInFileOrderDuplicatesIncluded) {
  poser("[Liste]\r\n 1 = b=c \r\n; note\r\n0=a\r\n1=d\r\n?\r\n[Autre]\r\nx=1\r\n");
  const Tfichier_ini ini(chemin_);
  EXPECT_EQ(ini.entrees_section("LISTE"),
            (std::vector<Tentree_ini>{{"1", "b=c"}, {"0", "a"}, {"1", "d"}}));
  EXPECT_TRUE(ini.entrees_section("Absente").empty());
}

TEST_F(FichierIni, ReplacingASectionIsOneWriteAndKeepsTheRest) {
  poser("; tete\r\n[Liste]\r\n0=vieux\r\n5=autre\r\n\r\n[Autre]\r\nx=1\r\n");
  Tfichier_ini ini(chemin_);
  int ecritures = 0;
  compter_ecritures(ini, ecritures);
  ASSERT_TRUE(ini.remplacer_section("liste", {{"0", "y=x;x"}, {"1", "\xE9"}}));
  EXPECT_EQ(ecritures, 1);
  EXPECT_EQ(contenu(), "; tete\r\n[Liste]\r\n0=y=x;x\r\n1=\xE9\r\n\r\n[Autre]\r\nx=1\r\n");

  EXPECT_FALSE(ini.remplacer_section("liste", {{"0", "a"}, {"=", "b"}}));
  EXPECT_EQ(ini.lire_texte("Liste", "0"), "y=x;x");
  ASSERT_TRUE(ini.remplacer_section("Liste", {}));
  EXPECT_TRUE(ini.cles_section("Liste").empty());
  EXPECT_EQ(ecritures, 2);
}

TEST_F(FichierIni, AFailedReplacementLeavesTheFileWhole) {
  poser(fichier_mixte);
  Tfichier_ini ini(chemin_);
  ini.definir_crochet_ecriture([](Tetape_ecriture e) { return e != Tetape_ecriture::renommage; });
  EXPECT_FALSE(ini.remplacer_section("Outils", {{"0", "a"}}));
  EXPECT_EQ(contenu(), fichier_mixte);

  fs::remove(chemin_);
  fs::create_directory(chemin_);
  EXPECT_FALSE(Tfichier_ini(chemin_).remplacer_section("Outils", {{"0", "a"}}));
}

}  // namespace
