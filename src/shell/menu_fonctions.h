#pragma once
// Which functions the calculator's function menus list, and in what order.

#include <string>
#include <vector>

class Tfonction_usuelle;

// The names of the listed rows (from row 1) that have no derivative
// template, sorted byte by byte as Windows-1252 text. A function with a
// derivative is one of the usual functions, typed directly.
std::vector<std::string> noms_menu_fonctions(const Tfonction_usuelle& fonctions);
