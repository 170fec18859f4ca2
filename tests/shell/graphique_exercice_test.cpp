// The exercise chart on the real chart widget: what the chart exercises leave
// on it, the preparation that hides it, and pictures of both exercises.

#include "shell/graphique_exercice.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <filesystem>
#include <string>
#include <vector>

#include "exercises/catalogue_exercices.h"
#include "exercises/generateurs/execution.h"
#include "exercises/generateurs/niveau_3_fonctions_statistiques.h"
#include "exercises/generateurs/niveau_6.h"
#include "exercises/generateurs/sources.h"
#include "exercises/generateurs/terminale.h"
#include "exercises/presentateur.h"
#include "platform/chart/chart.h"
#include "platform/chart/chart_series.h"

namespace {

constexpr int cote_capture = 400;

class GrapheExercice : public ::testing::Test {
 protected:
  void SetUp() override {
    charger_langue_exercices(0);
    chart.resize(cote_capture, cote_capture);
    installer_graphique_programme(&graphique);
  }
  void TearDown() override { installer_graphique_programme(nullptr); }

  // Runs a generator on the chart with scripted draws, after the program's
  // own preparation.
  void lancer(void (*generateur)(ContexteGenerateur&), std::vector<double> script) {
    preparer_exercice();
    SourceScriptee source(std::move(script));
    ContexteGenerateur contexte{source, presentateur, exercices, catalogue_textes, graphique, calculatrice, false};
    generateur(contexte);
  }

  void capturer(const std::string& nom) {
    std::filesystem::create_directories(PRALINORE_CAPTURES);
    EXPECT_TRUE(chart.image_sur_fond_blanc().save(QString::fromStdString(std::string(PRALINORE_CAPTURES) + "/" + nom)));
  }

  TChart chart;
  GraphiqueTChart graphique{chart};
  PresentateurEnregistre presentateur;
  CalculatriceEnregistree calculatrice;
};

TEST_F(GrapheExercice, NumberLineOnTheChart) {
  chart.NewPointSeries();
  lancer(&exercice_1118, {4});
  EXPECT_FALSE(chart.isHidden());
  EXPECT_TRUE(chart.isEnabled());
  EXPECT_EQ(chart.SeriesCount(), 1);
  EXPECT_NE(dynamic_cast<TLineSeries*>(chart.Series(0).get()), nullptr);
  EXPECT_FALSE(chart.LeftAxis().Visible());
  EXPECT_EQ(chart.BottomAxis().PositionPercent(), 50);
  for (const TChartAxis* axe : {&chart.LeftAxis(), &chart.BottomAxis()}) {
    EXPECT_FALSE(axe->GridVisible());
    EXPECT_FALSE(axe->Automatic());
    EXPECT_EQ(axe->Minimum(), 0);
    EXPECT_EQ(axe->Maximum(), 10);
  }
  capturer("exercice_1118.png");
}

TEST_F(GrapheExercice, GreenPointToReadOnAGrid) {
  lancer(&exercice_1121, {0, 3, 7});
  EXPECT_FALSE(chart.isHidden());
  EXPECT_FALSE(chart.isEnabled());
  ASSERT_EQ(chart.SeriesCount(), 1);
  const auto* points = dynamic_cast<TPointSeries*>(chart.Series(0).get());
  ASSERT_NE(points, nullptr);
  ASSERT_EQ(points->Count(), 1);
  EXPECT_EQ(points->XValue(0), 3);
  EXPECT_EQ(points->YValue(0), 7);
  EXPECT_EQ(points->PenColor(), 0x008000);
  EXPECT_EQ(points->PenWidth(), 2);
  EXPECT_TRUE(chart.LeftAxis().Visible());
  EXPECT_TRUE(chart.LeftAxis().GridVisible());
  EXPECT_TRUE(chart.BottomAxis().GridVisible());
  EXPECT_EQ(chart.LeftAxis().PositionPercent(), 0);
  const QImage image = chart.image_sur_fond_blanc();
  const QPoint centre = chart.Map().pixel(3, 7).toPoint();
  EXPECT_EQ(image.pixelColor(centre), QColor(0, 0x80, 0));
  capturer("exercice_1121.png");
}

// The complex plane: an old series is gone, one empty point series waits for
// the pupil's click, both axes cross in the middle and run from -5 to 5.
TEST_F(GrapheExercice, ComplexPlaneReadyForAClick) {
  chart.NewLineSeries();
  lancer(&exercice_1708, {});
  EXPECT_FALSE(chart.isHidden());
  EXPECT_TRUE(chart.isEnabled());
  ASSERT_EQ(chart.SeriesCount(), 1);
  EXPECT_NE(dynamic_cast<TPointSeries*>(chart.Series(0).get()), nullptr);
  EXPECT_TRUE(chart.LeftAxis().Visible());
  for (const TChartAxis* axe : {&chart.LeftAxis(), &chart.BottomAxis()}) {
    EXPECT_TRUE(axe->GridVisible());
    EXPECT_FALSE(axe->Automatic());
    EXPECT_EQ(axe->PositionPercent(), 50);
    EXPECT_EQ(axe->Minimum(), -5);
    EXPECT_EQ(axe->Maximum(), 5);
  }
  capturer("exercice_1708.png");
}

// A line to read: an earlier exercise's series and left grid are gone, the
// curve y = x+2 runs over both axes from -6 to 6, the chart takes no click.
TEST_F(GrapheExercice, LineToReadOnAReadOnlyChart) {
  chart.NewPointSeries();
  chart.LeftAxis().SetGridVisible(true);
  lancer(&exercice_2412, {-1, 1, 1, 3, 1});
  EXPECT_FALSE(chart.isHidden());
  EXPECT_FALSE(chart.isEnabled());
  ASSERT_EQ(chart.SeriesCount(), 1);
  const auto* ligne = dynamic_cast<TLineSeries*>(chart.Series(0).get());
  ASSERT_NE(ligne, nullptr);
  EXPECT_EQ(ligne->Title(), "1*x+(2)");
  ASSERT_EQ(ligne->Count(), 101);
  EXPECT_EQ(ligne->XValue(0), -6);
  EXPECT_EQ(ligne->YValue(0), -4);
  EXPECT_TRUE(chart.LeftAxis().Visible());
  EXPECT_FALSE(chart.LeftAxis().GridVisible());
  EXPECT_TRUE(chart.BottomAxis().GridVisible());
  for (const TChartAxis* axe : {&chart.LeftAxis(), &chart.BottomAxis()}) {
    EXPECT_FALSE(axe->Automatic());
    EXPECT_EQ(axe->PositionPercent(), 50);
    EXPECT_EQ(axe->Minimum(), -6);
    EXPECT_EQ(axe->Maximum(), 6);
  }
  capturer("exercice_2412.png");
}

TEST_F(GrapheExercice, PreparationHidesAndDisablesTheChart) {
  lancer(&exercice_1121, {1, 3, 7});
  EXPECT_FALSE(chart.isHidden());
  EXPECT_TRUE(chart.isEnabled());
  preparer_exercice();
  EXPECT_TRUE(chart.isHidden());
  EXPECT_FALSE(chart.isEnabled());
}

}  // namespace
