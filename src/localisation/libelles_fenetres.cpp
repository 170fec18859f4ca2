#include "localisation/libelles_fenetres.h"

#include "localisation/catalogue.h"
#include "localisation/donnees_tsv.h"

const std::vector<LibelleFenetre>& libelles_fenetres() {
  static const std::vector<LibelleFenetre> libelles = [] {
    std::vector<LibelleFenetre> v;
    for (auto& l : lire_tsv(donnees_libelles())) {
      if (l.champs.size() != 4) continue;
      v.push_back({l.champs[0], l.champs[1], l.champs[2], l.champs[3]});
    }
    return v;
  }();
  return libelles;
}

const std::string& libelle_en_langue(const LibelleFenetre& libelle, int langue) {
  return langue == 1 ? libelle.anglais : libelle.francais;
}
