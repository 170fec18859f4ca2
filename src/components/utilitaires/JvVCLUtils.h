#pragma once
// Drawing and window helpers of the controls: transparent bitmaps, the
// embossed look of disabled glyphs, text shortened to a width, and whether
// the program is in the foreground.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QFontMetrics;
class QPainter;
class QPalette;

// Draws the `source` part of `bitmap` stretched (nearest neighbour) onto
// `cible`, leaving out the pixels of colour `transparente`. A source width or
// height below 1 means the whole bitmap.
void StretchBltTransparent(QPainter& peintre, const QRect& cible, QRect source, const QImage& bitmap,
                           QColor transparente);
// The same at the bitmap's own size, at (x, y).
void DrawTransparentBitmap(QPainter& peintre, int x, int y, const QImage& bitmap, QColor transparente);

// A two-colour mask: opaque black where the bitmap's pixel is not `couleur`,
// clear where it is.
QImage CreateTwoColorsMask(const QImage& bitmap, QColor couleur);
// The grey embossed look of a disabled glyph: its mask drawn in the highlight
// colour one pixel right and down, then in the shadow colour in place, on a
// clear background of the bitmap's size.
QImage CreateDisabledBitmap(const QImage& bitmap, QColor couleur, const QPalette& palette);
// The same for image `indice` of an image list (pixels of `transparente`
// clear), drawn at (x, y). An index outside the list draws nothing.
void DrawDisabledImage(QPainter& peintre, int x, int y, const std::vector<QImage>& images, int indice,
                       QColor transparente, const QPalette& palette);

// The text as it stands when it fits `largeur`; otherwise characters cut
// from its end, with "..." appended, until it fits.
QString ShortenString(const QFontMetrics& mesure, const QString& texte, int largeur);

// True while one of the program's windows is the active window.
bool IsForegroundTask();

// The beep of refused input and calculator errors: QApplication::beep()
// unless a test installed its own hook (an empty hook restores it). Returns
// the previous hook.
void MessageBeep();
std::function<void()> InstallerBip(std::function<void()> bip);
