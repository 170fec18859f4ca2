// The canvas: font substitution, measures, text, lines, arcs, inversion, and
// the page widget's bitmap and handlers.
#include "platform/canevas.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>

#include "platform/image_hote.h"

namespace {

QImage image_blanche(int largeur, int hauteur) {
  QImage image(largeur, hauteur, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// The box holding every pixel that is not white; empty when there is none.
QRect encre(const QImage& image) {
  QRect boite;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != 0xFFFFFFFFu) boite |= QRect(x, y, 1, 1);
    }
  }
  return boite;
}

TEST(Polices, PageFontsMapToTheInstalledDejaVuSans) {
  for (const char* nom : {"MS Sans Serif", "", "Symbol"}) EXPECT_EQ(famille_installee(nom), "DejaVu Sans") << nom;
  EXPECT_EQ(QFontInfo(QFont("DejaVu Sans")).family(), "DejaVu Sans") << "fonts-dejavu-core is missing";
  const struct {
    const char* police;
    char octet;
    char16_t attendu;
  } cas[] = {
      {"Symbol", 'p', u'\u03C0'},    {"Symbol", '\xB3', u'\u2265'}, {"Symbol", '\xA3', u'\u2264'},
      {"Symbol", '\xBB', u'\u2248'}, {"Symbol", '\xF2', u'\u222B'}, {"Symbol", 'D', u'\u0394'},
      {"Symbol", '\xAE', u'\u2192'}, {"Symbol", '\xB9', u'\u2260'}, {"Symbol", '\xA5', u'\u221E'},
      {"Symbol", 'q', u'q'},         {"MS Sans Serif", 'p', u'p'},  {"MS Sans Serif", '\xA8', u'\u00A8'},
      {"MS Sans Serif", '\x80', u'\u20AC'},
  };
  for (const auto& c : cas) EXPECT_EQ(caractere_affiche(c.police, c.octet), c.attendu) << c.police << " " << c.octet;
}

TEST(Canevas, MeasuresAreSumsOfCharacterAdvances) {
  Canevas c;
  c.police.taille = 14;
  EXPECT_EQ(c.TextWidth("ab"), c.TextWidth("a") + c.TextWidth("b"));
  EXPECT_GT(c.TextHeight(" "), 14);
  EXPECT_EQ(c.TextHeight("x"), c.TextHeight(" "));
  const int normal = c.TextWidth("WWW");
  c.police.style = style_gras;
  EXPECT_GT(c.TextWidth("WWW"), normal);
  c.police.style = 0;
  c.police.nom = "Symbol";
  QFont dejavu("DejaVu Sans");
  dejavu.setPixelSize(19);  // 14 points at 96 dpi
  EXPECT_EQ(c.TextWidth("p"), QFontMetrics(dejavu).horizontalAdvance(QChar(0x3C0)));
  c.police.taille = 28;
  EXPECT_GT(c.TextHeight(" "), 30);
}

TEST(Canevas, TextOutPutsTheGlyphBoxTopAtY) {
  QImage image = image_blanche(200, 60);
  Canevas c;
  c.attacher(&image);
  c.TextOut(10, 20, "\xC9gypte");  // a capital with an accent reaches the box top
  const int hauteur = c.TextHeight(" ");
  c.terminer();
  const QRect boite = encre(image);
  ASSERT_FALSE(boite.isEmpty());
  EXPECT_GE(boite.top(), 20);
  EXPECT_LE(boite.top(), 23);
  EXPECT_LT(boite.bottom(), 20 + hauteur);
  EXPECT_GE(boite.left(), 10);
  EXPECT_LE(boite.left(), 12);
}

TEST(Canevas, UnderlineAndStrikeOutStayUnderTheirText) {
  for (const std::uint8_t style : {style_souligne, style_barre}) {
    QImage image = image_blanche(200, 60);
    Canevas c;
    c.attacher(&image);
    c.police.style = style;
    c.TextOut(100, 30, "ab");
    const int largeur = c.TextWidth("ab");
    c.terminer();
    const QRect boite = encre(image);
    EXPECT_GE(boite.left(), 99) << int(style);
    EXPECT_GE(boite.top(), 30) << int(style);
    // A decoration is one row of ink across the whole text.
    int plus_longue = 0;
    for (int y = boite.top(); y <= boite.bottom(); ++y) {
      int n = 0;
      for (int x = 100; x < 100 + largeur; ++x) n += image.pixel(x, y) != 0xFFFFFFFFu;
      plus_longue = std::max(plus_longue, n);
    }
    EXPECT_GE(plus_longue, largeur - 2) << int(style);
  }
}

TEST(Canevas, ArcsRunCounterClockwiseFromStartToEnd) {
  QImage image = image_blanche(50, 50);
  Canevas c;
  c.attacher(&image);
  c.Arc(0, 0, 40, 40, 40, 20, 20, 0);  // from the right to the top: upper right quarter
  c.terminer();
  const QRect boite = encre(image);
  ASSERT_FALSE(boite.isEmpty());
  EXPECT_GE(boite.left(), 18);
  EXPECT_LE(boite.bottom(), 22);
  QImage autre = image_blanche(50, 50);
  c.attacher(&autre);
  c.Arc(0, 0, 40, 40, 20, 0, 40, 20);  // from the top round to the right: three quarters
  c.terminer();
  EXPECT_LE(encre(autre).left(), 1);
  EXPECT_GE(encre(autre).bottom(), 38);
}

TEST(Canevas, InvertingTwiceRestoresAndLinesScaleWithTheCanvas) {
  QImage image = image_blanche(30, 30);
  Canevas c;
  c.attacher(&image);
  c.TextOut(0, 0, "ab");
  c.terminer();
  const QImage avant = image.copy();
  c.attacher(&image);
  c.inverser(5, 5, 15, 12);
  c.terminer();
  EXPECT_EQ(image.pixel(5, 5), 0xFF000000u | ~avant.pixel(5, 5));
  EXPECT_EQ(image.pixel(15, 5), avant.pixel(15, 5));
  c.attacher(&image);
  c.inverser(15, 12, 5, 5);
  c.terminer();
  EXPECT_EQ(image, avant);

  QImage double_taille = image_blanche(40, 10);
  c.attacher(&double_taille, 2.0);
  c.couleur_crayon = 0x0000FF;
  c.MoveTo(0, 2);
  c.LineTo(10, 2);
  c.terminer();
  const QRect trait = encre(double_taille);
  EXPECT_GE(trait.right(), 19);
  EXPECT_LE(trait.right(), 21);
  EXPECT_EQ(QColor(double_taille.pixel(10, trait.top())).red(), 255);
}

TEST(ImageHote, CapsItsBitmapAndKeepsItsLogicalSize) {
  ImageHote image;
  image.definir_largeur(100000);
  image.dimensionner_bitmap(100000, 10);
  EXPECT_EQ(image.largeur(), 100000);
  EXPECT_EQ(image.bitmap().size(), QSize(ImageHote::cote_maximal, 10));
  image.dimensionner_bitmap(20000, 20000);
  EXPECT_EQ(image.bitmap().width(), ImageHote::cote_maximal);
  EXPECT_EQ(image.bitmap().height(), (1 << 25) / ImageHote::cote_maximal);
  image.effacer_image();
  EXPECT_TRUE(image.bitmap().isNull());
}

TEST(ImageHote, AnOwnerRemovesOnlyItsOwnHandlers) {
  ImageHote image;
  int premier = 0;
  int second = 0;
  image.definir_sur_deplacement(&premier, [&](unsigned, int, int) { ++premier; });
  image.definir_sur_appui(&premier, [&](BoutonSouris, unsigned, int, int) { ++premier; });
  image.definir_sur_appui(&second, [&](BoutonSouris, unsigned, int, int) { ++second; });
  image.retirer_gestionnaires(&premier);
  image.souris_deplacee(0, 1, 1);
  image.souris_appuyee(BoutonSouris::gauche, 0, 1, 1);
  EXPECT_EQ(premier, 0);
  EXPECT_EQ(second, 1);
}

}  // namespace
