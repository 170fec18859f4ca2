// The catalogue's loading with a hint page of 2 KB behind every entry (the
// files read afresh, as at start-up), and one password hash at the limits the
// program uses. Run: build/release/bin/bench-comptes
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "exercises/catalogue_exercices.h"
#include "exercises/comptes.h"
#include "localisation/catalogue.h"
#include "localisation/nombres.h"
#include "platform/ini/fichiers_aide.h"

namespace {

constexpr std::size_t taille_page = 2048;
constexpr int nombre_fichiers_aide = 7;

// A folder holding Aide1.ini ... Aide7.ini with one 2 KB page per code.
std::string dossier_aide() {
  static const std::string dossier = [] {
    std::string modele = (std::filesystem::temp_directory_path() / "pralinore-bench-comptes-XXXXXX").string();
    if (::mkdtemp(modele.data()) == nullptr) return std::string();
    std::map<int, std::string> fichiers;
    for (const Tentree_catalogue& e : table_exercices()) {
      const std::string code = texte_entier(e.code);
      const int numero = code[1] - '0';
      std::string page = "<P ALIGN=CENTER>" + code + "</P>";
      page.resize(taille_page, 'x');
      fichiers[numero] += code + "=" + page + "\r\n";
    }
    for (int n = 1; n <= nombre_fichiers_aide; ++n) {
      std::ofstream(modele + "/Aide" + texte_entier(n) + ".ini", std::ios::binary)
          << "[Exercices]\r\n" << fichiers[n];
    }
    return modele + "/";
  }();
  return dossier;
}

void BM_charger_exercices(benchmark::State& etat) {
  remplir_textes(0);
  const std::string dossier = dossier_aide();
  for (auto _ : etat) {
    ouvrir_aide_langue(dossier);
    charger_exercices();
    benchmark::DoNotOptimize(exercices.aide.data());
  }
  etat.counters["octets_aide"] = static_cast<double>(exercices.aide[0].size());
}
BENCHMARK(BM_charger_exercices)->Unit(benchmark::kMillisecond)->Repetitions(15)->DisplayAggregatesOnly(true);

void BM_hacher_mot_de_passe(benchmark::State& etat) {
  definir_limites_hachage(limites_hachage_interactives());
  for (auto _ : etat) benchmark::DoNotOptimize(hacher_mot_de_passe("klom"));
}
BENCHMARK(BM_hacher_mot_de_passe)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_verifier_mot_de_passe(benchmark::State& etat) {
  definir_limites_hachage(limites_hachage_interactives());
  const std::string empreinte = hacher_mot_de_passe("klom");
  for (auto _ : etat) benchmark::DoNotOptimize(mot_de_passe_correspond(empreinte, "klom"));
}
BENCHMARK(BM_verifier_mot_de_passe)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
