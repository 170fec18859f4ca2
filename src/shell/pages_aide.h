#pragma once
// The rules of the hint pages that need no window: which page keys name a
// page of the seven help files, and how a page (one ini value whose line
// breaks are the mark-up's 0xA8) shows in the editor's memo, one line per
// break.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/couleur.h"

inline constexpr int nombre_fichiers_aide = 7;
// The mark-up's line break inside a page.
inline constexpr char saut_page_aide = '\xA8';

// A key names a page when its second character is "1"-"7" and it reads back
// as the same ini key: not empty, not starting with "[" or "#", holding no
// "=", ";" nor line break, no blank at either end.
bool cle_page_valide(const std::string& cle);
// The help file of a key, 1..7; 0 for a key that names no page.
int numero_fichier_aide(const std::string& cle);
// "Aide3.ini" for 3.
std::string nom_fichier_aide(int numero);

// Page and memo text map one character to one character: each 0xA8 of the
// page is a "\n" of the memo and back, so a page round-trips byte for byte
// and a memo position is the same position in the page.
std::string memo_de_page(std::string_view page);
// A CR LF pair or a lone CR (pasted text) is one break as well.
std::string page_de_memo(std::string_view memo);
// The page's lines as the memo lists them.
std::vector<std::string> lignes_de_page(std::string_view page);
std::string page_de_lignes(const std::vector<std::string>& lignes);

// The symbol items of the editor: the item's object name and the character
// of the Symbol font its escape "\" + character inserts.
struct SymboleEditeur {
  const char* element;
  char caractere;
};
inline constexpr SymboleEditeur symboles_editeur[] = {
    {"suprieurougal1", '\xB3'}, {"infrieurougal1", '\xA3'}, {"environ1", '\xBB'},
    {"intgrale1", '\xF2'},      {"Delta1", 'D'},            {"tendvers1", '\xAE'},
    {"pi1", 'p'},               {"diffrent1", '\xB9'},      {"infini1", '\xA5'}};

// "\" and the item's character; empty for a name that is no symbol item.
std::string echappement_symbole(std::string_view element);

struct TexteEtCurseur {
  std::string texte;
  std::size_t curseur;  // just after the inserted text
};

// Inserts a symbol escape in place of the selection [debut, debut+longueur):
// bare when the nearest brace before the selection is "{" (inside a
// formula), else as the formula "{" escape "}". Positions past the end are
// clamped to it.
TexteEtCurseur baliser_symbole(std::string_view echappement, std::string_view texte, std::size_t debut,
                               std::size_t longueur = 0);

// The tags a tool button of the editor puts around the preview's selection,
// by the button's caption: "LEFT", "CENTER", "RIGHT" (a paragraph alignment),
// "SOULIGNE", "A" (the colour tag, `couleur` written as HTML writes it) and
// "RETOUR" (a break, nothing closing). The tags of the kinds listed are
// dropped from the selection first. None for another caption.
struct BalisesBouton {
  std::string ouvrante;
  std::string fermante;
  std::vector<int> types_retires;
};
std::optional<BalisesBouton> balises_bouton(std::string_view legende, TColor couleur);
