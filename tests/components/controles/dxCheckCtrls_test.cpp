#include "components/controles/dxCheckCtrls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <optional>

#include "components/controles/dxContainer.h"
#include "components/controles/outils_controles.h"
#include "formula/image_de_reference.h"
#include "platform/couleur_qt.h"

namespace {

const QColor cadre_case(24, 81, 132);
const QColor coche(33, 166, 33);

void cliquer(QWidget& w, QPoint p) {
  souris(w, QEvent::MouseButtonPress, p, Qt::LeftButton);
  souris(w, QEvent::MouseButtonRelease, p, Qt::NoButton);
}

TEST(TdxCheckbox, BoxAtTheLeftCentredWithAGreenMark) {
  QWidget fenetre;
  auto* c = new TdxCheckbox(&fenetre);
  c->setText(QStringLiteral("Tracer la tangente"));
  c->resize(TdxCheckbox::largeur_initiale, 25);
  EXPECT_EQ(c->RectCase(), QRect(3, 6, 13, 13));
  QImage image = image_de(*c);
  EXPECT_EQ(pixel(image, 3, 6), cadre_case);
  EXPECT_EQ(pixel(image, 15, 18), cadre_case);
  EXPECT_EQ(pixel(image, 4, 7), QColor(255, 255, 255));
  EXPECT_NE(pixel(image, 2, 12), cadre_case);
  c->setChecked(true);
  image = image_de(*c);
  int vertes = 0;
  for (int y = 7; y < 18; ++y) {
    for (int x = 4; x < 15; ++x) vertes += pixel(image, x, y) == coche ? 1 : 0;
  }
  EXPECT_EQ(vertes, 21);  // every pixel of the mark
  garder_capture(image, "case_cochee.png");
  comparer_a_la_reference(image, "case_cochee.png");
}

TEST(TdxCheckbox, AClickTogglesAndEmitsSetCheckedEmitsNoClick) {
  QWidget fenetre;
  auto* c = new TdxCheckbox(&fenetre);
  c->setText(QStringLiteral("Ok"));
  int clics = 0;
  QObject::connect(c, &QAbstractButton::clicked, [&] { ++clics; });
  c->setChecked(true);
  EXPECT_EQ(clics, 0);
  cliquer(*c, {100, 8});  // on the caption's side, far from the box
  EXPECT_FALSE(c->isChecked());
  EXPECT_EQ(clics, 1);
  c->setEnabled(false);
  cliquer(*c, {8, 8});
  EXPECT_EQ(clics, 1);
}

TEST(TdxCheckbox, HoverShowsTheHotFrame) {
  QWidget fenetre;
  auto* c = new TdxCheckbox(&fenetre);
  entrer(*c);
  const QImage image = image_de(*c);
  const QColor chaud = pixel(image, 4, c->RectCase().top() + 6);
  EXPECT_GT(chaud.red(), chaud.blue() + 40);  // orange ring
  EXPECT_EQ(pixel(image, 5, c->RectCase().top() + 2), QColor(255, 255, 255));
}

TEST(TdxCheckbox, OfficeThemeFillsTheBoxUnderThePointer) {
  QWidget fenetre;
  auto* c = new TdxCheckbox(&fenetre);
  c->SetStyle({TdxTheme::OfficeXP, false});
  entrer(*c);
  const QRect boite = c->RectCase();
  const QImage image = image_de(*c);
  EXPECT_EQ(pixel(image, boite.left() + 5, boite.top() + 5), QColor(181, 190, 214));
  EXPECT_EQ(pixel(image, boite.left(), boite.top() + 5), QColor(0, 51, 102));
}

TEST(TdxContainer, EnabledModeDecidesWhetherChildrenFollow) {
  TdxContainer conteneur;
  auto* zone = new QLineEdit(&conteneur);
  auto* bouton = new QPushButton(&conteneur);
  int changements = 0;
  QObject::connect(&conteneur, &TdxContainer::EnabledChanged, [&] { ++changements; });
  conteneur.SetEnabled(false);  // emNormal
  EXPECT_FALSE(conteneur.Enabled());
  EXPECT_TRUE(conteneur.isEnabled());
  EXPECT_TRUE(zone->isEnabled() && bouton->isEnabled());
  conteneur.SetEnabled(true);
  conteneur.SetEnabledMode(TdxEnabledMode::emAffectChilds);
  conteneur.SetEnabled(false);
  EXPECT_FALSE(zone->isEnabled());
  EXPECT_FALSE(bouton->isEnabled());
  EXPECT_TRUE(conteneur.isEnabled());
  conteneur.SetEnabled(true);
  EXPECT_TRUE(zone->isEnabled() && bouton->isEnabled());
  EXPECT_EQ(changements, 4);
}

TEST(TdxContainer, PaintHookGetsTheInnerRectAndChildrenStayInside) {
  TdxContainer conteneur;
  conteneur.SetColor(couleur_blanche);
  conteneur.SetBorderWidth(2);
  conteneur.SetBoundLines(blLeft | blTop);
  conteneur.SetBoundColor(couleur_rouge);
  std::optional<QRect> recu;
  QObject::connect(&conteneur, &TdxContainer::Paint, [&](const QRect& r, QPainter* p, const QFont&) {
    recu = r;
    p->fillRect(r.left(), r.top(), 1, 1, Qt::blue);
  });
  const QImage image = image_de(conteneur);
  ASSERT_TRUE(recu.has_value());
  EXPECT_EQ(*recu, QRect(3, 3, 185 - 5, 41 - 5));
  EXPECT_EQ(pixel(image, 0, 20), QColor(255, 0, 0));
  EXPECT_EQ(pixel(image, 90, 0), QColor(255, 0, 0));
  EXPECT_EQ(pixel(image, 184, 20), QColor(255, 255, 255));
  EXPECT_EQ(pixel(image, 3, 3), QColor(0, 0, 255));
  EXPECT_EQ(conteneur.contentsMargins(), QMargins(3, 3, 2, 2));
  conteneur.SetShowBoundLines(false);
  EXPECT_EQ(conteneur.InnerRect(), QRect(2, 2, 181, 37));
}

TEST(TdxContainer, CaptionIsCentredUnlessTooWide) {
  TdxContainer conteneur;
  conteneur.SetColor(couleur_blanche);
  conteneur.SetShowCaption(true);
  conteneur.SetCaption(QStringLiteral("ABC"));
  // The leftmost dark column of the picture.
  const auto gauche = [&] {
    const QImage image = image_de(conteneur);
    for (int x = 0; x < image.width(); ++x) {
      for (int y = 0; y < image.height(); ++y) {
        if (QColor(image.pixel(x, y)).lightness() < 128) return x;
      }
    }
    return -1;
  };
  EXPECT_GT(gauche(), 60);
  conteneur.SetCaption(QString(80, QLatin1Char('W')));
  EXPECT_LE(gauche(), 7);
}

}  // namespace
