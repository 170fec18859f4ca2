#pragma once
// A page laid out on an off-screen image, for the renderer's tests.

#include <memory>
#include <string>

#include "formula/formule.h"
#include "platform/image_hote.h"

// The font of the program's pages.
inline Tpolice police_des_pages(TColor couleur = 0) { return Tpolice{"MS Sans Serif", 14, couleur, 0}; }

struct PageDeTest {
  ImageHote image;
  std::unique_ptr<Tformule> formule;

  explicit PageDeTest(const std::string& source, int largeur = 600, int x = 0, int y = 0, TColor couleur = 0) {
    image.definir_largeur(largeur);
    formule = std::make_unique<Tformule>(&image, police_des_pages(couleur), source, x, y, false, false);
  }
  Tformule& operator*() { return *formule; }
  Tformule* operator->() { return formule.get(); }
  Tligne& ligne(std::size_t l) { return *formule->lignes.at(l); }
  Tcellule& cellule(std::size_t l, std::size_t c) { return formule->lignes.at(l)->cellules.at(c); }
  std::size_t nombre_lignes() const { return formule->lignes.size(); }
};
