// Feeds arbitrary bytes to the GIF reader and decodes every frame it reads.
// The reader may refuse the input with its error, never crash, hang or make
// a bitmap beyond the size bounds. A file read without damage is saved and
// read again, and both reads must show the same pixels.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "components/gif/gifimage.h"

namespace {

bool decoder_tout(gif::TJvGIFImage& image) {
  bool intact = !image.Damaged;
  for (std::size_t i = 0; i < image.Count(); ++i) {
    const gif::TBitmap& b = image.Frame(i).Bitmap();
    if (std::uint64_t(b.Width()) * std::uint64_t(b.Height()) > gif::kPixelsBitmapMax) std::abort();
    intact = intact && !image.Frame(i).Damaged;
  }
  return intact;
}

void comparer(gif::TJvGIFImage& a, gif::TJvGIFImage& b) {
  if (a.Count() != b.Count()) std::abort();
  for (std::size_t i = 0; i < a.Count(); ++i) {
    const gif::TBitmap& x = a.Frame(i).Bitmap();
    const gif::TBitmap& y = b.Frame(i).Bitmap();
    if (x.Bits() != y.Bits() || x.Palette != y.Palette) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::vector<std::uint8_t> octets(donnees, donnees + taille);
  gif::TJvGIFImage image;
  try {
    image.LoadFromStream(octets);
    if (!decoder_tout(image) || image.Count() == 0) return 0;
  } catch (const gif::EInvalidGraphicOperation&) {
    return 0;
  } catch (const gif::EInvalidGraphic&) {
    return 0;
  }
  std::vector<std::uint8_t> fichier;
  try {
    fichier = image.SaveToStream();
  } catch (const gif::EInvalidGraphicOperation&) {
    return 0;  // frames placed beyond the 16-bit screen are refused
  }
  gif::TJvGIFImage relue;
  relue.LoadFromStream(fichier);
  if (!decoder_tout(relue)) std::abort();
  comparer(image, relue);
  return 0;
}
