#include "components/controles/JvSpecialProgress.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <QToolTip>

#include "components/controles/outils_controles.h"
#include "formula/image_de_reference.h"
#include "platform/couleur_qt.h"

namespace {

// The main window's score bar.
void en_barre_de_score(TJvSpecialProgress& barre) {
  barre.SetStartColor(couleur_rouge);
  barre.SetEndColor(couleur_bleu_ciel);
  barre.SetColor(couleur_blanche);
  barre.SetSolid(true);
  barre.SetGradientBlocks(true);
  barre.SetTextCentered(true);
  barre.SetTextOption(TJvTextOption::toPercent);
  barre.SetStep(1);
}

TEST(JvSpecialProgress, ScoreBarShowsTheTruncatedShareOverItsFill) {
  TJvSpecialProgress barre;
  en_barre_de_score(barre);
  barre.SetMaximum(3);
  barre.SetPosition(2);
  EXPECT_EQ(barre.Texte(), QStringLiteral("66%"));
  EXPECT_EQ(barre.Rempli(), 98);
  const QImage image = image_de(barre);
  EXPECT_EQ(pixel(image, 1, 1), QColor(255, 0, 0));
  EXPECT_TRUE(proches(pixel(image, 98, 1), couleur_qt(couleur_bleu_ciel), 3));
  EXPECT_EQ(pixel(image, 99, 1), QColor(255, 255, 255));
  EXPECT_EQ(pixel(image, 0, 7), QColor(255, 255, 255));  // the frame in Color
  garder_capture(image, "barre_score_66.png");
  comparer_a_la_reference(image, "barre_score_66.png");

  // An empty range after a fill: nothing filled, 0%.
  barre.SetMaximum(0);
  EXPECT_EQ(barre.Rempli(), 0);
  EXPECT_EQ(barre.Texte(), QStringLiteral("0%"));
  EXPECT_EQ(pixel(image_de(barre), 5, 7), QColor(255, 255, 255));
}

TEST(JvSpecialProgress, PositionStaysInTheRange) {
  TJvSpecialProgress barre;
  barre.SetSolid(true);
  barre.SetPosition(250);
  EXPECT_EQ(barre.Position(), 100);
  EXPECT_EQ(barre.Rempli(), 148);
  barre.SetPosition(-4);
  EXPECT_EQ(barre.Rempli(), 0);
  barre.SetMinimum(50);
  EXPECT_EQ(barre.Position(), 50);
  barre.SetMaximum(10);  // not below Minimum
  EXPECT_EQ(barre.Maximum(), 50);
  barre.SetMaximum(100);
  barre.SetMinimum(200);  // not above Maximum
  EXPECT_EQ(barre.Minimum(), 100);
  EXPECT_EQ(barre.Position(), 100);
}

TEST(JvSpecialProgress, BlocksRoundToTheNearestHalfBlock) {
  TJvSpecialProgress barre;
  barre.SetStartColor(couleur_rouge);
  barre.SetEndColor(couleur_rouge);
  barre.SetColor(couleur_blanche);
  struct Cas {
    int position, rempli;
  };
  for (const Cas& c : {Cas{0, 0}, Cas{51, 70}, Cas{52, 80}, Cas{97, 140}, Cas{99, 148}, Cas{100, 148}}) {
    barre.SetPosition(c.position);
    EXPECT_EQ(barre.Rempli(), c.rempli) << c.position;
  }
  barre.SetPosition(99);
  const QImage image = image_de(barre);
  EXPECT_EQ(pixel(image, 9, 5), QColor(255, 0, 0));     // the first block: 9 pixels
  EXPECT_EQ(pixel(image, 10, 5), QColor(255, 255, 255));  // and its gap
  EXPECT_EQ(pixel(image, 148, 5), QColor(255, 0, 0));   // the partial last block
  garder_capture(image, "barre_blocs.png");
  comparer_a_la_reference(image, "barre_blocs.png");
}

TEST(JvSpecialProgress, FlatBlocksTakeTheColourOfTheirFirstColumn) {
  TJvSpecialProgress barre;
  barre.SetStartColor(couleur_noire);
  barre.SetEndColor(couleur_blanche);
  barre.SetPosition(100);
  const QImage plats = image_de(barre);
  EXPECT_EQ(pixel(plats, 11, 5), pixel(plats, 19, 5));
  barre.SetGradientBlocks(true);
  const QImage degrades = image_de(barre);
  EXPECT_LT(pixel(degrades, 11, 5).red(), pixel(degrades, 19, 5).red());
  EXPECT_EQ(pixel(degrades, 1, 5), QColor(0, 0, 0));
}

TEST(JvSpecialProgress, TextsAndTinyBars) {
  TJvSpecialProgress barre;
  barre.SetPosition(42);
  EXPECT_TRUE(barre.Texte().isEmpty());
  barre.SetCaption(QStringLiteral("%d sur 100 (100%%)"));
  barre.SetTextOption(TJvTextOption::toFormat);
  EXPECT_EQ(barre.Texte(), QStringLiteral("42 sur 100 (100%)"));
  barre.SetTextOption(TJvTextOption::toCaption);
  EXPECT_EQ(barre.Texte(), barre.Caption());

  barre.resize(2, 15);
  QPixmap fond(2, 15);
  fond.fill(Qt::magenta);
  barre.render(&fond, QPoint(), QRegion(), QWidget::RenderFlags());
  EXPECT_EQ(fond.toImage().pixel(0, 0), QColor(Qt::magenta).rgb());
}

TEST(JvSpecialProgress, SingleBorderIsThreeFrames) {
  TJvSpecialProgress barre;
  barre.SetBorderStyle(TJvBorderStyle::bsSingle);
  const QImage image = image_de(barre);
  EXPECT_EQ(pixel(image, 0, 0), couleur_qt(couleur_face_bouton));
  EXPECT_EQ(pixel(image, 1, 1), couleur_qt(couleur_ombre_bouton));
  EXPECT_EQ(pixel(image, 148, 13), couleur_qt(couleur_lumiere_bouton));
  EXPECT_EQ(pixel(image, 2, 2), couleur_qt(couleur_ombre_3d));
}

TEST(JvSpecialProgress, HintColourHoldsWhileThePointerIsInside) {
  TJvSpecialProgress barre;
  barre.SetHintColor(couleur_bleu_ciel);
  const QColor avant = QToolTip::palette().color(QPalette::ToolTipBase);
  entrer(barre, {1, 1});
  EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), couleur_qt(couleur_bleu_ciel));
  sortir(barre);
  EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), avant);
}

}  // namespace
