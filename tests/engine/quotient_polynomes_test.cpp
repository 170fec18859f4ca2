#include "engine/quotient_polynomes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/cas_differentiels.h"
#include "engine/chemins_rapides.h"
#include "engine/evaluateur.h"
#include "engine/fonction.h"
#include "engine/moteur_pret.h"
#include "engine/regroupement.h"

namespace {

using QuotientPolynomes = MoteurFrancais;

// Random quotients of polynomials in x written in the shapes typed texts
// take (sums of terms, products of brackets, powers, leading signs), most
// of them of a numerator of one term (homographic functions, x^2+p over
// x^2+q, a constant over a polynomial), the others beside the class: a
// numerator of several terms, a constant denominator, a parameter, a
// decimal, a negative power, a quotient inside.
class Generateur {
 public:
  explicit Generateur(unsigned graine) : alea_(graine) {}

  std::string quotient() {
    switch (entre(0, 9)) {
      case 0: case 1: return "(" + lineaire() + ")/(" + lineaire() + ")";
      case 2: return "(" + pair() + ")/(" + pair() + ")";
      case 3: return entier() + "/(" + puissance_x() + signe() + chiffre(1, 9) + ")";
      case 4: return entier() + "/" + facteurs();
      case 5: return "(" + polynome() + ")/(" + polynome() + ")";
      case 6: return facteurs() + "/" + facteurs();
      case 7: {
        // A constant quotient: its derivative's numerator is 0.
        const std::string p = entre(0, 1) ? lineaire() : pair();
        return entre(0, 1) ? "x/(" + chiffre(2, 9) + "*x)" : "(" + chiffre(2, 9) + "*(" + p + "))/(" + p + ")";
      }
      case 8: return "(" + lineaire() + ")/" + chiffre(1, 9);
      default: return hors_classe();
    }
  }

 private:
  int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea_); }
  std::string chiffre(int a, int b) { return std::string(1, static_cast<char>('0' + entre(a, b))); }
  std::string signe() { return entre(0, 1) ? "+" : "-"; }
  std::string entier() { return (entre(0, 3) == 0 ? "-" : "") + chiffre(1, 9); }

  std::string monome(int degre) {
    const std::string c = entre(0, 2) == 0 ? "" : chiffre(1, 9) + "*";
    if (degre == 0) return chiffre(1, 9);
    return c + (degre == 1 ? "x" : "x^" + std::string(1, static_cast<char>('0' + degre)));
  }

  std::string puissance_x() { return monome(entre(1, 4)); }
  std::string lineaire() {
    return entre(0, 1) ? (entre(0, 3) == 0 ? "-" : "") + monome(1) + signe() + chiffre(1, 9)
                       : chiffre(1, 9) + signe() + monome(1);
  }
  std::string pair() { return monome(2) + signe() + chiffre(1, 9); }

  std::string polynome() {
    std::string p = (entre(0, 3) == 0 ? "-" : "") + monome(entre(0, 4));
    for (int k = entre(1, 3); k > 0; --k) p += signe() + monome(entre(0, 4));
    return p;
  }

  std::string facteurs() {
    switch (entre(0, 3)) {
      case 0: return "(" + lineaire() + ")^" + chiffre(2, 3);
      case 1: return "(" + lineaire() + ")*(" + lineaire() + ")";
      case 2: return chiffre(2, 9) + "*(" + lineaire() + ")";
      default: return "(" + pair() + ")";
    }
  }

  std::string hors_classe() {
    switch (entre(0, 5)) {
      case 0: return "(a*x+1)/(x+2)";
      case 1: return "(1.5*x+1)/(x-3)";
      case 2: return "(x+1)/(x^-1+2)";
      case 3: return "x/(x/(x+1))";
      case 4: return "((" + lineaire() + ")/(" + lineaire() + "))";
      default: return "-(" + lineaire() + ")/(" + lineaire() + ")";
    }
  }

  std::mt19937 alea_;
};

const int quotients = nombre_cas_differentiels(3000);

// The derivative asked for is the text the written quotient rule gives.
TEST_F(QuotientPolynomes, DerivativesAreThoseOfTheWrittenRule) {
  Generateur g(20261207);
  int courts = 0;
  for (int i = 0; i < quotients; ++i) {
    const std::string t = g.quotient();
    if (derivee_quotient_polynomes(t, "x")) ++courts;
    const std::string rapide = fonction(t).deriver_demandee("x");
    const SansCheminsRapides ecrit;
    EXPECT_EQ(rapide, fonction(t).deriver("x")) << t;
  }
  EXPECT_GT(courts, quotients / 3);
}

// A zero numerator is exactly what the written derivative collects to 0.
TEST_F(QuotientPolynomes, AZeroNumeratorMakesAConstantQuotient) {
  Generateur g(11);
  int constants = 0;
  for (int i = 0; i < quotients; ++i) {
    const std::string t = g.quotient();
    const auto q = derivee_quotient_polynomes(t, "x");
    if (!q) continue;
    constants += q->numerateur == "0";
    const SansCheminsRapides ecrit;
    EXPECT_EQ(q->numerateur == "0", regroupe_somme(fonction(t).deriver("x")) == "0") << t;
  }
  EXPECT_GT(constants, quotients / 40);
}

TEST_F(QuotientPolynomes, TheDeriverRowAnswersAsWritten) {
  const char* const cas[] = {"deriver((x^2-1)/(x^2+1);x)", "deriver((3*x-1)/(2*x+5);x)", "deriver(1/(x^2+1);x)",
                             "deriver(x/(x^2+1);x)",        "deriver((t+1)/(t-1);t)",      "deriver(2*(x+1)/(x-1);x)"};
  for (const char* c : cas) {
    const std::string rapide = calculer(c);
    const SansCheminsRapides ecrit;
    EXPECT_EQ(rapide, calculer(c)) << c;
  }
}

}  // namespace
