// What a page looks like: two reviewed pictures, and every catalogue text
// laid out and drawn in both languages.
#include <gtest/gtest.h>

#include <QImage>

#include "formula/image_de_reference.h"
#include "formula/page_de_test.h"
#include "localisation/catalogue.h"
#include "localisation/texte_1252.h"

namespace {

// A page with every feature of the mark-up that the program's pages use.
std::string page_modele() {
  return depuis_utf8(
      "<P ALIGN=CENTER><B>Aire d'un disque</B></P><BR>"
      "Le rayon vaut <I>r</I> = <FONT COLOR=red>3 cm</FONT> ; l'aire vaut \\p r\xC2\xB2 \xC2\xA8"
      "<U>soulign\xC3\xA9</U>, <S>barr\xC3\xA9</S>, <FONT COLOR=#008000>vert</FONT> et {x+1}.<BR>"
      "Un paragraphe assez long pour \xC3\xAAtre coup\xC3\xA9 en plusieurs lignes \xC3\xA0 la largeur "
      "de la page, avec <B>quelques mots en gras</B> au milieu.<BR>"
      "<A HREF=3>Voir l'aide</A><BR>"
      "<P ALIGN=RIGHT>Ligne \xC3\xA0 droite</P>");
}

TEST(Dessin, ThePageLooksAsReviewed) {
  PageDeTest page(page_modele(), 400);
  page->afficher();
  comparer_a_la_reference(page.image.bitmap(), "page.png");
}

TEST(Dessin, ThePageWithACaretAndASelectionLooksAsReviewed) {
  PageDeTest page(page_modele(), 400);
  page->afficher();
  ASSERT_GE(page.nombre_lignes(), 5u);
  page->selectionner({2, 2}, {2, 9}, false);
  EXPECT_FALSE(page->source_selectionnee.empty());
  // Both highlights on one picture: the selection is left on the bitmap and
  // the caret goes on another line.
  page->rectangle_inverse = {};
  page->placer_curseur(3, 4);
  comparer_a_la_reference(page.image.bitmap(), "page_selection.png");
}

TEST(Dessin, GraphicObjectsAreDrawnWithTheirOwnFont) {
  PageDeTest page("a");
  Tligne& l = page.ligne(0);
  const Tpolice rouge{"", 14, 0x0000FF, 0};
  l.ajouter_objet("ligne", {{20, 5}, {60, 5}}, rouge);
  l.ajouter_objet("arc", {{70, 0}, {90, 20}, {90, 10}, {70, 10}}, rouge);
  l.ajouter_objet("texte;p", {{100, 0}}, Tpolice{"Symbol", 14, 0, 0});
  page->afficher();
  const QImage& image = page.image.bitmap();
  EXPECT_EQ(image.pixel(40, 5), qRgb(255, 0, 0));
  bool arc_en_haut = false;
  bool arc_en_bas = false;
  for (int x = 70; x <= 90; ++x) {
    for (int y = 0; y <= 20; ++y) {
      if (QColor(image.pixel(x, y)).red() > 200 && QColor(image.pixel(x, y)).green() < 100) {
        if (y < 8) arc_en_haut = true;
        if (y > 12) arc_en_bas = true;
      }
    }
  }
  EXPECT_TRUE(arc_en_haut);  // counter-clockwise from the right to the left: the upper half
  EXPECT_FALSE(arc_en_bas);
  int encre_pi = 0;
  for (int x = 100; x < 115; ++x) {
    for (int y = 0; y < 20; ++y) encre_pi += image.pixel(x, y) != 0xFFFFFFFFu;
  }
  EXPECT_GT(encre_pi, 10);
}

class Catalogue : public ::testing::TestWithParam<int> {
 protected:
  void TearDown() override { remplir_textes(0); }
};

TEST_P(Catalogue, EveryTextRendersAtBothWidths) {
  remplir_textes(GetParam());
  std::vector<std::pair<std::string, std::string>> textes;
#define PRALINORE_TEXTE(nom) textes.emplace_back(#nom, catalogue_textes.nom);
  PRALINORE_ENTREES_CATALOGUE(PRALINORE_TEXTE)
#undef PRALINORE_TEXTE
  for (const auto& n : noms_classes) textes.emplace_back("noms_classes", n);
  for (const auto& n : noms_themes) textes.emplace_back("noms_themes", n);
  for (const int largeur : {200, 600}) {
    for (const auto& [nom, texte] : textes) {
      PageDeTest page(texte, largeur);
      page->afficher();
      EXPECT_TRUE(indices_source_coherents(*page)) << nom;
      EXPECT_GE(page.image.largeur(), largeur) << nom;
      EXPECT_EQ(page.image.bitmap().isNull(), texte.empty()) << nom;
      for (std::size_t l = 1; l < page.nombre_lignes(); ++l) {
        EXPECT_EQ(page.ligne(l).haut, page.ligne(l - 1).bas) << nom;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(DeuxLangues, Catalogue, ::testing::Values(0, 1));

}  // namespace
