#include "shell/objets_texte.h"

#include <cctype>
#include <cmath>

#include "engine/decoupage.h"
#include "engine/operation.h"
#include "engine/regroupement.h"
#include "localisation/format.h"

namespace {

constexpr char separateur_items = ';';

std::string sans_crochets(const std::string& texte) {
  std::string sortie;
  for (const char c : texte) {
    if (c != '[' && c != ']') sortie += c;
  }
  return sortie;
}

}  // namespace

Tfonction_stockee lire_fonction_stockee(const std::string& stockee) {
  const std::size_t premier = stockee.find(separateur_items);
  if (premier == std::string::npos) return {stockee, "", ""};
  const std::size_t dernier = stockee.rfind(separateur_items);
  if (dernier == premier) return {stockee.substr(0, premier), stockee.substr(premier + 1), ""};
  return {stockee.substr(0, premier), stockee.substr(premier + 1, dernier - premier - 1), stockee.substr(dernier + 1)};
}

std::string texte_fonction(const std::string& stockee) {
  const Tfonction_stockee f = lire_fonction_stockee(stockee);
  return Format("%s(%s)=%s", {f.nom, f.variable, f.expression});
}

std::string decouper_fonction(const std::string& ligne, const std::string& separateur) {
  const std::size_t ouvrante = ligne.find('(');
  const std::size_t fermante = ligne.find(')');
  const std::size_t signe = ligne.find(separateur);
  const std::string nom = ligne.substr(0, ouvrante);
  std::string variable;
  if (ouvrante != std::string::npos && fermante != std::string::npos && fermante > ouvrante) {
    variable = ligne.substr(ouvrante + 1, fermante - ouvrante - 1);
  }
  const std::string expression = signe == std::string::npos ? "" : ligne.substr(signe + separateur.size());
  return Format("%s;%s;%s", {nom, expression, variable});
}

bool est_nom_objet(const std::string& nom) {
  if (nom.empty()) return false;
  for (const char c : nom) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x80 || std::isalnum(u) == 0) return false;
  }
  return true;
}

std::string cle_ligne_objet(const std::string& ligne) { return ligne.substr(0, ligne.find(separateur_items)); }

std::string liste_crochets(std::vector<std::string> elements, bool zero_si_vide) {
  std::string sortie = "[";
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (i > 0) sortie += separateur_items;
    sortie += elements[i].empty() && zero_si_vide ? "0" : elements[i];
  }
  return sortie + "]";
}

std::vector<std::string> items_liste(const std::string& texte) {
  const std::string interieur = sans_crochets(texte);
  if (interieur.empty()) return {};
  return decoupe_arguments(interieur);
}

std::string ligne_point(const std::string& nom, const std::vector<std::string>& coordonnees) {
  return nom + separateur_items + liste_crochets(coordonnees);
}

std::string ligne_vecteur(const std::string& origine, const std::string& extremite,
                          const std::vector<std::string>& coordonnees) {
  if (extremite.empty()) return ligne_point(origine, coordonnees);
  return origine + separateur_items + extremite + separateur_items + liste_crochets(coordonnees);
}

std::optional<std::vector<std::string>> coordonnees_entre(const Tpoint_& origine, const Tpoint_& extremite) {
  if (origine.coordonnees.size() != extremite.coordonnees.size()) return std::nullopt;
  std::vector<std::string> sortie;
  for (std::size_t i = 0; i < origine.coordonnees.size(); ++i) {
    sortie.push_back(regroupe_somme(operation(extremite.coordonnees[i], origine.coordonnees[i], "-")));
  }
  return sortie;
}

std::optional<std::array<Tpoint_plan, 3>> pointe_fleche(double x, double y) {
  const double longueur = std::sqrt(x * x + y * y);
  if (!(longueur > 0) || !std::isfinite(longueur)) return std::nullopt;
  const double a = (std::fabs(x) + std::fabs(y)) / (2 * longueur);
  const double b = std::fabs(std::fabs(x) - std::fabs(y)) / (2 * longueur);
  return std::array<Tpoint_plan, 3>{{{x - a, y - b}, {x, y}, {x - b, y - a}}};
}
