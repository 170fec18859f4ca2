// Drawing speed of the chart: ten curves of 2,000 points each into an
// 800 x 600 image, as a full redraw of the Graphiques module does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdlib>

#include "platform/chart/chart.h"

namespace {

void dix_series_de_2000_points(benchmark::State& etat) {
  TChart chart;
  chart.resize(800, 600);
  chart.BottomAxis().SetMinMax(-10, 10);
  chart.LeftAxis().SetMinMax(-6, 6);
  chart.BottomAxis().SetPositionPercent(50);
  chart.LeftAxis().SetPositionPercent(50);
  chart.SetLegendVisible(true);
  for (int k = 0; k < 10; ++k) {
    auto serie = chart.NewLineSeries();
    serie->SetTitle("sin(" + std::to_string(k + 1) + "*x)");
    for (int i = 0; i < 2000; ++i) {
      const double x = -10 + 20.0 * i / 1999;
      serie->AddXY(x, 5 * std::sin((k + 1) * x / 3) + (k - 5) * 0.3);
    }
  }
  for (auto _ : etat) {
    QImage image = chart.image_sur_fond_blanc();
    benchmark::DoNotOptimize(image.constBits());
  }
  etat.SetItemsProcessed(etat.iterations() * 10 * 2000);
}
BENCHMARK(dix_series_de_2000_points)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // No display needed: the chart draws into an image.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
