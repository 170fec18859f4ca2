#pragma once
// GIF images and Qt: frames built from a QImage, the current frame as a
// QImage, drawing, the palette, form data and the clipboard.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QRect>

#include "components/gif/gifimage.h"

namespace gif {

// The bitmap of a QImage: Format_Mono at 1 bit, Format_Indexed8 at 8 bits,
// anything else as 24-bit RGB (alpha ignored).
TBitmap bitmap_de(const QImage& image);

// Appends a frame showing `image` and makes it current; gives its index.
std::size_t AddFrame(TJvGIFImage& gif, const QImage& image);
// Replaces the whole image by one frame showing `image`.
void Assign(TJvGIFImage& gif, const QImage& image);
// The current frame (the first when none is current) as an indexed QImage,
// its transparent index with alpha 0; null when the image is empty.
QImage AssignTo(TJvGIFImage& gif);
// Draws the current frame stretched to `rect`, without smoothing.
void Draw(TJvGIFImage& gif, QPainter& peintre, const QRect& rect);
// True when both images share the same header data.
bool Equals(const TJvGIFImage& a, const TJvGIFImage& b);
bool Empty(TJvGIFImage& gif);
QList<QRgb> GetPalette(TJvGIFImage& gif);
int Width(TJvGIFImage& gif);
int Height(TJvGIFImage& gif);

// Form data: a 32-bit little-endian length, then the file.
void ReadData(TJvGIFImage& gif, const QByteArray& donnees);
QByteArray WriteData(TJvGIFImage& gif);

// Puts the file on the clipboard as "image/gif", with the first frame as an image.
void SaveToClipboardFormat(TJvGIFImage& gif);
// False (the image unchanged) when the clipboard holds neither a GIF file nor a picture.
bool LoadFromClipboardFormat(TJvGIFImage& gif);

}  // namespace gif

// Reads a GIF file's first frame into a QImage (the registered loader); null on failure.
QImage charger_gif(const QString& chemin);
