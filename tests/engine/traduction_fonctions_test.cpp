#include "engine/traduction_fonctions.h"

#include <gtest/gtest.h>

#include "engine/appel_fonction.h"
#include "engine/fonctions_usuelles.h"
#include "localisation/choix_langue.h"

namespace {

class Traduction : public ::testing::Test {
 protected:
  void SetUp() override {
    enregistrer_traduction_fonctions();
    choisir_langue(0);
    initialise_fonctions_usuelles();
  }
  void TearDown() override {
    choisir_langue(0);
    crochets_langue() = {};
  }
  static int appel(const std::string& texte) {
    std::vector<std::string> arguments;
    return reconnait_fonction(texte, arguments);
  }
};

TEST_F(Traduction, EnglishRenamesTheTranslatedRows) {
  choisir_langue(1);
  const auto& t = *fonctions_usuelles;
  EXPECT_EQ(t.nom[13], "derivate");
  EXPECT_EQ(t.nom[17], "gcd");
  EXPECT_EQ(t.nom[22], "collapse");
  EXPECT_EQ(t.nom[37], "digitize");
  EXPECT_EQ(t.nom[15], "integrale");
  EXPECT_EQ(t.categorie[2], "Usual Function");
  EXPECT_EQ(t.arguments[24], "function;variable");
  EXPECT_EQ(appel("derivate(x^2;x)"), 13);
  EXPECT_EQ(appel("deriver(x^2;x)"), 0);
  choisir_langue(0);
  EXPECT_EQ(t.nom[13], "deriver");
  EXPECT_EQ(t.categorie[2], "Fonctions usuelles");
  EXPECT_EQ(appel("deriver(x^2;x)"), 13);
}

TEST_F(Traduction, TableBuiltAfterAFillHasItsCategoryWords) {
  EXPECT_EQ(fonctions_usuelles->categorie[40], "Nombres complexes");
  EXPECT_EQ(fonctions_usuelles->categorie[53], "Arithm\xE9tique");
}

}  // namespace
