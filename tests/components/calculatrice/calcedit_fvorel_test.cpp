// The calculator edit of the Calcul page, in the whole program.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include "components/calculatrice/JvCalc.h"
#include "components/calculatrice/JvCurrEdit.h"
#include "shell/programme_de_test.h"

namespace {

constexpr QSize plus_petite_fenetre(500, 470);

class CalcEditFvorel : public essai::Programme {
 protected:
  void SetUp() override {
    Programme::SetUp();
    ASSERT_TRUE(demarrer());
    f().showNormal();
    f().resize(plus_petite_fenetre);
    f().montrer_page(f().TabSheet2);
    QApplication::processEvents();
  }
  TJvCalcEdit& edit() { return *f().JvCalcEdit1; }
  TJvPopupCalculator& popup() { return *edit().Calculator(); }
  void ouvrir() {
    QTest::keyClick(&edit(), Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(edit().PopupVisible());
  }

  // The window as shown, with the pop-up over it when it is open; under a
  // real display server, the screen itself.
  void capturer(const char* nom) {
    std::filesystem::create_directories(PRALINORE_CAPTURES);
    // The keys typed last show up again once their 20 ms are over.
    QTest::qWait(50);
    QPixmap image = f().grab();
    if (popup().isVisible()) {
      QPainter peintre(&image);
      peintre.drawPixmap(f().mapFromGlobal(popup().pos()), popup().grab());
    }
    const QString plateforme = QGuiApplication::platformName();
    if (plateforme == QStringLiteral("xcb")) {
      QTest::qWait(200);
      const QRect cadre = f().frameGeometry().united(popup().isVisible() ? popup().geometry() : QRect());
      image = f().screen()->grabWindow(0, cadre.x(), cadre.y(), cadre.width(), cadre.height());
    }
    const QString fichier = QStringLiteral(PRALINORE_CAPTURES) + QLatin1Char('/') + QLatin1String(nom) +
                            QLatin1Char('_') + plateforme + QStringLiteral(".png");
    EXPECT_TRUE(image.save(fichier));
  }
};

TEST_F(CalcEditFvorel, SitsLastOnTheCommandRowAsDesigned) {
  QWidget* barre = f().TabSheet2->findChild<QWidget*>(QStringLiteral("ToolBar_calculs"));
  ASSERT_NE(barre, nullptr);
  EXPECT_EQ(edit().objectName(), QStringLiteral("JvCalcEdit1"));
  EXPECT_TRUE(barre->isAncestorOf(&edit()));
  EXPECT_EQ(edit().DecimalPlaces(), 8);
  EXPECT_EQ(edit().DisplayFormat(), QStringLiteral(",0.####"));
  EXPECT_EQ(edit().NumGlyphs(), 2);
  EXPECT_TRUE(edit().isVisible());
  // Inside the row at the smallest window, over none of its commands.
  ASSERT_EQ(f().size(), plus_petite_fenetre);
  const auto dans_barre = [&](const QWidget& w) { return QRect(w.mapTo(barre, QPoint(0, 0)), w.size()); };
  const QRect place = dans_barre(edit());
  EXPECT_TRUE(barre->rect().contains(place));
  for (const QAbstractButton* b : barre->findChildren<QAbstractButton*>()) {
    if (b->isVisible() && !edit().isAncestorOf(b)) {
      EXPECT_FALSE(place.intersects(dans_barre(*b))) << b->objectName().toStdString();
    }
  }
  capturer("calcul_500x470");
}

TEST_F(CalcEditFvorel, TwoPlusThreeReturnWritesFive) {
  ouvrir();
  QTest::keyClicks(&popup(), QStringLiteral("2+3"));
  capturer("calcul_calculatrice_ouverte");
  QTest::keyClick(&popup(), Qt::Key_Return);
  EXPECT_FALSE(edit().PopupVisible());
  EXPECT_EQ(edit().Value(), 5);
  EXPECT_EQ(edit().text(), QStringLiteral("5"));
}

TEST_F(CalcEditFvorel, EscapeAndAClickElsewhereLeaveTheValue) {
  edit().SetValue(12.5);
  ouvrir();
  QTest::keyClicks(&popup(), QStringLiteral("*4"));
  QTest::keyClick(&popup(), Qt::Key_Escape);
  EXPECT_FALSE(edit().PopupVisible());
  EXPECT_EQ(edit().Value(), 12.5);
  ouvrir();
  QTest::keyClicks(&popup(), QStringLiteral("*4"));
  const QPoint page = f().Edit1->mapToGlobal(f().Edit1->rect().center());
  QTest::mouseClick(&popup(), Qt::LeftButton, {}, popup().mapFromGlobal(page));
  EXPECT_FALSE(edit().PopupVisible());
  EXPECT_EQ(edit().Value(), 12.5);
  EXPECT_EQ(edit().text(), QStringLiteral("12.5"));
}

}  // namespace
