#pragma once
// Packed samples of a raster row: indices of 1, 2, 4 or 8 bits (the first
// pixel in the high bits) and 24-bit B, G, R pixels.

#include <cstdint>

namespace png {

inline std::uint32_t lire_echantillon(const std::uint8_t* ligne, std::uint64_t x, unsigned bits) {
  if (bits == 8) return ligne[x];
  const std::uint64_t position = x * bits;
  const unsigned decalage = 8 - bits - static_cast<unsigned>(position % 8);
  return (ligne[position / 8] >> decalage) & ((1u << bits) - 1);
}

inline void ecrire_echantillon(std::uint8_t* ligne, std::uint64_t x, unsigned bits, std::uint32_t valeur) {
  if (bits == 8) {
    ligne[x] = static_cast<std::uint8_t>(valeur);
    return;
  }
  const std::uint64_t position = x * bits;
  const unsigned decalage = 8 - bits - static_cast<unsigned>(position % 8);
  const auto masque = static_cast<std::uint8_t>(((1u << bits) - 1) << decalage);
  std::uint8_t& octet = ligne[position / 8];
  octet = static_cast<std::uint8_t>((octet & ~masque) | ((valeur << decalage) & masque));
}

// Copies pixel xs of `source` to pixel xd of `destination`, both rows of a
// raster of `bits` per pixel (1, 4, 8 or 24).
inline void copier_pixel(const std::uint8_t* source, std::uint64_t xs, std::uint8_t* destination, std::uint64_t xd,
                         unsigned bits) {
  constexpr unsigned bits_rgb = 24;
  if (bits == bits_rgb) {
    for (int k = 0; k < 3; ++k) destination[3 * xd + k] = source[3 * xs + k];
  } else {
    ecrire_echantillon(destination, xd, bits, lire_echantillon(source, xs, bits));
  }
}

}  // namespace png
