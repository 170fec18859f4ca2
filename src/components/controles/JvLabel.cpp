#include "components/controles/JvLabel.h"

#include "platform/couleur_qt.h"

TJvLabel::TJvLabel(QWidget* parent) : QLabel(parent), hint_color_(couleur_fond_conseil) {}

void TJvLabel::enterEvent(QEnterEvent* evenement) {
  if (conseils_.entrer(hint_color_) && hot_track_) {
    police_normale_ = font();
    setFont(hot_track_font_);
  }
  emit MouseEnter();
  QLabel::enterEvent(evenement);
}

void TJvLabel::leaveEvent(QEvent* evenement) {
  if (conseils_.sortir() && hot_track_) setFont(police_normale_);
  emit MouseLeave();
  QLabel::leaveEvent(evenement);
}

Qt::CursorShape forme_curseur(int numero) {
  switch (numero) {
    case crJvHand:
      return Qt::PointingHandCursor;
    case crJvDrag:
      return Qt::ClosedHandCursor;
    default:
      return Qt::ArrowCursor;
  }
}
