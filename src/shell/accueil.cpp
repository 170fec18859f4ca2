#include "shell/accueil.h"

#include "engine/fonctions_usuelles.h"
#include "localisation/catalogue.h"
#include "localisation/format.h"

namespace {
constexpr const char* fin_de_ligne = "\r\n";
}

std::string liste_distincte(const std::vector<std::string>& textes) {
  std::string liste;
  for (const auto& texte : textes) {
    if (liste.find(texte) != std::string::npos) continue;
    if (!liste.empty()) liste += ", ";
    liste += texte;
  }
  return liste;
}

std::vector<std::string> categories_affichables(const Tfonction_usuelle& fonctions) {
  std::vector<std::string> categories;
  for (int id = 0; id < fonctions.taille(); ++id) {
    if (fonctions.affichable[id]) categories.push_back(fonctions.categorie[id]);
  }
  return categories;
}

std::string texte_accueil(const Tfonction_usuelle& fonctions, int dernier_exercice,
                          const std::vector<std::string>& themes) {
  const std::string paragraphe = std::string(fin_de_ligne) + fin_de_ligne;
  return catalogue_textes.txt_bienvenue_pralinore + paragraphe +
         Format(catalogue_textes.txt_pralinore_contient_plus,
                {fonctions.taille() - 1, liste_distincte(categories_affichables(fonctions)), paragraphe,
                 dernier_exercice, liste_distincte(themes)}) +
         paragraphe;
}
