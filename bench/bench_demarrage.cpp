// Start-up time of the program: from launching the executable to its main
// window shown. The program runs with PRALINORE_SCREENSHOT, so it saves a
// picture of the shown window and ends: each run counts the whole process,
// the picture and the exit included. The first start of all (fonts, caches
// of the system) is left out of the figures.
//
//   build/bin/bench-demarrage
//
// reports the median of 10 runs, off screen, with the shipped settings, of 5
// runs with a settings file of about 50 MB and of 5 runs with 300 heavy user
// functions; QT_QPA_PLATFORM=xcb (with a DISPLAY) times it on an X server
// instead.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// One run of the program; false when it did not end well.
bool lancer(const fs::path& dossier) {
  const char* plateforme = std::getenv("QT_QPA_PLATFORM");
  std::vector<std::string> variables = {
      "PRALINORE_APPDIR=" + dossier.string(), "PRALINORE_SCREENSHOT=" + (dossier / "fenetre.png").string(),
      "PRALINORE_TEST_MESSAGES=" + (dossier / "messages.txt").string(),
      std::string("QT_QPA_PLATFORM=") + (plateforme != nullptr ? plateforme : "offscreen")};
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string v = *e;
    if (!v.starts_with("PRALINORE_") && !v.starts_with("QT_QPA_PLATFORM=")) variables.push_back(v);
  }
  std::vector<char*> env;
  for (auto& v : variables) env.push_back(v.data());
  env.push_back(nullptr);
  char chemin[] = PRALINORE_BINAIRE;
  char* arguments[] = {chemin, nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, chemin, nullptr, nullptr, arguments, env.data()) != 0) return false;
  int statut = 0;
  if (waitpid(pid, &statut, 0) != pid) return false;
  return WIFEXITED(statut) && WEXITSTATUS(statut) == 0;
}

constexpr int lignes_gros_parametres = 1'000'000;  // about 50 MB

void parametres_livres(const fs::path&) {}

// The shipped sections and a million lines of a section the program does
// not know: the file is read once at start and left as it is at close.
void gros_parametres(const fs::path& dossier) {
  std::ofstream fichier(dossier / "parametres" / "Pralinore.ini", std::ios::binary | std::ios::app);
  fichier << "\r\n[Donnees]\r\n";
  for (int i = 0; i < lignes_gros_parametres; ++i) fichier << "cle=une valeur assez longue pour remplir le fichier\r\n";
}

constexpr int fonctions_lourdes = 300;

// A name of letters alone for the i-th function: ga, gb, ..., gz, gba, ...
std::string nom_fonction(int i) {
  std::string lettres;
  do {
    lettres.insert(lettres.begin(), static_cast<char>('a' + i % 26));
    i /= 26;
  } while (i > 0);
  return "g" + lettres;
}

// Fonction.ini with 300 functions whose derivative and antiderivative each
// take the engine up to its work bound.
void fonctions_utilisateur(const fs::path& dossier) {
  std::ofstream fichier(dossier / "Fonction.ini", std::ios::binary);
  fichier << "[Fonction]\r\n";
  for (int i = 0; i < fonctions_lourdes; ++i) {
    const std::string nom = nom_fonction(i);
    fichier << nom << "=" << nom << ";(sin(x)+x)^2*(sin(2*x)+x^2)^3*(sin(8*x)+x^8)^5/(1+x^2)^7;x\r\n";
  }
}

// The runs of one program folder; the counter is the largest resident size
// of any run so far, in kilobytes.
void demarrage(benchmark::State& etat, void (*preparer)(const fs::path&)) {
  std::string modele = (fs::temp_directory_path() / "pralinore-demarrage-XXXXXX").string();
  if (::mkdtemp(modele.data()) == nullptr) {
    etat.SkipWithError("no temporary folder");
    return;
  }
  const fs::path dossier = modele;
  fs::copy(PRALINORE_PARAMETRES_LIVRES, dossier / "parametres", fs::copy_options::recursive);
  preparer(dossier);
  if (!lancer(dossier)) etat.SkipWithError("the program did not start");  // the first start: not timed
  for (auto _ : etat) {
    const auto debut = std::chrono::steady_clock::now();
    const bool reussi = lancer(dossier);
    const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
    if (!reussi) etat.SkipWithError("the program did not start");
    etat.SetIterationTime(duree.count());
  }
  rusage usage{};
  ::getrusage(RUSAGE_CHILDREN, &usage);
  etat.counters["memoire_max_ko"] = static_cast<double>(usage.ru_maxrss);
  fs::remove_all(dossier);
}
// Each start is timed by hand, once per repetition; the median and the
// slowest of the repetitions are reported, in milliseconds.
void une_mesure_par_demarrage(benchmark::internal::Benchmark* mesure) {
  mesure->UseManualTime()
      ->Iterations(1)
      ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); })
      ->ReportAggregatesOnly(true)
      ->Unit(benchmark::kMillisecond);
}
BENCHMARK_CAPTURE(demarrage, parametres_livres, parametres_livres)->Apply(une_mesure_par_demarrage)->Repetitions(10);
BENCHMARK_CAPTURE(demarrage, gros_parametres, gros_parametres)->Apply(une_mesure_par_demarrage)->Repetitions(5);
BENCHMARK_CAPTURE(demarrage, fonctions_utilisateur, fonctions_utilisateur)
    ->Apply(une_mesure_par_demarrage)
    ->Repetitions(5);

}  // namespace

BENCHMARK_MAIN();
