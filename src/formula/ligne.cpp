#include "formula/ligne.h"

#include <algorithm>
#include <cmath>

#include "formula/balises.h"
#include "platform/canevas.h"

namespace {

const std::string police_par_defaut = "MS Sans Serif";

}  // namespace

const std::string& nom_police(const Tpolice& police) { return police.nom.empty() ? police_par_defaut : police.nom; }

int taille_police(const Tpolice& police) { return police.taille <= 0 ? 14 : police.taille; }

void Tligne::Assign(const Tligne& source) {
  if (&source == this) return;
  cellules = source.cellules;
  options = source.options;
  alignement = source.alignement;
  objets = source.objets;
  droite = source.droite;
  bas = source.bas;
  gauche = source.gauche;
  haut = source.haut;
  texte = source.texte;
}

void Tligne::appliquer_police(Canevas& c, const Tpolice& police) {
  c.police.nom = nom_police(police);
  c.police.taille = taille_police(police);
  c.police.couleur = police.couleur;
  c.police.style = police.style;
  c.couleur_crayon = police.couleur;
}

void Tligne::appliquer_police(const Tpolice& police) {
  if (canevas != nullptr) appliquer_police(*canevas, police);
}

void Tligne::etendre(int g, int h, int d, int b) {
  gauche = std::min(gauche, g);
  haut = std::min(haut, h);
  droite = std::max(droite, d);
  bas = std::max(bas, b);
}

void Tligne::ajouter_caractere(int index, std::string_view caractere, int g, int h, int d, bool cache, bool balise,
                               const std::string& police, int taille, TColor couleur, std::uint8_t style) {
  const bool premiere = vide();
  int hauteur = 0;
  if (canevas != nullptr) {
    canevas->police.taille = taille;
    canevas->police.style = style;
    canevas->police.nom = police;
    hauteur = canevas->TextHeight(" ");
  }
  g = borner(g);
  h = borner(h);
  d = borner(d);
  Tcellule cellule;
  cellule.caractere = std::string(caractere.substr(0, 1));
  cellule.balise = balise;
  cellule.cache = cache;
  cellule.gauche = g;
  cellule.haut = h;
  cellule.droite = d;
  cellule.police = police;
  cellule.taille = taille;
  cellule.couleur = couleur;
  cellule.style = style;
  if (index < 0 || static_cast<std::size_t>(index) >= cellules.size()) {
    texte += cellule.caractere;
    cellules.push_back(std::move(cellule));
  } else {
    // The text holds one byte per non-empty cell: its place is the number of
    // characters of the cells before.
    std::size_t position = 0;
    for (int k = 0; k < index; ++k) position += cellules[static_cast<std::size_t>(k)].caractere.size();
    texte.insert(position, cellule.caractere);
    cellules.insert(cellules.begin() + index, std::move(cellule));
  }
  if (premiere) {
    gauche = g;
    haut = h;
    droite = d;
    bas = h + hauteur;
  } else {
    etendre(g, h, d, h + hauteur);
  }
}

void Tligne::placer_caractere(std::string_view caractere, int x, int h, const Tpolice& police, bool balise) {
  appliquer_police(police);
  const std::string& nom = nom_police(police);
  const int taille = taille_police(police);
  if (caractere.empty()) {
    ajouter_caractere(-1, "", x, h, x, false, balise, nom, taille, police.couleur, police.style);
    return;
  }
  const char c = caractere[0];
  const bool cache = balise || c == saut_de_ligne || c == '{' || c == '}' || c == '\\';
  if (cache) {
    const int g = cellules.empty() ? x : cellules.back().gauche;
    const int d = cellules.empty() ? x : droite;
    ajouter_caractere(-1, caractere, g, h, d, true, balise, nom, taille, police.couleur, police.style);
    return;
  }
  if (cellules.empty()) {
    const int largeur = canevas != nullptr ? canevas->TextWidth(caractere.substr(0, 1)) : 0;
    ajouter_caractere(-1, caractere, x, h, x + largeur, false, balise, nom, taille, police.couleur, police.style);
    return;
  }
  const bool symbole = est_symbole(c) && cellules.back().caractere == "\\";
  const std::string nom_cellule = symbole ? "Symbol" : police_par_defaut;
  int largeur = 0;
  if (canevas != nullptr) {
    canevas->police.nom = nom_cellule;
    largeur = canevas->TextWidth(caractere.substr(0, 1));
  }
  const int g = droite;
  ajouter_caractere(-1, caractere, g, h, g + largeur, false, balise, nom_cellule, taille, police.couleur,
                    police.style);
}

void Tligne::deplacer(int dx, int dy) {
  if (!boite_videe()) {
    // A move never takes the box past the coordinate limit (a line beyond
    // it may still come back).
    const auto borne = [](int d, int debut, int fin) {
      const long long mini = std::min(0LL, -static_cast<long long>(coordonnee_limite) - debut);
      const long long maxi = std::max(0LL, static_cast<long long>(coordonnee_limite) - fin);
      return static_cast<int>(std::clamp<long long>(d, mini, maxi));
    };
    dx = borne(dx, gauche, droite);
    dy = borne(dy, haut, bas);
  }
  // A hidden cell may lie outside the box: every coordinate is kept within
  // the limit on its own.
  for (auto& c : cellules) {
    c.gauche = decaler(c.gauche, dx);
    c.droite = decaler(c.droite, dx);
    c.haut = decaler(c.haut, dy);
  }
  for (auto& o : objets) {
    for (int& x : o.x) x = decaler(x, dx);
    for (int& y : o.y) y = decaler(y, dy);
  }
  // An emptied box stays empty: it only ever enters unions.
  if (boite_videe()) return;
  gauche += dx;
  droite += dx;
  haut += dy;
  bas += dy;
}

void Tligne::concatener(const Tligne& autre) {
  const bool etait_vide = vide();
  texte += autre.texte;
  cellules.insert(cellules.end(), autre.cellules.begin(), autre.cellules.end());
  objets.insert(objets.end(), autre.objets.begin(), autre.objets.end());
  if (etait_vide) {
    gauche = autre.gauche;
    haut = autre.haut;
    droite = autre.droite;
    bas = autre.bas;
  } else {
    etendre(autre.gauche, autre.haut, autre.droite, autre.bas);
  }
}

void Tligne::aligner(int largeur) {
  if (alignement == 1) {
    deplacer(static_cast<int>(std::nearbyint((largeur - droite) / 2.0)), 0);
  } else if (alignement == 2) {
    deplacer(largeur - droite, 0);
  }
}

std::string Tligne::texte_affiche() const {
  std::string resultat;
  for (const auto& c : cellules) {
    if (!c.balise) resultat += c.caractere;
  }
  return resultat;
}

void Tligne::afficher(Canevas* cible) {
  Canevas* c = cible != nullptr ? cible : canevas;
  if (c == nullptr) return;
  // Consecutive visible cells in one font and at one height make one glyph
  // run: drawing cell by cell costs several times as much.
  std::vector<CaracterePlace> suite;
  int haut_suite = 0;
  PoliceCanevas police_suite;
  const auto vider = [&] {
    if (suite.empty()) return;
    const PoliceCanevas courante = c->police;
    c->police = police_suite;
    c->ecrire_caracteres(haut_suite, suite);
    c->police = courante;
    suite.clear();
  };
  for (const auto& cellule : cellules) {
    if (!cellule.police.empty()) c->police.nom = cellule.police;
    c->police.style = cellule.style;
    c->police.couleur = cellule.couleur;
    c->police.taille = cellule.taille;
    if (cellule.cache || cellule.caractere.empty()) continue;
    const bool meme_suite = !suite.empty() && haut_suite == cellule.haut && police_suite.nom == c->police.nom &&
                            police_suite.taille == c->police.taille && police_suite.style == c->police.style &&
                            police_suite.couleur == c->police.couleur;
    if (!meme_suite) {
      vider();
      police_suite = c->police;
      haut_suite = cellule.haut;
    }
    suite.push_back({cellule.gauche, cellule.caractere[0]});
  }
  vider();
  dessiner_objets(*c);
}

void Tligne::dessiner_objets(Canevas& c) {
  for (const auto& objet : objets) {
    if (objet.nature.find("texte") == std::string::npos) continue;
    const std::size_t separateur = objet.nature.find(';');
    if (separateur == std::string::npos || objet.x.empty() || objet.y.empty()) continue;
    const std::size_t fin = objet.nature.find(';', separateur + 1);
    const std::string texte_objet = objet.nature.substr(separateur + 1, fin == std::string::npos ? std::string::npos : fin - separateur - 1);
    c.police.taille = taille_police(objet.police);
    c.police.nom = nom_police(objet.police);
    c.TextOut(objet.x[0], objet.y[0], texte_objet);
  }
  for (const auto& objet : objets) {
    appliquer_police(c, objet.police);
    if (objet.nature == "ligne" && objet.x.size() >= 2 && objet.y.size() >= 2) {
      c.MoveTo(objet.x[0], objet.y[0]);
      c.LineTo(objet.x[1], objet.y[1]);
    } else if (objet.nature == "arc" && objet.x.size() >= 4 && objet.y.size() >= 4) {
      c.Arc(objet.x[0], objet.y[0], objet.x[1], objet.y[1], objet.x[2], objet.y[2], objet.x[3], objet.y[3]);
    }
  }
}

void Tligne::ajouter_objet(std::string_view nature, const std::vector<std::pair<int, int>>& points,
                           const Tpolice& police) {
  Tobjet_graphique objet;
  objet.nature = std::string(nature);
  objet.police = police;
  for (const auto& [x, y] : points) {
    const int px = borner(x);
    const int py = borner(y);
    objet.x.push_back(px);
    objet.y.push_back(py);
    etendre(px, py, px + 1, py + 1);
  }
  objets.push_back(std::move(objet));
}
