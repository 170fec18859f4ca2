#pragma once
// One axis of a chart: the bottom (horizontal) or the left (vertical) one.
// Its range is set by code or reached by a mouse zoom; an automatic end
// follows the extreme of the chart's line and point series instead. The axis
// line crosses the plot area at PositionPercent, measured from the bottom
// edge for the bottom axis and from the left edge for the left axis.
// Setting the range in code never counts as a zoom.

class TChart;

class TChartAxis {
 public:
  TChartAxis(TChart& chart, bool horizontal) : chart_(chart), horizontal_(horizontal) {}
  TChartAxis(const TChartAxis&) = delete;
  TChartAxis& operator=(const TChartAxis&) = delete;

  bool Horizontal() const { return horizontal_; }

  // The range in force: the value set, or the series' extreme for an
  // automatic end (the value set while no series has a point).
  double Minimum() const;
  double Maximum() const;
  // Values that are not finite are ignored.
  void SetMinimum(double valeur);
  void SetMaximum(double valeur);
  void SetMinMax(double minimum, double maximum);

  // Automatic makes both ends automatic, whatever the two others say.
  bool Automatic() const { return automatique_; }
  void SetAutomatic(bool automatique);
  bool AutomaticMinimum() const { return minimum_automatique_; }
  void SetAutomaticMinimum(bool automatique);
  bool AutomaticMaximum() const { return maximum_automatique_; }
  void SetAutomaticMaximum(bool automatique);

  // A hidden axis draws neither its line, ticks and labels nor its grid.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool GridVisible() const { return grille_visible_; }
  void SetGridVisible(bool visible);

  // 0 to 100; other values are clamped.
  double PositionPercent() const { return position_; }
  void SetPositionPercent(double pourcentage);

  // Value to pixel and back over the chart's plot area as it is now.
  int CalcPosValue(double valeur) const;
  double CalcPosPoint(int pixel) const;

  // What a zoom keeps aside to put back on un-zoom.
  struct Tetat {
    double minimum, maximum;
    bool automatique, minimum_automatique, maximum_automatique;
  };
  Tetat etat() const;
  void retablir(const Tetat& etat);

 private:
  void changer();

  TChart& chart_;
  bool horizontal_;
  double minimum_ = -5;
  double maximum_ = 5;
  bool automatique_ = false;
  bool minimum_automatique_ = false;
  bool maximum_automatique_ = false;
  bool visible_ = true;
  bool grille_visible_ = true;
  double position_ = 0;
};
