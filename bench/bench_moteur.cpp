// Speed of the engine's most called pieces: the node constructor and the
// number writer.
#include <benchmark/benchmark.h>

#include <numbers>
#include <string>

#include "engine/expression.h"
#include "localisation/nombres.h"

namespace {

// About 200 characters of school algebra with brackets, calls and lists.
std::string texte_200() {
  std::string t;
  while (t.size() < 200) t += "3*x^2-(2*x+1)/(x-4)+cos(2*x)*[1;2]-";
  t.resize(200);
  t.back() = 'x';
  return t;
}

void noeud_200_caracteres(benchmark::State& etat) {
  const std::string t = texte_200();
  for (auto _ : etat) {
    expression e(t);
    benchmark::DoNotOptimize(e.position);
  }
}
BENCHMARK(noeud_200_caracteres);

void ecriture_nombre(benchmark::State& etat) {
  double v = std::numbers::pi;
  for (auto _ : etat) {
    benchmark::DoNotOptimize(texte_nombre(v));
    v *= 1.0001;
  }
}
BENCHMARK(ecriture_nombre);

void ecriture_entier(benchmark::State& etat) {
  double v = 1;
  for (auto _ : etat) {
    benchmark::DoNotOptimize(texte_nombre(v));
    v += 1;
  }
}
BENCHMARK(ecriture_entier);

void lecture_nombre(benchmark::State& etat) {
  for (auto _ : etat) benchmark::DoNotOptimize(lire_nombre("3.14159265358979"));
}
BENCHMARK(lecture_nombre);

}  // namespace

BENCHMARK_MAIN();
