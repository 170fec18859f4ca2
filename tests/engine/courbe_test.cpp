#include "engine/courbe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <utility>

#include "engine/arrondi_decimal.h"
#include "engine/moteur_pret.h"

namespace {

using Courbes = MoteurFrancais;

Tserie_points tracer(const std::string& ligne, double min, double max) {
  Tserie_points serie;
  Tcourbe(ligne, type_courbe(ligne)).tracer(serie, min, max);
  return serie;
}

TEST(TypeCourbe, KindOfEachLine) {
  const std::pair<const char*, int> cas[] = {
      {"x^2;x", 0},      {"sin(t);cos(t);t", 1}, {"1;t", 2},   {"x^2;y", -1},      {"(x^2;x)", 0},
      {"max([1;2]);x", 0}, {"x^2", -1},          {"x^2;X", -1}, {"a;b;c;t", -1},   {"", -1},
  };
  for (const auto& [ligne, genre] : cas) EXPECT_EQ(type_courbe(ligne), genre) << ligne;
}

TEST(TcourbeCreate, FieldsOfEachKind) {
  const Tcourbe polaire("(1+cos(t);t)", genre_polaire);
  EXPECT_EQ(polaire.expressions[0], "1+cos(t)");
  EXPECT_EQ(polaire.variable, "t");
  const Tcourbe parametrique("max(t;1);sin(t);t", genre_parametrique);
  EXPECT_EQ(parametrique.expressions[0], "max(t;1)");
  EXPECT_EQ(parametrique.expressions[1], "sin(t)");
  EXPECT_EQ(parametrique.titre(), "max(t;1);sin(t)");
  const Tcourbe autre("x^2;x", 7);
  EXPECT_EQ(autre.expressions[0], "");
  EXPECT_EQ(autre.variable, "");
}

TEST_F(Courbes, CartesianSamplesOnlyBetweenIncreasingBounds) {
  const Tserie_points parabole = tracer("x^2;x", -5, 5);
  ASSERT_EQ(parabole.Count(), 101);
  EXPECT_EQ(parabole.XValue(0), -5);
  EXPECT_EQ(parabole.YValue(0), 25);
  EXPECT_DOUBLE_EQ(parabole.XValue(100), 5);
  EXPECT_EQ(parabole.titre, "x^2");
  EXPECT_EQ(parabole.pointeur, Tpointeur_courbe::petit_point);
  EXPECT_EQ(tracer("x^2;x", 5, -5).Count(), 0);
  EXPECT_EQ(tracer("x^2;x", 1, 1).Count(), 0);
  // Points without a value are left out: ln(x) on [-1;1] keeps x > 0.
  const Tserie_points ln = tracer("ln(x);x", -1, 1);
  EXPECT_EQ(ln.Count(), 50);
  for (const auto& p : ln.points) EXPECT_GT(p.x, 0);
}

TEST_F(Courbes, SamplesOfTCountStepsAndStopAtTheCap) {
  struct Cas {
    const char* ligne;
    double min, max;
    int points;
  };
  const double infini = std::numeric_limits<double>::infinity();
  const Cas cas[] = {
      {"t;t^2;t", 0, 2, 41},      {"t;t", 0, 2, 21},         {"t;t", 1, 1, 1},       {"t;t", 2, 1, 0},
      {"t;t", 0, 1e6, 5000},      {"t;t", -infini, 1, 0},    {"x;x", 0, infini, 0},
      {"t;t", 0, 500, 5000},      {"t;t", 0, 499.9, 5000},  // 5,000 and 4,999 steps of 0.1
      {"t;t", std::nan(""), 1, 0}, {"sqrt(t);t;t", -1, 1, 21},
  };
  for (const auto& c : cas) EXPECT_EQ(tracer(c.ligne, c.min, c.max).Count(), c.points) << c.ligne << " " << c.max;
}

TEST_F(Courbes, PolarRadiusIsBracketed) {
  for (const auto& [ligne, rayon] : {std::pair{"1;t", 1.0}, std::pair{"1+1;t", 2.0}}) {
    const Tserie_points cercle = tracer(ligne, -7, 7);
    EXPECT_EQ(cercle.Count(), 141);
    EXPECT_EQ(cercle.pointeur, Tpointeur_courbe::cercle);
    for (const auto& p : cercle.points) EXPECT_NEAR(std::hypot(p.x, p.y), rayon, 1e-12) << ligne;
  }
}

TEST_F(Courbes, PolarPointAtT) {
  struct Cas {
    const char* ligne;
    double t, x, y;
  };
  const double demi_pi = std::acos(0.0);
  for (const Cas& c : {Cas{"1+t;t", demi_pi, 0, 1 + demi_pi}, Cas{"1+t;t", 0, 1, 0}, Cas{"2;t", 2 * demi_pi, -2, 0}}) {
    const Tserie_points point = tracer(c.ligne, c.t, c.t);
    ASSERT_EQ(point.Count(), 1) << c.ligne << " at " << c.t;
    EXPECT_NEAR(point.XValue(0), c.x, 1e-9) << c.ligne << " at " << c.t;
    EXPECT_NEAR(point.YValue(0), c.y, 1e-9) << c.ligne << " at " << c.t;
  }
}

TEST_F(Courbes, ParametricCircleIsChainedToNearestNeighbours) {
  const Tserie_points cercle = tracer("cos(t);sin(t);t", 0, 6.3);
  ASSERT_EQ(cercle.Count(), 127);
  // Neighbours along the chain are one step of t apart (chord 2*sin(0.025)),
  // except where the chain closes back past the start.
  int sauts = 0;
  for (int i = 0; i + 1 < cercle.Count(); ++i) {
    if (distance_points(cercle.points[i], cercle.points[i + 1]) > 0.051) ++sauts;
  }
  EXPECT_LE(sauts, 1);
}

TEST(ReordonnerPoints, GreedyChainFromTheFirstPoint) {
  const std::vector<std::pair<std::vector<Tpoint_plan>, std::vector<Tpoint_plan>>> cas = {
      {{{0, 0}, {2, 0}, {1, 0}}, {{0, 0}, {1, 0}, {2, 0}}},
      {{{0, 0}, {3, 0}, {1, 0}, {2, 0}}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
      {{{5, 5}}, {{5, 5}}},
      {{}, {}},
  };
  for (const auto& [avant, apres] : cas) {
    Tserie_points serie;
    serie.points = avant;
    reordonner_points(serie);
    ASSERT_EQ(serie.points.size(), apres.size());
    for (std::size_t i = 0; i < apres.size(); ++i) {
      EXPECT_EQ(serie.points[i].x, apres[i].x);
      EXPECT_EQ(serie.points[i].y, apres[i].y);
    }
  }
  EXPECT_EQ(distance_points({0, 0}, {3, 4}), 5);
}

// The chain as first written: Euclidean distances, each swap made on the
// points themselves.
std::vector<Tpoint_plan> chaine_directe(std::vector<Tpoint_plan> p) {
  for (std::size_t i = 0; i < p.size(); ++i) {
    double meilleure = 0;
    for (std::size_t j = i + 1; j < p.size(); ++j) {
      const double d = distance_points(p[i], p[j]);
      if (meilleure == 0) {
        meilleure = d;
      } else if (d < meilleure) {
        meilleure = d;
        std::swap(p[i + 1], p[j]);
      }
    }
  }
  return p;
}

TEST(ReordonnerPoints, SameChainAsSwappingThePointsThemselves) {
  std::mt19937 hasard(7);
  std::uniform_int_distribution<int> coordonnee(-20, 20);
  for (int taille = 0; taille < 60; ++taille) {
    Tserie_points serie;
    for (int k = 0; k < taille; ++k) serie.AddXY(coordonnee(hasard), coordonnee(hasard) / 4.0);
    const std::vector<Tpoint_plan> attendu = chaine_directe(serie.points);
    reordonner_points(serie);
    for (int k = 0; k < taille; ++k) {
      ASSERT_EQ(serie.points[k].x, attendu[k].x) << taille << " " << k;
      ASSERT_EQ(serie.points[k].y, attendu[k].y) << taille << " " << k;
    }
  }
}

TEST(RoundTo, HalvesAwayFromZeroOnTheDecimalText) {
  struct Cas {
    double valeur;
    int chiffre;
    double attendu;
  };
  const Cas cas[] = {
      {2.675, -2, 2.68},   {-2.675, -2, -2.68},  {0.5, 0, 1},        {-0.5, 0, -1},       {1.25, -1, 1.3},
      {1.2345, -12, 1.2345}, {0.1 + 0.2, -12, 0.3}, {999.96, -1, 1000}, {0.0004, -3, 0},    {1.999999999999999, -12, 2},
      {123.456, 2, 123},   {1e300, -2, 1e300},   {0, -3, 0},
  };
  for (const auto& c : cas) EXPECT_EQ(RoundTo(c.valeur, c.chiffre), c.attendu) << c.valeur << " " << c.chiffre;
  EXPECT_TRUE(std::isnan(RoundTo(std::nan(""), -2)));
}

}  // namespace
