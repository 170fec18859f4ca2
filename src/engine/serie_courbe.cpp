#include "engine/serie_courbe.h"

#include <utility>

namespace {

bool dans(int indice, const std::vector<Tpoint_plan>& points) {
  return indice >= 0 && indice < static_cast<int>(points.size());
}

}  // namespace

void Tserie_points::SetPointer(Tpointeur_courbe style, int largeur, int hauteur) {
  pointeur = style;
  largeur_pointeur = largeur;
  hauteur_pointeur = hauteur;
}

int Tserie_points::AddXY(double x, double y) {
  points.push_back({x, y});
  return Count() - 1;
}

double Tserie_points::XValue(int indice) const { return dans(indice, points) ? points[indice].x : 0; }

double Tserie_points::YValue(int indice) const { return dans(indice, points) ? points[indice].y : 0; }

void Tserie_points::SwapValueIndex(int a, int b) {
  if (dans(a, points) && dans(b, points)) std::swap(points[a], points[b]);
}
