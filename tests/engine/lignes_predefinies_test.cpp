#include "engine/lignes_predefinies.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/appel_fonction.h"
#include "engine/fonctions_usuelles.h"

namespace {

struct LigneNommee {
  Ligne ligne;
  std::string nom;  // the enumerator's name as written
  int id;           // the identifier the list gives it
};

const std::vector<LigneNommee>& lignes_nommees() {
#define PRALINORE_LIGNE_NOMMEE(nom, id) {Ligne::nom, #nom, id},
  static const std::vector<LigneNommee> lignes = {PRALINORE_LIGNES_PREDEFINIES(PRALINORE_LIGNE_NOMMEE)};
#undef PRALINORE_LIGNE_NOMMEE
  return lignes;
}

// Each enumerator names the data file's row at its identifier, and a call of
// that name is recognised as that row: a row moved or renamed in the data
// file without its enumerator fails here, not in a routine far away.
TEST(LignesNommees, EachEnumeratorIsTheDataFileRowOfItsNameAndIdentifier) {
  initialise_fonctions_usuelles();
  for (const auto& l : lignes_nommees()) {
    const LignePredefinie* ligne = ligne_predefinie(l.id);
    ASSERT_NE(ligne, nullptr) << l.nom << " " << l.id;
    EXPECT_EQ(ligne->nom[0], l.nom) << l.id;
    std::vector<std::string> arguments;
    EXPECT_TRUE(reconnait_fonction(l.nom + "(x)", arguments) == l.ligne) << l.nom;
    EXPECT_FALSE(reconnait_fonction(l.nom + "(x)", arguments) != l.ligne) << l.nom;
  }
}

}  // namespace
