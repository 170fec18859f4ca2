// The matrix, vector, complex and polynomial rows of the calculator.
#include <gtest/gtest.h>

#include "engine/evaluateur.h"
#include "engine/moteur_pret.h"
#include "localisation/textes_fixes.h"

namespace {

using Calculatrice = MoteurFrancais;

// "@" in the tables stands for the imaginary unit.
std::string u(std::string t) {
  for (auto& c : t) {
    if (c == '@') c = '\xEE';
  }
  return t;
}

struct Cas {
  const char* texte;
  const char* attendu;
};

TEST_F(Calculatrice, Rows) {
  const Cas cas[] = {
      {"det([[1;0;0];[0;1;0];[0;0;1]])", "1"},
      {"det([[1;2;3];[4;5;6]])", "erreur(Le nombre de ligne est diff\xE9rent du nombre de colonne)"},
      {"det([[1;2];[3]])", "erreur(Matrice invalide.)"},
      {"det(m)", "erreur(Matrice invalide.)"},
      {"inv([[2;4];[1;2]])", "erreur(La matrice n'est pas inversible.)"},
      {"inv([[4]])", "[[1/4]]"},
      {"inv([[1;2];[3;4]])", "[[-2;1];[3/2;-1/2]]"},
      {"det([[1;2];[3;4]])*2", "-2*2"},  // evaluated, then combined as any operand
      {"produit_scalaire([1;2];[3;4])", "11"},
      {"produit_scalaire([1;2];[1;2;3])", "erreur(Erreur :dimension incompatible)"},
      {"produit_scalaire([1;2];u)", "erreur(Vecteur invalide.)"},
      {"partie_reelle((1+@)*(1-@))", "2"},
      {"partie_imaginaire(@^-3)", "1"},
      {"partie_imaginaire((1+@)^n)", "partie_imaginaire((1+@)^n)"},  // kept unevaluated
      {"module(1+@)", "sqrt(2)"},
      {"argument(-3*@)", "-pi/2"},
      {"argument(-1)", "pi"},
      {"argument(a+b*@)", "argument(a+b*@)"},
      {"conjugue(2+3*@)", "2-3*@"},
      {"reduire((1+2*@)*(3-@))", "5+5*@"},
      {"reduire((1+@)^n)", "(1+@)^n"},
      {"reduire(2*x+x)", "3*x"},
      {"degre(sin(x))", "erreur(Cette fonction ne s'applique qu'aux polyn\xF4mes.)"},
      {"degre(x^3+2*x+1)", "3"},
      {"degre(erreur(abc))", "erreur(abc)"},
      {"degre(deriver(x^3;x))", "2"},  // the polynomial is evaluated first
      {"division_euclidienne(x^2;deriver(x^2;x))", "x/2"},
      {"division_euclidienne(x^2+1;x-1)", "x+1+2/(x-1)"},
      {"division_euclidienne(x^2;0)", "erreur(Division par z\xE9ro)"},
  };
  for (const auto& c : cas) EXPECT_EQ(calculer(u(c.texte)), u(c.attendu)) << c.texte;
}

TEST_F(Calculatrice, EnglishNames) {
  preparer_moteur(1);
  EXPECT_EQ(calculer(u("real_part(3+4*@)")), "3");
  EXPECT_EQ(calculer(u("imaginary_part(3+4*@)")), "4");
  EXPECT_EQ(calculer(u("conjugate(2+3*@)")), u("2-3*@"));
  // Fixed texts are French in both languages.
  EXPECT_EQ(calculer("inv([[2;4];[1;2]])"), "erreur(" + textes_fixes().matrice_non_inversible + ")");
  preparer_moteur(0);
}

}  // namespace
