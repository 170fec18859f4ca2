// The calculator's text work: wrapping in a command, history lines and
// limit, definitions with ":=" and selections taken back from the history.
#include "shell/calculs.h"

#include <gtest/gtest.h>

#include "moteur_pret.h"

namespace {

class Calculs : public MoteurFrancais {};

TEST_F(Calculs, CommandsWrapUnlessTheInputAlreadyCallsThem) {
  struct Cas {
    const char* saisie;
    int id;
    const char* attendu;
  };
  for (const Cas& c : {
           Cas{"x+x", id_reduire, "reduire(x+x)"},
           Cas{"factoriser(x^2-1)", id_de(Ligne::factoriser), "factoriser(x^2-1)"},
           Cas{"factoriser(x^2-1)+1", id_de(Ligne::factoriser), "factoriser(factoriser(x^2-1)+1)"},
           Cas{"developper(x)", id_de(Ligne::factoriser), "factoriser(developper(x))"},
           Cas{"deriver(x^2;x)", id_deriver, "deriver(deriver(x^2;x))"},
           Cas{"integrer(x;x)", id_integrer, "integrer(integrer(x;x))"},
           Cas{"reduire(x)", id_reduire, "reduire(x)"},
       }) {
    EXPECT_EQ(envelopper_saisie(c.saisie, c.id), c.attendu) << c.saisie;
  }
}

TEST_F(Calculs, HistoryShowsWhatWasTypedUnderReductionAndNumericValue) {
  EXPECT_EQ(ligne_saisie_historique("reduire(x+x)"), "x+x");
  EXPECT_EQ(ligne_saisie_historique("numeriser(pi/2)"), "pi/2");
  EXPECT_EQ(ligne_saisie_historique("reduire(developper(x*(x+1)))"), "developper(x*(x+1))");
  EXPECT_EQ(ligne_saisie_historique("developper(x*(x+1))"), "developper(x*(x+1))");
  EXPECT_EQ(ligne_saisie_historique("reduire(x)+1"), "reduire(x)+1");
}

TEST(Historique, KeepsTheLastSixCalculations) {
  std::vector<std::string> lignes;
  for (int i = 1; i <= 7; ++i) {
    lignes.push_back("s" + std::to_string(i));
    lignes.push_back("=r" + std::to_string(i));
    limiter_historique(lignes);
    EXPECT_LE(lignes.size(), lignes_historique_max);
  }
  ASSERT_EQ(lignes.size(), 12u);
  EXPECT_EQ(lignes.front(), "s2");
  EXPECT_EQ(lignes.back(), "=r7");
}

TEST(Historique, CopyEndsWithTheProductLine) {
  EXPECT_EQ(texte_copie_historique({"x+x", "=2*x"}, "2.1.2"), "x+x\r\n=2*x\r\nPralinore v2.1.2");
  EXPECT_EQ(texte_copie_historique({}, "1.0.0"), "\r\nPralinore v1.0.0");
}

TEST(Historique, SelectionBackToTheInputLine) {
  EXPECT_EQ(saisie_depuis_selection("{=2*x}"), "2*x");
  EXPECT_EQ(saisie_depuis_selection("{=2*x}<BR>"), "2*x");
  EXPECT_EQ(saisie_depuis_selection("{x+x}"), "x+x");
  EXPECT_EQ(saisie_depuis_selection("=3"), "3");
  EXPECT_EQ(saisie_depuis_selection("{=erreur(Division par z\xE9ro)}"), "");
  EXPECT_EQ(saisie_depuis_selection("{a}+{b}"), "{a}+{b}");
  EXPECT_EQ(saisie_depuis_selection(""), "");
}

TEST(Saisie, LowerCaseWithoutBlanks) {
  EXPECT_EQ(saisie_nettoyee(" X + 2 * Y "), "x+2*y");
  EXPECT_EQ(saisie_nettoyee("2\xCE"), "2\xEE");
}

TEST(Definitions, FunctionsConstantsAndRefusals) {
  using G = Tdefinition::Genre;
  struct Cas {
    const char* saisie;
    G genre;
    const char* nom;
    const char* expression;
    const char* variable;
  };
  for (const Cas& c : {
           Cas{"f(x):=x^2", G::fonction, "f", "x^2", "x"},
           Cas{"aire(r):=pi*r^2", G::fonction, "aire", "pi*r^2", "r"},
           Cas{"g():=3", G::fonction, "g", "3", ""},
           Cas{"a:=3", G::constante, "a", "3", ""},
           Cas{"k:=", G::constante, "k", "", ""},
           Cas{"2:=3", G::aucune, "", "", ""},
           Cas{"f(x)+1:=2", G::aucune, "", "", ""},
           Cas{"x+1", G::aucune, "", "", ""},
       }) {
    const Tdefinition d = analyser_definition(c.saisie);
    EXPECT_EQ(d.genre, c.genre) << c.saisie;
    EXPECT_EQ(d.nom, c.nom) << c.saisie;
    EXPECT_EQ(d.expression, c.expression) << c.saisie;
    EXPECT_EQ(d.variable, c.variable) << c.saisie;
  }
}

}  // namespace
