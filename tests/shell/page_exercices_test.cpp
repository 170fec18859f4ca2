// The Exercices page on a whole program: who may start, what starting and
// repeating set, the links of the exercise view and of the hint pages, the
// chart clicks that answer, the help requests and the test page. A fake
// generator answers for two catalogue entries; a pupil account is open. The
// hint page with its links is saved as a picture for review by eye.
#include <QAction>
#include <QLineEdit>
#include <QPrinter>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "exercises/catalogue_exercices.h"
#include "exercises/comptes.h"
#include "exercises/contexte_generateur.h"
#include "exercises/generateur.h"
#include "exercises/presentation.h"
#include "formula/formule.h"
#include "formula/selection.h"
#include "localisation/catalogue.h"
#include "localisation/nombres.h"
#include "platform/chart/chart.h"
#include "platform/image_hote.h"
#include "platform/ini/fichier_ini.h"
#include "platform/ini/fichiers_aide.h"
#include "platform/systeme/aide_html.h"
#include "platform/texte_qt.h"
#include "programme_de_test.h"
#include "shell/parametres_principaux.h"

namespace {

namespace fs = std::filesystem;

constexpr int code_essai = 1411;
constexpr int code_autre = 1412;
const QSize taille_fenetre(800, 600);
constexpr int niveaux_de_disposition = 4;
constexpr const char* page_1411 = "Indice de 1411<BR><A HREF=1311>Voir la suite</A>   <A HREF=1x11>Rien</A>";
constexpr const char* page_1311 = "La suite, dans Aide3<BR><A HREF=1411>Revenir au d\xE9" "but</A>";

using Axe = GraphiqueExercice::Axe;

// What the fake generator asks next, and on which chart.
enum class Graphe { aucun, vide, points };
struct Question {
  std::string format = "T";
  std::vector<std::string> reponses = {"1"};
  Graphe graphe = Graphe::aucun;
};
Question question;
std::vector<int> entrees_posees;  // exercice_courant at each question

void generateur_essai(ContexteGenerateur& contexte) {
  entrees_posees.push_back(exercice_courant);
  contexte.presentateur.preparer_exercice();
  if (question.graphe != Graphe::aucun) {
    GraphiqueExercice& g = contexte.graphique;
    g.RemoveAllSeries();
    const int serie = g.NewPointSeries();
    if (question.graphe == Graphe::points) {
      for (int x = 1; x < 10; ++x) g.AddXY(serie, x, x);
    }
    for (const Axe axe : {Axe::gauche, Axe::bas}) {
      g.SetMinMax(axe, 0, 10);
      g.SetAutomatic(axe, false);
    }
    g.SetVisible(true);
    g.SetEnabled(true);
  }
  contexte.presentateur.poser_question("Question", question.format, question.reponses, "c", true);
}

class PageExercices : public essai::Programme {
 protected:
  void SetUp() override {
    Programme::SetUp();
    parametres("[generales]\nmasquer_configuration=1\n");
    const fs::path francais = dossier_ / "parametres" / "Fran\xC3\xA7" "ais";
    essai::ecrire_octets(francais / "Aide4.ini", essai::crlf("[Exercices]\n1411=" + std::string(page_1411) + "\n"));
    essai::ecrire_octets(francais / "Aide3.ini", essai::crlf("[Exercices]\n1311=" + std::string(page_1311) + "\n"));
    question = {};
    entrees_posees.clear();
    ASSERT_TRUE(demarrer());
    for (const int code : {code_essai, code_autre}) {
      exercices.generateur[static_cast<std::size_t>(exercices.indice_du_code(code))] = generateur_essai;
    }
    essai::ecrire_octets(dossier_ / "parametres" / "eleve.cpt", essai::crlf("[Utilisateur]\npassword=x\nclasse=3\n"));
    ASSERT_TRUE(ouvrir_compte("eleve"));
    exercices_selectionnes = {exercices.indice_du_code(code_essai)};
    precedent_ = installer_recepteur_aide([this](const DemandeAide& d) { demandes_.push_back(d); });
    f().resize(taille_fenetre);
    f().TBexercicesClick();
    disposer();
  }

  void TearDown() override {
    installer_recepteur_aide(precedent_);
    fermer_session();
    Programme::TearDown();
  }

  static void disposer() {
    for (int niveau = 0; niveau < niveaux_de_disposition; ++niveau) QCoreApplication::processEvents();
  }

  // Starts the fake entry with this question, as after a verdict.
  void poser(const Question& q) {
    question = q;
    exercice_en_cours = false;
    f().AcommencerExecute();
    ASSERT_TRUE(exercice_en_cours);
    disposer();
  }

  // Moves onto the link of the page, presses and releases there.
  static void cliquer_lien(ImageHote* image, Emplacement emplacement, const std::string& cible) {
    const Tformule* vue = formule_de(emplacement);
    ASSERT_NE(vue, nullptr);
    for (const Tlien& lien : vue->liens) {
      if (lien.cible != cible) continue;
      const Tcellule* cellule = cellule_a(vue->lignes, {lien.ligne_debut, lien.cellule_debut});
      ASSERT_NE(cellule, nullptr);
      const int x = (cellule->gauche + cellule->droite) / 2;
      const int y = cellule->haut + 2;
      image->souris_deplacee(0, x, y);
      image->souris_appuyee(BoutonSouris::gauche, etat_gauche, x, y);
      image->souris_relachee(BoutonSouris::gauche, 0, x, y);
      return;
    }
    FAIL() << "no link " << cible << " on " << vue->source;
  }


  std::vector<std::string> messages() {
    std::vector<std::string> textes;
    for (const auto& invite : messages_->journal) textes.push_back(invite.genre + ":" + invite.texte);
    return textes;
  }

  std::string champ(int creneau) { return f().texte_controle(creneau); }
  QToolButton* bouton(const char* nom) { return f().findChild<QToolButton*>(QLatin1String(nom)); }
  QLineEdit* zone(const char* nom) { return f().findChild<QLineEdit*>(QLatin1String(nom)); }

  std::vector<DemandeAide> demandes_;
  RecepteurAide precedent_;
};

// ---- Starting ----

TEST_F(PageExercices, StartingDependsOnWhatRunsAndWhoIsLoggedIn) {
  ASSERT_NO_FATAL_FAILURE(poser({}));
  EXPECT_FALSE(f().Commencer1->isVisible());
  EXPECT_FALSE(f().TBcommencer->isEnabled());
  EXPECT_FALSE(f().TBrecommencer->isEnabled());
  EXPECT_FALSE(f().Caide1->isHidden());
  EXPECT_FALSE(f().P_reponse->isHidden());
  EXPECT_EQ(entrees_posees, std::vector<int>{exercices.indice_du_code(code_essai)});

  // While a question waits: the reminder only.
  messages_->journal.clear();
  f().AcommencerExecute();
  EXPECT_EQ(messages(), std::vector<std::string>{"message:" + catalogue_textes.txt_repondez_question_posee});
  EXPECT_EQ(entrees_posees.size(), 1u);

  // The administrator, in any case: the refusal only.
  exercice_en_cours = false;
  messages_->journal.clear();
  utilisateur_courant = "CoordinatriXel";
  f().AcommencerExecute();
  EXPECT_EQ(messages(), std::vector<std::string>{"message:" + catalogue_textes.txt_pouvez_executer_fonction});
  EXPECT_FALSE(exercice_en_cours);

  // Nobody: the session starts (the account dialog) and nothing else.
  fermer_session();
  messages_->journal.clear();
  f().AcommencerExecute();
  EXPECT_EQ(messages(), std::vector<std::string>{"modale:TFiche_choix_exo"});
  EXPECT_FALSE(exercice_en_cours);
  EXPECT_EQ(entrees_posees.size(), 1u);
}

TEST_F(PageExercices, TheHintPanelFollowsTheSettingAndNothingToStartUndoesTheStart) {
  ini_principal->ecrire_booleen("Exercices", "Aide", false);
  ASSERT_NO_FATAL_FAILURE(poser({}));
  EXPECT_TRUE(f().Caide1->isHidden());

  // A verdict gave the buttons back; then no entry can be drawn.
  exercice_en_cours = false;
  f().Commencer1->setVisible(true);
  f().TBcommencer->setEnabled(true);
  for (const bool recommencer : {true, false}) {
    f().TBrecommencer->setEnabled(recommencer);
    exercices_selectionnes.clear();
    f().AcommencerExecute();
    EXPECT_FALSE(exercice_en_cours);
    EXPECT_TRUE(f().Commencer1->isVisible());
    EXPECT_TRUE(f().TBcommencer->isEnabled());
    EXPECT_EQ(f().TBrecommencer->isEnabled(), recommencer);
  }
  EXPECT_EQ(entrees_posees.size(), 1u);
}

TEST_F(PageExercices, RepeatingRerunsTheSameEntryAndContinuingDrawsAgain) {
  const int autre = exercices.indice_du_code(code_autre);
  exercices_selectionnes = {exercices.indice_du_code(code_essai), autre};
  ASSERT_NO_FATAL_FAILURE(poser({}));
  exercice_courant = autre;
  for (int fois = 0; fois < 10; ++fois) {
    exercice_en_cours = false;
    f().TBrecommencerClick();
    EXPECT_TRUE(exercice_en_cours);
    EXPECT_FALSE(f().TBcommencer->isEnabled());
    EXPECT_FALSE(f().TBrecommencer->isEnabled());
    f().BRecommencerClick();
  }
  // The first question was drawn; every later one is the entry repeated.
  ASSERT_EQ(entrees_posees.size(), 21u);
  for (std::size_t i = 1; i < entrees_posees.size(); ++i) EXPECT_EQ(entrees_posees[i], autre);
  // Continuing draws among the enabled entries: both come up.
  for (int fois = 0; fois < 40; ++fois) f().BcontinuerClick();
  const std::vector<int> tires(entrees_posees.end() - 40, entrees_posees.end());
  EXPECT_NE(std::count(tires.begin(), tires.end(), autre), 0);
  EXPECT_NE(std::count(tires.begin(), tires.end(), autre), 40);
}

// A dialog's event loop clicking start again is ignored.
TEST_F(PageExercices, StartingInsideTheLoginDialogIsIgnored) {
  fermer_session();
  int ouvertures = 0;
  messages_->modale = [&](const std::string&) {
    // Bounded, so that a missing guard fails instead of recursing for ever.
    if (++ouvertures < 3) f().AcommencerExecute();
    return 0;
  };
  f().AcommencerExecute();
  EXPECT_EQ(ouvertures, 1);
}

// So is the login link clicked again inside the dialog it opened.
TEST_F(PageExercices, TheLoginLinkClickedInsideItsDialogIsIgnored) {
  fermer_session();
  f().afficher_page("<A HREF=1>lien</A>");
  int ouvertures = 0;
  messages_->modale = [&](const std::string&) {
    if (++ouvertures < 3) cliquer_lien(f().Image1, Emplacement::exercice, "1");
    return 0;
  };
  ASSERT_NO_FATAL_FAILURE(cliquer_lien(f().Image1, Emplacement::exercice, "1"));
  EXPECT_EQ(ouvertures, 1);
}

// ---- Links ----

TEST_F(PageExercices, ExerciseLinksStartLoginShowTheHintAndRepeat) {
  const int entree = exercices.indice_du_code(code_essai);
  struct Cas {
    std::string lien;
    std::size_t questions;  // questions asked after the click
    std::vector<std::string> messages;
  };
  const std::vector<Cas> cas{
      {"abc", 0, {}}, {"2", 1, {}}, {"4", 1, {}}, {"5", 1, {}}, {"1", 0, {"modale:TFiche_choix_exo"}},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.lien);
    exercice_en_cours = false;
    exercice_courant = entree;
    entrees_posees.clear();
    messages_->journal.clear();
    f().afficher_page("<A HREF=" + c.lien + ">lien</A>");
    EXPECT_EQ(f().Image1->curseur(), Curseur::defaut);
    ASSERT_NO_FATAL_FAILURE(cliquer_lien(f().Image1, Emplacement::exercice, c.lien));
    EXPECT_EQ(entrees_posees.size(), c.questions);
    EXPECT_EQ(messages(), c.messages);
    EXPECT_EQ(f().Image1->curseur(), Curseur::defaut);
  }
}

TEST_F(PageExercices, HintLinksWalkThePagesOfTheHelpFiles) {
  ASSERT_NO_FATAL_FAILURE(poser({}));
  f().Caide1->hide();
  historique_aide = {"ancienne"};
  ASSERT_NO_FATAL_FAILURE(cliquer_lien(f().Image1, Emplacement::exercice, "3"));
  EXPECT_EQ(f().page_active(), f().TSaide);
  EXPECT_FALSE(f().Caide1->isHidden());
  EXPECT_EQ(Tfichier_ini(fichier_parametres().string()).lire_texte("Exercices", "Aide"), "1");
  ASSERT_EQ(historique_aide.size(), 1u);
  EXPECT_NE(texte_aide.find(page_1411), std::string::npos) << texte_aide;
  EXPECT_NE(texte_aide.find("<A HREF=-1>"), std::string::npos);

  ASSERT_NO_FATAL_FAILURE(cliquer_lien(f().Image7, Emplacement::aide, "1311"));
  ASSERT_EQ(historique_aide.size(), 2u);
  EXPECT_NE(texte_aide.find(page_1311), std::string::npos) << texte_aide;
  EXPECT_NE(texte_aide.find("<A HREF=-2>"), std::string::npos);
  disposer();
  fs::create_directories(PRALINORE_CAPTURES);
  EXPECT_TRUE(f().TSaide->grab().save(QString::fromStdString(std::string(PRALINORE_CAPTURES) + "/page_aide.png")));

  ASSERT_NO_FATAL_FAILURE(cliquer_lien(f().Image7, Emplacement::aide, "-2"));
  EXPECT_EQ(historique_aide.size(), 1u);
  EXPECT_NE(texte_aide.find(page_1411), std::string::npos);

  // A key whose second character names no file does nothing.
  const std::string avant = texte_aide;
  ASSERT_NO_FATAL_FAILURE(cliquer_lien(f().Image7, Emplacement::aide, "1x11"));
  EXPECT_EQ(texte_aide, avant);
  EXPECT_EQ(historique_aide.size(), 1u);
  EXPECT_EQ(f().Image7->curseur(), Curseur::defaut);

  // The previous-page button, then the way back.
  ASSERT_NO_FATAL_FAILURE(cliquer_lien(f().Image7, Emplacement::aide, "1311"));
  bouton("TBprecedent")->click();
  EXPECT_EQ(historique_aide.size(), 1u);
  ASSERT_NO_FATAL_FAILURE(cliquer_lien(f().Image7, Emplacement::aide, "-1"));
  EXPECT_TRUE(f().Caide1->isHidden());
  EXPECT_EQ(f().page_active(), f().TabSheet1);
  f().montrer_page(f().TSaide);
  bouton("TBaide2")->click();
  EXPECT_EQ(f().page_active(), f().TabSheet1);
  EXPECT_TRUE(demandes_.empty());
}

// ---- Chart ----

TEST_F(PageExercices, ChartClicksWriteTheClickedValuesRoundedForTheirAnswers) {
  struct Cas {
    Question q;
    bool sur_serie;
    std::vector<std::string> ecrits;  // "~" + value: one decimal near it
  };
  const std::vector<Cas> cas{
      {{"T[x];T[y]", {"3", "7"}, Graphe::vide}, false, {"3", "7"}},
      {{"T[x];T[y]", {"2.5", "7"}, Graphe::vide}, false, {"~3.4", "7"}},
      {{"T[x];T[y]", {"3", "7"}, Graphe::points}, true, {"3", ""}},
      {{"T[x];T[y]", {"3", "7"}, Graphe::points}, false, {"", ""}},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.q.reponses[0] + (c.sur_serie ? " series" : " background"));
    ASSERT_NO_FATAL_FAILURE(poser(c.q));
    ASSERT_TRUE(f().Graph->isEnabled());
    const QPoint pixel = f().Graph->Map().pixel(3.4, 6.6).toPoint();
    const int entree = exercice_courant;
    if (c.sur_serie) {
      emit f().Graph->ClickSeries(f().Graph->Series(0).get(), 2, Qt::LeftButton, pixel);
    } else {
      emit f().Graph->ClickBackground(Qt::LeftButton, pixel);
    }
    for (int i = 0; i < 2; ++i) {
      const std::string& attendu = c.ecrits[static_cast<std::size_t>(i)];
      if (attendu.empty() || attendu[0] != '~') {
        EXPECT_EQ(champ(i), attendu) << i;
        continue;
      }
      const std::optional<double> valeur = lire_nombre(champ(i));
      ASSERT_TRUE(valeur.has_value()) << champ(i);
      EXPECT_NEAR(*valeur, *lire_nombre(attendu.substr(1)), 0.15);
      EXPECT_EQ(champ(i).size(), 3u) << champ(i);
    }
    EXPECT_EQ(exercice_courant, entree);
  }
}

TEST_F(PageExercices, ClickingPlacesThePointOf1118ThroughTheBackgroundAndTheAxis) {
  exercices_selectionnes = {exercices.indice_du_code(1118)};
  exercice_en_cours = false;
  f().AcommencerExecute();
  disposer();
  ASSERT_EQ(creneaux_reponse.size(), 1u);
  EXPECT_FALSE(f().saisie_visible());
  const int entree = exercice_courant;
  QPoint pixel = f().Graph->Map().pixel(3.4, 5).toPoint();
  emit f().Graph->ClickBackground(Qt::LeftButton, pixel);
  EXPECT_EQ(champ(0), "3");
  pixel = f().Graph->Map().pixel(6.6, 5).toPoint();
  emit f().Graph->ClickAxis(&f().Graph->BottomAxis(), Qt::LeftButton, pixel);
  EXPECT_EQ(champ(0), "7");
  EXPECT_EQ(exercice_courant, entree);

  // Without answer fields nothing is written, not even into a control left
  // on the panel.
  f().definir_texte_controle(0, "");
  creneaux_reponse.clear();
  emit f().Graph->ClickBackground(Qt::LeftButton, pixel);
  EXPECT_EQ(champ(0), "");
}

// ---- Help and the test page ----

// Context help off the Exercices page is the contents, as the menu item.
TEST_F(PageExercices, HelpAsksForTheContentsAndForASearch) {
  f().TBcalculsClick();
  f().Aaide_contextuelleExecute();
  f().findChild<QAction*>(QStringLiteral("AidedPralinore1"))->trigger();
  f().findChild<QAction*>(QStringLiteral("Rechercher2"))->trigger();
  ASSERT_EQ(demandes_.size(), 3u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(demandes_[i].fichier, fichier_aide);
    EXPECT_EQ(demandes_[i].commande, HH_DISPLAY_TOC);
    EXPECT_EQ(demandes_[i].donnees, 0);
    EXPECT_FALSE(demandes_[i].recherche.has_value());
  }
  EXPECT_EQ(demandes_[2].commande, HH_DISPLAY_SEARCH);
  ASSERT_TRUE(demandes_[2].recherche.has_value());
  const HH_FTS_QUERY& r = *demandes_[2].recherche;
  EXPECT_EQ(r.cbStruct, 32);
  EXPECT_TRUE(r.pszSearchQuery.empty());
  EXPECT_EQ(r.iProximity, -1);
  EXPECT_FALSE(r.fStemmedSearch);
  EXPECT_FALSE(r.fTitleOnly);
  EXPECT_TRUE(r.fExecute);
  EXPECT_TRUE(r.pszWindow.empty());
}

TEST_F(PageExercices, TestPageRendersPrintsAndScramblesBackAndForth) {
  const std::string texte = "Abc {x^2} \xE9t\xE9 <A HREF=lien>ici</A>";
  zone("Edit6")->setText(depuis_1252(texte));
  f().Button6Click();
  Tformule* vue = formule_de(Emplacement::autre);
  ASSERT_NE(vue, nullptr);
  EXPECT_EQ(vue->image, f().Image6);
  EXPECT_EQ(vue->source, texte);

  vue->lien_survole = "lien";
  f().Image6->souris_relachee(BoutonSouris::gauche, 0, 0, 0);
  EXPECT_EQ(messages(), std::vector<std::string>{"message:lien"});

  const fs::path pdf = dossier_ / "test.pdf";
  QPrinter imprimante;
  imprimante.setOutputFormat(QPrinter::PdfFormat);
  imprimante.setOutputFileName(QString::fromStdString(pdf.string()));
  f().imprimante_choisie = [&] { return &imprimante; };
  f().Button8Click();
  EXPECT_GT(fs::file_size(pdf), 0u);

  for (const std::string& clair : {texte, std::string("~ !09AZaz"), std::string()}) {
    zone("Edit7")->setText(depuis_1252(clair));
    f().Button7Click();
    if (!clair.empty()) {
      EXPECT_NE(vers_1252(zone("Edit7")->text()), clair);
    }
    f().Button7Click();
    EXPECT_EQ(vers_1252(zone("Edit7")->text()), clair);
  }
}

}  // namespace
