#include "components/controles/conseils_colores.h"

#include <QPalette>
#include <QToolTip>

#include "platform/couleur_qt.h"

bool ConseilsColores::entrer(std::int32_t couleur) {
  if (dedans_) return false;
  dedans_ = true;
  QPalette conseils = QToolTip::palette();
  sauvee_ = conseils.color(QPalette::ToolTipBase);
  conseils.setColor(QPalette::ToolTipBase, couleur_qt(couleur));
  QToolTip::setPalette(conseils);
  return true;
}

bool ConseilsColores::sortir() {
  if (!dedans_) return false;
  dedans_ = false;
  QPalette conseils = QToolTip::palette();
  conseils.setColor(QPalette::ToolTipBase, sauvee_);
  QToolTip::setPalette(conseils);
  return true;
}
