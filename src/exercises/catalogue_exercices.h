#pragma once
// The exercise catalogue: every exercise the program can generate, in a fixed
// order. An entry is known everywhere by its index in that order (the
// selection of an account, the choice of the next exercise, the help context
// of the exercise view), never by its code: code 1212 has two entries.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "exercises/generateur.h"

// One row of the catalogue's table.
struct Tentree_catalogue {
  int code;
  int niveau;                  // index into noms_classes
  int theme;                   // index into noms_themes, or theme_litteral
  std::string_view litteral;   // the theme's text when theme is theme_litteral
  std::string_view references; // help keys joined by ";", empty: the code itself
  std::string_view cle;        // key of the generator in the registry
};

inline constexpr int theme_litteral = -1;
inline constexpr std::size_t nombre_exercices = 135;

// The rows in catalogue order.
const std::array<Tentree_catalogue, nombre_exercices>& table_exercices();

// Seven parallel arrays, one element per entry, read by index.
class Texercices {
 public:
  std::vector<int> code;
  std::vector<std::string> classe;      // level name in the interface language
  std::vector<std::string> theme;       // theme name in the interface language
  std::vector<std::string> aide;        // hint page mark-up, read at registration
  std::vector<std::string> inutilise;   // always empty
  std::vector<Tgenerateur> generateur;  // nullptr when no generator is registered
  std::vector<bool> actif;              // enabled for the open account

  // Appends one entry, `actif` false. The hint page is read from the hint
  // files of the language (ini_aide): with no references, the code's own
  // page; otherwise each ";"-separated key in order, the pages joined with
  // "<BR> <BR>" (a missing first page adds nothing, a missing later one the
  // separator alone). A key whose second character is not 1..7 reads
  // nothing. `niveau` is the level index (compared across languages); below
  // zero it is taken from the code's second digit.
  void ajouter(int code, const std::string& classe, const std::string& theme, const std::string& inutilise,
               Tgenerateur generateur, std::string_view references, int niveau = -1);

  int taille() const { return static_cast<int>(code.size()); }
  // Level index of entry `indice` (0 for "6" ... 6 for "Terminale").
  int niveau(int indice) const;
  // First index of a code, -1 when the catalogue has none.
  int indice_du_code(int code) const;

 private:
  std::vector<int> niveaux_;
};

extern Texercices exercices;

// Rebuilds `exercices` from the table with the level and theme names and the
// hint files of the current language; every `actif` is false afterwards.
void charger_exercices();

// Highest index of the catalogue (-1 when empty).
int dernier_indice_exercices();
// The theme of every entry, in catalogue order.
std::vector<std::string> themes_exercices();

// The hint page of one key ("1412"): [Exercices] <key> of hint file
// <second character>; empty when that character is not 1..7 or the page is
// missing.
std::string page_aide_exercice(std::string_view cle);
