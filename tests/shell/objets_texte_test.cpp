// The stored and listed forms of the user's objects, the vector between two
// points and its arrow head.
#include <gtest/gtest.h>

#include <cmath>

#include "moteur_pret.h"
#include "shell/objets_texte.h"

namespace {

TEST(FormesStockees, FunctionLineAndStoredFormGoBothWays) {
  struct Cas {
    const char* stockee;
    const char* ligne;
  };
  const Cas cas[] = {{"f;x^2+1;x", "f(x)=x^2+1"},
                     {"g;max(t;2);t", "g(t)=max(t;2)"},
                     {"h;sin(u)*u;u", "h(u)=sin(u)*u"}};
  for (const Cas& c : cas) {
    EXPECT_EQ(texte_fonction(c.stockee), c.ligne);
    EXPECT_EQ(decouper_fonction(c.ligne, "="), c.stockee);
    const Tfonction_stockee f = lire_fonction_stockee(c.stockee);
    EXPECT_EQ(f.nom + ";" + f.expression + ";" + f.variable, c.stockee);
  }
  // A line without brackets or separator still gives three parts.
  EXPECT_EQ(decouper_fonction("f", "="), "f;;");
}

TEST(FormesStockees, ObjectNamesAreLettersAndDigits) {
  for (const char* nom : {"A", "AB", "M2", "x"}) EXPECT_TRUE(est_nom_objet(nom)) << nom;
  for (const char* nom : {"", "a+b", "f=g", "[x]", "A B", "A;B", "\xE9t\xE9"}) EXPECT_FALSE(est_nom_objet(nom)) << nom;
  EXPECT_EQ(cle_ligne_objet("A;[[1;2];[3;4]]"), "A");
}

TEST(FormesStockees, ListsAndObjectLines) {
  EXPECT_EQ(liste_crochets({"1", "", "3"}, true), "[1;0;3]");
  EXPECT_EQ(liste_crochets({"x+y=2", "x-y=0"}), "[x+y=2;x-y=0]");
  EXPECT_EQ(liste_crochets({}), "[]");
  EXPECT_EQ(items_liste("[4;5]"), (std::vector<std::string>{"4", "5"}));
  EXPECT_EQ(items_liste("[max(1;2);3]"), (std::vector<std::string>{"max(1;2)", "3"}));
  EXPECT_TRUE(items_liste("[]").empty());
  EXPECT_EQ(ligne_point("A", {"1", "2"}), "A;[1;2]");
  EXPECT_EQ(ligne_vecteur("A", "B", {"3", "4"}), "A;B;[3;4]");
  EXPECT_EQ(ligne_vecteur("u", "", {"3", "4"}), "u;[3;4]");
}

class VecteurEntrePoints : public MoteurFrancais {};

TEST_F(VecteurEntrePoints, EndMinusOriginCollected) {
  Tpoint_ a{"A", {"1", "2"}, 2};
  Tpoint_ b{"B", {"4", "6"}, 2};
  EXPECT_EQ(coordonnees_entre(a, b), (std::vector<std::string>{"3", "4"}));
  Tpoint_ c{"C", {"x", "2*x"}, 2};
  Tpoint_ d{"D", {"3*x", "x"}, 2};
  const auto cd = coordonnees_entre(c, d);
  ASSERT_TRUE(cd);
  EXPECT_EQ((*cd)[0], "2*x");
  Tpoint_ e{"E", {"1", "2", "3"}, 3};
  EXPECT_FALSE(coordonnees_entre(a, e));
}

// Over many vectors: the head's two ends lie at the same distance from the
// tip, behind it, and the zero vector has none.
TEST(PointeFleche, StrokesAreSymmetricAndBehindTheTip) {
  EXPECT_FALSE(pointe_fleche(0, 0));
  for (int i = -6; i <= 6; ++i) {
    for (int j = -6; j <= 6; ++j) {
      if (i == 0 && j == 0) continue;
      const double x = i * 0.75;
      const double y = j * 1.5;
      const auto p = pointe_fleche(x, y);
      ASSERT_TRUE(p);
      EXPECT_EQ((*p)[1].x, x);
      EXPECT_EQ((*p)[1].y, y);
      const auto distance = [&](const Tpoint_plan& q) { return std::hypot(q.x - x, q.y - y); };
      EXPECT_NEAR(distance((*p)[0]), distance((*p)[2]), 1e-12);
      EXPECT_GT(distance((*p)[0]), 0);
      EXPECT_LE(distance((*p)[0]), 1.0);
    }
  }
  const auto p = pointe_fleche(3, 4);
  EXPECT_NEAR((*p)[0].x, 3 - 0.7, 1e-12);
  EXPECT_NEAR((*p)[0].y, 4 - 0.1, 1e-12);
}

}  // namespace
