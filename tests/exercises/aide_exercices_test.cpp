// Every help key of an entry that has a generator has a hint page in the
// shipped files of both languages.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "exercises/catalogue_exercices.h"
#include "exercises/generateur.h"
#include "exercises/generateurs/execution.h"
#include "exercises/generateurs/niveau_6.h"
#include "localisation/nombres.h"
#include "platform/ini/fichier_ini.h"

namespace {

// The shipped folders, named in UTF-8 on disk.
const std::vector<std::string> dossiers_langues = {"Fran\xC3\xA7" "ais", "English"};

std::vector<std::string> cles_aide(const Tentree_catalogue& entree) {
  std::vector<std::string> cles;
  std::string_view references = entree.references;
  if (references.empty()) return {texte_entier(entree.code)};
  while (true) {
    const auto fin = references.find(';');
    cles.emplace_back(references.substr(0, fin));
    if (fin == std::string_view::npos) return cles;
    references.remove_prefix(fin + 1);
  }
}

TEST(PagesAide, EveryEntryWithAGeneratorHasItsPagesInBothLanguages) {
  enregistrer_generateurs();
  enregistrer_niveau_6();
  int entrees = 0;
  for (const Tentree_catalogue& entree : table_exercices()) {
    if (generateur_par_cle(entree.cle) == nullptr) continue;
    ++entrees;
    for (const std::string& cle : cles_aide(entree)) {
      for (const std::string& dossier : dossiers_langues) {
        const Tfichier_ini fichier(std::string(PRALINORE_PARAMETRES_LIVRES) + "/" + dossier + "/Aide" + cle[1] +
                                   ".ini");
        EXPECT_FALSE(fichier.lire_texte("Exercices", cle).empty()) << entree.code << " " << cle << " " << dossier;
      }
    }
  }
  EXPECT_GE(entrees, 12);
}

}  // namespace
