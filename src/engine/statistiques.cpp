#include "engine/statistiques.h"

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/algebre_entiere.h"
#include "engine/chemins_rapides.h"
#include "engine/decoupage.h"
#include "engine/entiers_verifies.h"
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

// Digits an item's integer part may hold for the exact sums.
constexpr std::size_t chiffres_item = 9;

// The list in integers: the items times `echelle`, 1 for a list of integers
// and 4 for one holding decimals of quarters.
struct ListeEntiere {
  std::vector<std::int64_t> valeurs;
  std::int64_t echelle = 1;
};

// An item "-"? digits ("." quarter places)?, the digits at most 9 without a
// leading zero unless alone: its value in quarters, and whether it has a
// point.
std::optional<std::int64_t> quarts_de(const std::string& item, bool& decimal) {
  const std::size_t point = item.find('.');
  const std::string entier = item.substr(0, point);
  const std::size_t chiffres = entier.size() - (!entier.empty() && entier[0] == '-');
  if (!est_entier(entier) || chiffres > chiffres_item || (chiffres > 1 && entier[entier.size() - chiffres] == '0')) {
    return std::nullopt;
  }
  const std::int64_t n = *entier_du_texte(entier);
  decimal = point != std::string::npos;
  const auto q = decimal ? quarts_ecrits(std::string_view(item).substr(point + 1)) : std::optional<std::int64_t>(0);
  if (!q) return std::nullopt;
  return n * quarts_par_unite + (entier[0] == '-' ? -*q : *q);
}

// The items when every one is an integer or a decimal of quarters whose
// integer part holds at most 9 digits: the written sums then stay exact.
std::optional<ListeEntiere> liste_entiere(const Textes& items) {
  ListeEntiere l;
  bool decimale = false;
  for (const auto& item : items) {
    bool decimal = false;
    const auto q = quarts_de(item, decimal);
    if (!q) return std::nullopt;
    decimale = decimale || decimal;
    l.valeurs.push_back(*q);
  }
  if (decimale) {
    l.echelle = quarts_par_unite;
  } else {
    for (auto& v : l.valeurs) v /= quarts_par_unite;
  }
  return l;
}

std::int64_t somme_de(const std::vector<std::int64_t>& v) {
  std::int64_t s = 0;
  for (const std::int64_t x : v) s += x;  // at most 10^4 items of 9 digits
  return s;
}

// The mean of a liste_entiere: the sum over the count, written as the
// quotient of two integers is.
std::optional<std::string> moyenne_entiere(const Textes& items) {
  if (!chemins_rapides_actifs() || etat_profondeur.depassement) return std::nullopt;
  const auto l = liste_entiere(items);
  if (!l) return std::nullopt;
  return quotient_entier_ecrit(somme_de(l->valeurs), static_cast<std::int64_t>(l->valeurs.size()) * l->echelle);
}

// Bound on n^7 * M^2 (n items, M the largest absolute value in the
// liste_entiere) under which the written sums of squares of (x - p/q), q
// dividing n, are exact with a wide margin in 64 bits, whatever order they
// are brought to one quotient.
constexpr std::int64_t borne_variance = std::int64_t{1} << 60;

bool variance_sure(const std::vector<std::int64_t>& v) {
  std::int64_t m = 0;
  for (const std::int64_t x : v) m = std::max(m, x < 0 ? -x : x);
  Entier b = produit_verifie(m, m);
  for (int k = 0; k < 7 && b; ++k) b = produit_verifie(*b, static_cast<std::int64_t>(v.size()));
  return b && *b <= borne_variance;
}

// The variance of a liste_entiere: with the mean p/q of the integers, the
// sum of the (q*x - p)^2 over q^2 * n, and over the square of the scale.
std::optional<std::string> variance_entiere(const Textes& items) {
  if (!chemins_rapides_actifs() || etat_profondeur.depassement) return std::nullopt;
  const auto l = liste_entiere(items);
  if (!l || !variance_sure(l->valeurs)) return std::nullopt;
  const auto n = static_cast<std::int64_t>(l->valeurs.size());
  const std::int64_t s = somme_de(l->valeurs);
  const std::int64_t g = std::abs(pgcd(s, n));
  const std::int64_t p = s / g;
  const std::int64_t q = n / g;
  std::int64_t carres = 0;
  for (const std::int64_t x : l->valeurs) carres += (q * x - p) * (q * x - p);
  return quotient_entier_ecrit(carres, q * q * n * l->echelle * l->echelle);
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
  if (!items) return erreur_liste;
  if (auto r = moyenne_entiere(*items)) return *r;
  return sous_garde([&] { return moyenne_de(*items); });
}

std::string variance(const std::string& liste) {
  const auto items = elements(liste);
  if (!items) return erreur_liste;
  if (auto r = variance_entiere(*items)) return *r;
  return sous_garde([&] { return variance_de(*items); });
}

std::string ecart_type(const std::string& liste) {
  const std::string v = variance(liste);
  return v == erreur_liste ? v : "sqrt(" + v + ")";
}
