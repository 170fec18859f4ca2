#include "engine/profondeur.h"

#include "engine/valeurs_erreur.h"
#include "localisation/catalogue.h"

namespace {
int profondeur = 0;
bool depassement = false;
std::uint64_t appel = 0;
std::uint64_t travail = 0;  // work of the outermost call (see travail_maximal)

void ajoute(std::uint64_t unites) {
  travail += unites;
  if (travail > travail_maximal) depassement = true;
}
}  // namespace

GardeProfondeur::GardeProfondeur() : externe_(profondeur == 0) {
  if (externe_) {
    depassement = false;
    ++appel;
    travail = 0;
  }
  if (++profondeur > profondeur_maximale) depassement = true;
  ajoute(travail_ouverture);
}

GardeProfondeur::~GardeProfondeur() { --profondeur; }

void compte_travail(std::size_t octets) {
  if (profondeur > 0) ajoute(octets + travail_par_texte);
}

std::uint64_t travail_effectue() { return travail; }

bool GardeProfondeur::depassee() const { return depassement; }

std::string erreur_trop_complexe() { return valeur_erreur(catalogue_textes.txt_expression_trop_complexe); }

void oublie_memoire() { ++appel; }

std::uint64_t appel_externe() { return appel; }
