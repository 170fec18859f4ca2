#include "shell/options_graphiques.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>
#include <iterator>
#include <optional>
#include <utility>

#include "engine/fonction.h"
#include "engine/primitives.h"
#include "localisation/catalogue.h"
#include "localisation/messages.h"
#include "localisation/nombres.h"
#include "platform/chart/chart.h"
#include "platform/couleur_qt.h"
#include "platform/texte_qt.h"
#include "shell/composants.h"
#include "shell/defauts_parametres.h"
#include "shell/noms_parametres.h"
#include "shell/parametres_principaux.h"
#include "shell/textes_shell.h"
#include "shell/vorel.h"

TFoptions_graphiques* Foptions_graphiques = nullptr;

namespace {

namespace section = parametres::section;
namespace cle = parametres::cle;
namespace defaut = parametres::defaut;

// The intersection digits offered ("2" to "12") and the decimals shown ("0"
// to "15"), with the item chosen when the setting is outside the list.
constexpr int precision_minimale = 2;
constexpr int precision_maximale = 12;
constexpr int decimale_maximale = 15;
// The decimals item the default button selects.
constexpr int decimale_par_defaut_bouton = 3;
constexpr double cent_pour_cent = 100;

void remplir_entiers(QComboBox* liste, int premier, int dernier) {
  for (int i = premier; i <= dernier; ++i) liste->addItem(QString::number(i));
}

// Selects the item showing `valeur`, else the one showing `defaut`.
void choisir_entier(QComboBox* liste, int valeur, int defaut) {
  int indice = liste->findText(QString::number(valeur));
  if (indice < 0) indice = liste->findText(QString::number(defaut));
  liste->setCurrentIndex(indice);
}

int entier_choisi(const QComboBox* liste, int defaut) {
  bool ok = false;
  const int valeur = liste->currentText().toInt(&ok);
  return ok ? valeur : defaut;
}

std::string texte_de(const QLineEdit* zone) { return vers_1252(zone->text()); }

// Where an axis crosses the other: at the value 0 when the range holds it.
int position_axe(double minimum, double maximum) {
  if (minimum * maximum >= 0) return 0;
  return static_cast<int>(std::abs(minimum) * cent_pour_cent / (maximum - minimum));
}

void colorer(QWidget* panneau, std::int32_t couleur) {
  panneau->setAutoFillBackground(true);
  QPalette palette = panneau->palette();
  palette.setColor(QPalette::Window, couleur_qt(couleur));
  panneau->setPalette(palette);
}

QString conception(const char* nom) {
  const LibelleConception* l = libelle_conception("TFoptions_graphiques", nom);
  return l == nullptr ? QString() : depuis_1252(l->libelle);
}

void page_internet(Fabrique& f, QWidget* page) {
  auto* d = new QFormLayout(page);
  d->addRow(f.etiquette(page, "Label6"), f.zone_texte(page, "Tadresse"));
  d->addRow(f.etiquette(page, "Label7"), f.zone_texte(page, "Tport"));
  d->addRow(f.case_a_cocher(page, "CBie"));
  QGroupBox* authentification = f.groupe(page, "GroupBox2");
  auto* champs = new QFormLayout(authentification);
  champs->addRow(f.case_a_cocher(authentification, "Cbauthentification"));
  champs->addRow(f.etiquette(authentification, "Label8"), f.zone_texte(authentification, "Tutilisateur"));
  champs->addRow(f.etiquette(authentification, "Tmot_de_passe"), f.zone_texte(authentification, "Tpwd_proxy"));
  d->addRow(authentification);
}

}  // namespace

TFoptions_graphiques::TFoptions_graphiques(QWidget* parent) : QDialog(parent) {
  Fabrique f("TFoptions_graphiques");
  f.titrer(this);
  auto* disposition = new QVBoxLayout(this);
  auto* haut = new QHBoxLayout;
  auto* gauche = new QVBoxLayout;
  gauche->addWidget(f.etiquette(this, "Lcategorie_options"));
  LBcategorie = f.creer<QListWidget>(this, "LBcategorie");
  for (const char* item : {"LBcategorie.0", "LBcategorie.1", "LBcategorie.2"}) LBcategorie->addItem(conception(item));
  gauche->addWidget(LBcategorie);
  haut->addLayout(gauche);
  PCoptions = f.creer<QTabWidget>(this, "PCoptions");
  PCoptions->tabBar()->hide();  // the category list chooses the page
  TSExercices = f.page(PCoptions, "TSExercices");
  TSgraphiques = f.page(PCoptions, "TSgraphiques");
  TSinternet = f.page(PCoptions, "TSinternet");
  TabSheet4 = f.page(PCoptions, "TabSheet4");
  TSgenerales = f.page(PCoptions, "TSgenerales");
  haut->addWidget(PCoptions, 1);
  disposition->addLayout(haut);

  creer_page_exercices();
  page_graphiques(TSgraphiques);
  page_internet(f, TSinternet);
  Tadresse = TSinternet->findChild<QLineEdit*>(QStringLiteral("Tadresse"));
  Tport = TSinternet->findChild<QLineEdit*>(QStringLiteral("Tport"));
  CBie = TSinternet->findChild<QCheckBox*>(QStringLiteral("CBie"));
  Cbauthentification = TSinternet->findChild<QCheckBox*>(QStringLiteral("Cbauthentification"));
  Tutilisateur = TSinternet->findChild<QLineEdit*>(QStringLiteral("Tutilisateur"));
  Tpwd_proxy = TSinternet->findChild<QLineEdit*>(QStringLiteral("Tpwd_proxy"));
  Tpwd_proxy->setEchoMode(QLineEdit::Password);
  auto* outils = new QFormLayout(TabSheet4);
  CBaction = f.creer<QComboBox>(TabSheet4, "CBaction");
  CBaction->hide();
  CBreduction = f.case_a_cocher(TabSheet4, "CBreduction");
  CBreduction->hide();
  outils->addRow(CBaction);
  outils->addRow(CBreduction);
  auto* generales = new QFormLayout(TSgenerales);
  CBLangue = f.creer<QComboBox>(TSgenerales, "CBLangue");
  CBLangue->addItems({conception("CBLangue.0"), conception("CBLangue.1")});
  CBLangue->hide();
  QLabel* langue = f.etiquette(TSgenerales, "Label15");
  langue->hide();
  generales->addRow(langue, CBLangue);
  CBmultiplier = f.case_a_cocher(TSgenerales, "CBmultiplier");
  CBcoloration = f.case_a_cocher(TSgenerales, "CBcoloration");
  generales->addRow(CBmultiplier);
  generales->addRow(CBcoloration);
  Bconfigurer = f.bouton(TSgenerales, "Bconfigurer");
  generales->addRow(Bconfigurer);

  auto* bas = new QHBoxLayout;
  Bok = f.bouton(this, "Bok");
  BANNULER = f.bouton(this, "BANNULER");
  Bappliquer = f.bouton(this, "Bappliquer");
  bas->addStretch();
  for (QPushButton* b : {Bok, BANNULER, Bappliquer}) bas->addWidget(b);
  disposition->addLayout(bas);
  connect(Bok, &QPushButton::clicked, this, [this] { BokClick(); });
  connect(Bappliquer, &QPushButton::clicked, this, [this] { BappliquerClick(Bappliquer); });
  connect(BANNULER, &QPushButton::clicked, this, [this] { BANNULERClick(); });
  connect(Bconfigurer, &QPushButton::clicked, this, [this] { BconfigurerClick(); });
  connect(CBie, &QCheckBox::clicked, this, [this] { CBieClick(); });
  connect(Cbauthentification, &QCheckBox::clicked, this, [this] { CbauthentificationClick(); });
  connect(CBLangue, &QComboBox::activated, this, [this] { CBLangueChange(); });
  connect(LBcategorie, &QListWidget::itemClicked, this, [this] { LBcategorieClick(); });
  FormCreate();
}

void TFoptions_graphiques::FormCreate() {
  CBreduction->setChecked(ini_principal->lire_booleen(section::outils, cle::auto_reduction, defaut::auto_reduction));
  FormShow();
}

void TFoptions_graphiques::page_graphiques(QWidget* page) {
  Fabrique f("TFoptions_graphiques");
  auto* d = new QFormLayout(page);
  Ttitre = f.zone_texte(page, "Ttitre");
  d->addRow(f.etiquette(page, "Label5"), Ttitre);
  const std::pair<const char*, QLineEdit**> bornes[] = {{"Label1", &Txmin}, {"Label2", &Txmax}, {"Label3", &Tymin},
                                                        {"Label4", &Tymax}, {"Label9", &Ttmin}, {"Label10", &Ttmax}};
  const char* noms[] = {"Txmin", "Txmax", "Tymin", "Tymax", "Ttmin", "Ttmax"};
  for (std::size_t i = 0; i < std::size(bornes); ++i) {
    *bornes[i].second = f.zone_texte(page, noms[i]);
    d->addRow(f.etiquette(page, bornes[i].first), *bornes[i].second);
  }
  Txmin->setText(QStringLiteral("-5"));
  Txmax->setText(QStringLiteral("5"));
  Tymin->setText(QStringLiteral("-5"));
  Tymax->setText(QStringLiteral("5"));
  Ttmin->setText(QStringLiteral("-2*pi"));
  Ttmax->setText(QStringLiteral("2*pi"));
  CBlegende = f.case_a_cocher(page, "CBlegende");
  d->addRow(CBlegende);
  CBquadrillage = f.case_a_cocher(page, "CBquadrillage");
  CBquadrillage->setChecked(true);
  d->addRow(CBquadrillage);
  Cechelle = f.case_a_cocher(page, "Cechelle");
  Cechelle->hide();
  d->addRow(Cechelle);
  connect(Cechelle, &QCheckBox::clicked, this, [this] { CechelleClick(); });
  CBprecision = f.creer<QComboBox>(page, "CBprecision");
  remplir_entiers(CBprecision, precision_minimale, precision_maximale);
  QLabel* precision = f.etiquette(page, "Label12");
  d->addRow(precision, CBprecision);
  precision->hide();
  CBprecision->hide();
  CBdecimale = f.creer<QComboBox>(page, "CBdecimale");
  remplir_entiers(CBdecimale, 0, decimale_maximale);
  d->addRow(f.etiquette(page, "Label11"), CBdecimale);
  Panel2 = f.creer<QWidget>(page, "Panel2");
  Panel2->setMinimumHeight(20);
  Panel2->installEventFilter(this);
  d->addRow(f.etiquette(page, "Label14"), Panel2);
  Bdefaut = f.bouton(page, "Bdefaut");
  connect(Bdefaut, &QPushButton::clicked, this, [this] { BdefautClick(); });
  d->addRow(Bdefaut);
}

bool TFoptions_graphiques::eventFilter(QObject* objet, QEvent* evenement) {
  if (objet == Panel2 && evenement->type() == QEvent::MouseButtonRelease) {
    Panel2Click();
    return true;
  }
  return QDialog::eventFilter(objet, evenement);
}

void TFoptions_graphiques::choisir_couleur_fond(std::int32_t couleur) {
  couleur_fond_ = couleur;
  colorer(Panel2, couleur);
}

void TFoptions_graphiques::charger_graphiques() {
  if (Fvorel != nullptr) {
    const TChart& chart = *Fvorel->Chart1;
    CBlegende->setChecked(chart.LegendVisible());
    const std::string& titre = chart.Title();
    Ttitre->setText(depuis_1252(titre.substr(0, titre.find_first_of("\r\n"))));
    Tymin->setText(depuis_1252(texte_nombre(chart.LeftAxis().Minimum())));
    Tymax->setText(depuis_1252(texte_nombre(chart.LeftAxis().Maximum())));
    Txmin->setText(depuis_1252(texte_nombre(chart.BottomAxis().Minimum())));
    Txmax->setText(depuis_1252(texte_nombre(chart.BottomAxis().Maximum())));
    CBquadrillage->setChecked(chart.LeftAxis().GridVisible());
    choisir_couleur_fond(chart.Color());
  }
  Ttmin->setText(depuis_1252(ini_principal->lire_texte(section::OptionsGraphiques, cle::tmin, defaut::tmin)));
  Ttmax->setText(depuis_1252(ini_principal->lire_texte(section::OptionsGraphiques, cle::tmax, defaut::tmax)));
  choisir_entier(CBprecision, ini_principal->lire_entier(section::Options_graphiques, cle::precision, defaut::precision),
                 defaut::precision);
  choisir_entier(CBdecimale, ini_principal->lire_entier(section::Options_graphiques, cle::decimale, defaut::decimale),
                 defaut::decimale);
}

void TFoptions_graphiques::FormShow() {
  charger_classes();
  charger_graphiques();
  charger_internet();
  CBcoloration->setChecked(
      ini_principal->lire_booleen(section::outils, cle::activer_coloration, defaut::activer_coloration));
  CBmultiplier->setChecked(ini_principal->lire_booleen(section::outils, cle::auto_mutiplier, defaut::auto_mutiplier));
  const int langue = ini_principal->lire_entier(section::generales, cle::langue, defaut::langue);
  CBLangue->setCurrentIndex(langue == 1 ? 1 : 0);
}

void TFoptions_graphiques::LBcategorieClick() {
  QWidget* pages[] = {TSExercices, TSgraphiques, TSgenerales};
  const int categorie = LBcategorie->currentRow();
  if (categorie >= 0 && categorie < 3) PCoptions->setCurrentWidget(pages[categorie]);
}

namespace {

struct Tborne {
  QLineEdit* zone;
  const std::string* erreur;
  std::optional<double> valeur;
};

}  // namespace

void TFoptions_graphiques::BappliquerClick(QObject* sender) {
  appliquer_classes(sender);
  appliquer_graphiques();
  appliquer_internet();
}

bool TFoptions_graphiques::appliquer_graphiques() {
  Tborne bornes[] = {{Tymin, &catalogue_textes.txt_impossible_calculer_ymin, {}},
                     {Txmin, &catalogue_textes.txt_impossible_calculer_xmin, {}},
                     {Tymax, &catalogue_textes.txt_impossible_calculer_ymax, {}},
                     {Txmax, &catalogue_textes.txt_impossible_calculer_xmax, {}},
                     {Ttmin, &catalogue_textes.txt_impossible_calculer_tmin, {}},
                     {Ttmax, &catalogue_textes.txt_impossible_calculer_tmax, {}}};
  std::string erreurs;
  const auto ajouter = [&erreurs](const std::string& texte) {
    if (!erreurs.empty()) erreurs += "\r\n";
    erreurs += texte;
  };
  for (Tborne& b : bornes) {
    const std::string valeur = numeriser_texte(texte_de(b.zone), false);
    b.zone->setText(depuis_1252(valeur));
    if (est_nombre(valeur)) b.valeur = lire_nombre(valeur);
    if (!b.valeur) ajouter(*b.erreur);
  }
  const auto& [ymin, xmin, ymax, xmax, tmin, tmax] = bornes;
  if (xmin.valeur && xmax.valeur && *xmin.valeur >= *xmax.valeur) ajouter(catalogue_textes.txt_xmin_inferieur_xmax);
  if (ymin.valeur && ymax.valeur && *ymin.valeur >= *ymax.valeur) ajouter(catalogue_textes.txt_ymin_inferieur_ymax);
  if (!erreurs.empty()) {
    affiche_message(erreurs);
    PCoptions->setCurrentWidget(TSgraphiques);
    return false;
  }
  TChart& chart = *Fvorel->Chart1;
  chart.SetColor(couleur_fond_);
  chart.SetTitle(texte_de(Ttitre));
  chart.SetLegendVisible(CBlegende->isChecked());
  chart.LeftAxis().SetGridVisible(CBquadrillage->isChecked());
  chart.BottomAxis().SetGridVisible(CBquadrillage->isChecked());
  chart.LeftAxis().SetMinMax(*ymin.valeur, *ymax.valeur);
  chart.BottomAxis().SetMinMax(*xmin.valeur, *xmax.valeur);
  const int pourcentagey = position_axe(*xmin.valeur, *xmax.valeur);
  const int pourcentagex = position_axe(*ymin.valeur, *ymax.valeur);
  chart.LeftAxis().SetPositionPercent(pourcentagey);
  chart.BottomAxis().SetPositionPercent(pourcentagex);
  {
    Tfichier_ini& ini = *ini_principal;
    Tlot_ini lot(ini);
    ini.ecrire_entier(section::OptionsGraphiques, cle::pourcentagex, pourcentagex);
    ini.ecrire_entier(section::OptionsGraphiques, cle::pourcentagey, pourcentagey);
    ini.ecrire_texte(section::OptionsGraphiques, cle::xmin, texte_de(Txmin));
    ini.ecrire_texte(section::OptionsGraphiques, cle::xmax, texte_de(Txmax));
    ini.ecrire_texte(section::OptionsGraphiques, cle::ymin, texte_de(Tymin));
    ini.ecrire_texte(section::OptionsGraphiques, cle::ymax, texte_de(Tymax));
    ini.ecrire_texte(section::OptionsGraphiques, cle::tmin, texte_de(Ttmin));
    ini.ecrire_texte(section::OptionsGraphiques, cle::tmax, texte_de(Ttmax));
    ini.ecrire_texte(section::OptionsGraphiques, cle::titre, texte_de(Ttitre));
    ini.ecrire_booleen(section::OptionsGraphiques, cle::legende, CBlegende->isChecked());
    ini.ecrire_booleen(section::OptionsGraphiques, cle::echelle, Cechelle->isChecked());
    ini.ecrire_booleen(section::OptionsGraphiques, cle::quadrillage, CBquadrillage->isChecked());
    ini.ecrire_entier(section::Options_graphiques, cle::precision, entier_choisi(CBprecision, defaut::precision));
    ini.ecrire_entier(section::Options_graphiques, cle::decimale, entier_choisi(CBdecimale, defaut::decimale));
    ini.ecrire_entier(section::Options_graphiques, cle::couleur, couleur_fond_);
  }
  Fvorel->AtracerExecute();
  return true;
}

void TFoptions_graphiques::BokClick() {
  appliquer_classes(Bok);
  const bool applique = appliquer_graphiques();
  appliquer_internet();
  if (applique && FormCloseQuery(Bok)) accept();
}

void TFoptions_graphiques::BdefautClick() {
  Ttitre->setText(QApplication::applicationName());
  Txmin->setText(QStringLiteral("-5"));
  Txmax->setText(QStringLiteral("5"));
  Tymin->setText(QStringLiteral("-5"));
  Tymax->setText(QStringLiteral("5"));
  Ttmin->setText(QStringLiteral("-7"));
  Ttmax->setText(QStringLiteral("7"));
  CBdecimale->setCurrentIndex(decimale_par_defaut_bouton);
  CBquadrillage->setChecked(true);
  CBlegende->setChecked(true);
  choisir_couleur_fond(couleur_face_bouton);
}

void TFoptions_graphiques::CechelleClick() {
  TChartAxis& axe = Fvorel->Chart1->LeftAxis();
  const bool automatique = Cechelle->isChecked();
  axe.SetAutomatic(automatique);
  axe.SetAutomaticMinimum(automatique);
  axe.SetAutomaticMaximum(automatique);
}

void TFoptions_graphiques::Panel2Click() {
  if (const std::optional<std::int32_t> couleur = choisir_couleur(couleur_fond_)) choisir_couleur_fond(*couleur);
}
