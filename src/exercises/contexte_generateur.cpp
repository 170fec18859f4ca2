#include "exercises/contexte_generateur.h"

#include <limits>

#include "exercises/hasard.h"

namespace {

// The step of the linear congruential generator.
constexpr std::uint32_t multiplicateur = 0x08088405u;
constexpr int decalage_tirage = 32;
constexpr double deux_puissance_32 = 4294967296.0;

// The chart and calculator input of a run with no window: every call is
// ignored and the chart holds nothing.
class GraphiqueInerte final : public GraphiqueExercice {
 public:
  void RemoveAllSeries() override {}
  int NewLineSeries() override { return 0; }
  int NewPointSeries() override { return 0; }
  void AddXY(int, double, double) override {}
  void SetPenColor(int, std::uint32_t) override {}
  void SetPenWidth(int, int) override {}
  int SeriesCount() const override { return 0; }
  int Count(int) const override { return 0; }
  void SetVisible(Axe, bool) override {}
  void SetGridVisible(Axe, bool) override {}
  void SetPositionPercent(Axe, double) override {}
  void SetMinMax(Axe, double, double) override {}
  void SetAutomatic(Axe, bool) override {}
  void SetVisible(bool) override {}
  void SetEnabled(bool) override {}
};

class CalculatriceInerte final : public SaisieCalculatrice {
 public:
  void definir_texte(const std::string&) override {}
};

GraphiqueInerte graphique_inerte;
CalculatriceInerte calculatrice_inerte;
GraphiqueExercice* graphique_installe = &graphique_inerte;
SaisieCalculatrice* calculatrice_installee = &calculatrice_inerte;

}  // namespace

SourceAleatoire::SourceAleatoire() : graine_(&RandSeed) {}

SourceAleatoire::SourceAleatoire(std::uint32_t graine) : propre_(graine), graine_(&propre_) {}

int SourceAleatoire::Random(int n) {
  if (n <= 0) return 0;
  compter_tirage();
  *graine_ = *graine_ * multiplicateur + 1u;
  return static_cast<int>((static_cast<std::uint64_t>(*graine_) * static_cast<std::uint64_t>(n)) >> decalage_tirage);
}

int SourceAleatoire::RandomRange(int a, int b) {
  if (b == a) return a;
  const int bas = a < b ? a : b;
  const auto etendue = a < b ? static_cast<std::int64_t>(b) - a : static_cast<std::int64_t>(a) - b;
  constexpr int plus_grand = std::numeric_limits<int>::max();
  if (etendue > plus_grand) return bas + Random(plus_grand);
  return bas + Random(static_cast<int>(etendue));
}

double SourceAleatoire::RandomReel() {
  compter_tirage();
  *graine_ = *graine_ * multiplicateur + 1u;
  return static_cast<double>(*graine_) / deux_puissance_32;
}

void SourceAleatoire::Randomize() {
  if (graine_ == &RandSeed) ::Randomize();
}

std::uint32_t SourceAleatoire::graine() const { return *graine_; }

void Presentateur::poser_question_simple(const std::string& question, const std::string& reponse,
                                         const std::string& correction) {
  poser_question(question, "T", {reponse}, correction, false);
}

void Presentateur::poser_question_saisie(const std::string& question, const std::string& reponse,
                                         const std::string& correction) {
  poser_question(question, "T", {reponse}, correction, true);
}

void Presentateur::poser_question_double(const std::string& question, const std::vector<std::string>& reponses,
                                         const std::string& correction) {
  poser_question(question, "T;T", reponses, correction, true);
}

void Presentateur::poser_question_choix(const std::string& question, const std::vector<std::string>& choix,
                                        const std::string& reponse, const std::string& correction) {
  std::string format = "C(";
  for (std::size_t i = 0; i < choix.size(); ++i) format += (i == 0 ? "" : ";") + choix[i];
  poser_question(question, format + ")", {reponse}, correction, true);
}

void installer_graphique_programme(GraphiqueExercice* graphique) {
  graphique_installe = graphique != nullptr ? graphique : &graphique_inerte;
}

GraphiqueExercice& graphique_programme() { return *graphique_installe; }

void installer_calculatrice_programme(SaisieCalculatrice* saisie) {
  calculatrice_installee = saisie != nullptr ? saisie : &calculatrice_inerte;
}

SaisieCalculatrice& calculatrice_programme() { return *calculatrice_installee; }
