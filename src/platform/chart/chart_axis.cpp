#include "platform/chart/chart_axis.h"

#include "platform/chart/chart.h"

#include <algorithm>
#include <cmath>

namespace {

// A single value on automatic ends gets a range around it, so the one point
// shows in the middle instead of leaving the axis degenerate.
Tetendue elargie(Tetendue etendue) {
  if (etendue.minimum < etendue.maximum) return etendue;
  return {etendue.minimum - 1, etendue.maximum + 1};
}

}  // namespace

double TChartAxis::Minimum() const {
  if (!automatique_ && !minimum_automatique_) return minimum_;
  const auto etendue = chart_.etendue_series(horizontal_);
  if (!etendue) return minimum_;
  return (automatique_ || (minimum_automatique_ && maximum_automatique_)) ? elargie(*etendue).minimum
                                                                          : etendue->minimum;
}

double TChartAxis::Maximum() const {
  if (!automatique_ && !maximum_automatique_) return maximum_;
  const auto etendue = chart_.etendue_series(horizontal_);
  if (!etendue) return maximum_;
  return (automatique_ || (minimum_automatique_ && maximum_automatique_)) ? elargie(*etendue).maximum
                                                                          : etendue->maximum;
}

void TChartAxis::changer() { chart_.update(); }

void TChartAxis::SetMinimum(double valeur) {
  if (!std::isfinite(valeur)) return;
  minimum_ = valeur;
  changer();
}

void TChartAxis::SetMaximum(double valeur) {
  if (!std::isfinite(valeur)) return;
  maximum_ = valeur;
  changer();
}

void TChartAxis::SetMinMax(double minimum, double maximum) {
  SetMinimum(minimum);
  SetMaximum(maximum);
}

void TChartAxis::SetAutomatic(bool automatique) {
  automatique_ = automatique;
  changer();
}

void TChartAxis::SetAutomaticMinimum(bool automatique) {
  minimum_automatique_ = automatique;
  changer();
}

void TChartAxis::SetAutomaticMaximum(bool automatique) {
  maximum_automatique_ = automatique;
  changer();
}

void TChartAxis::SetVisible(bool visible) {
  visible_ = visible;
  changer();
}

void TChartAxis::SetGridVisible(bool visible) {
  grille_visible_ = visible;
  changer();
}

void TChartAxis::SetPositionPercent(double pourcentage) {
  if (std::isnan(pourcentage)) return;
  position_ = std::clamp(pourcentage, 0.0, 100.0);
  changer();
}

int TChartAxis::CalcPosValue(double valeur) const {
  const TChartMap carte = chart_.Map();
  return pixel_entier(horizontal_ ? carte.pixel_x(valeur) : carte.pixel_y(valeur));
}

double TChartAxis::CalcPosPoint(int pixel) const {
  const TChartMap carte = chart_.Map();
  return horizontal_ ? carte.valeur_x(pixel) : carte.valeur_y(pixel);
}

TChartAxis::Tetat TChartAxis::etat() const {
  return {minimum_, maximum_, automatique_, minimum_automatique_, maximum_automatique_};
}

void TChartAxis::retablir(const Tetat& etat) {
  minimum_ = etat.minimum;
  maximum_ = etat.maximum;
  automatique_ = etat.automatique;
  minimum_automatique_ = etat.minimum_automatique;
  maximum_automatique_ = etat.maximum_automatique;
  changer();
}
