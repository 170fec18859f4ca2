#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "engine/cas_differentiels.h"
#include "engine/chemins_rapides.h"
#include "engine/derivees_en_zero.h"
#include "engine/entiers_verifies.h"
#include "engine/evaluateur.h"
#include "engine/fonction.h"
#include "engine/fonctions_usuelles.h"
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
  // An exact fraction is a point as its decimal is.
  for (const char* fraction : {"1/2", "(1/2)", "2/4"}) {
    EXPECT_EQ(calculer("developpement_limite(exp(x);x;" + std::string(fraction) + ";3)"),
              calculer("developpement_limite(exp(x);x;0.5;3)"))
        << fraction;
  }
  EXPECT_EQ(calculer("developpement_limite(x^2;x;-3/2;2)"), "9/4-3*x+x^2");
  EXPECT_TRUE(boites->journal.empty());
  // A point that does not read as a number, or an order that is no
  // integer: one message that says which, and no result.
  const std::string point = "Le point du d\xE9veloppement doit \xEAtre un nombre.";
  const std::pair<const char*, std::string> refus[] = {
      {"developpement_limite(sin(x);x;pi/6;3)", point},
      {"developpement_limite(sin(x);x;y;3)", point},
      {"developpement_limite(exp(x);x;pi;2)", point},
      {"developpement_limite(exp(x);x;(1/0);2)", point},
      {"developpement_limite(exp(x);x;0;2.5)", catalogue_textes.txt_entiers_seulement},
  };
  for (const auto& [saisie, message] : refus) {
    boites->journal.clear();
    EXPECT_EQ(calculer(saisie), "") << saisie;
    ASSERT_EQ(boites->journal.size(), 1u) << saisie;
    EXPECT_EQ(boites->journal[0].texte, message) << saisie;
  }
}

// Away from 0 the written derivatives, expanded, are evaluated as sums of
// large terms that cancel: a value that is not the exact one within
// fifteen digits gives way to the series' coefficient, the others stay as
// written. Where a derivative's denominator passes below the smallest
// double at a point where it is not 0, there is no division by zero.
TEST_F(DeveloppementLimite, WrittenValuesLostToRoundingAreNotWritten) {
  const struct {
    const char* saisie;
    const char* attendu;
  } cas[] = {
      {"developpement_limite(ln(x-2);x;3;6)", "x+(-x^2)/2+(x^3)/3+(-x^4)/4+(x^5)/5+(-x^6)/6"},
      {"developpement_limite(ln(4-x);x;2;6)",
       "138629436111989/200000000000000-x/2+(-x^2)/8+(-x^3)/24+(-x^4)/64+(-x^5)/160+(-x^6)/384"},
      {"developpement_limite(tan(x);x;0.5;13)", "erreur(Expression trop complexe.)"},
      {"developpement_limite(sqrt(x);x;0.000000001;7)", "erreur(Expression trop complexe.)"},
      {"developpement_limite(sqrt(x);x;0;3)", "erreur(Division par z\xE9ro)"},
      // x/1E300 at 1E-100 passes below the smallest double: no pole there.
      {"developpement_limite(1/(x/1E300);x;1E-100;1)", "erreur(Expression trop complexe.)"},
      // Written to fifteen digits, the values are the exact ones rounded:
      // they stay.
      {"developpement_limite(x^12;x;1/8;3)",
       "1.45519152283669E-11+1.39698386192322E-9*x+(1.22934579849243E-7*x^2)/2+(9.83476638793945E-6*x^3)/6"},
  };
  for (const auto& c : cas) EXPECT_EQ(calculer(c.saisie), c.attendu) << c.saisie;
  // The terms the written steps get right keep their text.
  EXPECT_EQ(calculer("developpement_limite(ln(x-2);x;3;5)"), "x+(-x^2)/2+(x^3)/3+(-x^4)/4+(x^5)/5");
}

// The Taylor polynomial with the shortcuts and as written: the same answer,
// and no more work. An input the written path finds too complex may get
// its answer from the series; it is only counted.
struct Comparaison {
  int series = 0;
  // Taken by the wider series with no written step.
  int series_larges = 0;
  int trop_complexes = 0;
  int comparees = 0;
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
  const auto large = developpement_exact(calculer(f), "x", ordre, lire_nombre(point).value_or(0));
  if (large && large->comme_ecrit) ++bilan.series_larges;
  if (travail_ecrit > travail_maximal) {
    ++bilan.trop_complexes;
    return;
  }
  ++bilan.comparees;
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

// School functions to orders the written steps reach or pass, at 0 and
// elsewhere: the wider series answer as written wherever the written steps
// finish. Where they pass the work bound each run takes a third of a
// second, so few are drawn.
class GenerateurScolaire {
 public:
  explicit GenerateurScolaire(unsigned graine) : alea_(graine) {}

  std::string fonction() {
    switch (tirage(5)) {
      case 0: return simple();
      case 1: {
        const std::string gauche = simple() + choix({"+", "-", "*", "/"});
        return gauche + simple();
      }
      case 2: return "(" + simple() + ")^" + choix({"2", "3", "-1", "(1/2)"});
      case 3: return choix({"2", "3", "0.5", "x", "x^2"}) + std::string("*") + simple();
      default: return "1/(" + simple() + ")";
    }
  }
  const char* point() { return choix({"0", "0", "0", "1", "0.5", "-0.5", "2", "0.1"}); }
  int ordre() { return 3 + static_cast<int>(tirage(5)); }

 private:
  std::mt19937 alea_;

  unsigned tirage(unsigned n) { return static_cast<unsigned>(alea_() % n); }
  const char* choix(std::initializer_list<const char*> textes) { return *(textes.begin() + tirage(textes.size())); }
  std::string simple() {
    const std::string a = choix({"", "2*", "-", "0.5*", "3*"});
    switch (tirage(10)) {
      case 0: return choix({"exp", "sin", "cos", "sh", "ch", "th", "tan"}) + std::string("(") + a + "x)";
      // Values past the narrow class early (7^6, 9!), where the written
      // steps still finish.
      case 8: return choix({"exp", "sin", "cos", "sh", "ch"}) + std::string("(") + choix({"5", "7", "-6", "10"}) + "*x)";
      case 9: return "(" + std::string(choix({"1+", "1-", "2+"})) + choix({"", "2*", "-", "3*"}) + "x)^" + choix({"7", "9", "12"});
      case 1: return "ln(" + std::string(choix({"1+", "2+", "4-"})) + a + "x)";
      case 2: return "sqrt(" + std::string(choix({"1+", "4+", "2+"})) + a + "x)";
      case 3: return "1/(" + std::string(choix({"1+", "1-", "2+", "3+"})) + a + "x)";
      case 4: return "(1+" + a + "x)^" + choix({"(1/2)", "(-1/2)", "(1/3)", "-2", "3"});
      case 5: return choix({"x", "x^2", "x^3", "1+x", "1-x^2"});
      case 6: return choix({"exp(x^2)", "cos(x^2)", "exp(sin(x))", "ln(1+x^2)", "sqrt(1-x^2)"});
      default: return choix({"exp", "sin", "cos"}) + std::string("(x)*") + choix({"x", "(1+x)", "exp(x)"});
    }
  }
};

TEST_F(DeveloppementLimite, WiderSeriesGiveTheWrittenAnswerOnSchoolFunctions) {
  // Capped: where the written steps pass the bound a case takes a third
  // of a second, two thousand take minutes.
  constexpr int textes_maximaux = 2000;
  const int textes = std::min(nombre_cas_differentiels(16), textes_maximaux);
  GenerateurScolaire generateur(20261208);
  Comparaison bilan;
  for (int i = 0; i < textes; ++i) {
    const std::string f = generateur.fonction();
    const char* point = generateur.point();
    compare(f, point, generateur.ordre(), bilan);
  }
  // Most are compared, and some take the wider series.
  EXPECT_GT(bilan.comparees, textes / 2);
  EXPECT_GT(bilan.series_larges, textes / 10);
}

// An exact fraction of the test, to compute the Taylor coefficients apart
// from the engine.
struct Fraction {
  std::int64_t p = 0;
  std::int64_t q = 1;
};

__extension__ using Large = __int128;

Fraction reduite(Large p, Large q) {
  if (q < 0) {
    p = -p;
    q = -q;
  }
  Large a = p < 0 ? -p : p;
  Large b = q;
  while (b != 0) {
    const auto r = a % b;
    a = b;
    b = r;
  }
  if (a > 1) {
    p /= a;
    q /= a;
  }
  return {static_cast<std::int64_t>(p), static_cast<std::int64_t>(q)};
}
Fraction operator+(Fraction a, Fraction b) {
  return reduite(Large{a.p} * b.q + Large{b.p} * a.q, Large{a.q} * b.q);
}
Fraction operator*(Fraction a, Fraction b) {
  return reduite(Large{a.p} * b.p, Large{a.q} * b.q);
}
Fraction operator/(Fraction a, Fraction b) {
  return reduite(Large{a.p} * b.q, Large{a.q} * b.p);
}
bool operator==(Fraction a, Fraction b) { return a.p == b.p && a.q == b.q; }
std::ostream& operator<<(std::ostream& o, Fraction a) { return o << texte_entier(a.p) << "/" << texte_entier(a.q); }

std::int64_t entier_de(const std::string& t) { return entier_ecrit(t).value_or(-1); }

// The coefficient of each power of x an expansion writes, its terms being
// c, x, c*x^k, x^k/d, (c*x^k)/d, (-x^k)/d or -x^k (all brackets dropped);
// k = -1 for a term not read so.
std::map<int, Fraction> coefficients_lus(const std::string& reponse) {
  std::map<int, Fraction> lus;
  std::vector<std::string> termes;
  int profondeur = 0;
  std::size_t debut = 0;
  for (std::size_t i = 0; i <= reponse.size(); ++i) {
    const char c = i < reponse.size() ? reponse[i] : '+';
    if (c == '(') ++profondeur;
    if (c == ')') --profondeur;
    if (profondeur == 0 && (c == '+' || c == '-') && i > 0 && reponse[i - 1] != '^') {
      termes.push_back(reponse.substr(debut, i - debut));
      debut = c == '+' ? i + 1 : i;
    }
  }
  for (std::string t : termes) {
    t.erase(std::remove_if(t.begin(), t.end(), [](char c) { return c == '(' || c == ')'; }), t.end());
    const bool negatif = !t.empty() && t[0] == '-';
    if (negatif) t.erase(0, 1);
    const std::size_t barre = t.find('/');
    const std::int64_t denominateur = barre == std::string::npos ? 1 : entier_de(t.substr(barre + 1));
    t = t.substr(0, barre);
    const std::size_t x = t.find('x');
    std::int64_t numerateur = 1;
    int k = 0;
    if (x == std::string::npos) {
      numerateur = entier_de(t);
    } else {
      if (x > 0) numerateur = t.substr(x - 1, 1) == "*" ? entier_de(t.substr(0, x - 1)) : -1;
      k = x + 1 == t.size() ? 1 : t[x + 1] == '^' ? static_cast<int>(entier_de(t.substr(x + 2))) : -1;
    }
    if (numerateur < 0 || denominateur <= 0) k = -1;
    lus[k] = reduite(negatif ? -numerateur : numerateur, denominateur);
  }
  return lus;
}

// (1+x)^r = sum C(r, k) x^k.
std::vector<Fraction> binome(Fraction r, int ordre) {
  std::vector<Fraction> a{{1, 1}};
  for (int k = 1; k <= ordre; ++k) a.push_back(a.back() * (r + Fraction{1 - k, 1}) / Fraction{k, 1});
  return a;
}

std::vector<Fraction> inverses_factorielles(int ordre) {
  std::vector<Fraction> a{{1, 1}};
  for (int k = 1; k <= ordre; ++k) a.push_back(a.back() / Fraction{k, 1});
  return a;
}

// Where the written steps cannot finish, the expansion writes the exact
// Taylor coefficients, and the terms the written steps reach as they write
// them.
TEST_F(DeveloppementLimite, ExactCoefficientsWhereTheWrittenStepsCannotFinish) {
  const auto signe = [](int k) { return std::int64_t{k % 2 == 0 ? 1 : -1}; };
  const struct {
    const char* f;
    const char* point;
    int ordre;
    // The highest order the written steps reach with no shortcut at all.
    int ordre_ecrit;
    std::function<Fraction(int)> coefficient;
  } cas[] = {
      {"sqrt(1+x)", "0", 5, 4, [](int k) { return binome({1, 2}, 5)[k]; }},
      {"sqrt(1+x)", "0", 20, 4, [](int k) { return binome({1, 2}, 20)[k]; }},
      {"1/sqrt(1+x)", "0", 6, 3, [](int k) { return binome({-1, 2}, 6)[k]; }},
      {"ln(1+x)", "0", 10, 6, [&](int k) { return k == 0 ? Fraction{} : Fraction{-signe(k), k}; }},
      {"1/(1+x^2)", "0", 10, 5, [&](int k) { return k % 2 == 0 ? Fraction{signe(k / 2), 1} : Fraction{}; }},
      {"exp(x)/(1-x)", "0", 8, 4,
       [](int k) {
         Fraction s;
         for (int j = 0; j <= k; ++j) s = s + inverses_factorielles(k)[j];
         return s;
       }},
      // ln(2+x): its value is ln(2), written as the written steps write it.
      {"ln(1+x)", "1", 8, 6,
       [&](int k) { return k == 0 ? Fraction{} : Fraction{-signe(k), k * (std::int64_t{1} << k)}; }},
      {"x*exp(x)/(1+x)", "0", 12, 4,
       [&](int k) {
         Fraction s;
         for (int j = 0; j < k; ++j) s = s + Fraction{signe(k - 1 - j), 1} * inverses_factorielles(k)[j];
         return s;
       }},
  };
  for (const auto& c : cas) {
    const std::string debut = "developpement_limite(" + std::string(c.f) + ";x;" + c.point + ";";
    const std::string reponse = calculer(debut + texte_entier(c.ordre) + ")");
    std::map<int, Fraction> lus = coefficients_lus(reponse);
    EXPECT_EQ(lus.count(-1), 0u) << reponse;
    for (int k = std::string(c.point) == "0" ? 0 : 1; k <= c.ordre; ++k) {
      EXPECT_EQ(lus[k], c.coefficient(k)) << c.f << " at " << c.point << ", x^" << k << ": " << reponse;
    }
    const SansCheminsRapides reference;
    const std::string ecrit = calculer(debut + texte_entier(c.ordre_ecrit) + ")");
    EXPECT_EQ(reponse.substr(0, ecrit.size() + 1), ecrit + reponse[ecrit.size()]) << c.f;
    EXPECT_TRUE(reponse[ecrit.size()] == '+' || reponse[ecrit.size()] == '-') << reponse;
  }
  // The user's functions too, derived through their template.
  fonctions_usuelles->ajouter(0, "f", "(1/(2*sqrt(1+%s))*(1-%s)+sqrt(1+%s))/(1-%s)^2", "", "", 1, "x", "",
                              "sqrt(1+x)/(1-x)", false);
  const std::string utilisateur = calculer("developpement_limite(f(x);x;0;12)");
  EXPECT_EQ(utilisateur, calculer("developpement_limite(sqrt(1+x)/(1-x);x;0;12)"));
  EXPECT_EQ(utilisateur.find("erreur"), std::string::npos);
  // A template calling its own function fails the series at the nesting
  // bound, at the first call that deep: the written steps answer.
  fonctions_usuelles->ajouter(0, "g", "g(%s)+g(%s)", "", "", 1, "x", "", "exp(x)", false);
  Comparaison bilan;
  compare("g(x)", "0", 4, bilan);
  for (const char* g : {"f(x)", "f(2*x)*x", "f(x)^2"}) {
    for (int ordre = 1; ordre <= 3; ++ordre) compare(g, "0", ordre, bilan);
  }
  EXPECT_GT(bilan.comparees, 0);
}

}  // namespace
