#include "formula/selection.h"

#include <algorithm>

#include "formula/balises.h"

namespace {

// Binary search over items laid out in order along one axis: the item whose
// span strictly contains the coordinate, -1 when none.
template <typename Contient, typename Fin>
int chercher(int nombre, int coordonnee, Contient contient, Fin fin) {
  if (nombre <= 0) return -1;
  int bas = 0;
  int haut = nombre - 1;
  int precedente = -1;
  while (true) {
    if (haut == bas) return contient(haut) ? haut : -1;
    if (haut - bas == 1) {
      // Both neighbours are candidates; one of them may have been probed.
      if (bas != precedente && contient(bas)) return bas;
      if (haut != precedente && contient(haut)) return haut;
      return -1;
    }
    const int sonde = bas + (haut - bas) / 2;
    if (contient(sonde)) return sonde;
    if (coordonnee <= fin(sonde)) {
      haut = sonde;
    } else {
      bas = sonde;
    }
    precedente = sonde;
  }
}

const Tligne& ligne_numero(const LignesPage& lignes, int l) { return *lignes[static_cast<std::size_t>(l)]; }

}  // namespace

int ligne_en(const LignesPage& lignes, int y) {
  return chercher(
      static_cast<int>(lignes.size()), y,
      [&](int k) { return ligne_numero(lignes, k).haut < y && y < ligne_numero(lignes, k).bas; },
      [&](int k) { return ligne_numero(lignes, k).bas; });
}

Tposition cellule_en(const LignesPage& lignes, int x, int y) {
  const int l = ligne_en(lignes, y);
  if (l < 0) return {};
  const auto& cellules = ligne_numero(lignes, l).cellules;
  const auto contient = [&](int k) {
    const Tcellule& c = cellules[static_cast<std::size_t>(k)];
    return c.gauche < x && x < c.droite;
  };
  int c = chercher(static_cast<int>(cellules.size()), x, contient,
                   [&](int k) { return cellules[static_cast<std::size_t>(k)].droite; });
  // A hidden cell overlaps the visible one before it: that one is meant.
  while (c >= 0 && cellules[static_cast<std::size_t>(c)].cache) --c;
  if (c >= 0 && !contient(c)) c = -1;
  return {l, c};
}

const Tcellule* cellule_a(const LignesPage& lignes, Tposition p) {
  if (p.ligne < 0 || static_cast<std::size_t>(p.ligne) >= lignes.size()) return nullptr;
  const auto& cellules = ligne_numero(lignes, p.ligne).cellules;
  if (p.cellule < 0 || static_cast<std::size_t>(p.cellule) >= cellules.size()) return nullptr;
  return &cellules[static_cast<std::size_t>(p.cellule)];
}

Tposition position_cellule(const LignesPage& lignes, int index) {
  if (index < 0) return {};
  for (std::size_t l = 0; l < lignes.size(); ++l) {
    const auto& cellules = lignes[l]->cellules;
    for (std::size_t c = 0; c < cellules.size(); ++c) {
      if (cellules[c].indice_source == index) return {static_cast<int>(l), static_cast<int>(c)};
    }
  }
  return {};
}

int indice_source(const LignesPage& lignes, Tposition p) {
  if (p.ligne < 0) return 0;
  const Tcellule* k = cellule_a(lignes, p);
  return k != nullptr ? k->indice_source : -1;
}

std::optional<Trectangle> rectangle_curseur(const LignesPage& lignes, Tposition p) {
  const Tcellule* k = cellule_a(lignes, p);
  if (k == nullptr) return std::nullopt;
  const Tligne& ligne = ligne_numero(lignes, p.ligne);
  return Trectangle{k->gauche, ligne.haut, k->gauche + 2, ligne.bas - 1};
}

std::optional<Trectangle> rectangle_selection(const LignesPage& lignes, Tposition ancre, Tposition fin) {
  const Tcellule* a = cellule_a(lignes, ancre);
  const Tcellule* b = cellule_a(lignes, fin);
  if (a == nullptr || b == nullptr) return std::nullopt;
  return Trectangle{a->gauche, ligne_numero(lignes, ancre.ligne).haut, b->droite,
                    ligne_numero(lignes, fin.ligne).bas - 1};
}

std::optional<Trectangle> rectangle_ligne(const LignesPage& lignes, int l, int largeur) {
  if (l < 0 || static_cast<std::size_t>(l) >= lignes.size()) return std::nullopt;
  const Tligne& ligne = ligne_numero(lignes, l);
  return Trectangle{0, ligne.haut, largeur, ligne.bas - 1};
}

TexteSelectionne texte_entre(const LignesPage& lignes, Tposition ancre, Tposition fin, bool avec_balises) {
  TexteSelectionne selection;
  if (cellule_a(lignes, ancre) == nullptr || cellule_a(lignes, fin) == nullptr || ancre.ligne != fin.ligne) {
    return selection;
  }
  const auto& cellules = ligne_numero(lignes, ancre.ligne).cellules;
  // Dragging to the left selects the same characters as dragging right.
  const int premiere = std::min(ancre.cellule, fin.cellule);
  const int derniere = std::max(ancre.cellule, fin.cellule);
  for (int k = premiere; k <= derniere; ++k) {
    const Tcellule& c = cellules[static_cast<std::size_t>(k)];
    selection.source += c.caractere;
    if (avec_balises || !c.balise) selection.texte += c.caractere;
  }
  return selection;
}

std::optional<std::pair<int, int>> bornes_selection(const LignesPage& lignes, std::size_t taille_source,
                                                    Tposition ancre, Tposition fin) {
  if (cellule_a(lignes, ancre) == nullptr || cellule_a(lignes, fin) == nullptr) return std::nullopt;
  int a = indice_source(lignes, ancre);
  int b = indice_source(lignes, fin);
  if (a < 0 || b < 0) return std::nullopt;
  if (a > b) std::swap(a, b);
  if (static_cast<std::size_t>(b) >= taille_source) return std::nullopt;
  return std::pair{a, b};
}

std::string baliser(std::string_view source, std::pair<int, int> bornes, std::string_view ouvrante,
                    std::string_view fermante, const std::vector<int>& types) {
  const auto [a, b] = bornes;
  const std::vector<bool> masque = masque_balises(source);
  std::string garde;
  std::string tag;
  for (int k = a; k <= b; ++k) {
    const char c = source[static_cast<std::size_t>(k)];
    if (!masque[static_cast<std::size_t>(k)]) {
      garde += tag;
      tag.clear();
      garde += c;
      continue;
    }
    tag += c;
    if (!termine_une_balise(c)) continue;
    if (std::find(types.begin(), types.end(), type_balise(tag)) == types.end()) garde += tag;
    tag.clear();
  }
  garde += tag;
  std::string resultat(source.substr(0, static_cast<std::size_t>(a)));
  resultat += ouvrante;
  resultat += garde;
  resultat += fermante;
  resultat += source.substr(static_cast<std::size_t>(b) + 1);
  return resultat;
}
