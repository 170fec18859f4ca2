// Start-up, pages and shutdown of the main window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "components/controles/JvGradientCaption.h"
#include "engine/fonctions_usuelles.h"
#include "exercises/catalogue_exercices.h"
#include "exercises/contexte_generateur.h"
#include "localisation/catalogue.h"
#include "localisation/choix_langue.h"
#include "platform/aide_contextuelle_qt.h"
#include "platform/systeme/aide_html.h"
#include "platform/chart/chart.h"
#include "platform/couleur_qt.h"
#include "platform/messagerie_qt.h"
#include "programme_de_test.h"
#include "shell/accueil.h"
#include "shell/calcul_graphique.h"
#include "shell/configuration.h"
#include "shell/options_graphiques.h"
#include "shell/parametres_principaux.h"
#include "shell/version.h"

namespace {

using essai::Programme;

TEST_F(Programme, AMissingParametresFolderStopsBeforeAnyWindow) {
  std::filesystem::remove_all(dossier_ / "parametres");
  EXPECT_FALSE(demarrer());
  ASSERT_EQ(messages_->journal.size(), 1u);
  EXPECT_EQ(messages_->journal[0].texte, "Probl\xE8me d'installation, r\xE9installer l'application.");
  EXPECT_FALSE(f().isVisible());
  EXPECT_EQ(programme_->fenetres().size(), 1u);  // no other window was made
}

TEST_F(Programme, AFolderWithoutTheSettingsFileStartsOnTheDefaults) {
  std::filesystem::remove(fichier_parametres());
  ASSERT_TRUE(demarrer());
  EXPECT_EQ(f().page_active(), f().TabSheet5);
  EXPECT_EQ(f().windowTitle(), "Pralinore - Accueil");
  EXPECT_TRUE(f().Chart1->LegendVisible());
  ASSERT_EQ(messages_->journal.size(), 1u);  // the start-up configuration dialog
  EXPECT_EQ(messages_->journal[0].genre, "modale");
  EXPECT_EQ(messages_->journal[0].texte, "TFconfiguration");
}

TEST_F(Programme, WindowsComeInTheirOrderAndTheCaptionBarShowsTheVersion) {
  ASSERT_TRUE(demarrer());
  std::vector<std::string> noms;
  for (QWidget* w : programme_->fenetres()) noms.push_back(w->objectName().toStdString());
  EXPECT_EQ(noms, (std::vector<std::string>{"TFvorel", "TFiche_choix_exo", "TFapropos", "TFauto_pilote",
                                            "TFgraphique", "TFoptions_graphiques", "TFcalcul_graphique",
                                            "TFnouvel_objet", "TFconfiguration"}));
  EXPECT_EQ(vers_1252(f().JvGradientCaption1->text()), "PRALINORE v" + version_sans_build(version_fichier()));
  EXPECT_FALSE(f().JvGradientCaption1->Label()->isHidden());
  EXPECT_TRUE(f().isMaximized());
  EXPECT_EQ(f().minimumSize(), QSize(500, 470));
  EXPECT_EQ(Fconfiguration->windowTitle(), "Configuration  Pralinore");
}

TEST_F(Programme, CurvesComeBackCheckedWhateverTheirText) {
  parametres("[Graphiques]\n0=x^2;x\n1=sin(t);cos(t);t\n2=y=x;x\n");
  ASSERT_TRUE(demarrer());
  ASSERT_EQ(f().CLBcourbe->count(), 3);
  EXPECT_EQ(f().CLBcourbe->item(0)->text(), "x^2;x");
  EXPECT_EQ(f().CLBcourbe->item(1)->text(), "sin(t);cos(t);t");
  EXPECT_EQ(f().CLBcourbe->item(2)->text(), "y=x;x");  // after the first "=" only
  for (int i = 0; i < 3; ++i) EXPECT_EQ(f().CLBcourbe->item(i)->checkState(), Qt::Checked);
}

TEST_F(Programme, AMissingCurveSectionGivesAnEmptyList) {
  parametres("[generales]\nmasquer_configuration=1\n");
  ASSERT_TRUE(demarrer());
  EXPECT_EQ(f().CLBcourbe->count(), 0);
  EXPECT_EQ(f().Chart1->SeriesCount(), 0);
  EXPECT_TRUE(annotations_graphiques.empty());
  EXPECT_TRUE(messages_->journal.empty());
}

TEST_F(Programme, AnnotationsComeBackAsBlackFramelessShapes) {
  parametres("[Textes_Graphiques]\n0=Bonjour;-1;1;2;3\n1=a;b;-1;1;2;3\n2=faux;x;1;2;3\n3=;0.5;1E-5;-2;4\n");
  ASSERT_TRUE(demarrer());
  ASSERT_EQ(annotations_graphiques.size(), 3u);  // the line whose corner does not read is left out
  const TChartShape& bonjour = *annotations_graphiques[0];
  EXPECT_EQ(bonjour.Text(), std::vector<std::string>{"Bonjour"});
  EXPECT_EQ(bonjour.FontColor(), couleur_noire);
  EXPECT_FALSE(bonjour.ShowInLegend());
  EXPECT_FALSE(bonjour.PenVisible());
  EXPECT_EQ(bonjour.Style(), chasHorizLine);
  EXPECT_EQ(bonjour.X0(), -1);
  EXPECT_EQ(bonjour.X1(), 1);
  EXPECT_EQ(bonjour.Y0(), 2);
  EXPECT_EQ(bonjour.Y1(), 3);
  EXPECT_EQ(annotations_graphiques[1]->Text(), std::vector<std::string>{"a;b"});
  EXPECT_EQ(annotations_graphiques[2]->X1(), 1E-5);
  EXPECT_EQ(f().Chart1->SeriesCount(), 3);
  EXPECT_EQ(f().Chart1->Series(0).get(), annotations_graphiques[0].get());
}

TEST_F(Programme, EmptyChartSectionsGiveTheDefaultChart) {
  parametres("[OptionsGraphiques]\n\n[Options_graphiques]\n");
  ASSERT_TRUE(demarrer());
  const TChart& c = *f().Chart1;
  EXPECT_EQ(c.BottomAxis().Minimum(), -5);
  EXPECT_EQ(c.BottomAxis().Maximum(), 5);
  EXPECT_EQ(c.LeftAxis().Minimum(), -5);
  EXPECT_EQ(c.LeftAxis().Maximum(), 5);
  EXPECT_EQ(c.BottomAxis().PositionPercent(), 50);
  EXPECT_EQ(c.LeftAxis().PositionPercent(), 50);
  EXPECT_TRUE(c.LegendVisible());
  EXPECT_TRUE(c.BottomAxis().GridVisible());
  EXPECT_TRUE(c.LeftAxis().GridVisible());
  EXPECT_EQ(c.Color(), couleur_face_bouton);
  EXPECT_EQ(c.Title(), "");
  EXPECT_FALSE(f().Masquerlgende1->isChecked());
  EXPECT_TRUE(f().TBlegende->isChecked());
}

TEST_F(Programme, ChartOptionsAreAppliedAndABadBoundTakesItsDefault) {
  parametres("[OptionsGraphiques]\ntitre=Courbes\nxmin=-2\nxmax=8\nymin=abc\nymax=1E1\npourcentagex=20\n"
             "pourcentagey=0\nlegende=0\nquadrillage=0\n[Options_graphiques]\ncouleur=255\n");
  ASSERT_TRUE(demarrer());
  const TChart& c = *f().Chart1;
  EXPECT_EQ(c.Title(), "Courbes");
  EXPECT_EQ(c.BottomAxis().Minimum(), -2);
  EXPECT_EQ(c.BottomAxis().Maximum(), 8);
  EXPECT_EQ(c.LeftAxis().Minimum(), -5);
  EXPECT_EQ(c.LeftAxis().Maximum(), 10);
  EXPECT_EQ(c.BottomAxis().PositionPercent(), 20);
  EXPECT_EQ(c.LeftAxis().PositionPercent(), 0);
  EXPECT_FALSE(c.LegendVisible());
  EXPECT_FALSE(c.LeftAxis().GridVisible());
  EXPECT_EQ(c.Color(), couleur_rouge);
  EXPECT_TRUE(f().Masquerlgende1->isChecked());
  EXPECT_FALSE(f().TBlegende->isChecked());
}

// Each way out of the program rewrites both sections in full, unchecked
// curves included; they come back checked.
class Fermeture : public Programme, public testing::WithParamInterface<int> {};

TEST_P(Fermeture, EveryPathRewritesBothSections) {
  parametres("[generales]\nmasquer_configuration=1\n[Graphiques]\n5=x^2;x\n9=sin(t);cos(t);t\n"
             "[Textes_Graphiques]\n7=Bonjour;-1;1;2;3\n8=a;b;0.1;0.2;1E-7;123456789012345678\n[Outils]\nEn_calcul=x\n");
  ASSERT_TRUE(demarrer());
  f().CLBcourbe->item(1)->setCheckState(Qt::Unchecked);
  f().CLBcourbe->addItem(QStringLiteral("1;t"));
  annotations_graphiques[0]->SetX0(0.1 + 0.2);
  int ecritures = 0;
  ini_principal->definir_crochet_ecriture([&ecritures](Tetape_ecriture etape) {
    ecritures += etape == Tetape_ecriture::renommage ? 1 : 0;
    return true;
  });
  switch (GetParam()) {
    case 0: f().close(); break;
    case 1: f().AquitterExecute(); break;
    case 2: f().Quitter1Click(); break;
    case 3: f().TBquitterClick(); break;
  }
  EXPECT_FALSE(f().isVisible());
  EXPECT_EQ(ecritures, 1);  // both lists in one write
  EXPECT_EQ(contenu_parametres(),
            "[generales]\r\nmasquer_configuration=1\r\n"
            "[Graphiques]\r\n0=x^2;x\r\n1=sin(t);cos(t);t\r\n2=1;t\r\n"
            "[Textes_Graphiques]\r\n0=Bonjour;0.3;1;2;3\r\n1=a;b;0.1;0.2;1E-7;1.23456789012346E17\r\n"
            "[Outils]\r\nEn_calcul=x\r\n");
  arreter();  // closing once more writes nothing new
  const std::string apres = contenu_parametres();
  ASSERT_TRUE(demarrer());
  ASSERT_EQ(f().CLBcourbe->count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(f().CLBcourbe->item(i)->checkState(), Qt::Checked);
  EXPECT_EQ(annotations_graphiques[0]->X0(), 0.3);
  arreter();
  EXPECT_EQ(contenu_parametres(), apres);
}

INSTANTIATE_TEST_SUITE_P(QuatreChemins, Fermeture, testing::Values(0, 1, 2, 3));

// A line that is no annotation is kept under its key; the annotations
// written beside it take keys no kept line uses, so that no key stands twice.
// The subnormal corner goes back in 15 digits and reads as the same number.
TEST_F(Programme, AnAnnotationIsNeverWrittenUnderTheKeyOfAKeptLine) {
  struct Tcas {
    std::string lignes;
    std::string ecrites;
    double x0_petit;
  };
  const std::vector<Tcas> cas = {
      {"0=Haut;1;2;3;4\n1=Sans coins\n4=Petit;1e-320;0;0;0\n",
       "0=Haut;1;2;3;4\r\n1=Sans coins\r\n2=Petit;9.99988867182683E-321;0;0;0\r\n", 1e-320},
      {"0=Haut;1;2;3;4\n1=Sans coins\n2=Autre\n4=Petit;5;6;7;8\n",
       "0=Haut;1;2;3;4\r\n1=Sans coins\r\n2=Autre\r\n3=Petit;5;6;7;8\r\n", 5},
  };
  for (const Tcas& c : cas) {
    parametres("[generales]\nmasquer_configuration=1\n[Textes_Graphiques]\n" + c.lignes);
    ASSERT_TRUE(demarrer());
    ASSERT_EQ(annotations_graphiques.size(), 2u);
    f().close();
    arreter();
    const std::string ecrit = contenu_parametres();
    EXPECT_EQ(ecrit, "[generales]\r\nmasquer_configuration=1\r\n[Textes_Graphiques]\r\n" + c.ecrites);
    ASSERT_TRUE(demarrer());
    ASSERT_EQ(annotations_graphiques.size(), 2u);
    EXPECT_EQ(annotations_graphiques[1]->Text(), std::vector<std::string>{"Petit"});
    EXPECT_EQ(annotations_graphiques[1]->X0(), c.x0_petit);
    f().close();
    arreter();
    EXPECT_EQ(contenu_parametres(), ecrit);
  }
}

TEST_F(Programme, ThePageCaptionFollowsEverySwitch) {
  parametres("[generales]\nmasquer_configuration=1\n");
  ASSERT_TRUE(demarrer());
  f().TBcalculsClick();
  EXPECT_EQ(f().windowTitle(), "Pralinore - Calculs");
  f().dxWinXPBar2Items0Click();
  EXPECT_EQ(f().windowTitle(), "Pralinore - Exercices");
  f().ModuleGraphiques1Click();
  EXPECT_EQ(f().windowTitle(), "Pralinore - Graphiques");
  f().TBaccueil2Click();
  EXPECT_EQ(f().windowTitle(), "Pralinore - Accueil");
}

TEST_F(Programme, MenusAndButtonsFollowThePage) {
  parametres("[generales]\nmasquer_configuration=1\n");
  ASSERT_TRUE(demarrer());
  struct Page {
    void (TFvorel::*aller)();
    bool exercices, calcul, graphiques;
  };
  for (const Page& p : {Page{&TFvorel::TBexercicesClick, true, false, false},
                        Page{&TFvorel::TBcalculsClick, false, true, false},
                        Page{&TFvorel::TBgraphiquesClick, false, false, true},
                        Page{&TFvorel::TBaccueilClick, false, false, false}}) {
    (f().*p.aller)();
    EXPECT_EQ(f().TBcommencer->isEnabled(), p.exercices);
    EXPECT_EQ(f().Exercices2->menuAction()->isVisible(), p.exercices);
    EXPECT_EQ(f().Calculs1->menuAction()->isVisible(), p.calcul);
    EXPECT_EQ(f().Edition1->menuAction()->isVisible(), p.calcul);
    EXPECT_EQ(f().Nouvelobjet1->isEnabled(), p.calcul);
    EXPECT_EQ(f().Fonction1->menuAction()->isEnabled(), p.calcul);
    EXPECT_EQ(f().Graphique2->menuAction()->isVisible(), p.graphiques);
    EXPECT_EQ(f().Affichage1->menuAction()->isEnabled(), p.graphiques);
    EXPECT_EQ(f().Imprimer1->isEnabled(), p.graphiques);
    EXPECT_EQ(f().Enregistrer1->isEnabled(), p.exercices || p.calcul || p.graphiques);
    EXPECT_TRUE(f().Fichier->menuAction()->isVisible());
    EXPECT_TRUE(f().Aide1->menuAction()->isVisible());
  }
}

TEST_F(Programme, ExercisesKeepPiAloneAndOtherPagesAddTheUsersConstants) {
  parametres("[generales]\nmasquer_configuration=1\n");
  essai::ecrire_octets(dossier_ / "Constante.ini", "[Constante]\r\na=3\r\n");
  ASSERT_TRUE(demarrer());
  f().TBexercicesClick();
  EXPECT_EQ(constantes->indice("pi"), 0);
  EXPECT_EQ(constantes->indice("a"), -1);
  f().TBcalculsClick();
  ASSERT_GE(constantes->indice("a"), 0);
  EXPECT_EQ(constantes->valeurs[static_cast<std::size_t>(constantes->indice("a"))], "3");
}

TEST_F(Programme, TheHomePageListsTheCategoriesOnce) {
  parametres("[generales]\nmasquer_configuration=1\n");
  ASSERT_TRUE(demarrer());
  const std::string texte = TFvorel::texte_memo(f().memo2);
  const std::string debut =
      "Bienvenue sur Pralinore\r\n\r\nPralinore contient plus de 58 fonctions math\xE9matiques organis\xE9"
      "es en cat\xE9gorie : Fonctions usuelles, Calcul formel, ";
  EXPECT_EQ(texte.substr(0, debut.size()), debut);
  EXPECT_EQ(texte, texte_accueil(*fonctions_usuelles, dernier_indice_exercices(), themes_exercices()));
  EXPECT_EQ(texte.find("Calcul formel", debut.size()), std::string::npos);  // listed once
  EXPECT_NE(texte.find("134 types d'exercices pour le coll\xE8ge et le lyc\xE9"
                       "e traitant des th\xE8mes suivants: Initiation \xE0 la r\xE9solution d'\xE9quations, "
                       "Nombres relatifs et rep\xE9rages, "),
            std::string::npos);
}

TEST_F(Programme, ModulesAreHiddenWhileTheConfigurationDialogShows) {
  bool vu = false;
  messages_->modale = [&](const std::string& nom) {
    vu = nom == "TFconfiguration";
    EXPECT_TRUE(f().TBexercices->isHidden());
    EXPECT_TRUE(f().TBcalculs->isHidden());
    EXPECT_TRUE(f().TBgraphiques->isHidden());
    EXPECT_FALSE(f().Graphique2->menuAction()->isVisible());
    EXPECT_FALSE(Foptions_graphiques->PCoptions->isTabVisible(1));
    return 1;
  };
  ASSERT_TRUE(demarrer());
  EXPECT_TRUE(vu);
  EXPECT_FALSE(f().TBexercices->isHidden());
  EXPECT_FALSE(f().TBcalculs->isHidden());
  EXPECT_FALSE(f().TBgraphiques->isHidden());
  EXPECT_TRUE(f().ModuleGraphiques1->isVisible());
}

TEST_F(Programme, TheConfigurationDialogCanBeSkipped) {
  parametres("[generales]\nmasquer_configuration=1\n");
  ASSERT_TRUE(demarrer());
  EXPECT_TRUE(messages_->journal.empty());
  f().FormShow();  // shown once only
  EXPECT_TRUE(messages_->journal.empty());
}

TEST_F(Programme, TheStartPageIsHonouredEvenWithItsTabHidden) {
  for (const auto& [page, attendue] :
       {std::pair{4, 4}, std::pair{3, 3}, std::pair{5, 0}, std::pair{9, 0}, std::pair{-1, 0}}) {
    parametres("[generales]\nmasquer_configuration=1\npage_demarrage=" + std::to_string(page) + "\n");
    ASSERT_TRUE(demarrer());
    EXPECT_EQ(f().Classeur->currentIndex(), attendue) << page;
    EXPECT_FALSE(f().Classeur->isTabVisible(f().Classeur->currentIndex()));
    arreter();
  }
}

TEST_F(Programme, OnlyTheEditorTabToggles) {
  parametres("[generales]\nmasquer_configuration=1\npage_demarrage=2\n");
  ASSERT_TRUE(demarrer());
  f().afficher_module("editeur");
  EXPECT_TRUE(f().Classeur->isTabVisible(4));
  EXPECT_EQ(f().page_active(), f().TabSheet2);  // showing a tab does not move the page
  f().afficher_module("editeur");
  EXPECT_FALSE(f().Classeur->isTabVisible(4));
  for (QWidget* page : {f().TabSheet5, f().TabSheet1, f().TabSheet2, f().TabSheet3, f().TabSheet6,
                        f().TSStatistiques, f().TSaide}) {
    EXPECT_FALSE(f().Classeur->isTabVisible(f().Classeur->indexOf(page)));
  }
}

TEST_F(Programme, TheToolBarChoiceIsKeptAndTheLastInputComesBack) {
  parametres("[generales]\nmasquer_configuration=1\n[Outils]\nEn_calcul=x^2+1\n");
  ASSERT_TRUE(demarrer());
  EXPECT_EQ(f().Edit1->text(), "x^2+1");
  EXPECT_TRUE(f().Barredoutils1->isChecked());
  EXPECT_FALSE(f().Panel1->isHidden());
  f().Barredoutils1->trigger();
  EXPECT_FALSE(f().Barredoutils1->isChecked());
  EXPECT_TRUE(f().Panel1->isHidden());
  EXPECT_NE(contenu_parametres().find("barre_outils=0\r\n"), std::string::npos);
  arreter();
  ASSERT_TRUE(demarrer());
  EXPECT_FALSE(f().Barredoutils1->isChecked());
  EXPECT_TRUE(f().Panel1->isHidden());
}

TEST_F(Programme, AnExerciseWritesItsExpressionIntoTheCalculatorsInputLine) {
  parametres("[generales]\nmasquer_configuration=1\n");
  ASSERT_TRUE(demarrer());
  calculatrice_programme().definir_texte("(x+1)*(2*x+3)-(x+1)*(x-4) \xE9");
  EXPECT_EQ(f().Edit1->text(), QString::fromUtf8("(x+1)*(2*x+3)-(x+1)*(x-4) \u00E9"));
  arreter();
  // The window gone, a text goes nowhere.
  calculatrice_programme().definir_texte("x");
}

TEST_F(Programme, LanguageCaptionsReachTheControlsByName) {
  parametres("[generales]\nmasquer_configuration=1\nlangue=1\n");
  ASSERT_TRUE(demarrer());
  EXPECT_EQ(f().Quitter1->text(), "Quit");
  EXPECT_EQ(f().Classeur->tabText(2), "Calculations");
  EXPECT_EQ(Foptions_graphiques->LBcategorie->item(2)->text(), "Global");
  EXPECT_EQ(Foptions_graphiques->CBLangue->currentIndex(), 1);
  EXPECT_EQ(Fcalcul_graphique->windowTitle(), "Graphic calculation");
  arreter();
  parametres("[generales]\nmasquer_configuration=1\nlangue=7\n");  // no such language: French
  ASSERT_TRUE(demarrer());
  EXPECT_EQ(f().Quitter1->text(), "Quitter");
  EXPECT_EQ(f().Classeur->tabText(2), "Calculs");
  EXPECT_EQ(f().findChild<QAction*>(QStringLiteral("Masquerlgende1"))->text(), "Masquer L\u00e9gende");
  EXPECT_EQ(Fcalcul_graphique->windowTitle(), "Calcul graphique");
  for (const auto& [action, texte] : {std::pair{"AidedPralinore1", "Aide de Pralinore"},
                                      {"PagedaccueilPralinore1", "Page d'accueil de Pralinore"},
                                      {"Apage_accueil", "Page d'accueil de Pralinore"}}) {
    EXPECT_EQ(f().findChild<QAction*>(QString::fromLatin1(action))->text(), texte);
  }
  EXPECT_EQ(Foptions_graphiques->CBLangue->currentIndex(), 0);
}

// The Yes and No of a real question box, as its buttons read.
std::pair<QString, QString> oui_non_de_qt() {
  std::pair<QString, QString> textes;
  QTimer::singleShot(0, [&textes] {
    auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (boite == nullptr) return;
    textes = {boite->button(QMessageBox::Yes)->text().remove(QLatin1Char('&')),
              boite->button(QMessageBox::No)->text().remove(QLatin1Char('&'))};
    QKeyEvent echap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(boite, &echap);
  });
  MessagerieQt().question("?", TypeDialogue::confirmation, bouton_oui | bouton_non, false);
  return textes;
}

TEST_F(Programme, QtsOwnDialogsSpeakTheInterfaceLanguageFromTheStartAndAfterEachSwitch) {
  const std::pair<QString, QString> francais{"Oui", "Non"};
  const std::pair<QString, QString> anglais{"Yes", "No"};
  for (const int langue : {0, 1}) {
    parametres("[generales]\nmasquer_configuration=1\nlangue=" + std::to_string(langue) + "\n");
    ASSERT_TRUE(demarrer());
    EXPECT_EQ(oui_non_de_qt(), langue == 0 ? francais : anglais);
    choisir_langue(1 - langue);
    EXPECT_EQ(oui_non_de_qt(), langue == 0 ? anglais : francais);
    arreter();
  }
}

TEST_F(Programme, TheOptionsDialogOpensOnTheCategoryOfThePage) {
  parametres("[generales]\nmasquer_configuration=1\n[Outils]\nauto_mutiplier=0\nauto_reduction=1\n");
  ASSERT_TRUE(demarrer());
  EXPECT_FALSE(Foptions_graphiques->CBmultiplier->isChecked());
  EXPECT_TRUE(Foptions_graphiques->CBreduction->isChecked());
  EXPECT_TRUE(Foptions_graphiques->CBcoloration->isChecked());
  for (const auto& [aller, page] : {std::pair{&TFvorel::TBexercicesClick, Foptions_graphiques->TSExercices},
                                    std::pair{&TFvorel::TBgraphiquesClick, Foptions_graphiques->TSgraphiques},
                                    std::pair{&TFvorel::TBcalculsClick, Foptions_graphiques->TSgenerales}}) {
    (f().*aller)();
    f().Outils2Click();
    EXPECT_EQ(Foptions_graphiques->PCoptions->currentWidget(), page);
  }
  ASSERT_EQ(messages_->journal.size(), 3u);
  EXPECT_EQ(messages_->journal[2].texte, "TFoptions_graphiques");
}

TEST_F(Programme, F1AsksForTheMainWindowsHelpContext) {
  parametres("[generales]\nmasquer_configuration=1\n");
  ASSERT_TRUE(demarrer());
  EXPECT_EQ(contexte_aide_effectif(f().Edit1), contexte_aide_principal);
  EXPECT_TRUE(demander_aide(f().Edit1));
  std::vector<DemandeAide> demandes;
  installer_recepteur_aide([&](const DemandeAide& d) { demandes.push_back(d); });
  EXPECT_TRUE(f().aide_contextuelle(HELP_CONTEXT, 1411));
  EXPECT_TRUE(f().aide_contextuelle(HELP_CONTENTS, 0));  // F1 where no control has a context
  EXPECT_FALSE(f().aide_contextuelle(2, 0));  // any other request is the application's
  installer_recepteur_aide(nullptr);
  ASSERT_EQ(demandes.size(), 2u);
  EXPECT_EQ(demandes[0].commande, HH_HELP_CONTEXT);
  EXPECT_EQ(demandes[0].donnees, 1411);
  EXPECT_EQ(demandes[1].commande, HH_DISPLAY_TOC);
}

}  // namespace
