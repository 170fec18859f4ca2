#pragma once
// Test helpers for the PNG codec: files built chunk by chunk, libpng as the
// reference writer and reader, and the picture a decoder must show.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "components/png/pngimage.h"

namespace png_test {

using Octets = std::vector<std::uint8_t>;

// A pixel as shown: colour and alpha.
struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;
  bool operator==(const Rgba&) const = default;
};

// The raw content of a PNG picture, rows from the top, as libpng gives them.
struct ImageBrute {
  std::uint32_t largeur = 1, hauteur = 1;
  int type = 0, profondeur = 8, entrelacement = 0;
  std::vector<Octets> lignes;
  Octets palette;  // R, G, B triplets
  Octets trns;     // raw tRNS data
};

// --- files built by hand -----------------------------------------------------
Octets signature();
void ajouter_chunk(Octets& fichier, const std::string& type, const Octets& donnees);
Octets ihdr(std::uint32_t largeur, std::uint32_t hauteur, int profondeur, int type, int compression = 0,
            int filtre = 0, int entrelacement = 0);
Octets deflate(const Octets& donnees);
// A small valid 8-bit grey file of `largeur` x `hauteur` with zeroed rows,
// the image data split into `morceaux` IDAT chunks.
Octets fichier_gris(std::uint32_t largeur, std::uint32_t hauteur, int morceaux = 1);

// --- libpng ------------------------------------------------------------------
// Encodes with libpng, forcing one filter (PNG_FILTER_NONE ... PNG_FILTER_PAETH, or PNG_ALL_FILTERS).
Octets ecrire_libpng(const ImageBrute& image, int filtres);
// Decodes with libpng without any transformation; false when libpng refuses the file.
bool lire_libpng(const Octets& fichier, ImageBrute& image);

// A random picture of the given kind.
ImageBrute image_aleatoire(std::mt19937& hasard, int type, int profondeur, int entrelacement, bool avec_trns);

// What a picture shows with identity gamma: grey levels n x 255 / (2^depth - 1)
// (2-bit levels on the 16-level ramp), 16-bit samples by their high byte,
// palette colours (black beyond the palette), tRNS by the full raw sample.
Rgba pixel_attendu(const ImageBrute& image, std::uint32_t x, std::uint32_t y);
// What our decoder shows at (x, y).
Rgba pixel_lu(const png::TPNGObject& image, std::uint32_t x, std::uint32_t y);

}  // namespace png_test
