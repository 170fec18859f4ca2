#include "components/gif/bitmap_indexe.h"

namespace gif {

namespace {
constexpr std::size_t kAlignementLigne = 4;
constexpr int kBitsOctet = 8;
constexpr std::size_t kOctetsPixel24 = 3;
}  // namespace

EInvalidGraphic::EInvalidGraphic() : std::runtime_error("Image bitmap incorrecte") {}

std::size_t TBitmap::taille_ligne(std::int32_t largeur, TPixelFormat format) {
  const std::size_t bits = std::size_t(largeur) * std::size_t(format);
  const std::size_t bits_alignes = (bits + kAlignementLigne * kBitsOctet - 1) & ~(kAlignementLigne * kBitsOctet - 1);
  return bits_alignes / kBitsOctet;
}

TBitmap::TBitmap(std::int32_t largeur, std::int32_t hauteur, TPixelFormat format)
    : largeur_(largeur), hauteur_(hauteur), format_(format) {
  if (largeur <= 0 || hauteur <= 0 || std::uint64_t(largeur) * std::uint64_t(hauteur) > kPixelsBitmapMax)
    throw EInvalidGraphic();
  pixels_.assign(RowSize() * std::size_t(hauteur), 0);
  if (format != pf24bit) Palette.assign(std::size_t(1) << format, RGBQUAD{});
}

std::uint8_t TBitmap::Index(std::int32_t x, std::int32_t y) const {
  const std::uint8_t* ligne = Row(y);
  const int bits = format_;
  if (bits == pf8bit) return ligne[x];
  const int par_octet = kBitsOctet / bits;
  const int decalage = kBitsOctet - bits * (x % par_octet + 1);
  return std::uint8_t((ligne[x / par_octet] >> decalage) & ((1 << bits) - 1));
}

void TBitmap::SetIndex(std::int32_t x, std::int32_t y, std::uint8_t index) {
  std::uint8_t* ligne = Row(y);
  const int bits = format_;
  if (bits == pf8bit) {
    ligne[x] = index;
    return;
  }
  const int par_octet = kBitsOctet / bits;
  const int decalage = kBitsOctet - bits * (x % par_octet + 1);
  const int masque = ((1 << bits) - 1) << decalage;
  std::uint8_t& octet = ligne[x / par_octet];
  octet = std::uint8_t((octet & ~masque) | ((index << decalage) & masque));
}

RGBQUAD TBitmap::Pixel(std::int32_t x, std::int32_t y) const {
  if (format_ != pf24bit) {
    const std::uint8_t i = Index(x, y);
    return i < Palette.size() ? Palette[i] : RGBQUAD{};
  }
  const std::uint8_t* p = Row(y) + std::size_t(x) * kOctetsPixel24;
  return RGBQUAD{p[0], p[1], p[2], 0};
}

void TBitmap::SetPixel(std::int32_t x, std::int32_t y, RGBQUAD couleur) {
  std::uint8_t* p = Row(y) + std::size_t(x) * kOctetsPixel24;
  p[0] = couleur.rgbBlue;
  p[1] = couleur.rgbGreen;
  p[2] = couleur.rgbRed;
}

}  // namespace gif
