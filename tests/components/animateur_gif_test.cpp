// The GIF animator: frame delays, frame index, composition by disposal
// methods against hand-computed grids, ticks driven through the timer's entry
// and its worker's controllable clock, automatic size and placement.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QThread>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "components/animation/animateur_gif.h"
#include "gif_fabrique.h"

using namespace animation;
using namespace gif_test;

namespace {

constexpr unsigned kLargeur = 6, kHauteur = 4;
constexpr int kBitsTable = 4;
constexpr std::uint8_t kIndexFond = 9;
constexpr int kSansTransparence = -1;

// A frame at its place: control extension, descriptor, literal LZW data.
Octets cadre(unsigned gauche, unsigned haut, unsigned l, unsigned h, const std::vector<std::uint8_t>& pixels,
             int disposition, int transparent, unsigned delai_cs) {
  const auto paquet = std::uint8_t((disposition << 2) | (transparent >= 0 ? 1 : 0));
  Octets d = {','};
  mot(d, gauche);
  mot(d, haut);
  mot(d, l);
  mot(d, h);
  d.push_back(0);
  return controle(paquet, delai_cs, std::uint8_t(transparent >= 0 ? transparent : 0)) + d +
         lzw_litteral(kBitsTable, pixels);
}

// The colour table: checkerboard, frame colours, the transparent key (5) and
// the background (9), far apart so the capture reads at a glance.
const QRgb kTable[1 << kBitsTable] = {
    qRgb(0, 0, 0),       qRgb(250, 240, 190), qRgb(190, 215, 245), qRgb(220, 40, 40),
    qRgb(40, 170, 60),   qRgb(230, 60, 230),  qRgb(40, 70, 200),   qRgb(245, 150, 30),
    qRgb(90, 90, 90),    qRgb(60, 200, 210),  qRgb(10, 10, 10),    qRgb(20, 20, 20),
    qRgb(30, 30, 30),    qRgb(40, 40, 40),    qRgb(50, 50, 50),    qRgb(60, 60, 60)};

// Header, screen descriptor with its background index, and the colour table.
Octets fichier(const std::vector<Octets>& cadres) {
  Octets o = {'G', 'I', 'F', '8', '9', 'a'};
  mot(o, kLargeur);
  mot(o, kHauteur);
  o.push_back(std::uint8_t(0x80 | (kBitsTable - 1)));
  o.push_back(kIndexFond);
  o.push_back(0);
  for (QRgb c : kTable)
    for (int composante : {qRed(c), qGreen(c), qBlue(c)}) o.push_back(std::uint8_t(composante));
  for (const Octets& c : cadres) o.insert(o.end(), c.begin(), c.end());
  o.push_back(';');
  return o;
}

std::vector<std::uint8_t> damier() {
  std::vector<std::uint8_t> p;
  for (unsigned y = 0; y < kHauteur; ++y)
    for (unsigned x = 0; x < kLargeur; ++x) p.push_back(std::uint8_t(1 + (x + y) % 2));
  return p;
}

// Four frames: a full checkerboard kept (delay 0); a transparent 3 x 2
// restoring the background (10 ms); a transparent 2 x 3 restoring the previous
// picture (60 s); an opaque 4 x 2 left as is (250 ms).
Octets gif_quatre_cadres() {
  return fichier({cadre(0, 0, kLargeur, kHauteur, damier(), 1, kSansTransparence, 0),
                  cadre(1, 1, 3, 2, {3, 5, 3, 5, 3, 5}, 2, 5, 1),
                  cadre(2, 0, 2, 3, {4, 4, 5, 4, 4, 5}, 3, 5, 6000),
                  cadre(0, 2, 4, 2, {6, 7, 6, 7, 7, 6, 7, 6}, 0, kSansTransparence, 25)});
}

// The grids of the composed frames, as palette indices.
const std::vector<std::vector<std::uint8_t>> kGrilles = {
    {1, 2, 1, 2, 1, 2,  //
     2, 1, 2, 1, 2, 1,  //
     1, 2, 1, 2, 1, 2,  //
     2, 1, 2, 1, 2, 1},
    {1, 2, 1, 2, 1, 2,  //
     2, 3, 2, 3, 2, 1,  //
     1, 2, 3, 2, 1, 2,  //
     2, 1, 2, 1, 2, 1},
    {1, 2, 4, 4, 1, 2,  //
     2, 5, 5, 4, 2, 1,  //
     1, 5, 4, 5, 1, 2,  //
     2, 1, 2, 1, 2, 1},
    {1, 2, 1, 2, 1, 2,  //
     2, 9, 9, 9, 2, 1,  //
     6, 7, 6, 7, 1, 2,  //
     7, 6, 7, 6, 2, 1}};

QRgb couleur(int index) { return kTable[index]; }

const QRgb kFenetre = qRgb(250, 251, 252);

void charger(gif::TJvGIFImage& image, const Octets& octets, bool decoder = true) {
  image.LoadFromStream(octets, decoder);
}

void attendu(const QImage& image, int n) {
  ASSERT_EQ(image.size(), QSize(kLargeur, kHauteur)) << n;
  for (unsigned y = 0; y < kHauteur; ++y)
    for (unsigned x = 0; x < kLargeur; ++x)
      ASSERT_EQ(image.pixel(int(x), int(y)), couleur(kGrilles[std::size_t(n)][y * kLargeur + x]))
          << "frame " << n << " at " << x << "," << y;
}

// An animator shown inside a parent, so that it ticks.
struct Scene {
  QWidget parent;
  TJvGIFAnimator* animateur = new TJvGIFAnimator(&parent);
  int changements = 0, departs = 0, arrets = 0;
  std::atomic<int> cadres{0};
  std::atomic<bool> cadre_hors_gui{false};
  explicit Scene(const Octets& octets) {
    gif::TJvGIFImage source;
    charger(source, octets);
    animateur->SetOnFrameChanged([this](QObject*) {
      ++cadres;
      if (QThread::currentThread() != QCoreApplication::instance()->thread()) cadre_hors_gui = true;
    });
    animateur->SetOnChange([this](QObject*) { ++changements; });
    animateur->SetOnStart([this](QObject*) { ++departs; });
    animateur->SetOnStop([this](QObject*) { ++arrets; });
    animateur->SetImage(source);
    parent.show();
  }
};

// Frames that all last 10 s: no tick of their own while a test runs.
Octets gif_lent(int cadres) {
  std::vector<Octets> c;
  for (int i = 0; i < cadres; ++i)
    c.push_back(cadre(0, 0, kLargeur, kHauteur, std::vector<std::uint8_t>(kLargeur * kHauteur, std::uint8_t(i + 1)),
                      1, kSansTransparence, 1000));
  return fichier(c);
}

}  // namespace

TEST(AnimateurGif, DelaisBornesEtIndexInvalides) {
  gif::TJvGIFImage image;
  charger(image, gif_quatre_cadres());
  struct Cas {
    int index;
    std::uint32_t delai;
  };
  for (const Cas& c : {Cas{0, 50}, Cas{1, 50}, Cas{2, 10'000}, Cas{3, 250}, Cas{-1, 0}, Cas{4, 0}})
    EXPECT_EQ(delai_image(image, c.index), c.delai) << c.index;
  gif::TJvGIFImage seule;
  charger(seule, gif_lent(1));
  EXPECT_EQ(delai_image(seule, 0), 0u);
}

TEST(AnimateurGif, FrameIndexAccepteLesSeulsIndexValidesEtNouveaux) {
  Scene s(gif_quatre_cadres());
  ASSERT_EQ(s.animateur->FrameIndex(), 0);
  EXPECT_EQ(s.changements, 1);
  EXPECT_EQ(s.animateur->Timer().Interval(), 50u);
  for (int refuse : {4, -1, 0}) {
    s.animateur->SetFrameIndex(refuse);
    EXPECT_EQ(s.animateur->FrameIndex(), 0);
  }
  EXPECT_EQ(s.cadres, 0);
  const std::uint32_t delais[] = {50, 50, 10'000, 250};
  for (int i : {2, 3, 1}) {
    s.animateur->SetFrameIndex(i);
    EXPECT_EQ(s.animateur->FrameIndex(), i);
    EXPECT_EQ(s.animateur->Timer().Interval(), delais[i]);
  }
  EXPECT_EQ(s.cadres, 3);
}

TEST(AnimateurGif, CompositionExacteIncrementaleEtComplete) {
  gif::TJvGIFImage image;
  charger(image, gif_quatre_cadres());
  ImageComposee suite;
  for (int n = 0; n < 4; ++n) {
    composer(image, n, true, kFenetre, suite);
    attendu(suite.bitmap, n);
    ImageComposee seule;
    composer(image, n, true, kFenetre, seule);
    attendu(seule.bitmap, n);
  }
  // Through the control: each frame shown after the one before.
  Scene s(gif_quatre_cadres());
  for (int n : {1, 2, 3, 0}) {
    s.animateur->SetFrameIndex(n);
    attendu(s.animateur->Composee().bitmap, n);
  }
}

TEST(AnimateurGif, PinceauDeFondEtCouleurCle) {
  struct Cas {
    int n;
    bool sans_fond;
    bool sans_transparence;
    QRgb fond;
  };
  const Cas cas[] = {{1, false, false, couleur(5)},
                     {3, false, false, couleur(kIndexFond)},
                     {3, true, false, kFenetre},
                     {1, false, true, kFenetre}};
  for (const Cas& c : cas) {
    gif::TJvGIFImage image;
    charger(image, gif_quatre_cadres());
    if (c.sans_fond) image.BackgroundColor = gif::clNone;
    if (c.sans_transparence)
      for (std::size_t i = 0; i < image.Count(); ++i) image.Frame(i).TransparentIndex = -1;
    EXPECT_EQ(couleur_de_fond(image, c.n, kFenetre), c.fond) << c.n;
  }
  gif::TJvGIFImage image;
  charger(image, gif_quatre_cadres());
  for (bool transparent : {true, false}) {
    ImageComposee cache;
    composer(image, 2, transparent, kFenetre, cache);
    EXPECT_EQ(cache.couleur, transparent ? image.Frame(2).TransparentColor : gif::clNone);
    const QImage dessin = image_a_dessiner(cache);
    EXPECT_EQ(qAlpha(dessin.pixel(1, 1)), transparent ? 0 : 255);  // colour 5 keyed out
    EXPECT_EQ(qAlpha(dessin.pixel(0, 0)), 255);
  }
}

TEST(AnimateurGif, LaRepriseCommenceAuCadrePleinEcranOpaqueOuRestaurantLeFond) {
  const std::vector<std::uint8_t> plein(kLargeur * kHauteur, 2);
  const Octets petit = cadre(0, 0, 1, 1, {1}, 1, kSansTransparence, 0);
  const Octets fin = cadre(1, 1, 1, 1, {3}, 1, kSansTransparence, 0);
  for (const Octets& milieu : {cadre(0, 0, kLargeur, kHauteur, plein, 1, kSansTransparence, 0),
                               cadre(0, 0, kLargeur, kHauteur, plein, 2, 2, 0)}) {
    gif::TJvGIFImage image;
    charger(image, fichier({petit, milieu, fin}), false);
    ImageComposee cache;
    composer(image, 2, true, kFenetre, cache);
    EXPECT_FALSE(image.Frame(0).Decoded());
    EXPECT_EQ(cache.bitmap.pixel(1, 1), couleur(3));
  }
}

TEST(AnimateurGif, DispositionsQuatreASeptCommeUn) {
  const std::vector<std::uint8_t> plein(kLargeur * kHauteur, 2);
  for (int disposition = 4; disposition <= 7; ++disposition) {
    gif::TJvGIFImage image;
    charger(image, fichier({cadre(0, 0, kLargeur, kHauteur, plein, disposition, kSansTransparence, 0),
                            cadre(1, 1, 1, 1, {3}, 1, kSansTransparence, 0)}));
    ImageComposee suite, seule;
    composer(image, 0, true, kFenetre, suite);
    composer(image, 1, true, kFenetre, suite);
    composer(image, 1, true, kFenetre, seule);
    for (const ImageComposee* c : {&suite, &seule}) {
      EXPECT_EQ(c->bitmap.pixel(0, 0), couleur(2)) << disposition;
      EXPECT_EQ(c->bitmap.pixel(1, 1), couleur(3)) << disposition;
    }
  }
}

TEST(AnimateurGif, SansBoucleLArretAuRetourACadreZero) {
  for (bool boucle : {false, true}) {
    Scene s(gif_lent(3));
    s.animateur->SetLoop(boucle);
    s.animateur->SetJvxAnimate(true);
    EXPECT_TRUE(s.animateur->JvxAnimate());
    EXPECT_EQ(s.departs, 1);
    for (int tick = 0; tick < 4; ++tick) s.animateur->Timer().Timer();
    EXPECT_EQ(s.animateur->JvxAnimate(), boucle);
    EXPECT_EQ(s.arrets, boucle ? 0 : 1);
    EXPECT_EQ(s.animateur->FrameIndex(), boucle ? 1 : 0);
    EXPECT_EQ(s.cadres, boucle ? 4 : 3);
  }
}

TEST(AnimateurGif, DessinAsynchroneComposeSurLeThreadDuTimer) {
  Scene s(gif_lent(3));
  s.animateur->SetAsyncDrawing(true);
  s.animateur->SetLoop(false);
  s.animateur->SetJvxAnimate(true);
  for (int tick = 0; tick < 3; ++tick) ASSERT_TRUE(s.animateur->Timer().Thread().Declencher());
  EXPECT_EQ(s.animateur->FrameIndex(), 0);
  EXPECT_EQ(s.cadres, 0);  // queued to the GUI thread
  QCoreApplication::processEvents();
  EXPECT_EQ(s.cadres, 3);
  EXPECT_FALSE(s.cadre_hors_gui);
  EXPECT_FALSE(s.animateur->JvxAnimate());
  EXPECT_EQ(s.arrets, 1);
  EXPECT_FALSE(s.animateur->Timer().Thread().Declencher());
}

TEST(AnimateurGif, UnSeulCadreNeTiqueJamais) {
  Scene s(gif_lent(1));
  s.animateur->SetJvxAnimate(true);
  EXPECT_EQ(s.animateur->Timer().Interval(), 0u);
  EXPECT_FALSE(s.animateur->Timer().Thread().Running());
  s.animateur->Tick();
  EXPECT_EQ(s.animateur->FrameIndex(), 0);
  EXPECT_EQ(s.cadres, 0);
}

TEST(AnimateurGif, TailleAutomatiqueSelonAlign) {
  struct Cas {
    TAlign align;
    QSize taille;
  };
  const QSize initiale(TJvImageControl::kCoteInitial, TJvImageControl::kCoteInitial);
  const Cas cas[] = {{TAlign::alNone, QSize(kLargeur, kHauteur)},
                     {TAlign::alTop, QSize(initiale.width(), kHauteur)},
                     {TAlign::alLeft, QSize(kLargeur, initiale.height())},
                     {TAlign::alClient, initiale}};
  for (const Cas& c : cas) {
    TJvGIFAnimator a;
    a.SetAlign(c.align);
    gif::TJvGIFImage source;
    charger(source, gif_lent(2));
    a.SetImage(source);
    EXPECT_EQ(a.size(), c.taille) << int(c.align);
  }
}

TEST(AnimateurGif, PlacementEtireCentreOuEnHautAGauche) {
  struct Cas {
    bool etire, centre;
    QPoint origine_cadre;  // where the picture's top-left pixel lands
  };
  for (const Cas& c : {Cas{false, false, {0, 0}}, Cas{false, true, {2, 2}}, Cas{true, false, {0, 0}}}) {
    Scene s(gif_quatre_cadres());
    s.animateur->SetAutoSize(false);
    s.animateur->resize(2 * kLargeur - 1, 2 * kHauteur + 1);
    s.animateur->SetStretch(c.etire);
    s.animateur->SetCenter(c.centre);
    const QImage vue = s.animateur->grab().toImage();
    EXPECT_EQ(vue.pixel(c.origine_cadre), couleur(1)) << c.etire << c.centre;
    if (c.etire) {
      EXPECT_EQ(vue.pixel(vue.width() - 1, vue.height() - 1), couleur(1));
      continue;
    }
    const QPoint bas_droite = c.origine_cadre + QPoint(kLargeur - 1, kHauteur - 1);
    EXPECT_EQ(vue.pixel(bas_droite), couleur(1));
    EXPECT_NE(vue.pixel(bas_droite + QPoint(1, 0)), couleur(1));
  }
}

TEST(AnimateurGif, CaptureDesCadresComposes) {
  constexpr int kEchelle = 16, kMarge = 8;
  gif::TJvGIFImage image;
  charger(image, gif_quatre_cadres());
  const int l = int(kLargeur) * kEchelle, h = int(kHauteur) * kEchelle;
  QImage planche(4 * l + 5 * kMarge, h + 2 * kMarge, QImage::Format_RGB32);
  planche.fill(Qt::white);
  QPainter p(&planche);
  ImageComposee cache;
  for (int n = 0; n < 4; ++n) {
    composer(image, n, false, kFenetre, cache);
    p.drawImage(QRect(kMarge + n * (l + kMarge), kMarge, l, h), cache.bitmap);
  }
  p.end();
  ASSERT_TRUE(QDir().mkpath(PRALINORE_CAPTURES));
  EXPECT_TRUE(planche.save(QStringLiteral(PRALINORE_CAPTURES "/animation.png"), "PNG"));
}

TEST(AnimateurGif, DetruitAvantLaLivraisonDesEvenementsEnAttente) {
  auto livres = std::make_shared<std::atomic<int>>(0);
  for (int tour = 0; tour < 20; ++tour) {
    auto s = std::make_unique<Scene>(gif_lent(3));
    s->animateur->SetOnFrameChanged([livres](QObject*) { ++*livres; });
    s->animateur->SetAsyncDrawing(true);
    s->animateur->SetJvxAnimate(true);
    for (int tick = 0; tick < 2; ++tick) ASSERT_TRUE(s->animateur->Timer().Thread().Declencher());
    s.reset();
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(*livres, 0);
}
