#pragma once
// The mark-up of the program's pages: an 8-bit (Windows-1252) text with
// upper-case tags and formulas in braces. This table and its helpers know no
// window; the layout that reads them is in mise_en_page.h.

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Tag kinds, the index in `textes_balises`.
enum TypeBalise : int {
  balise_aucune = -1,
  balise_br = 0,
  balise_souligne = 1,
  balise_fin_souligne = 2,
  balise_gras = 3,
  balise_fin_gras = 4,
  balise_italique = 5,
  balise_fin_italique = 6,
  balise_barre = 7,
  balise_fin_barre = 8,
  balise_font = 9,
  balise_fin_font = 10,
  balise_paragraphe = 11,
  balise_fin_paragraphe = 12,
  balise_lien = 13,
  balise_fin_lien = 14,
  balise_debut_formule = 15,
  balise_fin_formule = 16,
};

inline constexpr std::array<std::string_view, 17> textes_balises{
    "<BR>", "<U>", "</U>", "<B>", "</B>", "<I>", "</I>", "<S>", "</S>",
    "<FONT", "</FONT", "<P", "</P>", "<A", "</A>", "{", "}"};

// The character that breaks a line like "<BR>" ("\xA8", the diaeresis).
inline constexpr char saut_de_ligne = '\xA8';

// The nine characters that, after "\", are drawn in the "Symbol" font:
// greater or equal, less or equal, approximately, integral, Delta, arrow, pi,
// not equal, infinity.
inline constexpr std::array<char, 9> symboles{'\xB3', '\xA3', '\xBB', '\xF2', 'D', '\xAE', 'p', '\xB9', '\xA5'};
bool est_symbole(char c);

// One flag per source character: true for mark-up. Every occurrence of a tag
// text marks from its first character up to the next ">" (none: plain text);
// a brace marks itself alone.
std::vector<bool> masque_balises(std::string_view source);

// The kind of a completed tag: the first kind whose text occurs in it, except
// that a tag completed by a brace is that brace (a brace is mark-up on its
// own). balise_aucune when no tag text occurs.
int type_balise(std::string_view tag);

// A tag ends with its ">", a brace with itself.
inline bool termine_une_balise(char c) { return c == '>' || c == '{' || c == '}'; }

// The value of `nom`= in a tag: up to the first blank after it, or else the
// first ">"; double quotes removed; empty when the attribute is missing.
std::string valeur_attribut(std::string_view tag, std::string_view nom);
