#include "components/controles/JvLabel.h"

#include <QToolTip>

#include "platform/couleur_qt.h"

TJvLabel::TJvLabel(QWidget* parent) : QLabel(parent), hint_color_(couleur_fond_conseil) {}

void TJvLabel::enterEvent(QEnterEvent* evenement) {
  if (!souris_dedans_) {
    souris_dedans_ = true;
    QPalette conseils = QToolTip::palette();
    conseil_sauve_ = conseils.color(QPalette::ToolTipBase);
    conseils.setColor(QPalette::ToolTipBase, couleur_qt(hint_color_));
    QToolTip::setPalette(conseils);
    if (hot_track_) {
      police_normale_ = font();
      setFont(hot_track_font_);
    }
  }
  emit MouseEnter();
  QLabel::enterEvent(evenement);
}

void TJvLabel::leaveEvent(QEvent* evenement) {
  if (souris_dedans_) {
    souris_dedans_ = false;
    QPalette conseils = QToolTip::palette();
    conseils.setColor(QPalette::ToolTipBase, conseil_sauve_);
    QToolTip::setPalette(conseils);
    if (hot_track_) setFont(police_normale_);
  }
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
