// What formulas look like on a page: a reviewed picture of the typical
// formulas and of a statement with a table, and every statement template of
// the catalogue laid out and drawn in both languages.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "formula/image_de_reference.h"
#include "formula/page_de_test.h"
#include "localisation/catalogue.h"
#include "localisation/format.h"

namespace {

class Enonces : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { preparer_tables(GetParam()); }
  void TearDown() override { preparer_tables(0); }
};

// Each formula after its text, one a line.
std::string page_de_formules() {
  std::string page;
  for (const char* formule :
       {"a/b", "1/(1/x)", "2*(x+1)", "(x+1)", "2*(1/x+1)", "x^2", "u_(n)", "sqrt(2)", "affiche([[1;2];[3;4]])",
        "x=3", "(x+1", "f(2)", "integrer(x^2;x)", "vecteur(AB)", "exp(x)", "pi", "-x", "[1;2]"}) {
    page += std::string(formule) + " : {" + formule + "}<BR>";
  }
  // The statement of the exercise on marks, with its table.
  page += Format(catalogue_textes.enonce_apres_controle_notes, {27, 3, 7, 8, 5});
  return page;
}

TEST(DessinFormules, ThePageOfFormulasLooksAsReviewed) {
  preparer_tables(0);
  PageDeTest page(page_de_formules(), 500);
  page->afficher();
  EXPECT_TRUE(indices_source_coherents(*page));
  comparer_a_la_reference(page.image.bitmap(), "formules.png");
}

std::vector<std::pair<std::string, std::string>> modeles_d_enonces() {
  std::vector<std::pair<std::string, std::string>> modeles;
#define PRALINORE_ENONCE(nom) \
  if (std::string_view(#nom).starts_with("enonce_")) modeles.emplace_back(#nom, catalogue_textes.nom);
  PRALINORE_ENTREES_CATALOGUE(PRALINORE_ENONCE)
#undef PRALINORE_ENONCE
  return modeles;
}

TEST_P(Enonces, EveryStatementTemplateRendersWithSampleValues) {
  const auto modeles = modeles_d_enonces();
  ASSERT_GT(modeles.size(), 50u);
  for (const auto& [nom, modele] : modeles) {
    // Numbers where the generators put numbers, formulas where they put
    // expressions: every placeholder gets a plausible value.
    const std::string texte =
        Format(modele, {"12", "2*x-1", "7", "x^2+1", "5", "3/4", "8", "sqrt(2)", "9", "-4", "6", "x", "2", "3"});
    for (const int largeur : {200, 600}) {
      PageDeTest page(texte, largeur);
      page->afficher();
      EXPECT_TRUE(indices_source_coherents(*page)) << nom;
      EXPECT_EQ(page.image.bitmap().isNull(), texte.empty()) << nom;
      for (std::size_t l = 1; l < page.nombre_lignes(); ++l) {
        EXPECT_EQ(page.ligne(l).haut, page.ligne(l - 1).bas) << nom;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(DeuxLangues, Enonces, ::testing::Values(0, 1));

}  // namespace
