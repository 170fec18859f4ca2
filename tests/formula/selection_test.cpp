// Hit testing, caret, selections, source edits, links and the mouse.
#include <gtest/gtest.h>

#include "formula/page_de_test.h"

namespace {

TEST(Recherche, BoundaryPixelsHitNothing) {
  PageDeTest page("un<BR>deux<BR>trois");
  ASSERT_EQ(page.nombre_lignes(), 3u);
  for (std::size_t l = 0; l < 3; ++l) {
    const Tligne& ligne = page.ligne(l);
    EXPECT_EQ(page->ligne_en(ligne.haut + 1), static_cast<int>(l));
    EXPECT_EQ(page->ligne_en(ligne.bas - 1), static_cast<int>(l));
    EXPECT_EQ(page->ligne_en(ligne.haut), -1);
    const Tcellule& c = page.cellule(l, 0);
    EXPECT_EQ(page->cellule_en(c.gauche + 1, ligne.haut + 1), (Tposition{static_cast<int>(l), 0}));
    EXPECT_EQ(page->cellule_en(c.droite, ligne.haut + 1).cellule, -1);
  }
  EXPECT_EQ(page->cellule_en(1, page.ligne(1).haut), Tposition{});
  EXPECT_EQ(page->ligne_en(page.ligne(2).bas + 5), -1);
  PageDeTest vide("");
  EXPECT_EQ(vide->ligne_en(5), -1);
  EXPECT_EQ(vide->cellule_en(5, 5), Tposition{});
}

TEST(Recherche, FindsEveryVisibleCellAndNeverAHiddenOne) {
  PageDeTest page("ab<B>cd</B>e fg");
  const Tligne& ligne = page.ligne(0);
  for (std::size_t c = 0; c < ligne.cellules.size(); ++c) {
    const Tcellule& cellule = ligne.cellules[c];
    if (cellule.cache || cellule.droite - cellule.gauche < 2) continue;
    const Tposition p = page->cellule_en((cellule.gauche + cellule.droite) / 2, ligne.haut + 2);
    EXPECT_EQ(p, (Tposition{0, static_cast<int>(c)})) << c;
  }
  // The hidden cells of "<B>" overlap "b": the search lands on "b".
  const Tcellule& b = page.cellule(0, 1);
  EXPECT_EQ(page->cellule_en(b.droite - 1, ligne.haut + 2), (Tposition{0, 1}));
}

TEST(IndiceSource, IsTheInverseOfPositionCellule) {
  PageDeTest page("ab <B>cd</B><BR>e{x+1}f");
  int index = 0;
  for (std::size_t l = 0; l < page.nombre_lignes(); ++l) {
    for (std::size_t c = 0; c < page.ligne(l).cellules.size(); ++c) {
      EXPECT_EQ(page->indice_source(static_cast<int>(l), static_cast<int>(c)), index);
      EXPECT_EQ(page->position_cellule(index), (Tposition{static_cast<int>(l), static_cast<int>(c)}));
      ++index;
    }
  }
  EXPECT_EQ(page->indice_source(-1, 3), 0);
  EXPECT_EQ(page->indice_source(0, 999), -1);
  EXPECT_EQ(page->position_cellule(index), Tposition{});
  EXPECT_EQ(page->position_cellule(-1), Tposition{});
}

TEST(Curseur, InvertsATwoPixelBarAndASecondCaretRemovesTheFirst) {
  PageDeTest page("mot<BR>ligne");
  page->afficher();
  const QImage avant = page.image.bitmap().copy();
  page->placer_curseur(1, 2);
  EXPECT_EQ(page->ancre, (Tposition{1, 2}));  // the editor acts at the caret
  EXPECT_EQ(page->fin, page->ancre);
  const Tcellule& c = page.cellule(1, 2);
  const Tligne& l = page.ligne(1);
  EXPECT_EQ(page->rectangle_inverse, (Trectangle{c.gauche, l.haut, c.gauche + 2, l.bas - 1}));
  const QImage& apres = page.image.bitmap();
  for (int y = 0; y < avant.height(); ++y) {
    for (int x = 0; x < avant.width(); ++x) {
      const bool dedans = x >= c.gauche && x < c.gauche + 2 && y >= l.haut && y < l.bas - 1;
      const QRgb attendu = dedans ? (~avant.pixel(x, y) | 0xFF000000u) : avant.pixel(x, y);
      ASSERT_EQ(apres.pixel(x, y), attendu) << x << "," << y;
    }
  }
  page->placer_curseur(0, 1);
  page->placer_curseur(7, 7);  // not a cell: just removes the caret
  EXPECT_EQ(page->rectangle_inverse.gauche, -1);
  EXPECT_EQ(page.image.bitmap(), avant);
}

TEST(Selection, OnOneLineKeepsOrDropsTheTags) {
  PageDeTest page("ab<B>cd</B>ef<BR>gh");
  page->afficher();
  page->selectionner({0, 1}, {0, 11}, false);
  EXPECT_EQ(page->source_selectionnee, "b<B>cd</B>e");
  EXPECT_EQ(page->texte_selectionne, "bcde");
  page->selectionner({0, 11}, {0, 1}, true);
  EXPECT_EQ(page->texte_selectionne, "b<B>cd</B>e");
  page->selectionner({0, 1}, {1, 1}, false);
  EXPECT_EQ(page->source_selectionnee, "");
  EXPECT_EQ(page->texte_selectionne, "");
  EXPECT_EQ(page->rectangle_inverse,
            (Trectangle{page.cellule(0, 1).gauche, page.ligne(0).haut, page.cellule(1, 1).droite, page.ligne(1).bas - 1}));
  page->selectionner({0, 1}, {0, -1}, false);
  EXPECT_EQ(page->rectangle_inverse.gauche, -1);
}

TEST(Selection, WholeLineAndNoLine) {
  PageDeTest page("ab<B>cd</B><BR>gh");
  page->afficher();
  page->selectionner_ligne(0, false);
  EXPECT_EQ(page->texte_selectionne, "abcd");
  EXPECT_EQ(page->source_selectionnee, "ab<B>cd</B><BR>");
  EXPECT_EQ(page->ancre, (Tposition{0, 0}));
  EXPECT_EQ(page->fin, (Tposition{0, 14}));
  EXPECT_EQ(page->ligne_selectionnee, 0);
  EXPECT_EQ(page->rectangle_inverse, (Trectangle{0, page.ligne(0).haut, 600, page.ligne(0).bas - 1}));
  page->selectionner_ligne(-1, false);
  EXPECT_EQ(page->ligne_selectionnee, -1);
  EXPECT_EQ(page->ancre, Tposition{});
  EXPECT_EQ(page->fin, Tposition{});
  EXPECT_EQ(page->texte_selectionne, "");
  EXPECT_EQ(page->rectangle_inverse.gauche, -1);
}

TEST(EditionSource, DeletesOrWrapsOnlyAValidSelection) {
  {
    PageDeTest page("ab<B>cd</B>");
    page->ancre = {0, 5};
    page->fin = {0, 6};
    page->supprimer_selection();
    EXPECT_EQ(page->source, "ab<B></B>");
  }
  {
    PageDeTest page("ab<B>cd</B>");
    page->ancre = {0, 6};
    page->fin = {0, 5};  // taken in order
    page->supprimer_selection();
    EXPECT_EQ(page->source, "ab<B></B>");
  }
  {
    // An end that is no cell must not wipe the page from its start.
    PageDeTest page("ab<B>cd</B>");
    page->ancre = {0, 5};
    page->fin = {-1, -1};
    page->supprimer_selection();
    page->baliser_selection("<U>", "</U>", {1, 2});
    EXPECT_EQ(page->source, "ab<B>cd</B>");
  }
  {
    PageDeTest page("a<U>x</U>b");
    page->ancre = {0, 1};
    page->fin = {0, 8};
    page->baliser_selection("<U>", "</U>", {1, 2});
    EXPECT_EQ(page->source, "a<U>x</U>b");
  }
  {
    PageDeTest page("a<P ALIGN=RIGHT>x<B>y</B>b");
    page->ancre = {0, 1};
    page->fin = {0, 24};
    page->baliser_selection("<P ALIGN=CENTER>", "</P>", {11, 12});
    EXPECT_EQ(page->source, "a<P ALIGN=CENTER>x<B>y</B></P>b");
  }
}

TEST(Liens, HoverFindsTheLinkUnderTheMouseAndMouseDownKeepsIt) {
  PageDeTest page("<A HREF=1>un</A> et <A HREF=2>deux</A>");
  page->afficher();
  ASSERT_EQ(page->liens.size(), 2u);
  const Tcellule& d = page.cellule(0, 33);  // "d" of "deux"
  page.image.souris_deplacee(0, d.gauche + 2, d.haut + 5);
  EXPECT_EQ(page->lien_survole, "2");
  EXPECT_EQ(page.image.curseur(), Curseur::main);
  page.image.souris_appuyee(BoutonSouris::gauche, etat_gauche, d.gauche + 2, d.haut + 5);
  EXPECT_EQ(page->lien_clique, "2");
  const Tcellule& u = page.cellule(0, 10);
  page.image.souris_deplacee(0, u.gauche + 1, u.haut + 5);
  EXPECT_EQ(page->lien_survole, "1");
  page.image.souris_deplacee(0, 590, d.haut + 5);
  EXPECT_EQ(page->lien_survole, "");
  EXPECT_EQ(page.image.curseur(), Curseur::defaut);
}

TEST(Liens, ALinkWithMissingCellsIsNeverHit) {
  PageDeTest page("x");
  page->liens.push_back(Tlien{0, 0, 3, 9, "9"});
  page->ImageMouseMove(0, 1, 5);
  EXPECT_EQ(page->lien_survole, "");
}

TEST(Souris, LineModeSelectsTheLineAndCharacterModeDragsASelection) {
  PageDeTest page("ab<B>cd</B><BR>gh");
  page->afficher();
  page->selection_active = true;
  const Tcellule& c = page.cellule(0, 5);
  page.image.souris_appuyee(BoutonSouris::gauche, etat_gauche, c.gauche + 1, c.haut + 5);
  EXPECT_EQ(page->texte_selectionne, "abcd");
  EXPECT_EQ(page->ligne_selectionnee, 0);

  page->selection_caractere = true;
  const Tcellule& a = page.cellule(0, 0);
  page.image.souris_appuyee(BoutonSouris::gauche, etat_gauche, a.gauche + 1, a.haut + 5);
  EXPECT_EQ(page->ancre, (Tposition{0, 0}));
  EXPECT_EQ(page->rectangle_inverse.droite, a.gauche + 2);
  page.image.souris_deplacee(etat_gauche, c.gauche + 1, c.haut + 5);
  EXPECT_EQ(page->source_selectionnee, "ab<B>c");
  EXPECT_EQ(page->fin, (Tposition{0, 5}));
  page.image.souris_appuyee(BoutonSouris::droit, etat_droit, c.gauche + 1, page.ligne(1).haut + 3);
  EXPECT_EQ(page->ligne_selectionnee, 1);
  EXPECT_EQ(page->texte_selectionne, "gh");
}

TEST(Souris, AClickOnAnEmptyPageDoesNothing) {
  PageDeTest page("");
  page->selection_active = true;
  page->selection_caractere = true;
  page.image.souris_appuyee(BoutonSouris::gauche, etat_gauche, 10, 10);
  page.image.souris_deplacee(etat_gauche, 20, 10);
  EXPECT_EQ(page->ancre, Tposition{});
  EXPECT_EQ(page->rectangle_inverse.gauche, -1);
}

TEST(Gestionnaires, APageGivesBackOnlyItsOwnHandlers) {
  ImageHote image;
  image.definir_largeur(300);
  int appuis = 0;
  {
    Tformule page(&image, police_des_pages(), "x", 0, 0, false, false);
    image.definir_sur_appui(&appuis, [&](BoutonSouris, unsigned, int, int) { ++appuis; });
  }
  image.souris_appuyee(BoutonSouris::gauche, 0, 1, 1);
  image.souris_deplacee(0, 1, 1);  // the page's own move handler is gone
  EXPECT_EQ(appuis, 1);
}

}  // namespace
