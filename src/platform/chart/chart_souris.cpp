// The chart and the mouse: clicks on what lies under the pointer, zoom and
// un-zoom by dragging.
#include "platform/chart/chart.h"

#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int seuil_glissement = 4;  // pixels: shorter drags are clicks
constexpr double tolerance_axe = 3;

}  // namespace

void TChart::mousePressEvent(QMouseEvent* evenement) {
  if (!isEnabled() || appui_) return;
  appui_ = Tappui{evenement->position().toPoint(), evenement->button()};
  glissement_ = appui_->pixel;
}

void TChart::mouseMoveEvent(QMouseEvent* evenement) {
  const QPoint pixel = evenement->position().toPoint();
  emit MouseMove(pixel);
  if (appui_ && appui_->bouton == Qt::LeftButton) {
    glissement_ = pixel;
    update();
  }
}

void TChart::mouseReleaseEvent(QMouseEvent* evenement) {
  if (!appui_ || evenement->button() != appui_->bouton) return;
  const Tappui appui = *appui_;
  appui_.reset();
  update();
  const QPoint fin = evenement->position().toPoint();
  const QPoint trajet = fin - appui.pixel;
  if (appui.bouton == Qt::LeftButton && std::max(std::abs(trajet.x()), std::abs(trajet.y())) >= seuil_glissement) {
    if (trajet.x() < 0 || trajet.y() < 0) {
      dezoomer();
      return;
    }
    if (trajet.x() >= seuil_glissement && trajet.y() >= seuil_glissement) {
      zoomer(appui.pixel, fin);
      return;
    }
  }
  if (isEnabled()) cliquer(appui.pixel, appui.bouton);
}

// The last series added lies on top, so it is the one hit.
void TChart::cliquer(QPoint pixel, Qt::MouseButton bouton) {
  const TChartMap c = Map();
  const QRectF zone = c.zone().adjusted(-tolerance_serie, -tolerance_serie, tolerance_serie, tolerance_serie);
  if (!c.degenere() && zone.contains(pixel)) {
    const auto series = series_;
    for (auto serie = series.rbegin(); serie != series.rend(); ++serie) {
      if (const auto indice = (*serie)->touche(pixel, c, font())) {
        emit ClickSeries(serie->get(), *indice, bouton, pixel);
        return;
      }
    }
  }
  if (TChartAxis* axe = axe_touche(pixel, c)) {
    emit ClickAxis(axe, bouton, pixel);
    return;
  }
  emit ClickBackground(bouton, pixel);
}

TChartAxis* TChart::axe_touche(QPoint pixel, const TChartMap& carte) {
  const QRectF zone = carte.zone().adjusted(-tolerance_axe, -tolerance_axe, tolerance_axe, tolerance_axe);
  if (!zone.contains(pixel)) return nullptr;
  TChartAxis* meilleur = nullptr;
  double meilleure_distance = tolerance_axe;
  for (TChartAxis* axe : {&axe_bas_, &axe_gauche_}) {
    if (!axe->Visible()) continue;
    const double ligne = std::round(ligne_axe(*axe, carte));
    const double d = std::fabs((axe->Horizontal() ? pixel.y() : pixel.x()) - ligne);
    if (d <= meilleure_distance && (meilleur == nullptr || d < meilleure_distance)) {
      meilleur = axe;
      meilleure_distance = d;
    }
  }
  return meilleur;
}

void TChart::zoomer(QPoint debut, QPoint fin) {
  const TChartMap c = Map();
  const QRectF rectangle = QRectF(QPointF(debut), QPointF(fin)).intersected(c.zone());
  if (c.degenere() || !(rectangle.width() > 0) || !(rectangle.height() > 0)) return;
  const double xmin = c.valeur_x(rectangle.left());
  const double xmax = c.valeur_x(rectangle.right());
  const double ymin = c.valeur_y(rectangle.bottom());
  const double ymax = c.valeur_y(rectangle.top());
  // Past what doubles tell apart, a zoom would leave a degenerate range.
  if (!(xmin < xmax) || !(ymin < ymax)) return;
  if (!avant_zoom_) avant_zoom_ = Tavant_zoom{axe_bas_.etat(), axe_gauche_.etat()};
  axe_bas_.retablir({xmin, xmax, false, false, false});
  axe_gauche_.retablir({ymin, ymax, false, false, false});
  emit Zoom();
}

void TChart::dezoomer() {
  if (!avant_zoom_) return;
  axe_bas_.retablir(avant_zoom_->bas);
  axe_gauche_.retablir(avant_zoom_->gauche);
  avant_zoom_.reset();
  emit UndoZoom();
}
