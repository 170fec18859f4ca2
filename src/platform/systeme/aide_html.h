#pragma once
// The help requests of the program: open the language's help file on its
// contents, its search or a context page. HtmlHelp hands each request to the
// installed receiver (the help viewer); with none installed a request shows
// nothing. Tests install a receiver that records.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

inline constexpr int HH_DISPLAY_TOC = 1;
inline constexpr int HH_DISPLAY_SEARCH = 3;
inline constexpr int HH_HELP_CONTEXT = 15;
// The data is the address of a NUL-terminated keyword (Windows-1252): it is
// searched for.
inline constexpr int HH_KEYWORD_LOOKUP = 13;

// The full-text search record given with HH_DISPLAY_SEARCH (its address as
// the request's data).
struct HH_FTS_QUERY {
  int cbStruct = 0;             // the record's size as the viewer's protocol states it
  bool fUniCodeStrings = false;
  std::string pszSearchQuery;   // empty: no query text
  long iProximity = 0;          // -1: any distance between the words
  bool fStemmedSearch = false;
  bool fTitleOnly = false;
  bool fExecute = false;        // run the search at once
  std::string pszWindow;        // empty: the default window
};
// The size a search record states.
inline constexpr int taille_hh_fts_query = 32;
inline constexpr long proximite_quelconque = -1;

// One request as the receiver gets it; `recherche` is a copy of the search
// record for HH_DISPLAY_SEARCH with a record.
struct DemandeAide {
  std::string fichier;
  int commande = 0;
  std::intptr_t donnees = 0;
  std::optional<HH_FTS_QUERY> recherche;
};

using RecepteurAide = std::function<void(const DemandeAide&)>;

// Installs the receiver of every request (none: requests are dropped) and
// gives back the one it replaces.
RecepteurAide installer_recepteur_aide(RecepteurAide recepteur);

// For HH_DISPLAY_SEARCH, `donnees` is the address of an HH_FTS_QUERY or 0.
void HtmlHelp(const std::string& fichier, int commande, std::intptr_t donnees);
