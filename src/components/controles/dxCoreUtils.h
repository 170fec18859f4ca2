#pragma once
// Drawing helpers of the flat controls (button, check box, container):
// banded gradients with an optional dither, bound lines, the inner rectangle,
// grey and disabled glyphs, and text drawn with the platform's text flags.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

class QPainter;
class QWidget;

// Which edges carry a bound line.
enum TdxBoundLine : unsigned { blLeft = 1, blTop = 2, blRight = 4, blBottom = 8 };
using TdxBoundLines = unsigned;

// The text flags the helpers take, with the platform's values.
namespace dt {
inline constexpr unsigned gauche = 0x0;
inline constexpr unsigned centre = 0x1;
inline constexpr unsigned droite = 0x2;
inline constexpr unsigned coupure_mots = 0x10;
inline constexpr unsigned une_ligne = 0x20;
inline constexpr unsigned tabulations = 0x40;
inline constexpr unsigned sans_coupure = 0x100;
inline constexpr unsigned mesurer = 0x400;
inline constexpr unsigned sans_prefixe = 0x800;
inline constexpr unsigned points_de_suite = 0x8000;
}  // namespace dt

// Directions 0 and 2 change colour from left to right, 1 and 3 from top to
// bottom; 2 and 3 run from B to A.
inline constexpr int gradient_horizontal = 0;
inline constexpr int gradient_vertical = 1;

// The band colours: channel = start + Round(i (end - start) / (steps - 1));
// one step gives colour A alone, fewer none.
std::vector<QColor> GradientColors(const QColor& a, const QColor& b, int steps, int direction);
// A picture of `steps` bands, band i from MulDiv(i, extent, steps) to
// MulDiv(i + 1, extent, steps). The dither mixes each band's edge with the
// band before, on random positions drawn from the picture's size, so one
// size always gives the same pixels.
QImage GradientBitmap(int largeur, int hauteur, const QColor& a, const QColor& b, int steps, int direction,
                      bool dither);
// Lines of one pixel along the edges named, inside `rect`.
void DrawBoundLines(QPainter& peintre, TdxBoundLines lignes, const QColor& couleur, const QRect& rect);
// `rect` shrunk by the border width, and by one more pixel on each side with
// a line when the lines are shown.
QRect InnerRect(int bordure, bool lignes_montrees, TdxBoundLines lignes, QRect rect);
// Each pixel grey: (R + G + B) / 3 + 100, at most 255.
QImage GreyGlyph(const QImage& glyphe);
// The glyph's drawn pixels all in `couleur`.
QImage DisabledGlyph(const QImage& glyphe, const QColor& couleur);
// DT_END_ELLIPSIS, the alignment (Qt's left, right or centre) and word wrap
// or a single line.
unsigned TextFlags(Qt::Alignment alignement, bool coupure);
// Draws `texte` in `rect`, or with dt::mesurer only measures it; returns the
// rectangle the text takes. An empty text, or a lone "&" with accelerators
// shown, measures as a blank. A disabled text is embossed: the button
// highlight one pixel right and down, then the button shadow in place.
QRect DrawText(const QWidget& controle, QPainter* peintre, const QString& texte, unsigned drapeaux, QRect rect,
               bool accelerateur, bool actif);
// Measures the text, centres it vertically in `rect`, places it by the
// alignment and draws it.
void DrawAlignedText(const QWidget& controle, QPainter& peintre, const QString& texte, const QRect& rect,
                     bool coupure, Qt::Alignment alignement, bool accelerateur, bool actif);
