#include "engine/traduction_fonctions.h"

#include <gtest/gtest.h>

#include "engine/appel_fonction.h"
#include "engine/fonctions_usuelles.h"
#include "engine/lignes_predefinies.h"
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
  EXPECT_EQ(t.nom[id_de(Ligne::deriver)], "derivate");
  EXPECT_EQ(t.nom[id_de(Ligne::pgcd)], "gcd");
  EXPECT_EQ(t.nom[id_de(Ligne::reduire)], "collapse");
  EXPECT_EQ(t.nom[id_de(Ligne::numeriser)], "digitize");
  EXPECT_EQ(t.nom[id_de(Ligne::integrale)], "integrale");
  EXPECT_EQ(t.categorie[id_de(Ligne::cos)], "Usual Function");
  EXPECT_EQ(t.arguments[id_de(Ligne::resoudre)], "function;variable");
  EXPECT_EQ(appel("derivate(x^2;x)"), id_de(Ligne::deriver));
  EXPECT_EQ(appel("deriver(x^2;x)"), 0);
  choisir_langue(0);
  EXPECT_EQ(t.nom[id_de(Ligne::deriver)], "deriver");
  EXPECT_EQ(t.categorie[id_de(Ligne::cos)], "Fonctions usuelles");
  EXPECT_EQ(appel("deriver(x^2;x)"), id_de(Ligne::deriver));
}

TEST_F(Traduction, TableBuiltAfterAFillHasItsCategoryWords) {
  EXPECT_EQ(fonctions_usuelles->categorie[id_de(Ligne::complexe_resoudre)], "Nombres complexes");
  EXPECT_EQ(fonctions_usuelles->categorie[id_de(Ligne::ou)], "Arithm\xE9tique");
}

}  // namespace
