#include "engine/systeme_lineaire.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/cas_differentiels.h"
#include "engine/chemins_rapides.h"
#include "engine/evaluateur.h"
#include "engine/fonctions_usuelles.h"
#include "engine/moteur_pret.h"
#include "engine/travail_de.h"
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

// Random linear systems: integer coefficients on both sides, repeated and
// missing unknowns, singular systems, coefficients long enough to pass the
// elimination's bound, unknowns with special names, quotients and decimals
// in and just out of the class, and now and then a term of another shape
// (a parameter, brackets...) that must keep the written path.
class SystemesAleatoires {
 public:
  std::pair<std::string, std::string> suivant() {
    static const char* const noms[] = {"x", "y", "z", "t", "a", "b", "e", "i", "f", "g", "k", "u", "v", "pi", "ln",
                                       "ab", "x1", "X"};
    const int n = hasard(0, 9) == 0 ? hasard(5, 8) : hasard(1, 4);
    std::vector<std::string> inconnues;
    while (static_cast<int>(inconnues.size()) < n) {
      const std::string u = noms[hasard(0, hasard(0, 3) == 0 ? 17 : 12)];
      if (std::find(inconnues.begin(), inconnues.end(), u) == inconnues.end()) inconnues.push_back(u);
    }
    const int chiffres = hasard(0, 4) == 0 ? hasard(2, 10) : 1;
    non_entier_ = n <= 4 && hasard(0, 2) == 0;
    std::vector<std::string> equations;
    for (int i = 0; i < n; ++i) {
      if (i > 0 && hasard(0, 5) == 0) {
        equations.push_back(equations[hasard(0, i - 1)]);  // a singular system
        continue;
      }
      equations.push_back(membre(inconnues, chiffres) + "=" + membre(inconnues, chiffres));
    }
    if (hasard(0, 7) == 0) {
      static const char* const autres[] = {"0.5*x+y=2", "x/2=1", "2x+y=1", "x*2=4", "(x)=1", "x^1=2", "x+y",
                                           "x=y=1", "007*x=1", "a*x=1", "x+=1", "-+x=1", "2*=1", "x-y=1.5"};
      equations[hasard(0, n - 1)] = autres[hasard(0, 13)];
    }
    return {"[" + joint(equations) + "]", "[" + joint(inconnues) + "]"};
  }

 private:
  int hasard(int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea_); }

  std::string entier(int chiffres) {
    std::string t(1, static_cast<char>('0' + hasard(chiffres == 1 ? 0 : 1, 9)));
    for (int k = 1; k < chiffres; ++k) t += static_cast<char>('0' + hasard(0, 9));
    return t;
  }

  std::string membre(const std::vector<std::string>& inconnues, int chiffres) {
    std::string m;
    const int termes = hasard(0, 4);
    for (int k = 0; k < termes; ++k) {
      const bool moins = hasard(0, 2) == 0;
      if (k > 0 || moins) m += moins ? "-" : "+";
      const int forme = hasard(0, 3);
      const std::string u = inconnues[hasard(0, static_cast<int>(inconnues.size()) - 1)];
      if (non_entier_ && hasard(0, 1) == 0) {
        m += non_entier(u);
        continue;
      }
      m += forme == 0 ? entier(hasard(1, chiffres)) : forme == 1 ? u : entier(hasard(1, chiffres)) + "*" + u;
    }
    return m.empty() ? entier(1) : m;
  }

  // A decimal or a quotient, mostly in the class (quarters, divisors of 2
  // digits), sometimes just past it.
  std::string non_entier(const std::string& u) {
    const bool hors = hasard(0, 9) == 0;
    static const char* const quarts[] = {"0", "00", "25", "5", "50", "75"};
    std::string decimal = entier(hasard(1, hors ? 5 : 4)) + ".";
    if (hasard(0, 2) == 0) {
      for (int k = hasard(1, 3); k > 0; --k) decimal += static_cast<char>('0' + hasard(0, 9));
    } else {
      decimal += quarts[hasard(0, 5)];
    }
    const std::string diviseur = hors ? "100" : std::to_string(hasard(1, 99));
    switch (hasard(0, 6)) {
      case 0: return decimal;
      case 1: return decimal + "*" + u;
      case 2: return u + "/" + diviseur;
      case 3: return entier(hasard(1, 2)) + "/" + diviseur + "*" + u;
      case 4: return entier(hasard(1, 2)) + "*" + u + "/" + diviseur;
      case 5: return entier(1) + "/" + diviseur + "*" + u + "/" + std::to_string(hasard(1, 9));
      default: return entier(hasard(1, 2)) + "/" + diviseur;
    }
  }

  static std::string joint(const std::vector<std::string>& v) {
    std::string t;
    for (const auto& x : v) t += (t.empty() ? "" : ";") + x;
    return t;
  }

  std::mt19937 alea_{77};
  bool non_entier_ = false;
};

// Cramer's rule by elimination on systems of integers, quotients and
// quarters against the written reading and expansion: same texts, never
// more work.
TEST_F(Systemes, SystemsOfExactCoefficientsGiveTheWrittenTexts) {
  SystemesAleatoires generateur;
  for (int essai = 0, cas = nombre_cas_differentiels(2000); essai < cas; ++essai) {
    const auto systeme = generateur.suivant();
    const std::string& equations = systeme.first;
    const std::string& inconnues = systeme.second;
    std::string rapide;
    std::string ecrit;
    const auto travail_rapide = travail_de([&] { rapide = resoudre_systeme(equations, inconnues); });
    const SansCheminsRapides reference;
    const auto travail_ecrit = travail_de([&] { ecrit = resoudre_systeme(equations, inconnues); });
    ASSERT_EQ(rapide, ecrit) << equations << " " << inconnues;
    ASSERT_LE(travail_rapide, travail_ecrit) << equations << " " << inconnues;
  }
}

// A decimal zero stays as typed through the written determinant, which is
// then no "0" and is divided by: such systems keep the written path.
TEST_F(Systemes, DecimalZerosKeepTheWrittenPath) {
  const std::pair<const char*, const char*> systemes[] = {
      {"[0.00*f=4]", "[f]"}, {"[0.0*f=0]", "[f]"}, {"[x-0.0*y=1;0*x+0.00*y=3]", "[x;y]"}, {"[x+y=0.0;x-y=2]", "[x;y]"}};
  for (const auto& systeme : systemes) {
    const std::string rapide = resoudre_systeme(systeme.first, systeme.second);
    const SansCheminsRapides reference;
    EXPECT_EQ(rapide, resoudre_systeme(systeme.first, systeme.second)) << systeme.first;
  }
}

// A letter the user made a constant is no unknown of the shortcut's class.
TEST_F(Systemes, AConstantNamedAsAnUnknownKeepsTheWrittenPath) {
  constantes->ajouter("k", "2");
  const std::string rapide = resoudre_systeme("[k+y=3;k-y=1]", "[k;y]");
  std::string ecrit;
  {
    const SansCheminsRapides reference;
    ecrit = resoudre_systeme("[k+y=3;k-y=1]", "[k;y]");
  }
  constantes->supprimer("k");
  EXPECT_EQ(rapide, ecrit);
}

TEST(CopieCoefficients, CopiesWhatFits) {
  Tcoefficient destination{{"", ""}, {"", ""}};
  copie_coefficients(destination, {{"a", "b", "c"}, {"d"}});
  EXPECT_EQ(destination, (Tcoefficient{{"a", "b"}, {"d", ""}}));
}

}  // namespace
