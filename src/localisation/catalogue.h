#pragma once
// The text catalogue: every message, word and statement template the program
// shows or builds, in the current language (Windows-1252). The language
// switch fills it; everything else reads it.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "localisation/entrees_catalogue.h"

struct Tcatalogue_textes {
#define PRALINORE_MEMBRE(nom) std::string nom;
  PRALINORE_ENTREES_CATALOGUE(PRALINORE_MEMBRE)
#undef PRALINORE_MEMBRE

  // The entry of that name, nullptr for a name the catalogue does not have.
  std::string* par_nom(std::string_view nom);
  const std::string* par_nom(std::string_view nom) const;
};

extern Tcatalogue_textes catalogue_textes;
extern std::array<std::string, 7> noms_classes;   // school levels
extern std::array<std::string, 29> noms_themes;   // exercise themes

// Fills every entry in the language: 1 English, anything else French. An
// entry with no English text takes its French text.
void remplir_textes(int langue);

// Problems of the compiled-in data: unknown names, names without a text,
// malformed lines. Empty when all is well.
std::vector<std::string> verifier_donnees_catalogue();

// The raw compiled-in data (UTF-8), for checks.
std::string_view donnees_catalogue();
std::string_view donnees_libelles();
std::string_view donnees_textes_fixes();
