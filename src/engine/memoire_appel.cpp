#include "engine/memoire_appel.h"

std::vector<MemoireMiseDeCote*>& memoires_appel() {
  static std::vector<MemoireMiseDeCote*> memoires;
  return memoires;
}

MemoireMiseDeCote::MemoireMiseDeCote() { memoires_appel().push_back(this); }

AppelAPart::AppelAPart() : etat_(etat_profondeur), memoires_(memoires_appel().size()) {
  for (MemoireMiseDeCote* m : memoires_appel()) m->mettre_de_cote();
  etat_profondeur.profondeur = 0;
}

AppelAPart::~AppelAPart() {
  const auto& memoires = memoires_appel();
  for (std::size_t i = 0; i < memoires.size(); ++i) {
    if (i < memoires_) {
      memoires[i]->reprendre();
    } else {
      memoires[i]->oublier();
    }
  }
  etat_profondeur = etat_;
}
