#pragma once
// Pupil accounts and sessions. An account is an ini file "<name>.cpt" in the
// `parametres` folder (dossier_parametres):
//   [Utilisateur] password  the password's Argon2id string (libsodium);
//                           any other value is an older clear password,
//                           accepted once and replaced by its hash;
//                 classe    the level, the French level name ("6" ... "Terminale");
//                 nb_bonne_reponse, nb_total_reponse  the score;
//   [Exercices]   <code>=1 or 0, the entries enabled for the account.
// The administrator account "coordinatrixel" manages the others and gets no
// exercises. The main settings file's [Utilisateurs] Defaut names the
// account opened without a login ("paul.cpt").
//
// Names are Windows-1252 in memory and UTF-8 on disk. A valid name holds
// letters (accented ones too), digits, blank, "-", "_" and "." only, does not
// start with ".", and has 1 to 40 characters once the blanks around it are
// removed; names compare without regard to case. No name reaches a file
// outside the folder. Every refusal is a message through the message facade
// and changes no file; every write replaces the file atomically.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Tfichier_ini;

inline constexpr std::string_view nom_gestionnaire = "coordinatrixel";
inline constexpr std::string_view mot_de_passe_gestionnaire = "klom";
inline constexpr std::string_view extension_compte = ".cpt";
inline constexpr std::size_t longueur_max_nom_compte = 40;

// The level names as account files keep them, whatever the interface language.
inline constexpr std::array<std::string_view, 7> classes_enregistrees = {"6", "5", "4", "3", "2", "1", "Terminale"};

// The open session.
extern std::string utilisateur_courant;         // empty: nobody is logged in
extern std::string fichier_compte;              // path of the open account's file
extern bool est_gestionnaire;                   // the open account is the administrator
extern std::vector<int> exercices_selectionnes; // enabled catalogue indices, in order
extern std::string resume_selection;            // "theme (level), ..." of the enabled entries

// ---- Names and files ----

// The name without the blanks around it.
std::string nom_compte_nettoye(std::string_view nom);
bool nom_compte_valide(std::string_view nom);
bool est_nom_gestionnaire(std::string_view nom);
// Path of the account's file in dossier_parametres; nothing for an invalid
// name or a symbolic link (it could lead out of the folder). The file of a
// listed account whose name differs only in case is the one given.
std::optional<std::string> chemin_compte(std::string_view nom);
// The accounts of the folder: file names less ".cpt", invalid names left
// out, sorted without regard to case.
std::vector<std::string> lister_comptes();
// The listed account equal to `nom` without regard to case.
std::optional<std::string> compte_existant(std::string_view nom);
// "utilisateur<n>" for the first n from 1 that is not a listed account.
std::string nom_compte_propose(const std::vector<std::string>& comptes);

// Index of a level name: the French names and the English "level 1" to
// "level 7", without regard to case; -1 for anything else.
int indice_classe(std::string_view texte);

// ---- Passwords ----

struct Tlimites_hachage {
  unsigned long long operations;
  std::size_t memoire;  // bytes
};
// libsodium's interactive limits.
Tlimites_hachage limites_hachage_interactives();
Tlimites_hachage limites_hachage();
// Tests lower the limits to keep hashing fast.
void definir_limites_hachage(const Tlimites_hachage& limites);
// The Argon2id string of a password; empty when hashing failed (no memory).
std::string hacher_mot_de_passe(std::string_view mot_de_passe);
bool est_hachage(std::string_view valeur);
// The stored value against a typed password: a hash is verified, any other
// value compared exactly (case counts).
bool mot_de_passe_correspond(std::string_view stocke, std::string_view mot_de_passe);

// ---- Session ----

enum class Eissue_session {
  compte_par_defaut,  // the default account is open: no dialog
  creation,           // only the administrator exists: the creation page, a new name proposed
  connexion           // the login page
};
struct Tdebut_session {
  Eissue_session issue = Eissue_session::connexion;
  std::vector<std::string> comptes;  // the listed accounts
  std::string nom_propose;           // for the creation page
};
// Seeds the administrator's file when it has no [Utilisateur] section (the
// hash of "klom"); lists the accounts; with the administrator alone, says
// txt_devez_creer_compte; then opens the default account when
// [Utilisateurs] Defaut of `reglages` names a valid, existing account other
// than the administrator.
Tdebut_session demarrer_session(Tfichier_ini& reglages);

// Logs in: false with txt_compte_existe when the account has no
// [Utilisateur] section, false with txt_mot_passe_incorrect for a wrong
// password (nobody is then logged in). On success the account is open.
bool verifier_compte(std::string_view nom, std::string_view mot_de_passe);
// Opens an account: enables its level's entries at first use, loads its
// selection, updates the screen and shows its welcome page. False, with
// nothing changed, for an invalid name or an account without [Utilisateur].
bool ouvrir_compte(std::string_view nom);
// Reads the open account's [Exercices] into every `actif`,
// exercices_selectionnes and resume_selection (all emptied when no account
// is open).
void charger_selection();
// Ends the session: the account globals, every `actif` and the running
// exercise are cleared, the session item gets its caption back and the
// exercise view the text that asks to log in.
void fermer_session();
// The exercise view's text when the account dialog closed with nobody
// logged in.
void afficher_invitation_connexion();

// ---- Account dialog ----

// The default account's name, when [Utilisateurs] Defaut names a valid,
// existing account other than the administrator.
std::optional<std::string> compte_par_defaut(const Tfichier_ini& reglages);
bool est_compte_defaut(std::string_view nom, const Tfichier_ini& reglages);
// The login button: verifier_compte, then the hint panel is hidden and
// [Utilisateurs] Defaut set to the account (box ticked) or emptied (box
// unticked for the default account). The administrator never becomes the
// default.
bool valider_connexion(std::string_view nom, std::string_view mot_de_passe, bool par_defaut, Tfichier_ini& reglages);

// The accounts the modify mode offers: every listed account for the
// administrator, the user's own otherwise, none when nobody is logged in.
std::vector<std::string> comptes_modifiables();
// The level index of an account, for its page (passwords are never shown);
// nothing, with txt_compte_existe, when it has no [Utilisateur] section.
std::optional<int> lire_classe_compte(std::string_view nom);

enum class Eenregistrement { refuse, cree, modifie };
struct Tresultat_enregistrement {
  Eenregistrement issue = Eenregistrement::refuse;
  bool compte_ouvert = false;     // the account was opened again
  bool fermer_dialogue = false;   // anyone but the administrator: the dialog closes
};
// The save button, new mode (`modification` false) or modify mode. Refused
// with a message: empty name (txt_devez_entrer_nom), invalid name
// (txt_nom_compte_invalide), no level (txt_choisir_classe), a name that
// exists in any case in new mode (txt_compte_existe_deja), a missing
// account in modify mode. An empty password keeps the old one in modify
// mode and sets an empty one in new mode. A level change erases
// [Exercices]; an account whose level changed is opened again when the
// administrator is not logged in. The administrator gets txt_compte_ete_cree
// or txt_compte_ete_modifie.
Tresultat_enregistrement creer_compte(std::string_view nom, std::string_view mot_de_passe, int indice_classe,
                                      bool modification);

// The delete button (administrator only): refuses an empty name
// (txt_devez_selectionner_compte) and the administrator's account, asks
// "Le compte <nom> va etre supprime." and on yes deletes the file and
// empties [Utilisateurs] Defaut when it named the account. True when
// deleted.
bool supprimer_compte(std::string_view nom, Tfichier_ini& reglages);
// The account to choose after deleting the one at `position` of the
// listing: the one now at that position, or the first.
std::optional<std::string> compte_apres_suppression(const std::vector<std::string>& comptes, int position);
