#pragma once
// A device-independent bitmap held in memory: 1, 4, 8 or 24 bits per pixel,
// rows bottom-up and padded to 4 bytes, as in a bitmap file.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace gif {

struct RGBQUAD {
  std::uint8_t rgbBlue = 0;
  std::uint8_t rgbGreen = 0;
  std::uint8_t rgbRed = 0;
  std::uint8_t rgbReserved = 0;
  bool operator==(const RGBQUAD&) const = default;
};

// The pixel depths a bitmap can have.
enum TPixelFormat : int { pf1bit = 1, pf4bit = 4, pf8bit = 8, pf24bit = 24 };

// A picture that cannot be handled ("Image bitmap incorrecte").
class EInvalidGraphic : public std::runtime_error {
 public:
  EInvalidGraphic();
};

class TBitmap {
 public:
  TBitmap() = default;
  // An all-zero bitmap; refuses an empty or oversized size.
  TBitmap(std::int32_t largeur, std::int32_t hauteur, TPixelFormat format);

  std::int32_t Width() const { return largeur_; }
  std::int32_t Height() const { return hauteur_; }
  TPixelFormat PixelFormat() const { return format_; }
  bool Empty() const { return largeur_ == 0 || hauteur_ == 0; }
  std::size_t RowSize() const { return taille_ligne(largeur_, format_); }

  // Row `y` counts from the bottom, as stored.
  std::uint8_t* Row(std::int32_t y) { return pixels_.data() + std::size_t(y) * RowSize(); }
  const std::uint8_t* Row(std::int32_t y) const { return pixels_.data() + std::size_t(y) * RowSize(); }
  const std::vector<std::uint8_t>& Bits() const { return pixels_; }

  // The palette index of an indexed pixel, and its setter.
  std::uint8_t Index(std::int32_t x, std::int32_t y) const;
  void SetIndex(std::int32_t x, std::int32_t y, std::uint8_t index);
  // The colour of any pixel (through the palette for indexed bitmaps).
  RGBQUAD Pixel(std::int32_t x, std::int32_t y) const;
  void SetPixel(std::int32_t x, std::int32_t y, RGBQUAD couleur);

  std::vector<RGBQUAD> Palette;

  static std::size_t taille_ligne(std::int32_t largeur, TPixelFormat format);

 private:
  std::int32_t largeur_ = 0;
  std::int32_t hauteur_ = 0;
  TPixelFormat format_ = pf24bit;
  std::vector<std::uint8_t> pixels_;
};

// Largest pixel count of one bitmap.
inline constexpr std::uint64_t kPixelsBitmapMax = std::uint64_t(1) << 26;

}  // namespace gif
