// The level-1 helpers: a solver list's roots and a draw among given values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/resoudre.h"
#include "exercises/catalogue_exercices.h"
#include "exercises/generateurs/enregistreurs.h"
#include "exercises/generateurs/outils_niveau_1.h"
#include "exercises/generateurs/sources.h"
#include "localisation/catalogue.h"

namespace {

using Racines = std::vector<std::string>;

TEST(RacinesListe, RootsAfterTheEqualSignOfEachItem) {
  remplir_textes(0);
  EXPECT_EQ(racines_liste("[x=-2;x=2]"), (Racines{"-2", "2"}));
  EXPECT_EQ(racines_liste("[y=-3/2]"), (Racines{"-3/2"}));
  EXPECT_EQ(racines_liste(resoudre("x^2-4=0", "x", false)), (Racines{"-2", "2"}));
  EXPECT_EQ(racines_liste(resoudre("x^2-2*x+1", "x", false)), (Racines{"1"}));
  EXPECT_EQ(racines_liste("[x=(1-sqrt(5))/2;x=(1+sqrt(5))/2]"), (Racines{"(1-sqrt(5))/2", "(1+sqrt(5))/2"}));
}

TEST(RandomFrom, EachDrawPicksTheValueAtItsIndex) {
  const std::vector<int> valeurs = {-2, -1, 1, 2};
  SourceScriptee source({0, 1, 2, 3});
  PresentateurEnregistre presentateur;
  GraphiqueEnregistre graphique;
  CalculatriceEnregistree calculatrice;
  ContexteGenerateur contexte{source, presentateur, exercices, catalogue_textes, graphique, calculatrice, false};
  for (const int attendue : valeurs) EXPECT_EQ(RandomFrom(contexte, {-2, -1, 1, 2}), attendue);
  EXPECT_EQ(source.tirages(), valeurs.size());
}

}  // namespace
