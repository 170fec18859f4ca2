#include <cfenv>

#include "exercises/hasard.h"
#include "poste_exercice.h"

namespace {

using essai::PosteExercice;
using G = Egenre_reponse;

const std::string reponse = "R\xE9ponse";

TEST(FormatReponse, GivesOneSlotPerControlWithItsKindCaptionAndItems) {
  remplir_textes(0);
  struct Cas {
    std::string format;
    std::vector<Tcreneau_reponse> creneaux;
  };
  const std::vector<Cas> cas = {
      {"T", {{G::saisie, reponse, {}}}},
      {"T;T", {{G::saisie, reponse, {}}, {G::saisie, reponse, {}}}},
      {"T[1.];T[2.]", {{G::saisie, "1.", {}}, {G::saisie, "2.", {}}}},
      {"T[x = ]", {{G::saisie, "x = ", {}}}},
      {"(T;T)", {{G::saisie, reponse, {}}, {G::saisie, reponse, {}}}},
      {"C(croissante;d\xE9" "croissante)", {{G::choix, reponse, {"croissante", "d\xE9" "croissante"}}}},
      {"C[1.](arithm\xE9tique;g\xE9om\xE9trique);T[2.];T[3.]",
       {{G::choix, "1.", {"arithm\xE9tique", "g\xE9om\xE9trique"}}, {G::saisie, "2.", {}}, {G::saisie, "3.", {}}}},
      {"C(<;>;=)", {{G::choix, reponse, {"<", ">", "="}}}},
      {"", {}},
  };
  for (const Cas& c : cas) {
    const std::vector<Tcreneau_reponse> lus = lire_format_reponse(c.format);
    ASSERT_EQ(lus.size(), c.creneaux.size()) << c.format;
    for (std::size_t i = 0; i < lus.size(); ++i) {
      EXPECT_EQ(lus[i].genre, c.creneaux[i].genre) << c.format << " " << i;
      EXPECT_EQ(lus[i].libelle, c.creneaux[i].libelle) << c.format << " " << i;
      EXPECT_EQ(lus[i].elements, c.creneaux[i].elements) << c.format << " " << i;
    }
  }
}

TEST(FormatReponse, TexteEntreTakesTheTextBetweenTheFirstOfEachMark) {
  struct Cas { std::string texte; std::string attendu; };
  for (const Cas& c : {Cas{"T[1.]", "1."}, Cas{"T", ""}, Cas{"T[]", ""}, Cas{"a]b[c", ""},
                       Cas{"ab]", "ab"}, Cas{"[ab", ""}, Cas{"C[x](a;b)[y]", "x"}}) {
    EXPECT_EQ(texte_entre(c.texte, "[]"), c.attendu) << c.texte;
  }
}

class PoseQuestion : public PosteExercice {};

TEST_F(PoseQuestion, PutsTheQuestionOnScreenWithItsControlsAnswersAndFocus) {
  titre_exercice = "<P ALIGN=CENTER><U>Suites</U></P>";
  exercice_courant = essai::indice_1411;
  exercices.aide[essai::indice_1411] = "une aide";
  poser_question("Q", "C[1.](arithm\xE9tique;g\xE9om\xE9trique);T[2.];T[3.]", {"arithm\xE9tique", "1", "2"}, "corr",
                 true);
  ASSERT_EQ(ecran.controles.size(), 3U);
  EXPECT_EQ(ecran.controles[0].description.genre, G::choix);
  EXPECT_EQ(ecran.controles[2].description.libelle, "3.");
  EXPECT_EQ(reponses_attendues, (std::vector<std::string>{"arithm\xE9tique", "1", "2"}));
  EXPECT_EQ(correction, "corr");
  EXPECT_EQ(ecran.focus, 0);
  EXPECT_TRUE(ecran.saisie);
  const std::string page =
      "<P ALIGN=RIGHT><A HREF=3>Aide</A></P><BR><P ALIGN=CENTER><U>Suites</U></P><BR><BR>Q";
  EXPECT_EQ(texte_exercice, page);
  EXPECT_EQ(ecran.exercice.back(), page);

  // Without a hint page no link; the old controls go; no focus without input.
  exercices.aide[essai::indice_1411].clear();
  ecran.focus = -1;
  poser_question_simple("Q2", "5", "5");
  EXPECT_EQ(texte_exercice, "<BR><P ALIGN=CENTER><U>Suites</U></P><BR><BR>Q2");
  ASSERT_EQ(ecran.controles.size(), 1U);
  EXPECT_EQ(ecran.controles[0].description.libelle, reponse);
  EXPECT_FALSE(ecran.saisie);
  EXPECT_EQ(ecran.focus, -1);
}

TEST_F(PoseQuestion, WrappersGiveTheirFormats) {
  struct Cas {
    std::function<void()> poser;
    std::size_t controles;
    bool saisie;
    std::vector<std::string> attendues;
  };
  const std::vector<Cas> cas = {
      {[] { poser_question_simple("q", "1", "c"); }, 1, false, {"1"}},
      {[] { poser_question_saisie("q", "1", "c"); }, 1, true, {"1"}},
      {[] { poser_question_double("q", {"1", "2"}, "c"); }, 2, true, {"1", "2"}},
      {[] { poser_question_choix("q", {"<", ">"}, ">", "c"); }, 1, true, {">"}},
  };
  for (std::size_t i = 0; i < cas.size(); ++i) {
    cas[i].poser();
    EXPECT_EQ(ecran.controles.size(), cas[i].controles) << i;
    EXPECT_EQ(ecran.saisie, cas[i].saisie) << i;
    EXPECT_EQ(reponses_attendues, cas[i].attendues) << i;
    EXPECT_EQ(correction, "c") << i;
  }
  EXPECT_EQ(ecran.controles[0].description.elements, (std::vector<std::string>{"<", ">"}));
}

TEST_F(PoseQuestion, PreparationResetsTheRunAndLeavesTheFloatingPointEnvironment) {
  for (const int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    ASSERT_EQ(std::fesetround(mode), 0);
    forme_reponse = "factoriser";
    reponses_ordonnees = false;
    reponse_correcte = true;
    ecran.valider = false;
    preparer_exercice();
    EXPECT_EQ(std::fegetround(), mode);
    EXPECT_TRUE(forme_reponse.empty());
    EXPECT_TRUE(reponses_ordonnees);
    EXPECT_FALSE(reponse_correcte);
    EXPECT_FALSE(ecran.graphe);
    EXPECT_FALSE(ecran.graphe_actif);
    EXPECT_TRUE(ecran.valider);
  }
  std::fesetround(FE_TONEAREST);
}

TEST_F(PoseQuestion, EchoesTheTypedAnswersIntoTheStatement) {
  struct Cas {
    std::string question;
    std::string format;
    std::vector<std::string> saisies;
    std::string dessin;  // the question as drawn
  };
  const std::string bleu = "<FONT COLOR=blue>";
  const std::vector<Cas> cas = {
      {"x = ... et ...", "T", {"12"}, "x = " + bleu + "12</FONT> et " + bleu + "12</FONT>"},
      {"x = ...", "T", {""}, "x = ..."},
      {"Calculer", "T;T", {"a", "b"}, "Calculer" + bleu + "<BR><BR>Votre r\xE9ponse:<BR>{a};{b}</FONT>"},
      {"Calculer", "T;T", {"", "b"}, "Calculer" + bleu + "<BR><BR>Votre r\xE9ponse:<BR>{b}</FONT>"},
      {"Calculer", "T", {""}, "Calculer"},
      {"x = ...", "T", {"<B>{}%s</B>"}, "x = " + bleu + "<B>{}%s</B></FONT>"},
  };
  const std::string debut = "<BR><BR><BR>";  // no title, no hint link
  for (const Cas& c : cas) {
    poser(c.question, c.format, std::vector<std::string>(c.saisies.size(), "1"), c.saisies);
    echo_saisie(0);
    EXPECT_EQ(ecran.exercice.back(), debut + c.dessin) << c.question;
    EXPECT_EQ(texte_exercice, debut + c.question) << c.question;
  }

  // No echo once the exercise is over.
  const std::size_t dessins = ecran.exercice.size();
  exercice_en_cours = false;
  echo_saisie(0);
  EXPECT_EQ(ecran.exercice.size(), dessins);
}

TEST_F(PoseQuestion, ChoiceEchoReplacesTheDotsWithTheItem) {
  poser_question_choix("La suite est ...", {"croissante", "d\xE9" "croissante"}, "croissante", "c");
  ecran.taper(0, "croissante");
  echo_choix(0);
  EXPECT_NE(ecran.exercice.back().find("La suite est <FONT COLOR=blue>croissante</FONT>"), std::string::npos);
  EXPECT_NE(texte_exercice.find("..."), std::string::npos);
}

TEST_F(PoseQuestion, EnterMovesOnValidatesOrStartsAndCtrlGCopies) {
  poser("Combien ?", "T[1.];T[2.]", {"1", "2"}, {"1", "2"});
  EXPECT_TRUE(touche_reponse(0, touche_entree));
  EXPECT_EQ(ecran.focus, 1);
  EXPECT_TRUE(ecran.exercice.back().find("Bravo") == std::string::npos);

  EXPECT_TRUE(touche_reponse(1, touche_entree));  // validates
  EXPECT_TRUE(reponse_correcte);
  EXPECT_FALSE(exercice_en_cours);
  EXPECT_EQ(ecran.commencements, 0);

  EXPECT_TRUE(touche_reponse(1, touche_entree));  // the start button is enabled now
  EXPECT_EQ(ecran.commencements, 1);

  EXPECT_TRUE(touche_reponse(0, touche_copie));
  EXPECT_EQ(ecran.presse_papiers, texte_exercice);
  EXPECT_FALSE(touche_reponse(0, 'a'));
}

TEST_F(PoseQuestion, HintPagesWalkForwardAndBack) {
  const std::string retour = "<P ALIGN=RIGHT><A HREF=-1>Retour \xE0 l'exercice</A></P><BR><BR>";
  const std::string precedente = "<A HREF=-2>Page Pr\xE9" "c\xE9" "dente</A><BR><BR>";
  afficher_page_aide("un", 1);
  EXPECT_EQ(texte_aide, retour + "un");
  afficher_page_aide("", 1);
  EXPECT_EQ(texte_aide, precedente + retour + "<BR>" + catalogue_textes.txt_aucune_aide_disponible);
  page_aide_precedente();
  EXPECT_EQ(texte_aide, retour + "un");
  EXPECT_EQ(ecran.aide.back(), texte_aide);
  EXPECT_EQ(historique_aide.size(), 1U);

  // One page left: nothing before it; popping never empties below one page.
  page_aide_precedente();
  EXPECT_EQ(historique_aide.size(), 1U);
  historique_aide.clear();
  afficher_page_aide("deux", -1);
  EXPECT_EQ(historique_aide, (std::vector<std::string>{"deux"}));

  // Nothing while the hint panel is hidden.
  ecran.panneau_aide = false;
  const std::size_t dessins = ecran.aide.size();
  afficher_page_aide("trois", 1);
  EXPECT_EQ(ecran.aide.size(), dessins);
  EXPECT_EQ(historique_aide.size(), 1U);
}

TEST(SourceAleatoire, AFixedSeedKeepsItsSequenceAndTheProgramSourceStepsRandSeed) {
  SourceAleatoire a(1234);
  SourceAleatoire b(1234);
  for (int i = 0; i < 1000; ++i) {
    const int n = 1 + i % 97;
    const int x = a.Random(n);
    EXPECT_EQ(x, b.Random(n));
    ASSERT_GE(x, 0);
    ASSERT_LT(x, n);
    const int y = a.RandomRange(-5, 5);
    b.Randomize();  // a fixed source keeps its sequence
    EXPECT_EQ(y, b.RandomRange(-5, 5));
    ASSERT_GE(y, -5);
    ASSERT_LT(y, 5);
  }
  EXPECT_EQ(a.Random(0), 0);
  EXPECT_EQ(a.RandomRange(3, 3), 3);

  RandSeed = 1234;
  SourceAleatoire programme;
  SourceAleatoire copie(1234);
  EXPECT_EQ(programme.Random(1000), copie.Random(1000));
  EXPECT_EQ(RandSeed, copie.graine());
}

}  // namespace
