#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "engine/cas_differentiels.h"
#include "engine/chemins_rapides.h"
#include "engine/derivees_en_zero.h"
#include "engine/evaluateur.h"
#include "engine/fonction.h"
#include "engine/moteur_pret.h"
#include "engine/travail_de.h"
#include "localisation/catalogue.h"
#include "localisation/messagerie_enregistreuse.h"
#include "localisation/nombres.h"

namespace {

using DeveloppementLimite = MoteurFrancais;

std::string hors_limites() { return "erreur(" + catalogue_textes.txt_argument_hors_limites + ")"; }

TEST_F(DeveloppementLimite, TermsInPowersOfTheVariable) {
  const struct {
    const char* f;
    double point;
    int ordre;
    const char* attendu;
  } cas[] = {
      {"exp(x)", 0, 2, "1+x+(x^2)/2"},
      {"exp(x)", 0, 0, "1"},
      {"sin(x)", 0, 6, "x+(-x^3)/6+(x^5)/120"},
      {"cos(x)", 0, 4, "1+(-x^2)/2+(x^4)/24"},
      {"ln(1+x)", 0, 3, "x+(-x^2)/2+(x^3)/3"},
      {"tan(x)", 0, 5, "x+(x^3)/3+(2*x^5)/15"},
      // The expansion of f(1+x): the coefficients are the values at 1.
      {"x^3", 1, 3, "1+3*x+3*x^2+x^3"},
      {"x^2", 0.5, 2, "1/4+x+x^2"},
      // exp(x^2) to order 20: each derivative is reduced before the next.
      {"exp(x^2)", 0, 20,
       "1+x^2+(x^4)/2+(x^6)/6+(x^8)/24+(x^10)/120+(x^12)/720+(x^14)/5040+(x^16)/40320+(x^18)/362880+(x^20)/"
       "3628800"},
      {"y*x", 0, 2, "y*x"},
      {"0", 0, 3, "0"},
  };
  for (const auto& c : cas) EXPECT_EQ(fonction(c.f).developpement_limite("x", c.ordre, c.point), c.attendu) << c.f;
}

TEST_F(DeveloppementLimite, FailuresComeBackAsErrorValues) {
  EXPECT_EQ(fonction("ln(x)").developpement_limite("x", 3, 0), "erreur(erreur:logarithme d'un nombre negatif)");
  EXPECT_EQ(fonction("1/x").developpement_limite("x", 2, 0), "erreur(Division par z\xE9ro)");
  EXPECT_EQ(fonction("exp(x)").developpement_limite("x", 21, 0), hors_limites());
  EXPECT_EQ(fonction("exp(x)").developpement_limite("x", -1, 0), hors_limites());
}

TEST_F(DeveloppementLimite, ThroughTheCalculator) {
  MessagerieDeTest boites;
  EXPECT_EQ(calculer("developpement_limite(exp(x);x;0;2)"), "1+x+(x^2)/2");
  EXPECT_EQ(calculer("developpement_limite(exp(x);x;0;21)"), hors_limites());
  EXPECT_EQ(calculer("developpement_limite(1/0;x;0;2)"), "erreur(Division par z\xE9ro)");
  EXPECT_TRUE(boites->journal.empty());
  // Neither the point nor the order reads: a message and no result.
  EXPECT_EQ(calculer("developpement_limite(exp(x);x;pi;2)"), "");
  EXPECT_EQ(calculer("developpement_limite(exp(x);x;0;2.5)"), "");
  ASSERT_EQ(boites->journal.size(), 2u);
  for (const auto& m : boites->journal) EXPECT_EQ(m.texte, catalogue_textes.txt_entiers_seulement);
}

// The Taylor polynomial with the shortcuts and as written: the same answer,
// and no more work. An input the written path finds too complex may get
// its answer from the series; it is only counted.
struct Comparaison {
  int series = 0;
  int trop_complexes = 0;
};

void compare(const std::string& f, const std::string& point, int ordre, Comparaison& bilan) {
  const std::string saisie = "developpement_limite(" + f + ";x;" + point + ";" + texte_entier(ordre) + ")";
  std::string rapide;
  std::string ecrit;
  const auto travail_rapide = travail_de([&] { rapide = calculer(saisie); });
  std::uint64_t travail_ecrit = 0;
  {
    const SansCheminsRapides reference;
    travail_ecrit = travail_de([&] { ecrit = calculer(saisie); });
  }
  if (point == "0" && derivees_en_zero(calculer(f), "x", ordre)) ++bilan.series;
  if (travail_ecrit > travail_maximal) {
    ++bilan.trop_complexes;
    return;
  }
  EXPECT_EQ(rapide, ecrit) << saisie;
  EXPECT_LE(travail_rapide, travail_ecrit) << saisie;
}

TEST_F(DeveloppementLimite, SeriesGiveTheWrittenAnswerAtTheEdgesOfTheirClass) {
  Comparaison bilan;
  for (const char* f : {"1/(3+x)", "1/(2+x)", "1/(4+x^2)", "ln(2+x)", "ln(1-x)", "sqrt(x)", "sqrt(4+x)", "sqrt(2+x)",
                        "sqrt(0.25-x)", "exp(1+x)", "exp(x-x)", "sin(x)/x", "x^(1/3)", "(1+x)^(1/3)", "(1+x)^(-1/2)",
                        "(1-x)^0.5", "x^0", "(x-x)^0", "x^-1", "2^x", "x^x", "-x^2", "--x", "abs(x)", "cotan(x)",
                        "y*x", "pi*x", "e^x", "0.1*x", "x/3", "3*x/3", "tan(x)/4", "th(x)^2", "ch(2*x)*sh(x)",
                        "(1+x)^1001", "(1+x)^10", "(2+x)^-3", "x^100", "0.5", "7"}) {
    for (int ordre = 0; ordre <= 3; ++ordre) compare(f, "0", ordre, bilan);
    // Elsewhere than at 0 (even at -0), derivation as written.
    for (const char* point : {"-0", "1"}) compare(f, point, 2, bilan);
  }
  // The n-th written derivative of 1/(c+x) holds (c+x)^(2^n): its value is
  // exact up to 8^16 = 2^48 and 2^-16, no longer at 16^16 or 4^-16 (more
  // than fifteen digits).
  for (const char* f : {"1/(8+x)", "1/(16+x)", "1/(0.5+x)", "1/(0.25+x)"}) compare(f, "0", 4, bilan);
  compare("1/(2+x)", "0", 5, bilan);
  // Each value of a part of the text is exact, but the written derivatives
  // multiply them together (and by the denominator's powers): a product of
  // more than fifteen digits is rounded and the answer moves.
  for (const char* f : {"(54302941283*2^14*x)/(2^14+x)", "(21747792027*x+x)/(0.25+x)",
                        "((5534557/2^10)*x+0.5)*((323615195/2^9)*x+1)", "(269433576917*2^9*x+x)/(0.25+x)",
                        "((1262760489*2^17)*x+2)/(2+x)"}) {
    for (int ordre = 1; ordre <= 2; ++ordre) compare(f, "0", ordre, bilan);
  }
  EXPECT_GT(bilan.series, 0);
}

// Random texts in and near the class: numbers with and without a finite
// binary expansion, other names, every usual function, quotients and
// powers that may or may not be exact at 0. Denominators stay short and
// orders small: the written derivations of a long quotient to the fourth
// order take a tenth of a second.
class Generateur {
 public:
  explicit Generateur(unsigned graine) : alea_(graine) {}

  std::string expression(int niveau) {
    if (niveau <= 0) return feuille();
    switch (tirage(9)) {
      case 0: return feuille();
      case 1: return binaire(niveau, "+", "");
      case 2: return binaire(niveau, "-", "");
      case 3: return binaire(niveau, ")*", "(");
      case 4: {
        const std::string numerateur = "(" + expression(niveau - 1) + ")/(";
        const std::string constante = choix({"1", "2", "0.5", "3", "4", "x"});
        return numerateur + constante + choix({"+", "-"}) + monome() + ")";
      }
      case 5: {
        const std::string base = "(" + expression(niveau - 1) + ")^";
        return base + choix({"2", "3", "-1", "-2", "(1/2)", "(-1/2)", "0", "(1/3)"});
      }
      case 6: return "-" + expression(niveau - 1);
      default: return appel(niveau - 1);
    }
  }

 private:
  std::mt19937 alea_;

  unsigned tirage(unsigned n) { return static_cast<unsigned>(alea_() % n); }
  // Operands drawn left to right, so the texts do not depend on the
  // compiler's order of evaluation.
  std::string binaire(int niveau, const char* operateur, const char* avant) {
    const std::string gauche = avant + expression(niveau - 1) + operateur;
    return gauche + expression(niveau - 1);
  }
  std::string choix(std::initializer_list<const char*> textes) { return *(textes.begin() + tirage(textes.size())); }
  std::string feuille() { return choix({"x", "x", "1", "2", "3", "0.5", "0.25", "0.1", "y", "pi", "0", "16"}); }
  // Mostly of value 0 at 0.
  std::string monome() { return choix({"x", "2*x", "x^2", "-x", "0.5*x", "0.1*x", "y*x", "1"}); }
  std::string appel(int niveau) {
    const std::string nom = choix({"exp", "sin", "cos", "tan", "sh", "ch", "th", "ln", "sqrt", "abs", "cotan"});
    const std::string constante = nom == "ln" || nom == "sqrt" ? choix({"1+", "4-", "2+"}) : "";
    std::string argument = monome();
    if (tirage(2) == 0) argument += "*" + expression(niveau - 1);
    return nom + "(" + constante + argument + ")";
  }
};

TEST_F(DeveloppementLimite, SeriesGiveTheWrittenAnswerOnRandomTexts) {
  const int textes = nombre_cas_differentiels(2000);
  constexpr int ordre_maximal_tire = 3;
  constexpr int ordre_maximal_quotients = 2;
  Generateur generateur(20261207);
  std::mt19937 alea(7);
  Comparaison bilan;
  for (int i = 0; i < textes; ++i) {
    const std::string f = generateur.expression(1 + static_cast<int>(alea() % 2));
    const char* point = alea() % 10 == 0 ? "1" : "0";
    int ordre = static_cast<int>(alea() % (ordre_maximal_tire + 1));
    // The third written derivative of a quotient of quotients takes
    // seconds under the sanitizers.
    if (f.find('/') != std::string::npos) ordre = std::min(ordre, ordre_maximal_quotients);
    compare(f, point, ordre, bilan);
  }
  // The test means something only if many texts take the series.
  EXPECT_GT(bilan.series, textes / 4);
  EXPECT_LT(bilan.trop_complexes, textes / 10);
}

}  // namespace
