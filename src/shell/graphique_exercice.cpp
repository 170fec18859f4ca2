#include "shell/graphique_exercice.h"

#include <memory>

#include "platform/chart/chart.h"
#include "platform/chart/chart_series.h"
#include "shell/serie_chart.h"

namespace {

TChartAxis& axe_de(TChart& chart, GraphiqueExercice::Axe axe) {
  return axe == GraphiqueExercice::Axe::gauche ? chart.LeftAxis() : chart.BottomAxis();
}

}  // namespace

TCustomSeries* GraphiqueTChart::serie(int indice) const {
  return dynamic_cast<TCustomSeries*>(chart_.Series(indice).get());
}

void GraphiqueTChart::RemoveAllSeries() { chart_.RemoveAllSeries(); }

int GraphiqueTChart::NewLineSeries() {
  chart_.NewLineSeries();
  return chart_.SeriesCount() - 1;
}

int GraphiqueTChart::NewPointSeries() {
  chart_.NewPointSeries();
  return chart_.SeriesCount() - 1;
}

void GraphiqueTChart::AddXY(int indice, double x, double y) {
  if (TCustomSeries* s = serie(indice)) s->AddXY(x, y);
}

void GraphiqueTChart::SetPenColor(int indice, std::uint32_t couleur) {
  if (TCustomSeries* s = serie(indice)) s->SetPenColor(static_cast<std::int32_t>(couleur));
}

void GraphiqueTChart::SetPenWidth(int indice, int largeur) {
  if (TCustomSeries* s = serie(indice)) s->SetPenWidth(largeur);
}

int GraphiqueTChart::SeriesCount() const { return chart_.SeriesCount(); }

int GraphiqueTChart::Count(int indice) const {
  const TCustomSeries* s = serie(indice);
  return s != nullptr ? s->Count() : 0;
}

std::unique_ptr<Tserie_courbe> GraphiqueTChart::SerieCourbe(int indice) {
  TCustomSeries* s = serie(indice);
  if (s == nullptr) return nullptr;
  return std::make_unique<Tserie_chart>(*s);
}

void GraphiqueTChart::SetVisible(Axe axe, bool visible) { axe_de(chart_, axe).SetVisible(visible); }

void GraphiqueTChart::SetGridVisible(Axe axe, bool visible) { axe_de(chart_, axe).SetGridVisible(visible); }

void GraphiqueTChart::SetPositionPercent(Axe axe, double pourcentage) {
  axe_de(chart_, axe).SetPositionPercent(pourcentage);
}

void GraphiqueTChart::SetMinMax(Axe axe, double minimum, double maximum) {
  axe_de(chart_, axe).SetMinMax(minimum, maximum);
}

void GraphiqueTChart::SetAutomatic(Axe axe, bool automatique) { axe_de(chart_, axe).SetAutomatic(automatique); }

void GraphiqueTChart::SetVisible(bool visible) { chart_.setVisible(visible); }

void GraphiqueTChart::SetEnabled(bool actif) { chart_.setEnabled(actif); }
