// A table, [[a;b];[c;d]]: rows of cells in a grid, every column as wide as
// the widest cell and followed by a gap, each cell centred in that width.
#include <algorithm>
#include <vector>

#include "formula/mise_en_forme.h"

namespace {

using Rangee = std::vector<LigneFormule>;

// Every cell laid out at (x, y); short rows are completed with empty cells
// so that every row has as many cells as the longest.
std::vector<Rangee> disposer_cases(const Contexte& c, const Morceau& m, int x, int y) {
  Morceau texte = m;
  texte.enlever_delimiteurs("[]");
  std::vector<Rangee> rangees;
  std::size_t colonnes = 0;
  for (Morceau rangee : texte.decouper(';')) {
    rangee.enlever_delimiteurs("[]");
    Rangee cases;
    for (const Morceau& case_ : rangee.decouper(';')) cases.push_back(sous_formule(c, case_, x, y));
    colonnes = std::max(colonnes, cases.size());
    rangees.push_back(std::move(cases));
  }
  for (Rangee& rangee : rangees) {
    while (rangee.size() < colonnes) rangee.push_back(ligne_vide(c, x, y));
  }
  return rangees;
}

}  // namespace

LigneFormule disposer_tableau(const Contexte& c, const Morceau& m, int x, int y) {
  std::vector<Rangee> rangees = disposer_cases(c, m, x, y);
  const std::size_t colonnes = rangees.front().size();

  int droite_max = x;
  for (const Rangee& rangee : rangees) {
    for (const LigneFormule& case_ : rangee) droite_max = std::max(droite_max, case_->droite);
  }
  const int largeur = std::max(droite_max - x, largeur_texte(c.canevas(), c.police, " "));
  // Sums of rows and columns in 64 bits, kept within the coordinate limit.
  const long long pas = static_cast<long long>(largeur) + ecart_colonnes;

  // Each row goes below the previous one, its highest cell at the row's
  // top; a row is as high as its cells reach above and below the formula's
  // top, so that no cell runs into the next row.
  std::vector<int> haut_rangee(rangees.size());
  std::vector<int> montee(rangees.size());
  long long haut_courant = y;
  for (std::size_t r = 0; r < rangees.size(); ++r) {
    int au_dessus = 0;
    int au_dessous = 0;
    for (const LigneFormule& case_ : rangees[r]) {
      au_dessus = std::max(au_dessus, y - case_->haut);
      au_dessous = std::max(au_dessous, case_->bas - y);
    }
    haut_rangee[r] = borner(haut_courant);
    montee[r] = borner(haut_courant - y + au_dessus);
    haut_courant = borner(haut_courant + au_dessus + au_dessous);
  }
  const int bas_tableau = borner(haut_courant);
  const int droite_tableau = borner(x + static_cast<long long>(colonnes) * pas);

  LigneFormule grille = ligne_vide(c, x, y);
  for (const int h : haut_rangee) grille->ajouter_objet("ligne", {{x, h}, {droite_tableau, h}}, c.police);
  grille->ajouter_objet("ligne", {{x, bas_tableau}, {droite_tableau, bas_tableau}}, c.police);
  for (std::size_t k = 0; k <= colonnes; ++k) {
    const int xk = borner(x + static_cast<long long>(k) * pas);
    grille->ajouter_objet("ligne", {{xk, y}, {xk, bas_tableau}}, c.police);
  }

  for (std::size_t r = 0; r < rangees.size(); ++r) {
    for (std::size_t k = 0; k < colonnes; ++k) {
      Tligne& case_ = *rangees[r][k];
      const int centrage = arrondi((droite_max - case_.droite) / 2.0);
      case_.deplacer(borner(centrage + static_cast<long long>(k) * pas), montee[r]);
      // The row reaches the right of its last column, gap included.
      if (k + 1 == colonnes) case_.droite = droite_tableau;
      grille->concatener(case_);
    }
  }
  return grille;
}
