// Pixel access and building an image from a bitmap.
#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "components/png/png_raster.h"
#include "components/png/pngimage.h"

namespace png {

namespace {

constexpr unsigned bits_rgb = 24;
constexpr std::uint32_t dimension_max = 65535;

// How many palette entries a pixel index may name.
std::uint32_t entrees_valides(const TPNGObject& objet, const TChunkIHDR& h) {
  if (h.ColorType == 3) {
    const auto* plte = dynamic_cast<const TChunkPLTE*>(objet.Chunks.FindChunk("PLTE"));
    return plte == nullptr ? 0 : plte->Count;
  }
  return 1u << h.BitCount;
}

std::uint32_t entree_proche(const TChunkIHDR& h, std::uint32_t entrees, TColor couleur) {
  std::uint32_t meilleure = 0;
  std::int64_t distance_min = std::numeric_limits<std::int64_t>::max();
  for (std::uint32_t i = 0; i < entrees; ++i) {
    const RGBQUAD& e = h.Palette[i];
    const std::int64_t dr = int(e.rgbRed) - GetRValue(couleur);
    const std::int64_t dg = int(e.rgbGreen) - GetGValue(couleur);
    const std::int64_t db = int(e.rgbBlue) - GetBValue(couleur);
    const std::int64_t distance = dr * dr + dg * dg + db * db;
    if (distance < distance_min) {
      distance_min = distance;
      meilleure = i;
    }
  }
  return meilleure;
}

std::uint64_t octets_source(const TBitmapSource& source) {
  return ((std::uint64_t(source.BitsPerPixel) * source.Width + 31) & ~std::uint64_t(31)) / 8;
}

void verifier_source(const TBitmapSource& source) {
  const bool bits_valides = source.BitsPerPixel == 1 || source.BitsPerPixel == 8 || source.BitsPerPixel == bits_rgb;
  if (!bits_valides || source.Width == 0 || source.Height == 0) throw EPngInvalidIHDR();
  if (source.Width > dimension_max || source.Height > dimension_max) throw EPNGSizeExceeds();
  if (std::uint64_t(source.Width) * source.Height > TPNGObject::pixels_max) throw EPNGOutMemory();
  if (source.Bits.size() < octets_source(source) * source.Height) throw EPngInvalidIHDR();
}

}  // namespace

TColor TPNGObject::GetPixel(std::int64_t x, std::int64_t y) const {
  const TChunkIHDR& h = Header();
  if (x < 0 || y < 0 || x >= h.Width || y >= h.Height) return 0;
  const std::uint8_t* ligne = h.LigneRaster(static_cast<std::uint32_t>(y));
  if (h.BitCount == bits_rgb) {
    const std::uint8_t* p = ligne + 3 * x;
    return RGB(p[2], p[1], p[0]);
  }
  const std::uint32_t indice = lire_echantillon(ligne, static_cast<std::uint64_t>(x), h.BitCount);
  if (indice >= entrees_valides(*this, h)) throw EPngError(txt_png_entree_palette);
  const RGBQUAD& e = h.Palette[indice];
  return RGB(e.rgbRed, e.rgbGreen, e.rgbBlue);
}

void TPNGObject::SetPixel(std::int64_t x, std::int64_t y, TColor couleur) {
  TChunkIHDR& h = Header();
  if (x < 0 || y < 0 || x >= h.Width || y >= h.Height) return;
  std::uint8_t* ligne = h.LigneRaster(static_cast<std::uint32_t>(y));
  if (h.BitCount == bits_rgb) {
    std::uint8_t* p = ligne + 3 * x;
    p[0] = GetBValue(couleur);
    p[1] = GetGValue(couleur);
    p[2] = GetRValue(couleur);
    return;
  }
  const std::uint32_t entrees = entrees_valides(*this, h);
  if (entrees == 0) return;
  ecrire_echantillon(ligne, static_cast<std::uint64_t>(x), h.BitCount, entree_proche(h, entrees, couleur));
}

void TPNGObject::AssignBitmap(const TBitmapSource& source) {
  verifier_source(source);
  Clear();
  const bool avec_palette = source.BitsPerPixel < 16;
  auto entete = std::make_unique<TChunkIHDR>(*this);
  entete->Width = source.Width;
  entete->Height = source.Height;
  entete->BitDepth = avec_palette ? static_cast<std::uint8_t>(source.BitsPerPixel) : 8;
  entete->ColorType = avec_palette ? 3 : 2;
  entete->PrepareImageData();
  const std::uint64_t octets = octets_source(source);
  for (std::uint32_t y = 0; y < source.Height; ++y) {
    std::memcpy(entete->LigneRaster(y), source.Bits.data() + octets * y, octets);
  }
  std::copy_n(source.Palette.begin(), std::min<std::size_t>(source.Palette.size(), entete->Palette.size()),
              entete->Palette.begin());
  Chunks.Add(std::move(entete));
  if (avec_palette) {
    auto palette = std::make_unique<TChunkPLTE>(*this);
    palette->Count = 1u << source.BitsPerPixel;
    Chunks.Add(std::move(palette));
  }
  if (source.Transparent) {
    auto trns = std::make_unique<TChunktRNS>(*this);
    if (trns->SetTransparentColor(source.TransparentColor)) Chunks.Add(std::move(trns));
  }
  Chunks.Add(std::make_unique<TChunkIDAT>(*this));
  Chunks.Add(std::make_unique<TChunkIEND>(*this));
}

}  // namespace png
