#include "localisation/textes_fixes.h"

#include <string_view>

#include "localisation/catalogue.h"
#include "localisation/donnees_tsv.h"

const TextesFixes& textes_fixes() {
  static const TextesFixes textes = [] {
    TextesFixes t;
    for (const auto& l : lire_tsv(donnees_textes_fixes())) {
      if (l.champs.size() != 2) continue;
#define PRALINORE_AFFECTE(nom) \
  if (l.champs[0] == #nom) t.nom = l.champs[1];
      PRALINORE_TEXTES_FIXES(PRALINORE_AFFECTE)
#undef PRALINORE_AFFECTE
    }
    return t;
  }();
  return textes;
}
