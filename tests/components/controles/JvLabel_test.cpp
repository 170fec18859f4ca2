#include "components/controles/JvLabel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QToolTip>

#include "components/controles/JvBlinkingLabel.h"
#include "components/controles/outils_controles.h"
#include "platform/couleur_qt.h"

namespace {

TEST(JvLabel, HotTrackFontAndHintColourWhileThePointerIsOver) {
  TJvLabel l;
  QFont grasse = l.font();
  grasse.setBold(true);
  l.SetHotTrack(true);
  l.SetHotTrackFont(grasse);
  const QFont normale = l.font();
  const QColor conseil = QToolTip::palette().color(QPalette::ToolTipBase);
  l.SetHintColor(couleur_rouge);
  entrer(l, {1, 1});
  EXPECT_TRUE(l.font().bold());
  EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 0, 0));
  entrer(l, {1, 1});  // a second entry saves nothing more
  sortir(l);
  EXPECT_EQ(l.font(), normale);
  EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), conseil);
  l.SetHotTrack(false);
  entrer(l, {1, 1});
  EXPECT_FALSE(l.font().bold());
  sortir(l);
}

TEST(JvBlinkingLabel, FirstShownPhaseAndHiddenOnesLastTheDelay) {
  TJvBlinkingLabel l;
  EXPECT_TRUE(l.Minuterie().isActive());
  const auto phase = [&](bool montre, int duree) {
    EXPECT_EQ(l.TexteMontre(), montre);
    EXPECT_EQ(l.Minuterie().interval(), duree);
  };
  phase(true, 400);
  l.Clignoter();
  phase(false, 400);
  l.Clignoter();
  phase(true, 200);
  l.Clignoter();
  phase(false, 400);
  l.SetBlinking(false);
  EXPECT_TRUE(l.TexteMontre());
  EXPECT_FALSE(l.Minuterie().isActive());
  l.SetBlinking(true);
  phase(true, 400);
}

// The darkest pixel of the label: its text, when it is drawn.
int plus_sombre(QWidget& w) {
  const QImage image = w.grab().toImage();
  int minimum = 255;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) minimum = std::min(minimum, qGray(image.pixel(x, y)));
  }
  return minimum;
}

TEST(JvBlinkingLabel, HiddenPhaseDrawsNoText) {
  TJvBlinkingLabel l;
  l.setText(QStringLiteral("HELLO"));
  l.resize(80, 20);
  EXPECT_LT(plus_sombre(l), 100);
  l.Clignoter();
  EXPECT_GT(plus_sombre(l), 150);
  EXPECT_EQ(l.text(), QStringLiteral("HELLO"));
}

TEST(JvLabel, ScreenCursors) {
  EXPECT_EQ(forme_curseur(crJvHand), Qt::PointingHandCursor);
  EXPECT_EQ(forme_curseur(crJvDrag), Qt::ClosedHandCursor);
  EXPECT_EQ(forme_curseur(0), Qt::ArrowCursor);
}

}  // namespace
