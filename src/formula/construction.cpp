// Tligne's constructor with a text: the formula is cleaned up (braces,
// missing brackets, enclosing brackets), then laid out by the routine of its
// kind of text.
#include <climits>

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/expression.h"
#include "engine/primitives.h"
#include "formula/mise_en_forme.h"
#include "platform/canevas.h"

int largeur_texte(Canevas* canevas, const Tpolice& police, std::string_view texte) {
  if (canevas == nullptr) return 0;
  Tligne::appliquer_police(*canevas, police);
  return canevas->TextWidth(texte);
}

int hauteur_texte(Canevas* canevas, const Tpolice& police) {
  if (canevas == nullptr) return 0;
  Tligne::appliquer_police(*canevas, police);
  return canevas->TextHeight(" ");
}

LigneFormule ligne_vide(const Contexte& c, int x, int y) {
  return std::make_unique<Tligne>(c.canevas_de_mesure, c.options, c.police, "", x, y);
}

LigneFormule sous_formule(const Contexte& c, const Morceau& m, int x, int y) {
  return std::make_unique<Tligne>(c.canevas_de_mesure, c.options, c.police, m.texte, x, y, m.origine,
                                  c.profondeur + 1);
}

bool est_atome_simple(const std::string& texte) {
  const expression e(texte);
  return e.type_operateur == TypeOperateur::aucun && e.position_liste == 0 && e.position_relation == 0 &&
         !est_appel_avec_arguments(texte) && !est_negatif(texte) && texte.find('_') == std::string::npos &&
         texte != "pi";
}

namespace {

LigneFormule disposer_selon_texte(const Contexte& c, const Morceau& m, const expression& e, int x, int y) {
  const std::string& t = m.texte;
  if (est_negatif(t) || (e.type_operateur >= TypeOperateur::plus && e.type_operateur <= TypeOperateur::fois)) {
    return disposer_chaine_infixe(c, m, e, x, y);
  }
  if (e.type_operateur == TypeOperateur::divise) return disposer_fraction(c, m, e, x, y);
  if (e.type_operateur == TypeOperateur::puissance) return disposer_puissance(c, m, e, x, y);
  if (est_appel_avec_arguments(t)) return disposer_fonction(c, m, x, y);
  // A "_" in first place is a plain character: splitting there would lay
  // the same text out again.
  const std::size_t souligne = t.find('_');
  if (souligne != std::string::npos && souligne >= 1) return disposer_indice(c, m, souligne, x, y);
  if (t == "pi") return disposer_pi(c, m, x, y);
  return disposer_atome(c, m, x, y);
}

// The brackets appended for the layout are not the pupil's: the last
// `nombre` cells ")" are hidden.
void cacher_parentheses_ajoutees(Tligne& l, int nombre) {
  int reste = nombre;
  for (auto it = l.cellules.rbegin(); it != l.cellules.rend() && reste > 0; ++it, --reste) {
    if (it->caractere == ")") it->cache = true;
  }
}

LigneFormule disposer_formule(const Contexte& c, Morceau m, int x, int y) {
  if (c.profondeur > profondeur_formule_maximale || m.texte.size() > longueur_formule_maximale) {
    return disposer_atome(c, m, x, y);
  }
  const bool accolades = m.texte.size() >= 2 && m.texte.front() == '{' && m.texte.back() == '}';
  if (accolades) m = m.partie(1, m.texte.size() - 2);
  const int manquantes = equilibre_parentheses(m.texte);
  if (manquantes > 0) m.texte.append(static_cast<std::size_t>(manquantes), ')');
  m.enlever_delimiteurs("()");
  const bool crochets = m.enlever_delimiteurs("[]") > 0;

  const expression e(m.texte);
  const int separateur = e.position_liste != 0 ? e.position_liste : e.position_relation;
  const int longueur = static_cast<int>(m.texte.size());
  LigneFormule r = separateur > 0 && (separateur > 1 || separateur < longueur)
                       ? disposer_separation(c, m, separateur, crochets, x, y)
                       : disposer_selon_texte(c, m, e, x, y);
  // A figure that draws nothing leaves only hidden cells: the line is then
  // the point where it was laid out.
  if (r->boite_videe()) {
    r->gauche = r->droite = x;
    r->haut = r->bas = y;
  }
  if (manquantes > 0) cacher_parentheses_ajoutees(*r, manquantes);
  if (accolades) r->entourer(c.police, "{}", true);
  return r;
}

}  // namespace

Tligne::Tligne(Canevas* canevas_, const OptionsFormules& options_, const Tpolice& police, std::string_view texte_,
               int x, int y)
    : Tligne(canevas_, options_, police, texte_, x, y, Origine::source(0, texte_.size()), 0) {}

Tligne::Tligne(Canevas* canevas_, const OptionsFormules& options_, const Tpolice& police, std::string_view texte_,
               int x, int y, const Origine& origine, int profondeur)
    : options(options_),
      canevas(canevas_),
      droite(x),
      bas(y),
      gauche(x),
      haut(y) {
  if (texte_.empty()) {
    if (canevas != nullptr) {
      canevas->police.nom = nom_police(Tpolice{});
      canevas->police.taille = taille_police(Tpolice{});
    }
    return;
  }
  const Contexte c{canevas_, options_, police, profondeur};
  LigneFormule resultat = disposer_formule(c, Morceau{std::string(texte_), origine}, x, y);
  reprendre(*resultat);
}

void Tligne::reprendre(Tligne& resultat) {
  // The result is thrown away: its cells are moved, not copied, which keeps
  // deeply nested formulas linear.
  cellules = std::move(resultat.cellules);
  objets = std::move(resultat.objets);
  texte = std::move(resultat.texte);
  droite = resultat.droite;
  bas = resultat.bas;
  gauche = resultat.gauche;
  haut = resultat.haut;
}
