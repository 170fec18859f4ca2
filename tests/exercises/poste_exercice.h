#pragma once
// The exercise page as the presenter and the checking see it: a screen that
// keeps every answer control by slot and records what is drawn, a fake
// generator on the catalogue's keys "1411" and "1326", and the run state reset per test.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "dossier_exercices.h"
#include "exercises/contexte_generateur.h"
#include "exercises/etat_exercice.h"
#include "exercises/generateur.h"
#include "exercises/presentateur.h"
#include "exercises/verification.h"
#include "localisation/messagerie_enregistreuse.h"

namespace essai {

struct ControleEnregistre {
  Tcreneau_reponse description;
  std::string texte;
  std::uint32_t couleur = 0xFFFFFF;
};

class EcranQuestion final : public EcranExercices {
 public:
  std::vector<ControleEnregistre> controles;
  std::vector<std::string> exercice;  // pages drawn on the exercise view
  std::vector<std::string> aide;      // pages drawn on the hint view
  std::string presse_papiers;
  int focus = -1;
  bool saisie = true;
  bool valider = false;
  bool graphe = true;
  bool graphe_actif = true;
  bool commencer = false;
  bool recommencer = false;
  bool panneau_aide = true;
  int bonnes = -1;
  int total = -1;
  int commencements = 0;
  int reprises = 0;
  int options = 0;

  void libelle_session(const std::string&) override {}
  void activer_commencer(bool) override {}
  void activer_bouton_commencer(bool actif) override { commencer = actif; }
  bool page_exercices_visible() const override { return true; }
  void masquer_reponse() override {}
  void masquer_aide() override { panneau_aide = false; }
  void afficher_page(const std::string& texte) override { texte_exercice = texte; }
  void preparer_exercice() override { ::preparer_exercice(); }
  void definir_exercice_en_cours(bool en_cours) override { exercice_en_cours = en_cours; }
  void afficher_score() override { ::afficher_score(); }

  void creer_controle_reponse(int creneau, const Tcreneau_reponse& d) override {
    EXPECT_EQ(creneau, static_cast<int>(controles.size()));
    controles.push_back({d, {}, 0xFFFFFF});
  }
  void supprimer_controles_reponse() override { controles.clear(); }
  std::string texte_controle(int c) const override { return controles.at(static_cast<std::size_t>(c)).texte; }
  void definir_texte_controle(int c, const std::string& t) override {
    auto& controle = controles.at(static_cast<std::size_t>(c));
    if (controle.description.genre == Egenre_reponse::saisie) controle.texte = t;
  }
  void colorer_controle(int c, std::uint32_t couleur) override {
    controles.at(static_cast<std::size_t>(c)).couleur = couleur;
  }
  void focaliser_controle(int c) override { focus = c; }
  void afficher_saisie(bool visible) override { saisie = visible; }
  bool saisie_visible() const override { return saisie; }
  void afficher_valider(bool visible) override { valider = visible; }
  void afficher_graphe(bool visible) override { graphe = visible; }
  void activer_graphe(bool actif) override { graphe_actif = actif; }
  bool graphe_visible() const override { return graphe; }
  bool bouton_commencer_actif() const override { return commencer; }
  void activer_bouton_recommencer(bool actif) override { recommencer = actif; }
  bool aide_visible() const override { return panneau_aide; }
  std::string libelle_aide() const override { return "Aide"; }
  void dessiner_exercice(const std::string& page) override { exercice.push_back(page); }
  void dessiner_aide(const std::string& page) override { aide.push_back(page); }
  void copier_presse_papiers(const std::string& texte) override { presse_papiers = texte; }
  void afficher_barre_score(int b, int t) override {
    bonnes = b;
    total = t;
  }
  void AcommencerExecute() override {
    ++commencements;
    EcranExercices::AcommencerExecute();
  }
  void TBrecommencerClick() override {
    ++reprises;
    EcranExercices::TBrecommencerClick();
  }
  void Agestion_exerciceExecute() override { ++options; }

  // Types into the control of a slot (an edit box's text, a list's item).
  void taper(int c, const std::string& texte) { controles.at(static_cast<std::size_t>(c)).texte = texte; }
  std::uint32_t couleur(int c) const { return controles.at(static_cast<std::size_t>(c)).couleur; }
};

// The fake generator: "2+2" asked with one edit box, counted per call.
inline int appels_generateur = 0;
inline void generateur_essai(ContexteGenerateur& contexte) {
  ++appels_generateur;
  contexte.presentateur.preparer_exercice();
  contexte.presentateur.poser_question_saisie("Combien font 2+2 ?", "4", "4");
}
inline constexpr int indice_1411 = 42;

class PosteExercice : public DossierExercices {
 protected:
  void SetUp() override {
    enregistrer_generateur("1411", &generateur_essai);
    enregistrer_generateur("1326", &generateur_essai);  // entry 38
    DossierExercices::SetUp();
    definir_ecran_exercices(&ecran);
    appels_generateur = 0;
    texte_exercice.clear();
    correction.clear();
    titre_exercice.clear();
    forme_reponse.clear();
    reponses_attendues.clear();
    creneaux_reponse.clear();
    historique_aide.clear();
    texte_aide.clear();
    exercice_en_cours = false;
    reponse_correcte = false;
    reponses_ordonnees = true;
    jugeable = false;
    exercice_courant = -1;
  }
  void TearDown() override {
    definir_ecran_exercices(nullptr);
    DossierExercices::TearDown();
  }

  // A question on screen, waiting for its answer, with the answers typed.
  void poser(const std::string& question, const std::string& format, const std::vector<std::string>& attendues,
             const std::vector<std::string>& saisies, const std::string& correction_donnee = "3") {
    poser_question(question, format, attendues, correction_donnee, true);
    exercice_en_cours = true;
    for (std::size_t i = 0; i < saisies.size(); ++i) ecran.taper(static_cast<int>(i), saisies[i]);
  }

  EcranQuestion ecran;
  MessagerieDeTest messages;
};

}  // namespace essai
