#include "platform/aide_contextuelle_qt.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QVariant>

namespace {

constexpr const char* propriete_contexte = "contexte_aide";

CrochetAide& crochet() {
  static CrochetAide c;
  return c;
}

class FiltreF1 : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override {
    if (evenement->type() != QEvent::KeyPress) return false;
    const auto* touche = static_cast<QKeyEvent*>(evenement);
    if (touche->key() != Qt::Key_F1 || touche->isAutoRepeat()) return false;
    // The event reaches the filter once per receiver up the chain: answer it
    // for the widget that has the focus only.
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) focus = QApplication::activeWindow();
    if (objet != focus) return false;
    return demander_aide(focus);
  }
};

}  // namespace

void installer_crochet_aide(CrochetAide c) {
  static FiltreF1* filtre = nullptr;
  if (filtre == nullptr && qApp != nullptr) {
    filtre = new FiltreF1(qApp);
    qApp->installEventFilter(filtre);
  }
  crochet() = std::move(c);
}

void retirer_crochet_aide() { crochet() = nullptr; }

void definir_contexte_aide(QWidget* controle, int contexte) {
  controle->setProperty(propriete_contexte, contexte);
}

int contexte_aide(const QWidget* controle) {
  return controle == nullptr ? 0 : controle->property(propriete_contexte).toInt();
}

int contexte_aide_effectif(const QWidget* controle) {
  for (const QWidget* w = controle; w != nullptr; w = w->parentWidget()) {
    if (const int contexte = contexte_aide(w); contexte != 0) return contexte;
    if (w->isWindow()) break;
  }
  return 0;
}

bool demander_aide(const QWidget* controle) {
  if (!crochet()) return false;
  const int contexte = contexte_aide_effectif(controle);
  return contexte == 0 ? crochet()(HELP_CONTENTS, 0) : crochet()(HELP_CONTEXT, contexte);
}
