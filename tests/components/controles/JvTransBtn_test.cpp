#include "components/controles/JvTransBtn.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QPalette>
#include <optional>

#include "components/controles/outils_controles.h"
#include "platform/couleur_qt.h"

namespace {

const QColor fond(0, 128, 0);

// A button on a green parent, so that what it does not paint shows green.
struct Scene {
  QWidget parent;
  TJvTransparentButton* bouton = new TJvTransparentButton(&parent);
  int clics = 0;

  Scene() {
    parent.resize(60, 60);
    parent.setAutoFillBackground(true);
    QPalette p = parent.palette();
    p.setColor(QPalette::Window, fond);
    parent.setPalette(p);
    bouton->setText(QStringLiteral("OK"));
    QObject::connect(bouton, &QAbstractButton::clicked, [this] { ++clics; });
  }
  QImage image() { return image_de(parent).copy(bouton->geometry()); }
  void presser(QPoint p = {5, 5}) { souris(*bouton, QEvent::MouseButtonPress, p, Qt::LeftButton); }
  void bouger(QPoint p) { souris(*bouton, QEvent::MouseMove, p, Qt::LeftButton); }
  void relacher(QPoint p = {5, 5}) { souris(*bouton, QEvent::MouseButtonRelease, p, Qt::NoButton); }
};

// The top-left corner of the dark pixels (the caption).
std::optional<QPoint> legende(const QImage& image) {
  for (int y = 2; y < image.height() - 2; ++y) {
    for (int x = 2; x < image.width() - 2; ++x) {
      if (QColor(image.pixel(x, y)).lightness() < 60) {
        for (int x2 = 2; x2 < x; ++x2) {
          for (int y2 = y; y2 < image.height() - 2; ++y2) {
            if (QColor(image.pixel(x2, y2)).lightness() < 60) x = x2;
          }
        }
        return QPoint(x, y);
      }
    }
  }
  return std::nullopt;
}

TEST(JvTransparentButton, FrameFollowsThePointerAndTheButton) {
  Scene s;
  const QImage repos = s.image();
  EXPECT_EQ(pixel(repos, 0, 0), fond);
  EXPECT_EQ(pixel(repos, 39, 39), fond);
  const auto texte_repos = legende(repos);
  ASSERT_TRUE(texte_repos.has_value());

  entrer(*s.bouton);
  const QImage survol = s.image();
  EXPECT_EQ(pixel(survol, 0, 0), couleur_qt(couleur_lumiere_bouton));
  EXPECT_EQ(pixel(survol, 39, 39), couleur_qt(couleur_ombre_bouton));
  EXPECT_EQ(pixel(survol, 1, 1), fond);  // one pixel wide
  EXPECT_EQ(legende(survol), texte_repos);

  s.presser();
  const QImage enfonce = s.image();
  EXPECT_EQ(pixel(enfonce, 0, 0), couleur_qt(couleur_ombre_bouton));
  EXPECT_EQ(pixel(enfonce, 39, 39), couleur_qt(couleur_lumiere_bouton));
  EXPECT_EQ(legende(enfonce), *texte_repos + QPoint(1, 1));
  garder_capture(enfonce, "bouton_transparent_enfonce.png");
  s.relacher();
  EXPECT_EQ(s.clics, 1);

  sortir(*s.bouton);
  EXPECT_EQ(pixel(s.image(), 0, 0), fond);
}

TEST(JvTransparentButton, MovingOffLiftsAndAReleaseOverItStillClicks) {
  Scene s;
  entrer(*s.bouton);
  s.presser();
  EXPECT_TRUE(s.bouton->Enfonce());
  s.bouger({50, 50});
  EXPECT_FALSE(s.bouton->Enfonce());
  s.bouger({5, 5});
  EXPECT_FALSE(s.bouton->Enfonce());  // coming back does not press it
  s.relacher({5, 5});
  EXPECT_EQ(s.clics, 1);
  s.presser();
  s.bouger({50, 50});
  s.relacher({50, 50});
  EXPECT_EQ(s.clics, 1);
  s.bouton->click();  // the keyboard's and the accelerator's click
  EXPECT_EQ(s.clics, 2);
}

TEST(JvTransparentButton, DisabledButtonIsEmbossedAndDeaf) {
  Scene s;
  QFont grande = s.bouton->font();
  grande.setPixelSize(24);
  grande.setBold(true);
  s.bouton->setFont(grande);
  entrer(*s.bouton);
  s.bouton->setEnabled(false);
  EXPECT_FALSE(s.bouton->SourisDedans());
  s.presser();
  s.relacher();
  EXPECT_EQ(s.clics, 0);
  const QImage image = s.image();
  EXPECT_EQ(pixel(image, 0, 0), fond);
  bool lumiere = false, ombre = false;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      lumiere = lumiere || pixel(image, x, y) == couleur_qt(couleur_lumiere_bouton);
      ombre = ombre || pixel(image, x, y) == couleur_qt(couleur_ombre_bouton);
    }
  }
  EXPECT_TRUE(lumiere && ombre);
}

TEST(JvTransparentButton, SameCaptionDoesNotRepaint) {
  Scene s;
  s.parent.show();
  QApplication::processEvents();
  QApplication::processEvents();
  struct Compteur : QObject {
    int peintures = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) ++peintures;
      return false;
    }
  } compteur;
  s.bouton->installEventFilter(&compteur);
  QApplication::processEvents();
  EXPECT_EQ(compteur.peintures, 0);
  s.bouton->setText(QStringLiteral("OK"));
  QApplication::processEvents();
  EXPECT_EQ(compteur.peintures, 0);
  s.bouton->setText(QStringLiteral("Oui"));
  QApplication::processEvents();
  EXPECT_GT(compteur.peintures, 0);
}

TEST(JvTransparentButton, DropDownMenuPopsUpUnderTheButton) {
  Scene s;
  s.parent.show();
  QMenu menu;
  menu.addAction(QStringLiteral("Un"));
  s.bouton->SetDropDownMenu(&menu);
  bool montre = false;
  QPoint place;
  QTimer::singleShot(0, &menu, [&] {
    montre = menu.isVisible();
    place = menu.pos();
    menu.close();
  });
  s.presser();
  EXPECT_TRUE(montre);
  EXPECT_EQ(place.y(), s.bouton->mapToGlobal(QPoint(0, s.bouton->height())).y());
  EXPECT_FALSE(s.bouton->Enfonce());  // the release is handled at once
}

TEST(JvTransparentButton, GlyphCountFollowsItsShape) {
  TJvTransparentButton b;
  struct Cas {
    QSize taille;
    int nombre;
  };
  for (const Cas& c : {Cas{{16, 16}, 1}, Cas{{32, 16}, 2}, Cas{{64, 16}, 4}, Cas{{80, 16}, 1}, Cas{{20, 16}, 1},
                       Cas{{16, 0}, 1}}) {
    QImage g(c.taille, QImage::Format_RGB32);
    g.fill(Qt::red);
    b.SetGlyph(g);
    EXPECT_EQ(b.NumGlyphs(), c.nombre) << c.taille.width() << "x" << c.taille.height();
  }
  EXPECT_TRUE(b.ImageGlyphe().isNull());  // height 0: nothing to show
  QImage g(16, 16, QImage::Format_RGB32);
  g.fill(QColor(30, 60, 90));
  b.SetGlyph(g);
  EXPECT_EQ(QColor(b.ImageGlyphe().pixel(3, 3)), QColor(54, 54, 54));  // grey by luminance, pointer outside
}

TEST(JvTransparentButton, FrameStylesAtRestAndPressed) {
  struct Cas {
    TJvFrameStyle style;
    std::int32_t haut, bas, enfonce;
  };
  for (const Cas& c : {Cas{TJvFrameStyle::fsRegular, couleur_lumiere_bouton, couleur_noire, couleur_noire},
                       Cas{TJvFrameStyle::fsIndent, couleur_ombre_bouton, couleur_lumiere_bouton, couleur_noire},
                       Cas{TJvFrameStyle::fsLight, couleur_lumiere_bouton, couleur_ombre_bouton,
                           couleur_ombre_bouton},
                       Cas{TJvFrameStyle::fsDark, couleur_face_bouton, couleur_ombre_3d, couleur_ombre_3d},
                       Cas{TJvFrameStyle::fsMono, couleur_lumiere_bouton, couleur_ombre_3d, couleur_ombre_3d}}) {
    Scene s;
    s.bouton->SetFrameStyle(c.style);
    s.bouton->SetFlat(false);
    const QImage image = s.image();
    EXPECT_EQ(pixel(image, 0, 0), couleur_qt(c.haut)) << static_cast<int>(c.style);
    EXPECT_EQ(pixel(image, 39, 39), couleur_qt(c.bas)) << static_cast<int>(c.style);
    s.bouton->SetDown(true);
    EXPECT_EQ(pixel(s.image(), 0, 0), couleur_qt(c.enfonce)) << static_cast<int>(c.style);
  }
}

}  // namespace
