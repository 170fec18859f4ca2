#include "platform/traductions_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

constexpr int langue_anglaise = 1;

// The one translator installed, owned by the application.
QPointer<QTranslator>& traducteur() {
  static QPointer<QTranslator> installe;
  return installe;
}

}  // namespace

void traduire_textes_qt(int langue) {
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr) return;
  if (traducteur()) {
    QCoreApplication::removeTranslator(traducteur());
    delete traducteur();
  }
  if (langue == langue_anglaise) return;
  auto* francais = new QTranslator(application);
  if (!francais->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete francais;
    return;
  }
  QCoreApplication::installTranslator(francais);
  traducteur() = francais;
}
