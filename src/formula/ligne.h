#pragma once
// One laid-out line of a page: glyph cells in source order and the drawing
// primitives of its formulas, with its bounding box.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formula/origine.h"
#include "platform/couleur.h"

class Canevas;

// A font handed over by value. An empty name is "MS Sans Serif", a size of 0
// or less is 14; `style` holds the StylePolice bits.
struct Tpolice {
  std::string nom;
  int taille = 0;
  TColor couleur = 0;
  std::uint8_t style = 0;
};

// Font name and size a police stands for.
const std::string& nom_police(const Tpolice& police);
int taille_police(const Tpolice& police);

// How the formulas of a page colour their text.
struct OptionsFormules {
  bool fonctions_en_rouge = false;  // function names in red
  bool coloration = false;          // constants in green, the imaginary unit in red
};

// Coordinates are kept within this many pixels of 0. Every column of a table
// is as wide as the widest, so nested tables multiply widths: a short pasted
// text could otherwise overflow the arithmetic that follows.
inline constexpr int coordonnee_limite = 1 << 29;
inline int borner(long long v) {
  return static_cast<int>(std::clamp<long long>(v, -coordonnee_limite, coordonnee_limite));
}
// A coordinate moved by d, kept within the limit.
inline int decaler(int coordonnee, long long d) { return borner(coordonnee + d); }

struct Tcellule {
  std::string caractere;  // one byte, or empty for an empty cell
  bool balise = false;    // the character is mark-up (a tag or a brace)
  bool cache = false;     // not drawn
  int gauche = 0;
  int haut = 0;
  int droite = 0;
  std::string police;
  int taille = 0;
  TColor couleur = 0;
  std::uint8_t style = 0;
  // Index of the character in the page's source; -1 for a cell the layout
  // adds. A formula line numbers its cells from 0 in its own text and the page
  // moves them to the formula's place in the source.
  int indice_source = -1;
};

// A primitive of a formula: "ligne" (2 points), "arc" (4 points: the bounding
// corners, then the start and the end), "texte;" + characters (1 point).
struct Tobjet_graphique {
  std::string nature;
  Tpolice police;
  std::vector<int> x;
  std::vector<int> y;
};

struct Tlien {
  int ligne_debut = -1;
  int cellule_debut = -1;
  int ligne_fin = -1;
  int cellule_fin = -1;
  std::string cible;  // the HREF value
};

class Tligne {
 public:
  // An empty text gives an empty line whose box is the point (x, y); any
  // other text is a formula laid out at (x, y), its cells numbered from 0 in
  // the text. Text is measured on `canevas` (nullptr: nothing has a size).
  Tligne(Canevas* canevas, const OptionsFormules& options, const Tpolice& police, std::string_view texte, int x,
         int y);
  // A part of a formula: its characters come from `origine`, and it is
  // `profondeur` layouts deep.
  Tligne(Canevas* canevas, const OptionsFormules& options, const Tpolice& police, std::string_view texte, int x,
         int y, const Origine& origine, int profondeur);
  virtual ~Tligne() = default;
  Tligne(const Tligne&) = delete;
  Tligne& operator=(const Tligne&) = delete;

  // Copies everything but the canvas.
  virtual void Assign(const Tligne& source);

  // Font name (or "MS Sans Serif"), size (or 14), pen and font colour, style.
  void appliquer_police(const Tpolice& police);
  static void appliquer_police(Canevas& canevas, const Tpolice& police);

  // Index -1 appends; any other index inserts there (clamped to the cells).
  void ajouter_caractere(int index, std::string_view caractere, int gauche, int haut, int droite, bool cache,
                         bool balise, const std::string& police, int taille, TColor couleur, std::uint8_t style);
  // Appends a character after the last cell; mark-up, braces, "\" and the
  // line-break character are hidden and take no width.
  void placer_caractere(std::string_view caractere, int x, int haut, const Tpolice& police, bool balise);
  void deplacer(int dx, int dy);
  void concatener(const Tligne& autre);
  // Moves the line for its alignment within a page that wide.
  void aligner(int largeur);
  // The text without its mark-up cells.
  std::string texte_affiche() const;
  // Draws on `canevas`, or on the line's own canvas when it is nullptr.
  void afficher(Canevas* canevas);
  void dessiner_objets(Canevas& canevas);
  // Every point extends the box (right and bottom to at least coordinate + 1).
  void ajouter_objet(std::string_view nature, const std::vector<std::pair<int, int>>& points, const Tpolice& police);

  // Wraps the line in the two characters of `paire` ("()", "[]" or "{}").
  // Visible brackets push the line right and are drawn as arcs around a
  // line taller than they are; invisible ones take no width.
  void entourer(const Tpolice& police, std::string_view paire, bool invisible);
  // `nombre` pairs of invisible "()" at once.
  void ajouter_parentheses_cachees(const Tpolice& police, int nombre);
  // Hides every cell and empties the box, so that the next union takes the
  // other line's box. An emptied box only ever enters unions.
  void masquer_cellules();
  bool boite_videe() const;
  // Shows a hidden cell again, its box joining the line's.
  void montrer_cellule(std::size_t index);

  std::vector<Tcellule> cellules;
  std::vector<Tobjet_graphique> objets;
  std::uint8_t alignement = 0;  // 0 left, 1 centre, 2 right
  OptionsFormules options;
  Canevas* canevas = nullptr;
  std::string texte;  // the cells' characters in order
  int droite = 0;
  int bas = 0;
  int gauche = 0;
  int haut = 0;

 private:
  void etendre(int g, int h, int d, int b);
  // Takes the cells, objects and box of a line laid out for this one.
  void reprendre(Tligne& resultat);
  bool vide() const { return cellules.empty() && objets.empty(); }
};
