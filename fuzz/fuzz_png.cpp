// Feeds arbitrary bytes to the PNG decoder. A file it accepts is encoded
// again and decoded again, and both decodes must show the same pixels.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "components/png/png_raster.h"
#include "components/png/pngimage.h"

namespace {

// Pictures above this size are decoded but not encoded again, so that each
// input stays well within the time limit under the sanitizers.
constexpr std::uint64_t pixels_reencodes_max = std::uint64_t(1) << 20;
constexpr unsigned bits_rgb = 24;

struct Pixel {
  std::uint8_t r, g, b, a;
};

Pixel pixel(const png::TPNGObject& image, std::uint32_t x, std::uint32_t y) {
  const png::TChunkIHDR& h = image.Header();
  const std::uint8_t* ligne = h.LigneRaster(y);
  Pixel p{0, 0, 0, 255};
  std::uint32_t indice = 0;
  if (h.BitCount == bits_rgb) {
    p = {ligne[3 * x + 2], ligne[3 * x + 1], ligne[3 * x], 255};
  } else {
    indice = png::lire_echantillon(ligne, x, h.BitCount);
    const png::RGBQUAD& e = h.Palette[indice];
    p = {e.rgbRed, e.rgbGreen, e.rgbBlue, 255};
  }
  if (const std::uint8_t* alpha = h.LigneAlpha(y)) {
    p.a = alpha[x];
  } else if (const auto* trns = dynamic_cast<const png::TChunktRNS*>(image.Chunks.FindChunk("tRNS"));
             trns != nullptr && h.ColorType == 3) {
    p.a = trns->PaletteValues[indice];
  }
  return p;
}

void comparer(const png::TPNGObject& premiere, const png::TPNGObject& seconde) {
  const png::TChunkIHDR& h = premiere.Header();
  if (seconde.Width() != h.Width || seconde.Height() != h.Height) std::abort();
  // A 16-bit transparent sample is written back by its high byte only, and
  // RGB samples through the inverse gamma, which may merge levels.
  bool gamma_identite = true;
  for (int i = 0; i < 256; ++i) gamma_identite = gamma_identite && premiere.GammaTable[i] == i;
  const bool echantillon_brut = h.ColorType == 0 || (h.ColorType == 2 && gamma_identite);
  const bool alpha_fidele = h.ColorType > 2 || (echantillon_brut && h.BitDepth != 16);
  for (std::uint32_t y = 0; y < h.Height; ++y) {
    for (std::uint32_t x = 0; x < h.Width; ++x) {
      const Pixel a = pixel(premiere, x, y), b = pixel(seconde, x, y);
      if (a.r != b.r || a.g != b.g || a.b != b.b || (alpha_fidele && a.a != b.a)) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  png::TPNGObject premiere;
  png::TFluxMemoire entree(donnees, taille);
  try {
    premiere.LoadFromStream(entree);
  } catch (const png::EPngError&) {
    return 0;
  }
  if (std::uint64_t(premiere.Width()) * premiere.Height() > pixels_reencodes_max) return 0;
  png::TFluxMemoire sortie;
  premiere.SaveToStream(sortie);
  png::TPNGObject seconde;
  png::TFluxMemoire relue(sortie.octets());
  seconde.LoadFromStream(relue);
  comparer(premiere, seconde);
  return 0;
}
