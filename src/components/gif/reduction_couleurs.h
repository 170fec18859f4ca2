#pragma once
// Colour reduction: a bitmap of any depth turned into a 1-, 4- or 8-bit
// indexed bitmap, and the bytes of its bitmap file.

#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "components/gif/bitmap_indexe.h"

namespace gif {

enum TColorReduction : int {
  rmHistogram = 0,
  rmMedianCut = 1,
  rmTrunc784 = 2,
  rmTrunc666 = 3,
  rmTriple = 4,
  rmGrayscale = 5,
};

// The method used when the caller names none.
inline constexpr TColorReduction DefaultReduction = rmHistogram;

// A target depth or source the reduction does not handle.
class EReductionNonPrise : public std::runtime_error {
 public:
  EReductionNonPrise();
};

// The index of the nearest level for every byte value (ties to the lower index).
using TCarteNiveaux = std::array<std::uint8_t, 256>;
const TCarteNiveaux& carte_niveaux_4();
const TCarteNiveaux& carte_niveaux_6();
const TCarteNiveaux& carte_niveaux_7();
const TCarteNiveaux& carte_niveaux_8();

struct TBitmapReduit {
  TBitmap bitmap;
  // The information header's important-colour count (0: all of them).
  std::uint32_t couleurs_importantes = 0;
};

// The indexed bitmap at `format`. Raises EInvalidGraphic for an empty bitmap
// and EReductionNonPrise for a target or source it does not handle.
TBitmapReduit ReduceBitmap(const TBitmap& source, TPixelFormat format, TColorReduction methode);

// The bitmap file (headers, palette, bottom-up rows) of the reduced bitmap.
std::vector<std::uint8_t> ReduceBitmapToStream(const TBitmap& source, TPixelFormat format,
                                               TColorReduction methode);

// The bitmap file bytes of an already reduced bitmap.
std::vector<std::uint8_t> fichier_bitmap(const TBitmap& bitmap, std::uint32_t couleurs_importantes);

}  // namespace gif
