// The GIF codec: decoding a 20-frame 256 x 256 animation against giflib's
// DGifSlurp, and reducing and encoding the picture the Graphiques module
// exports (an 800 x 600 chart). Prints each time and the ratio of decoding
// ours / giflib (the goal is at most 3).
#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <QApplication>
#include <QImage>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>

#include "components/gif_qt.h"
#include "graphique_de_bench.h"
#include "rapporteur_temps.h"
#include "localisation/nombres.h"

namespace {

constexpr int kCadres = 20;
constexpr int kCote = 256;

// Moving rings over a 256-colour palette, one frame per step.
const std::vector<std::uint8_t>& animation() {
  static const std::vector<std::uint8_t> fichier = [] {
    gif::TJvGIFImage g;
    for (int k = 0; k < kCadres; ++k) {
      gif::TBitmap b(kCote, kCote, gif::pf8bit);
      for (std::size_t i = 0; i < b.Palette.size(); ++i)
        b.Palette[i] = gif::RGBQUAD{std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 7), 0};
      for (int y = 0; y < kCote; ++y)
        for (int x = 0; x < kCote; ++x)
          b.SetIndex(x, y, std::uint8_t(int(std::hypot(x - 128 - 3 * k, y - 128)) + 4 * k));
      g.AddFrame(b);
    }
    return g.SaveToStream();
  }();
  return fichier;
}

void decodage_nous(benchmark::State& etat) {
  for (auto _ : etat) {
    gif::TJvGIFImage g;
    g.LoadFromStream(animation(), false);
    for (std::size_t i = 0; i < g.Count(); ++i) benchmark::DoNotOptimize(g.Frame(i).Bitmap().Bits().data());
  }
}
BENCHMARK(decodage_nous)->Unit(benchmark::kMillisecond);

struct Source {
  std::size_t pos = 0;
};

int lire(GifFileType* f, GifByteType* tampon, int n) {
  auto* s = static_cast<Source*>(f->UserData);
  const std::size_t k = std::min<std::size_t>(std::size_t(n), animation().size() - s->pos);
  std::memcpy(tampon, animation().data() + s->pos, k);
  s->pos += k;
  return int(k);
}

void decodage_giflib(benchmark::State& etat) {
  for (auto _ : etat) {
    Source s;
    int erreur = 0;
    GifFileType* f = DGifOpen(&s, &lire, &erreur);
    DGifSlurp(f);
    benchmark::DoNotOptimize(f->SavedImages);
    DGifCloseFile(f, &erreur);
  }
}
BENCHMARK(decodage_giflib)->Unit(benchmark::kMillisecond);

void reduction_encodage_graphique(benchmark::State& etat) {
  std::size_t taille = 0;
  for (auto _ : etat) {
    gif::TJvGIFImage g;
    gif::AddFrame(g, graphique_de_bench());
    taille = g.SaveToStream().size();
    benchmark::DoNotOptimize(taille);
  }
  etat.counters["bytes"] = static_cast<double>(taille);
}
BENCHMARK(reduction_encodage_graphique)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  RapporteurTemps rapporteur;
  benchmark::RunSpecifiedBenchmarks(&rapporteur);
  benchmark::Shutdown();
  auto& t = rapporteur.temps;
  if (t.count("decodage_nous") && t.count("decodage_giflib")) {
    const std::string texte = "animation: " + texte_entier(static_cast<std::int64_t>(animation().size())) +
                              " bytes\ndecoding ours / giflib: " +
                              texte_nombre_fixe(t["decodage_nous"] / t["decodage_giflib"], 2) + " (goal: at most 3)\n";
    std::fputs(texte.c_str(), stdout);
  }
  return 0;
}
