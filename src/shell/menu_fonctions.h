#pragma once
// Which functions the calculator's function menus list, and in what order.

#include <optional>
#include <string>
#include <vector>

class Tfonction_usuelle;

// The names of the listed rows (from row 1) that have no derivative
// template, sorted byte by byte as Windows-1252 text. A function with a
// derivative is one of the usual functions, typed directly.
std::vector<std::string> noms_menu_fonctions(const Tfonction_usuelle& fonctions);

// The formula editor's list: the listed rows from row 1 (only those with a
// body, the user functions, when `corps_seulement`).
// Their categories, each once, in table order.
std::vector<std::string> categories_editeur(const Tfonction_usuelle& fonctions, bool corps_seulement);
// Their rows in the category (all of them without one), sorted by name
// byte by byte as Windows-1252 text.
std::vector<int> lignes_editeur(const Tfonction_usuelle& fonctions, bool corps_seulement,
                                const std::optional<std::string>& categorie);
