#include "shell/parametres_principaux.h"

#include "localisation/nombres.h"

#include <array>
#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

std::unique_ptr<Tfichier_ini> ini_principal;

bool ouvrir_ini_principal(const std::string& dossier) {
  std::error_code erreur;
  if (!std::filesystem::is_directory(dossier, erreur)) return false;
  const std::filesystem::path chemin = std::filesystem::path(dossier) / nom_fichier_parametres;
  ini_principal = std::make_unique<Tfichier_ini>(chemin.string());
  return true;
}

void fermer_ini_principal() { ini_principal.reset(); }

std::vector<std::string> lire_liste(const Tfichier_ini& ini, std::string_view section) {
  std::vector<std::string> valeurs;
  for (Tentree_ini& entree : ini.entrees_section(section)) valeurs.push_back(std::move(entree.valeur));
  return valeurs;
}

namespace {

// The keys of the lines a list rewrite keeps: an item written under one of
// them would stand beside the kept line, and a reader would see only one.
std::set<std::string> cles_gardees(const Tfichier_ini& ini, std::string_view section,
                                   const Ttexte_ini::Tfiltre_entrees& propre) {
  std::set<std::string> cles;
  if (!propre) return cles;
  for (const Tentree_ini& entree : ini.entrees_section(section)) {
    if (!propre(entree.valeur)) cles.insert(entree.cle);
  }
  return cles;
}

}  // namespace

bool ecrire_liste(Tfichier_ini& ini, std::string_view section, const std::vector<std::string>& valeurs,
                  const Ttexte_ini::Tfiltre_entrees& propre) {
  const std::set<std::string> gardees = cles_gardees(ini, section, propre);
  std::vector<Tentree_ini> entrees;
  entrees.reserve(valeurs.size());
  std::int64_t numero = 0;
  for (const std::string& valeur : valeurs) {
    std::string cle = texte_entier(numero++);
    while (gardees.contains(cle)) cle = texte_entier(numero++);
    entrees.push_back({std::move(cle), valeur});
  }
  return ini.remplacer_section(section, entrees, propre);
}

std::vector<std::string> avec_lignes_cachees(const std::vector<std::string>& montrees,
                                             const std::vector<Tligne_cachee>& cachees) {
  std::vector<std::string> lignes;
  lignes.reserve(montrees.size() + cachees.size());
  auto cachee = cachees.begin();
  for (std::size_t i = 0; i < montrees.size(); ++i) {
    for (; cachee != cachees.end() && cachee->rang <= i; ++cachee) lignes.push_back(cachee->texte);
    lignes.push_back(montrees[i]);
  }
  for (; cachee != cachees.end(); ++cachee) lignes.push_back(cachee->texte);
  return lignes;
}

bool est_annotation(std::string_view valeur) { return lire_annotation(valeur).has_value(); }

std::string texte_annotation(const Tannotation_sauvee& annotation) {
  std::string texte = annotation.texte;
  for (const double coin : {annotation.x0, annotation.x1, annotation.y0, annotation.y1}) {
    texte += ';';
    texte += texte_nombre(coin);
  }
  return texte;
}

std::optional<Tannotation_sauvee> lire_annotation(std::string_view valeur) {
  std::array<double, 4> coins{};
  for (std::size_t i = coins.size(); i-- > 0;) {
    const auto separateur = valeur.rfind(';');
    if (separateur == std::string_view::npos) return std::nullopt;
    const std::optional<double> coin = lire_nombre(valeur.substr(separateur + 1));
    if (!coin) return std::nullopt;
    coins[i] = *coin;
    valeur = valeur.substr(0, separateur);
  }
  return Tannotation_sauvee{std::string(valeur), coins[0], coins[1], coins[2], coins[3]};
}
