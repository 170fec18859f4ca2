// The calculator without its window: wrapping in a command, the
// calculation, the history with its limit, page and copy, definitions with
// ":=" and selections taken back from the history.
#include "shell/calculs.h"

#include <gtest/gtest.h>

#include "engine/saisie_resultat.h"
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
  Tcalculatrice historique;
  historique.ajouter("s0", "r0");
  historique.selectionner(3);
  EXPECT_EQ(historique.selection(), -1);  // no such line
  historique.selectionner(1);
  for (int i = 1; i <= 7; ++i) {
    historique.ajouter("s" + std::to_string(i), "r" + std::to_string(i));
    EXPECT_LE(historique.lignes().size(), lignes_historique_max);
  }
  const std::vector<std::string>& lignes = historique.lignes();
  ASSERT_EQ(lignes.size(), 12u);
  EXPECT_EQ(lignes.front(), "s2");
  EXPECT_EQ(lignes.back(), "=r7");
  EXPECT_EQ(historique.selection(), -1);  // the selected line went with its calculation
  historique.selectionner(11);
  historique.ajouter("s8", "r8");
  EXPECT_EQ(historique.selection(), 9);  // the same line, two lines up
  historique.vider();
  EXPECT_TRUE(historique.lignes().empty());
  EXPECT_EQ(historique.selection(), -1);
}

TEST(Historique, PageAndCopy) {
  Tcalculatrice historique;
  EXPECT_EQ(historique.texte_page(), "");
  EXPECT_EQ(historique.texte_copie("1.0.0"), "\r\nPralinore v1.0.0");
  historique.ajouter("x+x", "2*x");
  EXPECT_EQ(historique.texte_copie("2.1.2"), "x+x\r\n=2*x\r\nPralinore v2.1.2");
  EXPECT_EQ(historique.texte_page(), "{x+x}<BR>{=2*x}");
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

// The whole calculation, as the page runs it with each set of options.
TEST_F(Calculs, TheCalculationFromTheTypedTextToTheResult) {
  struct Cas {
    const char* saisie;
    Toptions_calcul options;
    const char* message;  // a prefix; empty: no message
    const char* resultat;
    const char* ligne;
  };
  constexpr Toptions_calcul implicites{};
  constexpr Toptions_calcul explicites{false, false};
  constexpr Toptions_calcul reduits{true, true};
  for (const Cas& c : {
           Cas{" 2 X ", implicites, "", "2*x", "2*x"},
           Cas{"2x", explicites, "", "2x", "2x"},
           Cas{"reduire(X+X)", implicites, "", "2*x", "x+x"},
           Cas{"developper(x*(x+1))", reduits, "", "x+x^2", "developper(x*(x+1))"},
           Cas{"deriver(x^3;x)", implicites, "", "3*x^2", "deriver(x^3;x)"},
           Cas{"x+", implicites, "Doublon d'op\xE9rateur", "", ""},
           Cas{"  ", implicites, "", "", ""},
       }) {
    Tcalculatrice calculatrice;
    const Tcalcul r = calculatrice.calculer(c.saisie, c.options);
    EXPECT_TRUE(r.message.starts_with(c.message)) << c.saisie << ": " << r.message;
    EXPECT_EQ(r.message.empty(), *c.message == '\0') << c.saisie;
    EXPECT_EQ(r.resultat, c.resultat) << c.saisie;
    EXPECT_EQ(r.ligne_saisie, c.ligne) << c.saisie;
    const std::vector<std::string> attendu =
        r.resultat.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.ligne, "=" + r.resultat};
    EXPECT_EQ(calculatrice.lignes(), attendu) << c.saisie;
  }
}

// What normalisation or a routine gives that is no result to show: the
// error value of the implicit products, a failure mark, a number that is
// not finite.
TEST_F(Calculs, ErrorValuesAreResultsNeverInput) {
  const std::string division = "erreur(Division par z\xE9ro)";
  const std::string hors_limites = "erreur(Argument hors des limites de la fonction.)";
  const std::string trop_complexe = "erreur(Expression trop complexe.)";
  std::string imbrique;
  for (int i = 0; i < 1000; ++i) imbrique += "sin(";
  imbrique += "x" + std::string(1000, ')');
  struct Cas {
    std::string saisie;
    std::string resultat;
    std::string ligne;
  };
  for (const Cas& c : {
           Cas{"0/0", division, "0/0"},
           Cas{"reduire(sin(0/0))", division, "sin(0/0)"},
           Cas{"[0/0;1]", division, "[0/0;1]"},
           Cas{imbrique, trop_complexe, imbrique},
           Cas{"min([])", hors_limites, "min([])"},
           Cas{"est_pair(x)+1", hors_limites, "est_pair(x)+1"},
       }) {
    Tcalculatrice calculatrice;
    const Tcalcul r = calculatrice.calculer(c.saisie, Toptions_calcul{});
    EXPECT_EQ(r.message, "") << c.saisie;
    EXPECT_EQ(r.resultat, c.resultat) << c.saisie;
    EXPECT_EQ(calculatrice.lignes(), (std::vector<std::string>{c.ligne, "=" + c.resultat})) << c.saisie;
  }
  for (const char* faux : {"INF", "-INF/2", "NAN*x", "#err", "[#err;1]"}) {
    EXPECT_EQ(resultat_montre(faux), hors_limites) << faux;
  }
  for (const std::string& juste : {division, std::string("2*x"), std::string("#vrai")}) {
    EXPECT_EQ(resultat_montre(juste), juste);
  }
  // A typed error value is typed text: its characters are checked.
  const Tcalcul tape = calculer_saisie(division, Toptions_calcul{});
  EXPECT_EQ(tape.message, "Caract\xE8re \xE9 interdit.");
  EXPECT_EQ(tape.resultat, "");
}

}  // namespace
