#include "components/controles/dxCoreUtils.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QWidget>

#include "platform/couleur_qt.h"

namespace {

const QColor blanc(255, 255, 255);
const QColor fin_normal(239, 235, 231);

TEST(dxCoreUtils, RampRunsFromTheFirstColourToTheSecond) {
  const std::vector<QColor> rampe = GradientColors(blanc, fin_normal, 64, gradient_vertical);
  ASSERT_EQ(rampe.size(), 64u);
  EXPECT_EQ(rampe.front(), blanc);
  EXPECT_EQ(rampe.back(), fin_normal);
  EXPECT_EQ(GradientColors(blanc, fin_normal, 64, 3).front(), fin_normal);  // directions 2 and 3 run back
  EXPECT_EQ(GradientColors(blanc, fin_normal, 1, 1), std::vector<QColor>{blanc});
  EXPECT_TRUE(GradientColors(blanc, fin_normal, 0, 1).empty());
}

// 64 bands on 19 rows: each row shows the last band that covers it.
TEST(dxCoreUtils, NarrowBodyShowsEveryThirdBandInOrder) {
  const std::vector<QColor> rampe = GradientColors(blanc, fin_normal, 64, gradient_vertical);
  const QImage corps = GradientBitmap(5, 19, blanc, fin_normal, 64, gradient_vertical, false);
  const int bandes[] = {1, 5, 8, 11, 15, 18, 21, 25, 28, 31, 35, 38, 42, 45, 48, 52, 55, 58, 62};
  for (int y = 0; y < 19; ++y) {
    EXPECT_EQ(QColor(corps.pixel(0, y)), rampe[bandes[y]]) << "row " << y;
    EXPECT_EQ(corps.pixel(4, y), corps.pixel(0, y));
  }
  const QImage horizontal = GradientBitmap(19, 2, blanc, fin_normal, 64, gradient_horizontal, false);
  for (int x = 0; x < 19; ++x) EXPECT_EQ(QColor(horizontal.pixel(x, 1)), rampe[bandes[x]]) << "column " << x;
}

TEST(dxCoreUtils, DitherDependsOnlyOnTheSize) {
  for (int direction : {0, 1, 2, 3}) {
    const QImage a = GradientBitmap(120, 90, Qt::black, Qt::white, 8, direction, true);
    const QImage b = GradientBitmap(120, 90, Qt::black, Qt::white, 8, direction, true);
    const QImage lisse = GradientBitmap(120, 90, Qt::black, Qt::white, 8, direction, false);
    EXPECT_EQ(a, b) << direction;
    EXPECT_NE(a, lisse) << direction;
    // The dither only borrows the band before: no colour outside the ramp.
    const std::vector<QColor> rampe = GradientColors(Qt::black, Qt::white, 8, direction);
    for (int y = 0; y < a.height(); y += 7) {
      for (int x = 0; x < a.width(); x += 5) {
        EXPECT_NE(std::find(rampe.begin(), rampe.end(), QColor(a.pixel(x, y))), rampe.end());
      }
    }
  }
  EXPECT_EQ(GradientBitmap(10, 10, Qt::red, Qt::blue, 0, 1, true).pixel(5, 5), QColor(Qt::red).rgb());
  EXPECT_TRUE(GradientBitmap(0, 10, Qt::red, Qt::blue, 5, 1, true).isNull());
}

TEST(dxCoreUtils, InnerRectAndBoundLines) {
  EXPECT_EQ(InnerRect(2, true, blLeft | blTop, QRect(0, 0, 100, 50)), QRect(3, 3, 95, 45));
  EXPECT_EQ(InnerRect(2, false, blLeft | blTop, QRect(0, 0, 100, 50)), QRect(2, 2, 96, 46));
  EXPECT_EQ(InnerRect(0, true, blLeft | blTop | blRight | blBottom, QRect(0, 0, 10, 10)), QRect(1, 1, 8, 8));
  QImage image(10, 6, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter peintre(&image);
  DrawBoundLines(peintre, blRight | blBottom, Qt::black, image.rect());
  peintre.end();
  EXPECT_EQ(image.pixel(9, 0), QColor(Qt::black).rgb());
  EXPECT_EQ(image.pixel(0, 5), QColor(Qt::black).rgb());
  EXPECT_EQ(image.pixel(8, 4), QColor(Qt::white).rgb());
}

TEST(dxCoreUtils, GreyAndDisabledGlyphs) {
  QImage glyphe(2, 1, QImage::Format_ARGB32);
  glyphe.setPixel(0, 0, qRgb(30, 60, 90));
  glyphe.setPixel(1, 0, qRgb(200, 200, 200));
  const QImage gris = GreyGlyph(glyphe);
  EXPECT_EQ(QColor(gris.pixel(0, 0)), QColor(160, 160, 160));
  EXPECT_EQ(QColor(gris.pixel(1, 0)), QColor(255, 255, 255));
  glyphe.setPixel(1, 0, qRgba(0, 0, 0, 0));
  const QImage inactif = DisabledGlyph(glyphe, QColor(128, 128, 128));
  EXPECT_EQ(QColor(inactif.pixel(0, 0)), QColor(128, 128, 128));
  EXPECT_EQ(qAlpha(inactif.pixel(1, 0)), 0);
}

TEST(dxCoreUtils, TextFlagsAndMeasures) {
  EXPECT_EQ(TextFlags(Qt::AlignLeft, false), dt::points_de_suite | dt::une_ligne);
  EXPECT_EQ(TextFlags(Qt::AlignRight, true), dt::points_de_suite | dt::droite | dt::coupure_mots);
  EXPECT_EQ(TextFlags(Qt::AlignHCenter, false), dt::points_de_suite | dt::centre | dt::une_ligne);
  QWidget w;
  const auto mesure = [&](const QString& t, bool accelerateur) {
    return DrawText(w, nullptr, t, dt::mesurer | dt::une_ligne, QRect(), accelerateur, true);
  };
  const QRect blanc_ = mesure(QStringLiteral(" "), true);
  EXPECT_GT(blanc_.width(), 0);
  EXPECT_EQ(mesure(QStringLiteral("&"), true), blanc_);
  EXPECT_EQ(mesure(QString(), true), blanc_);
  EXPECT_GT(mesure(QStringLiteral("&"), false).width(), 0);
  EXPECT_LT(mesure(QStringLiteral("&Ok"), true).width(), mesure(QStringLiteral("&Ok"), false).width());
}

// Disabled text: the highlight one pixel right and down, the shadow over it
// where the text itself lies.
TEST(dxCoreUtils, DisabledTextIsEmbossed) {
  QWidget w;
  QFont police = w.font();
  police.setPixelSize(16);
  police.setStyleStrategy(QFont::NoAntialias);
  w.setFont(police);
  const QColor fond(0, 128, 0);
  const auto dessin = [&](bool actif) {
    QImage image(60, 24, QImage::Format_RGB32);
    image.fill(fond);
    QPainter peintre(&image);
    DrawText(w, &peintre, QStringLiteral("Ab"), dt::une_ligne, QRect(0, 0, 59, 23), true, actif);
    return image;
  };
  const QImage actif = dessin(true);
  const QImage inactif = dessin(false);
  const auto texte = [&](int x, int y) { return x >= 0 && y >= 0 && QColor(actif.pixel(x, y)) != fond; };
  int pixels_texte = 0;
  for (int y = 0; y < actif.height(); ++y) {
    for (int x = 0; x < actif.width(); ++x) {
      const QColor attendu = texte(x, y)           ? couleur_qt(couleur_ombre_bouton)
                             : texte(x - 1, y - 1) ? couleur_qt(couleur_lumiere_bouton)
                                                   : fond;
      pixels_texte += texte(x, y) ? 1 : 0;
      ASSERT_EQ(QColor(inactif.pixel(x, y)), attendu) << x << "," << y;
    }
  }
  EXPECT_GT(pixels_texte, 20);
}

}  // namespace
