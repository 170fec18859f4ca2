#include "exercises/comptes.h"

#include "platform/ini/fichier_ini.h"

std::string utilisateur_courant;
std::string fichier_compte;
bool est_gestionnaire = false;
std::vector<int> exercices_selectionnes;
std::string resume_selection;

std::string nom_compte_nettoye(std::string_view nom) { return std::string(nom); }
bool nom_compte_valide(std::string_view) { return false; }
bool est_nom_gestionnaire(std::string_view) { return false; }
std::optional<std::string> chemin_compte(std::string_view) { return {}; }
std::vector<std::string> lister_comptes() { return {}; }
std::optional<std::string> compte_existant(std::string_view) { return {}; }
std::string nom_compte_propose(const std::vector<std::string>&) { return "utilisateur1"; }
int indice_classe(std::string_view) { return -1; }
Tlimites_hachage limites_hachage_interactives() { return {}; }
Tlimites_hachage limites_hachage() { return {}; }
void definir_limites_hachage(const Tlimites_hachage&) {}
std::string hacher_mot_de_passe(std::string_view) { return {}; }
bool est_hachage(std::string_view) { return false; }
bool mot_de_passe_correspond(std::string_view, std::string_view) { return false; }
Tdebut_session demarrer_session(Tfichier_ini&) { return {}; }
bool verifier_compte(std::string_view, std::string_view) { return false; }
bool ouvrir_compte(std::string_view) { return false; }
void charger_selection() {}
void fermer_session() {}
void afficher_invitation_connexion() {}
std::optional<std::string> compte_par_defaut(const Tfichier_ini&) { return {}; }
bool est_compte_defaut(std::string_view, const Tfichier_ini&) { return false; }
bool valider_connexion(std::string_view, std::string_view, bool, Tfichier_ini&) { return false; }
std::vector<std::string> comptes_modifiables() { return {}; }
std::optional<int> lire_classe_compte(std::string_view) { return {}; }
Tresultat_enregistrement creer_compte(std::string_view, std::string_view, int, bool) { return {}; }
bool supprimer_compte(std::string_view, Tfichier_ini&) { return false; }
std::optional<std::string> compte_apres_suppression(const std::vector<std::string>&, int) { return {}; }
