#pragma once
// The picture the image codecs' benchmarks encode: an 800 x 600 chart with a
// legend and ten curves of 2,000 points, drawn once.

#include <QImage>

#include <cmath>

#include "platform/chart/chart.h"

inline const QImage& graphique_de_bench() {
  constexpr int largeur = 800;
  constexpr int hauteur = 600;
  constexpr int courbes = 10;
  constexpr int points = 2000;
  static const QImage image = [] {
    TChart chart;
    chart.resize(largeur, hauteur);
    chart.BottomAxis().SetMinMax(-10, 10);
    chart.LeftAxis().SetMinMax(-6, 6);
    chart.BottomAxis().SetPositionPercent(50);
    chart.LeftAxis().SetPositionPercent(50);
    chart.SetLegendVisible(true);
    for (int k = 0; k < courbes; ++k) {
      auto serie = chart.NewLineSeries();
      for (int i = 0; i < points; ++i) {
        const double x = -10 + 20.0 * i / (points - 1);
        serie->AddXY(x, 5 * std::sin((k + 1) * x / 3) + (k - 5) * 0.3);
      }
    }
    return chart.image_sur_fond_blanc();
  }();
  return image;
}
