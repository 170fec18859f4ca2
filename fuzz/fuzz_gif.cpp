// Feeds arbitrary bytes to the GIF reader and decodes every frame it reads.
// The reader may refuse the input with its error, never crash, hang or make
// a bitmap beyond the size bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "components/gif/gifimage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::vector<std::uint8_t> octets(donnees, donnees + taille);
  gif::TJvGIFImage image;
  try {
    image.LoadFromStream(octets);
    for (std::size_t i = 0; i < image.Count(); ++i) {
      const gif::TBitmap& b = image.Frame(i).Bitmap();
      if (std::uint64_t(b.Width()) * std::uint64_t(b.Height()) > gif::kPixelsBitmapMax) std::abort();
    }
  } catch (const gif::EInvalidGraphicOperation&) {
  } catch (const gif::EInvalidGraphic&) {
  }
  return 0;
}
