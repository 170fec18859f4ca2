#include "engine/profondeur.h"

#include "engine/valeurs_erreur.h"
#include "localisation/catalogue.h"

namespace {
int profondeur = 0;
bool depassement = false;
std::uint64_t appel = 0;
std::uint64_t ouvertures = 0;  // guards opened during the outermost call
}  // namespace

GardeProfondeur::GardeProfondeur() : externe_(profondeur == 0) {
  if (externe_) {
    depassement = false;
    ++appel;
    ouvertures = 0;
  }
  if (++profondeur > profondeur_maximale || ++ouvertures > ouvertures_maximales) depassement = true;
}

GardeProfondeur::~GardeProfondeur() { --profondeur; }

bool GardeProfondeur::depassee() const { return depassement; }

std::string erreur_trop_complexe() { return valeur_erreur(catalogue_textes.txt_expression_trop_complexe); }

void oublie_memoire() { ++appel; }

std::uint64_t appel_externe() { return appel; }
