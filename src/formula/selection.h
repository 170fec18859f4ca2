#pragma once
// Hit testing, the caret and selections on the laid-out lines of a page, and
// the source edits of the page editor. These only compute: the page widget
// inverts the rectangles they give and keeps the selection.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formula/ligne.h"

// A place on the page: (line, cell); -1 means none.
struct Tposition {
  int ligne = -1;
  int cellule = -1;
  bool operator==(const Tposition&) const = default;
};

// A rectangle of pixels, right and bottom excluded; gauche -1 means none.
struct Trectangle {
  int gauche = -1;
  int haut = -1;
  int droite = -1;
  int bas = -1;
  bool operator==(const Trectangle&) const = default;
};

using LignesPage = std::vector<std::unique_ptr<Tligne>>;

// The line strictly containing y, -1 when none (a boundary pixel is none).
int ligne_en(const LignesPage& lignes, int y);
// The visible cell strictly containing (x, y); cellule -1 when none.
Tposition cellule_en(const LignesPage& lignes, int x, int y);
// The cell at a place, nullptr when there is none.
const Tcellule* cellule_a(const LignesPage& lignes, Tposition p);
// Source index <-> cell; -1 (or (-1, -1)) when there is none, and index 0
// for line -1.
Tposition position_cellule(const LignesPage& lignes, int index);
int indice_source(const LignesPage& lignes, Tposition p);

// The caret before a cell: two pixels wide, as high as its line less one.
std::optional<Trectangle> rectangle_curseur(const LignesPage& lignes, Tposition p);
// From the anchor cell's left and line top to the end cell's right and line
// bottom less one.
std::optional<Trectangle> rectangle_selection(const LignesPage& lignes, Tposition ancre, Tposition fin);
// A whole line across a page that wide.
std::optional<Trectangle> rectangle_ligne(const LignesPage& lignes, int ligne, int largeur);

struct TexteSelectionne {
  std::string source;  // every character
  std::string texte;   // without the mark-up, unless it was asked for
};
// The characters from the anchor's cell to the end's, in either order, when
// both are cells of one line; nothing otherwise.
TexteSelectionne texte_entre(const LignesPage& lignes, Tposition ancre, Tposition fin, bool avec_balises);

// The first and last source indices under the selection, in order; none when
// either end lies outside the text.
std::optional<std::pair<int, int>> bornes_selection(const LignesPage& lignes, std::size_t taille_source,
                                                    Tposition ancre, Tposition fin);
// The source with the characters of `bornes` (both included) wrapped in a
// tag pair, the tags of the given kinds among them dropped.
std::string baliser(std::string_view source, std::pair<int, int> bornes, std::string_view ouvrante,
                    std::string_view fermante, const std::vector<int>& types);
