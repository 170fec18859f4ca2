#include "exercises/contexte_generateur.h"

#include <limits>

#include "exercises/hasard.h"

namespace {

// The step of the linear congruential generator.
constexpr std::uint32_t multiplicateur = 0x08088405u;
constexpr int decalage_tirage = 32;

}  // namespace

SourceAleatoire::SourceAleatoire() : graine_(&RandSeed) {}

SourceAleatoire::SourceAleatoire(std::uint32_t graine) : propre_(graine), graine_(&propre_) {}

int SourceAleatoire::Random(int n) {
  if (n <= 0) return 0;
  *graine_ = *graine_ * multiplicateur + 1u;
  return static_cast<int>((static_cast<std::uint64_t>(*graine_) * static_cast<std::uint64_t>(n)) >> decalage_tirage);
}

int SourceAleatoire::RandomRange(int a, int b) {
  if (b <= a) return a;
  const auto etendue = static_cast<std::int64_t>(b) - a;
  constexpr int plus_grand = std::numeric_limits<int>::max();
  if (etendue > plus_grand) return a + Random(plus_grand);
  return a + Random(static_cast<int>(etendue));
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
