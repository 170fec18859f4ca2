#include "localisation/choix_langue.h"

#include "localisation/catalogue.h"
#include "localisation/langue.h"
#include "localisation/texte_1252.h"

std::string dossier_langue;
std::string dossier_parametres;

namespace {

constexpr const char* francais = "Fran\xE7" "ais";
constexpr const char* anglais = "English";

void remplir(int langue) {
  remplir_textes(langue);
  auto& crochets = crochets_langue();
  if (crochets.libelles) crochets.libelles(langue);
  if (crochets.fonctions) crochets.fonctions(langue);
  appliquer_libelles_communs();
}

std::string chemin_langue() { return dossier_parametres + vers_utf8(dossier_langue) + "/"; }

}  // namespace

CrochetsLangue& crochets_langue() {
  static CrochetsLangue crochets;
  return crochets;
}

void remplir_francais() { remplir(0); }

void remplir_anglais() { remplir(1); }

void appliquer_libelles_communs() {
  const auto& c = catalogue_textes;
  if (!crochets_langue().libelles_communs) return;
  LibellesCommuns l;
  l.page_accueil = c.txt_accueil;
  l.page_exercices = c.mot_exercices;
  l.page_calculs = c.txt_calculs;
  l.page_graphiques = c.mot_graphiques;
  l.categories_options = {c.mot_exercices, c.mot_graphiques, c.txt_general};
  l.action_exercices = c.mot_exercices;
  l.action_graphiques = c.mot_graphiques;
  l.titre_compte = c.txt_modifier_creer_compte;
  l.niveaux.assign(noms_classes.begin(), noms_classes.end());
  crochets_langue().libelles_communs(l);
}

void choisir_langue(int indice) {
  const int langue = indice == 1 ? 1 : 0;
  definir_indice_langue(langue);
  if (langue == 1) {
    remplir_anglais();
    dossier_langue = anglais;
  } else {
    remplir_francais();
    dossier_langue = francais;
  }
  if (crochets_langue().fichiers_aide) crochets_langue().fichiers_aide(chemin_langue());
  if (crochets_langue().menu_fonctions) crochets_langue().menu_fonctions();
}
