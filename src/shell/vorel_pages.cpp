// The main window's pages and modules: page changes, module toggles, the
// tool bar, the options dialog and quitting.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolButton>

#include "engine/fonctions_usuelles.h"
#include "exercises/presentation.h"
#include "localisation/messages.h"
#include "shell/noms_parametres.h"
#include "shell/nouvel_objet.h"
#include "shell/options_graphiques.h"
#include "shell/parametres_principaux.h"
#include "shell/vorel.h"

namespace {

namespace section = parametres::section;
namespace cle = parametres::cle;

// A control's own visibility, whether or not its window is shown yet: only
// an explicit hide makes it invisible.
bool visible(const QWidget* w) { return !(w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide)); }

void montrer(QWidget* w, bool visible) { w->setVisible(visible); }
void montrer(QAction* a, bool visible) { a->setVisible(visible); }
void montrer(QMenu* m, bool visible) { m->menuAction()->setVisible(visible); }

// A page of the options dialog follows its module.
void montrer_page_options(QWidget* page, bool visible) {
  QTabWidget* pages = Foptions_graphiques->PCoptions;
  pages->setTabVisible(pages->indexOf(page), visible);
}

bool un_element_visible(const QMenu* menu) {
  for (const QAction* a : menu->actions()) {
    if (!a->isSeparator() && a->isVisible()) return true;
  }
  return false;
}

}  // namespace

void TFvorel::ClasseurChange() {
  // Hiding or showing tabs may have moved the page: the page chosen stays.
  if (page_choisie_ != nullptr && Classeur->currentWidget() != page_choisie_) Classeur->setCurrentWidget(page_choisie_);
  QWidget* page = page_active();
  setWindowTitle(QApplication::applicationName() + QStringLiteral(" - ") + Classeur->tabText(Classeur->indexOf(page)));
  for (QMenu* m : {Fichier, Outils1, Aide1}) montrer(m, true);
  for (QLabel* panneau : panneaux_etat) panneau->clear();
  if (page == TabSheet1) {
    initialise_constantes();
  } else {
    Fnouvel_objet->charger_constantes();
  }
  const bool exercices = page == TabSheet1;
  const bool calcul = page == TabSheet2;
  const bool graphiques = page == TabSheet3;
  Affichage1->menuAction()->setEnabled(graphiques);
  TBcommencer->setEnabled(exercices && !exercice_en_cours);
  montrer(Exercices2, exercices);
  for (QAction* a : {Nouvelobjet1, Dfiniruneconstante1, Outils2}) a->setEnabled(calcul);
  Fonction1->menuAction()->setEnabled(calcul);
  montrer(Calculs1, calcul);
  montrer(Edition1, calcul);
  montrer(Graphique2, graphiques);
  TBimprimer->setEnabled(graphiques);
  Imprimer1->setEnabled(graphiques);
  Enregistrer1->setEnabled(exercices || calcul || graphiques);
}

void TFvorel::afficher_module(std::string_view nom) {
  if (nom == "exercices") {
    const bool v = !visible(TBexercices);
    montrer(TBexercices, v);
    montrer(Exercices2, v);
    montrer(TBcommencer, v);
    montrer(ModuleExercices1, v);
    montrer_page_options(Foptions_graphiques->TSExercices, v);
  } else if (nom == "outils") {
    const bool v = !visible(TBcalculs);
    montrer(TBcalculs, v);
    for (QMenu* m : {Calculs1, Fonction1, Edition1}) montrer(m, v);
    montrer(Nouvelobjet1, v);
    montrer(ModuleCalculs1, v);
  } else if (nom == "graphiques") {
    const bool v = !visible(TBgraphiques);
    montrer(Affichage1, v);
    montrer(Graphique2, v);
    montrer(ModuleGraphiques1, v);
    montrer_page_options(Foptions_graphiques->TSgraphiques, v);
    montrer(TBgraphiques, v);
  } else if (nom == "editeur") {
    const int onglet = Classeur->indexOf(TabSheet4);
    Classeur->setTabVisible(onglet, !Classeur->isTabVisible(onglet));
    if (page_choisie_ != nullptr) Classeur->setCurrentWidget(page_choisie_);
  }
  if (nom == "exercices" || nom == "outils") montrer(Outils1, visible(TBexercices) || visible(TBcalculs));
  for (QAction* a : MainMenu1->actions()) {
    QMenu* menu = a->menu();
    if (menu != nullptr) a->setVisible(a->isVisible() && un_element_visible(menu));
  }
}

void TFvorel::TBexercicesClick() {
  montrer_page(TabSheet1);
  ClasseurChange();
}
void TFvorel::ModuleExercices1Click() { TBexercicesClick(); }
void TFvorel::dxWinXPBar2Items0Click() { TBexercicesClick(); }

void TFvorel::TBcalculsClick() {
  montrer_page(TabSheet2);
  ClasseurChange();
}
void TFvorel::ModuleCalculs1Click() { TBcalculsClick(); }
void TFvorel::dxWinXPBar2Items1Click() { TBcalculsClick(); }

void TFvorel::TBgraphiquesClick() {
  montrer_page(TabSheet3);
  ClasseurChange();
}
void TFvorel::ModuleGraphiques1Click() { TBgraphiquesClick(); }

void TFvorel::TBaccueilClick() {
  montrer_page(TabSheet5);
  ClasseurChange();
}
void TFvorel::TBaccueil2Click() { TBaccueilClick(); }

void TFvorel::Barredoutils1Click() {
  Barredoutils1->setChecked(!Barredoutils1->isChecked());
  Panel1->setVisible(Barredoutils1->isChecked());
  ini_principal->ecrire_booleen(section::generales, cle::barre_outils, Barredoutils1->isChecked());
}

// Every way out saves the curve list and the annotations: closing the window
// runs FormClose once.
void TFvorel::AquitterExecute() { close(); }
void TFvorel::Quitter1Click() { close(); }
void TFvorel::TBquitterClick() { close(); }

void TFvorel::Options1Click(QObject*) {
  const QWidget* page = page_active();
  const int categorie = page == TabSheet1 ? 0 : page == TabSheet3 ? 1 : 2;
  Foptions_graphiques->LBcategorie->setCurrentRow(categorie);
  Foptions_graphiques->LBcategorieClick();
  montrer_modal(Foptions_graphiques->objectName().toStdString(), [] { return Foptions_graphiques->exec(); });
}
void TFvorel::TBoption_graphiqueClick() { Options1Click(TBoption_graphique); }
void TFvorel::Agestion_exerciceExecute() { Options1Click(Agestion_exercice); }
void TFvorel::TBgestionnaire_exerciceClick() { Options1Click(TBgestionnaire_exercice); }
void TFvorel::Gnrales1Click() { Options1Click(Gnrales1); }
void TFvorel::Graphique1Click() { Options1Click(Graphique1); }
void TFvorel::Outils2Click() { Options1Click(Outils2); }
void TFvorel::TBoptions_graphiquesClick() { Options1Click(TBoptions_graphiques); }

void TFvorel::TabSheet3Exit() {
  for (QLabel* panneau : panneaux_etat) panneau->clear();
}
