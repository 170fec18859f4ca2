#pragma once
// PNG images and Qt: building an image from a QImage, turning it back into
// one, drawing it, its palette and the clipboard.

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QRect>

#include <optional>

#include "components/png/pngimage.h"

namespace png {

// Builds the image from `image`: a 1-bit image gives a 2-entry palette
// image, an 8-bit indexed one a 256-entry palette image, anything else an
// RGB image (alpha dropped). `transparente` becomes the tRNS colour.
void Assign(TPNGObject& png, const QImage& image, std::optional<QColor> transparente = std::nullopt);
// The decoded picture: indexed 8 bits for palette and grey images without
// an alpha plane (palette alpha from tRNS), 32-bit RGB or ARGB otherwise.
// Null without a header.
QImage AssignTo(const TPNGObject& png);
// Draws the picture stretched to `rect`: copied when opaque, composed over
// the background when transparent.
void Draw(const TPNGObject& png, QPainter& peintre, const QRect& rect);
// The 256 colours of a palette or grey image; empty for other images.
QList<QRgb> GetPalette(const TPNGObject& png);
void SaveToClipboardFormat(const TPNGObject& png);
// False (the image unchanged) when the clipboard holds no picture.
bool LoadFromClipboardFormat(TPNGObject& png);

TColor VersTColor(const QColor& couleur);

}  // namespace png

// Reads a PNG file into a QImage (the registered loader); null on failure.
QImage charger_png(const QString& chemin);
