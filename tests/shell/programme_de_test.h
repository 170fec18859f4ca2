#pragma once
// A whole program started in the test process: a temporary data folder
// (PRALINORE_APPDIR) made from the shipped `parametres` and the test's own
// Pralinore.ini, the scripted messenger, and the windows in their order.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "fichiers_temporaires.h"
#include "localisation/messagerie_enregistreuse.h"
#include "platform/texte_qt.h"
#include "shell/programme.h"
#include "shell/vorel.h"
#include "shell/vorel_internet.h"

namespace essai {

namespace fs = std::filesystem;

inline void ecrire_octets(const fs::path& chemin, const std::string& octets) {
  fs::create_directories(chemin.parent_path());
  std::ofstream(chemin, std::ios::binary) << octets;
}

// CR LF line ends for a file written in the test as plain lines.
inline std::string crlf(const std::string& texte) {
  std::string sortie;
  for (const char c : texte) {
    if (c == '\n') sortie += '\r';
    sortie += c;
  }
  return sortie;
}

class Programme : public testing::Test {
 protected:
  void SetUp() override {
    QApplication::setApplicationName(QStringLiteral("Pralinore"));
    dossier_ = dossier_temporaire("programme");
    ASSERT_FALSE(dossier_.empty());
    fs::copy(PRALINORE_PARAMETRES_LIVRES, dossier_ / "parametres", fs::copy_options::recursive);
    ::setenv("PRALINORE_APPDIR", dossier_.c_str(), 1);
    verification_au_demarrage = false;
  }

  void TearDown() override {
    programme_.reset();
    ::unsetenv("PRALINORE_APPDIR");
    verification_au_demarrage = true;
    fs::remove_all(dossier_);
  }

  // The settings file, given as lines ending with "\n" (written CR LF).
  void parametres(const std::string& lignes) { ecrire_octets(fichier_parametres(), crlf(lignes)); }
  fs::path fichier_parametres() const { return dossier_ / "parametres" / "Pralinore.ini"; }
  std::string contenu_parametres() const { return lire_octets(fichier_parametres()); }

  bool demarrer() {
    programme_ = std::make_unique<Tprogramme>();
    return programme_->demarrer();
  }
  // Ends the program as the process would at exit.
  void arreter() { programme_.reset(); }

  TFvorel& f() { return *Fvorel; }

  fs::path dossier_;
  MessagerieDeTest messages_;
  std::unique_ptr<Tprogramme> programme_;
};

}  // namespace essai
