#include "engine/profondeur.h"

#include "localisation/catalogue.h"

namespace {
int profondeur = 0;
bool depassement = false;
}  // namespace

GardeProfondeur::GardeProfondeur() : externe_(profondeur == 0) {
  if (externe_) depassement = false;
  if (++profondeur > profondeur_maximale) depassement = true;
}

GardeProfondeur::~GardeProfondeur() { --profondeur; }

bool GardeProfondeur::depassee() const { return depassement; }

std::string erreur_trop_complexe() { return "erreur(" + catalogue_textes.txt_expression_trop_complexe + ")"; }
