#pragma once
// The series a chart draws, in the order they were added: line and point
// series (numbered points) and, in chart_shape.h, text annotations. Series
// are shared objects: the chart holds them while they are in its list, and
// callers may keep them after removing them from it and add them again.
//
// Text (titles) is Windows-1252, converted only when drawn. Colours are the
// program's colour values (platform/couleur_qt.h). Every setter asks the
// chart for a repaint.

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QVector>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/chart/chart_map.h"

class TChart;

struct Tetendue {
  double minimum = 0;
  double maximum = 0;
};

class TChartSeries {
 public:
  TChartSeries() = default;
  virtual ~TChartSeries() = default;
  TChartSeries(const TChartSeries&) = delete;
  TChartSeries& operator=(const TChartSeries&) = delete;

  const std::string& Title() const { return titre_; }
  void SetTitle(std::string titre);
  bool ShowInLegend() const { return dans_legende_; }
  void SetShowInLegend(bool visible);

  // The joining line of a line series, the frame of a shape; its colour is
  // also the colour of the series' markers and legend swatch.
  bool PenVisible() const { return plume_visible_; }
  void SetPenVisible(bool visible);
  std::int32_t PenColor() const { return couleur_; }
  void SetPenColor(std::int32_t couleur);
  int PenWidth() const { return epaisseur_; }
  void SetPenWidth(int epaisseur);

  // The chart whose list holds the series, or none.
  TChart* ParentChart() const { return chart_; }

  // Pixels and values through the chart's bottom and left axes; 0 when the
  // series is on no chart.
  double XScreenToValue(int pixel) const;
  double YScreenToValue(int pixel) const;
  int CalcXPosValue(double valeur) const;
  int CalcYPosValue(double valeur) const;

  // Copies the look (title, legend, pen, and what the kinds share), never the
  // points.
  virtual void Assign(const TChartSeries& source);

  // What the chart asks of each kind.
  virtual void dessiner(QPainter& peintre, const TChartMap& carte) const = 0;
  // The point index hit by a click at `pixel`, if the series is hit.
  virtual std::optional<int> touche(QPointF pixel, const TChartMap& carte, const QFont& police) const = 0;
  // The values the series spans, for axes with an automatic end.
  virtual std::optional<Tetendue> etendue_x() const { return std::nullopt; }
  virtual std::optional<Tetendue> etendue_y() const { return std::nullopt; }

 protected:
  void changer();

 private:
  friend class TChart;
  TChart* chart_ = nullptr;

  std::string titre_;
  bool dans_legende_ = true;
  bool plume_visible_ = true;
  std::int32_t couleur_ = 0x0000FF;
  // The colour was given by the chart for the series' place in its list, so
  // it follows the place; a colour set by the caller stays.
  bool couleur_de_place_ = false;
  int epaisseur_ = 1;
};

enum TSeriesPointerStyle { psCircle, psSmallDot };

// Numbered points with optional markers: the common part of line and point
// series. Non-finite values are kept (indexes stay as added) but never drawn.
class TCustomSeries : public TChartSeries {
 public:
  // The point goes after the last one; returns its index.
  int AddXY(double x, double y);
  int Count() const { return static_cast<int>(x_.size()); }
  // 0 for an index out of range.
  double XValue(int indice) const;
  double YValue(int indice) const;
  // Exchanges two points; nothing for an index out of range.
  void SwapValueIndex(int a, int b);

  bool PointerVisible() const { return pointeur_visible_; }
  void SetPointerVisible(bool visible);
  TSeriesPointerStyle PointerStyle() const { return style_; }
  void SetPointerStyle(TSeriesPointerStyle style);
  // Width and height of a marker in pixels (at least 1).
  int PointerHorizSize() const { return largeur_; }
  int PointerVertSize() const { return hauteur_; }
  void SetPointerSize(int largeur, int hauteur);

  void Assign(const TChartSeries& source) override;

  std::optional<Tetendue> etendue_x() const override;
  std::optional<Tetendue> etendue_y() const override;

 protected:
  explicit TCustomSeries(bool pointeur_visible) : pointeur_visible_(pointeur_visible) {}

  void dessiner_marqueurs(QPainter& peintre, const TChartMap& carte) const;
  void dessiner_ligne(QPainter& peintre, const TChartMap& carte) const;
  // Among the finite points, the one nearest to `pixel`.
  std::optional<int> point_le_plus_proche(QPointF pixel, const TChartMap& carte) const;
  bool marqueur_touche(QPointF pixel, const TChartMap& carte) const;
  bool ligne_touchee(QPointF pixel, const TChartMap& carte) const;

 private:
  std::vector<double> x_;
  std::vector<double> y_;
  std::optional<Tetendue> etendue_x_;
  std::optional<Tetendue> etendue_y_;

  bool pointeur_visible_;
  TSeriesPointerStyle style_ = psCircle;
  int largeur_ = 7;
  int hauteur_ = 7;
};

// Points joined in stored order. Markers only when switched on, so that a
// hidden pen hides the curve.
class TLineSeries : public TCustomSeries {
 public:
  TLineSeries() : TCustomSeries(false) {}
  void dessiner(QPainter& peintre, const TChartMap& carte) const override;
  std::optional<int> touche(QPointF pixel, const TChartMap& carte, const QFont& police) const override;
};

// Markers only; the pen never joins them.
class TPointSeries : public TCustomSeries {
 public:
  TPointSeries() : TCustomSeries(true) {}
  void dessiner(QPainter& peintre, const TChartMap& carte) const override;
  std::optional<int> touche(QPointF pixel, const TChartMap& carte, const QFont& police) const override;
};

// How near a click must come to what a series draws, in pixels.
inline constexpr double tolerance_serie = 4;
