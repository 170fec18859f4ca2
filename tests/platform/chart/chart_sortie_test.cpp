#include "outils_graphe.h"

#include "platform/couleur_qt.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

class Sortie : public GrapheTest {
 protected:
  void SetUp() override {
    GrapheTest::SetUp();
    chart_->BottomAxis().SetMinMax(-5, 5);
    chart_->LeftAxis().SetMinMax(-5, 5);
    chart_->BottomAxis().SetGridVisible(false);
    chart_->LeftAxis().SetGridVisible(false);
    chart_->LeftAxis().SetVisible(false);
    chart_->BottomAxis().SetVisible(false);
  }
  // Draws the chart as the screen shows it.
  QImage ecran() { return chart_->grab().toImage(); }
  static bool rouge(QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; }
  // A thick red horizontal line at y = 1.
  std::shared_ptr<TLineSeries> ligne_rouge() {
    auto s = chart_->NewLineSeries();
    s->SetPenColor(couleur_rouge);
    s->SetPenWidth(3);
    s->AddXY(-4, 1);
    s->AddXY(4, 1);
    return s;
  }
};

TEST_F(Sortie, TheScreenShowsTheBackgroundAndTheImageIsOnWhite) {
  chart_->SetColor(couleur_face_bouton);
  ligne_rouge();
  const QImage image = chart_->image_sur_fond_blanc();
  EXPECT_EQ(image.size(), chart_->size());
  EXPECT_EQ(QColor(image.pixel(1, 1)), QColor(Qt::white));
  EXPECT_EQ(QColor(image.pixel(image.width() - 2, image.height() - 2)), QColor(Qt::white));
  EXPECT_TRUE(rouge(image.pixel(pixel(0, 1))));
  EXPECT_EQ(QColor(ecran().pixel(1, 1)), QColor(240, 240, 240));
}

TEST_F(Sortie, ADegenerateRangeDrawsNoSeries) {
  ligne_rouge();
  chart_->LeftAxis().SetMinMax(2, 2);
  const QImage image = chart_->image_sur_fond_blanc();
  const QRect zone = chart_->ChartRect();
  for (int y = zone.top(); y < zone.bottom(); y += 2) {
    ASSERT_FALSE(rouge(image.pixel(zone.center().x(), y))) << y;
  }
}

TEST_F(Sortie, AxesAreDrawnWhereTheMapPutsThem) {
  chart_->BottomAxis().SetMinMax(-2, 8);
  chart_->LeftAxis().SetVisible(true);
  chart_->LeftAxis().SetPositionPercent(20);
  const QImage image = chart_->image_sur_fond_blanc();
  const int x = pixel(0, 0).x();
  const int y = pixel(0, 4.5).y();  // between ticks: only the line is there
  EXPECT_EQ(QColor(image.pixel(x, y)), QColor(Qt::black));
  EXPECT_EQ(QColor(image.pixel(x + 2, y)), QColor(Qt::white));
}

TEST_F(Sortie, PrintingGivesOneNonEmptyPage) {
  ligne_rouge();
  chart_->SetTitle("Courbes \xE9t\xE9");
  QTemporaryDir dossier;
  ASSERT_TRUE(dossier.isValid());
  const QString chemin = dossier.filePath("graphe.pdf");
  QPrinter imprimante(QPrinter::HighResolution);
  imprimante.setOutputFormat(QPrinter::PdfFormat);
  imprimante.setOutputFileName(chemin);
  ASSERT_TRUE(chart_->Print(imprimante));
  QFile pdf(chemin);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray octets = pdf.readAll();
  EXPECT_GT(octets.size(), 1000);
  EXPECT_EQ(octets.count("/Type /Page\n") + octets.count("/Type /Page\r") + octets.count("/Type /Page "), 1)
      << octets.left(2000).toStdString();
}

TEST_F(Sortie, HooksDrawInsideEveryDrawingAndARepaintFromThemWaits) {
  int avant = 0;
  int apres = 0;
  bool demander = true;
  QObject::connect(chart_.get(), &TChart::BeforeDrawSeries, [&](QPainter* peintre, const TChartMap& carte) {
    ++avant;
    EXPECT_EQ(carte.zone(), QRectF(chart_->ChartRect()));
    peintre->setPen(QPen(Qt::red, 3));
    peintre->drawLine(QPointF(carte.pixel_x(-1), carte.pixel_y(0)), QPointF(carte.pixel_x(-1), carte.pixel_y(3)));
    if (demander) chart_->Repaint();
    demander = false;
  });
  QObject::connect(chart_.get(), &TChart::AfterDraw, [&](QPainter*, const TChartMap&) { ++apres; });
  const QImage image = chart_->image_sur_fond_blanc();
  EXPECT_EQ(avant, 1);
  EXPECT_EQ(apres, 1);
  EXPECT_TRUE(rouge(image.pixel(pixel(-1, 1.5))));
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(avant, 2);  // the repaint asked from the hook, once the drawing was over
}

TEST_F(Sortie, AMarkStaysUntilTheProgramRepaints) {
  const QPoint point = pixel(2, 2);
  chart_->marquer_point(point, couleur_noire, 7);
  EXPECT_EQ(QColor(ecran().pixel(point)), QColor(Qt::black));
  EXPECT_EQ(QColor(ecran().pixel(point + QPoint(2, 0))), QColor(Qt::black));
  EXPECT_EQ(QColor(ecran().pixel(point)), QColor(Qt::black));  // a paint by Qt keeps it
  EXPECT_NE(QColor(chart_->image_sur_fond_blanc().pixel(point)), QColor(Qt::black));
  chart_->Repaint();
  EXPECT_NE(QColor(ecran().pixel(point)), QColor(Qt::black));
}

TEST_F(Sortie, ResizeIsReportedOnlyForARealChange) {
  evenements_.clear();
  const QSize taille = chart_->size();
  chart_->resize(taille);
  EXPECT_TRUE(evenements_.empty());
  chart_->resize(taille + QSize(10, 0));
  EXPECT_EQ(evenements_, std::vector<std::string>{"taille"});
}

}  // namespace
