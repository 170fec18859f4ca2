// A sum, a difference, a product or a negated term: left operand, operator,
// right operand, a quarter blank apart, each operand bracketed when the
// operator asks for it.
#include "engine/expression.h"
#include "engine/parentheses.h"
#include "engine/primitives.h"
#include "formula/mise_en_forme.h"

namespace {

LigneFormule disposer_operande(const Contexte& c, const Morceau& m, bool crochets, int x, int y) {
  if (est_atome_simple(m.texte)) return disposer_atome(c, m, x, y);
  LigneFormule l = sous_formule(c, m, x, y);
  if (crochets) l->entourer(c.police, "()", false);
  return l;
}

}  // namespace

LigneFormule disposer_chaine_infixe(const Contexte& c, const Morceau& m, const expression& e, int x, int y) {
  Morceau gauche;
  Morceau droite;
  std::size_t position_operateur = 0;
  std::string operateur;
  if (est_negatif(m.texte)) {
    gauche = m.partie(0, 0);
    operateur = "-";
    droite = m.partie(1);
  } else {
    position_operateur = static_cast<std::size_t>(e.position - 1);
    operateur = e.operateur;
    gauche = m.partie(0, position_operateur);
    droite = m.partie(position_operateur + 1);
  }
  gauche.enlever_delimiteurs("()");
  droite.enlever_delimiteurs("()");
  const int besoin = besoin_parentheses(gauche.texte, droite.texte, operateur);
  const int s = largeur_texte(c.canevas(), c.police, " ") / 4;

  LigneFormule l = disposer_operande(c, gauche, besoin >= 10, x, y);
  l->droite = decaler(l->droite, s);
  l->concatener(*disposer_atome(c, m.partie(position_operateur, 1), decaler(l->droite, s), y));
  l->droite = decaler(l->droite, s);
  l->concatener(*disposer_operande(c, droite, besoin % 10 == 1, l->droite, y));
  return l;
}
