#include "exercises/ecran_exercices.h"

#include "exercises/verification.h"

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

void EcranExercices::creer_controle_reponse(int, const Tcreneau_reponse&) {}
std::string EcranExercices::texte_controle(int) const { return {}; }
void EcranExercices::definir_texte_controle(int, const std::string&) {}
void EcranExercices::colorer_controle(int, std::uint32_t) {}
void EcranExercices::focaliser_controle(int) {}
void EcranExercices::afficher_saisie(bool) {}
void EcranExercices::afficher_valider(bool) {}
void EcranExercices::afficher_graphe(bool) {}
void EcranExercices::activer_graphe(bool) {}
void EcranExercices::activer_bouton_recommencer(bool) {}
void EcranExercices::dessiner_exercice(const std::string&) {}
void EcranExercices::dessiner_aide(const std::string&) {}
void EcranExercices::copier_presse_papiers(const std::string&) {}
void EcranExercices::afficher_barre_score(int, int) {}
void EcranExercices::AcommencerExecute() { commencer_exercice(); }
void EcranExercices::TBrecommencerClick() { recommencer_exercice(); }
