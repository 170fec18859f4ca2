// Page layout: cells, styles, links, line breaks, alignment and stacking,
// laid out without a widget; then what the page widget adds (the box's
// width, the bitmap's cap).
#include <gtest/gtest.h>

#include <cmath>

#include "formula/page_de_test.h"
#include "platform/canevas.h"

namespace {

std::string textes_joints(const LignesPage& lignes) {
  std::string s;
  for (const auto& l : lignes) s += l->texte;
  return s;
}

int nombre_cellules(const LignesPage& lignes) {
  int n = 0;
  for (const auto& l : lignes) n += static_cast<int>(l->cellules.size());
  return n;
}

// Where the text of a line ends: its right, or the left of the blank it ends
// with (a blank after the last word may hang past the width).
int fin_du_texte(const Tligne& l) {
  for (auto c = l.cellules.rbegin(); c != l.cellules.rend(); ++c) {
    if (!c->cache) return c->caractere == " " ? c->gauche : l.droite;
  }
  return l.droite;
}

// How far the first word of a line reaches from its left.
int largeur_premier_mot(const Tligne& l) {
  for (const auto& c : l.cellules) {
    if (!c.cache && c.caractere == " ") return c.gauche - l.gauche;
  }
  return l.droite - l.gauche;
}

// No blank stands between two visible characters.
bool un_seul_mot(const Tligne& l) {
  bool blanc = false;
  for (const auto& c : l.cellules) {
    if (c.cache) continue;
    if (c.caractere != " " && blanc) return false;
    blanc = c.caractere == " ";
  }
  return true;
}

TEST(MiseEnPage, OneCellPerSourceCharacterAndMarkupHidden) {
  for (const std::string source :
       {"a<B>b</B> c", "<P ALIGN=RIGHT>mot</P><BR>mot2", "{x+1}<BR>{=2}", "x}y", "a{b", "{",
        "<A HREF=5>mot</A> et <FONT COLOR=red>rouge</FONT>\xA8suite", "\\p \\q <mot>", "<P x{y}>z"}) {
    PageSansImage page(source);
    EXPECT_EQ(textes_joints(page->lignes), source) << source;
    EXPECT_EQ(nombre_cellules(page->lignes), static_cast<int>(source.size())) << source;
    const std::vector<bool>& masque = page->masque_balises;
    int index = 0;
    for (const auto& l : page->lignes) {
      EXPECT_EQ(l->texte.size(), l->cellules.size());
      for (const auto& c : l->cellules) {
        EXPECT_EQ(c.indice_source, index) << source;
        if (masque[static_cast<std::size_t>(index)]) {
          EXPECT_TRUE(c.balise && c.cache) << source << " at " << index;
        }
        ++index;
      }
    }
  }
}

TEST(MiseEnPage, StyleTagsToggle) {
  {
    PageSansImage page("<B>a</B>b");
    EXPECT_EQ(page.cellule(0, 3).style, style_gras);
    EXPECT_EQ(page.cellule(0, 8).style, 0);
  }
  {
    PageSansImage page("<B>a<B>b");
    EXPECT_EQ(page.cellule(0, 3).style, style_gras);
    EXPECT_EQ(page.cellule(0, 7).style, 0);
  }
  {
    PageSansImage page("<U>a</U>b</U>c");
    EXPECT_EQ(page.cellule(0, 3).style, style_souligne);
    EXPECT_EQ(page.cellule(0, 8).style, 0);
    EXPECT_EQ(page.cellule(0, 13).style, style_souligne);
  }
  {
    PageSansImage page("<I>a</I><S>b</S>");
    EXPECT_EQ(page.cellule(0, 3).style, style_italique);
    EXPECT_EQ(page.cellule(0, 11).style, style_barre);
  }
}

TEST(MiseEnPage, FontColourAndLinks) {
  {
    PageSansImage page("<FONT COLOR=#0000FF>a</FONT>b", 600, 0, 0, 0x123456);
    EXPECT_EQ(page.cellule(0, 20).couleur, 0xFF0000u);
    EXPECT_EQ(page.cellule(0, 28).couleur, 0x123456u);
  }
  PageSansImage page("<A HREF=5>mot</A>");
  for (int c = 10; c < 13; ++c) {
    EXPECT_EQ(page.cellule(0, c).couleur, 0xFF0000u);
    EXPECT_EQ(page.cellule(0, c).style & style_souligne, style_souligne);
  }
  ASSERT_EQ(page->liens.size(), 1u);
  const Tlien& lien = page->liens[0];
  EXPECT_EQ(lien.cible, "5");
  EXPECT_EQ(std::make_pair(lien.ligne_debut, lien.cellule_debut), std::make_pair(0, 9));
  EXPECT_EQ(std::make_pair(lien.ligne_fin, lien.cellule_fin), std::make_pair(0, 16));
}

TEST(MiseEnPage, AlignmentMovesTheLineItEndsOn) {
  PageSansImage gauche("mot");
  const int droite = gauche.ligne(0).droite;
  {
    PageSansImage page("<P ALIGN=RIGHT>mot</P><BR>mot2");
    ASSERT_EQ(page.nombre_lignes(), 2u);
    EXPECT_EQ(page.ligne(0).droite, 600);
    EXPECT_EQ(page.cellule(0, 15).gauche, 600 - droite);
    EXPECT_EQ(page.ligne(1).gauche, 0);
  }
  {
    PageSansImage page("<P ALIGN=center>mot");
    EXPECT_EQ(page.ligne(0).droite, droite);
  }
  {
    PageSansImage page("<P ALIGN=CENTER>mot");
    EXPECT_EQ(page.cellule(0, 16).gauche, static_cast<int>(std::nearbyint((600 - droite) / 2.0)));
  }
}

TEST(MiseEnPage, LinesStackFromTheOriginWithoutGaps) {
  PageSansImage page("un<BR>deux\xA8trois<BR><BR>quatre", 600, 5, 7);
  ASSERT_EQ(page.nombre_lignes(), 5u);
  EXPECT_EQ(page.ligne(0).haut, 7);
  EXPECT_EQ(page.cellule(0, 0).gauche, 5);
  for (std::size_t l = 1; l < 5; ++l) {
    EXPECT_EQ(page.ligne(l).haut, page.ligne(l - 1).bas) << l;
    EXPECT_GT(page.ligne(l).bas, page.ligne(l).haut) << l;
  }
  EXPECT_EQ(page.ligne(0).texte, "un<BR>");
  EXPECT_EQ(page.ligne(1).texte, "deux\xA8");
}

TEST(MiseEnPage, BreaksOnlyAfterABlankOrAForcedBreak) {
  PageSansImage large("motsansblanc");
  const int largeur_mot = large.ligne(0).droite;
  PageSansImage page("motsansblanc", largeur_mot / 2);
  ASSERT_EQ(page.nombre_lignes(), 1u);
  EXPECT_EQ(page->largeur, largeur_mot);
  PageSansImage formules("{x+1}<BR>{=2}");
  ASSERT_EQ(formules.nombre_lignes(), 2u);
  EXPECT_EQ(formules.ligne(0).texte, "{x+1}<BR>");
}

// At every width up to the text's own: a line holds as many words as fit
// (the next line's first word would not), holds more than one only when
// they fit, and the text stays on one line exactly from its own width on.
TEST(MiseEnPage, LinesBreakAtTheLastBlankThatFitsAtEveryWidth) {
  for (const std::string source :
       {"aa bb cc", "un deux trois quatre cinq", "<B>aa</B> bb <I>cc</I>", "aa bb {x+1}", "aa bb {x/2",
        "{1/x} {2*(1/x+1)} y"}) {
    const int largeur_du_texte = PageSansImage(source).ligne(0).droite;
    for (int largeur = 1; largeur <= largeur_du_texte + 2; ++largeur) {
      PageSansImage page(source, largeur);
      const std::string lieu = source + " at " + std::to_string(largeur) + " pixels";
      ASSERT_EQ(page.nombre_lignes() == 1, largeur >= largeur_du_texte) << lieu;
      for (std::size_t l = 0; l < page.nombre_lignes(); ++l) {
        const Tligne& ligne = page.ligne(l);
        EXPECT_TRUE(fin_du_texte(ligne) <= largeur || un_seul_mot(ligne)) << lieu << ", line " << l;
        if (l + 1 < page.nombre_lignes()) {
          EXPECT_GT(ligne.droite + largeur_premier_mot(page.ligne(l + 1)), largeur) << lieu << ", line " << l;
        }
      }
    }
  }
}

TEST(MiseEnPage, WrappedTextKeepsTheStylesOfItsPlace) {
  const std::string source = "<B>un deux trois</B> quatre";
  PageSansImage large(source);
  // The width ends just after "deux ": "trois" goes to the next line.
  const int largeur = large.cellule(0, 10).droite + 2;
  PageSansImage page(source, largeur);
  ASSERT_EQ(page.nombre_lignes(), 3u);
  EXPECT_EQ(page.ligne(0).texte, "<B>un deux ");
  EXPECT_EQ(page.ligne(1).texte, "trois</B> ");
  for (int c = 0; c < 5; ++c) EXPECT_EQ(page.cellule(1, c).style, style_gras) << c;
  EXPECT_EQ(page.ligne(2).texte, "quatre");
  EXPECT_EQ(page.cellule(2, 0).style, 0);
}

TEST(MiseEnPage, AWrappedLinkIsOneLinkEndingAtItsLastCell) {
  const std::string source = "<A HREF=7>un deux trois</A>";
  PageSansImage large(source);
  PageSansImage page(source, large.cellule(0, 17).droite + 2);
  ASSERT_EQ(page.nombre_lignes(), 2u);
  ASSERT_EQ(page->liens.size(), 1u);
  const Tlien& lien = page->liens[0];
  EXPECT_EQ(std::make_pair(lien.ligne_debut, lien.cellule_debut), std::make_pair(0, 9));
  EXPECT_EQ(lien.ligne_fin, 1);
  EXPECT_EQ(lien.cellule_fin, static_cast<int>(page.ligne(1).cellules.size()) - 1);
  EXPECT_EQ(page.cellule(1, 0).couleur, 0xFF0000u);
}

TEST(MiseEnPage, TheLastCharacterKeepsItsStyleAndAClosingFormulaIsAligned) {
  {
    PageSansImage page("<B>abc");
    EXPECT_EQ(page.cellule(0, 5).style, style_gras);
  }
  PageSansImage page("<P ALIGN=CENTER>a{x+1}");
  const Tligne& l = page.ligne(0);
  const int marge_gauche = page.cellule(0, 16).gauche;
  EXPECT_LE(std::abs((600 - l.droite) - marge_gauche), 1);
}

TEST(MiseEnPage, BoldTextIsMeasuredBold) {
  PageSansImage normal("WWW");
  PageSansImage gras("<B>WWW</B>");
  const Tcellule& w = gras.cellule(0, 3);
  EXPECT_GT(w.droite - w.gauche, normal.cellule(0, 0).droite - normal.cellule(0, 0).gauche);
  EXPECT_EQ(gras.cellule(0, 4).gauche, w.droite);
}

TEST(MiseEnPage, SymbolCharactersAndStrayMarkup) {
  PageSansImage page("\\p\\q<mot>");
  EXPECT_TRUE(page.cellule(0, 0).cache);
  EXPECT_EQ(page.cellule(0, 1).police, "Symbol");
  EXPECT_FALSE(page.cellule(0, 1).cache);
  EXPECT_EQ(page.cellule(0, 3).police, "MS Sans Serif");
  for (int c = 4; c < 9; ++c) EXPECT_FALSE(page.cellule(0, c).cache) << c;
  // A brace that closes nothing is one hidden cell; a formula left open at
  // the end is laid out as if closed.
  PageSansImage accolade("a}b{c");
  EXPECT_EQ(accolade.ligne(0).texte, "a}b{c");
  EXPECT_TRUE(accolade.cellule(0, 1).cache && accolade.cellule(0, 1).balise);
  EXPECT_FALSE(accolade.cellule(0, 4).cache);
}

TEST(MiseEnPage, ABraceEndingAnOpenTagStillLaysOutItsFormula) {
  PageSansImage page("<P x{y}>z");
  EXPECT_EQ(page.ligne(0).texte, "<P x{y}>z");
}

TEST(MiseEnPage, ATextPastTheLengthBoundIsCutAndEndsWithTheMark) {
  std::string mots;
  while (mots.size() <= longueur_page_maximale) mots += "un <B>mot</B> {x/2} ";
  const std::string_view gardee = std::string_view(mots).substr(0, longueur_page_maximale);
  PageSansImage page(mots);
  const Tligne& marque = page.ligne(page.nombre_lignes() - 1);
  EXPECT_EQ(marque.texte, marque_de_coupure);
  for (const auto& c : marque.cellules) EXPECT_TRUE(c.indice_source == -1 && !c.cache);
  EXPECT_EQ(marque.haut, page.ligne(page.nombre_lignes() - 2).bas);
  page->lignes.pop_back();
  EXPECT_TRUE(indices_source_coherents(gardee, page->lignes, page->masque_balises));
  PageSansImage entiere(gardee);
  EXPECT_NE(entiere.ligne(entiere.nombre_lignes() - 1).texte, marque_de_coupure);
}

TEST(MiseEnPage, EmptySourceGivesNoLinesAndAClearedImage) {
  PageDeTest page("");
  EXPECT_TRUE(page->lignes.empty());
  page->afficher();
  EXPECT_TRUE(page.image.bitmap().isNull());
}

TEST(MiseEnPage, AScrollBoxGivesItsWidthAndLaysOutAgainOnResize) {
  QWidget fenetre;  // a shown parent: the box gets its resize events at once
  fenetre.resize(800, 600);
  fenetre.show();
  auto* boite_ = new BoiteDefilement(&fenetre);
  BoiteDefilement& boite = *boite_;
  boite.resize(425, 300);
  boite.show();
  auto* image = new ImageHote;
  boite.setWidget(image);
  auto formule = std::make_unique<Tformule>(image, police_des_pages(), "un deux trois quatre cinq six", 0, 0, false,
                                            false);
  EXPECT_EQ(formule->boite, &boite);
  EXPECT_EQ(image->largeur(), 400);
  const std::size_t lignes_larges = formule->lignes.size();
  boite.resize(125, 300);
  EXPECT_EQ(image->largeur(), 100);
  EXPECT_GT(formule->lignes.size(), lignes_larges);
  EXPECT_FALSE(image->bitmap().isNull());
  formule.reset();
  boite.resize(500, 300);  // the page is gone: nothing is laid out any more
  EXPECT_EQ(image->largeur(), 100);
}

TEST(MiseEnPage, TheLayoutIsNotCappedButTheBitmapIs) {
  PageDeTest page(std::string(3000, 'W') + "<BR>" + std::string(3000, 'W'));
  page->afficher();
  EXPECT_GT(page.image.largeur(), ImageHote::cote_maximal);
  EXPECT_EQ(page.image.bitmap().width(), ImageHote::cote_maximal);
  EXPECT_EQ(page.image.bitmap().height(), page.ligne(1).bas);
  ImageHote haute;
  haute.dimensionner_bitmap(16384, 16384);
  EXPECT_EQ(static_cast<long long>(haute.bitmap().width()) * haute.bitmap().height(), ImageHote::aire_maximale);
}

TEST(Tligne, AssignCopiesAllButTheCanvasAndConcatenatesJoinBoxes) {
  PageSansImage page("ab");
  Tligne copie(&page.canevas, {}, police_des_pages(), "", 50, 60);
  copie.canevas = nullptr;
  copie.Assign(page.ligne(0));
  EXPECT_EQ(copie.texte, "ab");
  EXPECT_EQ(copie.droite, page.ligne(0).droite);
  EXPECT_EQ(copie.canevas, nullptr);
  Tligne autre(&page.canevas, {}, police_des_pages(), "xy", 200, 30);
  page.ligne(0).concatener(autre);
  EXPECT_EQ(page.ligne(0).texte, "abxy");
  EXPECT_EQ(page.ligne(0).droite, autre.droite);
  EXPECT_EQ(page.ligne(0).gauche, 0);
  EXPECT_EQ(page.ligne(0).bas, autre.bas);
  page.ligne(0).ajouter_objet("ligne", {{-5, 0}, {300, 400}}, police_des_pages());
  EXPECT_EQ(page.ligne(0).gauche, -5);
  EXPECT_EQ(page.ligne(0).droite, 301);
  EXPECT_EQ(page.ligne(0).bas, 401);
  page.ligne(0).ajouter_caractere(1, "Z", 0, 0, 0, true, false, "MS Sans Serif", 14, 0, 0);
  EXPECT_EQ(page.ligne(0).texte, "aZbxy");
}

}  // namespace
