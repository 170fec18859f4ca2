#include "shell/objets_utilisateur.h"

#include "engine/fonctions_usuelles.h"
#include "engine/fonctions_utilisateur.h"
#include "localisation/catalogue.h"
#include "shell/objets_texte.h"

namespace {

constexpr const char* description_fonction_utilisateur = "Fonction utilisateur";

}  // namespace

std::vector<std::string> charger_constantes_ini(const Tfichier_ini& ini) {
  std::vector<std::string> lignes;
  if (!constantes) return lignes;
  for (const Tentree_ini& entree : ini.entrees_section(section_constantes)) {
    lignes.push_back(entree.cle + "=" + entree.valeur);
    constantes->ajouter(entree.cle, entree.valeur);
  }
  return lignes;
}

std::vector<std::string> charger_fonctions_ini(const Tfichier_ini& ini) {
  std::vector<std::string> lignes;
  if (!fonctions_usuelles) return lignes;
  fonctions_usuelles->dimensionner();
  const std::string& categorie = catalogue_textes.txt_fonctions_utilisateurs;
  for (const Tentree_ini& entree : ini.entrees_section(section_fonctions)) {
    lignes.push_back(texte_fonction(entree.valeur));
    const Tfonction_stockee f = lire_fonction_stockee(decouper_fonction(lignes.back(), "="));
    ajouter_fonction_utilisateur(f.nom, f.expression, f.variable, categorie, description_fonction_utilisateur);
  }
  return lignes;
}
