#pragma once
// A text annotation on a chart: text lines centred between two corners given
// in axis values, so it keeps its place in value space through zooms.

#include "platform/chart/chart_series.h"

#include <QRectF>

#include <string>
#include <vector>

enum TChartShapeStyle { chasHorizLine };

class TChartShape : public TChartSeries {
 public:
  TChartShape();

  TChartShapeStyle Style() const { return style_; }
  void SetStyle(TChartShapeStyle style);

  // Corners in axis values; a value that is not finite is ignored.
  double X0() const { return x0_; }
  double Y0() const { return y0_; }
  double X1() const { return x1_; }
  double Y1() const { return y1_; }
  void SetX0(double valeur);
  void SetY0(double valeur);
  void SetX1(double valeur);
  void SetY1(double valeur);

  // Lines of text (Windows-1252).
  const std::vector<std::string>& Text() const { return texte_; }
  void SetText(std::vector<std::string> lignes);
  std::int32_t FontColor() const { return couleur_texte_; }
  void SetFontColor(std::int32_t couleur);

  // Between two shapes, also the style, corners, text and font colour.
  void Assign(const TChartSeries& source) override;

  // The style draws the frame pen as a horizontal line through the middle.
  void dessiner(QPainter& peintre, const TChartMap& carte) const override;
  // Hit anywhere in the corners' rectangle widened to the text; index 0.
  std::optional<int> touche(QPointF pixel, const TChartMap& carte, const QFont& police) const override;

 private:
  QRectF cadre_coins(const TChartMap& carte) const;
  QRectF cadre_texte(const TChartMap& carte, const QFont& police) const;
  void poser(double& coin, double valeur);

  TChartShapeStyle style_ = chasHorizLine;
  double x0_ = 0;
  double y0_ = 0;
  double x1_ = 0;
  double y1_ = 0;
  std::vector<std::string> texte_;
  std::int32_t couleur_texte_ = 0x000000;
};
