#pragma once
// Page layout: a text of mark-up cut into lines at a given width, each line
// aligned and stacked under the previous one, with the links of the page.
// Text is measured on a canvas; no widget is involved.

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "formula/ligne.h"

// A page is laid out up to this many characters of its text, far beyond
// any school text; the rest is dropped before any work and a last line shows
// the mark of a cut, so that the time and memory a page takes stay bounded.
inline constexpr std::size_t longueur_page_maximale = 20000;
// The mark of a cut page, "[...]" with the ellipsis character.
inline constexpr std::string_view marque_de_coupure = "[\x85]";

// What a page is laid out with besides its text.
struct CadrePage {
  Canevas* canevas = nullptr;  // measures the text (nullptr: nothing has a size)
  OptionsFormules options;
  Tpolice police;
  int largeur = 0;  // lines break after their last blank that fits
  int x0 = 0;       // where the first line starts
  int y0 = 0;
};

struct PageDisposee {
  std::vector<std::unique_ptr<Tligne>> lignes;
  std::vector<Tlien> liens;
  // One flag per source character: true for mark-up.
  std::vector<bool> masque_balises;
  // The width asked for, or the right of the widest line when a word did not
  // fit in it.
  int largeur = 0;
};

// Every character of the source, tags included, gets one cell, except those
// of a formula (the cells of its layout, wrapped in two hidden braces) and
// those past the length bound (the cells of the mark have no source). A
// line breaks only after a blank or at a forced break ("<BR>", the line-break
// character, the end of the text); the characters after the break are laid
// out again on the next line from the state they had there.
PageDisposee mettre_en_page(std::string_view source, const CadrePage& cadre);
