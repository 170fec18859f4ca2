// A list or a relation: the text before its separator, the separator, a
// small gap, then the text after it; a list written in "[]" shows them.
#include "formula/mise_en_forme.h"

LigneFormule disposer_separation(const Contexte& c, const Morceau& m, int position, bool crochets, int x, int y) {
  const auto p = static_cast<std::size_t>(position - 1);
  LigneFormule l = sous_formule(c, m.partie(0, p), x, y);
  l->placer_caractere(std::string_view(m.texte).substr(p, 1), l->droite, y, c.police, false);
  l->cellules.back().indice_source = m.origine.indice(p);
  l->droite = decaler(l->droite, espace_separateur);
  l->concatener(*sous_formule(c, m.partie(p + 1), l->droite, y));
  if (crochets) l->entourer(c.police, "[]", false);
  return l;
}
