#include "components/utilitaires/JvVCLUtils.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

namespace {

const QColor magenta(255, 0, 255);

// A 2 x 2 bitmap: red, magenta on the first row, magenta, blue on the second.
QImage damier() {
  QImage image(2, 2, QImage::Format_RGB32);
  image.setPixelColor(0, 0, Qt::red);
  image.setPixelColor(1, 0, magenta);
  image.setPixelColor(0, 1, magenta);
  image.setPixelColor(1, 1, Qt::blue);
  return image;
}

QImage fond(int largeur, int hauteur) {
  QImage image(largeur, hauteur, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

TEST(JvVCLUtils, TransparentStretchLeavesTheKeyColourOut) {
  QImage cible = fond(4, 4);
  {
    QPainter peintre(&cible);
    StretchBltTransparent(peintre, QRect(0, 0, 4, 4), QRect(0, 0, 0, 0), damier(), magenta);
  }
  // Nearest neighbour: each source pixel becomes a 2 x 2 block.
  EXPECT_EQ(cible.pixelColor(1, 1), QColor(Qt::red));
  EXPECT_EQ(cible.pixelColor(3, 0), QColor(Qt::white));
  EXPECT_EQ(cible.pixelColor(0, 3), QColor(Qt::white));
  EXPECT_EQ(cible.pixelColor(2, 2), QColor(Qt::blue));

  QImage partie = fond(3, 3);
  {
    QPainter peintre(&partie);
    StretchBltTransparent(peintre, QRect(1, 1, 2, 2), QRect(1, 1, 1, 1), damier(), magenta);
    DrawTransparentBitmap(peintre, 0, 0, damier(), magenta);
  }
  EXPECT_EQ(partie.pixelColor(2, 2), QColor(Qt::blue));
  EXPECT_EQ(partie.pixelColor(0, 0), QColor(Qt::red));
  EXPECT_EQ(partie.pixelColor(1, 0), QColor(Qt::white));
}

TEST(JvVCLUtils, DisabledGlyphIsEmbossed) {
  QPalette palette;
  palette.setColor(QPalette::Light, Qt::white);
  palette.setColor(QPalette::Dark, Qt::darkGray);
  const QImage masque = CreateTwoColorsMask(damier(), magenta);
  EXPECT_EQ(qAlpha(masque.pixel(1, 0)), 0);
  EXPECT_EQ(masque.pixelColor(0, 0), QColor(Qt::black));
  const QImage grise = CreateDisabledBitmap(damier(), magenta, palette);
  ASSERT_EQ(grise.size(), QSize(2, 2));
  EXPECT_EQ(grise.pixelColor(0, 0), QColor(Qt::darkGray));
  EXPECT_EQ(grise.pixelColor(1, 1), QColor(Qt::darkGray));
  // The highlight shows where the shadow does not cover it.
  EXPECT_EQ(grise.pixelColor(1, 0).alpha(), 0);
  QImage decale(3, 3, QImage::Format_ARGB32);
  decale.fill(Qt::transparent);
  decale.setPixelColor(0, 0, Qt::black);
  EXPECT_EQ(CreateDisabledBitmap(decale, magenta, palette).pixelColor(1, 1), QColor(Qt::white));
}

TEST(JvVCLUtils, ShortenOnlyWhatDoesNotFit) {
  const QFontMetrics mesure(QApplication::font());
  const QString texte = QStringLiteral("Calculatrice");
  const int entier = mesure.horizontalAdvance(texte);
  EXPECT_EQ(ShortenString(mesure, texte, entier), texte);
  const QString court = ShortenString(mesure, texte, entier - 1);
  EXPECT_TRUE(court.endsWith(QStringLiteral("...")));
  EXPECT_LE(mesure.horizontalAdvance(court), entier - 1);
  EXPECT_TRUE(texte.startsWith(court.chopped(3)));
  EXPECT_EQ(ShortenString(mesure, texte, 0), QStringLiteral("..."));
}

}  // namespace
