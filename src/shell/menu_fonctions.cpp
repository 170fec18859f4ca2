#include "shell/menu_fonctions.h"

#include <algorithm>

#include "engine/fonctions_usuelles.h"

std::vector<std::string> noms_menu_fonctions(const Tfonction_usuelle& fonctions) {
  std::vector<std::string> noms;
  for (int id = 1; id < fonctions.taille(); ++id) {
    if (fonctions.derivee[id].empty() && fonctions.affichable[id]) noms.push_back(fonctions.nom[id]);
  }
  // std::string compares its bytes as unsigned characters: the code page's order.
  std::stable_sort(noms.begin(), noms.end());
  return noms;
}
