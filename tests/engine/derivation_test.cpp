#include <gtest/gtest.h>

#include <random>

#include "engine/evaluateur.h"
#include "engine/fonction.h"
#include "engine/fonctions_utilisateur.h"
#include "engine/moteur_pret.h"
#include "engine/profondeur.h"
#include "localisation/catalogue.h"
#include "localisation/textes_fixes.h"

namespace {

using Derivation = MoteurFrancais;
using Paire = std::pair<const char*, const char*>;

TEST_F(Derivation, RulesInX) {
  const Paire cas[] = {
      {"x", "1"}, {"y", "0"}, {"pi", "0"}, {"sin(x)", "cos(x)"}, {"x^3", "3*x^2"},
      {"sin(2*x)", "2*cos(2*x)"},     // chain rule
      {"2^x", "ln(2)*exp(x*ln(2))"},  // exp(x*ln(2)) derived
      {"ln(x)", "1/(x)"}, {"abs(x)", "abs(x)/(x)"}, {"tan(x)", "1/cos(x)^2"}, {"th(x)", "1/ch(x)^2"},
      {"x*sin(x)", "sin(x)+x*cos(x)"}, {"-x^2", "-2*x"}, {"exp(x^2)", "2*x*exp(x^2)"},
      {"x^(1/2)", "(x^(-1/2))/2"},  // n-1 exact
      // The quotient's numerator is expanded and reduced.
      {"1/x", "-1/(x^2)"}, {"(x+1)/(x-1)", "-2/((x-1)^2)"}, {"x/x", "0"},
      // A bracketed leaf is no call of an empty name.
      {"(x+1)", "1"}, {"(-x)", "-1"},
      // Without a template there is no rule: 0, whatever the argument; a
      // bare name is no call.
      {"fact(x)", "0"}, {"f(x)", "0"}, {"cos", "0"}, {"x!", "0"}, {"", "0"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(fonction(texte).deriver("x"), attendu) << texte;
}

TEST_F(Derivation, CallsWithSeveralArgumentsUseTheirTemplateOnly) {
  fonctions_usuelles->ajouter(0, "g", "2*%s", "", "", 2, "x", "", "x+y", false);
  EXPECT_EQ(fonction("g(x^2;y)").deriver("x"), "2*x^2;y");
  EXPECT_EQ(fonction("deriver(x^2;x)").deriver("x"), "0");
}

TEST_F(Derivation, RepeatedDerivativesAreReduced) {
  const struct {
    const char* texte;
    int n;
    const char* attendu;
  } cas[] = {
      {"x^3", 2, "6*x"}, {"x^3", 4, "0"}, {"x^3", 0, "x^3"}, {"x^2+y*x", 1000000000, "0"}, {"sin(x)", 2, "-sin(x)"},
  };
  for (const auto& c : cas) EXPECT_EQ(fonction(c.texte).deriver_n("x", c.n), c.attendu) << c.texte << " " << c.n;
}

TEST_F(Derivation, ThroughTheCalculator) {
  const Paire cas[] = {
      {"deriver(x^2;x)", "2*x"},
      {"deriver(x^2;x)*2", "2*x*2"},
      {"deriver(deriver(x^3;x);x)", "3*2*x"},
      {"deriver(1/0;x)", "erreur(Division par z\xE9ro)"},
      {"deriver(sin(t);t)", "cos(t)"},
      {"deriver(x^2;2)", "erreur(Variable invalide)"},
      {"integrale(x^2;x;0;1)", "erreur(Variable invalide)"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(calculer(texte), attendu) << texte;
  EXPECT_EQ(calculer("deriver(x^2)"), "erreur(" + textes_fixes().erreur_derivation + ")");
}

struct FonctionUtilisateur {
  std::string nom, corps, variable;
};

// Bodies of up to three levels over x, the constant k, small numbers, the
// usual functions and calls of the other user functions (earlier ones,
// later ones, and one added after the loading).
class CorpsAleatoires {
 public:
  explicit CorpsAleatoires(std::vector<std::string> noms) : noms_(std::move(noms)) {}
  std::string corps(int niveau = 3) {
    const int tirage = entier(niveau == 0 ? 3 : 9);
    switch (tirage) {
      case 0: return "x";
      case 1: return entier(2) ? "k" : std::to_string(1 + entier(5));
      case 2: return niveau == 0 ? "x" : appel(niveau - 1);
      case 3: return std::string(usuelles_[entier(5)]) + "(" + corps(niveau - 1) + ")";
      case 4: return "(" + corps(niveau - 1) + ")^" + std::to_string(2 + entier(2));
      default: return "(" + corps(niveau - 1) + ")" + "+-*/"[entier(4)] + "(" + corps(niveau - 1) + ")";
    }
  }

 private:
  static constexpr const char* usuelles_[] = {"sin", "cos", "exp", "ln", "sqrt"};
  std::mt19937 alea_{41};
  std::vector<std::string> noms_;
  int entier(int n) { return static_cast<int>(alea_() % static_cast<unsigned>(n)); }
  std::string appel(int niveau) {
    return noms_[static_cast<std::size_t>(entier(static_cast<int>(noms_.size())))] + "(" + corps(niveau) + ")";
  }
};

std::vector<FonctionUtilisateur> fonctions_a_charger() {
  std::vector<FonctionUtilisateur> fs = {
      {"f", "x^2", "x"},  {"g", "sin(x)*exp(x)", "x"}, {"h", "ln(t)/t", "t"}, {"u", "k*x+f(x)", "x"},
      {"v", "apres(x)*x", "x"}, {"w", "sqrt(1+x^2)+w(x)", "x"}, {"f", "x^3", "x"}, {"r", "1/(1+x^2)", "x"}};
  std::vector<std::string> noms = {"f", "g", "h", "u", "v", "w", "r", "apres"};
  for (char c = 'a'; c <= 'p'; ++c) noms.push_back(std::string("z") + c);
  CorpsAleatoires aleatoires(noms);
  for (std::size_t i = 8; i + 1 < noms.size(); ++i) fs.push_back({noms[i], aleatoires.corps(), "x"});
  return fs;
}

// What the loading gave before the templates were deferred: each row's
// computed when the row is added.
void charger_tout_de_suite(const std::vector<FonctionUtilisateur>& fs) {
  for (const auto& f : fs) {
    const auto modele = [&](const std::string& r) {
      return fonction(r).numeriser_substitution(f.variable, "%s", true);
    };
    const std::string derivee = modele(fonction(f.corps).deriver(f.variable));
    const std::string primitive = modele(fonction(f.corps).integrer(f.variable));
    fonctions_usuelles->ajouter(0, f.nom, derivee, primitive, "c", 1, f.variable, "d", f.corps, true);
  }
}

// Loads the functions under the constant k, then changes the constants and
// adds a row, and gives the answers (and the work each counted) of calls that
// derive and integrate every user function, then every template.
std::vector<std::string> reponses_apres_chargement(bool differe) {
  preparer_moteur(0);
  constantes->ajouter("k", "3");
  const std::vector<FonctionUtilisateur> fs = fonctions_a_charger();
  if (differe) {
    for (const auto& f : fs) ajouter_fonction_utilisateur(f.nom, f.corps, f.variable, "c", "d");
  } else {
    charger_tout_de_suite(fs);
  }
  constantes->supprimer("k");
  fonctions_usuelles->ajouter(0, "apres", "7", "7*%s", "c", 1, "x", "d", "7*x", true);
  std::vector<std::string> reponses;
  for (const auto& f : fs) {
    for (const std::string& calcul : {"deriver(developper((x+1)^4)+" + f.nom + "(x^2);x)",
                                      "integrer(" + f.nom + "(x)+x^2;x)", "deriver(" + f.nom + "(x);x)"}) {
      const std::string reponse = calculer(calcul);
      reponses.push_back(reponse + " " + std::to_string(travail_effectue()));
    }
  }
  for (int id = nb_fonctions_predefinies; id < fonctions_usuelles->taille(); ++id) {
    reponses.push_back(fonctions_usuelles->modele_derivee(id) + " " + fonctions_usuelles->modele_primitive(id));
  }
  return reponses;
}

TEST_F(Derivation, UserTemplatesComputedAtFirstReadAreThoseOfTheLoading) {
  const std::vector<std::string> tout_de_suite = reponses_apres_chargement(false);
  const std::vector<std::string> differees = reponses_apres_chargement(true);
  ASSERT_EQ(differees.size(), tout_de_suite.size());
  for (std::size_t i = 0; i < differees.size(); ++i) EXPECT_EQ(differees[i], tout_de_suite[i]) << i;
}

// The template of a body that calls the row just before it is read, at its
// first read, against a table that holds that row.
TEST_F(Derivation, UserTemplateReadsTheRowJustBeforeIt) {
  ajouter_fonction_utilisateur("f", "x^2", "x", "c", "d");
  ajouter_fonction_utilisateur("g", "f(x)+1", "x", "c", "d");
  EXPECT_EQ(calculer("deriver(g(x);x)"), "2*x");
}

// A user function called at an argument: its templates take the argument
// as one operand (a quotient after "/", a negated term after "-"), and an
// antiderivative without closed form is written in the call's variable,
// whatever the variable of the function's body.
TEST_F(Derivation, UserFunctionsAtAnArgument) {
  ajouter_fonction_utilisateur("lg", "ln(x)", "x", "c", "d");
  ajouter_fonction_utilisateur("w", "x-x^2/2", "x", "c", "d");
  ajouter_fonction_utilisateur("g", "1/(x^2+2)", "x", "c", "d");
  ajouter_fonction_utilisateur("h", "1/(t^2+2)", "t", "c", "d");
  const Paire cas[] = {
      {"reduire(deriver(lg(x/2);x))", "1/x"},
      {"reduire(deriver(lg(2/x);x))", "-1/x"},
      {"reduire(deriver(w(-x);x))", "-1-x"},
      {"integrer(g(t);t)", "integrer(1/(t^2+2);t)"},
      {"integrer(g(t)+1;t)", "integrer(1/(t^2+2);t)+t"},
      {"integrer(h(x);x)", "integrer(1/(x^2+2);x)"},
      {"deriver(g(t);t)", "(-2*t)/((t^2+2)^2)"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(calculer(texte), attendu) << texte;
}

TEST_F(Derivation, DeepTextGivesTheTooComplexError) {
  std::string t = "x";
  for (int i = 0; i < 3000; ++i) t = "sin(" + t + ")";
  EXPECT_EQ(fonction(t).deriver("x"), "erreur(" + catalogue_textes.txt_expression_trop_complexe + ")");
}

}  // namespace
