#pragma once
// Drawing as the platform the controls were designed on draws: rectangles
// and lines leave out their right and bottom edges (their end points), so
// pixel positions match the designed ones.

#include <QColor>
#include <QRect>

class QPainter;

// The rectangle from (gauche, haut) to (droite, bas), right and bottom
// excluded.
inline QRect rect_gdi(int gauche, int haut, int droite, int bas) {
  return QRect(gauche, haut, droite - gauche, bas - haut);
}

// A line of one pixel from `de` to `a`, the end point left out (horizontal,
// vertical or any slope).
void ligne_gdi(QPainter& peintre, QPoint de, QPoint a, const QColor& couleur);
// A raised or sunk frame of `epaisseur` pixels inside `rect`: the left and
// top edges in `haut_gauche`, the right and bottom ones in `bas_droite`.
// Returns the rectangle left inside it.
QRect cadre_3d(QPainter& peintre, QRect rect, const QColor& haut_gauche, const QColor& bas_droite, int epaisseur);
// A one-pixel outline along the inside of `rect`.
void cadre_gdi(QPainter& peintre, const QRect& rect, const QColor& couleur);
