#include "outils_graphe.h"

#include "platform/couleur_qt.h"

namespace {

using Series = GrapheTest;

TEST_F(Series, RemovedSeriesLiveOnAndComeBackLast) {
  auto a = chart_->NewLineSeries();
  auto b = chart_->NewPointSeries();
  a->SetTitle("x^2");
  for (int i = 0; i < 5; ++i) a->AddXY(i, i * i);
  ASSERT_EQ(chart_->SeriesCount(), 2);
  EXPECT_EQ(chart_->Series(0), a);
  EXPECT_EQ(chart_->Series(1), b);
  EXPECT_EQ(chart_->Series(2), nullptr);
  EXPECT_EQ(chart_->Series(-1), nullptr);

  chart_->RemoveAllSeries();
  EXPECT_EQ(chart_->SeriesCount(), 0);
  EXPECT_EQ(a->ParentChart(), nullptr);
  auto c = chart_->NewShape();
  chart_->AddSeries(a);
  chart_->AddSeries(a);  // already there: stays once
  ASSERT_EQ(chart_->SeriesCount(), 2);
  EXPECT_EQ(chart_->Series(0), c);
  EXPECT_EQ(chart_->Series(1), a);
  EXPECT_EQ(a->Title(), "x^2");
  ASSERT_EQ(a->Count(), 5);
  EXPECT_EQ(a->YValue(4), 16);
  EXPECT_EQ(a->ParentChart(), chart_.get());

  chart_->RemoveSeries(c.get());
  EXPECT_EQ(chart_->Series(0), a);
  TChart autre;
  autre.AddSeries(a);  // a series lives on one chart at a time
  EXPECT_EQ(chart_->SeriesCount(), 0);
  EXPECT_EQ(a->ParentChart(), &autre);
}

// A deletion moves the later series up a place: a series coloured by its
// place takes the colour of the new one, a colour set by the caller (or a
// shape's black) stays. Green is also the colour of the third place, where
// the first deletion puts c: a second one moves it to the second place.
TEST_F(Series, ADeletionRecoloursOnlyTheSeriesColouredByTheirPlace) {
  auto a = chart_->NewLineSeries();
  auto b = chart_->NewLineSeries();
  auto forme = chart_->NewShape();
  auto c = chart_->NewLineSeries();
  c->SetPenColor(couleur_verte);
  const std::int32_t couleur_a = a->PenColor();
  chart_->RemoveSeries(a.get());
  EXPECT_EQ(b->PenColor(), couleur_a);
  EXPECT_EQ(forme->PenColor(), couleur_noire);
  EXPECT_EQ(c->PenColor(), couleur_verte);
  chart_->RemoveSeries(b.get());
  EXPECT_EQ(forme->PenColor(), couleur_noire);
  EXPECT_EQ(c->PenColor(), couleur_verte);
}

TEST_F(Series, PointsKeepTheirOrderAndSwap) {
  auto s = chart_->NewLineSeries();
  EXPECT_EQ(s->AddXY(3, -1), 0);
  EXPECT_EQ(s->AddXY(1, 4), 1);
  EXPECT_EQ(s->AddXY(2, 0.5), 2);
  s->SwapValueIndex(0, 2);
  s->SwapValueIndex(1, 7);  // out of range: nothing
  ASSERT_EQ(s->Count(), 3);
  EXPECT_EQ(s->XValue(0), 2);
  EXPECT_EQ(s->YValue(0), 0.5);
  EXPECT_EQ(s->XValue(1), 1);
  EXPECT_EQ(s->XValue(2), 3);
  EXPECT_EQ(s->YValue(2), -1);
  EXPECT_EQ(s->XValue(3), 0);
  EXPECT_EQ(s->YValue(-1), 0);
}

TEST_F(Series, AssignCopiesTheLookButNotThePoints) {
  auto source = chart_->NewLineSeries();
  source->SetTitle("sin(t);cos(t)");
  source->SetShowInLegend(false);
  source->SetPenVisible(false);
  source->SetPenColor(couleur_verte);
  source->SetPenWidth(3);
  source->SetPointerVisible(true);
  source->SetPointerStyle(psSmallDot);
  source->SetPointerSize(2, 5);
  source->AddXY(1, 1);
  auto copie = chart_->NewPointSeries();
  copie->AddXY(7, 8);
  copie->Assign(*source);
  EXPECT_EQ(copie->Title(), "sin(t);cos(t)");
  EXPECT_FALSE(copie->ShowInLegend());
  EXPECT_FALSE(copie->PenVisible());
  EXPECT_EQ(copie->PenColor(), couleur_verte);
  EXPECT_EQ(copie->PenWidth(), 3);
  EXPECT_EQ(copie->PointerStyle(), psSmallDot);
  EXPECT_EQ(copie->PointerHorizSize(), 2);
  EXPECT_EQ(copie->PointerVertSize(), 5);
  ASSERT_EQ(copie->Count(), 1);
  EXPECT_EQ(copie->XValue(0), 7);

  auto forme = chart_->NewShape();
  forme->SetText({"Sommet"});
  forme->SetFontColor(couleur_rouge);
  forme->SetX0(1);
  forme->SetY1(-2);
  auto autre_forme = chart_->NewShape();
  autre_forme->Assign(*forme);
  EXPECT_EQ(autre_forme->Text(), std::vector<std::string>{"Sommet"});
  EXPECT_EQ(autre_forme->FontColor(), couleur_rouge);
  EXPECT_EQ(autre_forme->X0(), 1);
  EXPECT_EQ(autre_forme->Y1(), -2);
}

TEST_F(Series, ScreenAndValueMeetThroughASeries) {
  chart_->BottomAxis().SetMinMax(-5, 5);
  chart_->LeftAxis().SetMinMax(0, 10);
  auto s = chart_->NewPointSeries();
  const QRect zone = chart_->ChartRect();
  EXPECT_EQ(s->CalcXPosValue(0), zone.left() + 200);
  EXPECT_EQ(s->CalcYPosValue(10), zone.top());
  EXPECT_NEAR(s->XScreenToValue(zone.left() + 40), -4, 1E-12);
  EXPECT_NEAR(s->YScreenToValue(zone.top() + 300), 0, 1E-12);
  chart_->RemoveAllSeries();
  EXPECT_EQ(s->XScreenToValue(zone.left() + 40), 0);  // on no chart
}

}  // namespace
