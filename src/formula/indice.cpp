// Subscripts: "u_(n)" is u, then the call "_(n)" at its right, whose
// argument is lowered by half a line and drawn smaller.
#include "formula/mise_en_forme.h"

LigneFormule disposer_indice(const Contexte& c, const Morceau& m, std::size_t souligne, int x, int y) {
  LigneFormule l = sous_formule(c, m.partie(0, souligne), x, y);
  l->concatener(*sous_formule(c, m.partie(souligne), l->droite, y));
  return l;
}

LigneFormule disposer_appel_indice(const Contexte& c, const Morceau& argument, int x, int y) {
  // The drop is measured in the police's own font, before it is reduced.
  const int descente = arrondi(hauteur_texte(c.canevas(), c.police) / 2.0);
  Tpolice reduite = c.police;
  reduite.taille = arrondi(facteur_reduction * taille_police(c.police));
  LigneFormule l = sous_formule(c.avec_police(reduite), argument, x, y + descente);
  l->ajouter_parentheses_cachees(reduite, 1);
  return l;
}
