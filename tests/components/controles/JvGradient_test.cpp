#include "components/controles/JvGradient.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <set>

#include "components/controles/JvGradientCaption.h"
#include "components/controles/outils_controles.h"
#include "formula/image_de_reference.h"
#include "platform/couleur_qt.h"

namespace {

TEST(JvGradient, VerticalStepsAreCutToTheHeight) {
  TJvGradient g;
  g.SetStyle(TGradStyle::grVertical);
  g.SetStartColor(couleur_noire);
  g.SetEndColor(couleur_blanche);
  const QImage image = g.Dessin(QSize(50, 30));
  std::set<QRgb> lignes;
  for (int y = 0; y < 30; ++y) {
    lignes.insert(image.pixel(0, y));
    EXPECT_EQ(image.pixel(49, y), image.pixel(0, y));
  }
  EXPECT_EQ(lignes.size(), 30u);
  EXPECT_EQ(pixel(image, 0, 0), QColor(0, 0, 0));
  EXPECT_EQ(pixel(image, 0, 29), QColor(246, 246, 246));  // 29 * 8.5, a tie, to even: EndColor is never seen
}

TEST(JvGradient, EllipseRunsFromTheCornersToTheCentre) {
  TJvGradient g;
  g.SetStyle(TGradStyle::grEllipse);
  g.SetStartColor(couleur_face_bouton);
  g.SetEndColor(couleur_bleu_ciel);
  g.SetSteps(16);
  const QImage image = g.Dessin(QSize(693, 41));
  EXPECT_EQ(pixel(image, 0, 0), couleur_qt(couleur_face_bouton));
  EXPECT_EQ(pixel(image, 346, 20), couleur_qt(couleur_bleu_ciel));
  EXPECT_NE(pixel(image, 346, 10), couleur_qt(couleur_bleu_ciel));
}

TEST(JvGradient, DegenerateGradientsAreTheStartColour) {
  TJvGradient g;
  g.SetStartColor(couleur_rouge);
  g.SetEndColor(couleur_bleue);
  for (TGradStyle style : {TGradStyle::grFilled, TGradStyle::grEllipse, TGradStyle::grHorizontal,
                           TGradStyle::grVertical, TGradStyle::grPyramid, TGradStyle::grMount}) {
    g.SetStyle(style);
    g.SetSteps(0);
    EXPECT_EQ(pixel(g.Dessin(QSize(20, 20)), 10, 10), QColor(255, 0, 0));
    g.SetSteps(100);
    EXPECT_EQ(pixel(g.Dessin(QSize(1, 1)), 0, 0), QColor(255, 0, 0));
    EXPECT_TRUE(g.Dessin(QSize(0, 5)).isNull());
  }
}

TEST(JvGradient, NestedShapesEndInTheEndColour) {
  TJvGradient g;
  g.SetStartColor(couleur_noire);
  g.SetEndColor(couleur_blanche);
  g.SetSteps(10);
  for (TGradStyle style : {TGradStyle::grPyramid, TGradStyle::grMount}) {
    g.SetStyle(style);
    const QImage image = g.Dessin(QSize(41, 41));
    EXPECT_EQ(pixel(image, 20, 20), QColor(255, 255, 255));
    EXPECT_EQ(pixel(image, 0, 0), QColor(0, 0, 0));
  }
  g.SetStyle(TGradStyle::grPyramid);
  EXPECT_EQ(pixel(g.Dessin(QSize(40, 40)), 2, 20), QColor(26, 26, 26));  // step 1 of 10
}

TEST(JvGradientCaption, LabelFillsTheMarginsOrIsCentredAndCut) {
  TJvGradientCaption barre;
  barre.resize(300, 30);
  barre.SetLabelLeft(-5);
  EXPECT_EQ(barre.LabelLeft(), 0);
  barre.SetLabelLeft(12);
  barre.SetLabelTop(-3);
  EXPECT_EQ(barre.LabelTop(), 0);
  barre.setText(QStringLiteral("Court"));
  EXPECT_EQ(barre.Label()->geometry().left(), 12);
  EXPECT_EQ(barre.Label()->width(), 300 - 24);
  barre.setText(QString(200, QLatin1Char('M')));
  const QRect long_ = barre.Label()->geometry();
  EXPECT_LT(long_.left(), 0);
  EXPECT_LE(std::abs(long_.center().x() - 150), 1);
}

TEST(JvGradientCaption, TransparentLabelShowsTheGradient) {
  TJvGradientCaption barre;
  barre.resize(200, 30);
  barre.SetGradientStyle(TGradStyle::grFilled);
  barre.SetGradientStartColor(couleur_verte);
  barre.setText(QStringLiteral("."));
  barre.SetLabelAlignment(Qt::AlignRight);
  const QPoint vide = barre.Label()->geometry().topLeft() + QPoint(2, 2);
  EXPECT_EQ(pixel(image_de(barre), vide.x(), vide.y()), couleur_qt(couleur_verte));
  barre.SetLabelColor(couleur_rouge);
  EXPECT_EQ(pixel(image_de(barre), vide.x(), vide.y()), QColor(255, 0, 0));
}

// The two bars of the program: the main window's and the about box's.
TEST(JvGradientCaption, CaptionBarsAsTheWindowsShowThem) {
  struct Cas {
    TGradStyle style;
    std::int32_t debut;
    int pas, pixels;
    QSize taille;
    const char* fichier;
  };
  for (const Cas& c : {Cas{TGradStyle::grEllipse, couleur_face_bouton, 16, 24, QSize(693, 41), "barre_titre.png"},
                       Cas{TGradStyle::grHorizontal, couleur_bleu_ciel, 100, 19, QSize(400, 30),
                           "barre_titre_apropos.png"}}) {
    TJvGradientCaption barre;
    barre.resize(c.taille);
    barre.SetGradientStyle(c.style);
    barre.SetGradientStartColor(c.debut);
    if (c.style == TGradStyle::grEllipse) barre.SetGradientEndColor(couleur_bleu_ciel);
    barre.SetGradientSteps(c.pas);
    QFont police = barre.LabelFont();
    police.setBold(true);
    police.setPixelSize(c.pixels);
    barre.SetLabelFont(police);
    barre.SetLabelFontColor(couleur_bleue);
    barre.SetLabelAlignment(Qt::AlignHCenter);
    barre.setText(QStringLiteral("PRALINORE v1.0"));
    const QImage image = image_de(barre);
    garder_capture(image, c.fichier);
    [&] { comparer_a_la_reference(image, c.fichier); }();
  }
}

}  // namespace
