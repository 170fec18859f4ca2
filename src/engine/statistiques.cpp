#include "engine/statistiques.h"

#include <optional>
#include <vector>

#include "engine/decoupage.h"
#include "engine/fonction.h"
#include "engine/fractions.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/reduction.h"
#include "engine/regroupement.h"
#include "localisation/nombres.h"

namespace {

using Textes = std::vector<std::string>;

const std::string erreur_liste = "#err";

// The items of the list; nothing for an empty list or an empty item, which
// would silently count as nothing in a sum yet count in the number of items.
std::optional<Textes> elements(const std::string& liste) {
  const std::string interieur = enleve_delimiteurs(liste, "[]");
  if (interieur.empty() || interieur == "[]") return std::nullopt;
  Textes items = decoupe(interieur, ';');
  for (const auto& item : items) {
    if (item.empty()) return std::nullopt;
  }
  return items;
}

template <class Meilleur>
std::string extremum(const std::string& liste, Meilleur meilleur) {
  const auto items = elements(liste);
  if (!items) return erreur_liste;
  GardeProfondeur garde;
  const std::string* choix = nullptr;
  double valeur_choisie = 0;
  for (const auto& item : *items) {
    const auto v = lire_nombre(numeriser_texte(item, false));
    if (!v) return erreur_liste;
    if (choix == nullptr || meilleur(*v, valeur_choisie)) {
      choix = &item;
      valeur_choisie = *v;
    }
  }
  return resultat_garde(garde, *choix);
}

std::string collecte(const std::string& t) { return simplifie_par_pgcd(regroupe_somme(t)); }

std::string nombre_items(const Textes& items) { return texte_entier(static_cast<std::int64_t>(items.size())); }

std::string moyenne_de(const Textes& items) {
  std::string s = "0";
  for (const auto& item : items) s = collecte(operation_ordonnee(s, item, "+"));
  // Marks with halves would leave 23+12.5 apart: one exact number instead.
  return fraction_des_nombres(collecte(operation_ordonnee(s, nombre_items(items), "/")));
}

std::string variance_de(const Textes& items) {
  const std::string m = moyenne_de(items);
  std::string s = "0";
  for (const auto& item : items) {
    s = collecte(operation_ordonnee(s, operation_ordonnee(operation_ordonnee(item, m, "-"), "2", "^"), "+"));
  }
  return fraction(operation_ordonnee(s, nombre_items(items), "/"));
}

}  // namespace

std::string minimum(const std::string& liste) {
  return extremum(liste, [](double v, double choisie) { return v < choisie; });
}

std::string maximum(const std::string& liste) {
  return extremum(liste, [](double v, double choisie) { return v > choisie; });
}

std::string moyenne(const std::string& liste) {
  const auto items = elements(liste);
  return items ? sous_garde([&] { return moyenne_de(*items); }) : erreur_liste;
}

std::string variance(const std::string& liste) {
  const auto items = elements(liste);
  return items ? sous_garde([&] { return variance_de(*items); }) : erreur_liste;
}

std::string ecart_type(const std::string& liste) {
  const std::string v = variance(liste);
  return v == erreur_liste ? v : "sqrt(" + v + ")";
}
