#include "exercises/comptes.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "exercises/catalogue_exercices.h"
#include "exercises/ecran_exercices.h"
#include "localisation/catalogue.h"
#include "localisation/chaines.h"
#include "localisation/format.h"
#include "localisation/messages.h"
#include "localisation/nombres.h"
#include "platform/ini/fichier_ini.h"
#include "platform/ini/noms_utilisateurs.h"

std::string utilisateur_courant;
std::string fichier_compte;
bool est_gestionnaire = false;
std::vector<int> exercices_selectionnes;
std::string resume_selection;

namespace {

constexpr std::string_view section_utilisateur = "Utilisateur";
constexpr std::string_view section_exercices = "Exercices";
constexpr std::string_view cle_mot_de_passe = "password";
constexpr std::string_view cle_classe = "classe";
constexpr std::string_view separateur_resume = ", ";
// First letters (lower case) after which the welcome writes "qu'".
constexpr std::string_view initiales_elision = "aehiouy";
constexpr std::string_view elision = "'";
constexpr std::string_view sans_elision = "e";

// "\xE8re", "nde", "\xE8me" after a level name that is a number 1 to 6.
std::string suffixe_niveau(const std::string& niveau) {
  if (niveau == "1") return "\xE8re";
  if (niveau == "2") return "nde";
  if (niveau.size() == 1 && niveau[0] >= '3' && niveau[0] <= '6') return "\xE8me";
  return {};
}

std::string texte_accueil_compte(const std::string& nom) {
  if (est_nom_gestionnaire(nom)) return catalogue_textes.txt_etes_connecte_tant_2;
  const char initiale = en_minuscules(nom.substr(0, 1)).c_str()[0];
  const std::string_view s =
      initiale != '\0' && initiales_elision.find(initiale) != std::string_view::npos ? elision : sans_elision;
  return Format(catalogue_textes.txt_etes_connecte_tant, {s, nom, resume_selection});
}

// Enables, at an account's first opening, the entries of its level.
void activer_niveau(Tfichier_ini& fichier, int niveau) {
  Tlot_ini lot(fichier);
  for (int i = 0; i < exercices.taille(); ++i) {
    fichier.ecrire_booleen(section_exercices, texte_entier(exercices.code[static_cast<std::size_t>(i)]),
                           exercices.niveau(i) == niveau);
  }
}

void effacer_selection() {
  resume_selection.clear();
  exercices_selectionnes.clear();
  exercices.actif.assign(exercices.actif.size(), false);
}

}  // namespace

Tdebut_session demarrer_session(Tfichier_ini& reglages) {
  if (const auto chemin = chemin_compte(nom_gestionnaire)) {
    Tfichier_ini gestionnaire(*chemin);
    if (!gestionnaire.section_existe(section_utilisateur)) {
      const std::string empreinte = hacher_mot_de_passe(mot_de_passe_gestionnaire);
      if (!empreinte.empty()) gestionnaire.ecrire_texte(section_utilisateur, cle_mot_de_passe, empreinte);
    }
  }
  Tdebut_session debut;
  debut.comptes = lister_comptes();
  debut.nom_propose = nom_compte_propose(debut.comptes);
  if (debut.comptes.size() <= 1) {
    debut.issue = Eissue_session::creation;
    affiche_message(catalogue_textes.txt_devez_creer_compte);
  }
  if (const auto defaut = compte_par_defaut(reglages); defaut && ouvrir_compte(*defaut))
    debut.issue = Eissue_session::compte_par_defaut;
  return debut;
}

bool verifier_compte(std::string_view nom, std::string_view mot_de_passe) {
  const auto chemin = chemin_compte(nom);
  if (!chemin) {
    affiche_message(catalogue_textes.txt_compte_existe);
    return false;
  }
  Tfichier_ini fichier(*chemin);
  if (!fichier.section_existe(section_utilisateur)) {
    affiche_message(catalogue_textes.txt_compte_existe);
    return false;
  }
  const std::string stocke = fichier.lire_texte(section_utilisateur, cle_mot_de_passe);
  if (!mot_de_passe_correspond(stocke, mot_de_passe)) {
    affiche_message(catalogue_textes.txt_mot_passe_incorrect);
    return false;
  }
  if (!est_hachage(stocke)) {
    const std::string empreinte = hacher_mot_de_passe(mot_de_passe);
    if (!empreinte.empty()) fichier.ecrire_texte(section_utilisateur, cle_mot_de_passe, empreinte);
  }
  return ouvrir_compte(compte_existant(nom).value_or(nom_compte_nettoye(nom)));
}

bool ouvrir_compte(std::string_view nom_demande) {
  const auto chemin = chemin_compte(nom_demande);
  if (!chemin) return false;
  Tfichier_ini fichier(*chemin);
  if (!fichier.section_existe(section_utilisateur)) return false;
  const std::string nom = compte_existant(nom_demande).value_or(nom_compte_nettoye(nom_demande));
  if (!fichier.section_existe(section_exercices))
    activer_niveau(fichier, indice_classe(fichier.lire_texte(section_utilisateur, cle_classe)));
  fichier_compte = *chemin;
  charger_selection();
  utilisateur_courant = nom;
  est_gestionnaire = est_nom_gestionnaire(nom);

  EcranExercices& ecran = ecran_exercices();
  ecran.libelle_session(nom);
  ecran.preparer_exercice();
  ecran.masquer_reponse();
  ecran.definir_exercice_en_cours(est_gestionnaire);
  ecran.activer_commencer(!est_gestionnaire);
  ecran.activer_bouton_commencer(ecran.page_exercices_visible());
  ecran.afficher_page(texte_accueil_compte(nom));
  ecran.afficher_score();
  return true;
}

void charger_selection() {
  effacer_selection();
  if (fichier_compte.empty()) return;
  const Tfichier_ini fichier(fichier_compte);
  std::vector<std::string> elements;
  for (int i = 0; i < exercices.taille(); ++i) {
    const auto k = static_cast<std::size_t>(i);
    const bool actif = fichier.lire_booleen(section_exercices, texte_entier(exercices.code[k]), false);
    exercices.actif[k] = actif;
    if (!actif) continue;
    exercices_selectionnes.push_back(i);
    const std::string element =
        exercices.theme[k] + " (" + exercices.classe[k] + suffixe_niveau(exercices.classe[k]) + ")";
    if (std::find(elements.begin(), elements.end(), element) != elements.end()) continue;
    if (!elements.empty()) resume_selection += separateur_resume;
    resume_selection += element;
    elements.push_back(element);
  }
}

void fermer_session() {
  utilisateur_courant.clear();
  fichier_compte.clear();
  est_gestionnaire = false;
  effacer_selection();
  EcranExercices& ecran = ecran_exercices();
  ecran.definir_exercice_en_cours(false);
  ecran.libelle_session({});
  ecran.afficher_page(catalogue_textes.txt_charger_compte_cliquez);
}

void afficher_invitation_connexion() {
  if (utilisateur_courant.empty()) ecran_exercices().afficher_page(catalogue_textes.txt_charger_compte_cliquez);
}

std::optional<std::string> compte_par_defaut(const Tfichier_ini& reglages) {
  const std::string fichier = reglages.lire_texte(parametres::section::utilisateurs, parametres::cle::defaut);
  if (fichier.size() <= extension_compte.size() ||
      fichier.compare(fichier.size() - extension_compte.size(), extension_compte.size(), extension_compte) != 0)
    return {};
  const std::string nom = fichier.substr(0, fichier.size() - extension_compte.size());
  if (nom != nom_compte_nettoye(nom) || !nom_compte_valide(nom) || est_nom_gestionnaire(nom)) return {};
  return compte_existant(nom);
}

bool est_compte_defaut(std::string_view nom, const Tfichier_ini& reglages) {
  const auto defaut = compte_par_defaut(reglages);
  return defaut && en_minuscules(*defaut) == en_minuscules(nom_compte_nettoye(nom));
}

bool valider_connexion(std::string_view nom, std::string_view mot_de_passe, bool par_defaut,
                       Tfichier_ini& reglages) {
  if (!verifier_compte(nom, mot_de_passe)) return false;
  ecran_exercices().masquer_aide();
  if (par_defaut && !est_gestionnaire) {
    reglages.ecrire_texte(parametres::section::utilisateurs, parametres::cle::defaut,
                          utilisateur_courant + std::string(extension_compte));
  } else if (!par_defaut && est_compte_defaut(utilisateur_courant, reglages)) {
    reglages.ecrire_texte(parametres::section::utilisateurs, parametres::cle::defaut, "");
  }
  return true;
}

std::vector<std::string> comptes_modifiables() {
  if (utilisateur_courant.empty()) return {};
  if (est_gestionnaire) return lister_comptes();
  return {utilisateur_courant};
}

std::optional<int> lire_classe_compte(std::string_view nom) {
  const auto chemin = chemin_compte(nom);
  if (chemin) {
    const Tfichier_ini fichier(*chemin);
    if (fichier.section_existe(section_utilisateur))
      return indice_classe(fichier.lire_texte(section_utilisateur, cle_classe));
  }
  affiche_message(catalogue_textes.txt_compte_existe);
  return {};
}

Tresultat_enregistrement creer_compte(std::string_view nom_saisi, std::string_view mot_de_passe,
                                      int indice, bool modification) {
  Tresultat_enregistrement resultat;
  const std::string nom_nettoye = nom_compte_nettoye(nom_saisi);
  if (nom_nettoye.empty()) {
    affiche_message(catalogue_textes.txt_devez_entrer_nom);
    return resultat;
  }
  if (!nom_compte_valide(nom_nettoye)) {
    affiche_message(catalogue_textes.txt_nom_compte_invalide);
    return resultat;
  }
  if (indice < 0 || indice >= static_cast<int>(classes_enregistrees.size())) {
    affiche_message(catalogue_textes.txt_choisir_classe);
    return resultat;
  }
  const std::string nom = compte_existant(nom_nettoye).value_or(nom_nettoye);
  Tfichier_ini fichier(*chemin_compte(nom));
  const bool existe = fichier.section_existe(section_utilisateur);
  if (existe && !modification) {
    affiche_message(catalogue_textes.txt_compte_existe_deja);
    return resultat;
  }
  std::string empreinte;
  if (!(modification && existe && mot_de_passe.empty())) {
    empreinte = hacher_mot_de_passe(mot_de_passe);
    if (empreinte.empty()) {
      affiche_message(catalogue_textes.txt_compte_non_enregistre);
      return resultat;
    }
  }
  const bool niveau_change = !existe || indice_classe(fichier.lire_texte(section_utilisateur, cle_classe)) != indice;
  Tlot_ini lot(fichier);
  if (!empreinte.empty()) fichier.ecrire_texte(section_utilisateur, cle_mot_de_passe, empreinte);
  if (niveau_change) {
    fichier.effacer_section(section_exercices);
    fichier.ecrire_texte(section_utilisateur, cle_classe, classes_enregistrees[static_cast<std::size_t>(indice)]);
  }
  if (!lot.terminer()) {
    affiche_message(catalogue_textes.txt_compte_non_enregistre);
    return resultat;
  }
  resultat.issue = existe ? Eenregistrement::modifie : Eenregistrement::cree;
  if (!est_gestionnaire && niveau_change && !est_nom_gestionnaire(nom)) resultat.compte_ouvert = ouvrir_compte(nom);
  if (est_gestionnaire) {
    affiche_message(existe ? catalogue_textes.txt_compte_ete_modifie : catalogue_textes.txt_compte_ete_cree);
  } else {
    resultat.fermer_dialogue = true;
  }
  return resultat;
}

bool supprimer_compte(std::string_view nom_choisi, Tfichier_ini& reglages) {
  const std::string nom_nettoye = nom_compte_nettoye(nom_choisi);
  if (nom_nettoye.empty()) {
    affiche_message(catalogue_textes.txt_devez_selectionner_compte);
    return false;
  }
  if (est_nom_gestionnaire(nom_nettoye)) {
    affiche_message(catalogue_textes.txt_supprimer_gestionnaire);
    return false;
  }
  if (!est_gestionnaire) return false;
  const auto nom = nom_compte_valide(nom_nettoye) ? compte_existant(nom_nettoye) : std::nullopt;
  if (!nom) {
    affiche_message(catalogue_textes.txt_compte_existe);
    return false;
  }
  if (affiche_dialogue(Format(catalogue_textes.txt_compte_va_supprime, {*nom}), TypeDialogue::confirmation,
                       bouton_oui | bouton_non) != reponse_oui)
    return false;
  const bool etait_defaut = est_compte_defaut(*nom, reglages);
  std::error_code erreur;
  if (!std::filesystem::remove(*chemin_compte(*nom), erreur)) {
    affiche_message(catalogue_textes.txt_compte_non_enregistre);
    return false;
  }
  if (etait_defaut) reglages.ecrire_texte(parametres::section::utilisateurs, parametres::cle::defaut, "");
  return true;
}

std::optional<std::string> compte_apres_suppression(const std::vector<std::string>& comptes, int position) {
  if (comptes.empty()) return {};
  if (position >= 0 && position < static_cast<int>(comptes.size())) return comptes[static_cast<std::size_t>(position)];
  return comptes.front();
}
