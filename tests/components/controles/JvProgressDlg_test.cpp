#include "components/controles/JvProgressDlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include "components/controles/outils_controles.h"

namespace {

constexpr double seconde = 1.0 / 86400;
constexpr double debut = 45000.0;
// 1 day, 2 hours, 3 minutes and 4 seconds.
constexpr double estimation = 1 + (2 * 3600 + 3 * 60 + 4) * seconde;

struct Dialogue {
  double heure = debut;
  TJvProgressDlg dlg{nullptr, [this] { return heure; }};
  QString texte() const { return dlg.Form()->Label1->text(); }
};

TEST(JvProgressDlg, TimeLeftFollowsThePace) {
  Dialogue d;
  d.dlg.SetAutoTimeLeft(true);
  d.dlg.SetMaximum(100);
  d.dlg.Show();
  EXPECT_EQ(d.texte(), QStringLiteral("Progress"));
  // Half the work in `estimation`: as long again to go.
  d.heure = debut + estimation;
  d.dlg.SetValue(50);
  EXPECT_EQ(d.texte(), QStringLiteral("Progress (Estimated time left : 1 day(s) 02:03:04)"));
  garder_capture(image_de(*d.dlg.Form()), "dialogue_progression.png");

  // An estimate that moves by less than a second leaves the text alone.
  const auto aller_a = [&](int valeur, double reste) {
    // reste = ecoule * (100 / valeur - 1)
    d.heure = debut + reste / (100.0 / valeur - 1);
    d.dlg.SetValue(valeur);
  };
  aller_a(51, estimation + 0.5 * seconde);
  EXPECT_EQ(d.texte(), QStringLiteral("Progress (Estimated time left : 1 day(s) 02:03:04)"));
  aller_a(52, estimation + 2 * seconde);
  EXPECT_EQ(d.texte(), QStringLiteral("Progress (Estimated time left : 1 day(s) 02:03:06)"));

  d.dlg.SetText(QString());
  d.dlg.SetMaximum(100);  // restarts the clock
  d.heure += 7384 * seconde;
  d.dlg.SetValue(50);
  EXPECT_EQ(d.texte(), QStringLiteral("Estimated time left : 02:03:04"));
}

TEST(JvProgressDlg, WithoutEstimateOnlyTheBarMoves) {
  Dialogue d;
  d.dlg.SetText(QString());
  d.dlg.Show();
  d.heure += 1;
  d.dlg.SetValue(40);
  EXPECT_TRUE(d.texte().isEmpty());
  EXPECT_EQ(d.dlg.Form()->ProgressBar1->value(), 40);
  d.dlg.SetAutoTimeLeft(true);
  d.dlg.SetValue(0);
  EXPECT_TRUE(d.texte().isEmpty());  // no estimate at position 0
  d.dlg.Close();
}

TEST(JvProgressDlg, ValueStaysInRangeAndAnEmptyRangeIsBusy) {
  Dialogue d;
  d.dlg.SetValue(250);
  EXPECT_EQ(d.dlg.Value(), 100);
  d.dlg.SetValue(-3);
  EXPECT_EQ(d.dlg.Value(), 0);
  d.dlg.SetValue(60);
  d.dlg.SetMaximum(0);
  EXPECT_EQ(d.dlg.Value(), 0);
  EXPECT_EQ(d.dlg.Form()->ProgressBar1->maximum(), 0);
  d.dlg.SetMaximum(-5);
  EXPECT_EQ(d.dlg.Form()->ProgressBar1->maximum(), 0);
}

TEST(JvProgressDlg, OnlyCloseHidesTheWindow) {
  Dialogue d;
  d.dlg.Show();
  ASSERT_TRUE(d.dlg.Form()->isVisible());
  EXPECT_TRUE(d.dlg.Form()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(d.dlg.Form()->windowFlags().testFlag(Qt::FramelessWindowHint));
  d.dlg.Form()->reject();  // Escape
  d.dlg.Form()->close();
  EXPECT_TRUE(d.dlg.Form()->isVisible());
  d.dlg.Close();
  EXPECT_FALSE(d.dlg.Form()->isVisible());
  EXPECT_EQ(d.dlg.Form()->size(), QSize(314, 60));
  EXPECT_EQ(d.dlg.Form()->ProgressBar1->geometry(), QRect(16, 28, 279, 15));
  const QRect ecran = d.dlg.Form()->screen()->availableGeometry();
  EXPECT_LE((d.dlg.Form()->geometry().center() - ecran.center()).manhattanLength(), 2);
}

TEST(JvProgressDlg, TimeLeftTexts) {
  struct Cas {
    double jours;
    const char* texte;
  };
  for (const Cas& c : {Cas{-0.5, "00:00:00"}, Cas{0, "00:00:00"}, Cas{0.5, "12:00:00"},
                       Cas{2.25, "2 day(s) 06:00:00"}, Cas{59.4 * seconde, "00:00:59"}, Cas{59.9999 * seconde, "00:01:00"},
                       Cas{3 - 0.0001 * seconde, "3 day(s) 00:00:00"},
                       Cas{estimation, "1 day(s) 02:03:04"}}) {
    EXPECT_EQ(texte_temps_restant(c.jours), QString::fromLatin1(c.texte)) << c.jours;
  }
}

}  // namespace
