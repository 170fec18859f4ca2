#include "engine/profondeur.h"

#include "engine/valeurs_erreur.h"
#include "localisation/catalogue.h"
#include "localisation/messages.h"

EtatProfondeur etat_profondeur;

std::uint64_t travail_effectue() { return etat_profondeur.travail; }

void reprend_travail(std::uint64_t travail) {
  etat_profondeur.travail = travail;
  etat_profondeur.depassement = false;
  oublie_memoire();
}

std::string erreur_trop_complexe() { return valeur_erreur(catalogue_textes.txt_expression_trop_complexe); }

void refuse_appel(const std::string& message) {
  if (etat_profondeur.depassement || etat_profondeur.refus) return;
  if (etat_profondeur.refus_muets > 0) {
    etat_profondeur.refus = true;  // the work stops; sans_refus_montre() takes it back
    return;
  }
  affiche_message(message);
  // Outside any guard there is no calculation to fail: the caller's empty
  // result is the answer.
  if (etat_profondeur.profondeur > 0) etat_profondeur.refus = true;
}

void oublie_memoire() { ++etat_profondeur.appel; }

