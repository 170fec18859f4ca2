// A quotient: the numerator above a bar, the denominator below, both
// centred on the bar; a bar over a quotient is made longer so that the main
// one stands out.
#include <algorithm>

#include "engine/expression.h"
#include "formula/mise_en_forme.h"

namespace {

bool est_quotient(const std::string& texte) { return expression(texte).operateur == "/"; }

}  // namespace

LigneFormule disposer_fraction(const Contexte& c, const Morceau& m, const expression& e, int x, int y) {
  Morceau texte = m;
  texte.enlever_delimiteurs("()");
  const expression quotient = texte.texte == m.texte ? e : expression(texte.texte);
  const auto barre_oblique = static_cast<std::size_t>(quotient.position - 1);
  Morceau numerateur = texte.partie(0, barre_oblique);
  Morceau denominateur = texte.partie(barre_oblique + 1);
  const int paires_num = numerateur.enlever_delimiteurs("()");
  const int paires_den = denominateur.enlever_delimiteurs("()");
  Canevas* canevas = c.canevas();
  const int g = hauteur_texte(canevas, c.police) / 2;

  LigneFormule n;
  if (est_atome_simple(numerateur.texte)) {
    n = disposer_atome(c, numerateur, x, y - g);
  } else {
    n = sous_formule(c, numerateur, x, y);
    n->deplacer(0, y + g - n->bas);
  }
  n->ajouter_parentheses_cachees(c.police, paires_num);
  LigneFormule d;
  if (est_atome_simple(denominateur.texte)) {
    d = disposer_atome(c, denominateur, x, y + g);
  } else {
    d = sous_formule(c, denominateur, x, y);
    d->deplacer(0, y - std::min(d->haut, y) + g);
  }
  d->ajouter_parentheses_cachees(c.police, paires_den);

  long long w = static_cast<long long>(std::max(n->droite, d->droite)) - std::min(n->gauche, d->gauche);
  if (est_quotient(numerateur.texte) || est_quotient(denominateur.texte)) {
    w += 4LL * largeur_texte(canevas, c.police, " ");
  }
  const int barre = std::max(n->bas, y);
  // Centred from x: a part that does not start at x (a negated term starts
  // after its minus's gap) would otherwise stick out past the bar.
  const auto centrage = [&](const Tligne& part) {
    const long long largeur_part = static_cast<long long>(part.droite) - part.gauche;
    return borner(static_cast<long long>(x) - part.gauche + (w - largeur_part) / 2);
  };
  n->deplacer(centrage(*n), 0);
  d->deplacer(centrage(*d), 0);
  const int droite_barre = decaler(x, w);
  // The "/" stays as a hidden cell with a right edge of 0: hit testing
  // never finds it.
  n->ajouter_caractere(-1, "/", x, barre, 0, true, false, nom_police(c.police), taille_cellule_operateur,
                       c.police.couleur, c.police.style);
  n->cellules.back().indice_source = texte.origine.indice(barre_oblique);
  n->ajouter_objet("ligne", {{x, barre}, {droite_barre, barre}}, c.police);
  n->concatener(*d);
  n->droite = droite_barre;
  return n;
}
