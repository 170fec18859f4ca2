#pragma once
// What the chart tests share: a shown chart of a known plot size, mouse
// gestures sent as events, and the signals caught.

#include "platform/chart/chart.h"

#include "application_qt.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <string>
#include <vector>

class GrapheTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { application_qt(); }

  void SetUp() override {
    chart_ = std::make_unique<TChart>();
    chart_->show();
    dimensionner_zone(400, 300);
    QObject::connect(chart_.get(), &TChart::ClickSeries,
                     [this](TChartSeries* s, int i, Qt::MouseButton b, QPoint p) {
                       clics_.push_back({"serie", s, nullptr, i, b, p});
                     });
    QObject::connect(chart_.get(), &TChart::ClickAxis, [this](TChartAxis* a, Qt::MouseButton b, QPoint p) {
      clics_.push_back({"axe", nullptr, a, -1, b, p});
    });
    QObject::connect(chart_.get(), &TChart::ClickBackground, [this](Qt::MouseButton b, QPoint p) {
      clics_.push_back({"fond", nullptr, nullptr, -1, b, p});
    });
    QObject::connect(chart_.get(), &TChart::Zoom, [this] { evenements_.push_back("zoom"); });
    QObject::connect(chart_.get(), &TChart::UndoZoom, [this] { evenements_.push_back("dezoom"); });
    QObject::connect(chart_.get(), &TChart::Resize, [this] { evenements_.push_back("taille"); });
  }

  // Resizes the chart until its plot area has that size, whatever the
  // margins, title and legend take.
  void dimensionner_zone(int largeur, int hauteur) {
    for (int essai = 0; essai < 3; ++essai) {
      const QRect zone = chart_->ChartRect();
      chart_->resize(chart_->width() + largeur - zone.width(), chart_->height() + hauteur - zone.height());
    }
    ASSERT_EQ(chart_->ChartRect().size(), QSize(largeur, hauteur));
  }

  QPoint pixel(double x, double y) const {
    return {chart_->BottomAxis().CalcPosValue(x), chart_->LeftAxis().CalcPosValue(y)};
  }

  void souris(QEvent::Type genre, QPoint p, Qt::MouseButton bouton) {
    const Qt::MouseButtons appuyes = genre == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(bouton);
    QMouseEvent evenement(genre, QPointF(p), QPointF(chart_->mapToGlobal(p)), bouton, appuyes, Qt::NoModifier);
    QCoreApplication::sendEvent(chart_.get(), &evenement);
  }
  void cliquer(QPoint p, Qt::MouseButton bouton = Qt::LeftButton) {
    souris(QEvent::MouseButtonPress, p, bouton);
    souris(QEvent::MouseButtonRelease, p, bouton);
  }
  void glisser(QPoint depart, QPoint arrivee, Qt::MouseButton bouton = Qt::LeftButton) {
    souris(QEvent::MouseButtonPress, depart, bouton);
    souris(QEvent::MouseMove, arrivee, Qt::NoButton);
    souris(QEvent::MouseButtonRelease, arrivee, bouton);
  }

  struct Clic {
    std::string genre;
    TChartSeries* serie;
    TChartAxis* axe;
    int indice;
    Qt::MouseButton bouton;
    QPoint pixel;
  };

  std::unique_ptr<TChart> chart_;
  std::vector<Clic> clics_;
  std::vector<std::string> evenements_;
};
