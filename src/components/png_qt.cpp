#include "components/png_qt.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

#include <cstring>

#include "components/formats_image.h"
#include "components/png/png_raster.h"

namespace png {

namespace {

constexpr int bits_rgb = 24;
constexpr int bits_mono = 1;
constexpr int bits_indexe = 8;
constexpr int entrees_palette = 256;

QRgb couleur(const RGBQUAD& e, std::uint8_t alpha = 255) { return qRgba(e.rgbRed, e.rgbGreen, e.rgbBlue, alpha); }

TBitmapSource source_palette(const QImage& image, int bits) {
  TBitmapSource source;
  source.Width = static_cast<std::uint32_t>(image.width());
  source.Height = static_cast<std::uint32_t>(image.height());
  source.BitsPerPixel = static_cast<std::uint16_t>(bits);
  for (const QRgb c : image.colorTable()) {
    source.Palette.push_back(RGBQUAD{static_cast<std::uint8_t>(qBlue(c)), static_cast<std::uint8_t>(qGreen(c)),
                                     static_cast<std::uint8_t>(qRed(c)), 0});
  }
  const std::size_t octets = ((std::size_t(bits) * source.Width + 31) / 32) * 4;
  source.Bits.assign(octets * source.Height, 0);
  const std::size_t utiles = (std::size_t(bits) * source.Width + 7) / 8;
  for (int y = 0; y < image.height(); ++y) std::memcpy(source.Bits.data() + octets * y, image.constScanLine(y), utiles);
  return source;
}

TBitmapSource source_rgb(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  TBitmapSource source;
  source.Width = static_cast<std::uint32_t>(rgb.width());
  source.Height = static_cast<std::uint32_t>(rgb.height());
  source.BitsPerPixel = bits_rgb;
  const std::size_t octets = ((std::size_t(bits_rgb) * source.Width + 31) / 32) * 4;
  source.Bits.assign(octets * source.Height, 0);
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* ligne = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    std::uint8_t* sortie = source.Bits.data() + octets * y;
    for (int x = 0; x < rgb.width(); ++x) {
      sortie[3 * x] = static_cast<std::uint8_t>(qBlue(ligne[x]));
      sortie[3 * x + 1] = static_cast<std::uint8_t>(qGreen(ligne[x]));
      sortie[3 * x + 2] = static_cast<std::uint8_t>(qRed(ligne[x]));
    }
  }
  return source;
}

QImage image_alpha(const TChunkIHDR& h) {
  QImage image(static_cast<int>(h.Width), static_cast<int>(h.Height), QImage::Format_ARGB32);
  for (std::uint32_t y = 0; y < h.Height; ++y) {
    const std::uint8_t* ligne = h.LigneRaster(y);
    const std::uint8_t* alpha = h.LigneAlpha(y);
    auto* sortie = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
    for (std::uint32_t x = 0; x < h.Width; ++x) {
      if (h.BitCount == bits_rgb) {
        sortie[x] = qRgba(ligne[3 * x + 2], ligne[3 * x + 1], ligne[3 * x], alpha[x]);
      } else {
        sortie[x] = couleur(h.Palette[lire_echantillon(ligne, x, h.BitCount)], alpha[x]);
      }
    }
  }
  return image;
}

QImage image_indexee(const TPNGObject& png, const TChunkIHDR& h) {
  QImage image(static_cast<int>(h.Width), static_cast<int>(h.Height), QImage::Format_Indexed8);
  const auto* trns = h.ColorType == 3 ? dynamic_cast<const TChunktRNS*>(png.Chunks.FindChunk("tRNS")) : nullptr;
  QList<QRgb> table;
  for (int i = 0; i < entrees_palette; ++i) table.push_back(couleur(h.Palette[i], trns ? trns->PaletteValues[i] : 255));
  image.setColorTable(table);
  for (std::uint32_t y = 0; y < h.Height; ++y) {
    const std::uint8_t* ligne = h.LigneRaster(y);
    std::uint8_t* sortie = image.scanLine(static_cast<int>(y));
    for (std::uint32_t x = 0; x < h.Width; ++x) sortie[x] = static_cast<std::uint8_t>(lire_echantillon(ligne, x, h.BitCount));
  }
  return image;
}

QImage image_rgb(const TChunkIHDR& h) {
  QImage image(static_cast<int>(h.Width), static_cast<int>(h.Height), QImage::Format_RGB32);
  for (std::uint32_t y = 0; y < h.Height; ++y) {
    const std::uint8_t* ligne = h.LigneRaster(y);
    auto* sortie = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
    for (std::uint32_t x = 0; x < h.Width; ++x) sortie[x] = qRgb(ligne[3 * x + 2], ligne[3 * x + 1], ligne[3 * x]);
  }
  return image;
}

}  // namespace

TColor VersTColor(const QColor& c) {
  return RGB(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()), static_cast<std::uint8_t>(c.blue()));
}

void Assign(TPNGObject& png, const QImage& image, std::optional<QColor> transparente) {
  TBitmapSource source;
  if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB) {
    source = source_palette(image.convertToFormat(QImage::Format_Mono), bits_mono);
  } else if (image.format() == QImage::Format_Indexed8) {
    source = source_palette(image, bits_indexe);
  } else {
    source = source_rgb(image);
  }
  if (transparente) {
    source.Transparent = true;
    source.TransparentColor = VersTColor(*transparente);
  }
  png.AssignBitmap(source);
}

QImage AssignTo(const TPNGObject& png) {
  if (png.Width() == 0) return {};
  const TChunkIHDR& h = png.Header();
  if (!h.ImageAlpha.empty()) return image_alpha(h);
  return h.HasPalette ? image_indexee(png, h) : image_rgb(h);
}

void Draw(const TPNGObject& png, QPainter& peintre, const QRect& rect) {
  if (png.Width() == 0) return;
  const QImage image = AssignTo(png);
  const QPainter::CompositionMode avant = peintre.compositionMode();
  peintre.setCompositionMode(png.Transparent() ? QPainter::CompositionMode_SourceOver
                                               : QPainter::CompositionMode_Source);
  peintre.drawImage(rect, image);
  peintre.setCompositionMode(avant);
}

QList<QRgb> GetPalette(const TPNGObject& png) {
  QList<QRgb> palette;
  if (png.Width() == 0) return palette;
  const TChunkIHDR& h = png.Header();
  if (h.ColorType != 0 && h.ColorType != 3) return palette;
  for (const RGBQUAD& e : h.Palette) palette.push_back(couleur(e));
  return palette;
}

void SaveToClipboardFormat(const TPNGObject& png) {
  QImage image = AssignTo(png);
  if (image.isNull()) return;
  QGuiApplication::clipboard()->setImage(image.convertToFormat(QImage::Format_RGB32));
}

bool LoadFromClipboardFormat(TPNGObject& png) {
  const QImage image = QGuiApplication::clipboard()->image();
  if (image.isNull()) return false;
  Assign(png, image);
  return true;
}

}  // namespace png

QImage charger_png(const QString& chemin) {
  png::TPNGObject image;
  try {
    image.LoadFromFile(QFile::encodeName(chemin).toStdString());
  } catch (const png::EPngError&) {
    return {};
  }
  return png::AssignTo(image);
}

namespace {

// Registers the format while the program runs.
struct EnregistrementPng {
  EnregistrementPng() { enregistrer_format_image(QStringLiteral("PNG"), QStringLiteral("Portable Network Graphics"), &charger_png); }
  ~EnregistrementPng() { retirer_format_image(QStringLiteral("PNG")); }
};
const EnregistrementPng enregistrement_png;

}  // namespace
