#pragma once
// The language switch: fills the catalogue in French or English and lets the
// windows, the function table and the help files (the language's folder under
// `parametres`) follow through hooks (they live above this layer).

#include <array>
#include <functional>
#include <string>
#include <vector>

// Texts the fills hand to the windows whatever the language.
struct LibellesCommuns {
  std::string page_accueil;
  std::string page_exercices;
  std::string page_calculs;
  std::string page_graphiques;
  std::array<std::string, 3> categories_options;  // the options dialog's three-item list
  std::string action_exercices;
  std::string action_graphiques;
  std::string titre_compte;                       // caption of the account dialog
  std::vector<std::string> niveaux;               // items of the account dialog's level list
};

struct CrochetsLangue {
  std::function<void(int langue)> libelles;                    // window captions
  std::function<void(int langue)> fonctions;                   // function-table rows
  std::function<void(const LibellesCommuns&)> libelles_communs;
  std::function<void()> menu_fonctions;                        // rebuild of the function menu
  std::function<void(const std::string& dossier)> fichiers_aide;  // the language's folder, ending with "/"
};
CrochetsLangue& crochets_langue();

// "Fran\xE7ais" or "English" (Windows-1252).
extern std::string dossier_langue;
// The program's `parametres` folder as a path on disk, ending with "/".
extern std::string dossier_parametres;

// 1 English; 0 and any other index French.
void choisir_langue(int indice);
void remplir_francais();
void remplir_anglais();
void appliquer_libelles_communs();
