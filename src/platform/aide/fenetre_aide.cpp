#include "platform/aide/fenetre_aide.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "localisation/catalogue.h"
#include "localisation/langue.h"
#include "platform/texte_qt.h"

namespace {

constexpr int largeur_initiale = 820;
constexpr int hauteur_initiale = 560;
constexpr int largeur_onglets = 240;
constexpr int role_page = Qt::UserRole;
constexpr int indice_anglais = 1;

struct LibellesAide {
  const char16_t* titre;
  const char16_t* sommaire;
  const char16_t* rechercher;
  const char16_t* precedent;
  const char16_t* suivant;
};

constexpr LibellesAide libelles_francais = {u"Aide de Pralinore", u"Sommaire", u"Rechercher",
                                            u"Pr\u00e9c\u00e9dent", u"Suivant"};
constexpr LibellesAide libelles_anglais = {u"Pralinore Help", u"Contents", u"Search", u"Back", u"Forward"};

const LibellesAide& libelles() { return indice_langue() == indice_anglais ? libelles_anglais : libelles_francais; }

QPointer<FenetreAide>& fenetre() {
  static QPointer<FenetreAide> f;
  return f;
}

}  // namespace

FenetreAide& FenetreAide::instance() {
  if (fenetre().isNull()) fenetre() = new FenetreAide;
  return *fenetre();
}

FenetreAide* FenetreAide::existante() { return fenetre().data(); }

FenetreAide::FenetreAide() : QWidget(nullptr, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  construire();
  appliquer_libelles();
  resize(largeur_initiale, hauteur_initiale);
}

void FenetreAide::construire() {
  onglets_ = new QTabWidget;
  arbre_ = new QTreeWidget;
  arbre_->setHeaderHidden(true);
  onglets_->addTab(arbre_, QString());
  auto* recherche = new QWidget;
  auto* colonne = new QVBoxLayout(recherche);
  champ_ = new QLineEdit;
  resultats_ = new QListWidget;
  colonne->addWidget(champ_);
  colonne->addWidget(resultats_);
  onglets_->addTab(recherche, QString());
  onglets_->setMinimumWidth(largeur_onglets);

  precedent_ = new QToolButton;
  suivant_ = new QToolButton;
  navigateur_ = new QTextBrowser;
  navigateur_->setOpenLinks(true);
  auto* boutons = new QHBoxLayout;
  boutons->addWidget(precedent_);
  boutons->addWidget(suivant_);
  boutons->addStretch();
  auto* droite = new QWidget;
  auto* pile = new QVBoxLayout(droite);
  pile->setContentsMargins(0, 0, 0, 0);
  pile->addLayout(boutons);
  pile->addWidget(navigateur_);

  auto* separation = new QSplitter;
  separation->addWidget(onglets_);
  separation->addWidget(droite);
  separation->setStretchFactor(1, 1);
  auto* principal = new QHBoxLayout(this);
  principal->addWidget(separation);

  precedent_->setEnabled(false);
  suivant_->setEnabled(false);
  connect(precedent_, &QToolButton::clicked, navigateur_, &QTextBrowser::backward);
  connect(suivant_, &QToolButton::clicked, navigateur_, &QTextBrowser::forward);
  connect(navigateur_, &QTextBrowser::backwardAvailable, precedent_, &QToolButton::setEnabled);
  connect(navigateur_, &QTextBrowser::forwardAvailable, suivant_, &QToolButton::setEnabled);
  connect(arbre_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { ouvrir_page_du_jeu(item->data(0, role_page).toString()); });
  connect(champ_, &QLineEdit::returnPressed, this, &FenetreAide::lancer_recherche);
  connect(resultats_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ouvrir_page_du_jeu(item->data(role_page).toString()); });
}

void FenetreAide::appliquer_libelles() {
  const LibellesAide& l = libelles();
  setWindowTitle(QString::fromUtf16(l.titre));
  onglets_->setTabText(onglet_sommaire, QString::fromUtf16(l.sommaire));
  onglets_->setTabText(onglet_recherche, QString::fromUtf16(l.rechercher));
  precedent_->setText(QString::fromUtf16(l.precedent));
  suivant_->setText(QString::fromUtf16(l.suivant));
}

// The set is read again on each request: the language may have changed, and
// a teacher may have changed a page.
void FenetreAide::charger(const QString& dossier) {
  appliquer_libelles();
  jeu_ = JeuAide::charger(dossier);
  remplir_arbre();
}

void FenetreAide::remplir_arbre() {
  arbre_->clear();
  ajouter_entrees(nullptr, jeu_.sommaire());
  arbre_->expandAll();
}

void FenetreAide::ajouter_entrees(QTreeWidgetItem* parent, const std::vector<EntreeSommaire>& entrees) {
  for (const auto& entree : entrees) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(arbre_);
    item->setText(0, entree.titre);
    item->setData(0, role_page, entree.page);
    ajouter_entrees(item, entree.enfants);
  }
}

void FenetreAide::ouvrir(const QString& chemin) {
  if (chemin.isEmpty()) {
    afficher_sans_aide();
    return;
  }
  navigateur_->setSource(QUrl::fromLocalFile(chemin));
}

void FenetreAide::ouvrir_page_du_jeu(const QString& page) { ouvrir(jeu_.chemin_page(page)); }

void FenetreAide::afficher_sans_aide() {
  navigateur_->setHtml(QStringLiteral("<p>") + depuis_1252(catalogue_textes.txt_aucune_aide_disponible).toHtmlEscaped() +
                       QStringLiteral("</p>"));
}

void FenetreAide::lancer_recherche() {
  resultats_->clear();
  for (const auto& resultat : jeu_.rechercher(champ_->text())) {
    auto* item = new QListWidgetItem(resultat.titre, resultats_);
    item->setData(role_page, resultat.page);
  }
}

// Shown and raised; while a modal dialog is open the window is made its own,
// else the dialog would block it.
void FenetreAide::presenter() {
  QWidget* modal = QApplication::activeModalWidget();
  QWidget* proprietaire = modal == this ? nullptr : modal;
  if (parentWidget() != proprietaire) setParent(proprietaire, Qt::Window);
  show();
  raise();
  activateWindow();
}

void FenetreAide::afficher_sommaire(const QString& dossier) {
  charger(dossier);
  onglets_->setCurrentIndex(onglet_sommaire);
  ouvrir(jeu_.premiere_page());
  presenter();
}

void FenetreAide::afficher_contexte(const QString& dossier, int contexte) {
  charger(dossier);
  onglets_->setCurrentIndex(onglet_sommaire);
  ouvrir(jeu_.page_de_contexte(contexte));
  presenter();
}

void FenetreAide::afficher_recherche(const QString& dossier, const QString& texte, bool executer) {
  charger(dossier);
  onglets_->setCurrentIndex(onglet_recherche);
  champ_->setText(texte);
  resultats_->clear();
  presenter();
  champ_->setFocus();
  if (!texte.isEmpty() && executer) lancer_recherche();
}

QString FenetreAide::page_affichee() const {
  const QUrl source = navigateur_->source();
  return source.isLocalFile() ? source.toLocalFile() : QString();
}
