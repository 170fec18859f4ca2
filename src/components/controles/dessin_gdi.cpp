#include "components/controles/dessin_gdi.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

void ligne_gdi(QPainter& peintre, QPoint de, QPoint a, const QColor& couleur) {
  const int dx = a.x() - de.x();
  const int dy = a.y() - de.y();
  const int pas = std::max(std::abs(dx), std::abs(dy));
  for (int i = 0; i < pas; ++i) {
    // The same midpoint rule for every slope, the last point excluded.
    const int x = de.x() + (2 * i * dx + (dx < 0 ? -pas : pas)) / (2 * pas);
    const int y = de.y() + (2 * i * dy + (dy < 0 ? -pas : pas)) / (2 * pas);
    peintre.fillRect(QRect(x, y, 1, 1), couleur);
  }
}

QRect cadre_3d(QPainter& peintre, QRect rect, const QColor& haut_gauche, const QColor& bas_droite, int epaisseur) {
  for (int i = 0; i < epaisseur && rect.width() > 0 && rect.height() > 0; ++i) {
    const int droite = rect.x() + rect.width() - 1;
    const int bas = rect.y() + rect.height() - 1;
    peintre.fillRect(rect_gdi(rect.x(), rect.y(), droite, rect.y() + 1), haut_gauche);
    peintre.fillRect(rect_gdi(rect.x(), rect.y(), rect.x() + 1, bas), haut_gauche);
    peintre.fillRect(rect_gdi(droite, rect.y(), droite + 1, bas + 1), bas_droite);
    peintre.fillRect(rect_gdi(rect.x(), bas, droite + 1, bas + 1), bas_droite);
    rect.adjust(1, 1, -1, -1);
  }
  return rect;
}

void cadre_gdi(QPainter& peintre, const QRect& rect, const QColor& couleur) {
  cadre_3d(peintre, rect, couleur, couleur, 1);
}
