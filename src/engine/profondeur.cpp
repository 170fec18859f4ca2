#include "engine/profondeur.h"

#include "localisation/catalogue.h"

namespace {
int profondeur = 0;
bool depassement = false;
std::uint64_t appel = 0;
std::uint64_t ouvertures = 0;  // guards opened during the outermost call
std::uint64_t limite = ouvertures_maximales;
}  // namespace

GardeProfondeur::GardeProfondeur() : externe_(profondeur == 0) {
  if (externe_) {
    depassement = false;
    ++appel;
    ouvertures = 0;
    limite = ouvertures_maximales;
  }
  if (++profondeur > profondeur_maximale || ++ouvertures > limite) depassement = true;
}

GardeProfondeur::~GardeProfondeur() { --profondeur; }

bool GardeProfondeur::depassee() const { return depassement; }

std::string erreur_trop_complexe() { return "erreur(" + catalogue_textes.txt_expression_trop_complexe + ")"; }

void etend_ouvertures(std::uint64_t supplement) { limite += supplement; }

void oublie_memoire() { ++appel; }

std::uint64_t appel_externe() { return appel; }
