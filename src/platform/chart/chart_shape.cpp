#include "platform/chart/chart_shape.h"

#include "platform/couleur_qt.h"
#include "platform/texte_qt.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <utility>

TChartShape::TChartShape() { SetPenColor(couleur_noire); }

void TChartShape::SetStyle(TChartShapeStyle style) {
  style_ = style;
  changer();
}

void TChartShape::poser(double& coin, double valeur) {
  if (!std::isfinite(valeur)) return;
  coin = valeur;
  changer();
}

void TChartShape::SetX0(double valeur) { poser(x0_, valeur); }
void TChartShape::SetY0(double valeur) { poser(y0_, valeur); }
void TChartShape::SetX1(double valeur) { poser(x1_, valeur); }
void TChartShape::SetY1(double valeur) { poser(y1_, valeur); }

void TChartShape::SetText(std::vector<std::string> lignes) {
  texte_ = std::move(lignes);
  changer();
}

void TChartShape::SetFontColor(std::int32_t couleur) {
  couleur_texte_ = couleur;
  changer();
}

void TChartShape::Assign(const TChartSeries& source) {
  if (const auto* autre = dynamic_cast<const TChartShape*>(&source); autre != nullptr && autre != this) {
    style_ = autre->style_;
    x0_ = autre->x0_;
    y0_ = autre->y0_;
    x1_ = autre->x1_;
    y1_ = autre->y1_;
    texte_ = autre->texte_;
    couleur_texte_ = autre->couleur_texte_;
  }
  TChartSeries::Assign(source);
}

QRectF TChartShape::cadre_coins(const TChartMap& carte) const {
  return QRectF(carte.pixel(x0_, y0_), carte.pixel(x1_, y1_)).normalized();
}

// The text block, centred on the corners' centre.
QRectF TChartShape::cadre_texte(const TChartMap& carte, const QFont& police) const {
  const QFontMetricsF mesures(police);
  double largeur = 0;
  for (const std::string& ligne : texte_) largeur = std::max(largeur, mesures.horizontalAdvance(depuis_1252(ligne)));
  const double hauteur = mesures.height() * static_cast<double>(texte_.size());
  const QPointF centre = cadre_coins(carte).center();
  return QRectF(centre.x() - largeur / 2, centre.y() - hauteur / 2, largeur, hauteur);
}

void TChartShape::dessiner(QPainter& peintre, const TChartMap& carte) const {
  const QRectF coins = cadre_coins(carte);
  if (PenVisible()) {
    peintre.setPen(QPen(couleur_qt(PenColor()), PenWidth()));
    const double milieu = coins.center().y();
    peintre.drawLine(QPointF(coins.left(), milieu), QPointF(coins.right(), milieu));
  }
  const QRectF bloc = cadre_texte(carte, peintre.font());
  const double hauteur_ligne = QFontMetricsF(peintre.font()).height();
  peintre.setPen(couleur_qt(couleur_texte_));
  for (std::size_t i = 0; i < texte_.size(); ++i) {
    const QRectF ligne(bloc.left(), bloc.top() + hauteur_ligne * static_cast<double>(i), bloc.width(), hauteur_ligne);
    peintre.drawText(ligne, Qt::AlignCenter, depuis_1252(texte_[i]));
  }
}

std::optional<int> TChartShape::touche(QPointF pixel, const TChartMap& carte, const QFont& police) const {
  const QRectF zone = cadre_coins(carte).united(cadre_texte(carte, police));
  if (zone.adjusted(-1, -1, 1, 1).contains(pixel)) return 0;
  return std::nullopt;
}
