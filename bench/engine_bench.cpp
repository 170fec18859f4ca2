// Time of the calculator's path on school inputs, text in to text out: each
// line of bench/corpus/*.txt goes through the syntax check and the
// evaluator. Prints each input's time, then the median, the 90th percentile
// and the maximum over the inputs, the same per kind of input (a corpus
// file is a kind, named after the file), and the ten slowest inputs.
//   engine_bench [--smoke] [--calculs] [corpus folder] [--benchmark_... flags]
// --calculs times the Calculs page's whole calculation instead (lower case,
// blanks, implicit products, check, evaluation, collection): what a pupil
// waits for.
// --smoke runs every input once, times nothing, and fails when an input
// gives the "too complex" error (ctest label bench_smoke).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
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
  std::string nom;    // file.txt:line text
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

struct Mesure {
  double secondes;  // per input
  std::string nom;
  std::string genre;
  bool operator<(const Mesure& autre) const { return secondes < autre.secondes; }
};

// An input's kind from its benchmark name, "file.txt:line text".
std::string genre_du_nom(const std::string& nom) { return nom.substr(0, nom.find(".txt:")); }

class Collecteur : public benchmark::ConsoleReporter {
 public:
  std::vector<Mesure> mesures;

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& r : runs) {
      if (r.run_type != Run::RT_Iteration || r.iterations == 0) continue;
      const std::string nom = r.benchmark_name();
      mesures.push_back({r.real_accumulated_time / static_cast<double>(r.iterations), nom, genre_du_nom(nom)});
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

constexpr std::size_t plus_lentes = 10;
constexpr double quantile_haut = 0.9;
constexpr std::size_t largeur_genre = 22;
constexpr std::size_t largeur_compte = 6;
constexpr std::size_t largeur_nombre = 12;

std::string a_droite(const std::string& t, std::size_t largeur) {
  return std::string(t.size() < largeur ? largeur - t.size() : 0, ' ') + t;
}

std::string a_gauche(const std::string& t, std::size_t largeur) {
  return t + std::string(t.size() < largeur ? largeur - t.size() : 0, ' ');
}

std::string microsecondes(double secondes) {
  return a_droite(texte_nombre_fixe(secondes * 1e6, 2) + " us", largeur_nombre);
}

// Over times sorted in increasing order: the median (the mean of the two
// middle ones for an even count) and the nearest-rank quantile.
double mediane(const std::vector<double>& t) {
  const std::size_t n = t.size();
  return n % 2 ? t[n / 2] : (t[n / 2 - 1] + t[n / 2]) / 2;
}

double quantile(const std::vector<double>& t, double part) {
  const auto rang = static_cast<std::size_t>(std::ceil(part * static_cast<double>(t.size())));
  return t[std::clamp<std::size_t>(rang, 1, t.size()) - 1];
}

std::string ligne_genre(const std::string& genre, const std::vector<double>& t) {
  const std::string compte = texte_entier(static_cast<std::int64_t>(t.size()));
  return "  " + a_gauche(genre, largeur_genre) + a_droite(compte, largeur_compte) + microsecondes(mediane(t)) +
         microsecondes(quantile(t, quantile_haut)) + microsecondes(t.back()) + "\n";
}

std::string table_des_genres(const std::vector<Mesure>& triees) {
  std::map<std::string, std::vector<double>> par_genre;
  for (const auto& m : triees) par_genre[m.genre].push_back(m.secondes);
  std::string table = a_gauche("per kind:", largeur_genre + 2) + a_droite("count", largeur_compte) +
                      a_droite("median", largeur_nombre) + a_droite("90th pct", largeur_nombre) +
                      a_droite("slowest", largeur_nombre) + "\n";
  for (const auto& [genre, t] : par_genre) table += ligne_genre(genre, t);
  return table;
}

void resume(std::vector<Mesure> mesures) {
  if (mesures.empty()) return;
  std::sort(mesures.begin(), mesures.end());
  std::vector<double> t;
  for (const auto& m : mesures) t.push_back(m.secondes);
  const std::size_t n = t.size();
  std::string sortie = "\n" + texte_entier(static_cast<std::int64_t>(n)) + " inputs, text in to text out\n";
  sortie += "median  " + microsecondes(mediane(t)) + "\n90th pct" + microsecondes(quantile(t, quantile_haut)) +
            "\nmaximum " + microsecondes(t.back()) + "\n" + table_des_genres(mesures) + "slowest:\n";
  for (std::size_t i = 0; i < plus_lentes && i < n; ++i) {
    sortie += "  " + microsecondes(mesures[n - 1 - i].secondes) + "  " + mesures[n - 1 - i].nom + "\n";
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
  demarrer_moteur(0);
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
  resume(collecteur.mesures);
  return 0;
}
