#include "shell/menu_fonctions.h"

#include <algorithm>

#include "engine/fonctions_usuelles.h"

std::vector<std::string> noms_menu_fonctions(const Tfonction_usuelle& fonctions) {
  std::vector<std::string> noms;
  for (int id = 1; id < fonctions.taille(); ++id) {
    if (fonctions.modele_derivee(id).empty() && fonctions.affichable[id]) noms.push_back(fonctions.nom[id]);
  }
  // std::string compares its bytes as unsigned characters: the code page's order.
  std::stable_sort(noms.begin(), noms.end());
  return noms;
}

namespace {

bool dans_editeur(const Tfonction_usuelle& fonctions, int id, bool corps_seulement) {
  const auto i = static_cast<std::size_t>(id);
  return fonctions.affichable[i] && !fonctions.nom[i].empty() && (!corps_seulement || !fonctions.corps[i].empty());
}

}  // namespace

std::vector<std::string> categories_editeur(const Tfonction_usuelle& fonctions, bool corps_seulement) {
  std::vector<std::string> categories;
  for (int id = 1; id < fonctions.taille(); ++id) {
    const std::string& categorie = fonctions.categorie[static_cast<std::size_t>(id)];
    if (dans_editeur(fonctions, id, corps_seulement) &&
        std::find(categories.begin(), categories.end(), categorie) == categories.end()) {
      categories.push_back(categorie);
    }
  }
  return categories;
}

std::vector<int> lignes_editeur(const Tfonction_usuelle& fonctions, bool corps_seulement,
                                const std::optional<std::string>& categorie) {
  std::vector<int> lignes;
  for (int id = 1; id < fonctions.taille(); ++id) {
    if (dans_editeur(fonctions, id, corps_seulement) &&
        (!categorie || fonctions.categorie[static_cast<std::size_t>(id)] == *categorie)) {
      lignes.push_back(id);
    }
  }
  std::stable_sort(lignes.begin(), lignes.end(), [&](int a, int b) {
    return fonctions.nom[static_cast<std::size_t>(a)] < fonctions.nom[static_cast<std::size_t>(b)];
  });
  return lignes;
}
