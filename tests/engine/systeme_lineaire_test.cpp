#include "engine/systeme_lineaire.h"

#include <gtest/gtest.h>

#include "engine/evaluateur.h"
#include "engine/moteur_pret.h"
#include "localisation/textes_fixes.h"

namespace {

using Systemes = MoteurFrancais;

std::string erreur(const std::string& texte) { return "erreur(" + texte + ")"; }

TEST_F(Systemes, Cramer) {
  struct Cas {
    const char* equations;
    const char* inconnues;
    std::string attendu;
  };
  const auto& f = textes_fixes();
  const Cas cas[] = {
      {"[x+y=3;x-y=1]", "[x;y]", "[x=2;y=1]"},
      {"[a*(1)+b=3;a*(2)+b=5]", "[a;b]", "[a=2;b=1]"},  // the exercises' shape
      {"[x/3+y/4=1;x-y=2]", "[x;y]", "[x=18/7;y=4/7]"},
      {"[2*x+y-z=8;-3*x-y+2*z=-11;-2*x+y+2*z=-3]", "[x;y;z]", "[x=2;y=3;z=-1]"},
      {"[x^2+y=1;x=2]", "[x;y]", erreur(f.systeme_non_lineaire)},
      // Every coefficient must be free of every unknown, not only of its own.
      {"[x+x*y=3;x-y=1]", "[x;y]", erreur(f.systeme_non_lineaire)},
      // A call the derivation takes for a constant still names an unknown.
      {"[f(x)+y=3;x-y=1]", "[x;y]", erreur(f.systeme_non_lineaire)},
      {"[x+y=1;2*x+2*y=2]", "[x;y]", erreur(f.pas_de_solution_unique)},
      {"[x+y=2;x-y=0;2*x=2]", "[x;y]", erreur(f.nombre_variables_equations)},
      {"[x+y=2]", "[x;y]", erreur(f.nombre_variables_equations)},
      {"[a=1;b=1;c=1;d=1;e=1;f=1;g=1;h=1;k=1]", "[a;b;c;d;e;f;g;h;k]", erreur(f.matrice_trop_grande)},
      {"[x=1/0;y=1]", "[x;y]", erreur(f.division_par_zero)},
      // Nothing to solve for: no "solution" naming the brackets.
      {"[]", "[]", erreur(f.pas_de_solution_unique)},
      {"[x+y=3;x-y=1]", "[x+1;y]", erreur(f.pas_de_solution_unique)},
  };
  for (const auto& c : cas) EXPECT_EQ(resoudre_systeme(c.equations, c.inconnues), c.attendu) << c.equations;
}

TEST_F(Systemes, LineThroughTwoPoints) {
  const std::string indeterminee = erreur(textes_fixes().droite_indeterminee);
  struct Cas {
    const char* a;
    const char* b;
    std::string attendu;
  };
  const Cas cas[] = {
      {"[1;2]", "[1;5]", "x=1"},
      {"[0;3]", "[4;3]", "y=3"},
      {"[0;1]", "[1;3]", "y=1+2*x"},
      {"[2;4]", "[3;6]", "y=2*x"},  // through the origin: a line all the same
      {"[1/2;1/3]", "[2;-1]", "y=-(8*x)/9+7/9"},
      {"[1;2]", "[1;2]", indeterminee},
      {"[a;b]", "[a;b]", indeterminee},
      {"[1;2;3]", "[1;5]", indeterminee},
  };
  for (const auto& c : cas) EXPECT_EQ(points_en_droite({c.a, c.b}), c.attendu) << c.a << " " << c.b;
  EXPECT_EQ(points_en_droite({"[1;2]"}), indeterminee);
}

TEST_F(Systemes, ThroughTheCalculator) {
  EXPECT_EQ(calculer("resoudre_systeme([x+y=3;x-y=1];[x;y])"), "[x=2;y=1]");
  EXPECT_EQ(calculer("points_en_droite([0;1];[1;3])"), "y=1+2*x");
  EXPECT_EQ(calculer("points_en_droite([1;2];erreur(abc))"), "erreur(abc)");
}

TEST(CopieCoefficients, CopiesWhatFits) {
  Tcoefficient destination{{"", ""}, {"", ""}};
  copie_coefficients(destination, {{"a", "b", "c"}, {"d"}});
  EXPECT_EQ(destination, (Tcoefficient{{"a", "b"}, {"d", ""}}));
}

}  // namespace
