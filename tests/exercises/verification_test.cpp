#include <filesystem>
#include <functional>
#include <set>

#include "localisation/chrono.h"
#include "localisation/nombres.h"
#include "platform/ini/fichier_ini.h"
#include "poste_exercice.h"

namespace {

using essai::PosteExercice;

TEST(Verification, NormalisesLengthsAndShortDecimals) {
  struct Normalise { std::string texte, attendu; };
  for (const Normalise& c : {Normalise{"A B c", "abc"}, Normalise{" X^2 + 1 ", "x^2+1"},
                             Normalise{"\xC9t\xC9", "\xC9t\xC9"}, Normalise{"", ""}, Normalise{"Z@[a", "z@[a"}}) {
    EXPECT_EQ(normaliser_reponse(c.texte), c.attendu) << c.texte;
  }
  EXPECT_EQ(longueur_totale({}), 0);
  EXPECT_EQ(longueur_totale({"ab", "", "cde"}), 5);

  struct Court { std::string texte; bool attendu; };
  for (const Court& c : {Court{"0.5", true}, Court{"0.07", true}, Court{"12.3456", true}, Court{"0.57", true},
                         Court{"1.005", true}, Court{"-2.25", true}, Court{"1E-4", true}, Court{"3", false},
                         Court{"0.12345", false}, Court{"1E-5", false}, Court{"1E20", false}, Court{"0", false},
                         Court{"abc", false}, Court{"", false}, Court{"2.50000", true}}) {
    EXPECT_EQ(decimal_court(c.texte), c.attendu) << c.texte;
  }
}

TEST(Verification, MatchesAnswersInOrderOrEachWithOneOfItsOwn) {
  struct Cas {
    std::vector<std::string> attendues, donnees;
    bool ordonnees;
    bool juste;
    std::vector<bool> trouvees;
    std::vector<bool> choix;
  };
  const std::vector<Cas> cas = {
      {{"2", "2"}, {"2", "2"}, false, true, {true, true}, {}},
      {{"2", "2"}, {"2", "3"}, false, false, {true, false}, {}},
      {{"1", "2", "1"}, {"1", "1", "2"}, false, true, {true, true, true}, {}},
      {{"1", "2"}, {"2", "1"}, false, true, {true, true}, {}},
      {{"1", "2"}, {"2", "1"}, true, false, {false, false}, {}},
      {{"1", "2"}, {"1", "2"}, true, true, {true, true}, {}},
      {{"3", "3"}, {"1", "3"}, false, false, {false, true}, {}},
      // The last given answer taken already: the later expected ones are not looked at...
      {{"3", "3", "1"}, {"1", "x", "3"}, false, false, {false, false, true}, {}},
      // ...otherwise they still get their flags.
      {{"3", "3", "1"}, {"1", "3", "x"}, false, false, {true, true, false}, {}},
      {{"1", "2"}, {"1"}, false, false, {false, false}, {}},
      {{"1"}, {"1", "1"}, true, false, {false}, {}},
      {{"x+1", "2*x"}, {"x*2", "1+x"}, false, true, {true, true}, {}},
      // A wrong first answer leaves the result false even when later ones match.
      {{"5", "2"}, {"2", "3"}, false, false, {true, false}, {}},
      // Lists compare as text.
      {{"<"}, {">"}, true, false, {false}, {true}},
      {{"<"}, {"<"}, true, true, {true}, {true}},
      {{"x<2"}, {"2>x"}, true, false, {false}, {true}},
  };
  for (std::size_t i = 0; i < cas.size(); ++i) {
    std::vector<bool> trouvees{true, true, true, true};
    EXPECT_EQ(verifier_reponses(cas[i].attendues, cas[i].donnees, cas[i].ordonnees, trouvees, "", cas[i].choix),
              cas[i].juste)
        << i;
    EXPECT_EQ(trouvees, cas[i].trouvees) << i;
  }
  EXPECT_EQ(trouve_equivalent("4", {"3", "2+2", "4"}, ""), 1);
  EXPECT_EQ(trouve_equivalent("4", {"3"}, ""), -1);
}

TEST(Verification, AnyOrderOfTheExpectedAnswersIsRightAndOneChangedIsWrong) {
  constexpr int essais = 200;
  constexpr int valeurs = 4;  // small values, so that answers repeat
  SourceAleatoire hasard(7);
  for (int e = 0; e < essais; ++e) {
    std::vector<std::string> attendues;
    for (int n = 1 + hasard.Random(4); n > 0; --n) attendues.push_back(texte_entier(hasard.Random(valeurs)));
    std::vector<std::string> donnees = attendues;
    for (std::size_t i = donnees.size(); i > 1; --i) {
      std::swap(donnees[i - 1], donnees[static_cast<std::size_t>(hasard.Random(static_cast<int>(i)))]);
    }
    std::vector<bool> trouvees;
    ASSERT_TRUE(verifier_reponses(attendues, donnees, false, trouvees, "")) << e;
    EXPECT_EQ(trouvees, std::vector<bool>(attendues.size(), true)) << e;
    donnees[static_cast<std::size_t>(hasard.Random(static_cast<int>(donnees.size())))] = "9";
    EXPECT_FALSE(verifier_reponses(attendues, donnees, false, trouvees, "")) << e;
  }
}

class Validation : public PosteExercice {
 protected:
  void SetUp() override {
    PosteExercice::SetUp();
    fichier_compte = (dossier_ / "eleve.cpt").string();
  }
  int lire_score(std::string_view cle) const { return Tfichier_ini(fichier_compte).lire_entier("Utilisateur", cle, -1); }
};

const std::string bravo = "Bravo, c'est une bonne r\xE9ponse.";
const std::string faux = "C'est faux!";

TEST_F(Validation, JudgesColoursCountsAndWritesTheVerdict) {
  constexpr std::uint32_t juste = couleur_juste;
  constexpr std::uint32_t rouge = couleur_fausse;
  constexpr std::uint32_t jaune = couleur_simplifiable;
  constexpr std::uint32_t neutre = 0xFFFFFF;
  struct Cas {
    std::string nom;
    std::string question, format;
    std::vector<std::string> attendues, saisies;
    bool ordonnees;
    int bonnes, total;  // the score afterwards; total -1: not judged
    std::vector<std::uint32_t> couleurs;
    std::vector<std::string> present, absent;
  };
  const std::vector<Cas> cas = {
      {"simplifiable", "Calculer", "T", {"4"}, {"2+2"}, true, 1, 1, {jaune},
       {bravo, "Cepandant votre r\xE9sultat aurait pu \xEAtre simplifi\xE9 en : 3"}, {faux}},
      {"simple", "Calculer", "T", {"4"}, {" 4 "}, true, 1, 1, {juste}, {bravo}, {"Cepandant"}},
      {"pas un nombre", "Calculer", "T", {"3"}, {"abc"}, true, 0, -1, {neutre}, {}, {bravo, faux}},
      {"vide", "Calculer", "T", {"3"}, {""}, true, 0, 1, {rouge},
       {"<FONT COLOR=red>La bonne r\xE9ponse \xE9tait 3.</FONT>"}, {faux}},
      {"un champ vide", "Calculer", "T;T", {"1", "2"}, {"1", ""}, true, 0, 1, {juste, rouge},
       {faux + "<BR>Vous avez r\xE9pondu {1}.<BR>La bonne r\xE9ponse \xE9tait 3."}, {}},
      {"2 2 contre 2 3", "Calculer", "T;T", {"2", "2"}, {"2", "3"}, false, 0, 1, {juste, rouge}, {"{2};{3}"}, {}},
      {"dans l'ordre", "Calculer", "T;T", {"1", "2"}, {"2", "1"}, true, 0, 1, {rouge, rouge}, {faux}, {}},
      {"en place", "x = ...", "T", {"3"}, {"5"}, true, 0, 1, {rouge},
       {"x = <FONT COLOR=blue>5</FONT>", "La bonne r\xE9ponse \xE9tait 3."}, {faux, "..."}},
      {"en place juste", "x = ... !", "T", {"3"}, {"3"}, true, 1, 1, {juste},
       {"x = <FONT COLOR=blue>3</FONT> !", bravo}, {}},
      {"points sans place", "x = ... et y = ...", "T;T", {"3", "4"}, {"3", "5"}, true, 0, 1, {juste, rouge},
       {"x = ... et y = ...", "Vous avez r\xE9pondu {3};{5}."}, {}},
      {"liste juste", "La suite est", "C(<;>)", {">"}, {">"}, true, 1, 1, {juste}, {bravo}, {}},
      {"liste longue", "Signe", "C(+;plus)", {"+"}, {"plus"}, true, 0, 1, {rouge}, {"{plus}"}, {}},
      {"balisage tape", "Calculer", "T", {"x"}, {"</FONT>{<A HREF=1>%s"}, true, 0, 1, {rouge},
       {"Vous avez r\xE9pondu {</font>{<ahref=1>%s}."}, {}},
  };
  for (const Cas& c : cas) {
    std::filesystem::remove(fichier_compte);
    ecran.commencer = false;
    ecran.total = -1;
    ecran.bonnes = -1;
    poser(c.question, c.format, c.attendues, c.saisies);
    reponses_ordonnees = c.ordonnees;
    const std::size_t messages_avant = messages->journal.size();
    valider_reponses();
    const bool juge = c.total >= 0;
    EXPECT_EQ(jugeable, juge) << c.nom;
    EXPECT_EQ(exercice_en_cours, !juge) << c.nom;
    EXPECT_EQ(ecran.commencer, juge) << c.nom;
    EXPECT_EQ(ecran.total, c.total) << c.nom;
    EXPECT_EQ(ecran.bonnes, juge ? c.bonnes : -1) << c.nom;
    if (juge) {
      EXPECT_EQ(lire_score("nb_bonne_reponse"), c.bonnes) << c.nom;
      EXPECT_EQ(lire_score("nb_total_reponse"), c.total) << c.nom;
      EXPECT_EQ(ecran.exercice.back(), texte_exercice) << c.nom;
      EXPECT_NE(texte_exercice.find("<A HREF=4>Continuer</A>     <A HREF=5>Recommencer</A></P>"), std::string::npos);
    } else {
      EXPECT_FALSE(std::filesystem::exists(fichier_compte)) << c.nom;
      ASSERT_EQ(messages->journal.size(), messages_avant + 1) << c.nom;
      EXPECT_EQ(messages->journal.back().texte, catalogue_textes.txt_reponse_attendue_nombre) << c.nom;
    }
    for (std::size_t i = 0; i < c.couleurs.size(); ++i) EXPECT_EQ(ecran.couleur(static_cast<int>(i)), c.couleurs[i]) << c.nom << i;
    for (const std::string& p : c.present) EXPECT_NE(texte_exercice.find(p), std::string::npos) << c.nom << ": " << p;
    for (const std::string& a : c.absent) EXPECT_EQ(texte_exercice.find(a), std::string::npos) << c.nom << ": " << a;

    // Validating again after the verdict adds nothing.
    const std::string page = texte_exercice;
    const std::size_t dessins = ecran.exercice.size();
    if (juge) {
      valider_reponses();
      EXPECT_EQ(texte_exercice, page) << c.nom;
      EXPECT_EQ(ecran.exercice.size(), dessins) << c.nom;
      EXPECT_EQ(lire_score("nb_total_reponse"), c.total) << c.nom;
    }
  }
}

TEST_F(Validation, DoesNothingWithoutAnExpectedAnswerAndAsksForAPointOnTheChart) {
  poser("Q", "T", {}, {"1"});
  valider_reponses();
  EXPECT_TRUE(exercice_en_cours);
  EXPECT_TRUE(ecran.exercice.size() == 1);
  EXPECT_TRUE(messages->journal.empty());
  EXPECT_FALSE(std::filesystem::exists(fichier_compte));

  poser_question_simple("Placer le point", "2", "2");
  exercice_en_cours = true;
  ecran.graphe = true;
  valider_reponses();
  EXPECT_FALSE(jugeable);
  EXPECT_TRUE(exercice_en_cours);
  ASSERT_EQ(messages->journal.size(), 1U);
  EXPECT_EQ(messages->journal.back().texte, catalogue_textes.txt_devez_selectionner_point);
  EXPECT_FALSE(std::filesystem::exists(fichier_compte));
}

TEST_F(Validation, JumpsToAnEntryByItsCodeOnly) {
  const std::size_t entree_1411 = static_cast<std::size_t>(essai::indice_1411);
  ASSERT_EQ(exercices.code[entree_1411], 1411);
  ASSERT_EQ(exercices.indice_du_code(411), -1);
  poser("Q", "T", {"x+1"}, {"exo-1411"});
  valider_reponses();
  EXPECT_EQ(exercice_courant, essai::indice_1411);
  EXPECT_EQ(ecran.reprises, 1);
  EXPECT_EQ(essai::appels_generateur, 1);
  EXPECT_TRUE(exercice_en_cours);
  EXPECT_EQ(reponses_attendues, std::vector<std::string>{"4"});
  EXPECT_FALSE(std::filesystem::exists(fichier_compte));

  for (const std::string texte : {"exo 1411", "exo", "exoabcd", "EXO-1411x", "exo-99999", "exo+"}) {
    std::filesystem::remove(fichier_compte);
    ecran.commencer = false;
    const int reprises = ecran.reprises;
    const bool saut = texte == "EXO-1411x";  // lowered, then "1411"
    poser("Q", "T", {"x+1"}, {texte});
    valider_reponses();
    EXPECT_EQ(ecran.reprises, reprises + (saut ? 1 : 0)) << texte;
    if (saut) continue;
    EXPECT_FALSE(exercice_en_cours) << texte;
    EXPECT_EQ(lire_score("nb_total_reponse"), 1) << texte;
  }
}

TEST_F(Validation, KeepsTheScoreInTheAccountFile) {
  compter_bonne_reponse();
  compter_mauvaise_reponse();
  EXPECT_EQ(lire_score("nb_bonne_reponse"), 1);
  EXPECT_EQ(lire_score("nb_total_reponse"), 2);
  EXPECT_EQ(ecran.bonnes, 1);
  EXPECT_EQ(ecran.total, 2);
  EXPECT_EQ(legende_score(2), "de bonnes r\xE9ponses sur 2 questions pos\xE9" "es");

  for (const std::string section : {"utilisateur", "UTILISATEUR"}) {
    ecrire("eleve.cpt", "[" + section + "]\r\nclasse=4\r\nnb_bonne_reponse=5\r\nnb_total_reponse=7\r\n");
    afficher_score();
    EXPECT_EQ(ecran.bonnes, 5);
    EXPECT_EQ(ecran.total, 7);
    compter_bonne_reponse();
    EXPECT_EQ(lire("eleve.cpt"), "[" + section + "]\r\nclasse=4\r\nnb_bonne_reponse=6\r\nnb_total_reponse=8\r\n");
  }

  // Unreadable counts start again from zero; no account, no file.
  ecrire("eleve.cpt", "[Utilisateur]\r\nnb_bonne_reponse=abc\r\n");
  compter_mauvaise_reponse();
  EXPECT_EQ(lire_score("nb_bonne_reponse"), 0);
  EXPECT_EQ(lire_score("nb_total_reponse"), 1);
  std::filesystem::remove(fichier_compte);
  fichier_compte.clear();
  compter_bonne_reponse();
  EXPECT_EQ(ecran.total, 0);
  EXPECT_TRUE(std::filesystem::is_empty(dossier_));
}

TEST_F(Validation, ChoosesOnlyAmongEnabledEntriesWithAGenerator) {
  exercice_courant = 7;
  EXPECT_EQ(choisir_exercice(-1), -1);
  EXPECT_EQ(ecran.options, 1);
  EXPECT_EQ(exercice_courant, 7);

  exercices_selectionnes = {0, 1, 38, essai::indice_1411, 134};
  std::set<int> tirees;
  for (int i = 0; i < 200; ++i) tirees.insert(choisir_exercice(-1));
  EXPECT_EQ(tirees, (std::set<int>{38, essai::indice_1411}));
  EXPECT_EQ(essai::appels_generateur, 200);
  EXPECT_EQ(ecran.options, 1);
  EXPECT_EQ(choisir_exercice(0), -1);

  mode_test = true;
  EXPECT_EQ(choisir_exercice(essai::indice_1411), essai::indice_1411);
  mode_test = false;
  const std::string titre = "<P ALIGN=CENTER><U>" + exercices.theme[static_cast<std::size_t>(essai::indice_1411)] + " :1411</U></P>";
  EXPECT_EQ(titre_exercice, titre);
  EXPECT_NE(texte_exercice.find(titre + "<BR><BR>Combien font 2+2 ?"), std::string::npos);
  EXPECT_EQ(ecran.controles.size(), 1U);

  // The start and repeat stand-ins run an entry with the buttons off.
  ecran.commencer = true;
  ecran.AcommencerExecute();
  EXPECT_TRUE(exercice_en_cours);
  EXPECT_FALSE(ecran.commencer);
  exercices_selectionnes = {0};
  exercice_en_cours = false;
  ecran.AcommencerExecute();
  EXPECT_FALSE(exercice_en_cours);
  EXPECT_TRUE(ecran.commencer);
}

}  // namespace
