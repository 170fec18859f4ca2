#include "shell/calcul_graphique.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>
#include <optional>
#include <string>

#include "engine/courbe.h"
#include "localisation/catalogue.h"
#include "localisation/messages.h"
#include "localisation/nombres.h"
#include "platform/chart/chart.h"
#include "platform/couleur_qt.h"
#include "platform/texte_qt.h"
#include "shell/composants.h"
#include "shell/options_graphiques.h"
#include "shell/vorel.h"

TFcalcul_graphique* Fcalcul_graphique = nullptr;

namespace {

std::string texte_de(const QLineEdit* zone) { return vers_1252(zone->text()); }

bool entre(double v, double a, double b) { return v >= std::min(a, b) && v <= std::max(a, b); }

// The abscissa of a field as a number, if its text is one.
std::optional<double> nombre_de(const QLineEdit* zone) { return lire_nombre(vers_1252(zone->text())); }

}  // namespace

TFcalcul_graphique::TFcalcul_graphique(QWidget* parent) : QDialog(parent) {
  Fabrique f("TFcalcul_graphique");
  f.titrer(this);
  auto* disposition = new QVBoxLayout(this);
  PCcalcul_graphique = f.creer<QTabWidget>(this, "PageControl1");
  PCcalcul_graphique->tabBar()->hide();
  disposition->addWidget(PCcalcul_graphique);

  TStangente = f.page(PCcalcul_graphique, "TStangente");
  auto* t = new QFormLayout(TStangente);
  CBcourbe = f.creer<QComboBox>(TStangente, "CBcourbe");
  t->addRow(f.etiquette(TStangente, "Label1"), CBcourbe);
  Tabscisse = f.zone_texte(TStangente, "Tabscisse");
  Tabscisse->setText(QStringLiteral("0"));
  t->addRow(f.etiquette(TStangente, "Label2"), Tabscisse);
  Tequation = f.zone_texte(TStangente, "Tequation");
  Tequation->setReadOnly(true);
  t->addRow(f.etiquette(TStangente, "Label3"), Tequation);
  Ctracer = f.case_a_cocher(TStangente, "Ctracer");
  t->addRow(Ctracer);
  Bcalculer = f.bouton(TStangente, "Bcalculer");
  t->addRow(Bcalculer);

  TSIntegrale = f.page(PCcalcul_graphique, "TSIntegrale");
  auto* i = new QFormLayout(TSIntegrale);
  CBcourbe_integrale = f.creer<QComboBox>(TSIntegrale, "CBcourbe_integrale");
  i->addRow(f.etiquette(TSIntegrale, "Label5"), CBcourbe_integrale);
  Tabscisse1 = f.zone_texte(TSIntegrale, "Tabscisse1");
  i->addRow(f.etiquette(TSIntegrale, "Label6"), Tabscisse1);
  Tabscisse2 = f.zone_texte(TSIntegrale, "Tabscisse2");
  i->addRow(f.etiquette(TSIntegrale, "Label7"), Tabscisse2);
  Tintegrale = f.zone_texte(TSIntegrale, "Tintegrale");
  Tintegrale->setReadOnly(true);
  i->addRow(f.etiquette(TSIntegrale, "Label8"), Tintegrale);
  Lerreur_calcul_graphique = f.etiquette(TSIntegrale, "Lerreur_calcul_graphique");
  Lerreur_calcul_graphique->setStyleSheet(QStringLiteral("color: red"));
  Lerreur_calcul_graphique->hide();
  i->addRow(Lerreur_calcul_graphique);
  Bcalculer_integrale = f.bouton(TSIntegrale, "Bcalculer_integrale");
  i->addRow(Bcalculer_integrale);
  Tabscisse1->installEventFilter(this);
  Tabscisse2->installEventFilter(this);

  auto* bas = new QHBoxLayout;
  BOK = f.bouton(this, "BOK");
  BOK->setText(QStringLiteral("OK"));
  BANNULER = f.bouton(this, "BANNULER");
  bas->addStretch();
  bas->addWidget(BOK);
  bas->addWidget(BANNULER);
  disposition->addLayout(bas);
  connect(BOK, &QPushButton::clicked, this, [this] { BOKClick(); });
  connect(BANNULER, &QPushButton::clicked, this, [this] { BANNULERClick(); });
  connect(Bcalculer, &QPushButton::clicked, this, [this] { BcalculerClick(); });
  connect(Bcalculer_integrale, &QPushButton::clicked, this, [this] { Bcalculer_integraleClick(); });
}

void TFcalcul_graphique::montrer_page(bool integrale) {
  PCcalcul_graphique->setCurrentWidget(integrale ? TSIntegrale : TStangente);
}

void TFcalcul_graphique::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  FormShow();
}

void TFcalcul_graphique::hideEvent(QHideEvent* evenement) {
  QDialog::hideEvent(evenement);
  FormHide();
}

void TFcalcul_graphique::FormShow() {
  CBcourbe->clear();
  CBcourbe_integrale->clear();
  Lerreur_calcul_graphique->hide();
  const QListWidget* liste = Fvorel->CLBcourbe;
  for (int i = 0; i < liste->count(); ++i) {
    if (type_courbe(vers_1252(liste->item(i)->text())) != genre_cartesien) continue;
    CBcourbe->addItem(liste->item(i)->text());
    CBcourbe_integrale->addItem(liste->item(i)->text());
  }
  const QListWidgetItem* choisie = liste->currentItem();
  if (choisie != nullptr && type_courbe(vers_1252(choisie->text())) == genre_cartesien) {
    CBcourbe->setCurrentText(choisie->text());
    CBcourbe_integrale->setCurrentText(choisie->text());
    Tabscisse->setText(Fvorel->Tx->text());
    BcalculerClick();
  } else {
    Tabscisse->setText(QStringLiteral("0"));
    Tequation->clear();
  }
}

// The area's values are kept only while the dialog shows.
void TFcalcul_graphique::FormHide() {
  cache_.vider();
  Fvorel->Chart1->Repaint();
}

void TFcalcul_graphique::BcalculerClick() {
  const Tabscisse_saisie a = numeriser_abscisse(texte_de(Tabscisse), false);
  Tabscisse->setText(depuis_1252(a.texte));
  if (!a.valeur) {
    affiche_message(catalogue_textes.txt_abscisse_point_doit);
    return;
  }
  if (CBcourbe->currentIndex() < 0) return;
  const std::string ligne = vers_1252(CBcourbe->currentText());
  const Tcourbe courbe(ligne, type_courbe(ligne));
  const std::optional<std::string> equation = tangente(courbe.expressions[0], courbe.variable, *a.valeur);
  if (!equation) {
    Tequation->clear();
    affiche_message(catalogue_textes.txt_impossible_calculer_tangente);
    return;
  }
  Tequation->setText(depuis_1252(*equation));
}

void TFcalcul_graphique::BOKClick() {
  if (PCcalcul_graphique->currentWidget() == TStangente) {
    BcalculerClick();
    const std::string ligne = vers_1252(CBcourbe->currentText());
    const Tcourbe courbe(ligne, type_courbe(ligne));
    if (!Tequation->text().isEmpty() && Ctracer->isChecked() && !courbe.variable.empty()) {
      auto* element = new QListWidgetItem(depuis_1252(texte_de(Tequation) + ";" + courbe.variable), Fvorel->CLBcourbe);
      element->setFlags(element->flags() | Qt::ItemIsUserCheckable);
      element->setCheckState(Qt::Checked);
      Fvorel->AtracerExecute();
    }
  }
  accept();
}

void TFcalcul_graphique::BANNULERClick() { reject(); }

void TFcalcul_graphique::Bcalculer_integraleClick() {
  Lerreur_calcul_graphique->hide();
  const bool produits = Foptions_graphiques->CBmultiplier->isChecked();
  const Tabscisse_saisie a = numeriser_abscisse(texte_de(Tabscisse1), produits);
  const Tabscisse_saisie b = numeriser_abscisse(texte_de(Tabscisse2), produits);
  Tabscisse1->setText(depuis_1252(a.texte));
  Tabscisse2->setText(depuis_1252(b.texte));
  if (!a.valeur || !b.valeur) {
    affiche_message(catalogue_textes.txt_abscisse_point_doit);
    return;
  }
  if (CBcourbe_integrale->currentIndex() < 0) return;
  Fvorel->Chart1->Repaint();
  const ::Tintegrale somme =
      somme_trapezes(cache_.valeurs(vers_1252(CBcourbe_integrale->currentText()), *a.valeur, *b.valeur));
  Lerreur_calcul_graphique->setVisible(somme.discontinue);
  Tintegrale->setText(depuis_1252(texte_nombre(somme.somme)));
}

void TFcalcul_graphique::peindre_aire(QPainter& peintre, const TChartMap& carte) {
  if (!isVisible() || CBcourbe_integrale->currentIndex() < 0) return;
  const std::optional<double> a = nombre_de(Tabscisse1);
  const std::optional<double> b = nombre_de(Tabscisse2);
  if (!a || !b) return;
  const Tvaleurs_integrale& valeurs = cache_.valeurs(vers_1252(CBcourbe_integrale->currentText()), *a, *b);
  peintre.save();
  peintre.setPen(QPen(couleur_qt(couleur_rouge)));
  for (std::size_t i = 0; i < static_cast<std::size_t>(intervalles_integrale) && i < valeurs.y.size(); ++i) {
    const double x = valeurs.x(i);
    const double y = valeurs.y[i];
    if (!std::isfinite(y) || !entre(x, carte.xmin(), carte.xmax())) continue;
    if (!entre(0, carte.ymin(), carte.ymax()) || !entre(y, carte.ymin(), carte.ymax())) continue;
    peintre.drawLine(carte.pixel(x, 0), carte.pixel(x, y));
  }
  peintre.restore();
}

bool TFcalcul_graphique::eventFilter(QObject* objet, QEvent* evenement) {
  if (evenement->type() == QEvent::KeyPress) {
    const int touche = static_cast<QKeyEvent*>(evenement)->key();
    if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
      if (objet == Tabscisse1) Tabscisse2->setFocus();
      if (objet == Tabscisse2) Bcalculer_integraleClick();
      if (objet == Tabscisse1 || objet == Tabscisse2) return true;
    }
  }
  return QDialog::eventFilter(objet, evenement);
}
