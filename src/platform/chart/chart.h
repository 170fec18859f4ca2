#pragma once
// The program's chart: a plain QPainter widget serving as the Graphiques
// module's chart and as the exercise page's chart. Two axes crossing inside
// the plot area, line and point series, text annotations, a title and a
// legend; zoom and un-zoom by dragging the mouse, clicks on series, axes and
// the background; rendering to an image and printing.
//
// Mouse, left button: a drag of 4 pixels or more towards the lower right
// zooms to the rectangle; one ending left of or above its start puts back the
// range from before the first zoom; anything shorter is a click. Other
// buttons only click. A disabled chart emits no clicks.

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/chart/chart_axis.h"
#include "platform/chart/chart_map.h"
#include "platform/chart/chart_series.h"
#include "platform/chart/chart_shape.h"

class QPainter;
class QPrinter;

class TChart : public QWidget {
  Q_OBJECT

 public:
  explicit TChart(QWidget* parent = nullptr);
  ~TChart() override;

  TChartAxis& BottomAxis() { return axe_bas_; }
  const TChartAxis& BottomAxis() const { return axe_bas_; }
  TChartAxis& LeftAxis() { return axe_gauche_; }
  const TChartAxis& LeftAxis() const { return axe_gauche_; }

  // Windows-1252.
  const std::string& Title() const { return titre_; }
  void SetTitle(std::string titre);
  // Lists the titles of the series shown in it. Hidden on a new chart.
  bool LegendVisible() const { return legende_visible_; }
  void SetLegendVisible(bool visible);
  // A colour value (platform/couleur_qt.h); the button face on a new chart.
  std::int32_t Color() const { return couleur_; }
  void SetColor(std::int32_t couleur);

  // The series list, in the order of adding.
  int SeriesCount() const { return static_cast<int>(series_.size()); }
  // None for an index out of range.
  std::shared_ptr<TChartSeries> Series(int indice) const;
  // Adds last; a series already in the list stays where it is, one on
  // another chart moves here.
  void AddSeries(std::shared_ptr<TChartSeries> serie);
  // The series after it move up a place; those in the palette's colour of
  // their place take the colour of the new one.
  void RemoveSeries(const TChartSeries* serie);
  // Empties the list; the series themselves live on with their owners.
  void RemoveAllSeries();
  // New empty series, added last in the palette's colour for that place.
  std::shared_ptr<TLineSeries> NewLineSeries();
  std::shared_ptr<TPointSeries> NewPointSeries();
  std::shared_ptr<TChartShape> NewShape();

  // The program's repaint: drops the overlay marks and draws again. Asked
  // while the chart is drawing (from a hook), it waits for the drawing's end
  // and then runs once, so a hook never draws inside its own drawing.
  void Repaint();
  // A dot drawn over the chart outside any paint; it stays until the next
  // Repaint.
  void marquer_point(QPoint pixel, std::int32_t couleur, int largeur);

  // The plot area and the value map as they are now.
  QRect ChartRect() const;
  TChartMap Map() const;

  // The chart at its size on a white background, without overlay marks.
  QImage image_sur_fond_blanc();
  // The chart on white on one page, scaled to fit it; false when the printer
  // cannot be opened.
  bool Print(QPrinter& imprimante);

  // Used by the axes: what the line and point series span, if anything.
  std::optional<Tetendue> etendue_series(bool horizontal) const;

 signals:
  void ClickSeries(TChartSeries* serie, int indice, Qt::MouseButton bouton, QPoint pixel);
  void ClickAxis(TChartAxis* axe, Qt::MouseButton bouton, QPoint pixel);
  void ClickBackground(Qt::MouseButton bouton, QPoint pixel);
  void MouseMove(QPoint pixel);
  void Zoom();
  void UndoZoom();
  // Only on a real change of size.
  void Resize();
  // Hooks, inside every drawing: they only draw. The painter is clipped to
  // the plot area before the series are drawn.
  void BeforeDrawSeries(QPainter* peintre, const TChartMap& carte);
  void AfterDraw(QPainter* peintre, const TChartMap& carte);

 protected:
  void paintEvent(QPaintEvent* evenement) override;
  void resizeEvent(QResizeEvent* evenement) override;
  void mousePressEvent(QMouseEvent* evenement) override;
  void mouseMoveEvent(QMouseEvent* evenement) override;
  void mouseReleaseEvent(QMouseEvent* evenement) override;

 private:
  struct Tdisposition {
    QRect titre;
    QRect legende;
    QRect zone;
  };
  struct Tmarque {
    QPoint pixel;
    std::int32_t couleur;
    int largeur;
  };
  struct Tappui {
    QPoint pixel;
    Qt::MouseButton bouton;
  };

  // Drawing (chart_dessin.cpp).
  Tdisposition disposer(const QRect& cadre) const;
  TChartMap carte(const QRect& zone) const;
  void dessiner(QPainter& peintre, const QRect& cadre, bool fond_blanc);
  void dessiner_titre(QPainter& peintre, const QRect& cadre) const;
  void dessiner_legende(QPainter& peintre, const QRect& cadre) const;
  void dessiner_grilles(QPainter& peintre, const TChartMap& carte) const;
  void dessiner_axes(QPainter& peintre, const TChartMap& carte, const QRect& cadre) const;
  void dessiner_marques(QPainter& peintre) const;
  void dessiner_rectangle_zoom(QPainter& peintre) const;
  // Where an axis line crosses the plot area: a y for the bottom axis, an x
  // for the left one.
  static double ligne_axe(const TChartAxis& axe, const TChartMap& carte);
  std::vector<const TChartSeries*> series_en_legende() const;
  QSize taille_rendu() const;

  // Mouse (chart_souris.cpp).
  void cliquer(QPoint pixel, Qt::MouseButton bouton);
  TChartAxis* axe_touche(QPoint pixel, const TChartMap& carte);
  void zoomer(QPoint debut, QPoint fin);
  void dezoomer();
  void adopter(TChartSeries& serie);

  TChartAxis axe_bas_{*this, true};
  TChartAxis axe_gauche_{*this, false};
  std::string titre_;
  bool legende_visible_ = false;
  std::int32_t couleur_;
  std::vector<std::shared_ptr<TChartSeries>> series_;

  std::vector<Tmarque> marques_;
  bool en_dessin_ = false;
  bool repeindre_apres_ = false;
  std::optional<Tappui> appui_;
  QPoint glissement_;
  struct Tavant_zoom {
    TChartAxis::Tetat bas, gauche;
  };
  std::optional<Tavant_zoom> avant_zoom_;
  QSize taille_signalee_;
};
