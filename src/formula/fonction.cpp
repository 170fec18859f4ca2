// Calls of the function table. Most names are hidden and stand for a
// drawing: a raised exponent for exp, a radical, an integral sign, an arrow,
// a subscript, a table, a figure, an error message; any other call shows its
// name and its bracketed arguments.
#include "engine/appel_fonction.h"
#include "engine/expression.h"
#include "engine/lignes_predefinies.h"
#include "formula/balises.h"
#include "formula/mise_en_forme.h"

namespace {

// A row with no drawing of its own: shown as its name and bracketed arguments.
constexpr int id_appel_ordinaire = id_de(Ligne::cos);

constexpr TColor rouge_fonction = 0x0000FF;
constexpr TColor noir = 0x000000;

struct Appel {
  Morceau nom;        // the characters before the first "("
  Morceau argument;   // the rest, brackets included
  Morceau interieur;  // the argument without its enclosing brackets
  std::vector<std::string> arguments;
  int id = 0;
};

Appel lire_appel(const Morceau& m) {
  Appel a;
  const std::size_t ouvrante = m.texte.find('(');
  a.nom = m.partie(0, ouvrante);
  a.argument = m.partie(ouvrante);
  a.interieur = a.argument.partie(1, a.argument.texte.size() >= 2 ? a.argument.texte.size() - 2 : 0);
  a.id = reconnait_fonction(m.texte, a.arguments);
  if (a.id == Ligne::vecteur && !a.arguments.empty() && a.arguments.front().starts_with('[')) a.id = id_appel_ordinaire;
  return a;
}

// The name laid out and hidden: its cells stay for the page editor.
LigneFormule nom_cache(const Contexte& c, const Appel& a, int x, int y) {
  LigneFormule l = disposer_atome(c, a.nom, x, y);
  l->masquer_cellules();
  return l;
}

// The argument laid out by `disposer` between invisible brackets, after
// the hidden name.
template <typename Disposer>
LigneFormule nom_et_argument(const Contexte& c, const Appel& a, int x, int y, Disposer disposer) {
  LigneFormule l = nom_cache(c, a, x, y);
  LigneFormule argument = disposer(l->cellules.empty() ? x : l->cellules.front().droite);
  argument->ajouter_parentheses_cachees(c.police, 1);
  l->concatener(*argument);
  return l;
}

LigneFormule disposer_exp(const Contexte& c, const Appel& a, int x, int y) {
  LigneFormule l = nom_cache(c, a, x, y);
  l->montrer_cellule(0);
  const Morceau puissance{"^" + a.argument.texte, a.argument.origine.avec_prefixe(1)};
  LigneFormule p = disposer_puissance(c, puissance, expression(puissance.texte), l->cellules.front().droite, y);
  // The hidden "^" of the empty base goes: only e and its exponent remain.
  p->cellules.erase(p->cellules.begin());
  p->texte.erase(0, 1);
  if (!p->texte.starts_with('(')) p->ajouter_parentheses_cachees(c.police, 1);
  l->concatener(*p);
  return l;
}

LigneFormule disposer_sqrt(const Contexte& c, const Appel& a, int x, int y) {
  LigneFormule l = nom_cache(c, a, x, y);
  const int r = l->cellules.front().droite;
  const int w = r - x;
  LigneFormule argument = sous_formule(c, a.interieur, r, y);
  argument->ajouter_parentheses_cachees(c.police, 1);
  const int haut = argument->haut + 2;
  const int creux_x = x + arrondi(w / 2.0);
  const int creux_y = argument->bas - 3;
  l->ajouter_objet("ligne", {{x, haut}, {creux_x, creux_y}}, c.police);
  l->ajouter_objet("ligne", {{creux_x, creux_y}, {x + w, haut}}, c.police);
  l->ajouter_objet("ligne", {{x + w, haut}, {argument->droite, haut}}, c.police);
  l->concatener(*argument);
  return l;
}

// Position of the first ";" outside brackets, npos when none.
std::size_t premier_separateur(const std::string& texte) {
  int profondeur = 0;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const char ch = texte[i];
    if (ch == '(' || ch == '[') ++profondeur;
    if (ch == ')' || ch == ']') --profondeur;
    if (ch == ';' && profondeur == 0) return i;
  }
  return std::string::npos;
}

// The cell of the separator between the integrand and the variable.
std::size_t cellule_separateur(const Tligne& l, const Appel& a) {
  Morceau liste = a.argument;
  liste.enlever_delimiteurs("()");
  const std::size_t p = premier_separateur(liste.texte);
  if (p == std::string::npos) return l.cellules.size();
  const int indice = liste.origine.indice(p);
  for (std::size_t k = 0; k < l.cellules.size(); ++k) {
    const Tcellule& cellule = l.cellules[k];
    if (indice >= 0 ? cellule.indice_source == indice : cellule.caractere == ";") return k;
  }
  return l.cellules.size();
}

LigneFormule disposer_integrer(const Contexte& c, const Appel& a, int x, int y) {
  LigneFormule l = nom_cache(c, a, x, y);
  LigneFormule argument = sous_formule(c, a.interieur, l->cellules.front().droite, y);
  argument->ajouter_parentheses_cachees(c.police, 1);
  const std::size_t separateur = cellule_separateur(*argument, a);
  for (std::size_t k = separateur; k < argument->cellules.size(); ++k) argument->cellules[k].cache = true;
  if (a.arguments.size() == 2 && separateur < argument->cellules.size()) {
    const std::string variable = " d" + a.arguments[1];
    // Where the separator was placed: the right of the integrand, whatever
    // its last cell (a quotient's last cells are its hidden "/" and its
    // denominator, both short of the bar's end).
    const int xv = argument->cellules[separateur].gauche;
    argument->ajouter_objet("texte;" + variable, {{xv, y}}, c.police);
    // The line ends with "dx": the hidden separator and variable leave no gap.
    argument->droite = decaler(xv, largeur_texte(c.canevas(), c.police, variable));
  }
  l->concatener(*argument);
  Tpolice symbole = c.police;
  symbole.nom = "Symbol";
  const std::string integrale(1, symboles[3]);
  l->deplacer(largeur_texte(c.canevas(), symbole, integrale), 0);
  l->ajouter_objet("texte;" + integrale, {{x, y}}, symbole);
  return l;
}

LigneFormule disposer_vecteur(const Contexte& c, const Appel& a, int x, int y) {
  LigneFormule l = nom_cache(c, a, x, y);
  LigneFormule v = sous_formule(c, a.interieur, x, y);
  v->ajouter_parentheses_cachees(c.police, 1);
  v->ajouter_objet("ligne", {{v->gauche, v->haut - 2}, {v->droite, v->haut - 2}}, c.police);
  // The head starts from the box as grown by the bar.
  const int xa = v->droite;
  const int ya = v->haut;
  v->ajouter_objet("ligne", {{xa, ya}, {xa - 8, ya + 4}}, c.police);
  v->ajouter_objet("ligne", {{xa, ya}, {xa - 8, ya - 4}}, c.police);
  l->concatener(*v);
  return l;
}

LigneFormule disposer_figure(const Contexte& c, const Appel& a, int x, int y) {
  LigneFormule l = nom_cache(c, a, x, y);
  LigneFormule figure = disposer_atome(c, a.interieur, x, y);
  figure->ajouter_parentheses_cachees(c.police, 1);
  figure->masquer_cellules();
  ajouter_figure(c, *figure, a.interieur.texte);
  l->concatener(*figure);
  return l;
}

LigneFormule disposer_appel_ordinaire(const Contexte& c, const Appel& a, int x, int y) {
  Tpolice police_nom = c.police;
  police_nom.couleur = c.fonctions_en_rouge() ? rouge_fonction : noir;
  LigneFormule l = disposer_atome(c.avec_police(police_nom), a.nom, x, y);
  Tpolice police_arguments = c.police;
  police_arguments.couleur = noir;
  const Contexte arguments = c.avec_police(police_arguments);
  LigneFormule argument = sous_formule(arguments, a.interieur, l->droite, y);
  argument->entourer(police_arguments, "()", false);
  l->concatener(*argument);
  return l;
}

}  // namespace

LigneFormule disposer_fonction(const Contexte& c, const Morceau& m, int x, int y) {
  const Appel a = lire_appel(m);
  // Only calls of known rows come here; anything else stays visible text.
  if (a.id <= 0) return ligne_vide(c, x, y);
  switch (a.id) {
    case id_de(Ligne::exp): return disposer_exp(c, a, x, y);
    case id_de(Ligne::sqrt): return disposer_sqrt(c, a, x, y);
    case id_de(Ligne::integrer): return disposer_integrer(c, a, x, y);
    case id_de(Ligne::vecteur): return disposer_vecteur(c, a, x, y);
    case id_de(Ligne::_): {  // a subscript
      LigneFormule l = nom_cache(c, a, x, y);
      l->concatener(*disposer_appel_indice(c, a.interieur, x, y));
      return l;
    }
    case id_de(Ligne::affiche):
      return nom_et_argument(c, a, x, y, [&](int r) { return disposer_tableau(c, a.interieur, r, y); });
    case id_de(Ligne::insere_figure): return disposer_figure(c, a, x, y);
    case id_de(Ligne::erreur):
      // The message is free text, shown exactly as written.
      return nom_et_argument(c, a, x, y, [&](int) { return disposer_atome(c, a.interieur, x, y); });
    default: return disposer_appel_ordinaire(c, a, x, y);
  }
}
