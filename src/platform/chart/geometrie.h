#pragma once
// Plane geometry in pixels for drawing and hit testing.

#include <QPointF>
#include <QRectF>

double distance(QPointF a, QPointF b);
// Distance from p to the segment [a, b].
double distance_segment(QPointF p, QPointF a, QPointF b);
// Cuts the segment [a, b] to the rectangle (Liang-Barsky); false when no part
// of it lies inside. The points must be finite.
bool couper_segment(QPointF& a, QPointF& b, const QRectF& cadre);
