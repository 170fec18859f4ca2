#pragma once
// The linear map between axis values and pixels over a chart's plot area, as
// it stands for one drawing or one mouse event. The horizontal axis runs from
// its minimum at the zone's left edge to its maximum at the right edge
// (left + width); the vertical one from its minimum at the bottom edge
// (top + height) up to its maximum at the top.
//
// An axis whose minimum is not below its maximum (or a zone with no width or
// height) is degenerate: its values all land on the zone's first edge and
// every pixel reads as its minimum, so no caller ever divides by zero.

#include <QPointF>
#include <QRectF>

class TChartMap {
 public:
  TChartMap() = default;
  TChartMap(const QRectF& zone, double xmin, double xmax, double ymin, double ymax)
      : zone_(zone), xmin_(xmin), xmax_(xmax), ymin_(ymin), ymax_(ymax) {}

  const QRectF& zone() const { return zone_; }
  double xmin() const { return xmin_; }
  double xmax() const { return xmax_; }
  double ymin() const { return ymin_; }
  double ymax() const { return ymax_; }

  bool x_degenere() const { return !(xmin_ < xmax_) || !(zone_.width() > 0); }
  bool y_degenere() const { return !(ymin_ < ymax_) || !(zone_.height() > 0); }
  bool degenere() const { return x_degenere() || y_degenere(); }

  double pixel_x(double valeur) const {
    if (x_degenere()) return zone_.left();
    return zone_.left() + (valeur - xmin_) / (xmax_ - xmin_) * zone_.width();
  }
  double pixel_y(double valeur) const {
    if (y_degenere()) return zone_.bottom();
    return zone_.bottom() - (valeur - ymin_) / (ymax_ - ymin_) * zone_.height();
  }
  QPointF pixel(double x, double y) const { return {pixel_x(x), pixel_y(y)}; }

  double valeur_x(double pixel) const {
    if (x_degenere()) return xmin_;
    return xmin_ + (pixel - zone_.left()) / zone_.width() * (xmax_ - xmin_);
  }
  double valeur_y(double pixel) const {
    if (y_degenere()) return ymin_;
    return ymin_ + (zone_.bottom() - pixel) / zone_.height() * (ymax_ - ymin_);
  }

 private:
  QRectF zone_;
  double xmin_ = 0;
  double xmax_ = 0;
  double ymin_ = 0;
  double ymax_ = 0;
};

// A pixel coordinate as an integer: huge or non-finite values are pinned far
// outside any screen instead of overflowing.
int pixel_entier(double pixel);
