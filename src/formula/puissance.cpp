// A power: the base, then the exponent raised by a quarter of the height of
// a reduced font. The exponent keeps the full size: only the raise uses the
// reduced one.
#include "engine/expression.h"
#include "engine/parentheses.h"
#include "formula/mise_en_forme.h"
#include "platform/canevas.h"

LigneFormule disposer_puissance(const Contexte& c, const Morceau& m, const expression& e, int x, int y) {
  const auto chapeau = static_cast<std::size_t>(e.position - 1);
  Morceau base = m.partie(0, chapeau);
  Morceau exposant = m.partie(chapeau + 1);
  base.enlever_delimiteurs("()");
  exposant.enlever_delimiteurs("()");

  LigneFormule b = sous_formule(c, base, x, y);
  if (besoin_parentheses(base.texte, exposant.texte, "^") >= 10) b->entourer(c.police, "()", false);
  b->ajouter_caractere(-1, "^", b->droite, y, b->droite, true, false, nom_police(c.police), taille_cellule_operateur,
                       c.police.couleur, c.police.style);
  b->cellules.back().indice_source = m.origine.indice(chapeau);

  Tpolice reduite = c.police;
  reduite.taille = arrondi(facteur_reduction * b->cellules.front().taille);
  const int h = hauteur_texte(c.canevas(), reduite);
  const int q = h / 4;
  LigneFormule exp;
  if (est_atome_simple(exposant.texte)) {
    exp = disposer_atome(c, exposant, b->droite, b->haut - q);
  } else {
    exp = sous_formule(c, exposant, b->droite, y);
    if (exp->bas - exp->haut != h) {
      exp->deplacer(0, hauteur_texte(c.canevas(), c.police) + (b->haut - exp->bas) - q);
    } else {
      exp->deplacer(0, -q);
    }
    exp->ajouter_parentheses_cachees(c.police, 1);
  }
  b->concatener(*exp);
  return b;
}
