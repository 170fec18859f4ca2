#pragma once
// A chart's line series seen through the engine's curve series, so that a
// curve plots itself on the chart without the engine knowing charts.

#include "engine/serie_courbe.h"
#include "platform/chart/chart_series.h"

class Tserie_chart : public Tserie_courbe {
 public:
  explicit Tserie_chart(TCustomSeries& serie) : serie_(serie) {}

  void SetTitle(const std::string& titre) override { serie_.SetTitle(titre); }
  void SetPointer(Tpointeur_courbe style, int largeur, int hauteur) override {
    serie_.SetPointerStyle(style == Tpointeur_courbe::cercle ? psCircle : psSmallDot);
    serie_.SetPointerSize(largeur, hauteur);
  }
  int AddXY(double x, double y) override { return serie_.AddXY(x, y); }
  int Count() const override { return serie_.Count(); }
  double XValue(int indice) const override { return serie_.XValue(indice); }
  double YValue(int indice) const override { return serie_.YValue(indice); }
  void SwapValueIndex(int a, int b) override { serie_.SwapValueIndex(a, b); }

 private:
  TCustomSeries& serie_;
};
