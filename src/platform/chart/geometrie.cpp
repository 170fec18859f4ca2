#include "platform/chart/geometrie.h"

#include <algorithm>
#include <cmath>

double distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

double distance_segment(QPointF p, QPointF a, QPointF b) {
  const double dx = b.x() - a.x();
  const double dy = b.y() - a.y();
  const double longueur2 = dx * dx + dy * dy;
  if (!(longueur2 > 0)) return distance(p, a);
  const double t = std::clamp(((p.x() - a.x()) * dx + (p.y() - a.y()) * dy) / longueur2, 0.0, 1.0);
  return distance(p, QPointF(a.x() + t * dx, a.y() + t * dy));
}

bool couper_segment(QPointF& a, QPointF& b, const QRectF& cadre) {
  const double dx = b.x() - a.x();
  const double dy = b.y() - a.y();
  if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
  double debut = 0;
  double fin = 1;
  // Each side: the segment enters where p * t < q turns true.
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x() - cadre.left(), cadre.right() - a.x(), a.y() - cadre.top(), cadre.bottom() - a.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      debut = std::max(debut, t);
    } else {
      fin = std::min(fin, t);
    }
    if (debut > fin) return false;
  }
  const QPointF origine = a;
  if (debut > 0) a = QPointF(origine.x() + debut * dx, origine.y() + debut * dy);
  if (fin < 1) b = QPointF(origine.x() + fin * dx, origine.y() + fin * dy);
  return true;
}
