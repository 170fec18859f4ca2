#include "components/controles/JvBlinkingLabel.h"

#include <QPainter>

TJvBlinkingLabel::TJvBlinkingLabel(QWidget* parent) : TJvLabel(parent) {
  connect(&minuterie_, &QTimer::timeout, this, &TJvBlinkingLabel::Clignoter);
  SetBlinking(true);
}

void TJvBlinkingLabel::SetBlinking(bool valeur) {
  blinking_ = valeur;
  montre_ = true;
  minuterie_.stop();
  if (blinking_) minuterie_.start(delai_);
  update();
}

void TJvBlinkingLabel::Clignoter() {
  montre_ = !montre_;
  minuterie_.setInterval(montre_ ? duree_ : delai_);
  update();
}

// While hidden only the background shows.
void TJvBlinkingLabel::paintEvent(QPaintEvent* evenement) {
  if (montre_) {
    TJvLabel::paintEvent(evenement);
  }
}
