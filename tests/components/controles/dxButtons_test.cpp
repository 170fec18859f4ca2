#include "components/controles/dxButtons.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>

#include "components/controles/outils_controles.h"
#include "formula/image_de_reference.h"
#include "platform/couleur_qt.h"

namespace {

const QColor cadre(0, 56, 115);
const QColor cadre_inactif(206, 199, 189);
const QColor adouci(123, 158, 173);

struct Bouton {
  QWidget fenetre;
  TdxButton* b = new TdxButton(&fenetre);
  int clics = 0;
  Bouton() {
    fenetre.resize(120, 60);
    b->setText(QStringLiteral("&Calculer"));
    b->move(10, 10);
    QObject::connect(b, &QAbstractButton::clicked, [this] { ++clics; });
  }
  void touche(QEvent::Type type, int cle) {
    QKeyEvent e(type, cle, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(b, &e);
  }
};

bool bleute(const QColor& c) { return c.blue() > c.red() + 40; }

TEST(TdxButton, LooksAtRestHighlightedPressedAndDisabled) {
  Bouton t;
  const int h2 = TdxButton::hauteur_initiale / 2;
  const QImage repos = image_de(*t.b);
  EXPECT_EQ(repos.size(), QSize(73, 21));
  EXPECT_EQ(pixel(repos, 36, 0), cadre);
  EXPECT_EQ(pixel(repos, 0, h2), cadre);
  EXPECT_EQ(pixel(repos, 72, h2), cadre);
  EXPECT_EQ(pixel(repos, 36, 20), cadre);
  EXPECT_EQ(pixel(repos, 0, 1), adouci);
  EXPECT_FALSE(bleute(pixel(repos, 1, h2)));
  EXPECT_EQ(pixel(repos, 1, 1), QColor(255, 255, 255));
  comparer_a_la_reference(repos, "bouton_repos.png");

  entrer(*t.b);
  const QImage survol = image_de(*t.b);
  EXPECT_TRUE(bleute(pixel(survol, 1, h2)));
  EXPECT_TRUE(bleute(pixel(survol, 2, h2)));
  EXPECT_FALSE(bleute(pixel(survol, 3, h2)));
  [&] { comparer_a_la_reference(survol, "bouton_surligne.png"); }();

  souris(*t.b, QEvent::MouseButtonPress, {30, 10}, Qt::LeftButton);
  const QImage enfonce = image_de(*t.b);
  EXPECT_TRUE(proches(pixel(enfonce, 1, 1), QColor(214, 207, 198), 8));
  [&] { comparer_a_la_reference(enfonce, "bouton_enfonce.png"); }();
  souris(*t.b, QEvent::MouseButtonRelease, {30, 10}, Qt::NoButton);
  EXPECT_EQ(t.clics, 1);

  t.b->setEnabled(false);
  const QImage inactif = image_de(*t.b);
  EXPECT_EQ(pixel(inactif, 36, 0), cadre_inactif);
  EXPECT_EQ(pixel(inactif, 0, 1), cadre_inactif);
  bool lumiere = false, ombre = false;
  for (int y = 3; y < 18; ++y) {
    for (int x = 3; x < 70; ++x) {
      lumiere = lumiere || pixel(inactif, x, y) == couleur_qt(couleur_lumiere_bouton);
      ombre = ombre || proches(pixel(inactif, x, y), couleur_qt(couleur_ombre_bouton), 10);
    }
  }
  EXPECT_TRUE(ombre);
  [&] { comparer_a_la_reference(inactif, "bouton_inactif.png"); }();
  garder_capture(repos, "bouton_repos.png");
  garder_capture(survol, "bouton_surligne.png");
  garder_capture(enfonce, "bouton_enfonce.png");
  garder_capture(inactif, "bouton_inactif.png");
}

TEST(TdxButton, ClicksOnlyWhenReleasedInsideAndEnabled) {
  Bouton t;
  entrer(*t.b);
  souris(*t.b, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
  souris(*t.b, QEvent::MouseMove, {200, 10}, Qt::LeftButton);
  EXPECT_TRUE(t.b->Surligne());  // held with the pointer gone
  EXPECT_FALSE(t.b->isDown());
  souris(*t.b, QEvent::MouseButtonRelease, {200, 10}, Qt::NoButton);
  EXPECT_EQ(t.clics, 0);

  t.touche(QEvent::KeyPress, Qt::Key_Space);
  EXPECT_TRUE(t.b->isDown());
  t.touche(QEvent::KeyRelease, Qt::Key_Space);
  EXPECT_EQ(t.clics, 1);

  // Alt and the marked letter, through the application's shortcuts.
  t.fenetre.show();
  QApplication::setActiveWindow(&t.fenetre);
  QTest::keyClick(&t.fenetre, Qt::Key_C, Qt::AltModifier);
  QElapsedTimer attente;
  attente.start();
  while (t.clics < 2 && attente.elapsed() < 2000) QApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_EQ(t.clics, 2);

  t.b->setEnabled(false);
  souris(*t.b, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
  souris(*t.b, QEvent::MouseButtonRelease, {10, 10}, Qt::NoButton);
  EXPECT_EQ(t.clics, 2);
}

TEST(TdxButton, DefaultFocusAndUpdateBrackets) {
  Bouton t;
  EXPECT_FALSE(t.b->Surligne());
  t.b->SetDefault(true);
  EXPECT_TRUE(t.b->Surligne());
  t.b->SetDefault(false);
  t.fenetre.show();
  QApplication::setActiveWindow(&t.fenetre);
  t.b->setFocus();
  ASSERT_TRUE(t.b->hasFocus());
  EXPECT_TRUE(t.b->Surligne());
  EXPECT_TRUE(bleute(pixel(image_de(*t.b), 1, 10)));
  t.b->clearFocus();
  EXPECT_FALSE(t.b->Surligne());
  t.b->BeginUpdate();
  t.b->BeginUpdate();
  t.b->EndUpdate();
  EXPECT_TRUE(t.b->EnMiseAJour());
  t.b->EndUpdate();
  EXPECT_FALSE(t.b->EnMiseAJour());
  EXPECT_FALSE(TdxCustomControl::Version().isEmpty());
}

TEST(TdxButton, FollowsItsAction) {
  QWidget fenetre;
  auto* b = new TdxButton(&fenetre);
  QAction action(QStringLiteral("Tracer"));
  action.setToolTip(QStringLiteral("Trace la courbe"));
  int declenchee = 0;
  QObject::connect(&action, &QAction::triggered, [&] { ++declenchee; });
  b->SetAction(&action);
  EXPECT_EQ(b->text(), QStringLiteral("Tracer"));
  action.setEnabled(false);
  EXPECT_FALSE(b->isEnabled());
  action.setEnabled(true);
  b->click();
  EXPECT_EQ(declenchee, 1);
  b->SetAction(nullptr);
  b->click();
  EXPECT_EQ(declenchee, 1);
}

// The leftmost and rightmost columns holding a red pixel.
std::pair<int, int> rouges(const QImage& image) {
  int gauche = image.width(), droite = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (QColor(image.pixel(x, y)) == QColor(255, 0, 0)) {
        gauche = std::min(gauche, x);
        droite = std::max(droite, x);
      }
    }
  }
  return {gauche, droite};
}

TEST(TdxButton, GlyphBesideTheCaptionAndGreyWhenDisabled) {
  QWidget fenetre;
  auto* b = new TdxButton(&fenetre);
  b->setText(QStringLiteral("Ok"));
  b->resize(100, 30);
  QImage glyphe(8, 8, QImage::Format_ARGB32);
  glyphe.fill(Qt::red);
  b->SetGlyph(glyphe);
  const auto [g_gauche, d_gauche] = rouges(image_de(*b));
  b->SetLayout(TdxLayout::blGlyphRight);
  const auto [g_droite, d_droite] = rouges(image_de(*b));
  EXPECT_EQ(d_gauche - g_gauche, 7);
  EXPECT_GT(g_droite, d_gauche + 8);  // the caption now lies left of it
  b->SetLayout(TdxLayout::blGlyphTop);
  EXPECT_GE(b->sizeHint().height(), 8 + 3 + b->fontMetrics().height());
  b->setEnabled(false);
  EXPECT_EQ(rouges(image_de(*b)).second, -1);  // grey
}

TEST(TdxStyleManager, LinkedControlsTakeItsTheme) {
  QWidget fenetre;
  auto* b = new TdxButton(&fenetre);
  auto gestionnaire = std::make_unique<TdxStyleManager>();
  int changements = 0;
  QObject::connect(gestionnaire.get(), &TdxStyleManager::ThemeChanged, [&] { ++changements; });
  b->SetStyleManager(gestionnaire.get());
  gestionnaire->SetTheme(TdxTheme::OfficeXP);
  EXPECT_EQ(b->ThemeEffectif(), TdxTheme::OfficeXP);
  EXPECT_EQ(changements, 1);
  b->SetStyle({TdxTheme::WindowsXP, false});
  EXPECT_EQ(b->ThemeEffectif(), TdxTheme::WindowsXP);
  gestionnaire.reset();
  EXPECT_EQ(b->StyleManager(), nullptr);
}

}  // namespace
