#include "components/animation/composition_gif.h"

#include <QPainter>

#include <algorithm>

namespace animation {

namespace {

enum Disposition : std::uint8_t { kAucune = 0, kGarder = 1, kFond = 2, kPrecedente = 3 };
constexpr std::uint8_t kDispositionMax = kPrecedente;

std::uint8_t disposition(const gif::TJvGIFFrame& f) {
  return f.DisposalMethod > kDispositionMax ? std::uint8_t(kGarder) : f.DisposalMethod;
}

bool transparente(const gif::TJvGIFFrame& f) { return f.TransparentIndex >= 0; }

bool couvre_l_ecran(gif::TJvGIFImage& image, const gif::TJvGIFFrame& f) {
  return f.Left <= 0 && f.Top <= 0 && f.Left + f.Width() >= image.ScreenWidth() &&
         f.Top + f.Height() >= image.ScreenHeight();
}

bool image_transparente(gif::TJvGIFImage& image) {
  for (std::size_t i = 0; i < image.Count(); ++i)
    if (transparente(image.Frame(i))) return true;
  return false;
}

QRect rectangle(gif::TJvGIFFrame& f) { return QRect(f.Left, f.Top, f.Width(), f.Height()); }

// Draws the frame's pixels at its place, skipping its transparent index.
void dessiner_cadre(QImage& cible, gif::TJvGIFFrame& f) {
  const gif::TBitmap& b = f.Bitmap();
  if (b.Empty()) return;
  const bool indexe = b.PixelFormat() != gif::pf24bit;
  const QRect zone = rectangle(f).intersected(cible.rect());
  for (int y = zone.top(); y <= zone.bottom(); ++y) {
    const int ys = y - f.Top;
    if (ys >= b.Height()) break;
    const int ligne = b.Height() - 1 - ys;
    auto* sortie = reinterpret_cast<QRgb*>(cible.scanLine(y));
    for (int x = zone.left(); x <= zone.right(); ++x) {
      const int xs = x - f.Left;
      if (xs >= b.Width()) break;
      if (indexe && int(b.Index(xs, ligne)) == f.TransparentIndex) continue;
      const gif::RGBQUAD q = b.Pixel(xs, ligne);
      sortie[x] = qRgb(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }
  }
}

void remplir(QImage& cible, const QRect& zone, QRgb fond) {
  QPainter p(&cible);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(zone, QColor::fromRgba(fond));
}

// The frame where a full replay of frame n starts.
int premier_rejoue(gif::TJvGIFImage& image, int n) {
  for (int i = n; i > 0; --i) {
    gif::TJvGIFFrame& f = image.Frame(std::size_t(i));
    if (!couvre_l_ecran(image, f)) continue;
    if (!transparente(f) || (disposition(f) == kFond && i < n)) return i;
  }
  return 0;
}

void rejouer(gif::TJvGIFImage& image, int premier, int n, QImage& cible, QRgb fond) {
  for (int i = premier; i < n; ++i) {
    gif::TJvGIFFrame& f = image.Frame(std::size_t(i));
    const std::uint8_t d = disposition(f);
    if (d == kAucune || d == kGarder)
      dessiner_cadre(cible, f);
    else if (d == kFond && i > premier)
      remplir(cible, rectangle(f), fond);
  }
}

}  // namespace

QRgb rgb_de(gif::TColor couleur) {
  return qRgb(int(couleur & 0xFF), int((couleur >> 8) & 0xFF), int((couleur >> 16) & 0xFF));
}

std::uint32_t delai_image(gif::TJvGIFImage& image, int index) {
  if (image.Count() < 2 || index < 0 || std::size_t(index) >= image.Count()) return 0;
  return std::clamp(image.Frame(std::size_t(index)).AnimateInterval, kDelaiMinMs, kDelaiMaxMs);
}

QRgb couleur_de_fond(gif::TJvGIFImage& image, int n, QRgb fenetre) {
  const gif::TJvGIFFrame& f = image.Frame(std::size_t(n));
  if (transparente(f) && f.TransparentColor != gif::clNone) return rgb_de(f.TransparentColor);
  if (image.BackgroundColor != gif::clNone && image_transparente(image)) return rgb_de(image.BackgroundColor);
  return fenetre;
}

void composer(gif::TJvGIFImage& image, int n, bool transparent, QRgb fenetre, ImageComposee& cache) {
  if (image.Count() == 0) return;
  n = std::clamp(n, 0, int(image.Count()) - 1);
  const QRgb fond = couleur_de_fond(image, n, fenetre);
  const bool reprise = n >= 1 && cache.index == n - 1 && !cache.bitmap.isNull() &&
                       disposition(image.Frame(std::size_t(n - 1))) != kPrecedente;
  if (reprise) {
    gif::TJvGIFFrame& precedente = image.Frame(std::size_t(n - 1));
    if (disposition(precedente) == kFond) remplir(cache.bitmap, rectangle(precedente), fond);
  } else {
    cache.bitmap = QImage(image.ScreenWidth(), image.ScreenHeight(), QImage::Format_ARGB32);
    cache.bitmap.fill(fond);
    rejouer(image, premier_rejoue(image, n), n, cache.bitmap, fond);
    gif::TJvGIFFrame& f = image.Frame(std::size_t(n));
    cache.couleur = transparent && transparente(f) ? f.TransparentColor : gif::clNone;
  }
  dessiner_cadre(cache.bitmap, image.Frame(std::size_t(n)));
  cache.index = n;
}

QImage image_a_dessiner(const ImageComposee& cache) {
  if (cache.couleur == gif::clNone) return cache.bitmap;
  QImage copie = cache.bitmap;
  const QRgb cle = rgb_de(cache.couleur);
  for (int y = 0; y < copie.height(); ++y) {
    auto* ligne = reinterpret_cast<QRgb*>(copie.scanLine(y));
    for (int x = 0; x < copie.width(); ++x)
      if (ligne[x] == cle) ligne[x] = qRgba(0, 0, 0, 0);
  }
  return copie;
}

}  // namespace animation
