#include "shell/nouvel_objet.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

#include "engine/decoupage.h"
#include "engine/fonction.h"
#include "engine/fonctions_usuelles.h"
#include "engine/fonctions_utilisateur.h"
#include "engine/matrice.h"
#include "engine/point.h"
#include "engine/primitives.h"
#include "engine/syntaxe.h"
#include "engine/vecteur.h"
#include "localisation/catalogue.h"
#include "localisation/chaines.h"
#include "localisation/format.h"
#include "localisation/messages.h"
#include "localisation/nombres.h"
#include "platform/chart/chart.h"
#include "platform/ini/fichier_ini.h"
#include "platform/texte_qt.h"
#include "shell/composants.h"
#include "shell/fichiers_objets.h"
#include "shell/objets_texte.h"
#include "shell/textes_shell.h"
#include "shell/vorel.h"

TFnouvel_objet* Fnouvel_objet = nullptr;
std::string objet_en_traitement;

namespace {

constexpr const char* section_fonctions = "Fonction";
constexpr const char* section_matrices = "Matrice";
constexpr const char* section_points = "Point";
constexpr const char* section_vecteurs = "Vecteur";
constexpr const char* section_constantes = "Constante";
constexpr const char* noms_onglets[] = {"TSfonction", "TSmatrice", "TSpoint", "TSvecteur", "TSequation",
                                        "TSvariable", "Tsliste", "TSconstante", "Point_dim_2"};
constexpr const char* description_fonction_utilisateur = "Fonction utilisateur";
// Fixed French texts, in every language.
constexpr const char* nom_matrice_manquant = "Vous devez donner un nom \xE0 votre matrice";
constexpr const char* nom_point_manquant = "Vous devez donner un nom \xE0 votre Point";
constexpr const char* nom_vecteur_manquant = "Vous devez donner un nom \xE0 votre Vecteur";

constexpr int taille_grille_initiale = 3;
constexpr int dimension_initiale = 2;
constexpr int lignes_liste_initiales = 5;
// Grids larger than this are refused as not a number of rows.
constexpr int taille_grille_maximale = 50;
constexpr const char* noms_reserves[] = {"t", "x", "o"};

std::string texte_de(const QLineEdit* zone) { return vers_1252(zone->text()); }
void ecrire(QLineEdit* zone, const std::string& texte) { zone->setText(depuis_1252(texte)); }

bool est_reserve(const std::string& nom) {
  return std::any_of(std::begin(noms_reserves), std::end(noms_reserves), [&](const char* r) { return nom == r; });
}

// The row of a name in the function table, without regard to case; 0 when absent.
int ligne_fonction(const std::string& nom) {
  if (!fonctions_usuelles || nom.empty()) return 0;
  const std::string cherche = en_minuscules(nom);
  for (int i = 1; i < fonctions_usuelles->taille(); ++i) {
    if (en_minuscules(fonctions_usuelles->nom[i]) == cherche) return i;
  }
  return 0;
}

// A grid's row count from a typed text: an integer between 1 and the bound.
std::optional<int> taille_grille(const std::string& texte) {
  if (!est_entier(texte)) return std::nullopt;
  const std::optional<double> n = lire_nombre(texte);
  if (!n || *n < 1 || *n > taille_grille_maximale) return std::nullopt;
  return static_cast<int>(*n);
}

std::string cellule(const QTableWidget* grille, int ligne, int colonne) {
  const QTableWidgetItem* element = grille->item(ligne, colonne);
  return element ? vers_1252(element->text()) : std::string();
}

void ecrire_cellule(QTableWidget* grille, int ligne, int colonne, const std::string& texte) {
  grille->setItem(ligne, colonne, new QTableWidgetItem(depuis_1252(texte)));
}

std::vector<std::string> colonne(const QTableWidget* grille) {
  std::vector<std::string> cellules;
  for (int r = 0; r < grille->rowCount(); ++r) cellules.push_back(cellule(grille, r, 0));
  return cellules;
}

void remplir_colonne(QTableWidget* grille, const std::vector<std::string>& cellules) {
  grille->clearContents();
  grille->setRowCount(static_cast<int>(cellules.size()));
  for (int r = 0; r < static_cast<int>(cellules.size()); ++r) ecrire_cellule(grille, r, 0, cellules[r]);
}

std::vector<std::string> lignes(const QListWidget* liste) {
  std::vector<std::string> sortie;
  for (int i = 0; i < liste->count(); ++i) sortie.push_back(vers_1252(liste->item(i)->text()));
  return sortie;
}

std::string ligne_choisie(const QListWidget* liste) {
  const QListWidgetItem* element = liste->currentItem();
  return element ? vers_1252(element->text()) : std::string();
}

QTableWidget* nouvelle_grille(Fabrique& f, QWidget* parent, const char* nom, int lignes_, int colonnes) {
  auto* grille = f.creer<QTableWidget>(parent, nom);
  grille->setRowCount(lignes_);
  grille->setColumnCount(colonnes);
  return grille;
}

// The name an object line is stored under: the object's own name, else the
// text before the first ";".
std::string cle_objet(const std::string& section, const std::string& ligne) {
  if (section == section_matrices) {
    if (auto m = lire_matrice(ligne)) return m->nom;
  } else if (section == section_points) {
    if (auto p = lire_point(ligne)) return p->nom;
  } else if (auto v = lire_vecteur(ligne)) {
    return v->nom;
  }
  return cle_ligne_objet(ligne);
}

// The variables of a text, each once, in order.
std::vector<std::string> variables_distinctes(const std::string& texte) {
  std::vector<std::string> sortie;
  for (const std::string& v : items_liste(fonction(texte).variables())) {
    if (!v.empty() && std::find(sortie.begin(), sortie.end(), v) == sortie.end()) sortie.push_back(v);
  }
  return sortie;
}

// The typed text normalised and checked; the message when it is wrong.
std::optional<std::string> texte_verifie(const std::string& saisie) {
  std::string texte = normalise_saisie(saisie);
  std::string message;
  verifier_syntaxe(texte, message);
  if (!message.empty()) {
    affiche_message(message);
    return std::nullopt;
  }
  return texte;
}

std::optional<double> valeur_numerique(const std::string& texte) {
  return lire_nombre(numeriser_texte(texte, false));
}

}  // namespace

TFnouvel_objet::TFnouvel_objet(QWidget* parent) : QDialog(parent) {
  Fabrique f("TFnouvel_objet");
  f.titrer(this);
  auto* disposition = new QVBoxLayout(this);
  PageControl1 = f.creer<QTabWidget>(this, "PageControl1");
  disposition->addWidget(PageControl1);
  std::vector<QWidget*> onglets;
  for (const char* nom : noms_onglets) onglets.push_back(f.page(PageControl1, nom));
  construire_fonction_constante(f, onglets);
  construire_matrice_point(f, onglets);
  construire_vecteur(f, onglets[onglet_vecteur]);
  construire_listes(f, onglets);

  auto* bas = new QHBoxLayout;
  Bsupprimer = f.bouton(this, "Bsupprimer");
  Bsupprimer->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
  Asupprimer_fonction = f.action(this, "Asupprimer_fonction");
  Bsupprimer->setText(Asupprimer_fonction->text());
  Bsupprimer->setToolTip(Asupprimer_fonction->toolTip());
  Tobjet_en_traitement = f.zone_texte(this, "Tobjet_en_traitement");
  Tobjet_en_traitement->hide();
  bas->addWidget(Bsupprimer);
  bas->addStretch();
  disposition->addLayout(bas);
  std::tie(dxButton7, dxButton8) = f.ligne_ok_annuler(this, disposition, "dxButton7", "dxButton8");
  relier();
}

TFnouvel_objet::~TFnouvel_objet() = default;

void TFnouvel_objet::construire_fonction_constante(Fabrique& f, const std::vector<QWidget*>& onglets) {
  auto* fonction_ = new QVBoxLayout(onglets[onglet_fonction]);
  QGroupBox* groupe = f.groupe(onglets[onglet_fonction], "GroupBox1");
  auto* champs = new QFormLayout(groupe);
  Tnom = f.zone_texte(groupe, "Tnom");
  Texpression = f.zone_texte(groupe, "Texpression");
  Tvariable = f.zone_texte(groupe, "Tvariable");
  champs->addRow(f.etiquette(groupe, "Label1"), Tnom);
  champs->addRow(f.etiquette(groupe, "Label2"), Texpression);
  champs->addRow(f.etiquette(groupe, "Label3"), Tvariable);
  Bok = f.bouton(groupe, "Bok");
  champs->addRow(Bok);
  fonction_->addWidget(groupe);
  QGroupBox* existantes = f.groupe(onglets[onglet_fonction], "GroupBox2");
  LBfonction = f.creer<QListWidget>(existantes, "LBfonction");
  (new QVBoxLayout(existantes))->addWidget(LBfonction);
  fonction_->addWidget(existantes);

  QWidget* page = onglets[onglet_constante];
  auto* constante = new QFormLayout(page);
  Tnom_constante = f.zone_texte(page, "Tnom_constante");
  Tnom_valeur = f.zone_texte(page, "Tnom_valeur");
  Bajouter_constante = f.bouton(page, "Bajouter_constante");
  LBconstante = f.creer<QListWidget>(page, "LBconstante");
  constante->addRow(f.etiquette(page, "Label15"), Tnom_constante);
  constante->addRow(f.etiquette(page, "Label16"), Tnom_valeur);
  constante->addRow(Bajouter_constante);
  constante->addRow(LBconstante);

  QWidget* plan = onglets[onglet_point_plan];
  auto* point = new QFormLayout(plan);
  Tabscisse_point = f.zone_texte(plan, "Tabscisse_point");
  Tordonnee_point = f.zone_texte(plan, "Tordonnee_point");
  Tabscisse_point->setText(QStringLiteral("0"));
  Tordonnee_point->setText(QStringLiteral("0"));
  point->addRow(f.etiquette(plan, "Label17"), Tabscisse_point);
  point->addRow(f.etiquette(plan, "Label18"), Tordonnee_point);
}

void TFnouvel_objet::construire_matrice_point(Fabrique& f, const std::vector<QWidget*>& onglets) {
  QWidget* page = onglets[onglet_matrice];
  auto* matrice = new QFormLayout(page);
  Tnom_matrice = f.zone_texte(page, "Tnom_matrice");
  Tnb_ligne = f.zone_texte(page, "Tnb_ligne");
  Tnb_colonne = f.zone_texte(page, "Tnb_colonne");
  Tnb_ligne->setText(QString::number(taille_grille_initiale));
  Tnb_colonne->setText(QString::number(taille_grille_initiale));
  SGmatrice = nouvelle_grille(f, page, "SGmatrice", taille_grille_initiale, taille_grille_initiale);
  Bcreer_matrice = f.bouton(page, "Bcreer_matrice");
  LBmatrice = f.creer<QListWidget>(page, "LBmatrice");
  matrice->addRow(f.etiquette(page, "Label4"), Tnom_matrice);
  matrice->addRow(f.etiquette(page, "Label5"), Tnb_ligne);
  matrice->addRow(f.etiquette(page, "Label6"), Tnb_colonne);
  matrice->addRow(SGmatrice);
  matrice->addRow(Bcreer_matrice);
  matrice->addRow(LBmatrice);

  page = onglets[onglet_point];
  auto* point = new QFormLayout(page);
  Tnom_point = f.zone_texte(page, "Tnom_point");
  Tdimension_point = f.zone_texte(page, "Tdimension_point");
  Tdimension_point->setText(QString::number(dimension_initiale));
  SGpoint = nouvelle_grille(f, page, "SGpoint", dimension_initiale, 1);
  Bcreer_point = f.bouton(page, "Bcreer_point");
  LBpoint = f.creer<QListWidget>(page, "LBpoint");
  point->addRow(f.etiquette(page, "Label7"), Tnom_point);
  point->addRow(f.etiquette(page, "Label8"), Tdimension_point);
  point->addRow(SGpoint);
  point->addRow(Bcreer_point);
  point->addRow(LBpoint);
}

void TFnouvel_objet::construire_vecteur(Fabrique& f, QWidget* page) {
  auto* vecteur = new QFormLayout(page);
  Tnom_vecteur = f.zone_texte(page, "Tnom_vecteur");
  Tnorme = f.zone_texte(page, "Tnorme");
  Tnorme->setReadOnly(true);
  Tdimension_vecteur = f.zone_texte(page, "Tdimension_vecteur");
  Tdimension_vecteur->setText(QString::number(dimension_initiale));
  SGvecteur = nouvelle_grille(f, page, "SGvecteur", dimension_initiale, 1);
  RBcoordonnees = f.bouton_radio(page, "RBcoordonnees");
  RBpoints = f.bouton_radio(page, "RBpoints");
  RBpoints->setChecked(true);
  Ppoints = f.creer<QWidget>(page, "Ppoints");
  auto* points = new QHBoxLayout(Ppoints);
  CBpoint1 = f.creer<QComboBox>(Ppoints, "CBpoint1");
  CBpoint2 = f.creer<QComboBox>(Ppoints, "CBpoint2");
  dxCheckbox1 = f.case_a_cocher(Ppoints, "dxCheckbox1");
  points->addWidget(CBpoint1);
  points->addWidget(CBpoint2);
  points->addWidget(dxCheckbox1);
  Bcreer_vecteur = f.bouton(page, "Bcreer_vecteur");
  LBvecteur = f.creer<QListWidget>(page, "LBvecteur");
  auto* modes = new QHBoxLayout;
  modes->addWidget(RBcoordonnees);
  modes->addWidget(RBpoints);
  vecteur->addRow(f.etiquette(page, "Label9"), Tnom_vecteur);
  vecteur->addRow(f.etiquette(page, "Label10"), Tdimension_vecteur);
  vecteur->addRow(modes);
  vecteur->addRow(Ppoints);
  vecteur->addRow(SGvecteur);
  vecteur->addRow(f.etiquette(page, "Label11"), Tnorme);
  vecteur->addRow(Bcreer_vecteur);
  vecteur->addRow(LBvecteur);
}

void TFnouvel_objet::construire_listes(Fabrique& f, const std::vector<QWidget*>& onglets) {
  QWidget* page = onglets[onglet_equation];
  auto* equation = new QVBoxLayout(page);
  QGroupBox* saisie = f.groupe(page, "GroupBox10");
  auto* ligne = new QHBoxLayout(saisie);
  Tequation = f.zone_texte(saisie, "Tequation");
  Bajouter = f.bouton(saisie, "Bajouter");
  Bmodifier_equation = f.bouton(saisie, "Bmodifier_equation");
  ligne->addWidget(Tequation);
  ligne->addWidget(Bajouter);
  ligne->addWidget(Bmodifier_equation);
  QGroupBox* liste = f.groupe(page, "GroupBox9");
  LBequation = f.creer<QListWidget>(liste, "LBequation");
  (new QVBoxLayout(liste))->addWidget(LBequation);
  equation->addWidget(saisie);
  equation->addWidget(liste);

  page = onglets[onglet_variable];
  auto* variable = new QVBoxLayout(page);
  saisie = f.groupe(page, "GroupBox11");
  ligne = new QHBoxLayout(saisie);
  Tvariable_equation = f.zone_texte(saisie, "Tvariable_equation");
  Bajouter_variable = f.bouton(saisie, "Bajouter_variable");
  Bmodifier = f.bouton(saisie, "Bmodifier");
  ligne->addWidget(Tvariable_equation);
  ligne->addWidget(Bajouter_variable);
  ligne->addWidget(Bmodifier);
  liste = f.groupe(page, "GroupBox12");
  LBvariable = f.creer<QListWidget>(liste, "LBvariable");
  (new QVBoxLayout(liste))->addWidget(LBvariable);
  variable->addWidget(saisie);
  variable->addWidget(liste);

  page = onglets[onglet_liste];
  auto* grille = new QVBoxLayout(page);
  auto* compte = new QHBoxLayout;
  UpDown1 = f.creer<QSpinBox>(page, "UpDown1");
  UpDown1->setRange(1, taille_grille_maximale);
  UpDown1->setValue(lignes_liste_initiales);
  compte->addWidget(f.etiquette(page, "Label14"));
  compte->addWidget(UpDown1);
  compte->addStretch();
  SGliste = nouvelle_grille(f, page, "SGliste", lignes_liste_initiales, 1);
  grille->addLayout(compte);
  grille->addWidget(SGliste);
}

void TFnouvel_objet::relier() {
  const std::pair<QPushButton*, void (TFnouvel_objet::*)()> boutons[] = {
      {Bcreer_matrice, &TFnouvel_objet::Bcreer_matriceClick}, {Bcreer_point, &TFnouvel_objet::Bcreer_pointClick},
      {Bcreer_vecteur, &TFnouvel_objet::Bcreer_vecteurClick}, {Bajouter, &TFnouvel_objet::BajouterClick},
      {Bmodifier_equation, &TFnouvel_objet::Bmodifier_equationClick},
      {Bajouter_variable, &TFnouvel_objet::Bajouter_variableClick}, {Bmodifier, &TFnouvel_objet::BmodifierClick},
      {dxButton7, &TFnouvel_objet::dxButton7Click}, {dxButton8, &TFnouvel_objet::dxButton8Click}};
  for (const auto& [bouton, gestionnaire] : boutons) connect(bouton, &QPushButton::clicked, this, gestionnaire);
  connect(Bok, &QPushButton::clicked, this, [this] { BokClick(); });
  connect(Bajouter_constante, &QPushButton::clicked, this, [this] { Bajouter_constanteClick(); });
  connect(Bsupprimer, &QPushButton::clicked, Asupprimer_fonction, &QAction::trigger);
  connect(Asupprimer_fonction, &QAction::triggered, this, &TFnouvel_objet::Asupprimer_fonctionExecute);
  const std::pair<QListWidget*, void (TFnouvel_objet::*)()> listes[] = {
      {LBfonction, &TFnouvel_objet::LBfonctionClick}, {LBmatrice, &TFnouvel_objet::LBmatriceClick},
      {LBpoint, &TFnouvel_objet::LBpointClick},       {LBvecteur, &TFnouvel_objet::LBvecteurClick},
      {LBequation, &TFnouvel_objet::LBequationClick}, {LBvariable, &TFnouvel_objet::LBvariableClick},
      {LBconstante, &TFnouvel_objet::LBconstanteClick}};
  for (const auto& [liste, gestionnaire] : listes) connect(liste, &QListWidget::itemClicked, this, gestionnaire);
  const std::pair<QLineEdit*, void (TFnouvel_objet::*)()> zones[] = {
      {Tnb_ligne, &TFnouvel_objet::Tnb_ligneChange},
      {Tnb_colonne, &TFnouvel_objet::Tnb_colonneChange},
      {Tdimension_point, &TFnouvel_objet::Tdimension_pointChange},
      {Tdimension_vecteur, &TFnouvel_objet::Tdimension_vecteurChange}};
  for (const auto& [zone, gestionnaire] : zones) connect(zone, &QLineEdit::textEdited, this, gestionnaire);
  connect(Tnom_constante, &QLineEdit::returnPressed, this, [this] { Tnom_valeur->setFocus(); });
  connect(Tnom_valeur, &QLineEdit::returnPressed, this, [this] { Bajouter_constanteClick(); });
  connect(CBpoint1, &QComboBox::activated, this, &TFnouvel_objet::CBpoint1Change);
  connect(CBpoint2, &QComboBox::activated, this, &TFnouvel_objet::CBpoint1Change);
  connect(RBcoordonnees, &QRadioButton::clicked, this, &TFnouvel_objet::RBcoordonneesClick);
  connect(RBpoints, &QRadioButton::clicked, this, &TFnouvel_objet::RBcoordonneesClick);
  connect(dxCheckbox1, &QCheckBox::clicked, this, &TFnouvel_objet::dxCheckbox1Click);
  connect(UpDown1, &QSpinBox::valueChanged, this, &TFnouvel_objet::UpDown1Click);
  connect(PageControl1, &QTabWidget::currentChanged, this, [this](int page) {
    if (page == onglet_vecteur) TSvecteurShow();
  });
}

// ---- Loading and saving ----

void TFnouvel_objet::FormShow() {
  const std::pair<const char*, QListWidget*> objets[] = {
      {section_matrices, LBmatrice}, {section_points, LBpoint}, {section_vecteurs, LBvecteur}};
  for (const auto& [section, liste] : objets) {
    liste->clear();
    if (!ini_fonctions) continue;
    for (const Tentree_ini& entree : ini_fonctions->entrees_section(section)) {
      liste->addItem(depuis_1252(entree.valeur));
    }
  }
  charger_constantes();
  charger_fonctions_utilisateur();
  const std::vector<std::string> elements = items_liste(texte_de(Tobjet_en_traitement));
  if (elements.empty()) {
    UpDown1->setValue(lignes_liste_initiales);
    remplir_colonne(SGliste, std::vector<std::string>(lignes_liste_initiales));
  } else {
    remplir_colonne(SGliste, elements);
    const QSignalBlocker bloque(UpDown1);
    UpDown1->setValue(static_cast<int>(elements.size()));
  }
}

void TFnouvel_objet::FormHide() {
  if (!ini_fonctions) return;
  Tlot_ini lot(*ini_fonctions);
  const std::pair<const char*, QListWidget*> objets[] = {
      {section_matrices, LBmatrice}, {section_points, LBpoint}, {section_vecteurs, LBvecteur}};
  for (const auto& [section, liste] : objets) {
    std::vector<Tentree_ini> entrees;
    for (const std::string& ligne : lignes(liste)) entrees.push_back({cle_objet(section, ligne), ligne});
    ini_fonctions->remplacer_section(section, entrees);
  }
  if (!lot.terminer()) affiche_message(texte_shell("objet_impossible"));
}

void TFnouvel_objet::charger_constantes() {
  LBconstante->clear();
  if (!ini_constantes || !constantes) return;
  for (const Tentree_ini& entree : ini_constantes->entrees_section(section_constantes)) {
    LBconstante->addItem(depuis_1252(entree.cle + "=" + entree.valeur));
    constantes->ajouter(entree.cle, entree.valeur);
  }
}

void TFnouvel_objet::charger_fonctions_utilisateur() {
  LBfonction->clear();
  if (!fonctions_usuelles) return;
  fonctions_usuelles->dimensionner();
  if (!ini_fonctions) return;
  const std::string categorie = catalogue_textes.txt_fonctions_utilisateurs;
  for (const Tentree_ini& entree : ini_fonctions->entrees_section(section_fonctions)) {
    const std::string ligne = texte_fonction(entree.valeur);
    LBfonction->addItem(depuis_1252(ligne));
    const Tfonction_stockee f = lire_fonction_stockee(decouper_fonction(ligne, "="));
    ajouter_fonction_utilisateur(f.nom, f.expression, f.variable, categorie, description_fonction_utilisateur);
  }
}

// ---- Functions and constants ----

bool TFnouvel_objet::oui_a_la_question(const std::string& question) const {
  return affiche_dialogue(question, TypeDialogue::confirmation, bouton_oui | bouton_non) == reponse_oui;
}

bool TFnouvel_objet::BokClick() {
  const std::string nom = en_minuscules(texte_de(Tnom));
  if (nom.empty() || !est_nom_variable(nom)) {
    affiche_message(texte_shell("objet_impossible"));
    return false;
  }
  const int ligne = ligne_fonction(nom);
  if (ligne > 0 && ligne < nb_fonctions_predefinies) {
    affiche_message(catalogue_textes.txt_nom_reserve_pouvez);
    return false;
  }
  const bool existe = ligne >= nb_fonctions_predefinies;
  if (existe && !oui_a_la_question(catalogue_textes.txt_fonction_existe_deja)) return false;
  std::string expression = en_minuscules(texte_de(Texpression));
  std::string variable = en_minuscules(texte_de(Tvariable));
  if (!expression.empty()) {
    const std::optional<std::string> verifiee = texte_verifie(expression);
    if (!verifiee) return false;
    expression = *verifiee;
  }
  if (variable.empty()) {
    const std::vector<std::string> variables = variables_distinctes(expression);
    if (variables.size() == 1) variable = variables.front();
  }
  std::string erreur;
  if (est_reserve(nom)) erreur = catalogue_textes.txt_nom_reserve_pouvez;
  if (variable.empty()) erreur = catalogue_textes.txt_devez_saisir_variable;
  if (erreur.empty() && !est_nom_variable(variable)) erreur = texte_shell("objet_impossible");
  if (!erreur.empty()) {
    affiche_message(erreur);
    return false;
  }
  if (!ini_fonctions) return false;
  bool ecrit = false;
  if (expression.empty()) {
    ecrit = existe && ini_fonctions->supprimer_cle(section_fonctions, nom);
  } else {
    ecrit = ini_fonctions->ecrire_texte(section_fonctions, nom, Format("%s;%s;%s", {nom, expression, variable}));
  }
  if (!ecrit) return false;
  charger_fonctions_utilisateur();
  Tnom->clear();
  Texpression->clear();
  Tvariable->clear();
  return true;
}

void TFnouvel_objet::LBfonctionClick() {
  const Tfonction_stockee f = lire_fonction_stockee(decouper_fonction(ligne_choisie(LBfonction), "="));
  ecrire(Tnom, f.nom);
  ecrire(Texpression, f.expression);
  ecrire(Tvariable, f.variable);
}

bool TFnouvel_objet::Bajouter_constanteClick() {
  const std::string nom = en_minuscules(texte_de(Tnom_constante));
  if (nom.empty()) {
    affiche_message(catalogue_textes.txt_devez_saisir_variable);
    return false;
  }
  if (!est_nom_variable(nom)) {
    affiche_message(texte_shell("objet_impossible"));
    return false;
  }
  const int indice = constantes ? constantes->indice(nom) : -1;
  if (indice == 0) {
    affiche_message(catalogue_textes.txt_nom_reserve_pouvez);
    return false;
  }
  const bool existe = indice > 0;
  if (existe && !oui_a_la_question(catalogue_textes.txt_constante_existe_deja)) return false;
  std::string valeur = en_minuscules(texte_de(Tnom_valeur));
  if (!valeur.empty()) {
    const std::optional<std::string> verifiee = texte_verifie(valeur);
    if (!verifiee) return false;
    valeur = *verifiee;
  }
  if (est_reserve(nom)) {
    affiche_message(catalogue_textes.txt_nom_reserve_pouvez);
    return false;
  }
  if (!ini_constantes || !constantes) return false;
  if (valeur.empty()) {
    if (!existe || !ini_constantes->supprimer_cle(section_constantes, nom)) return false;
    constantes->supprimer(nom);
  } else {
    if (!ini_constantes->ecrire_texte(section_constantes, nom, valeur)) return false;
  }
  charger_constantes();
  Tnom_constante->clear();
  Tnom_valeur->clear();
  return true;
}

void TFnouvel_objet::LBconstanteClick() {
  const std::string ligne = ligne_choisie(LBconstante);
  const std::size_t egal = ligne.find('=');
  ecrire(Tnom_constante, ligne.substr(0, egal));
  ecrire(Tnom_valeur, egal == std::string::npos ? "" : ligne.substr(egal + 1));
}

// ---- Matrices and points ----

void TFnouvel_objet::ajouter_ligne_objet(QListWidget* liste, const std::string& cle, const std::string& ligne) {
  const std::string cherche = en_minuscules(cle);
  for (int i = 0; i < liste->count(); ++i) {
    const std::string existante = vers_1252(liste->item(i)->text());
    const std::string section = liste == LBmatrice ? section_matrices
                                : liste == LBpoint ? section_points
                                                   : section_vecteurs;
    if (en_minuscules(cle_objet(section, existante)) == cherche) {
      liste->item(i)->setText(depuis_1252(ligne));
      return;
    }
  }
  liste->addItem(depuis_1252(ligne));
}

void TFnouvel_objet::Tnb_ligneChange() {
  if (auto n = taille_grille(texte_de(Tnb_ligne))) {
    SGmatrice->setRowCount(*n);
  } else {
    affiche_message(catalogue_textes.txt_devez_saisir_nombre);
  }
}

void TFnouvel_objet::Tnb_colonneChange() {
  if (auto n = taille_grille(texte_de(Tnb_colonne))) {
    SGmatrice->setColumnCount(*n);
  } else {
    affiche_message(catalogue_textes.txt_devez_saisir_nombre);
  }
}

void TFnouvel_objet::Bcreer_matriceClick() {
  const std::string nom = texte_de(Tnom_matrice);
  if (nom.empty()) return affiche_message(nom_matrice_manquant);
  if (!est_nom_objet(nom)) return affiche_message(texte_shell("objet_impossible"));
  Tmatrice m = Tmatrice::Create(nom, SGmatrice->columnCount(), SGmatrice->rowCount());
  for (int c = 0; c < m.nb_colonnes; ++c) {
    for (int r = 0; r < m.nb_lignes; ++r) {
      const std::string texte = cellule(SGmatrice, r, c);
      m.coefficients[c][r] = texte.empty() ? "0" : texte;
    }
  }
  ajouter_ligne_objet(LBmatrice, nom, nom + ";" + m.texte());
}

void TFnouvel_objet::LBmatriceClick() {
  const std::optional<Tmatrice> m = lire_matrice(ligne_choisie(LBmatrice));
  if (!m) return;
  ecrire(Tnom_matrice, m->nom);
  Tnb_ligne->setText(QString::number(m->nb_lignes));
  Tnb_colonne->setText(QString::number(m->nb_colonnes));
  SGmatrice->clearContents();
  SGmatrice->setRowCount(m->nb_lignes);
  SGmatrice->setColumnCount(m->nb_colonnes);
  for (int c = 0; c < m->nb_colonnes; ++c) {
    for (int r = 0; r < m->nb_lignes; ++r) ecrire_cellule(SGmatrice, r, c, m->coefficients[c][r]);
  }
}

void TFnouvel_objet::Tdimension_pointChange() {
  if (auto n = taille_grille(texte_de(Tdimension_point))) {
    SGpoint->setRowCount(*n);
  } else {
    affiche_message(catalogue_textes.txt_devez_saisir_nombre);
  }
}

void TFnouvel_objet::Bcreer_pointClick() {
  const std::string nom = texte_de(Tnom_point);
  if (nom.empty()) return affiche_message(nom_point_manquant);
  if (!est_nom_objet(nom)) return affiche_message(texte_shell("objet_impossible"));
  std::vector<std::string> coordonnees = colonne(SGpoint);
  for (std::string& c : coordonnees) {
    if (c.empty()) c = "0";
  }
  ajouter_ligne_objet(LBpoint, nom, ligne_point(nom, coordonnees));
}

void TFnouvel_objet::LBpointClick() {
  const std::optional<Tpoint_> p = lire_point(ligne_choisie(LBpoint));
  if (!p) return;
  ecrire(Tnom_point, p->nom);
  Tdimension_point->setText(QString::number(p->dimension));
  remplir_colonne(SGpoint, p->coordonnees);
}

// ---- Vectors ----

void TFnouvel_objet::TSvecteurShow() {
  for (QComboBox* liste : {CBpoint1, CBpoint2}) {
    liste->clear();
    for (const std::string& ligne : lignes(LBpoint)) liste->addItem(depuis_1252(ligne));
    liste->setCurrentIndex(-1);
  }
}

void TFnouvel_objet::RBcoordonneesClick() { Ppoints->setVisible(RBpoints->isChecked()); }

bool TFnouvel_objet::points_choisis(Tpoint_& origine, Tpoint_& extremite) const {
  if (CBpoint1->currentIndex() < 0 || CBpoint2->currentIndex() < 0) return false;
  const auto a = lire_point(vers_1252(CBpoint1->currentText()));
  const auto b = lire_point(vers_1252(CBpoint2->currentText()));
  if (!a || !b) return false;
  origine = *a;
  extremite = *b;
  return true;
}

void TFnouvel_objet::CBpoint1Change() {
  QComboBox* choisie = sender() == CBpoint2 ? CBpoint2 : CBpoint1;
  if (const auto p = lire_point(vers_1252(choisie->currentText()))) ecrire(Tnom_vecteur, p->nom);
  Tpoint_ origine;
  Tpoint_ extremite;
  if (!RBpoints->isChecked() || !points_choisis(origine, extremite)) return;
  const auto coordonnees = coordonnees_entre(origine, extremite);
  if (!coordonnees) return;
  Tvecteur v = Tvecteur::Create(origine.nom, extremite.nom, origine.dimension);
  v.coordonnees = *coordonnees;
  ecrire(Tnom_vecteur, v.nom);
  Tdimension_vecteur->setText(QString::number(v.dimension));
  remplir_colonne(SGvecteur, v.coordonnees);
  ecrire(Tnorme, v.norme());
}

void TFnouvel_objet::Tdimension_vecteurChange() {
  if (auto n = taille_grille(texte_de(Tdimension_vecteur))) {
    SGvecteur->setRowCount(*n);
  } else {
    affiche_message(catalogue_textes.txt_devez_saisir_nombre);
  }
}

void TFnouvel_objet::Bcreer_vecteurClick() {
  const std::string nom = texte_de(Tnom_vecteur);
  if (nom.empty()) return affiche_message(nom_vecteur_manquant);
  if (!est_nom_objet(nom)) return affiche_message(texte_shell("objet_impossible"));
  std::vector<std::string> coordonnees = colonne(SGvecteur);
  for (std::string& c : coordonnees) {
    if (c.empty()) c = "0";
  }
  Tpoint_ origine;
  Tpoint_ extremite;
  if (RBpoints->isChecked() && points_choisis(origine, extremite) && origine.nom + extremite.nom == nom) {
    ajouter_ligne_objet(LBvecteur, nom, ligne_vecteur(origine.nom, extremite.nom, coordonnees));
  } else {
    ajouter_ligne_objet(LBvecteur, nom, ligne_vecteur(nom, "", coordonnees));
  }
}

void TFnouvel_objet::LBvecteurClick() {
  const std::optional<Tvecteur> v = lire_vecteur(ligne_choisie(LBvecteur));
  if (!v) return;
  ecrire(Tnom_vecteur, v->nom);
  Tdimension_vecteur->setText(QString::number(v->dimension));
  remplir_colonne(SGvecteur, v->coordonnees);
  ecrire(Tnorme, v->norme());
  if (v->extremite.empty()) return;
  const auto index_du_point = [this](const std::string& nom) {
    const std::vector<std::string> points = lignes(LBpoint);
    for (int i = 0; i < static_cast<int>(points.size()); ++i) {
      if (cle_ligne_objet(points[i]) == nom) return i;
    }
    return -1;
  };
  TSvecteurShow();
  CBpoint1->setCurrentIndex(index_du_point(v->origine));
  CBpoint2->setCurrentIndex(index_du_point(v->extremite));
}

void TFnouvel_objet::tracer_segment(double x1, double y1, double x2, double y2, const std::string& titre) {
  if (!Fvorel) return;
  std::shared_ptr<TLineSeries> serie = Fvorel->Chart1->NewLineSeries();
  serie->SetTitle(titre);
  serie->AddXY(x1, y1);
  serie->AddXY(x2, y2);
  series_tracees_.push_back(serie);
}

void TFnouvel_objet::dxCheckbox1Click() {
  if (!Fvorel) return;
  // Series the chart has let go of are dropped.
  std::erase_if(series_tracees_, [](const std::shared_ptr<TChartSeries>& s) {
    for (int i = 0; i < Fvorel->Chart1->SeriesCount(); ++i) {
      if (Fvorel->Chart1->Series(i) == s) return false;
    }
    return true;
  });
  Tpoint_ origine;
  Tpoint_ extremite;
  std::vector<std::string> depart{"0", "0"};
  std::vector<std::string> arrivee = colonne(SGvecteur);
  std::string titre = texte_de(Tnom_vecteur);
  const bool par_points = points_choisis(origine, extremite);
  if (par_points) {
    depart = origine.coordonnees;
    arrivee = extremite.coordonnees;
  }
  if (depart.size() != 2 || arrivee.size() != 2) return;
  std::vector<double> valeurs;
  for (const std::string& t : {depart[0], depart[1], arrivee[0], arrivee[1]}) {
    const std::optional<double> v = valeur_numerique(t);
    if (!v) return affiche_message(catalogue_textes.txt_devez_saisir_nombre);
    valeurs.push_back(*v);
  }
  if (par_points) {
    tracer_segment(valeurs[0], valeurs[1], valeurs[2], valeurs[3], origine.nom + extremite.nom);
    std::shared_ptr<TLineSeries> vide = Fvorel->Chart1->NewLineSeries();
    series_tracees_.push_back(vide);
  } else {
    const double x = valeurs[2];
    const double y = valeurs[3];
    tracer_segment(0, 0, x, y, titre);
    std::shared_ptr<TLineSeries> tete = Fvorel->Chart1->NewLineSeries();
    if (const auto pointe = pointe_fleche(x, y)) {
      for (const Tpoint_plan& p : *pointe) tete->AddXY(p.x, p.y);
    }
    series_tracees_.push_back(tete);
  }
  Fvorel->Chart1->Repaint();
}

// ---- Equations, variables, list ----

void TFnouvel_objet::BajouterClick() {
  const std::string saisie = texte_de(Tequation);
  if (saisie.empty()) return affiche_message(catalogue_textes.txt_avez_saisi_equation);
  if (!texte_verifie(saisie)) return;
  LBequation->addItem(depuis_1252(normalise_saisie(saisie)));
  Tequation->clear();
}

void TFnouvel_objet::Bmodifier_equationClick() {
  const std::string saisie = texte_de(Tequation);
  if (saisie.empty()) return affiche_message(catalogue_textes.txt_avez_saisi_equation);
  std::string texte = saisie;
  std::string message;
  verifier_syntaxe(texte, message);
  if (!message.empty()) return affiche_message(message);
  if (QListWidgetItem* element = LBequation->currentItem()) element->setText(depuis_1252(texte));
  Tequation->clear();
}

void TFnouvel_objet::LBequationClick() { ecrire(Tequation, ligne_choisie(LBequation)); }

void TFnouvel_objet::Bajouter_variableClick() {
  if (Tvariable_equation->text().isEmpty()) return;
  LBvariable->addItem(Tvariable_equation->text());
}

void TFnouvel_objet::BmodifierClick() {
  if (QListWidgetItem* element = LBvariable->currentItem()) element->setText(Tvariable_equation->text());
}

void TFnouvel_objet::LBvariableClick() { ecrire(Tvariable_equation, ligne_choisie(LBvariable)); }

void TFnouvel_objet::UpDown1Click() { SGliste->setRowCount(UpDown1->value()); }

// ---- Incoming text, OK, cancel, delete ----

void TFnouvel_objet::Tobjet_en_traitementChange() {
  const std::string texte = texte_de(Tobjet_en_traitement);
  const int page = PageControl1->currentIndex();
  if (page == onglet_equation || page == onglet_variable) {
    QListWidget* liste = page == onglet_equation ? LBequation : LBvariable;
    liste->clear();
    const std::string interieur = texte.size() >= 2 ? texte.substr(1, texte.size() - 2) : std::string();
    if (interieur.empty()) return;
    for (const std::string& item : decoupe_arguments(interieur)) {
      if (!item.empty()) liste->addItem(depuis_1252(item));
    }
  } else if (page == onglet_point_plan) {
    const std::vector<std::string> items = items_liste(texte);
    ecrire(Tabscisse_point, items.empty() ? "0" : items[0]);
    ecrire(Tordonnee_point, items.size() < 2 ? "0" : items[1]);
  }
}

void TFnouvel_objet::dxButton7Click() {
  const int page = PageControl1->currentIndex();
  switch (page) {
    case onglet_fonction:
      if (LBfonction->currentItem()) objet_en_traitement = texte_de(Texpression);
      break;
    case onglet_matrice:
      if (auto m = lire_matrice(ligne_choisie(LBmatrice))) objet_en_traitement = m->texte();
      break;
    case onglet_point:
      if (auto p = lire_point(ligne_choisie(LBpoint))) objet_en_traitement = p->texte();
      break;
    case onglet_vecteur:
      if (auto v = lire_vecteur(ligne_choisie(LBvecteur))) objet_en_traitement = liste_crochets(v->coordonnees);
      break;
    case onglet_equation: {
      const std::vector<std::string> equations = lignes(LBequation);
      objet_en_traitement = liste_crochets(equations);
      std::vector<std::string> plus_longue;
      for (const std::string& e : equations) {
        std::vector<std::string> v = variables_distinctes(e);
        if (v.size() > plus_longue.size()) plus_longue = std::move(v);
      }
      if (remplir_variables_editeur) remplir_variables_editeur(liste_crochets(plus_longue));
      break;
    }
    case onglet_variable: objet_en_traitement = liste_crochets(lignes(LBvariable)); break;
    case onglet_liste: {
      std::vector<std::string> cellules = colonne(SGliste);
      for (std::string& c : cellules) {
        if (c.empty()) c = "0";
      }
      remplir_colonne(SGliste, cellules);
      objet_en_traitement = liste_crochets(cellules);
      break;
    }
    case onglet_point_plan:
      objet_en_traitement = Format("[%s;%s]", {texte_de(Tabscisse_point), texte_de(Tordonnee_point)});
      break;
    default: break;
  }
  if (page == onglet_fonction && ligne_fonction(texte_de(Tnom)) == 0 && !Texpression->text().isEmpty()) BokClick();
  accept();
}

void TFnouvel_objet::dxButton8Click() {
  objet_en_traitement = texte_de(Tobjet_en_traitement);
  reject();
}

void TFnouvel_objet::BannulerClick() { reject(); }

void TFnouvel_objet::Asupprimer_fonctionExecute() {
  const int page = PageControl1->currentIndex();
  if (page == onglet_liste) {
    for (int r = 0; r < SGliste->rowCount(); ++r) ecrire_cellule(SGliste, r, 0, "");
    return;
  }
  const std::pair<int, QListWidget*> listes[] = {
      {onglet_fonction, LBfonction}, {onglet_matrice, LBmatrice},   {onglet_point, LBpoint},
      {onglet_vecteur, LBvecteur},   {onglet_equation, LBequation}, {onglet_variable, LBvariable},
      {onglet_constante, LBconstante}};
  QListWidget* liste = nullptr;
  for (const auto& [onglet, l] : listes) {
    if (onglet == page) liste = l;
  }
  if (liste == nullptr || liste->currentItem() == nullptr) return;
  const std::string ligne = ligne_choisie(liste);
  if (page == onglet_fonction && ini_fonctions) {
    ini_fonctions->supprimer_cle(section_fonctions, cle_ligne_objet(decouper_fonction(ligne, "=")));
    charger_fonctions_utilisateur();
    return;
  }
  if (page == onglet_constante && ini_constantes && constantes) {
    const std::string nom = ligne.substr(0, ligne.find('='));
    ini_constantes->supprimer_cle(section_constantes, nom);
    constantes->supprimer(nom);
    charger_constantes();
    return;
  }
  delete liste->takeItem(liste->currentRow());
}

// ---- Showing ----

void TFnouvel_objet::afficher_onglet(int page) {
  for (int i = 0; i < PageControl1->count(); ++i) PageControl1->setTabVisible(i, false);
  if (page < 0 || page >= PageControl1->count()) return;
  PageControl1->setCurrentIndex(page);
  PageControl1->setTabVisible(page, true);
  PageControl1->setCurrentIndex(page);
}

int TFnouvel_objet::montrer_sur(int page) {
  afficher_onglet(page);
  FormShow();
  if (page == onglet_vecteur) TSvecteurShow();
  const int resultat = montrer_modal(objectName().toStdString(), [this] { return exec(); });
  FormHide();
  return resultat;
}

std::string TFnouvel_objet::editer_objet(const std::string& texte, int page) {
  objet_en_traitement = texte;
  afficher_onglet(page);
  {
    const QSignalBlocker bloque(Tobjet_en_traitement);
    ecrire(Tobjet_en_traitement, texte);
  }
  Tobjet_en_traitementChange();
  montrer_sur(page);
  const QSignalBlocker bloque(Tobjet_en_traitement);
  Tobjet_en_traitement->clear();
  return objet_en_traitement;
}
