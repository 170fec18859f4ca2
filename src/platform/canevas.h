#pragma once
// The drawing surface of the pages: the canvas of a bitmap or of a printer.
// Text is Windows-1252 and measured in 96-dpi pixels whatever the target, so a
// page laid out for the screen prints at the same proportions (the printer's
// canvas scales its painter by its resolution / 96).

#include <QFont>
#include <QRawFont>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/couleur.h"

class QPaintDevice;
class QPainter;

// Font style bits, as pages and cells store them.
enum StylePolice : std::uint8_t {
  style_gras = 1,
  style_italique = 2,
  style_souligne = 4,
  style_barre = 8,
};

struct PoliceCanevas {
  std::string nom = "MS Sans Serif";
  int taille = 14;  // points
  std::uint8_t style = 0;
  TColor couleur = 0;
};

// One character of a glyph run: its left edge and its byte.
struct CaracterePlace {
  int x;
  char octet;
};

class Canevas {
 public:
  Canevas();
  ~Canevas();
  Canevas(const Canevas&) = delete;
  Canevas& operator=(const Canevas&) = delete;

  // Draws on `cible` from now on (nullptr: measures only). Every coordinate is
  // multiplied by `echelle`. Ends the painting of the previous target.
  void attacher(QPaintDevice* cible, double echelle = 1.0);
  // Ends the painting so that the target can be read, resized or printed.
  void terminer();
  bool dessine() const { return cible_ != nullptr; }

  PoliceCanevas police;
  TColor couleur_crayon = 0;

  int TextWidth(std::string_view texte);
  // The height of the font (ascent + descent), whatever the text.
  int TextHeight(std::string_view texte);
  // Writes the text with its glyph box's top at y.
  void TextOut(int x, int y, std::string_view texte);
  // Writes characters in the current font at their own left edges, tops at
  // y, as one glyph run.
  void ecrire_caracteres(int y, const std::vector<CaracterePlace>& caracteres);

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  // The arc of the ellipse bounded by (x1, y1)-(x2, y2), counter-clockwise
  // from where the radial through (x3, y3) meets it to where the radial
  // through (x4, y4) does.
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);

  // Inverts the pixels of [gauche, droite) x [haut, bas); doing it twice puts
  // them back.
  void inverser(int gauche, int haut, int droite, int bas);
  void remplir(TColor couleur);
  // Moves the origin (in unscaled pixels), e.g. to the top of a printed page.
  void decaler(int dx, int dy);

 private:
  struct Fonte;
  using Cle = std::tuple<std::string, int, bool, bool>;

  Fonte& fonte();
  QPainter* peintre();
  void appliquer_transformation();

  QPaintDevice* cible_ = nullptr;
  double echelle_ = 1.0;
  int decalage_x_ = 0;
  int decalage_y_ = 0;
  std::unique_ptr<QPainter> peintre_;
  std::map<Cle, std::unique_ptr<Fonte>> fontes_;
  Fonte* derniere_ = nullptr;
  Cle derniere_cle_;
  int crayon_x_ = 0;
  int crayon_y_ = 0;
};

// The character a byte shows in a font: "Symbol" maps the nine symbol bytes
// to their mathematical signs; everything else reads as Windows-1252.
char16_t caractere_affiche(std::string_view nom_police, char octet);
// The installed family that draws a font name ("MS Sans Serif", "Symbol" and
// the empty name: "DejaVu Sans").
QString famille_installee(std::string_view nom_police);
