// The PNG codec against Qt's writer and reader on the picture the Graphiques
// module exports: an 800 x 600 chart with ten curves. Prints each time, the
// file sizes and the ratios ours / Qt's (encoding aims within 2x of Qt).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "components/png_qt.h"
#include "graphique_de_bench.h"
#include "rapporteur_temps.h"
#include "localisation/nombres.h"

namespace {


std::vector<std::uint8_t> fichier_nous() {
  png::TPNGObject image;
  png::Assign(image, graphique_de_bench());
  png::TFluxMemoire flux;
  image.SaveToStream(flux);
  return flux.octets();
}

QByteArray fichier_qt() {
  QByteArray octets;
  QBuffer tampon(&octets);
  tampon.open(QIODevice::WriteOnly);
  graphique_de_bench().save(&tampon, "PNG");
  return octets;
}

void encodage_nous(benchmark::State& etat) {
  for (auto _ : etat) benchmark::DoNotOptimize(fichier_nous().size());
  etat.counters["bytes"] = static_cast<double>(fichier_nous().size());
}
BENCHMARK(encodage_nous)->Unit(benchmark::kMillisecond);

void encodage_qt(benchmark::State& etat) {
  for (auto _ : etat) benchmark::DoNotOptimize(fichier_qt().size());
  etat.counters["bytes"] = static_cast<double>(fichier_qt().size());
}
BENCHMARK(encodage_qt)->Unit(benchmark::kMillisecond);

void decodage_nous(benchmark::State& etat) {
  const std::vector<std::uint8_t> fichier = fichier_nous();
  for (auto _ : etat) {
    png::TPNGObject image;
    png::TFluxMemoire flux(fichier);
    image.LoadFromStream(flux);
    benchmark::DoNotOptimize(png::AssignTo(image).constBits());
  }
}
BENCHMARK(decodage_nous)->Unit(benchmark::kMillisecond);

void decodage_qt(benchmark::State& etat) {
  const QByteArray fichier = fichier_qt();
  for (auto _ : etat) {
    QImage image;
    image.loadFromData(fichier, "PNG");
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(decodage_qt)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // No display needed: the chart draws into an image.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  RapporteurTemps rapporteur;
  benchmark::RunSpecifiedBenchmarks(&rapporteur);
  benchmark::Shutdown();
  auto& t = rapporteur.temps;
  if (t.count("encodage_nous") && t.count("encodage_qt") && t.count("decodage_nous") && t.count("decodage_qt")) {
    const std::string texte = "file size: ours " + texte_entier(static_cast<std::int64_t>(fichier_nous().size())) +
                              " bytes, Qt " + texte_entier(fichier_qt().size()) + " bytes\n" +
                              "encoding ours / Qt: " + texte_nombre_fixe(t["encodage_nous"] / t["encodage_qt"], 2) +
                              " (goal: at most 2)\n" + "decoding ours / Qt: " +
                              texte_nombre_fixe(t["decodage_nous"] / t["decodage_qt"], 2) + "\n";
    std::fputs(texte.c_str(), stdout);
  }
  return 0;
}
