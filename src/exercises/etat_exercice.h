#pragma once
// State of the exercise run, shared by the presenter, the checking of the
// answers and the main window. Qt-free: the answer controls themselves live
// in the window, which the run reaches through EcranExercices by slot.

#include <string>
#include <vector>

// The kind of an answer control.
enum class Egenre_reponse { saisie, choix };  // edit box, drop-down list

// One slot of the answer format: one control with its caption.
struct Tcreneau_reponse {
  Egenre_reponse genre = Egenre_reponse::saisie;
  std::string libelle;               // the caption beside the control
  std::vector<std::string> elements; // a list's items; empty for an edit box
};

extern std::string texte_exercice;   // mark-up of the statement shown
extern std::string correction;       // the correction the generator gave
extern std::string titre_exercice;   // the title part of the statement page
extern std::string forme_reponse;    // "" or "factoriser"
extern std::vector<std::string> reponses_attendues;  // in slot order
extern std::vector<Tcreneau_reponse> creneaux_reponse; // the controls on screen, in slot order
extern bool exercice_en_cours;       // an exercise waits for its answer
extern bool reponse_correcte;        // the last verdict
extern bool reponses_ordonnees;      // the answers must come in slot order
extern bool jugeable;                // the last validation could be judged
extern std::vector<std::string> historique_aide;  // the hint pages visited (a stack)
extern std::string texte_aide;       // the hint page shown
// Catalogue index of the exercise on screen; -1 before the first one.
extern int exercice_courant;
