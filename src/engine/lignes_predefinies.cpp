#include "engine/lignes_predefinies.h"

#include <string_view>

#include "localisation/nombres.h"
#include "localisation/texte_1252.h"

std::string_view donnees_fonctions();  // compiled from donnees/fonctions.tsv

namespace {

std::vector<std::string> champs(std::string_view ligne) {
  std::vector<std::string> resultat;
  std::size_t debut = 0;
  for (;;) {
    const auto tab = ligne.find('\t', debut);
    resultat.emplace_back(ligne.substr(debut, tab == std::string_view::npos ? std::string_view::npos : tab - debut));
    if (tab == std::string_view::npos) return resultat;
    debut = tab + 1;
  }
}

LignePredefinie lit_ligne(const std::vector<std::string>& c) {
  LignePredefinie l;
  l.id = lire_entier32(c[0]).value_or(0);
  l.nom[0] = c[1];
  l.nom[1] = c[2];
  l.cle_categorie = c[3];
  l.nb_arguments = lire_entier32(c[4]).value_or(0);
  l.arguments[0] = c[5];
  l.arguments[1] = c[6];
  l.affichable = c[7] == "1";
  l.traduite = c[8] == "1";
  l.derivee = c[9];
  l.primitive = c[10];
  l.description[0] = c[11];
  l.description[1] = c[12];
  return l;
}

std::vector<LignePredefinie> charge() {
  const std::string texte = depuis_utf8(donnees_fonctions());
  std::vector<LignePredefinie> lignes;
  std::size_t debut = 0;
  while (debut < texte.size()) {
    auto fin = texte.find('\n', debut);
    if (fin == std::string::npos) fin = texte.size();
    const std::string_view ligne(texte.data() + debut, fin - debut);
    debut = fin + 1;
    if (ligne.empty() || ligne.front() == '#') continue;
    const auto c = champs(ligne);
    if (c.size() == 13) lignes.push_back(lit_ligne(c));
  }
  return lignes;
}

}  // namespace

const std::vector<LignePredefinie>& lignes_predefinies() {
  static const std::vector<LignePredefinie> lignes = charge();
  return lignes;
}

const LignePredefinie* ligne_predefinie(int id) {
  for (const auto& l : lignes_predefinies()) {
    if (l.id == id) return &l;
  }
  return nullptr;
}
