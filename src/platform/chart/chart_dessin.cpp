// How the chart looks: title on top, legend on the right, the plot area with
// its grid, the two axes crossing inside it, then the series.
#include "platform/chart/chart.h"

#include "localisation/nombres.h"
#include "platform/chart/graduation.h"
#include "platform/couleur_qt.h"
#include "platform/texte_qt.h"

#include <QFontMetrics>
#include <QMetaObject>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int marge = 8;
constexpr int espace = 4;         // inside the legend, between a tick and its label
constexpr int echantillon = 16;   // length of a legend swatch
constexpr int graduation = 4;     // length of a tick
constexpr double ecart_x = 70;    // least distance between two ticks, in pixels
constexpr double ecart_y = 35;

const QColor couleur_grille(190, 190, 190);
const QColor couleur_cadre(128, 128, 128);

QFont police_titre(QFont police) {
  police.setBold(true);
  return police;
}

}  // namespace

int pixel_entier(double pixel) {
  constexpr double limite = 1 << 24;
  if (std::isnan(pixel)) return 0;
  return static_cast<int>(std::lround(std::clamp(pixel, -limite, limite)));
}

std::vector<const TChartSeries*> TChart::series_en_legende() const {
  std::vector<const TChartSeries*> entrees;
  for (const auto& serie : series_) {
    if (serie->ShowInLegend() && !serie->Title().empty()) entrees.push_back(serie.get());
  }
  return entrees;
}

TChart::Tdisposition TChart::disposer(const QRect& cadre) const {
  Tdisposition d;
  QRect reste = cadre.adjusted(marge, marge, -marge, -marge);
  if (!titre_.empty()) {
    const int hauteur = QFontMetrics(police_titre(font())).height() + espace;
    d.titre = QRect(reste.left(), reste.top(), reste.width(), hauteur);
    reste.setTop(reste.top() + hauteur);
  }
  const auto entrees = series_en_legende();
  if (legende_visible_ && !entrees.empty()) {
    const QFontMetrics mesures(font());
    int largeur = 0;
    for (const TChartSeries* serie : entrees) {
      largeur = std::max(largeur, mesures.horizontalAdvance(depuis_1252(serie->Title())));
    }
    largeur = std::min(largeur + echantillon + 4 * espace, reste.width() / 3);
    const int hauteur = std::min(static_cast<int>(entrees.size()) * mesures.height() + 2 * espace, reste.height());
    d.legende = QRect(reste.right() - largeur + 1, reste.top(), largeur, hauteur);
    reste.setRight(reste.right() - largeur - marge);
  }
  d.zone = QRect(reste.topLeft(), QSize(std::max(reste.width(), 0), std::max(reste.height(), 0)));
  return d;
}

TChartMap TChart::carte(const QRect& zone) const {
  return TChartMap(QRectF(zone), axe_bas_.Minimum(), axe_bas_.Maximum(), axe_gauche_.Minimum(),
                   axe_gauche_.Maximum());
}

double TChart::ligne_axe(const TChartAxis& axe, const TChartMap& carte) {
  const QRectF& zone = carte.zone();
  const double part = axe.PositionPercent() / 100;
  return axe.Horizontal() ? zone.bottom() - part * zone.height() : zone.left() + part * zone.width();
}

void TChart::dessiner(QPainter& peintre, const QRect& cadre, bool fond_blanc) {
  en_dessin_ = true;
  peintre.fillRect(cadre, fond_blanc ? QColor(Qt::white) : couleur_qt(couleur_));
  peintre.setFont(font());
  const Tdisposition d = disposer(cadre);
  const TChartMap c = carte(d.zone);
  dessiner_titre(peintre, d.titre);
  dessiner_legende(peintre, d.legende);
  dessiner_grilles(peintre, c);
  peintre.setPen(couleur_cadre);
  peintre.drawRect(QRectF(d.zone).adjusted(0, 0, -1, -1));
  dessiner_axes(peintre, c, cadre);

  // A hook may change the list: draw the series it held when drawing began.
  const auto series = series_;
  peintre.save();
  peintre.setClipRect(d.zone);
  peintre.setRenderHint(QPainter::Antialiasing, true);
  peintre.save();
  emit BeforeDrawSeries(&peintre, c);
  peintre.restore();
  if (!c.degenere()) {
    for (const auto& serie : series) serie->dessiner(peintre, c);
  }
  peintre.restore();
  peintre.save();
  emit AfterDraw(&peintre, c);
  peintre.restore();
  en_dessin_ = false;
  if (repeindre_apres_) {
    repeindre_apres_ = false;
    QMetaObject::invokeMethod(this, &TChart::Repaint, Qt::QueuedConnection);
  }
}

void TChart::dessiner_titre(QPainter& peintre, const QRect& cadre) const {
  if (cadre.isEmpty()) return;
  peintre.save();
  peintre.setFont(police_titre(font()));
  peintre.setPen(Qt::black);
  peintre.drawText(cadre, Qt::AlignHCenter | Qt::AlignTop, depuis_1252(titre_));
  peintre.restore();
}

void TChart::dessiner_legende(QPainter& peintre, const QRect& cadre) const {
  if (cadre.isEmpty()) return;
  peintre.save();
  peintre.setClipRect(cadre);
  peintre.fillRect(cadre, Qt::white);
  peintre.setPen(Qt::black);
  peintre.drawRect(cadre.adjusted(0, 0, -1, -1));
  const QFontMetrics mesures(font());
  int y = cadre.top() + espace;
  for (const TChartSeries* serie : series_en_legende()) {
    const int milieu = y + mesures.height() / 2;
    peintre.setPen(QPen(couleur_qt(serie->PenColor()), 2));
    peintre.drawLine(cadre.left() + espace, milieu, cadre.left() + espace + echantillon, milieu);
    peintre.setPen(Qt::black);
    const QRect texte(cadre.left() + 2 * espace + echantillon, y, cadre.width() - 3 * espace - echantillon,
                      mesures.height());
    peintre.drawText(texte, Qt::AlignLeft | Qt::AlignVCenter,
                     mesures.elidedText(depuis_1252(serie->Title()), Qt::ElideRight, texte.width()));
    y += mesures.height();
  }
  peintre.restore();
}

void TChart::dessiner_grilles(QPainter& peintre, const TChartMap& carte) const {
  const QRectF& zone = carte.zone();
  peintre.setPen(QPen(couleur_grille, 1, Qt::DotLine));
  if (axe_bas_.Visible() && axe_bas_.GridVisible() && !carte.x_degenere()) {
    for (const double v : graduations(carte.xmin(), carte.xmax(), zone.width(), ecart_x)) {
      const double x = std::round(carte.pixel_x(v));
      peintre.drawLine(QPointF(x, zone.top()), QPointF(x, zone.bottom()));
    }
  }
  if (axe_gauche_.Visible() && axe_gauche_.GridVisible() && !carte.y_degenere()) {
    for (const double v : graduations(carte.ymin(), carte.ymax(), zone.height(), ecart_y)) {
      const double y = std::round(carte.pixel_y(v));
      peintre.drawLine(QPointF(zone.left(), y), QPointF(zone.right(), y));
    }
  }
}

// Labels go below the bottom axis and left of the left axis, or on the other
// side when the chart's edge leaves no room.
void TChart::dessiner_axes(QPainter& peintre, const TChartMap& carte, const QRect& cadre) const {
  const QRectF& zone = carte.zone();
  const QFontMetrics mesures(font());
  peintre.setPen(Qt::black);
  // Where the other axis crosses: a label there would sit on its line.
  const double croisement_x = axe_gauche_.Visible() ? std::round(ligne_axe(axe_gauche_, carte)) : -1E9;
  const double croisement_y = axe_bas_.Visible() ? std::round(ligne_axe(axe_bas_, carte)) : -1E9;
  if (axe_bas_.Visible()) {
    const double y = croisement_y;
    peintre.drawLine(QPointF(zone.left(), y), QPointF(zone.right(), y));
    const bool dessous = y + graduation + mesures.height() <= cadre.bottom();
    for (const double v : carte.x_degenere() ? std::vector<double>{}
                                             : graduations(carte.xmin(), carte.xmax(), zone.width(), ecart_x)) {
      const double x = std::round(carte.pixel_x(v));
      peintre.drawLine(QPointF(x, y), QPointF(x, y + graduation));
      const QString texte = depuis_1252(texte_nombre(v));
      const double largeur = mesures.horizontalAdvance(texte) + 2;
      const double gauche = std::fabs(x - croisement_x) < 2 ? x + 2 : x - largeur / 2;
      const QRectF place(gauche, dessous ? y + graduation : y - graduation - mesures.height(), largeur,
                         mesures.height());
      if (QRectF(cadre).contains(place)) peintre.drawText(place, Qt::AlignCenter, texte);
    }
  }
  if (axe_gauche_.Visible()) {
    const double x = croisement_x;
    peintre.drawLine(QPointF(x, zone.top()), QPointF(x, zone.bottom()));
    for (const double v : carte.y_degenere() ? std::vector<double>{}
                                             : graduations(carte.ymin(), carte.ymax(), zone.height(), ecart_y)) {
      const double y = std::round(carte.pixel_y(v));
      peintre.drawLine(QPointF(x - graduation, y), QPointF(x, y));
      if (std::fabs(y - croisement_y) < 2) continue;
      const QString texte = depuis_1252(texte_nombre(v));
      const double largeur = mesures.horizontalAdvance(texte) + 2;
      const bool a_gauche = x - graduation - largeur >= cadre.left();
      const QRectF place(a_gauche ? x - graduation - largeur : x + graduation, y - mesures.height() / 2.0, largeur,
                         mesures.height());
      if (QRectF(cadre).contains(place)) {
        peintre.drawText(place, (a_gauche ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, texte);
      }
    }
  }
}

void TChart::dessiner_marques(QPainter& peintre) const {
  peintre.setRenderHint(QPainter::Antialiasing, true);
  for (const Tmarque& marque : marques_) {
    peintre.setPen(QPen(couleur_qt(marque.couleur), marque.largeur, Qt::SolidLine, Qt::RoundCap));
    peintre.drawPoint(marque.pixel);
  }
}

void TChart::dessiner_rectangle_zoom(QPainter& peintre) const {
  if (!appui_ || appui_->bouton != Qt::LeftButton || glissement_ == appui_->pixel) return;
  peintre.setRenderHint(QPainter::Antialiasing, false);
  peintre.setPen(QPen(Qt::black, 1, Qt::DashLine));
  peintre.setBrush(Qt::NoBrush);
  peintre.drawRect(QRect(appui_->pixel, glissement_).normalized());
}

void TChart::paintEvent(QPaintEvent*) {
  QPainter peintre(this);
  dessiner(peintre, rect(), false);
  dessiner_marques(peintre);
  dessiner_rectangle_zoom(peintre);
}
