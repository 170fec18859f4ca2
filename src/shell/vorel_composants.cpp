// The main window's controls, each under its component name.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "components/calculatrice/JvCurrEdit.h"
#include "components/controles/JvGradientCaption.h"
#include "components/controles/JvSpecialProgress.h"
#include "components/controles/JvTransBtn.h"
#include "components/controles/disposition_fluide.h"
#include "components/controles/dxContainer.h"
#include "exercises/presentation.h"
#include "platform/chart/chart.h"
#include "platform/couleur_qt.h"
#include "platform/image_hote.h"
#include "shell/composants.h"
#include "shell/vorel.h"

namespace {

Fabrique fabrique("TFvorel");

// The caption bar over the pages.
constexpr int hauteur_titre = 41;
constexpr int pas_titre = 16;
constexpr int pixels_titre = 24;
constexpr int largeur_intersection = 185;
constexpr int hauteur_intersection = 32;

// A tool bar: a row of controls, wrapping onto more rows when the window is
// too narrow for one, so that every caption stays whole. Each control's own
// visibility counts, as the modules show and hide their buttons one by one.
QWidget* barre_outils(QWidget* parent, const char* nom) {
  auto* barre = fabrique.creer<QWidget>(parent, nom);
  (new DispositionFluide(barre))->setContentsMargins(2, 2, 2, 2);
  return barre;
}

// Added last (before the closing stretch of a plain row).
template <class W>
W* sur_barre(QWidget* barre, W* controle) {
  if (auto* rangee = qobject_cast<QHBoxLayout*>(barre->layout())) {
    rangee->insertWidget(rangee->count() - 1, controle);
  } else {
    barre->layout()->addWidget(controle);
  }
  return controle;
}

QToolButton* sur_barre(QWidget* barre, const char* nom) { return sur_barre(barre, fabrique.bouton_outil(barre, nom)); }

// The style draws a checked tool button with the same face as a free one: a
// toggle shows its pressed state with a darker, framed face.
QToolButton* bascule_sur_barre(QWidget* barre, const char* nom) {
  QToolButton* bouton = sur_barre(barre, nom);
  bouton->setCheckable(true);
  bouton->setStyleSheet(
      QStringLiteral("QToolButton:checked { background-color: palette(mid); border: 1px solid palette(dark); }"));
  return bouton;
}

void separer(QWidget* barre) {
  auto* trait = new QFrame(barre);
  trait->setFrameShape(QFrame::VLine);
  sur_barre(barre, trait);
}

// A rendered page sits in a scroll box, whose width it follows.
ImageHote* image(BoiteDefilement* boite, const char* nom, Emplacement emplacement) {
  auto* i = fabrique.creer<ImageHote>(boite, nom);
  boite->setWidget(i);
  boite->setWidgetResizable(false);
  definir_emplacement(i, emplacement);
  return i;
}

// A flat container filling a page of the tool bar's modules; the page's
// controls are laid out in it.
void remplir_de_conteneur(QWidget* page, const char* nom) {
  auto* conteneur = fabrique.creer<TdxContainer>(page, nom);
  auto* disposition = new QVBoxLayout(page);
  disposition->setContentsMargins(0, 0, 0, 0);
  disposition->addWidget(conteneur);
}

// Where a page's controls go: its container when it has one.
QWidget* interieur(QWidget* page) {
  auto* conteneur = page->findChild<TdxContainer*>(QString(), Qt::FindDirectChildrenOnly);
  return conteneur != nullptr ? conteneur : page;
}

BoiteDefilement* boite(QWidget* parent, const char* nom) { return fabrique.creer<BoiteDefilement>(parent, nom); }

QPlainTextEdit* memo(QWidget* parent, const char* nom, bool lecture_seule) {
  auto* m = fabrique.creer<QPlainTextEdit>(parent, nom);
  m->setReadOnly(lecture_seule);
  return m;
}

// The share of right answers, in per cent, over a red to sky-blue gradient.
TJvSpecialProgress* barre_score(QWidget* parent) {
  auto* barre = fabrique.creer<TJvSpecialProgress>(parent, "PBbonne_reponse");
  barre->SetStartColor(couleur_rouge);
  barre->SetEndColor(couleur_bleu_ciel);
  barre->SetColor(couleur_blanche);
  barre->SetSolid(true);
  barre->SetGradientBlocks(true);
  barre->SetTextCentered(true);
  barre->SetTextOption(TJvTextOption::toPercent);
  barre->SetStep(1);
  return barre;
}

// Shown while two curves cross, red over the curve manager.
TJvTransparentButton* bouton_intersection(QWidget* parent) {
  auto* bouton = fabrique.bouton_transparent(parent, "Bintersection");
  bouton->setFixedSize(largeur_intersection, hauteur_intersection);
  QPalette rouge = bouton->palette();
  rouge.setColor(QPalette::ButtonText, couleur_qt(couleur_rouge));
  bouton->setPalette(rouge);
  bouton->hide();
  return bouton;
}

void elements(QMenu* menu, std::initializer_list<const char*> noms) {
  for (const char* nom : noms) fabrique.element(menu, nom);
}

// The number field of the Calcul page: eight decimals typed, four shown.
TJvCalcEdit* champ_calculatrice(QWidget* parent) {
  constexpr int decimales = 8;
  constexpr int images = 2;
  auto* champ = fabrique.creer<TJvCalcEdit>(parent, "JvCalcEdit1");
  champ->SetDecimalPlaces(decimales);
  champ->SetDisplayFormat(QStringLiteral(",0.####"));
  champ->SetNumGlyphs(images);
  return champ;
}

}  // namespace

void TFvorel::creer_menus() {
  MainMenu1 = fabrique.creer<QMenuBar>(this, "MainMenu1");
  setMenuBar(MainMenu1);
  Fichier = fabrique.menu(MainMenu1, "Fichier");
  Enregistrer1 = fabrique.element(Fichier, "Enregistrer1");
  Imprimer1 = fabrique.element(Fichier, "Imprimer1");
  Aperuavantimpression1 = fabrique.element(Fichier, "Aperuavantimpression1");
  Fichier->addSeparator();
  Quitter1 = fabrique.element(Fichier, "Quitter1");

  Edition1 = fabrique.menu(MainMenu1, "Edition1");
  Effacertout1 = fabrique.element(Edition1, "Effacertout1");
  elements(Edition1, {"Copier1", "Coller2"});
  toutcopier1 = fabrique.element(Edition1, "toutcopier1");

  Affichage2 = fabrique.menu(MainMenu1, "Affichage2");
  ModuleExercices1 = fabrique.element(Affichage2, "ModuleExercices1");
  ModuleCalculs1 = fabrique.element(Affichage2, "ModuleCalculs1");
  ModuleGraphiques1 = fabrique.element(Affichage2, "ModuleGraphiques1");
  Affichage2->addSeparator();
  Barredoutils1 = fabrique.element(Affichage2, "Barredoutils1");
  Barredoutils1->setCheckable(true);

  Insertion1 = fabrique.menu(MainMenu1, "Insertion1");
  QMenu* caracteres = fabrique.sous_menu(Insertion1, "Caractresspciaux1");
  elements(caracteres, {"suprieurougal1", "infrieurougal1", "environ1", "intgrale1", "Delta1", "tendvers1", "pi1",
                        "diffrent1", "infini1"});

  Exercices2 = fabrique.menu(MainMenu1, "Exercices2");
  Connexion1 = fabrique.element(Exercices2, "Connexion1");
  Commencer1 = fabrique.element(Exercices2, "Commencer1");
  NouveauCompte1 = fabrique.element(Exercices2, "NouveauCompte1");
  Gestionnaire_de_compte = fabrique.element(Exercices2, "Gestionnaire_de_compte");

  Calculs1 = fabrique.menu(MainMenu1, "Calculs1");
  Nouvelobjet1 = fabrique.element(Calculs1, "Nouvelobjet1");
  Dfiniruneconstante1 = fabrique.element(Calculs1, "Dfiniruneconstante1");
  EditeurFonction1 = fabrique.element(Calculs1, "EditeurFonction1");
  Fonction1 = fabrique.sous_menu(Calculs1, "Fonction1");
  Calculs1->addSeparator();
  Outils2 = fabrique.element(Calculs1, "Outils2");

  Graphique2 = fabrique.menu(MainMenu1, "Graphique2");
  elements(Graphique2, {"Ajoutercourbe1", "Ajoutertexte1", "CalculTangente1", "Calculintgral1"});
  Graphique2->addSeparator();
  elements(Graphique2, {"Effacertouteslescourbes1", "Effacertouteslesannotations1"});
  Affichage1 = fabrique.sous_menu(Graphique2, "Affichage1");
  fabrique.element(Affichage1, "Masquergestionnairedecourbe1")->setCheckable(true);
  Masquerlgende1 = fabrique.element(Affichage1, "Masquerlgende1");
  Masquerlgende1->setCheckable(true);
  Graphique1 = fabrique.element(Graphique2, "Graphique1");

  Outils1 = fabrique.menu(MainMenu1, "Outils1");
  Options1 = fabrique.element(Outils1, "Options1");
  Gnrales1 = fabrique.element(Outils1, "Gnrales1");
  fabrique.element(Outils1, "Internet1");

  Aide1 = fabrique.menu(MainMenu1, "Aide1");
  elements(Aide1, {"AidedPralinore1", "Rechercher2", "PagedaccueilPralinore1", "Vrifierversion1", "Apropos1"});

  // The function button's menu: three fixed commands and a separator come
  // before the functions.
  Menu_Fonction = fabrique.creer<QMenu>(this, "Menu_Fonction");
  elements(Menu_Fonction, {"Menu_Fonction_editeur", "Menu_Fonction_nouvelle", "Menu_Fonction_constante"});
  Menu_Fonction->addSeparator();
}

void TFvorel::creer_actions() {
  ActionManager1 = new QObject(this);
  ActionManager1->setObjectName(QStringLiteral("ActionManager1"));
  Aquitter = fabrique.action(ActionManager1, "Aquitter");
  Atracer = fabrique.action(ActionManager1, "Atracer");
  Aediteur_fonction = fabrique.action(ActionManager1, "Aediteur_fonction");
  Anouvel_objet = fabrique.action(ActionManager1, "Anouvel_objet");
  Agestion_exercice = fabrique.action(ActionManager1, "Agestion_exercice");
  Aconnexion = fabrique.action(ActionManager1, "Aconnexion");
  ANouveau_compte = fabrique.action(ActionManager1, "ANouveau_compte");
  Agestion_compte = fabrique.action(ActionManager1, "Agestion_compte");
  for (const char* nom : {"Acommencer", "Aaide_contextuelle", "Aaide", "Arechercher", "Apage_accueil"}) {
    fabrique.action(ActionManager1, nom);
  }
}

void TFvorel::creer_cadre() {
  fabrique.titrer(this);
  auto* centre = new QWidget(this);
  setCentralWidget(centre);
  auto* disposition = new QVBoxLayout(centre);
  disposition->setContentsMargins(0, 0, 0, 0);
  JvGradientCaption1 = fabrique.barre_titre(centre, "JvGradientCaption1", pixels_titre);
  JvGradientCaption1->setFixedHeight(hauteur_titre);
  JvGradientCaption1->SetGradientStyle(TGradStyle::grEllipse);
  JvGradientCaption1->SetGradientStartColor(couleur_face_bouton);
  JvGradientCaption1->SetGradientEndColor(couleur_bleu_ciel);
  JvGradientCaption1->SetGradientSteps(pas_titre);
  // Start-up writes the title and shows it.
  JvGradientCaption1->Label()->hide();
  disposition->addWidget(JvGradientCaption1);

  Classeur = fabrique.creer<QTabWidget>(centre, "Classeur");
  Classeur->setTabPosition(QTabWidget::South);
  TabSheet5 = fabrique.page(Classeur, "TabSheet5");
  TabSheet1 = fabrique.page(Classeur, "TabSheet1");
  TabSheet2 = fabrique.page(Classeur, "TabSheet2");
  TabSheet3 = fabrique.page(Classeur, "TabSheet3");
  TabSheet4 = fabrique.page(Classeur, "TabSheet4");
  TabSheet6 = fabrique.page(Classeur, "TabSheet6");
  TSStatistiques = fabrique.page(Classeur, "TSStatistiques");
  TSaide = fabrique.page(Classeur, "TSaide");
  remplir_de_conteneur(TabSheet5, "dxContainer1");
  remplir_de_conteneur(TabSheet1, "dxContainer2");
  remplir_de_conteneur(TabSheet2, "dxContainer3");
  remplir_de_conteneur(TabSheet3, "dxContainer4");
  disposition->addWidget(Classeur, 1);

  Panel1 = fabrique.creer<QWidget>(centre, "Panel1");
  auto* bas = new QHBoxLayout(Panel1);
  TBar_module = barre_outils(Panel1, "TBar_module");
  TBexercices = sur_barre(TBar_module, "TBexercices");
  TBcalculs = sur_barre(TBar_module, "TBcalculs");
  TBgraphiques = sur_barre(TBar_module, "TBgraphiques");
  bas->addWidget(TBar_module);
  bas->addStretch();
  TBquitter = fabrique.bouton_outil(Panel1, "TBquitter");
  bas->addWidget(TBquitter);
  disposition->addWidget(Panel1);

  Barre_etat = fabrique.creer<QStatusBar>(this, "Barre_etat");
  setStatusBar(Barre_etat);
  const int largeurs[] = {250, 150};
  for (std::size_t i = 0; i < panneaux_etat.size(); ++i) {
    panneaux_etat[i] = new QLabel(Barre_etat);
    panneaux_etat[i]->setFixedWidth(largeurs[i]);
    Barre_etat->addWidget(panneaux_etat[i]);
  }
  setMinimumSize(500, 470);
}

void TFvorel::creer_accueil() {
  auto* disposition = new QHBoxLayout(interieur(TabSheet5));
  auto* barre = fabrique.creer<QWidget>(TabSheet5, "dxWinXPBar2");
  auto* elements_barre = new QVBoxLayout(barre);
  dxWinXPBar2Items0 = fabrique.bouton_outil(barre, "dxWinXPBar2Items0");
  dxWinXPBar2Items1 = fabrique.bouton_outil(barre, "dxWinXPBar2Items1");
  elements_barre->addWidget(dxWinXPBar2Items0);
  elements_barre->addWidget(dxWinXPBar2Items1);
  elements_barre->addStretch();
  disposition->addWidget(barre);
  memo2 = memo(TabSheet5, "memo2", true);
  disposition->addWidget(memo2, 1);
}

void TFvorel::creer_exercices() {
  auto* disposition = new QVBoxLayout(interieur(TabSheet1));
  QWidget* barre = barre_outils(TabSheet1, "ToolBar1");
  TBcommencer = sur_barre(barre, "TBcommencer");
  TBrecommencer = sur_barre(barre, "TBrecommencer");
  TBaccueil = sur_barre(barre, "TBaccueil");
  TBgestionnaire_exercice = sur_barre(barre, "TBgestionnaire_exercice");
  disposition->addWidget(barre);

  auto* centre = new QHBoxLayout;
  BoiteDefilement* vue = boite(TabSheet1, "ScrollBox_exercice");
  Image1 = image(vue, "Image1", Emplacement::exercice);
  Graph = fabrique.creer<TChart>(TabSheet1, "Graph");
  centre->addWidget(vue, 1);
  centre->addWidget(Graph);
  disposition->addLayout(centre, 1);

  P_reponse = fabrique.creer<QWidget>(TabSheet1, "P_reponse");
  auto* champs = new QHBoxLayout(P_reponse);
  P_saisie = fabrique.creer<QWidget>(P_reponse, "P_saisie");
  Pchamps_saisie = fabrique.creer<QWidget>(P_saisie, "Pchamps_saisie");
  (new QVBoxLayout(P_saisie))->addWidget(Pchamps_saisie);
  champs->addWidget(P_saisie, 1);
  Pvalider = fabrique.creer<QWidget>(P_reponse, "Pvalider");
  B_valider = fabrique.bouton(Pvalider, "B_valider");
  (new QHBoxLayout(Pvalider))->addWidget(B_valider);
  champs->addWidget(Pvalider);
  disposition->addWidget(P_reponse);
  PBbonne_reponse = barre_score(TabSheet1);
  disposition->addWidget(PBbonne_reponse);

  auto* aide = new QVBoxLayout(TSaide);
  Caide1 = fabrique.creer<QWidget>(TSaide, "Caide1");
  auto* contenu = new QVBoxLayout(Caide1);
  QWidget* navigation = barre_outils(Caide1, "ToolBar_aide");
  sur_barre(navigation, "TBprecedent");
  sur_barre(navigation, "TBaide2");
  contenu->addWidget(navigation);
  BoiteDefilement* pages_aide = boite(Caide1, "ScrollBox_aide");
  Image7 = image(pages_aide, "Image7", Emplacement::aide);
  contenu->addWidget(pages_aide, 1);
  aide->addWidget(Caide1);
}

void TFvorel::creer_calculs() {
  auto* disposition = new QVBoxLayout(interieur(TabSheet2));
  QWidget* barre = barre_outils(TabSheet2, "ToolBar_calculs");
  const auto bouton = [&](const char* nom) {
    return sur_barre(barre, fabrique.bouton(barre, nom));
  };
  Breduire = bouton("Breduire");
  Bnumeriser = bouton("Bnumeriser");
  Bdevelopper = bouton("Bdevelopper");
  Bfactoriser = bouton("Bfactoriser");
  Bfraction = bouton("Bfraction");
  Bradical = bouton("Bradical");
  Bderiver = bouton("Bderiver");
  Bintegrale = bouton("Bintegrale");
  Bresoudre = bouton("Bresoudre");
  separer(barre);
  Bfonction = sur_barre(barre, "Bfonction");
  Bfonction->setMenu(Menu_Fonction);
  Bfonction->setPopupMode(QToolButton::MenuButtonPopup);
  TBpuissance = sur_barre(barre, "TBpuissance");
  TBracine = sur_barre(barre, "TBracine");
  Bi = sur_barre(barre, "Bi");
  TBoptions_graphiques = sur_barre(barre, "TBoptions_graphiques");
  JvCalcEdit1 = sur_barre(barre, champ_calculatrice(barre));
  disposition->addWidget(barre);

  Edit1 = fabrique.zone_texte(TabSheet2, "Edit1");
  disposition->addWidget(Edit1);
  BoiteDefilement* apercu = boite(TabSheet2, "ScrollBox_apercu");
  apercu->setFixedHeight(80);
  Image5 = image(apercu, "Image5", Emplacement::apercu);
  disposition->addWidget(apercu);
  ScrollBox1 = boite(TabSheet2, "ScrollBox1");
  Image3 = image(ScrollBox1, "Image3", Emplacement::historique);
  disposition->addWidget(ScrollBox1, 1);

  Bcalculer = fabrique.bouton(TabSheet2, "Bcalculer");
  Bcalculer->hide();
}

void TFvorel::creer_graphiques() {
  auto* disposition = new QVBoxLayout(interieur(TabSheet3));
  QWidget* barre = barre_outils(TabSheet3, "ToolBar_graphiques");
  TBaccueil2 = sur_barre(barre, "TBaccueil2");
  for (const char* nom : {"TBzoom_plus", "TBzoom_moins", "TBtexte_graphique"}) sur_barre(barre, nom);
  TBlegende = bascule_sur_barre(barre, "TBlegende");
  bascule_sur_barre(barre, "Tbgestionnaire_courbe");
  for (const char* nom : {"TBequation_tangente", "TBintegrale"}) sur_barre(barre, nom);
  TBimprimer = sur_barre(barre, "TBimprimer");
  sur_barre(barre, "ToolButton11");
  TBoption_graphique = sur_barre(barre, "TBoption_graphique");
  disposition->addWidget(barre);

  auto* centre = new QHBoxLayout;
  Panel3 = fabrique.creer<QWidget>(TabSheet3, "Panel3");
  auto* gestionnaire = new QVBoxLayout(Panel3);
  CLBcourbe = fabrique.creer<QListWidget>(Panel3, "CLBcourbe");
  gestionnaire->addWidget(CLBcourbe, 1);
  gestionnaire->addWidget(fabrique.case_a_cocher(Panel3, "CBcocher"));
  for (const char* nom : {"Bajouter", "Bmodifier", "Bsupprimer", "Btracer"}) {
    gestionnaire->addWidget(fabrique.bouton(Panel3, nom));
  }
  Panel3->findChild<QPushButton*>(QStringLiteral("Btracer"))->hide();
  gestionnaire->addWidget(bouton_intersection(Panel3));
  BoiteDefilement* formule = boite(Panel3, "ScrollBox_courbe");
  formule->setFixedHeight(60);
  Image8 = image(formule, "Image8", Emplacement::graphe);
  gestionnaire->addWidget(formule);
  gestionnaire->addWidget(fabrique.zone_texte(Panel3, "Tx"));
  gestionnaire->addWidget(fabrique.zone_texte(Panel3, "Ty"));
  centre->addWidget(Panel3);

  auto* trace = new QVBoxLayout;
  Chart1 = fabrique.creer<TChart>(TabSheet3, "Chart1");
  trace->addWidget(Chart1, 1);
  auto* defilement = fabrique.creer<QScrollBar>(TabSheet3, "ScrollBar1");
  defilement->setOrientation(Qt::Horizontal);
  trace->addWidget(defilement);
  fabrique.creer<QProgressBar>(TabSheet3, "PBtracer")->hide();
  fabrique.creer<QFrame>(Chart1, "Curseur")->hide();
  centre->addLayout(trace, 1);
  disposition->addLayout(centre, 1);
}

void TFvorel::creer_editeur() {
  auto* disposition = new QVBoxLayout(TabSheet4);
  QWidget* barre = barre_outils(TabSheet4, "ToolBar_editeur");
  for (const char* nom : {"ToolButton1", "ToolButton2", "ToolButton3", "ToolButton4", "TBentree"}) {
    sur_barre(barre, nom);
  }
  sur_barre(barre, fabrique.etiquette(barre, "Lcouleur_texte"));
  sur_barre(barre, fabrique.creer<QFrame>(barre, "Panel10"));
  sur_barre(barre, fabrique.case_a_cocher(barre, "CBAffichage_auto"));
  disposition->addWidget(barre);
  auto* ligne = new QHBoxLayout;
  ligne->addWidget(fabrique.creer<QComboBox>(TabSheet4, "CBnumero"), 1);
  ligne->addWidget(fabrique.bouton(TabSheet4, "Benregistrer"));
  ligne->addWidget(fabrique.bouton(TabSheet4, "BAfficher"));
  disposition->addLayout(ligne);
  auto* centre = new QHBoxLayout;
  MCodeSource = memo(TabSheet4, "MCodeSource", false);
  BoiteDefilement* apercu = boite(TabSheet4, "ScrollBox_editeur");
  Image2 = image(apercu, "Image2", Emplacement::editeur);
  centre->addWidget(MCodeSource, 1);
  centre->addWidget(apercu, 1);
  centre->addWidget(memo(TabSheet4, "Msection", false));
  disposition->addLayout(centre, 1);
}

void TFvorel::creer_pages_outils() {
  auto* test = new QVBoxLayout(TabSheet6);
  auto* rendu = new QHBoxLayout;
  rendu->addWidget(fabrique.zone_texte(TabSheet6, "Edit6"), 1);
  rendu->addWidget(fabrique.bouton(TabSheet6, "Button6"));
  rendu->addWidget(fabrique.bouton(TabSheet6, "Button8"));
  test->addLayout(rendu);
  auto* cryptage = new QHBoxLayout;
  cryptage->addWidget(fabrique.zone_texte(TabSheet6, "Edit7"), 1);
  cryptage->addWidget(fabrique.bouton(TabSheet6, "Button7"));
  test->addLayout(cryptage);
  BoiteDefilement* vue = boite(TabSheet6, "ScrollBox_test");
  Image6 = image(vue, "Image6", Emplacement::autre);
  test->addWidget(vue, 1);

  Mstatisiques = memo(TSStatistiques, "Mstatisiques", true);
  (new QVBoxLayout(TSStatistiques))->addWidget(Mstatisiques);
}

void TFvorel::relier_action(const char* nom, void (TFvorel::*gestionnaire)(), const QObject* racine) {
  if (auto* a = (racine != nullptr ? racine : this)->findChild<QAction*>(QLatin1String(nom))) {
    connect(a, &QAction::triggered, this, gestionnaire);
  }
}

void TFvorel::relier_bouton(const char* nom, void (TFvorel::*gestionnaire)(), const QObject* racine) {
  if (auto* b = (racine != nullptr ? racine : this)->findChild<QAbstractButton*>(QLatin1String(nom))) {
    connect(b, &QAbstractButton::clicked, this, gestionnaire);
  }
}

void TFvorel::relier() {
  const auto clic = [this](QAbstractButton* b, void (TFvorel::*gestionnaire)()) {
    connect(b, &QAbstractButton::clicked, this, gestionnaire);
  };
  const auto choix = [this](QAction* a, void (TFvorel::*gestionnaire)()) {
    connect(a, &QAction::triggered, this, gestionnaire);
  };
  clic(TBexercices, &TFvorel::TBexercicesClick);
  clic(TBcalculs, &TFvorel::TBcalculsClick);
  clic(TBgraphiques, &TFvorel::TBgraphiquesClick);
  clic(dxWinXPBar2Items0, &TFvorel::dxWinXPBar2Items0Click);
  clic(dxWinXPBar2Items1, &TFvorel::dxWinXPBar2Items1Click);
  clic(TBaccueil, &TFvorel::TBaccueilClick);
  clic(TBaccueil2, &TFvorel::TBaccueil2Click);
  clic(TBquitter, &TFvorel::TBquitterClick);
  clic(TBoption_graphique, &TFvorel::TBoption_graphiqueClick);
  clic(TBgestionnaire_exercice, &TFvorel::TBgestionnaire_exerciceClick);
  clic(TBoptions_graphiques, &TFvorel::TBoptions_graphiquesClick);
  choix(ModuleExercices1, &TFvorel::ModuleExercices1Click);
  choix(ModuleCalculs1, &TFvorel::ModuleCalculs1Click);
  choix(ModuleGraphiques1, &TFvorel::ModuleGraphiques1Click);
  choix(Quitter1, &TFvorel::Quitter1Click);
  choix(Aquitter, &TFvorel::AquitterExecute);
  choix(Atracer, &TFvorel::AtracerExecute);
  choix(Agestion_exercice, &TFvorel::Agestion_exerciceExecute);
  choix(Gnrales1, &TFvorel::Gnrales1Click);
  choix(Graphique1, &TFvorel::Graphique1Click);
  choix(Outils2, &TFvorel::Outils2Click);
  connect(Options1, &QAction::triggered, this, [this] { Options1Click(Options1); });
  // Qt has already flipped the check mark when the item is chosen; the
  // handler flips it itself, from the state before the click.
  connect(Barredoutils1, &QAction::triggered, this, [this](bool coche) {
    Barredoutils1->setChecked(!coche);
    Barredoutils1Click();
  });
  relier_graphiques();
}
