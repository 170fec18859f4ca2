#pragma once
// The series a curve is plotted into. The engine fills it through this small
// interface and never sees a chart: the window forwards each call to a line
// series of its chart, the tests and the exercises keep the points in memory.

#include <string>
#include <vector>

// A point of the plane.
struct Tpoint_plan {
  double x = 0;
  double y = 0;
};

// The marker drawn on each point: a small dot for cartesian curves, a circle
// of the given size for parametric and polar ones.
enum class Tpointeur_courbe { petit_point, cercle };

class Tserie_courbe {
 public:
  virtual ~Tserie_courbe() = default;

  virtual void SetTitle(const std::string& titre) = 0;
  // Marker style and size in pixels.
  virtual void SetPointer(Tpointeur_courbe style, int largeur, int hauteur) = 0;
  // The point goes after the last one; returns its index.
  virtual int AddXY(double x, double y) = 0;
  virtual int Count() const = 0;
  // 0 for an index out of range.
  virtual double XValue(int indice) const = 0;
  virtual double YValue(int indice) const = 0;
  // Exchanges two points; nothing for an index out of range.
  virtual void SwapValueIndex(int a, int b) = 0;
};

// A series held in memory.
class Tserie_points : public Tserie_courbe {
 public:
  std::string titre;
  Tpointeur_courbe pointeur = Tpointeur_courbe::petit_point;
  int largeur_pointeur = 0;
  int hauteur_pointeur = 0;
  std::vector<Tpoint_plan> points;

  void SetTitle(const std::string& t) override { titre = t; }
  void SetPointer(Tpointeur_courbe style, int largeur, int hauteur) override;
  int AddXY(double x, double y) override;
  int Count() const override { return static_cast<int>(points.size()); }
  double XValue(int indice) const override;
  double YValue(int indice) const override;
  void SwapValueIndex(int a, int b) override;
};
