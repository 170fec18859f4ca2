// The program as a process: the exit code of a broken installation and the
// picture of the shown window, off screen and on a virtual X display.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTimer>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "fichiers_temporaires.h"
#include "http/serveur_local.h"
#include "platform/http/limites_transfert.h"

namespace {

namespace fs = std::filesystem;

constexpr int attente_maximale = 60000;

// "derniere_verif=" the day `jours` days ago, as a settings line.
std::string ligne_verification(int jours) {
  return "derniere_verif=" + QDate::currentDate().addDays(-jours).toString(Qt::ISODate).toStdString() + "\r\n";
}

class Processus : public testing::Test {
 protected:
  void SetUp() override {
    dossier_ = dossier_temporaire("processus");
    ASSERT_FALSE(dossier_.empty());
    fs::create_directories(temporaire());
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
    // The system proxy is a closed local port: a check that runs reaches no network.
    env.insert(QStringLiteral("http_proxy"), QStringLiteral("http://127.0.0.1:1"));
    env.remove(QStringLiteral("HTTP_PROXY"));
    env.insert(QStringLiteral("TMPDIR"), QString::fromStdString(temporaire().string()));
    p.setProcessEnvironment(env);
    if (limite_fichiers_ > 0) {
      // The system's own handling of the limit, whatever this test inherited.
      p.setChildProcessModifier([limite = limite_fichiers_] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit taille{limite, limite};
        ::setrlimit(RLIMIT_FSIZE, &taille);
      });
    }
    p.start(programme, arguments);
    if (!attendre(p)) {
      p.kill();
      p.waitForFinished();
      return -1;
    }
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
  }
  // Waits for the end of the process; with an application object the
  // thread's events (a test server's) are served meanwhile.
  static bool attendre(QProcess& p) {
    if (QCoreApplication::instance() == nullptr) return p.waitForFinished(attente_maximale);
    QEventLoop boucle;
    QObject::connect(&p, &QProcess::finished, &boucle, &QEventLoop::quit);
    QTimer::singleShot(attente_maximale, &boucle, &QEventLoop::quit);
    if (p.state() != QProcess::NotRunning) boucle.exec();
    return p.state() == QProcess::NotRunning;
  }
  int lancer_pralinore(const QString& plateforme = QStringLiteral("offscreen")) {
    return lancer(QStringLiteral(PRALINORE_BINAIRE), {}, plateforme);
  }

  void installer_parametres() {
    fs::copy(PRALINORE_PARAMETRES_LIVRES, dossier_ / "parametres", fs::copy_options::recursive);
  }
  fs::path fichier_parametres() const { return dossier_ / "parametres" / "Pralinore.ini"; }
  void poser_parametres(const std::string& octets) {
    installer_parametres();
    std::ofstream(fichier_parametres(), std::ios::binary | std::ios::trunc) << octets;
  }
  int fichiers_parametres() const {
    return static_cast<int>(std::distance(fs::directory_iterator(dossier_ / "parametres"), fs::directory_iterator()));
  }
  fs::path journal() const { return dossier_ / "messages.txt"; }
  fs::path temporaire() const { return dossier_ / "tmp"; }
  fs::path image() const { return dossier_ / "fenetre.png"; }
  void verifier_image() {
    QImage png;
    ASSERT_TRUE(png.load(QString::fromStdString(image().string()), "PNG"));
    EXPECT_GE(png.width(), 500);
    EXPECT_GE(png.height(), 470);
  }

  fs::path dossier_;
  bool capture_ = false;
  rlim_t limite_fichiers_ = 0;  // the size a file may reach (ulimit -f); 0: none
};

TEST_F(Processus, AnEmptyProgramFolderEndsWithExitCodeOne) {
  EXPECT_EQ(lancer_pralinore(), 1);
  EXPECT_EQ(lire_octets(journal()), "message\tProbl\xC3\xA8me d'installation, r\xC3\xA9installer l'application.\t1\n");
  EXPECT_FALSE(fs::exists(dossier_ / "parametres"));
}

TEST_F(Processus, TheScreenshotIsAPictureOfTheShownWindow) {
  poser_parametres("[generales]\r\n" + ligne_verification(0));
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

// The Graphiques page at start-up with curves of the three kinds and an
// annotation; the picture is kept in build/captures.
TEST_F(Processus, TheScreenshotShowsTheGraphiquesPage) {
  poser_parametres(
      "[generales]\r\nmasquer_configuration=1\r\npage_demarrage=3\r\n"
      "[Graphiques]\r\n0=x^2-2;x\r\n1=2*cos(t);sin(t);t\r\n2=1+cos(t);t\r\n"
      "[Textes_Graphiques]\r\n0=Sommet;0.5;-0.5;-1.8;-2.2\r\n");
  capture_ = true;
  ASSERT_EQ(lancer_pralinore(), 0);
  verifier_image();
  fs::create_directories(PRALINORE_CAPTURES);
  fs::copy_file(image(), fs::path(PRALINORE_CAPTURES) / "graphiques.png", fs::copy_options::overwrite_existing);
  QImage png(QString::fromStdString(image().string()));
  int colores = 0;
  for (int y = 0; y < png.height(); y += 2) {
    for (int x = 0; x < png.width(); x += 2) {
      const QColor c = png.pixelColor(x, y);
      if (c.saturation() > 128) ++colores;
    }
  }
  EXPECT_GT(colores, 100);  // the curves are drawn
}

// A UTF-8 settings file with what the program neither reads nor writes: a
// comment, characters Windows-1252 lacks, a line break of the other kind, a
// second [Graphiques] block and an annotation line that does not read. The
// close rewrites both lists (their keys become "0"..., past those of the
// kept lines), and only those lines.
const std::string parametres_utf8 =
    "; R\xC3\xA9glages de l'\xC3\xA9l\xC3\xA8ve\r\n"
    "[generales]\r\n"
    "masquer_configuration=1\r\n"
    "[Graphiques]\r\n"
    "; courbe du cours\n"
    "5=x^2;x\r\n"
    "[Textes_Graphiques]\r\n"
    "0=faux;x;1;2;3\r\n"
    "3=Sommet;-1;1;2;3\r\n"
    "[OptionsGraphiques]\r\n"
    "titre=\xCF\x80 \xE2\x89\xA4 2\r\n"
    "[Graphiques]\r\n"
    "0=sin(x);x\r\n";

TEST_F(Processus, SettingsKeepEveryLineTheProgramDidNotWrite) {
  std::string parametres = parametres_utf8;
  parametres.insert(parametres.find("[Graphiques]"), ligne_verification(0));
  poser_parametres(parametres);
  capture_ = true;  // starts, shows the window and closes it
  ASSERT_EQ(lancer_pralinore(), 0);
  std::string attendu = parametres;
  attendu.replace(attendu.find("5=x^2;x"), 1, "0");
  attendu.replace(attendu.find("3=Sommet"), 1, "1");
  EXPECT_EQ(lire_octets(fichier_parametres()), attendu);
  EXPECT_EQ(fichiers_parametres(), 3);  // Pralinore.ini and the two help folders
}

// The administrator may write anything: the permissions alone decide.
TEST_F(Processus, ASettingsFileTheUserMayNotWriteIsLeftAsItIs) {
  poser_parametres(parametres_utf8);
  fs::permissions(fichier_parametres(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  capture_ = true;
  ASSERT_EQ(lancer_pralinore(), 0);
  EXPECT_EQ(lire_octets(fichier_parametres()), parametres_utf8);
  EXPECT_EQ(fs::status(fichier_parametres()).permissions(), fs::perms(0444));
  EXPECT_EQ(fichiers_parametres(), 3);
}

// Started under a file-size limit (ulimit -f) that the picture of the window
// keeps within and the settings outgrow, the program is not ended by the
// system at the close's save of the curve list: the save fails as on a full
// disk, is said so, and leaves the file as it was with nothing beside it.
TEST_F(Processus, ASaveBeyondTheFileSizeLimitFailsAndTheProgramEndsNormally) {
  constexpr rlim_t limite = rlim_t{1} << 20;
  const std::string commentaire = "; " + std::string(2 * limite, 'x') + "\r\n";
  const std::string parametres = commentaire + "[generales]\r\nmasquer_configuration=1\r\n" + ligne_verification(0) +
                                 "[Graphiques]\r\n5=x^2;x\r\n";
  poser_parametres(parametres);
  capture_ = true;
  limite_fichiers_ = limite;
  ASSERT_EQ(lancer_pralinore(), 0);
  verifier_image();
  EXPECT_EQ(lire_octets(journal()), "message\tLes courbes n'ont pas pu \xC3\xAAtre enregistr\xC3\xA9" "es.\t1\n");
  EXPECT_TRUE(lire_octets(fichier_parametres()) == parametres);
  EXPECT_EQ(fichiers_parametres(), 3);
}

// Whatever was being written when its process ended (settings, user
// objects, an account, a hint page, the folder write test), its temporary
// file goes at a start ten minutes later; one of a process still running
// stays, and so does a recent one whose process is not seen: on a folder
// shared by several machines it may be a save running elsewhere.
TEST_F(Processus, TemporaryFilesLeftByAnEndedProcessAreRemovedAtStart) {
  installer_parametres();
  const pid_t enfant = ::fork();
  if (enfant == 0) ::_exit(0);
  int statut = 0;
  ::waitpid(enfant, &statut, 0);
  const auto temporaire = [](const fs::path& fichier, pid_t processus) {
    return fs::path(fichier.string() + ".tmp" + QString::number(processus).toStdString() + "-0");
  };
  const fs::path parametres = dossier_ / "parametres";
  const fs::path en_cours = temporaire(parametres / "Pralinore.ini", ::getpid());
  std::vector<fs::path> abandonnes;
  for (const fs::path& f : {parametres / "Pralinore.ini", dossier_ / "Fonction.ini", dossier_ / "Constante.ini",
                            parametres / "eleve.cpt", parametres / "Fran\xC3\xA7" "ais" / "Aide4.ini",
                            dossier_ / ".pralinore-essai"}) {
    abandonnes.push_back(temporaire(f, enfant));
  }
  const auto il_y_a = [](std::chrono::minutes age) { return fs::file_time_type::clock::now() - age; };
  for (const fs::path& f : abandonnes) {
    std::ofstream(f) << "[generales]\r\nlan";
    fs::last_write_time(f, il_y_a(std::chrono::minutes(11)));
  }
  const fs::path ailleurs = temporaire(parametres / "autre.cpt", enfant);
  std::ofstream(ailleurs) << "[generales]\r\nlan";
  fs::last_write_time(ailleurs, il_y_a(std::chrono::minutes(9)));
  std::ofstream(en_cours) << "[generales]\r\nlan";
  fs::last_write_time(en_cours, il_y_a(std::chrono::minutes(11)));
  capture_ = true;
  ASSERT_EQ(lancer_pralinore(), 0);
  for (const fs::path& f : abandonnes) EXPECT_FALSE(fs::exists(f)) << f;
  EXPECT_TRUE(fs::exists(en_cours));  // its process is still writing
  EXPECT_TRUE(fs::exists(ailleurs));
}

// The weekly check at start-up finds a newer version on the server: the
// setup program is saved into a private folder, the user is told where and
// the folder is opened; nothing is run and the program ends normally.
TEST_F(Processus, ANewerVersionIsDownloadedAndItsFolderOpened) {
  int argc = 1;
  char nom[] = "test_processus";
  char* argv[] = {nom, nullptr};
  QCoreApplication application(argc, argv);
  const QByteArray installation(50000, 'p');
  Tserveur_local serveur([&installation](const QByteArray& tete) {
    return tete.startsWith("GET /ap/version.php?") ? Tserveur_local::reponse(200, "9.9.9")
                                                   : Tserveur_local::reponse(200, installation);
  });
  poser_parametres("[generales]\r\nmasquer_configuration=1\r\n" + ligne_verification(8) +
                   "verifier_version=0\r\n[Internet]\r\nutiliser_ie=0\r\nserveur=" + serveur.hote().toStdString() +
                   "\r\n");
  capture_ = true;
  ASSERT_EQ(lancer_pralinore(), 0);
  std::vector<fs::path> dossiers;
  for (const auto& entree : fs::directory_iterator(temporaire())) {
    if (entree.path().filename().string().starts_with("pralinore-")) dossiers.push_back(entree.path());
  }
  ASSERT_EQ(dossiers.size(), 1u);
  EXPECT_EQ(lire_octets(dossiers[0] / "setuppralinore.exe"), installation.toStdString());
  EXPECT_EQ(lire_octets(journal()),
            "question\tLa version 9.9.9 de Pralinore est disponible, souhaitez vous l'installer ?\t6\n"
            "message\tLa nouvelle version a \xC3\xA9t\xC3\xA9 t\xC3\xA9l\xC3\xA9" "charg\xC3\xA9" "e dans " +
                dossiers[0].string() + ".\t1\nouvrir\t" + dossiers[0].string() + "\t\n");
  EXPECT_EQ(serveur.requetes().size(), 2u);
}

// A server that answers the start-up check one byte a second: the check
// ends with the failure message by its deadline and the window is shown.
TEST_F(Processus, AStartUpCheckAgainstATricklingServerEndsByItsDeadline) {
  int argc = 1;
  char nom[] = "test_processus";
  char* argv[] = {nom, nullptr};
  QCoreApplication application(argc, argv);
  Tserveur_local serveur([](const QByteArray&) { return QByteArray(); });
  serveur.verseur = [](const QByteArray&) {
    return Tserveur_local::Tgouttes{"HTTP/1.1 200 X\r\nConnection: close\r\n\r\n", "9", -1, 1000};
  };
  poser_parametres("[generales]\r\nmasquer_configuration=1\r\n" + ligne_verification(8) +
                   "verifier_version=0\r\n[Internet]\r\nutiliser_ie=0\r\nserveur=" + serveur.hote().toStdString() +
                   "\r\n");
  capture_ = true;
  QElapsedTimer duree;
  duree.start();
  ASSERT_EQ(lancer_pralinore(), 0);
  EXPECT_LE(duree.elapsed(), (limites_transfert::secondes_par_question + 5) * 1000);
  verifier_image();
  EXPECT_EQ(lire_octets(journal()),
            "message\tImpossible de se connecter: V\xC3\xA9rifiez votre connexion internet.\t1\n");
  for (const auto& entree : fs::directory_iterator(temporaire()))
    EXPECT_FALSE(entree.path().filename().string().starts_with("pralinore-")) << entree.path();
}

}  // namespace
