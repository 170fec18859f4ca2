#include "shell/nouvel_objet.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "engine/fonctions_usuelles.h"
#include "localisation/messages.h"
#include "platform/ini/fichier_ini.h"
#include "platform/texte_qt.h"
#include "shell/composants.h"
#include "shell/fichiers_objets.h"

TFnouvel_objet* Fnouvel_objet = nullptr;

namespace {

constexpr const char* section_constantes = "Constante";
constexpr const char* noms_onglets[] = {"TSfonction", "TSmatrice", "TSpoint", "TSvecteur", "TSequation",
                                        "TSvariable", "Tsliste", "TSconstante", "Point_dim_2"};

}  // namespace

TFnouvel_objet::TFnouvel_objet(QWidget* parent) : QDialog(parent) {
  Fabrique f("TFnouvel_objet");
  f.titrer(this);
  auto* disposition = new QVBoxLayout(this);
  PageControl1 = f.creer<QTabWidget>(this, "PageControl1");
  disposition->addWidget(PageControl1);
  std::vector<QWidget*> onglets;
  for (const char* nom : noms_onglets) onglets.push_back(f.page(PageControl1, nom));

  auto* fonction = new QVBoxLayout(onglets[0]);
  QGroupBox* groupe = f.groupe(onglets[0], "GroupBox1");
  auto* champs = new QFormLayout(groupe);
  Tnom = f.zone_texte(groupe, "Tnom");
  Texpression = f.zone_texte(groupe, "Texpression");
  Tvariable = f.zone_texte(groupe, "Tvariable");
  champs->addRow(f.etiquette(groupe, "Label1"), Tnom);
  champs->addRow(f.etiquette(groupe, "Label2"), Texpression);
  champs->addRow(f.etiquette(groupe, "Label3"), Tvariable);
  Bok = f.bouton(groupe, "Bok");
  champs->addRow(Bok);
  fonction->addWidget(groupe);
  QGroupBox* existantes = f.groupe(onglets[0], "GroupBox2");
  LBfonction = f.creer<QListWidget>(existantes, "LBfonction");
  (new QVBoxLayout(existantes))->addWidget(LBfonction);
  fonction->addWidget(existantes);

  auto* constante = new QFormLayout(onglets[7]);
  Tnom_constante = f.zone_texte(onglets[7], "Tnom_constante");
  Tnom_valeur = f.zone_texte(onglets[7], "Tnom_valeur");
  Bajouter_constante = f.bouton(onglets[7], "Bajouter_constante");
  LBconstante = f.creer<QListWidget>(onglets[7], "LBconstante");
  constante->addRow(Tnom_constante);
  constante->addRow(Tnom_valeur);
  constante->addRow(Bajouter_constante);
  constante->addRow(LBconstante);

  const auto [ok, annuler] = f.ligne_ok_annuler(this, disposition, "dxButton7", "dxButton8");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
  connect(Bok, &QPushButton::clicked, this, [this] { BokClick(); });
  connect(Bajouter_constante, &QPushButton::clicked, this, [this] { Bajouter_constanteClick(); });
}

void TFnouvel_objet::FormShow() {
  charger_constantes();
  charger_fonctions_utilisateur();
}

bool TFnouvel_objet::BokClick() { return false; }

bool TFnouvel_objet::Bajouter_constanteClick() { return false; }

void TFnouvel_objet::charger_constantes() {
  LBconstante->clear();
  if (!ini_constantes || !constantes) return;
  for (const Tentree_ini& entree : ini_constantes->entrees_section(section_constantes)) {
    LBconstante->addItem(depuis_1252(entree.cle + "=" + entree.valeur));
    constantes->ajouter(entree.cle, entree.valeur);
  }
}

// Fonction.ini is not read: the function table keeps its rows.
void TFnouvel_objet::charger_fonctions_utilisateur() {}

void TFnouvel_objet::afficher_onglet(int page) {
  for (int i = 0; i < PageControl1->count(); ++i) PageControl1->setTabVisible(i, false);
  if (page < 0 || page >= PageControl1->count()) return;
  PageControl1->setCurrentIndex(page);
  PageControl1->setTabVisible(page, true);
  PageControl1->setCurrentIndex(page);
}

int TFnouvel_objet::montrer_sur(int page) {
  afficher_onglet(page);
  return montrer_modal(objectName().toStdString(), [this] { return exec(); });
}

std::string TFnouvel_objet::editer_objet(const std::string& texte, int page) {
  montrer_sur(page);
  return texte;
}
