#include "outils_graphe.h"

#include <QFontMetrics>

namespace {

class Souris : public GrapheTest {
 protected:
  void SetUp() override {
    GrapheTest::SetUp();
    chart_->BottomAxis().SetMinMax(-5, 5);
    chart_->LeftAxis().SetMinMax(-5, 5);
    chart_->BottomAxis().SetPositionPercent(50);
    chart_->LeftAxis().SetPositionPercent(50);
  }
};

TEST_F(Souris, AClickNearAPointReportsTheSeriesAndTheNearestPoint) {
  auto dessous = chart_->NewLineSeries();
  auto dessus = chart_->NewLineSeries();
  for (int i = 0; i <= 8; ++i) {
    dessous->AddXY(-4 + i, 2);
    dessus->AddXY(-4 + i, 2);
  }
  auto points = chart_->NewPointSeries();
  points->AddXY(3, -3);

  const QPoint pres_du_point_6 = pixel(2, 2) + QPoint(2, 3);
  cliquer(pres_du_point_6, Qt::RightButton);
  cliquer(pixel(-1.4, 2) + QPoint(0, -3));  // on the segment, nearer point 3
  cliquer(pixel(3, -3) + QPoint(-4, 2));
  cliquer(pixel(-3, -3));
  ASSERT_EQ(clics_.size(), 4u);
  EXPECT_EQ(clics_[0].genre, "serie");
  EXPECT_EQ(clics_[0].serie, dessus.get());
  EXPECT_EQ(clics_[0].indice, 6);
  EXPECT_EQ(clics_[0].bouton, Qt::RightButton);
  EXPECT_EQ(clics_[0].pixel, pres_du_point_6);
  EXPECT_EQ(clics_[1].serie, dessus.get());
  EXPECT_EQ(clics_[1].indice, 3);
  EXPECT_EQ(clics_[2].serie, points.get());
  EXPECT_EQ(clics_[2].indice, 0);
  EXPECT_EQ(clics_[3].genre, "fond");
}

TEST_F(Souris, AHiddenLineIsNotThereToClick) {
  auto courbe = chart_->NewLineSeries();
  courbe->AddXY(-4, 3);
  courbe->AddXY(4, 3);
  courbe->SetPenVisible(false);
  cliquer(pixel(1, 3));
  cliquer(pixel(4, 3));
  courbe->SetPointerVisible(true);
  cliquer(pixel(4, 3));
  ASSERT_EQ(clics_.size(), 3u);
  EXPECT_EQ(clics_[0].genre, "fond");
  EXPECT_EQ(clics_[1].genre, "fond");
  EXPECT_EQ(clics_[2].genre, "serie");
  EXPECT_EQ(clics_[2].indice, 1);
}

TEST_F(Souris, AShapeIsHitOverItsCornersAndItsText) {
  const char* texte = "Une annotation assez longue";
  auto forme = chart_->NewShape();
  forme->SetText({texte});
  forme->SetX0(-1);
  forme->SetX1(-0.8);
  forme->SetY0(3);
  forme->SetY1(3.2);
  const QPoint centre = pixel(-0.9, 3.1);
  const QFontMetrics mesures(chart_->font());
  const int demi_texte = mesures.horizontalAdvance(QString::fromLatin1(texte)) / 2;
  ASSERT_GT(demi_texte, pixel(-0.8, 3).x() - centre.x() + 4);  // the text is wider than the corners
  cliquer(centre);
  cliquer(centre + QPoint(demi_texte - 2, 0));
  cliquer(centre + QPoint(demi_texte + 6, 0));
  cliquer(centre + QPoint(0, mesures.height() + 6));
  ASSERT_EQ(clics_.size(), 4u);
  EXPECT_EQ(clics_[0].serie, forme.get());
  EXPECT_EQ(clics_[1].serie, forme.get());
  EXPECT_EQ(clics_[2].genre, "fond");
  EXPECT_EQ(clics_[3].genre, "fond");
}

TEST_F(Souris, ADisabledChartEmitsNoClicks) {
  auto s = chart_->NewPointSeries();
  s->AddXY(1, 1);
  chart_->setEnabled(false);
  cliquer(pixel(1, 1));
  cliquer(pixel(3, 3));
  EXPECT_TRUE(clics_.empty());
}

TEST_F(Souris, DraggingZoomsAndTheOtherWayPutsTheFirstRangeBack) {
  auto forme = chart_->NewShape();
  forme->SetX0(1);
  forme->SetY0(1);
  forme->SetX1(2);
  forme->SetY1(2);
  const TChartMap avant = chart_->Map();

  glisser(pixel(-2, 4), pixel(3, -1));
  EXPECT_EQ(evenements_, std::vector<std::string>{"zoom"});
  EXPECT_TRUE(clics_.empty());
  EXPECT_NEAR(chart_->BottomAxis().Minimum(), -2, 0.05);
  EXPECT_NEAR(chart_->BottomAxis().Maximum(), 3, 0.05);
  EXPECT_NEAR(chart_->LeftAxis().Minimum(), -1, 0.05);
  EXPECT_NEAR(chart_->LeftAxis().Maximum(), 4, 0.05);
  // The annotation keeps its values and so moves on screen.
  EXPECT_EQ(forme->X0(), 1);
  EXPECT_NE(pixel(1, 1), QPoint(pixel_entier(avant.pixel_x(1)), pixel_entier(avant.pixel_y(1))));

  glisser(pixel(0, 3), pixel(2, 1));  // a second zoom
  EXPECT_NEAR(chart_->BottomAxis().Maximum(), 2, 0.05);
  glisser(pixel(1, 2), pixel(0, 2));  // towards the left: un-zoom
  EXPECT_EQ(evenements_, (std::vector<std::string>{"zoom", "zoom", "dezoom"}));
  EXPECT_EQ(chart_->BottomAxis().Minimum(), -5);
  EXPECT_EQ(chart_->BottomAxis().Maximum(), 5);
  EXPECT_EQ(chart_->LeftAxis().Minimum(), -5);
  EXPECT_EQ(chart_->LeftAxis().Maximum(), 5);

  glisser(pixel(1, 2), pixel(0, 3));  // nothing left to undo
  EXPECT_EQ(evenements_.size(), 3u);
}

TEST_F(Souris, ShortDragsAndOtherButtonsAreClicksAndCodeNeverZooms) {
  const QPoint depart = pixel(-3, 3);
  glisser(depart, depart + QPoint(3, 3));
  glisser(depart, depart + QPoint(-3, 0));
  glisser(depart, depart + QPoint(30, 2));  // too flat to be a rectangle
  glisser(depart, depart + QPoint(50, 50), Qt::RightButton);
  ASSERT_EQ(clics_.size(), 4u);
  for (const Clic& clic : clics_) EXPECT_EQ(clic.pixel, depart);
  EXPECT_EQ(clics_[3].bouton, Qt::RightButton);

  chart_->BottomAxis().SetMinimum(-10);
  chart_->LeftAxis().SetMinMax(0, 1);
  EXPECT_TRUE(evenements_.empty());
  EXPECT_EQ(chart_->BottomAxis().Minimum(), -10);
}

}  // namespace
