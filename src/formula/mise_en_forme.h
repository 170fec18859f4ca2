#pragma once
// The layout of a formula, one routine per kind of text. Each routine lays
// its text out at (x, y) into a new line and gives it back; the parts of a
// text are laid out by Tligne's constructor, which picks the routine.
// Shared by the files of this folder only.

#include <cmath>
#include <memory>
#include <string>
#include <string_view>

#include "formula/ligne.h"
#include "formula/origine.h"

class expression;

// Brackets around a text taller than one line are drawn as arcs this wide,
// bulging by this part of the bracketed height, at most this many pixels: a
// bulge in proportion would grow nested tall brackets by 1.4 at each level.
inline constexpr int largeur_arc = 20;
inline const double bombement_crochets = std::sqrt(2.0) / 2.0 - 0.5;
inline constexpr int bombement_maximal = 256;
// Pixels after the separator of a list or a relation.
inline constexpr int espace_separateur = 5;
// Pixels between the columns of a table.
inline constexpr int ecart_colonnes = 15;
// Exponents are raised, and subscripts drawn, at this part of the size.
inline constexpr double facteur_reduction = 0.75;
// Size of the hidden "/" and "^" cells.
inline constexpr int taille_cellule_operateur = 14;
// Nested layouts past this depth lay the rest of their text out as one run
// of characters: pasted brackets or a huge sum cannot exhaust the stack.
inline constexpr int profondeur_formule_maximale = 200;
// A text longer than this (as long as a whole page may be) is laid out as one
// run of characters too: every level of a layout copies and parses its text,
// so the work stays within this length times the depth.
inline constexpr std::size_t longueur_formule_maximale = 20000;

using LigneFormule = std::unique_ptr<Tligne>;

// What every routine needs besides its text.
struct Contexte {
  Canevas* canevas_de_mesure = nullptr;
  OptionsFormules options;
  Tpolice police;
  int profondeur = 0;

  Canevas* canevas() const { return canevas_de_mesure; }
  bool fonctions_en_rouge() const { return options.fonctions_en_rouge; }
  bool coloration() const { return options.coloration; }
  // The same layout with another police.
  Contexte avec_police(const Tpolice& autre) const { return {canevas_de_mesure, options, autre, profondeur}; }
};
// Rounded to nearest, ties to even.
inline int arrondi(double v) { return static_cast<int>(std::nearbyint(v)); }

// Measures in the police's font (0 without a canvas).
int largeur_texte(Canevas* canevas, const Tpolice& police, std::string_view texte);
int hauteur_texte(Canevas* canevas, const Tpolice& police);

// An empty line at (x, y).
LigneFormule ligne_vide(const Contexte& c, int x, int y);
// A part of the formula laid out by Tligne's constructor, one level deeper.
LigneFormule sous_formule(const Contexte& c, const Morceau& m, int x, int y);

// No operator, no list or relation, not a call, not negated, no "_", not
// "pi": a run of characters the routines place directly.
bool est_atome_simple(const std::string& texte);

// The routines, by kind of text.
LigneFormule disposer_atome(const Contexte& c, const Morceau& m, int x, int y);
LigneFormule disposer_separation(const Contexte& c, const Morceau& m, int position, bool crochets, int x, int y);
LigneFormule disposer_chaine_infixe(const Contexte& c, const Morceau& m, const expression& e, int x, int y);
LigneFormule disposer_fraction(const Contexte& c, const Morceau& m, const expression& e, int x, int y);
LigneFormule disposer_puissance(const Contexte& c, const Morceau& m, const expression& e, int x, int y);
LigneFormule disposer_fonction(const Contexte& c, const Morceau& m, int x, int y);
// "u_(n)": the part before the first "_", then the rest at its right.
LigneFormule disposer_indice(const Contexte& c, const Morceau& m, std::size_t souligne, int x, int y);
// The argument of the subscript call "_(n)": lowered, reduced, between
// invisible brackets.
LigneFormule disposer_appel_indice(const Contexte& c, const Morceau& argument, int x, int y);
LigneFormule disposer_pi(const Contexte& c, const Morceau& m, int x, int y);
LigneFormule disposer_tableau(const Contexte& c, const Morceau& m, int x, int y);
// Adds the drawing of a figure's items to `ligne`.
void ajouter_figure(const Contexte& c, Tligne& ligne, const std::string& texte);
