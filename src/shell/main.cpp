// The program's entry: the application, its windows, the event loop.
//
// PRALINORE_SCREENSHOT=<file.png> saves a picture of the main window once it
// is shown and ends the program; no prompt waits for an answer meanwhile.
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "localisation/messagerie_console.h"
#include "localisation/messages.h"
#include "platform/aide/demarrage_aide.h"
#include "platform/aide/visionneuse_aide.h"
#include "platform/ini/fichier_disque.h"
#include "platform/messagerie_qt.h"
#include "shell/programme.h"
#include "shell/version.h"
#include "shell/vorel.h"

namespace {

void capturer_puis_quitter(const QString& chemin) {
  QTimer::singleShot(0, [chemin] {
    const bool ecrite = Fvorel->grab().save(chemin, "PNG");
    if (!ecrite) std::fprintf(stderr, "pralinore: cannot write %s\n", chemin.toLocal8Bit().constData());
    Fvorel->close();
    QApplication::exit(ecrite ? 0 : 1);
  });
}

}  // namespace

int main(int argc, char** argv) {
  ignorer_signal_taille_fichier();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pralinore"));
  // Qt sets the C locale from the environment; number text must not follow it.
  std::setlocale(LC_NUMERIC, "C");
  demarrer_rapport_aide(argc, argv, version_programme());
  installer_visionneuse_aide();
  const char* capture = std::getenv("PRALINORE_SCREENSHOT");
  const bool capture_demandee = capture != nullptr && *capture != '\0';
  if (capture_demandee) {
    installer_messagerie(std::make_unique<MessagerieConsole>());
  } else {
    installer_messagerie(std::make_unique<MessagerieQt>());
  }
  Tprogramme programme;
  if (!programme.demarrer()) return 1;
  if (capture_demandee) capturer_puis_quitter(QString::fromLocal8Bit(capture));
  return application.exec();
}
