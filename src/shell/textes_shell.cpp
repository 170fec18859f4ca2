#include "shell/textes_shell.h"

#include <map>
#include <set>

#include "localisation/donnees_tsv.h"
#include "localisation/format.h"

namespace {

const std::map<std::string, std::string, std::less<>>& textes() {
  static const auto table = [] {
    std::map<std::string, std::string, std::less<>> t;
    for (auto& l : lire_tsv(donnees_textes_shell())) {
      if (l.champs.size() == 2) t.emplace(l.champs[0], l.champs[1]);
    }
    return t;
  }();
  return table;
}

}  // namespace

const std::string& texte_shell(std::string_view nom) {
  static const std::string vide;
  const auto it = textes().find(nom);
  return it == textes().end() ? vide : it->second;
}

const std::vector<LibelleConception>& libelles_conception() {
  static const auto libelles = [] {
    std::vector<LibelleConception> v;
    for (auto& l : lire_tsv(donnees_conception())) {
      if (l.champs.size() < 3 || l.champs.size() > 4) continue;
      v.push_back({l.champs[0], l.champs[1], l.champs[2], l.champs.size() == 4 ? l.champs[3] : std::string()});
    }
    return v;
  }();
  return libelles;
}

const LibelleConception* libelle_conception(std::string_view fenetre, std::string_view composant) {
  for (const auto& l : libelles_conception()) {
    if (l.fenetre == fenetre && l.composant == composant) return &l;
  }
  return nullptr;
}

std::vector<std::string> verifier_donnees_shell() {
  std::vector<std::string> problemes;
  std::set<std::string> vus;
  for (const auto& l : lire_tsv(donnees_textes_shell())) {
    if (l.champs.size() != 2) problemes.push_back(Format("textes.tsv:%d: two fields expected", {l.numero}));
    if (!vus.insert(l.champs[0]).second) problemes.push_back("textes.tsv: twice " + l.champs[0]);
  }
  vus.clear();
  for (const auto& l : lire_tsv(donnees_conception())) {
    if (l.champs.size() < 3 || l.champs.size() > 4) {
      problemes.push_back(Format("conception.tsv:%d: three or four fields expected", {l.numero}));
      continue;
    }
    if (!vus.insert(l.champs[0] + "." + l.champs[1]).second) {
      problemes.push_back("conception.tsv: twice " + l.champs[0] + "." + l.champs[1]);
    }
  }
  return problemes;
}
