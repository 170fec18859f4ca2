// Time of the calculator's path on school inputs, text in to text out: each
// line of bench/corpus/*.txt goes through the syntax check and the
// evaluator. Prints each input's time, then the median and the maximum over
// the inputs and the slowest ones.
//   engine_bench [--smoke] [--calculs] [corpus folder] [--benchmark_... flags]
// --calculs times the Calculs page's whole calculation instead (lower case,
// blanks, implicit products, check, evaluation, collection): what a pupil
// waits for.
// --smoke runs every input once, times nothing, and fails when an input
// gives the "too complex" error (ctest label bench_smoke).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/evaluateur.h"
#include "engine/fonctions_usuelles.h"
#include "engine/profondeur.h"
#include "engine/syntaxe.h"
#include "engine/traduction_fonctions.h"
#include "localisation/choix_langue.h"
#include "localisation/nombres.h"
#include "localisation/texte_1252.h"
#include "shell/calculs.h"

namespace {

struct Entree {
  std::string nom;    // file:line
  std::string texte;  // UTF-8, as typed
};

std::vector<Entree> lit_corpus(const std::filesystem::path& dossier) {
  std::vector<std::filesystem::path> fichiers;
  for (const auto& f : std::filesystem::directory_iterator(dossier)) {
    if (f.path().extension() == ".txt") fichiers.push_back(f.path());
  }
  std::sort(fichiers.begin(), fichiers.end());
  std::vector<Entree> entrees;
  for (const auto& f : fichiers) {
    std::ifstream flux(f);
    std::string ligne;
    for (int n = 1; std::getline(flux, ligne); ++n) {
      if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
      if (ligne.empty()) continue;
      entrees.push_back({f.filename().string() + ":" + texte_entier(n) + " " + ligne, ligne});
    }
  }
  return entrees;
}

// What the calculator does with a typed line, text in to text out.
std::string calcule(const std::string& utf8) {
  std::string texte = depuis_utf8(utf8);
  std::string message;
  verifier_syntaxe(texte, message);
  return vers_utf8(message.empty() ? calculer(texte) : message);
}

// What the Calculs page shows for a typed line, with its default options.
std::string calcule_page(const std::string& utf8) {
  const Tcalcul calcul = calculer_saisie(depuis_utf8(utf8), Toptions_calcul{});
  return vers_utf8(calcul.message.empty() ? calcul.resultat : calcul.message);
}

using Calcul = std::string (*)(const std::string&);

class Collecteur : public benchmark::ConsoleReporter {
 public:
  std::vector<std::pair<double, std::string>> temps;  // seconds per input, name

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& r : runs) {
      if (r.run_type != Run::RT_Iteration || r.iterations == 0) continue;
      temps.emplace_back(r.real_accumulated_time / static_cast<double>(r.iterations), r.benchmark_name());
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

std::string microsecondes(double secondes) {
  std::string t = texte_nombre_fixe(secondes * 1e6, 2) + " us";
  return std::string(t.size() < 12 ? 12 - t.size() : 0, ' ') + t;
}

void resume(std::vector<std::pair<double, std::string>> temps) {
  if (temps.empty()) return;
  std::sort(temps.begin(), temps.end());
  const std::size_t n = temps.size();
  const double mediane = n % 2 ? temps[n / 2].first : (temps[n / 2 - 1].first + temps[n / 2].first) / 2;
  std::string sortie = "\n" + texte_entier(static_cast<std::int64_t>(n)) + " inputs, text in to text out\n";
  sortie += "median  " + microsecondes(mediane) + "\nmaximum " + microsecondes(temps.back().first) + "\nslowest:\n";
  for (std::size_t i = 0; i < 8 && i < n; ++i) {
    const auto& [t, nom] = temps[n - 1 - i];
    sortie += "  " + microsecondes(t) + "  " + nom + "\n";
  }
  std::fputs(sortie.c_str(), stdout);
}

int fumee(const std::vector<Entree>& entrees, Calcul calcul) {
  const std::string trop_complexe = vers_utf8(erreur_trop_complexe());
  int echecs = 0;
  for (const auto& e : entrees) {
    if (calcul(e.texte) == trop_complexe) {
      std::fputs(("too complex: " + e.nom + "\n").c_str(), stdout);
      ++echecs;
    }
  }
  const std::string bilan = texte_entier(static_cast<std::int64_t>(entrees.size())) + " inputs run once, " +
                            texte_entier(echecs) + " too complex\n";
  std::fputs(bilan.c_str(), stdout);
  return echecs == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // A short default per input keeps the whole run under a minute; a flag
  // given on the command line comes later and wins.
  std::vector<char*> arguments(argv, argv + argc);
  std::string temps_minimal = "--benchmark_min_time=0.05";
  arguments.insert(arguments.begin() + 1, temps_minimal.data());
  int n = static_cast<int>(arguments.size());
  benchmark::Initialize(&n, arguments.data());
  bool smoke = false;
  Calcul calcul = calcule;
  std::filesystem::path dossier = PRALINORE_CORPUS_BENCH;
  for (int i = 1; i < n; ++i) {
    const std::string a = arguments[i];
    if (a == "--smoke") {
      smoke = true;
    } else if (a == "--calculs") {
      calcul = calcule_page;
    } else {
      dossier = a;
    }
  }
  enregistrer_traduction_fonctions();
  choisir_langue(0);
  initialise_fonctions_usuelles();
  choisir_langue(0);
  const std::vector<Entree> entrees = lit_corpus(dossier);
  if (entrees.empty()) {
    std::fprintf(stderr, "engine_bench: no input in %s\n", dossier.string().c_str());
    return 2;
  }
  if (smoke) return fumee(entrees, calcul);
  for (const auto& e : entrees) {
    benchmark::RegisterBenchmark(e.nom.c_str(), [texte = e.texte, calcul](benchmark::State& etat) {
      for (auto _ : etat) benchmark::DoNotOptimize(calcul(texte));
    })->Unit(benchmark::kMicrosecond);
  }
  Collecteur collecteur;
  benchmark::RunSpecifiedBenchmarks(&collecteur);
  benchmark::Shutdown();
  resume(collecteur.temps);
  return 0;
}
