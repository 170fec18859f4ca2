#include "engine/traduction_fonctions.h"

#include "engine/fonctions_usuelles.h"
#include "engine/lignes_predefinies.h"
#include "localisation/choix_langue.h"

void traduire_fonctions_usuelles(int langue) {
  if (!fonctions_usuelles) return;
  const int c = colonne_langue(langue);
  for (const auto& l : lignes_predefinies()) {
    if (!l.traduite) continue;
    fonctions_usuelles->traduire(l.id, l.nom[c], mot_categorie(l.cle_categorie), l.arguments[c], l.description[c]);
  }
}

void enregistrer_traduction_fonctions() { crochets_langue().fonctions = traduire_fonctions_usuelles; }

void demarrer_moteur(int langue) {
  enregistrer_traduction_fonctions();
  choisir_langue(langue);
  initialise_fonctions_usuelles();
  choisir_langue(langue);
}
