#pragma once
// The frames of a GIF animation as they are shown: each frame's delay, and
// frame n composed over the frames before it by their disposal methods into a
// screen-sized picture, built incrementally from the picture of frame n - 1.

#include <QImage>
#include <QRgb>

#include <cstdint>

#include "components/gif/gifimage.h"

namespace animation {

// A frame's delay is held within these bounds (milliseconds).
inline constexpr std::uint32_t kDelaiMinMs = 50;
inline constexpr std::uint32_t kDelaiMaxMs = 10'000;

// Frame `index`'s delay clamped to kDelaiMinMs..kDelaiMaxMs; 0 (no timer) when
// the index is invalid or the image has fewer than two frames.
std::uint32_t delai_image(gif::TJvGIFImage& image, int index);

// The composed picture: the frame it shows and the colour it keys out when
// drawn (clNone when none).
struct ImageComposee {
  QImage bitmap;
  int index = -1;
  gif::TColor couleur = gif::clNone;
};

// The colour that fills what a frame does not cover: the transparent colour of
// frame `n`, else the image's background colour when a frame of the image is
// transparent, else `fenetre`.
QRgb couleur_de_fond(gif::TJvGIFImage& image, int n, QRgb fenetre);

// Composes frame `n` (held to the last frame) into `cache`. The picture of
// frame n - 1 is reused unless that frame restores the previous picture;
// otherwise the replay starts at the nearest frame covering the screen with no
// transparency, or at a full-screen frame restoring the background before n.
// Disposals 4 to 7 act as 1. `transparent`: a newly built picture keys out the
// transparent colour of frame n.
void composer(gif::TJvGIFImage& image, int n, bool transparent, QRgb fenetre, ImageComposee& cache);

// The composed picture as drawn: its keyed-out colour made fully transparent.
QImage image_a_dessiner(const ImageComposee& cache);

// A gif colour (red in the low byte) as an opaque QRgb.
QRgb rgb_de(gif::TColor couleur);

}  // namespace animation
