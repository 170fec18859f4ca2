#pragma once
// Every message, question and input box of the program goes through one
// replaceable messenger: Qt dialogs in the program, a console one for the
// command-line tools, a scripted recorder in the tests. File and colour
// dialogs and the program's own modal windows go through it too, so that
// nothing ever waits for a user who is not there. With the environment
// variable PRALINORE_TEST_MESSAGES=<file>, every prompt is appended to that
// file and answered with its default button instead (file and colour dialogs
// and modal windows: cancelled).

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

enum class TypeDialogue { avertissement, erreur, information, confirmation, personnalise };

// Buttons offered by a question (a set of these bits).
enum BoutonDialogue : unsigned {
  bouton_oui = 1u << 0,
  bouton_non = 1u << 1,
  bouton_ok = 1u << 2,
  bouton_annuler = 1u << 3,
  bouton_abandon = 1u << 4,
  bouton_reessayer = 1u << 5,
  bouton_ignorer = 1u << 6,
};

// Codes returned for the pressed button.
constexpr int reponse_ok = 1;
constexpr int reponse_annuler = 2;
constexpr int reponse_abandon = 3;
constexpr int reponse_reessayer = 4;
constexpr int reponse_ignorer = 5;
constexpr int reponse_oui = 6;
constexpr int reponse_non = 7;

// The code of a button bit (bouton_oui -> 6...).
int code_du_bouton(unsigned bouton);
// What a box answers when nobody is there: Yes when offered, else OK, else
// the first button offered.
int reponse_par_defaut(unsigned boutons);
// What Escape answers: Cancel when offered, else No, else OK.
int reponse_echappement(unsigned boutons);

// A file dialog. `filtre` lists description and pattern pairs separated by
// "|" ("Format PNG|*.png|Tous|*.*"); `indice_filtre` is 1-based.
struct DemandeFichier {
  std::string titre;
  std::string filtre;
  int indice_filtre = 1;
  std::string nom_initial;
  bool enregistrer = false;  // a save dialog, else an open dialog
};
struct FichierChoisi {
  std::string chemin;
  int indice_filtre = 1;  // the filter in force when the user confirmed
};

// Result of a modal window that did not show or was cancelled.
constexpr int fenetre_annulee = 0;

class Messagerie {
 public:
  virtual ~Messagerie() = default;
  // `boite_systeme`: the English interface uses the system's plain message
  // box titled "Pralinore", the French one the program's own dialogs.
  virtual void message(const std::string& texte, bool boite_systeme) = 0;
  virtual int question(const std::string& texte, TypeDialogue type, unsigned boutons, bool boite_systeme) = 0;
  // An input box; no value when the user cancels.
  virtual std::optional<std::string> saisie(const std::string& titre, const std::string& invite,
                                            const std::string& defaut) = 0;
  // The dialogs below are cancelled by a messenger that has no windows.
  virtual std::optional<FichierChoisi> fichier(const DemandeFichier& demande);
  // A colour value (red in the low byte); no value when cancelled.
  virtual std::optional<std::int32_t> couleur(std::int32_t initiale);
  // One of the program's modal windows, `nom` its object name: `montrer`
  // runs it and gives its result code.
  virtual int fenetre_modale(const std::string& nom, const std::function<int()>& montrer);
  // Opens a web address or a folder (a path) with the desktop's program for
  // it; a messenger without windows only notes it. Nothing is run otherwise.
  virtual void ouvrir(const std::string& adresse);
};

// Installs a messenger and returns the previous one. When the environment
// asks for the test message file, the file messenger stays in front.
std::unique_ptr<Messagerie> installer_messagerie(std::unique_ptr<Messagerie> nouvelle);
Messagerie& messagerie();

// Shows a text with one OK button.
void affiche_message(const std::string& texte);
// Asks a question; returns the code of the pressed button.
int affiche_dialogue(const std::string& texte, TypeDialogue type, unsigned boutons);
// An input box pre-filled with `defaut`; cancelling gives `defaut` back.
std::string boite_saisie(const std::string& titre, const std::string& invite, const std::string& defaut);
std::optional<FichierChoisi> choisir_fichier(const DemandeFichier& demande);
std::optional<std::int32_t> choisir_couleur(std::int32_t initiale);
// Shows a modal window through the messenger; fenetre_annulee when it did not show.
int montrer_modal(const std::string& nom, const std::function<int()>& montrer);
// Opens a web address or a folder through the messenger.
void ouvrir_adresse(const std::string& adresse);
