#include "engine/intersection_courbes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/moteur_pret.h"

namespace {

using Intersections = MoteurFrancais;

Tserie_points tracer(const std::string& ligne, double min, double max) {
  Tserie_points serie;
  Tcourbe(ligne, type_courbe(ligne)).tracer(serie, min, max);
  return serie;
}

// Traced on [-5;5]: point i has x = -5 + i/10.
constexpr int indice_de_1 = 60;
constexpr int indice_de_2 = 70;

TEST_F(Intersections, CrossingNearTheTracedPoint) {
  struct Cas {
    std::vector<std::string> titres;
    int courante;
    const char* tracee;
    int position;
    int code;
    double x;
  };
  const Cas cas[] = {
      {{"x", "2-x"}, 0, "x;x", indice_de_1, 1, 1},  // the other curve
      {{"2-x", "x"}, 1, "x;x", indice_de_1, 0, 1},
      {{"x^2-4"}, 0, "x^2-4;x", indice_de_2, croisement_axe_abscisses, 2},
      {{"x^2+1"}, 0, "x^2+1;x", 50, croisement_axe_ordonnees, 0},
      {{"x"}, 0, "x;x", 49, croisement_axe_abscisses, -0.1},  // the next sample is exactly on the axis
      {{"x^2+1"}, 0, "x^2+1;x", 49, croisement_axe_ordonnees, 0},
      {{"x^2+1"}, 0, "x^2+1;x", 0, croisement_aucun, 0},
      {{"x^2+1"}, 0, "x^2+1;x", 100, croisement_aucun, 0},
      {{"x^2+1", "cos(t);sin(t)"}, 0, "x^2+1;x", 10, croisement_aucun, 0},  // not cartesian: skipped
      {{"x^2+1", "ln(x)"}, 0, "x^2+1;x", 20, croisement_aucun, 0},          // no value there
      {{"cos(t);sin(t)"}, 0, "cos(t);sin(t);t", 0, croisement_aucun, 0},
      {{"x"}, 3, "x;x", 0, croisement_aucun, 0},
      {{"x"}, 0, "x;x", 500, croisement_aucun, 0},  // a position past the end is the last point
  };
  for (const auto& c : cas) {
    const Tcroisement r = chercher_croisement(c.titres, c.courante, tracer(c.tracee, -5, 5), c.position);
    EXPECT_EQ(r.code, c.code) << c.tracee << " at " << c.position;
    if (r.code != croisement_aucun) {
      EXPECT_NEAR(r.x, c.x, 1e-12) << c.tracee;
    }
  }
  EXPECT_EQ(chercher_croisement({"x"}, 0, Tserie_points(), 0).code, croisement_aucun);
}

TEST_F(Intersections, PointOfEachCrossing) {
  struct Cas {
    const char* titre;
    int code;
    const char* autre;
    double x0;
    double x, y;
    double ecart = 0;  // 0: exactly
  };
  const Cas cas[] = {
      {"x", 1, "2-x", 1, 1, 1},
      {"x", 1, "2-x", 0.7, 1, 1},
      {"x^2-4", croisement_axe_abscisses, "", 2, 2, 0},
      {"x^2-4", croisement_axe_abscisses, "", 1.9, 2, 0},
      {"x^2-4", croisement_axe_abscisses, "", -1.7, -2, 0},
      {"x^2", 0, "x+2", 1.8, 2, 4},
      {"x^2+1", croisement_axe_ordonnees, "", 0, 0, 1},
      {"cos(x)", croisement_axe_abscisses, "", 1.6, 1.5707963267949, 0, 1e-11},
      // So steep at the root that no double brings the value under 10^-12.
      {"x^5-1000", croisement_axe_abscisses, "", 4, 3.981071705535, 0},
      {"x^6-10000", croisement_axe_abscisses, "", 4.6, 4.641588833613, 0},
      {"x^6-10000", croisement_axe_abscisses, "", -4.6, -4.641588833613, 0},
      {"x^2-12345", croisement_axe_abscisses, "", 111, 111.108055513541, 0},
      {"x^2-12345", croisement_axe_abscisses, "", -111, -111.108055513541, 0},
  };
  for (const auto& c : cas) {
    const auto p = chercher_intersection(c.titre, c.code, c.autre, c.x0, precision_intersection_defaut);
    ASSERT_TRUE(p) << c.titre << " from " << c.x0;
    EXPECT_NEAR(p->x, c.x, c.ecart) << c.titre << " from " << c.x0;
    EXPECT_NEAR(p->y, c.y, c.ecart) << c.titre << " from " << c.x0;
  }
}

TEST_F(Intersections, FailuresEndWithNothing) {
  struct Cas {
    const char* titre;
    int code;
    const char* autre;
    double x0;
  };
  const Cas cas[] = {
      {"x^2+1", croisement_axe_abscisses, "", 1},   // no root: the bracket never closes
      {"x-1", croisement_axe_abscisses, "", 0},     // from 0 the bracket never widens
      {"tan(x)", croisement_axe_abscisses, "", 1.5},  // a pole, no root
      {"1/x", croisement_axe_abscisses, "", 0.5},
      {"ln(x)", croisement_axe_ordonnees, "", 0},   // no value at 0
      {"sqrt(x)", 0, "x+3", 4},                     // no root of the difference
      {"x", croisement_aucun, "", 1},
  };
  for (const auto& c : cas) {
    EXPECT_FALSE(chercher_intersection(c.titre, c.code, c.autre, c.x0, precision_intersection_defaut))
        << c.titre << " from " << c.x0;
  }
}

}  // namespace
