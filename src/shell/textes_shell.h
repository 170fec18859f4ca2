#pragma once
// The shell's own texts, compiled in from UTF-8 data files and read here in
// Windows-1252: the fixed messages of the main window and the captions and
// hints every window is designed with (the language switch may then replace
// the captions).

#include <string>
#include <string_view>
#include <vector>

// A fixed text by name; empty for a name the data does not have.
const std::string& texte_shell(std::string_view nom);

struct LibelleConception {
  std::string fenetre;    // window class, e.g. "TFvorel"
  std::string composant;  // object name; "-" for the window itself
  std::string libelle;
  std::string conseil;    // hint, often empty
};

const std::vector<LibelleConception>& libelles_conception();
// The row of a control, nullptr when it has none.
const LibelleConception* libelle_conception(std::string_view fenetre, std::string_view composant);

// Problems of the compiled-in data (malformed lines, names given twice).
std::vector<std::string> verifier_donnees_shell();

std::string_view donnees_textes_shell();
std::string_view donnees_conception();
