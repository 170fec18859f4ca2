// The program as a process: the exit code of a broken installation and the
// picture of the shown window, off screen and on a virtual X display.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fichiers_temporaires.h"

namespace {

namespace fs = std::filesystem;

class Processus : public testing::Test {
 protected:
  void SetUp() override {
    dossier_ = dossier_temporaire("processus");
    ASSERT_FALSE(dossier_.empty());
  }
  void TearDown() override { fs::remove_all(dossier_); }

  // Runs the program with the data folder and the message log in the
  // temporary folder; -1 when it did not end in time.
  int lancer(const QString& programme, const QStringList& arguments, const QString& plateforme) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PRALINORE_APPDIR"), QString::fromStdString(dossier_.string()));
    env.insert(QStringLiteral("PRALINORE_TEST_MESSAGES"), QString::fromStdString(journal().string()));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), plateforme);
    if (capture_) env.insert(QStringLiteral("PRALINORE_SCREENSHOT"), QString::fromStdString(image().string()));
    p.setProcessEnvironment(env);
    p.start(programme, arguments);
    if (!p.waitForFinished(60000)) {
      p.kill();
      p.waitForFinished();
      return -1;
    }
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
  }
  int lancer_pralinore(const QString& plateforme = QStringLiteral("offscreen")) {
    return lancer(QStringLiteral(PRALINORE_BINAIRE), {}, plateforme);
  }

  void installer_parametres() {
    fs::copy(PRALINORE_PARAMETRES_LIVRES, dossier_ / "parametres", fs::copy_options::recursive);
  }
  fs::path journal() const { return dossier_ / "messages.txt"; }
  fs::path image() const { return dossier_ / "fenetre.png"; }
  void verifier_image() {
    QImage png;
    ASSERT_TRUE(png.load(QString::fromStdString(image().string()), "PNG"));
    EXPECT_GE(png.width(), 500);
    EXPECT_GE(png.height(), 470);
  }

  fs::path dossier_;
  bool capture_ = false;
};

TEST_F(Processus, AnEmptyProgramFolderEndsWithExitCodeOne) {
  EXPECT_EQ(lancer_pralinore(), 1);
  EXPECT_EQ(lire_octets(journal()), "message\tProbl\xC3\xA8me d'installation, r\xC3\xA9installer l'application.\t1\n");
  EXPECT_FALSE(fs::exists(dossier_ / "parametres"));
}

TEST_F(Processus, TheScreenshotIsAPictureOfTheShownWindow) {
  installer_parametres();
  capture_ = true;
  ASSERT_EQ(lancer_pralinore(), 0);
  verifier_image();
  // The start-up configuration dialog was offered and cancelled unseen.
  EXPECT_EQ(lire_octets(journal()), "modale\tTFconfiguration\t2\n");
}

TEST_F(Processus, TheScreenshotWorksOnAnXDisplayToo) {
  const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
  ASSERT_FALSE(xvfb.isEmpty()) << "xvfb-run is needed (package xvfb)";
  installer_parametres();
  capture_ = true;
  ASSERT_EQ(lancer(xvfb, {QStringLiteral("-a"), QStringLiteral(PRALINORE_BINAIRE)}, QStringLiteral("xcb")), 0);
  verifier_image();
}

}  // namespace
