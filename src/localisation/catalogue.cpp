#include "localisation/catalogue.h"

#include <map>

#include "localisation/donnees_tsv.h"
#include "localisation/format.h"
#include "localisation/nombres.h"

Tcatalogue_textes catalogue_textes;
std::array<std::string, 7> noms_classes;
std::array<std::string, 29> noms_themes;

namespace {

struct Textes {
  std::string francais;
  std::string anglais;
};

const std::map<std::string, std::string Tcatalogue_textes::*, std::less<>>& membres() {
  static const std::map<std::string, std::string Tcatalogue_textes::*, std::less<>> m = {
#define PRALINORE_MEMBRE(nom) {#nom, &Tcatalogue_textes::nom},
      PRALINORE_ENTREES_CATALOGUE(PRALINORE_MEMBRE)
#undef PRALINORE_MEMBRE
  };
  return m;
}

// "noms_classes[3]" -> the array element; nullptr for any other name.
std::string* element_tableau(std::string_view nom) {
  const auto crochet = nom.find('[');
  if (crochet == std::string_view::npos || nom.back() != ']') return nullptr;
  const auto indice = lire_entier32(nom.substr(crochet + 1, nom.size() - crochet - 2));
  if (!indice || *indice < 0) return nullptr;
  const auto tableau = nom.substr(0, crochet);
  const auto i = static_cast<std::size_t>(*indice);
  if (tableau == "noms_classes" && i < noms_classes.size()) return &noms_classes[i];
  if (tableau == "noms_themes" && i < noms_themes.size()) return &noms_themes[i];
  return nullptr;
}

std::string* cible(std::string_view nom) {
  if (auto* e = catalogue_textes.par_nom(nom)) return e;
  return element_tableau(nom);
}

const std::vector<LigneTsv>& lignes() {
  static const std::vector<LigneTsv> l = lire_tsv(donnees_catalogue());
  return l;
}

}  // namespace

std::string* Tcatalogue_textes::par_nom(std::string_view nom) {
  const auto& m = membres();
  const auto i = m.find(nom);
  return i == m.end() ? nullptr : &(this->*(i->second));
}

const std::string* Tcatalogue_textes::par_nom(std::string_view nom) const {
  return const_cast<Tcatalogue_textes*>(this)->par_nom(nom);
}

void remplir_textes(int langue) {
  for (const auto& l : lignes()) {
    if (l.champs.size() != 3) continue;
    std::string* entree = cible(l.champs[0]);
    if (entree == nullptr) continue;  // refused by verifier_donnees_catalogue
    const bool anglais = langue == 1 && !l.champs[2].empty();
    *entree = anglais ? l.champs[2] : l.champs[1];
  }
}

std::vector<std::string> verifier_donnees_catalogue() {
  std::vector<std::string> problemes;
  std::map<std::string, int, std::less<>> vus;
  for (const auto& l : lignes()) {
    if (l.champs.size() != 3) {
      problemes.push_back(Format("line %d: %d fields instead of 3", {l.numero, l.champs.size()}));
      continue;
    }
    if (cible(l.champs[0]) == nullptr) problemes.push_back("unknown name " + l.champs[0]);
    if (++vus[l.champs[0]] > 1) problemes.push_back("twice: " + l.champs[0]);
  }
  for (const auto& [nom, membre] : membres()) {
    if (!vus.contains(nom)) problemes.push_back("no data for " + nom);
  }
  for (std::size_t i = 0; i < noms_classes.size(); ++i) {
    if (!vus.contains(Format("noms_classes[%d]", {i}))) problemes.push_back(Format("no data for level %d", {i}));
  }
  for (std::size_t i = 0; i < noms_themes.size(); ++i) {
    if (!vus.contains(Format("noms_themes[%d]", {i}))) problemes.push_back(Format("no data for theme %d", {i}));
  }
  return problemes;
}
