#include "shell/options_graphiques.h"

#include <QCheckBox>
#include <QComboBox>
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

#include "platform/texte_qt.h"
#include "shell/composants.h"
#include "shell/defauts_parametres.h"
#include "shell/noms_parametres.h"
#include "shell/parametres_principaux.h"
#include "shell/textes_shell.h"

TFoptions_graphiques* Foptions_graphiques = nullptr;

namespace {

namespace section = parametres::section;
namespace cle = parametres::cle;
namespace defaut = parametres::defaut;

QString conception(const char* nom) {
  const LibelleConception* l = libelle_conception("TFoptions_graphiques", nom);
  return l == nullptr ? QString() : depuis_1252(l->libelle);
}

void page_graphiques(Fabrique& f, QWidget* page) {
  auto* d = new QFormLayout(page);
  d->addRow(f.etiquette(page, "Label5"), f.zone_texte(page, "Ttitre"));
  d->addRow(f.case_a_cocher(page, "CBlegende"));
  d->addRow(f.case_a_cocher(page, "CBquadrillage"));
  QCheckBox* echelle = f.case_a_cocher(page, "Cechelle");
  echelle->hide();
  d->addRow(echelle);
  d->addRow(f.etiquette(page, "Label11"), f.creer<QComboBox>(page, "CBdecimale"));
  d->addRow(f.etiquette(page, "Label14"), f.creer<QWidget>(page, "Panel2"));
  d->addRow(f.bouton(page, "Bdefaut"));
}

void page_internet(Fabrique& f, QWidget* page) {
  auto* d = new QFormLayout(page);
  d->addRow(f.etiquette(page, "Label6"), f.zone_texte(page, "Tadresse"));
  d->addRow(f.etiquette(page, "Label7"), f.zone_texte(page, "Tport"));
  d->addRow(f.case_a_cocher(page, "CBie"));
  QGroupBox* authentification = f.groupe(page, "GroupBox2");
  auto* champs = new QFormLayout(authentification);
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

  page_graphiques(f, TSgraphiques);
  page_internet(f, TSinternet);
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

  auto* bas = new QHBoxLayout;
  Bok = f.bouton(this, "Bok");
  BANNULER = f.bouton(this, "BANNULER");
  Bappliquer = f.bouton(this, "Bappliquer");
  bas->addStretch();
  for (QPushButton* b : {Bok, BANNULER, Bappliquer}) bas->addWidget(b);
  disposition->addLayout(bas);
  connect(Bok, &QPushButton::clicked, this, &QDialog::accept);
  connect(BANNULER, &QPushButton::clicked, this, &QDialog::reject);
  connect(LBcategorie, &QListWidget::itemClicked, this, [this] { LBcategorieClick(); });
  FormCreate();
}

void TFoptions_graphiques::FormCreate() {
  CBreduction->setChecked(ini_principal->lire_booleen(section::outils, cle::auto_reduction, defaut::auto_reduction));
  FormShow();
}

void TFoptions_graphiques::FormShow() {
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
