#pragma once
// The built-in rows of the function table in both languages, read once from
// the compiled-in data file (UTF-8 there, Windows-1252 here).

#include <string>
#include <vector>

struct LignePredefinie {
  int id = 0;
  std::string nom[2];          // [0] French, [1] English
  std::string cle_categorie;   // catalogue entry naming the category
  int nb_arguments = 0;
  std::string arguments[2];
  bool affichable = false;
  bool traduite = false;       // rewritten by the language switch
  std::string derivee;
  std::string primitive;
  std::string description[2];
};

// Rows 2 to 58 in ascending identifier order (25 is absent).
const std::vector<LignePredefinie>& lignes_predefinies();

// The row of an identifier, or nullptr.
const LignePredefinie* ligne_predefinie(int id);

// Index 1 is English; any other index is French.
inline int colonne_langue(int indice_langue) { return indice_langue == 1 ? 1 : 0; }
