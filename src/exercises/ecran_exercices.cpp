#include "exercises/ecran_exercices.h"

namespace {

// The screen used while the main window has not installed its own.
class EcranMuet final : public EcranExercices {
 public:
  void libelle_session(const std::string&) override {}
  void activer_commencer(bool) override {}
  void activer_bouton_commencer(bool) override {}
  bool page_exercices_visible() const override { return false; }
  void masquer_reponse() override {}
  void masquer_aide() override {}
  void afficher_page(const std::string&) override {}
  void preparer_exercice() override {}
  void definir_exercice_en_cours(bool) override {}
  void afficher_score() override {}
};

EcranMuet ecran_muet;
EcranExercices* ecran_installe = nullptr;

}  // namespace

void definir_ecran_exercices(EcranExercices* ecran) { ecran_installe = ecran; }

EcranExercices& ecran_exercices() { return ecran_installe ? *ecran_installe : ecran_muet; }
