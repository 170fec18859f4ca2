#include "platform/chart/chart_series.h"

#include "platform/chart/chart.h"
#include "platform/chart/geometrie.h"
#include "platform/couleur_qt.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

bool fini(double x, double y) { return std::isfinite(x) && std::isfinite(y); }
bool fini(QPointF p) { return fini(p.x(), p.y()); }

void etendre(std::optional<Tetendue>& etendue, double valeur) {
  if (!std::isfinite(valeur)) return;
  if (!etendue) {
    etendue = Tetendue{valeur, valeur};
  } else {
    etendue->minimum = std::min(etendue->minimum, valeur);
    etendue->maximum = std::max(etendue->maximum, valeur);
  }
}

}  // namespace

void TChartSeries::changer() {
  if (chart_ != nullptr) chart_->update();
}

void TChartSeries::SetTitle(std::string titre) {
  titre_ = std::move(titre);
  changer();
}

void TChartSeries::SetShowInLegend(bool visible) {
  dans_legende_ = visible;
  changer();
}

void TChartSeries::SetPenVisible(bool visible) {
  plume_visible_ = visible;
  changer();
}

void TChartSeries::SetPenColor(std::int32_t couleur) {
  couleur_ = couleur;
  couleur_de_place_ = false;
  changer();
}

void TChartSeries::SetPenWidth(int epaisseur) {
  epaisseur_ = std::clamp(epaisseur, 1, 100);
  changer();
}

double TChartSeries::XScreenToValue(int pixel) const {
  return chart_ != nullptr ? chart_->BottomAxis().CalcPosPoint(pixel) : 0;
}

double TChartSeries::YScreenToValue(int pixel) const {
  return chart_ != nullptr ? chart_->LeftAxis().CalcPosPoint(pixel) : 0;
}

int TChartSeries::CalcXPosValue(double valeur) const {
  return chart_ != nullptr ? chart_->BottomAxis().CalcPosValue(valeur) : 0;
}

int TChartSeries::CalcYPosValue(double valeur) const {
  return chart_ != nullptr ? chart_->LeftAxis().CalcPosValue(valeur) : 0;
}

void TChartSeries::Assign(const TChartSeries& source) {
  if (&source == this) return;
  titre_ = source.titre_;
  dans_legende_ = source.dans_legende_;
  plume_visible_ = source.plume_visible_;
  couleur_ = source.couleur_;
  couleur_de_place_ = false;
  epaisseur_ = source.epaisseur_;
  changer();
}

int TCustomSeries::AddXY(double x, double y) {
  x_.push_back(x);
  y_.push_back(y);
  etendre(etendue_x_, x);
  etendre(etendue_y_, y);
  changer();
  return Count() - 1;
}

double TCustomSeries::XValue(int indice) const {
  return indice >= 0 && indice < Count() ? x_[static_cast<std::size_t>(indice)] : 0;
}

double TCustomSeries::YValue(int indice) const {
  return indice >= 0 && indice < Count() ? y_[static_cast<std::size_t>(indice)] : 0;
}

void TCustomSeries::SwapValueIndex(int a, int b) {
  if (a < 0 || b < 0 || a >= Count() || b >= Count()) return;
  std::swap(x_[static_cast<std::size_t>(a)], x_[static_cast<std::size_t>(b)]);
  std::swap(y_[static_cast<std::size_t>(a)], y_[static_cast<std::size_t>(b)]);
  changer();
}

void TCustomSeries::SetPointerVisible(bool visible) {
  pointeur_visible_ = visible;
  changer();
}

void TCustomSeries::SetPointerStyle(TSeriesPointerStyle style) {
  style_ = style;
  changer();
}

void TCustomSeries::SetPointerSize(int largeur, int hauteur) {
  largeur_ = std::clamp(largeur, 1, 100);
  hauteur_ = std::clamp(hauteur, 1, 100);
  changer();
}

void TCustomSeries::Assign(const TChartSeries& source) {
  if (const auto* autre = dynamic_cast<const TCustomSeries*>(&source); autre != nullptr && autre != this) {
    pointeur_visible_ = autre->pointeur_visible_;
    style_ = autre->style_;
    largeur_ = autre->largeur_;
    hauteur_ = autre->hauteur_;
  }
  TChartSeries::Assign(source);
}

std::optional<Tetendue> TCustomSeries::etendue_x() const { return etendue_x_; }
std::optional<Tetendue> TCustomSeries::etendue_y() const { return etendue_y_; }

// Segments are cut to the plot area (a little beyond, so wide pens end
// outside it) and consecutive visible pieces go out as one polyline.
void TCustomSeries::dessiner_ligne(QPainter& peintre, const TChartMap& carte) const {
  if (!PenVisible() || Count() < 2) return;
  QPen plume(couleur_qt(PenColor()), PenWidth());
  plume.setJoinStyle(Qt::RoundJoin);
  peintre.setPen(plume);
  const double marge = PenWidth() + 2;
  const QRectF cadre = carte.zone().adjusted(-marge, -marge, marge, marge);
  QVector<QPointF> trace;
  const auto vider = [&] {
    if (trace.size() >= 2) peintre.drawPolyline(trace.constData(), static_cast<int>(trace.size()));
    trace.clear();
  };
  std::optional<QPointF> precedent;
  for (std::size_t i = 0; i < x_.size(); ++i) {
    const QPointF p = carte.pixel(x_[i], y_[i]);
    if (!fini(x_[i], y_[i]) || !fini(p)) {
      vider();
      precedent.reset();
      continue;
    }
    if (precedent) {
      QPointF a = *precedent;
      QPointF b = p;
      if (!couper_segment(a, b, cadre)) {
        vider();
      } else {
        if (trace.empty() || trace.back() != a) {
          vider();
          trace.push_back(a);
        }
        trace.push_back(b);
        if (b != p) vider();
      }
    }
    precedent = p;
  }
  vider();
}

void TCustomSeries::dessiner_marqueurs(QPainter& peintre, const TChartMap& carte) const {
  const QColor couleur = couleur_qt(PenColor());
  peintre.setPen(Qt::NoPen);
  peintre.setBrush(couleur);
  const double demi_largeur = largeur_ / 2.0;
  const double demi_hauteur = hauteur_ / 2.0;
  const QRectF cadre = carte.zone().adjusted(-largeur_, -hauteur_, largeur_, hauteur_);
  for (std::size_t i = 0; i < x_.size(); ++i) {
    if (!fini(x_[i], y_[i])) continue;
    const QPointF p = carte.pixel(x_[i], y_[i]);
    if (!cadre.contains(p)) continue;
    if (style_ == psSmallDot) {
      peintre.fillRect(QRectF(p.x() - 1, p.y() - 1, 2, 2), couleur);
    } else {
      peintre.drawEllipse(p, demi_largeur, demi_hauteur);
    }
  }
  peintre.setBrush(Qt::NoBrush);
}

std::optional<int> TCustomSeries::point_le_plus_proche(QPointF pixel, const TChartMap& carte) const {
  std::optional<int> meilleur;
  double meilleure_distance = 0;
  for (std::size_t i = 0; i < x_.size(); ++i) {
    if (!fini(x_[i], y_[i])) continue;
    const double d = distance(pixel, carte.pixel(x_[i], y_[i]));
    if (!meilleur || d < meilleure_distance) {
      meilleur = static_cast<int>(i);
      meilleure_distance = d;
    }
  }
  return meilleur;
}

bool TCustomSeries::marqueur_touche(QPointF pixel, const TChartMap& carte) const {
  const double rayon = style_ == psSmallDot ? 1 : std::max(largeur_, hauteur_) / 2.0;
  for (std::size_t i = 0; i < x_.size(); ++i) {
    if (!fini(x_[i], y_[i])) continue;
    const QPointF p = carte.pixel(x_[i], y_[i]);
    if (carte.zone().contains(p) && distance(pixel, p) <= tolerance_serie + rayon) return true;
  }
  return false;
}

bool TCustomSeries::ligne_touchee(QPointF pixel, const TChartMap& carte) const {
  if (!PenVisible()) return false;
  const double tolerance = tolerance_serie + PenWidth() / 2.0;
  for (std::size_t i = 1; i < x_.size(); ++i) {
    if (!fini(x_[i - 1], y_[i - 1]) || !fini(x_[i], y_[i])) continue;
    QPointF a = carte.pixel(x_[i - 1], y_[i - 1]);
    QPointF b = carte.pixel(x_[i], y_[i]);
    if (couper_segment(a, b, carte.zone()) && distance_segment(pixel, a, b) <= tolerance) return true;
  }
  return false;
}

void TLineSeries::dessiner(QPainter& peintre, const TChartMap& carte) const {
  dessiner_ligne(peintre, carte);
  if (PointerVisible()) dessiner_marqueurs(peintre, carte);
}

std::optional<int> TLineSeries::touche(QPointF pixel, const TChartMap& carte, const QFont&) const {
  if ((PointerVisible() && marqueur_touche(pixel, carte)) || ligne_touchee(pixel, carte)) {
    return point_le_plus_proche(pixel, carte);
  }
  return std::nullopt;
}

void TPointSeries::dessiner(QPainter& peintre, const TChartMap& carte) const {
  if (PointerVisible()) dessiner_marqueurs(peintre, carte);
}

std::optional<int> TPointSeries::touche(QPointF pixel, const TChartMap& carte, const QFont&) const {
  if (PointerVisible() && marqueur_touche(pixel, carte)) return point_le_plus_proche(pixel, carte);
  return std::nullopt;
}
