// Hostile input at the engine's public entry points: a text past the length
// bound is refused before any work, deep or heavy input within it ends with
// the "too complex" error, the same input always gives the same answer, and
// a control character typed in the input is shown by its code.
#include <gtest/gtest.h>

#include <string>

#include "engine/evaluateur.h"
#include "engine/moteur_pret.h"
#include "engine/profondeur.h"
#include "engine/syntaxe.h"
#include "localisation/catalogue.h"

namespace {

using BornesSaisie = MoteurFrancais;

struct Reponses {
  std::string message;        // of the syntax check
  std::string texte_verifie;  // the text after the check
  std::string normalise;
  std::string calcule;        // of the text as given, unchecked
};

Reponses reponses(const std::string& texte) {
  Reponses r{"", texte, normalise_saisie(texte), calculer(texte)};
  verifier_syntaxe(r.texte_verifie, r.message);
  return r;
}

// `motif` repeated `n` times, then `fin`.
std::string repete(const std::string& motif, std::size_t n, const std::string& fin = "") {
  std::string t;
  for (std::size_t i = 0; i < n; ++i) t += motif;
  return t + fin;
}

TEST_F(BornesSaisie, EveryEntryPointRefusesATextPastTheLengthBound) {
  for (const std::string motif : {"7", "x+", "(", "sin(", "a_", "-("}) {
    const std::string texte = repete(motif, longueur_maximale_saisie / motif.size() + 1);
    ASSERT_GT(texte.size(), longueur_maximale_saisie);
    const Reponses r = reponses(texte);
    EXPECT_EQ(r.message, catalogue_textes.txt_expression_trop_complexe) << motif;
    EXPECT_EQ(r.texte_verifie, texte) << motif;
    EXPECT_EQ(r.normalise, erreur_trop_complexe()) << motif;
    EXPECT_EQ(r.calcule, erreur_trop_complexe()) << motif;
    EXPECT_EQ(travail_effectue(), travail_ouverture) << motif;  // refused before any work
  }
  const std::string a_la_borne(longueur_maximale_saisie, '7');
  const Reponses r = reponses(a_la_borne);
  EXPECT_EQ(r.message, "");
  EXPECT_EQ(r.normalise, a_la_borne);
  EXPECT_EQ(r.calcule, a_la_borne);
}

TEST_F(BornesSaisie, DeepInputWithinTheBoundGivesTheTooComplexError) {
  // The syntax check goes down every level; normalisation and the evaluator
  // only where they rewrite (normalisation keeps a bracketed term whole, the
  // evaluator leaves a call of sin as it is).
  const std::size_t niveaux = profondeur_maximale + 100;
  const struct {
    std::string texte;
    bool normalisation_profonde;
    bool calcul_profond;
  } cas[] = {
      {repete("x+", niveaux, "x"), true, true},
      {repete("developper(", niveaux, "x" + std::string(niveaux, ')')), true, true},
      {repete("-(", niveaux, "x" + std::string(niveaux, ')')), false, true},
      {repete("sin(", niveaux, "x" + std::string(niveaux, ')')), true, false},
      {"[" + repete("1;", niveaux, "1]"), true, false},
  };
  for (const auto& c : cas) {
    ASSERT_LE(c.texte.size(), longueur_maximale_saisie);
    const Reponses r = reponses(c.texte);
    const std::string debut = c.texte.substr(0, 12);
    EXPECT_EQ(r.message, catalogue_textes.txt_expression_trop_complexe) << debut;
    EXPECT_EQ(r.normalise == erreur_trop_complexe(), c.normalisation_profonde) << debut;
    EXPECT_EQ(r.calcule == erreur_trop_complexe(), c.calcul_profond) << debut;
  }
}

TEST_F(BornesSaisie, WorkIsCountedTheSameOnEveryRun) {
  // The bound counts work, not time: one input always counts the same work,
  // whatever ran before it, and a rewriting that grows fast passes the bound
  // and ends with the "too complex" error.
  const std::string factorisation = "factoriser(" + repete("x^2*y+", 19, "1") + ")";
  const std::string resultat = calculer(factorisation);
  const auto travail = travail_effectue();
  EXPECT_EQ(calculer("resoudre(variance([1;x;d;k/ecart_type([1;b])]);x)"), erreur_trop_complexe());
  EXPECT_GT(travail_effectue(), travail_maximal);
  EXPECT_EQ(calculer(factorisation), resultat);
  EXPECT_EQ(travail_effectue(), travail);
  EXPECT_GT(travail, travail_maximal / 10000);  // a count of real work, not of calls
}

TEST_F(BornesSaisie, ControlCharactersAreShownByTheirCode) {
  const std::pair<std::string, std::string> cas[] = {
      {std::string("x\0y", 3), "#0"}, {"2\t3", "#9"},  {"x\ry", "#13"},
      {"a\x7F", "#127"},              {"a\x81", "#129"}, {"caf\xE9", "\xE9"},
  };
  for (const auto& [texte, montre] : cas) {
    std::string t = texte;
    std::string message;
    verifier_syntaxe(t, message);
    EXPECT_EQ(message, "Caract\xE8re " + montre + " interdit.") << montre;
  }
}

}  // namespace
