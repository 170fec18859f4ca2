#pragma once
// Captions of the windows' controls per language, applied by the shell to the
// controls by window and object name.

#include <string>
#include <vector>

struct LibelleFenetre {
  std::string fenetre;     // window class, e.g. "TFvorel"
  std::string composant;   // object name; "-" for the window's own caption
  std::string anglais;
  std::string francais;    // empty: the window keeps its design caption
};

// In the order the fills set them, window by window.
const std::vector<LibelleFenetre>& libelles_fenetres();

// The caption for a language (1 English); empty when the French fill leaves
// the design caption.
const std::string& libelle_en_langue(const LibelleFenetre& libelle, int langue);
