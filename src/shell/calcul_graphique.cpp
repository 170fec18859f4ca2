#include "shell/calcul_graphique.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "shell/composants.h"

TFcalcul_graphique* Fcalcul_graphique = nullptr;

TFcalcul_graphique::TFcalcul_graphique(QWidget* parent) : QDialog(parent) {
  Fabrique f("TFcalcul_graphique");
  f.titrer(this);
  auto* disposition = new QVBoxLayout(this);
  auto* pages = f.creer<QTabWidget>(this, "PageControl1");
  disposition->addWidget(pages);

  QWidget* tangente = f.page(pages, "TStangente");
  auto* t = new QFormLayout(tangente);
  t->addRow(f.etiquette(tangente, "Label1"), f.creer<QComboBox>(tangente, "CBcourbe"));
  t->addRow(f.etiquette(tangente, "Label2"), f.zone_texte(tangente, "Tabscisse"));
  t->addRow(f.etiquette(tangente, "Label3"), f.zone_texte(tangente, "Tequation"));
  t->addRow(f.case_a_cocher(tangente, "Ctracer"));
  t->addRow(f.bouton(tangente, "Bcalculer"));

  QWidget* integrale = f.page(pages, "TSIntegrale");
  auto* i = new QFormLayout(integrale);
  i->addRow(f.etiquette(integrale, "Label5"), f.creer<QComboBox>(integrale, "CBcourbe_integrale"));
  i->addRow(f.etiquette(integrale, "Label6"), f.zone_texte(integrale, "Tabscisse1"));
  i->addRow(f.etiquette(integrale, "Label7"), f.zone_texte(integrale, "Tabscisse2"));
  i->addRow(f.etiquette(integrale, "Label8"), f.zone_texte(integrale, "Tintegrale"));
  i->addRow(f.bouton(integrale, "Bcalculer_integrale"));

  QPushButton* annuler = f.bouton(this, "BANNULER");
  disposition->addWidget(annuler);
  connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
}
