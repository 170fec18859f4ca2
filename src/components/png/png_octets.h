#pragma once
// Big-endian fields and the exact reads the chunk code shares.

#include <cstdint>
#include <string>

#include "components/png/png_flux.h"

namespace png {

inline std::uint32_t lire_be32(const std::uint8_t* p) {
  return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}
inline std::uint16_t lire_be16(const std::uint8_t* p) { return std::uint16_t((p[0] << 8) | p[1]); }
inline void ecrire_be32(std::uint8_t* p, std::uint32_t v) {
  p[0] = std::uint8_t(v >> 24);
  p[1] = std::uint8_t(v >> 16);
  p[2] = std::uint8_t(v >> 8);
  p[3] = std::uint8_t(v);
}
inline void ecrire_be16(std::uint8_t* p, std::uint16_t v) {
  p[0] = std::uint8_t(v >> 8);
  p[1] = std::uint8_t(v);
}

// Reads exactly `taille` bytes or raises EPngUnexpectedEnd.
void lire_exactement(TFluxPng& flux, void* tampon, std::size_t taille);

// Writes one whole chunk: length, type, data and CRC.
void ecrire_chunk(TFluxPng& flux, const std::string& type, const std::uint8_t* donnees, std::uint32_t taille);

// The largest chunk length a file may give.
constexpr std::uint32_t longueur_chunk_max = 0x7FFFFFFF;

}  // namespace png
