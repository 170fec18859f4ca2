// The Graphiques module inside the whole program, off screen:
//   - a repaint of the chart holding ten curves of 2,000 points each, with
//     the integral area of x^2 over [0;2] painted under them, at 800 x 600;
//   - drawing the curve list again (the Atracer action) with ten curves.
//
//   build/release/bin/bench-graphiques
//
// The program starts once on a temporary copy of the shipped settings.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "localisation/messagerie_enregistreuse.h"
#include "platform/chart/chart.h"
#include "platform/texte_qt.h"
#include "shell/calcul_graphique.h"
#include "shell/programme.h"
#include "shell/vorel.h"

namespace {

namespace fs = std::filesystem;

constexpr int nombre_courbes = 10;
constexpr int points_par_courbe = 2000;

// The program started on ten cartesian curves, the Graphiques page shown.
class Programme {
 public:
  Programme() {
    dossier_ = fs::temp_directory_path() / ("bench-graphiques-" + std::to_string(::getpid()));
    fs::remove_all(dossier_);
    fs::create_directories(dossier_);
    fs::copy(PRALINORE_PARAMETRES_LIVRES, dossier_ / "parametres", fs::copy_options::recursive);
    std::ofstream ini(dossier_ / "parametres" / "Pralinore.ini", std::ios::binary);
    ini << "[generales]\r\nmasquer_configuration=1\r\npage_demarrage=3\r\n[Graphiques]\r\n0=x^2;x\r\n";
    for (int k = 1; k < nombre_courbes; ++k) ini << k << "=sin(" << k << "*x)+x/" << k << ";x\r\n";
    ini.close();
    ::setenv("PRALINORE_APPDIR", dossier_.c_str(), 1);
    programme_ = std::make_unique<Tprogramme>();
    programme_->demarrer();
    Fvorel->Chart1->resize(800, 600);
  }
  ~Programme() {
    programme_.reset();
    fs::remove_all(dossier_);
  }

 private:
  MessagerieDeTest messages_;
  fs::path dossier_;
  std::unique_ptr<Tprogramme> programme_;
};

// Ended before QApplication.
std::unique_ptr<Programme> programme_demarre;

Programme& programme() {
  if (!programme_demarre) programme_demarre = std::make_unique<Programme>();
  return *programme_demarre;
}

void repeindre_dix_courbes_et_aire(benchmark::State& etat) {
  programme();
  TChart& chart = *Fvorel->Chart1;
  Fvorel->AtracerExecute();
  for (int k = 0; k < nombre_courbes; ++k) {
    auto serie = std::dynamic_pointer_cast<TCustomSeries>(chart.Series(k));
    while (serie->Count() < points_par_courbe) {
      const double x = -5 + 10.0 * serie->Count() / (points_par_courbe - 1);
      serie->AddXY(x, std::sin((k + 1) * x) + x / (k + 1));
    }
  }
  TFcalcul_graphique& d = *Fcalcul_graphique;
  d.montrer_page(true);
  d.show();
  d.CBcourbe_integrale->setCurrentIndex(0);
  d.Tabscisse1->setText(QStringLiteral("0"));
  d.Tabscisse2->setText(QStringLiteral("2"));
  d.Bcalculer_integraleClick();
  for (auto _ : etat) {
    QImage image = chart.image_sur_fond_blanc();
    benchmark::DoNotOptimize(image.constBits());
  }
  d.hide();
  etat.SetItemsProcessed(etat.iterations() * nombre_courbes * points_par_courbe);
}
BENCHMARK(repeindre_dix_courbes_et_aire)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void tracer_dix_courbes(benchmark::State& etat) {
  programme();
  for (auto _ : etat) Fvorel->AtracerExecute();
}
BENCHMARK(tracer_dix_courbes)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pralinore"));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  programme_demarre.reset();
  return 0;
}
