// Speed of the exercises: for every catalogue entry with a generator, one
// exercise made from a fresh seed, its statement laid out and drawn 600
// pixels wide, and its expected answers checked back as typed (with the
// changed answers judged wrong). Reports the median time of one exercise
// per entry ("mediane_ms").
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "engine/fonctions_usuelles.h"
#include "engine/traduction_fonctions.h"
#include "executer_benchmarks.h"
#include "exercises/catalogue_exercices.h"
#include "exercises/generateurs/controle.h"
#include "exercises/generateurs/execution.h"
#include "formula/formule.h"
#include "localisation/choix_langue.h"
#include "localisation/nombres.h"
#include "platform/image_hote.h"

namespace {

const Tpolice police_des_pages{"MS Sans Serif", 14, 0, 0};
constexpr int largeur_page = 600;
constexpr int marge_page = 5;
constexpr double millisecondes_par_seconde = 1000.0;

double mediane(std::vector<double> valeurs) {
  if (valeurs.empty()) return 0;
  std::sort(valeurs.begin(), valeurs.end());
  return valeurs[valeurs.size() / 2];
}

void exercice(benchmark::State& etat, int indice) {
  ImageHote image;
  std::vector<double> durees;
  std::uint32_t graine = 0;
  for (auto _ : etat) {
    const auto debut = std::chrono::steady_clock::now();
    const ExerciceProduit produit = executer_exercice(indice, graine++);
    const std::string enonce = produit.presentateur.questions.empty() ? "" : produit.presentateur.questions[0].question;
    image.definir_largeur(largeur_page);
    Tformule f(&image, police_des_pages, enonce, marge_page, 0, false, false);
    f.afficher();
    const auto fautes = fautes_exercice(produit);
    benchmark::DoNotOptimize(image.bitmap().constBits());
    durees.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count());
    if (!fautes.empty()) {
      etat.SkipWithError(("seed " + texte_entier(graine - 1) + ": " + fautes.front()).c_str());
      break;
    }
  }
  etat.counters["mediane_ms"] = mediane(durees) * millisecondes_par_seconde;
}

}  // namespace

int main(int argc, char** argv) {
  return executer_benchmarks_qt(argc, argv, [] {
    demarrer_moteur(0);
    enregistrer_generateurs();
    charger_exercices();
    for (int i = 0; i < exercices.taille(); ++i) {
      if (exercices.generateur[static_cast<std::size_t>(i)] == nullptr) continue;
      const std::string nom =
          "exercice/" + texte_entier(i) + "/" + texte_entier(exercices.code[static_cast<std::size_t>(i)]);
      benchmark::RegisterBenchmark(nom.c_str(), exercice, i)->Unit(benchmark::kMillisecond);
    }
  });
}
