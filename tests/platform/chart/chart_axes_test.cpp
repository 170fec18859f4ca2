#include "outils_graphe.h"

#include <cmath>

namespace {

using Axes = GrapheTest;

TEST_F(Axes, ValuesMapLinearlyOntoThePlotArea) {
  TChartAxis& x = chart_->BottomAxis();
  TChartAxis& y = chart_->LeftAxis();
  x.SetMinMax(-5, 5);
  y.SetMinMax(-3, 3);
  const QRect zone = chart_->ChartRect();
  EXPECT_EQ(x.CalcPosValue(0), zone.left() + 200);
  EXPECT_EQ(x.CalcPosValue(-5), zone.left());
  EXPECT_EQ(x.CalcPosValue(5), zone.left() + 400);
  EXPECT_EQ(y.CalcPosValue(0), zone.top() + 150);
  EXPECT_EQ(y.CalcPosValue(3), zone.top());
  for (int p = zone.left(); p <= zone.left() + 400; p += 37) {
    EXPECT_NEAR(x.CalcPosValue(x.CalcPosPoint(p)), p, 1);
    EXPECT_NEAR(x.CalcPosPoint(p), -5 + (p - zone.left()) / 40.0, 1E-12);
  }
  EXPECT_EQ(x.Minimum(), -5);
  EXPECT_EQ(x.Maximum(), 5);
  EXPECT_EQ(y.Minimum(), -3);
  EXPECT_EQ(y.Maximum(), 3);
}

TEST_F(Axes, DegenerateRangesMapWithoutDividingByZero) {
  TChartAxis& x = chart_->BottomAxis();
  for (const auto& [minimum, maximum] : {std::pair{2.0, 2.0}, std::pair{3.0, -1.0}}) {
    x.SetMinMax(minimum, maximum);
    EXPECT_EQ(x.CalcPosPoint(chart_->ChartRect().center().x()), minimum);
    EXPECT_EQ(x.CalcPosValue(1E300), chart_->ChartRect().left());
    EXPECT_TRUE(chart_->Map().degenere());
  }
  x.SetMinMax(0, 1);
  x.SetMinimum(std::nan(""));
  x.SetMaximum(INFINITY);
  EXPECT_EQ(x.Minimum(), 0);
  EXPECT_EQ(x.Maximum(), 1);
  EXPECT_EQ(x.CalcPosValue(1E300), 1 << 24);  // pinned, not overflowed
}

TEST_F(Axes, PositionPercentPlacesTheAxisLineAcrossThePlot) {
  chart_->BottomAxis().SetMinMax(-2, 8);
  chart_->LeftAxis().SetMinMax(-5, 5);
  const QRect zone = chart_->ChartRect();
  struct Cas {
    double pourcentage, lu;
    int x_attendu;  // pixel of the left axis line
  };
  for (const Cas& c : {Cas{50, 50, zone.left() + 200}, Cas{0, 0, zone.left()}, Cas{-10, 0, zone.left()},
                       Cas{150, 100, zone.left() + 400}, Cas{20, 20, pixel(0, 0).x()}}) {
    chart_->LeftAxis().SetPositionPercent(c.pourcentage);
    EXPECT_EQ(chart_->LeftAxis().PositionPercent(), c.lu);
    clics_.clear();
    cliquer({c.x_attendu, zone.top() + 20});
    ASSERT_EQ(clics_.size(), 1u);
    EXPECT_EQ(clics_[0].axe, &chart_->LeftAxis()) << c.pourcentage;
  }
  chart_->BottomAxis().SetPositionPercent(50);
  clics_.clear();
  cliquer({zone.left() + 300, zone.top() + 150});
  cliquer({zone.left() + 300, zone.top() + 150 + 2});
  cliquer({zone.left() + 300, zone.top() + 150 + 5});
  ASSERT_EQ(clics_.size(), 3u);
  EXPECT_EQ(clics_[0].axe, &chart_->BottomAxis());
  EXPECT_EQ(clics_[1].axe, &chart_->BottomAxis());
  EXPECT_EQ(clics_[2].genre, "fond");
}

TEST_F(Axes, AutomaticEndsFollowTheSeries) {
  TChartAxis& x = chart_->BottomAxis();
  x.SetMinMax(-5, 5);
  x.SetAutomaticMaximum(true);
  EXPECT_EQ(x.Maximum(), 5);  // no point yet
  auto serie = chart_->NewLineSeries();
  serie->AddXY(-1, 0);
  serie->AddXY(12, 3);
  serie->AddXY(NAN, 100);
  EXPECT_EQ(x.Minimum(), -5);
  EXPECT_EQ(x.Maximum(), 12);
  x.SetAutomatic(true);
  EXPECT_EQ(x.Minimum(), -1);
  chart_->LeftAxis().SetAutomatic(true);
  EXPECT_EQ(chart_->LeftAxis().Minimum(), 0);
  EXPECT_EQ(chart_->LeftAxis().Maximum(), 100);
  x.SetAutomatic(false);
  x.SetAutomaticMaximum(false);
  EXPECT_EQ(x.Maximum(), 5);
}

TEST_F(Axes, OnePointOnAutomaticAxesLiesInTheMiddleOfRangesTwoWide) {
  chart_->NewLineSeries()->AddXY(2, 3);
  chart_->BottomAxis().SetAutomatic(true);
  chart_->LeftAxis().SetAutomatic(true);
  EXPECT_EQ(chart_->BottomAxis().Minimum(), 1);
  EXPECT_EQ(chart_->BottomAxis().Maximum(), 3);
  EXPECT_EQ(chart_->LeftAxis().Minimum(), 2);
  EXPECT_EQ(chart_->LeftAxis().Maximum(), 4);
}

}  // namespace
