#include "shell/composants.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVariant>

#include "components/controles/JvGradientCaption.h"
#include "components/controles/JvTransBtn.h"
#include "components/controles/dxButtons.h"
#include "components/controles/dxCheckCtrls.h"
#include "platform/couleur_qt.h"
#include "platform/texte_qt.h"
#include "shell/textes_shell.h"

namespace {

constexpr const char* propriete_conception = "libelle_conception";

// A tab page sits in the stacked widget of its page control.
QTabWidget* classeur_de(const QObject* page) {
  const QObject* pile = page->parent();
  return pile == nullptr ? nullptr : qobject_cast<QTabWidget*>(pile->parent());
}

}  // namespace

void definir_libelle(QObject* composant, const QString& libelle) {
  if (auto* menu = qobject_cast<QMenu*>(composant)) {
    menu->setTitle(libelle);
  } else if (auto* action = qobject_cast<QAction*>(composant)) {
    action->setText(libelle);
  } else if (auto* bouton = qobject_cast<QAbstractButton*>(composant)) {
    bouton->setText(libelle);
  } else if (auto* etiquette = qobject_cast<QLabel*>(composant)) {
    etiquette->setText(libelle);
  } else if (auto* groupe = qobject_cast<QGroupBox*>(composant)) {
    groupe->setTitle(libelle);
  } else if (auto* liste = qobject_cast<QComboBox*>(composant); liste != nullptr && liste->isEditable()) {
    liste->setEditText(libelle);
  } else if (auto* widget = qobject_cast<QWidget*>(composant)) {
    if (QTabWidget* classeur = classeur_de(widget); classeur != nullptr && classeur->indexOf(widget) >= 0) {
      classeur->setTabText(classeur->indexOf(widget), libelle);
    } else if (widget->isWindow()) {
      widget->setWindowTitle(libelle);
    } else if (auto* zone = qobject_cast<QLineEdit*>(widget)) {
      zone->setPlaceholderText(libelle);
    }
  }
}

QString libelle_de(const QObject* composant) {
  if (const auto* menu = qobject_cast<const QMenu*>(composant)) return menu->title();
  if (const auto* action = qobject_cast<const QAction*>(composant)) return action->text();
  if (const auto* bouton = qobject_cast<const QAbstractButton*>(composant)) return bouton->text();
  if (const auto* etiquette = qobject_cast<const QLabel*>(composant)) return etiquette->text();
  if (const auto* groupe = qobject_cast<const QGroupBox*>(composant)) return groupe->title();
  if (const auto* liste = qobject_cast<const QComboBox*>(composant)) return liste->currentText();
  if (const auto* widget = qobject_cast<const QWidget*>(composant)) {
    if (QTabWidget* classeur = classeur_de(widget); classeur != nullptr && classeur->indexOf(widget) >= 0) {
      return classeur->tabText(classeur->indexOf(widget));
    }
    if (widget->isWindow()) return widget->windowTitle();
    if (const auto* zone = qobject_cast<const QLineEdit*>(widget)) return zone->placeholderText();
  }
  return {};
}

QString libelle_de_conception(const QObject* composant) {
  return composant->property(propriete_conception).toString();
}

void Fabrique::nommer(QObject* objet, const char* nom) { objet->setObjectName(QString::fromLatin1(nom)); }

void Fabrique::decorer(QObject* objet, const char* nom) {
  nommer(objet, nom);
  const LibelleConception* conception = libelle_conception(fenetre_, nom);
  if (conception == nullptr) return;
  const QString libelle = depuis_1252(conception->libelle);
  objet->setProperty(propriete_conception, libelle);
  definir_libelle(objet, libelle);
  if (conception->conseil.empty()) return;
  if (auto* widget = qobject_cast<QWidget*>(objet)) widget->setToolTip(depuis_1252(conception->conseil));
  if (auto* action = qobject_cast<QAction*>(objet)) action->setToolTip(depuis_1252(conception->conseil));
}

QPushButton* Fabrique::bouton(QWidget* parent, const char* nom) { return creer_decore<TdxButton>(parent, nom); }

std::pair<QPushButton*, QPushButton*> Fabrique::ligne_ok_annuler(QWidget* fenetre, QBoxLayout* disposition,
                                                                const char* ok, const char* annuler) {
  auto* bas = new QHBoxLayout;
  QPushButton* b_ok = bouton(fenetre, ok);
  QPushButton* b_annuler = bouton(fenetre, annuler);
  bas->addStretch();
  bas->addWidget(b_ok);
  bas->addWidget(b_annuler);
  disposition->addLayout(bas);
  return {b_ok, b_annuler};
}

QToolButton* Fabrique::bouton_outil(QWidget* parent, const char* nom) {
  auto* b = creer_decore<QToolButton>(parent, nom);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return b;
}

TJvTransparentButton* Fabrique::bouton_transparent(QWidget* parent, const char* nom) {
  return creer_decore<TJvTransparentButton>(parent, nom);
}

QCheckBox* Fabrique::case_a_cocher(QWidget* parent, const char* nom) { return creer_decore<TdxCheckbox>(parent, nom); }

QRadioButton* Fabrique::bouton_radio(QWidget* parent, const char* nom) {
  return creer_decore<QRadioButton>(parent, nom);
}

QLabel* Fabrique::etiquette(QWidget* parent, const char* nom) { return creer_decore<QLabel>(parent, nom); }

QGroupBox* Fabrique::groupe(QWidget* parent, const char* nom) { return creer_decore<QGroupBox>(parent, nom); }

QLineEdit* Fabrique::zone_texte(QWidget* parent, const char* nom) {
  auto* z = new QLineEdit(parent);
  nommer(z, nom);
  return z;
}

QWidget* Fabrique::page(QTabWidget* classeur, const char* nom) {
  auto* p = new QWidget;
  classeur->addTab(p, QString());
  decorer(p, nom);
  return p;
}

QMenu* Fabrique::menu(QMenuBar* barre, const char* nom) {
  auto* m = creer_decore<QMenu>(barre, nom);
  barre->addMenu(m);
  return m;
}

QMenu* Fabrique::sous_menu(QMenu* parent, const char* nom) {
  auto* m = creer_decore<QMenu>(parent, nom);
  parent->addMenu(m);
  return m;
}

QAction* Fabrique::element(QMenu* menu, const char* nom) {
  auto* a = creer_decore<QAction>(menu, nom);
  menu->addAction(a);
  return a;
}

QAction* Fabrique::action(QObject* parent, const char* nom) { return creer_decore<QAction>(parent, nom); }

TJvGradientCaption* Fabrique::barre_titre(QWidget* parent, const char* nom, int pixels_texte) {
  auto* barre = new TJvGradientCaption(parent);
  nommer(barre, nom);
  QFont police = barre->LabelFont();
  police.setBold(true);
  police.setPixelSize(pixels_texte);
  barre->SetLabelFont(police);
  barre->SetLabelFontColor(couleur_bleue);
  barre->SetLabelAlignment(Qt::AlignHCenter);
  return barre;
}

void Fabrique::titrer(QWidget* fenetre) {
  fenetre->setObjectName(QString::fromStdString(fenetre_));
  const LibelleConception* conception = libelle_conception(fenetre_, "-");
  if (conception == nullptr) return;
  fenetre->setProperty(propriete_conception, depuis_1252(conception->libelle));
  fenetre->setWindowTitle(depuis_1252(conception->libelle));
}
