// The name pi is drawn as the Greek letter, its two characters kept as
// hidden cells.
#include "formula/balises.h"
#include "formula/mise_en_forme.h"

LigneFormule disposer_pi(const Contexte& c, const Morceau& m, int x, int y) {
  LigneFormule l = disposer_atome(c, m, x, y);
  for (auto& cellule : l->cellules) cellule.cache = true;
  const int droite_p = l->cellules.front().droite;
  Tpolice symbole = c.police;
  symbole.nom = "Symbol";
  // In the colour of its characters: green among coloured constants.
  symbole.couleur = l->cellules.front().couleur;
  l->ajouter_objet(std::string("texte;") + symboles[6], {{x, y}}, symbole);
  l->droite = droite_p;
  return l;
}
