// Brackets around a laid-out line, and hiding a line's cells.
#include <algorithm>
#include <climits>
#include <cmath>

#include "formula/mise_en_forme.h"
#include "platform/canevas.h"

void Tligne::entourer(const Tpolice& police, std::string_view paire, bool invisible) {
  // A line whose box was emptied has no edge to put brackets on; the layout
  // never wraps one.
  if (paire.size() < 2 || boite_videe()) return;
  const std::string ouvrante(1, paire[0]);
  const std::string fermante(1, paire[1]);
  // Invisible brackets take no width: the opening one sits at the line's
  // left, the closing one at its right. Otherwise a hidden ")" would push an
  // overbar or a fraction bar past the text.
  const int w = invisible ? 0 : largeur_texte(canevas, police, ouvrante);
  const int w_fermante = invisible ? 0 : largeur_texte(canevas, police, fermante);
  deplacer(w, 0);
  const std::string& nom = nom_police(police);
  const int taille = taille_police(police);
  const int g = gauche;
  ajouter_caractere(0, ouvrante, g - w, haut, g, invisible, false, nom, taille, police.couleur, police.style);
  const int d = droite;
  ajouter_caractere(-1, fermante, d, haut, d + w_fermante, invisible, false, nom, taille, police.couleur,
                    police.style);
  if (invisible || hauteur_texte(canevas, police) >= bas - haut) return;

  // Taller than a bracket: two arcs as high as the line instead.
  cellules.front().cache = true;
  cellules.back().cache = true;
  const int gauche_ligne = gauche;
  const int droite_ligne = droite;
  const int h = haut;
  const int b = bas;
  const long long hauteur = static_cast<long long>(b) - h;
  const double proportionnel = std::nearbyint(static_cast<double>(hauteur) * bombement_crochets);
  const int bombement = static_cast<int>(std::min(proportionnel, static_cast<double>(bombement_maximal)));
  const int haut_arc = decaler(h, -bombement);
  const int bas_arc = decaler(b, bombement);
  ajouter_objet("arc",
                {{gauche_ligne, haut_arc},
                 {decaler(gauche_ligne, largeur_arc), bas_arc},
                 {gauche_ligne, h},
                 {gauche_ligne, b}},
                police);
  ajouter_objet("arc",
                {{decaler(droite_ligne, -largeur_arc), haut_arc},
                 {droite_ligne, bas_arc},
                 {droite_ligne, b},
                 {droite_ligne, h}},
                police);
}

void Tligne::ajouter_parentheses_cachees(const Tpolice& police, int nombre) {
  if (nombre <= 0 || boite_videe()) return;
  entourer(police, "()", true);
  if (nombre == 1) return;
  // Pairs of invisible brackets are all alike: the others are copies, put
  // in at once (a formula may strip thousands of pairs).
  const auto n = static_cast<std::size_t>(nombre - 1);
  const Tcellule ouvrante = cellules.front();
  const Tcellule fermante = cellules.back();
  cellules.insert(cellules.begin(), n, ouvrante);
  cellules.insert(cellules.end(), n, fermante);
  texte.insert(0, n, '(');
  texte.append(n, ')');
}

void Tligne::masquer_cellules() {
  for (auto& c : cellules) c.cache = true;
  gauche = INT_MAX;
  haut = INT_MAX;
  droite = -INT_MAX;
  bas = -INT_MAX;
}

bool Tligne::boite_videe() const { return gauche == INT_MAX && droite == -INT_MAX; }

void Tligne::montrer_cellule(std::size_t index) {
  if (index >= cellules.size()) return;
  Tcellule& c = cellules[index];
  c.cache = false;
  const int hauteur = hauteur_texte(canevas, Tpolice{c.police, c.taille, c.couleur, c.style});
  if (boite_videe()) {
    gauche = c.gauche;
    haut = c.haut;
    droite = c.droite;
    bas = c.haut + hauteur;
  } else {
    etendre(c.gauche, c.haut, c.droite, c.haut + hauteur);
  }
}
