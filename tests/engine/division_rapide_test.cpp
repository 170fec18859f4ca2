#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/cas_differentiels.h"
#include "engine/chemins_rapides.h"
#include "engine/moteur_pret.h"
#include "engine/polynome.h"
#include "localisation/nombres.h"

namespace {

using DivisionRapide = MoteurFrancais;

// Random polynomials as pupils type them: small integer and fraction
// coefficients, terms in any order, powers missing, x written in several
// ways, some like terms, now and then a term outside the class.
class Polynomes {
 public:
  explicit Polynomes(unsigned graine) : hasard_(graine) {}

  std::string polynome(int degre) {
    std::vector<std::string> termes;
    for (int k = 0; k <= degre; ++k) {
      if (k < degre && tirage(0, 9) < 3) continue;
      termes.push_back(terme(k, k == degre));
      if (tirage(0, 5) == 0) termes.push_back(terme(k, false));
    }
    std::shuffle(termes.begin(), termes.end(), hasard_);
    std::string t;
    for (const auto& terme : termes) {
      if (!t.empty() && terme[0] != '-') t += '+';
      t += terme;
    }
    return t;
  }

  int tirage(int a, int b) { return std::uniform_int_distribution<int>(a, b)(hasard_); }

 private:
  std::string puissance(int k) {
    if (k == 1) {
      const char* formes[] = {"x", "x", "1*x", "x^1"};
      return formes[tirage(0, 3)];
    }
    switch (tirage(0, 5)) {
      case 0: return "x*x^" + texte_entier(k - 1);
      case 1: return "(x^" + texte_entier(k) + ")";
      default: return "x^" + texte_entier(k);
    }
  }

  std::string terme(int k, bool non_nul) {
    // Now and then a term outside the class: a decimal, another letter.
    if (tirage(0, 49) == 0) return (tirage(0, 1) ? "0.5*" : "a*") + puissance(std::max(k, 1));
    int n = tirage(-9, 9);
    while (non_nul && n == 0) n = tirage(-9, 9);
    const int d = tirage(0, 9) < 6 ? 1 : tirage(2, 6);
    const std::string num = texte_entier(n);
    const std::string den = texte_entier(d);
    if (k == 0) return d == 1 ? num : num + "/" + den;
    if (d == 1) {
      if (n == 1 && tirage(0, 1)) return puissance(k);
      if (n == -1 && tirage(0, 1)) return "-" + puissance(k);
      return num + "*" + puissance(k);
    }
    switch (tirage(0, 3)) {
      case 0: return num + "/" + den + "*" + puissance(k);
      case 1: return "(" + num + "*" + puissance(k) + ")/" + den;
      case 2: return "(" + num + "/" + den + ")*" + puissance(k);
      default: return puissance(k) + "*" + num + "/" + den;
    }
  }

  std::mt19937 hasard_;
};

std::string divise(const std::string& p, const std::string& d) { return polynome::Create(p).division_euclidienne(d); }

// The division on coefficient arrays writes, on every pair, the text the
// long division writes.
TEST_F(DivisionRapide, WritesWhatTheLongDivisionWrites) {
  Polynomes hasard(20261207);
  const int paires = nombre_cas_differentiels(600);
  for (int k = 0; k < paires; ++k) {
    const int degre_p = hasard.tirage(0, 8);
    const std::string p = hasard.polynome(degre_p);
    const std::string d = hasard.polynome(hasard.tirage(0, std::min(degre_p + 1, 5)));
    std::string ecrite;
    {
      const SansCheminsRapides sans;
      ecrite = divise(p, d);
    }
    ASSERT_EQ(divise(p, d), ecrite) << "division_euclidienne(" << p << ";" << d << ")";
  }
}

std::string lu(const polynome& p) {
  return p.texte + " | " + p.degre + " | " + p.coefficient + " | " + (p.est_polynome ? "1" : "0");
}

// Typed sums of monomials are read as their reduction reads them: text,
// degree, leading coefficient.
TEST_F(DivisionRapide, ReadsPolynomialsAsTheReductionReadsThem) {
  Polynomes hasard(7);
  const int textes = nombre_cas_differentiels(1500);
  for (int k = 0; k < textes; ++k) {
    const std::string t = hasard.polynome(hasard.tirage(0, 9));
    std::string ecrit;
    {
      const SansCheminsRapides sans;
      ecrit = lu(polynome::Create(t));
    }
    ASSERT_EQ(lu(polynome::Create(t)), ecrit) << t;
  }
}

// Inputs at the edge of the class (decimals, other letters, huge
// coefficients, non-polynomials, the error paths), and one input for each
// rule of the replayed collection, keep their answers.
TEST_F(DivisionRapide, EdgesAndEachRuleKeepTheirAnswers) {
  const std::pair<const char*, const char*> cas[] = {
      {"6*x^3-5*x^2+x+7", "2*x+1"},  // two terms merged away meet again: 0 at the first
      {"x^3", "2*x^2+1"},            // a fractional remainder
      {"-6*x^3-5*x^2-x-5*x^4", "(-3*x)/2+6*x^3"},          // times -1: signs only
      {"-4*x^4+2*x^5-3*x-1/2-x^2", "4*x^3-7/5*x^2+3*x-6"},  // times -x: the first term
      {"(-2*x^3)/6-2*x^7+2*x^2+3/2*x-9*x^5+2", "-2*x^4+x^2-6*x+3*x^5"},  // "-(-2*x^4)/3" kept
      {"2*x^6+9*x^4-8*x^3+2*x^2+4/5*x^5-7*x-2-4*x^7", "9*x^2-2*x^3-6/5+x"},  // a number taken in
      {"x^5-3*x^3+2*x^3+x-4", "x^2+2*x-3"},  // like terms read, an integer taken in
      {"2*x^4-3*x^3+x-5", "3*x^2+x-1"},      // merges with a fractional sum
      {"x^3+0.5*x+1", "x+1"},     {"x^3+1", "0.5*x+1"},         {"a*x^2+1", "x+1"},
      {"x^2+1", "a*x+1"},         {"x^2+y", "x-1"},             {"123456789012*x^2+1", "x+3"},
      {"x^2+1", "987654321*x+5"}, {"x^4+1", "x^3+123456789*x"}, {"sqrt(2)*x^2+1", "x+1"},
      {"x^3+1", "x^3+1"},         {"x^2", "x^3"},               {"5", "x+1"},
      {"x^2+1", "3"},             {"x^2+1", "0"},               {"1/x", "x+1"},
      {"x^2-1", "x-1"},           {"x^10+1", "x^9+1"},          {"(x+1)^3", "(x-1)^2"},
      {"x^5-x", "x^2-x+1/3"},     {"2/3*x^3-x/5+7/4", "3/2*x^2+2/5"}, {"-x*x/7+x", "x^02+1"},
      {"x^2+x^2", "007*x+1"},     {"0*x^3+x", "x/x+x"},         {"-(3*x)/2", "-3/2*x-1"},
  };
  for (const auto& [p, d] : cas) {
    std::string ecrite;
    {
      const SansCheminsRapides sans;
      ecrite = divise(p, d);
    }
    EXPECT_EQ(divise(p, d), ecrite) << p << " ; " << d;
  }
}

}  // namespace
