#pragma once
// What the exercise routines (accounts, presenter, checking) ask of the main
// window's exercise page, without knowing its widgets: the main window
// implements it, tests record it. Answer controls are known by their slot
// (0-based, the order of the answer format). The methods with a body do
// nothing, or the run's own stand-in, until a window overrides them.

#include <cstdint>
#include <string>
#include <vector>

#include "exercises/etat_exercice.h"

class EcranExercices {
 public:
  virtual ~EcranExercices() = default;

  // The session item (Connexion1): "Fermer la session " + nom; an empty
  // name gives the item its own caption back.
  virtual void libelle_session(const std::string& nom) = 0;
  // The start menu item (Commencer1).
  virtual void activer_commencer(bool actif) = 0;
  // The start tool button (TBcommencer).
  virtual void activer_bouton_commencer(bool actif) = 0;
  // True while the exercise page (TabSheet1) is the one showing.
  virtual bool page_exercices_visible() const = 0;
  // Hides the answer panel (P_reponse).
  virtual void masquer_reponse() = 0;
  // Hides the hint panel (Caide1).
  virtual void masquer_aide() = 0;
  // Makes `texte` the exercise text and draws it on the exercise view (Image1).
  virtual void afficher_page(const std::string& texte) = 0;
  // The preparation that comes before every exercise.
  virtual void preparer_exercice() = 0;
  // Whether an exercise is running (exercice_en_cours).
  virtual void definir_exercice_en_cours(bool en_cours) = 0;
  // Shows the open account's score.
  virtual void afficher_score() = 0;

  // ---- Answer controls (on Pchamps_saisie) ----

  // Creates the control of a slot, below the previous one, with its caption
  // beside it; a list starts with no item chosen.
  virtual void creer_controle_reponse(int creneau, const Tcreneau_reponse& description);
  // Removes every answer control and caption.
  virtual void supprimer_controles_reponse() {}
  // The text of a slot's control: an edit box's text, a list's chosen item
  // ("" when none).
  virtual std::string texte_controle(int creneau) const;
  // Replaces an edit box's text (a list is left as it is).
  virtual void definir_texte_controle(int creneau, const std::string& texte);
  // The colour of a slot's control (0x00BBGGRR).
  virtual void colorer_controle(int creneau, std::uint32_t couleur);
  virtual void focaliser_controle(int creneau);

  // ---- Panels and buttons ----

  // The input area (P_saisie).
  virtual void afficher_saisie(bool visible);
  virtual bool saisie_visible() const { return true; }
  // The validation bar (Pvalider).
  virtual void afficher_valider(bool visible);
  // The exercise chart (Graph).
  virtual void afficher_graphe(bool visible);
  virtual void activer_graphe(bool actif);
  virtual bool graphe_visible() const { return false; }
  // The start tool button (TBcommencer) and the repeat one (TBrecommencer).
  virtual bool bouton_commencer_actif() const { return false; }
  virtual void activer_bouton_recommencer(bool actif);
  // The hint panel (Caide1).
  virtual bool aide_visible() const { return false; }
  // The caption of the main menu's help item (Aide1).
  virtual std::string libelle_aide() const { return {}; }

  // ---- Pages ----

  // Draws mark-up on the exercise view (Image1) at (5, 0); texte_exercice
  // is not changed.
  virtual void dessiner_exercice(const std::string& page);
  // Draws mark-up on the hint view (Image7) at (0, 0).
  virtual void dessiner_aide(const std::string& page);
  // Puts text on the clipboard.
  virtual void copier_presse_papiers(const std::string& texte);
  // The score bar (PBbonne_reponse): Maximum total, Position bonnes, caption
  // legende_score(total) (verification.h); Maximum 0 shows an empty bar.
  virtual void afficher_barre_score(int bonnes, int total);

  // ---- Actions ----

  // Starts the next exercise (the start action).
  virtual void AcommencerExecute();
  // Starts the current exercise again with new values (the repeat button).
  virtual void TBrecommencerClick();
  // Opens the exercise options.
  virtual void Agestion_exerciceExecute() {}
};

// The screen the account routines use; with none installed, a screen that
// does nothing. The caller keeps ownership; nullptr uninstalls.
void definir_ecran_exercices(EcranExercices* ecran);
EcranExercices& ecran_exercices();
