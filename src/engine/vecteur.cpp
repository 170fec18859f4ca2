#include "engine/vecteur.h"

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/developpement.h"
#include "engine/fractions.h"
#include "engine/operation.h"
#include "engine/profondeur.h"
#include "engine/radicaux.h"
#include "engine/regroupement.h"
#include "engine/valeurs_erreur.h"

Tvecteur Tvecteur::Create(std::string origine, std::string extremite, int dimension) {
  Tvecteur v;
  static_cast<Tpoint_&>(v) = Tpoint_::Create(origine + extremite, dimension);
  v.origine = std::move(origine);
  v.extremite = std::move(extremite);
  return v;
}

std::string Tvecteur::norme() const {
  return sous_garde([&] {
    std::string s;  // operation takes the empty text as the start of a sum
    for (const auto& c : coordonnees) s = regroupe_somme(developper(operation(operation(c, "2", "^"), s, "+")));
    // 0 + "" is "" for operation: a zero vector leaves the sum empty.
    return racine_simplifiee(s.empty() ? "0" : fraction_des_nombres(s));
  });
}

std::optional<Tvecteur> lire_vecteur(const std::string& t) {
  const std::vector<std::string> items = decoupe(t, ';');
  if (items.size() != 2 && items.size() != 3) return std::nullopt;
  for (const auto& nom : items) {
    if (nom.empty()) return std::nullopt;
  }
  auto coordonnees = elements_entre_crochets(items.back());
  if (!coordonnees) return std::nullopt;
  const int dimension = static_cast<int>(coordonnees->size());
  // Two items name the vector itself; three name its end points.
  Tvecteur v =
      items.size() == 3 ? Tvecteur::Create(items[0], items[1], dimension) : Tvecteur::Create("", "", dimension);
  if (items.size() == 2) v.nom = items[0];
  v.coordonnees = std::move(*coordonnees);
  return v;
}

std::string produit_scalaire(const Tvecteur& u, const Tvecteur& v) {
  if (u.coordonnees.size() != v.coordonnees.size()) {
    return valeur_erreur(textes_fixes().dimension_incompatible);
  }
  return sous_garde([&] {
    std::string somme;
    for (std::size_t i = 0; i < u.coordonnees.size(); ++i) {
      somme = operation(somme, developper(operation(u.coordonnees[i], v.coordonnees[i], "*")), "+");
    }
    // The collection keeps exact and decimal numbers apart: 1+0.5 becomes 3/2.
    return fraction_des_nombres(regroupe_somme(somme));
  });
}
