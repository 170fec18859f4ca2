#pragma once
// What the account routines ask of the main window's exercise page, without
// knowing its widgets: the main window implements it, tests record it.

#include <string>

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
};

// The screen the account routines use; with none installed, a screen that
// does nothing. The caller keeps ownership; nullptr uninstalls.
void definir_ecran_exercices(EcranExercices* ecran);
EcranExercices& ecran_exercices();
