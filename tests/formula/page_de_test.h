#pragma once
// Pages for the renderer's tests: laid out alone, or on an off-screen image.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/fonctions_usuelles.h"
#include "engine/traduction_fonctions.h"
#include "formula/formule.h"
#include "formula/mise_en_page.h"
#include "localisation/choix_langue.h"
#include "platform/canevas.h"
#include "platform/image_hote.h"

// The function and constants tables in a language (1 English, 0 French), as
// the program builds them at start-up: formulas read calls and constants in
// them.
inline void preparer_tables(int langue) {
  demarrer_moteur(langue);
}

// The font of the program's pages.
inline Tpolice police_des_pages(TColor couleur = 0) { return Tpolice{"MS Sans Serif", 14, couleur, 0}; }

// A page laid out without any widget, measured on a canvas of its own.
struct PageSansImage {
  Canevas canevas;
  PageDisposee page;

  explicit PageSansImage(std::string_view source, int largeur = 600, int x = 0, int y = 0, TColor couleur = 0)
      : page(mettre_en_page(source, CadrePage{&canevas, {}, police_des_pages(couleur), largeur, x, y})) {}
  PageDisposee* operator->() { return &page; }
  Tligne& ligne(std::size_t l) { return *page.lignes.at(l); }
  Tcellule& cellule(std::size_t l, std::size_t c) { return page.lignes.at(l)->cellules.at(c); }
  std::size_t nombre_lignes() const { return page.lignes.size(); }
};

struct PageDeTest {
  ImageHote image;
  std::unique_ptr<Tformule> formule;

  explicit PageDeTest(const std::string& source, int largeur = 600, int x = 0, int y = 0, TColor couleur = 0,
                      bool fonctions_en_rouge = false, bool coloration = false) {
    image.definir_largeur(largeur);
    formule = std::make_unique<Tformule>(&image, police_des_pages(couleur), source, x, y, fonctions_en_rouge,
                                         coloration);
  }
  Tformule& operator*() { return *formule; }
  Tformule* operator->() { return formule.get(); }
  Tligne& ligne(std::size_t l) { return *formule->lignes.at(l); }
  Tcellule& cellule(std::size_t l, std::size_t c) { return formule->lignes.at(l)->cellules.at(c); }
  std::size_t nombre_lignes() const { return formule->lignes.size(); }
};

// What the page editor relies on: a cell with a source index holds that
// character; indices only grow along the page, so none appears twice;
// mark-up cells are hidden; and the only characters without a cell are the
// brackets, braces and ";" that formulas lay out as drawing.
inline ::testing::AssertionResult indices_source_coherents(std::string_view source, const LignesPage& lignes,
                                                           const std::vector<bool>& masque_balises) {
  std::vector<bool> vu(source.size(), false);
  int precedent = -1;
  for (std::size_t l = 0; l < lignes.size(); ++l) {
    const Tligne& ligne = *lignes[l];
    for (std::size_t c = 0; c < ligne.cellules.size(); ++c) {
      const Tcellule& cellule = ligne.cellules[c];
      const int i = cellule.indice_source;
      if (i < 0) continue;
      const auto lieu = [&] {
        return " at cell (" + std::to_string(l) + ", " + std::to_string(c) + "), index " + std::to_string(i);
      };
      if (static_cast<std::size_t>(i) >= source.size() || cellule.caractere != source.substr(i, 1)) {
        return ::testing::AssertionFailure() << "wrong character" << lieu();
      }
      if (i <= precedent) return ::testing::AssertionFailure() << "index out of order" << lieu();
      if (masque_balises[static_cast<std::size_t>(i)] && !(cellule.cache && cellule.balise)) {
        return ::testing::AssertionFailure() << "visible mark-up" << lieu();
      }
      precedent = i;
      vu[static_cast<std::size_t>(i)] = true;
    }
  }
  for (std::size_t i = 0; i < vu.size(); ++i) {
    if (!vu[i] && std::string_view("()[]{};").find(source[i]) == std::string_view::npos) {
      return ::testing::AssertionFailure() << "no cell for source index " << i << " '" << source[i] << "'";
    }
  }
  return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult indices_source_coherents(const Tformule& f) {
  return indices_source_coherents(f.source, f.lignes, f.masque_balises);
}
