#include "components/animation/controle_image.h"

#include <QPainter>

namespace animation {

TJvImageControl::TJvImageControl(QWidget* parent) : QWidget(parent) {
  resize(kCoteInitial, kCoteInitial);
  couleur_ = palette().color(QPalette::Window);
}

TJvImageControl::~TJvImageControl() { detruit_ = true; }

void TJvImageControl::SetColor(const QColor& couleur) {
  couleur_ = couleur;
  couleur_parent_ = false;
  update();
}

void TJvImageControl::SetParentColor(bool valeur) {
  couleur_parent_ = valeur;
  update();
}

void TJvImageControl::DemanderMiseAJour() {
  if (sur_le_thread_gui()) {
    update();
    return;
  }
  QMetaObject::invokeMethod(this, [this] { update(); }, Qt::QueuedConnection);
}

void TJvImageControl::PaintThreadSafe() {
  {
    VerrouControle verrou(*this);
    peinture_memoire_ = true;
    PreparerImage();
    peinture_memoire_ = false;
  }
  DemanderMiseAJour();
}

void TJvImageControl::PictureChanged() {
  if (detruit_) return;
  AdjustSize();
  update();
}

void TJvImageControl::paintEvent(QPaintEvent*) {
  QPainter peintre(this);
  VerrouControle verrou(*this);
  if (!couleur_parent_) peintre.fillRect(rect(), couleur_);
  dessin_en_cours_ = true;
  PreparerImage();
  PaintImage(peintre);
  dessin_en_cours_ = false;
}

}  // namespace animation
