#pragma once
// The exercise chart of the main window (TFvorel::Graph) as the generators
// and the presenter see it.

#include "exercises/contexte_generateur.h"

class TChart;
class TCustomSeries;

class GraphiqueTChart final : public GraphiqueExercice {
 public:
  explicit GraphiqueTChart(TChart& chart) : chart_(chart) {}

  void RemoveAllSeries() override;
  int NewLineSeries() override;
  int NewPointSeries() override;
  // Nothing for an index with no line or point series.
  void AddXY(int serie, double x, double y) override;
  void SetPenColor(int serie, std::uint32_t couleur) override;
  void SetPenWidth(int serie, int largeur) override;
  int SeriesCount() const override;
  int Count(int serie) const override;
  // Forwards to the chart's series (Tserie_chart).
  std::unique_ptr<Tserie_courbe> SerieCourbe(int serie) override;

  void SetVisible(Axe axe, bool visible) override;
  void SetGridVisible(Axe axe, bool visible) override;
  void SetPositionPercent(Axe axe, double pourcentage) override;
  void SetMinMax(Axe axe, double minimum, double maximum) override;
  void SetAutomatic(Axe axe, bool automatique) override;

  void SetVisible(bool visible) override;
  void SetEnabled(bool actif) override;

 private:
  TCustomSeries* serie(int indice) const;

  TChart& chart_;
};
