#pragma once
// A page of mark-up shown on an image: it is laid out at the image's width
// (mise_en_page.h) and drawn there, printed, and it takes the image's mouse
// for links, the caret and selections (selection.h); the page editor makes
// two edits on its source through it.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formula/ligne.h"
#include "formula/mise_en_page.h"
#include "formula/selection.h"

class BoiteDefilement;
class Canevas;
class ImageHote;
class QPrinter;
enum class BoutonSouris;

class Tformule {
 public:
  // Lays the page out (it does not draw: call afficher) and takes the
  // image's mouse move and mouse down.
  Tformule(ImageHote* image, const Tpolice& police, std::string texte, int x, int y, bool fonctions_en_rouge,
           bool coloration);
  // Gives the image and its box back their handlers.
  ~Tformule();
  Tformule(const Tformule&) = delete;
  Tformule& operator=(const Tformule&) = delete;

  // Lays the whole source out again at the image's width, or at its box's
  // when it sits in one (selection and highlight are dropped); a page wider
  // than that widens the image.
  void analyser();
  // Sizes the bitmap to the page and draws it, on `canevas` when given.
  void afficher(Canevas* canevas = nullptr);
  // Prints the page, laid out at the printable width, then lays it out again
  // for the screen. Without a printer, the default one; with none installed,
  // a message.
  void imprimer(QPrinter* imprimante = nullptr);

  // The line strictly containing y, -1 when none (a boundary pixel is none).
  int ligne_en(int y) const;
  // The visible cell strictly containing (x, y); cellule -1 when none.
  Tposition cellule_en(int x, int y) const;
  // Source index <-> cell; -1 (or (-1, -1)) when there is none.
  Tposition position_cellule(int index) const;
  int indice_source(int ligne, int cellule) const;

  // The caret before a cell; the anchor and the end both become that place.
  void placer_curseur(int ligne, int cellule);
  void selectionner(Tposition ancre, Tposition fin, bool avec_balises);
  void selectionner_ligne(int ligne, bool avec_balises);
  // Removes the selected characters from the source (the caller lays out
  // again); nothing when the anchor or the end is not a cell of the source.
  void supprimer_selection();
  // Wraps the selection in a tag pair, dropping the tags of the given kinds
  // inside it.
  void baliser_selection(std::string_view ouvrante, std::string_view fermante, const std::vector<int>& types);

  void ImageMouseMove(unsigned etat, int x, int y);
  void ImageMouseDown(BoutonSouris bouton, unsigned etat, int x, int y);

  std::string source;
  std::vector<std::unique_ptr<Tligne>> lignes;
  std::vector<Tlien> liens;
  std::vector<bool> masque_balises;
  ImageHote* image = nullptr;
  Canevas* canevas = nullptr;
  int x0 = 0;
  int y0 = 0;
  BoiteDefilement* boite = nullptr;
  std::string lien_survole;
  std::string lien_clique;
  bool fonctions_en_rouge = false;
  bool coloration = false;
  bool occupe = false;
  bool selection_active = false;
  bool selection_caractere = false;
  int ligne_selectionnee = -1;
  std::string texte_selectionne;
  std::string source_selectionnee;
  Tposition ancre;
  Tposition fin;
  Trectangle rectangle_inverse;
  Tpolice police;

 private:
  // The page's own settings at that width.
  CadrePage cadre(int largeur) const;
  void suivre_boite();
  void effacer_surbrillance();
  // Inverts the rectangle and remembers it as the highlight.
  void surligner(const Trectangle& r);
  void inverser(const Trectangle& r);
};
