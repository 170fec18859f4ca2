#include "engine/vecteur.h"

#include <gtest/gtest.h>

#include "engine/moteur_pret.h"
#include "localisation/textes_fixes.h"

namespace {

using Vecteurs = MoteurFrancais;

Tvecteur lu(const std::string& t) {
  const std::optional<Tvecteur> v = lire_vecteur(t);
  EXPECT_TRUE(v.has_value()) << t;
  return v.value_or(Tvecteur{});
}

TEST_F(Vecteurs, ReadingPointsAndVectors) {
  const Tvecteur ab = lu("A;B;[1;2]");
  EXPECT_EQ(ab.nom, "AB");
  EXPECT_EQ(ab.origine, "A");
  EXPECT_EQ(ab.extremite, "B");
  EXPECT_EQ(ab.dimension, 2);
  EXPECT_EQ(ab.texte(), "[1;2]");
  const Tvecteur u = lu("u;[1;x+1;sqrt(2)]");
  EXPECT_EQ(u.nom, "u");
  EXPECT_EQ(u.origine, "");
  EXPECT_EQ(u.dimension, 3);
  EXPECT_EQ(u.coordonnees[1], "x+1");
  const std::optional<Tpoint_> p = lire_point("P;[3;-4]");
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(p->nom, "P");
  EXPECT_EQ(p->dimension, 2);
  EXPECT_EQ(p->texte(), "[3;-4]");
}

TEST_F(Vecteurs, ReadingRefusesBadText) {
  for (const char* t : {"u", "u;3", "u;[1;]", "u;[]", "A;B;C;[1;2]", ";[1]", "A;;[1]", "u;[1]x"}) {
    EXPECT_FALSE(lire_vecteur(t).has_value()) << t;
  }
  for (const char* t : {"P", "P;[1;;2]", "P;1;2"}) EXPECT_FALSE(lire_point(t).has_value()) << t;
}

TEST_F(Vecteurs, Norms) {
  struct Cas {
    const char* vecteur;
    const char* attendu;
  };
  const Cas cas[] = {
      {"[3;4]", "5"}, {"[1;1]", "sqrt(2)"}, {"[2;2]", "2*sqrt(2)"}, {"[1;2;2]", "3"}, {"[-3;4]", "5"},
      {"[a;b]", "sqrt(a^2+b^2)"}, {"[0;0]", "0"}, {"[0.5;1]", "sqrt(5)/2"},
  };
  for (const auto& c : cas) EXPECT_EQ(lu(std::string("u;") + c.vecteur).norme(), c.attendu) << c.vecteur;
}

TEST_F(Vecteurs, DotProducts) {
  struct Cas {
    const char* u;
    const char* v;
    const char* attendu;
  };
  const std::string incompatibles = "erreur(" + textes_fixes().dimension_incompatible + ")";
  const Cas cas[] = {
      {"[1;2]", "[3;4]", "11"},
      {"[1;2;3]", "[4;5;6]", "32"},
      {"[1;-1]", "[1;1]", "0"},
      {"[0.5;1]", "[1;1]", "3/2"},
      {"[a;b]", "[c;d]", "a*c+b*d"},
      {"[x+1;1]", "[x-1;1]", "x^2"},
      {"[1;erreur(abc)]", "[1;2]", "erreur(abc)"},
      {"[1;2]", "[1;2;3]", incompatibles.c_str()},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(produit_scalaire(lu(std::string("A;") + c.u), lu(std::string("B;") + c.v)), c.attendu) << c.u;
  }
}

}  // namespace
