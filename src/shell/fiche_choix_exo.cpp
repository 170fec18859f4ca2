#include "shell/fiche_choix_exo.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "exercises/comptes.h"
#include "localisation/catalogue.h"
#include "localisation/messages.h"
#include "platform/texte_qt.h"
#include "shell/composants.h"
#include "shell/parametres_principaux.h"
#include "shell/textes_shell.h"

TFiche_choix_exo* Fiche_choix_exo = nullptr;

namespace {

Fabrique fabrique("TFiche_choix_exo");

// A password box: what is typed never shows.
QLineEdit* zone_mot_de_passe(QWidget* parent, const char* nom) {
  QLineEdit* zone = fabrique.zone_texte(parent, nom);
  zone->setEchoMode(QLineEdit::Password);
  return zone;
}

// Enter goes to the handlers, never to a default button of the dialog.
QPushButton* bouton_simple(QWidget* parent, const char* nom) {
  QPushButton* b = fabrique.bouton(parent, nom);
  b->setAutoDefault(false);
  return b;
}

bool est_touche_entree(const QEvent* evenement) {
  if (evenement->type() != QEvent::KeyPress) return false;
  const int touche = static_cast<const QKeyEvent*>(evenement)->key();
  return touche == Qt::Key_Return || touche == Qt::Key_Enter;
}

}  // namespace

TFiche_choix_exo::TFiche_choix_exo(QWidget* parent) : QDialog(parent) {
  fabrique.titrer(this);
  setWindowFlag(Qt::WindowStaysOnTopHint);
  auto* disposition = new QVBoxLayout(this);
  PCcompte = fabrique.creer<QTabWidget>(this, "PCcompte");
  disposition->addWidget(PCcompte);
  creer_connexion();
  creer_creation();
  relier();
  FormCreate();
}

void TFiche_choix_exo::creer_connexion() {
  TSconnexion = fabrique.page(PCcompte, "TSconnexion");
  auto* login = new QFormLayout(TSconnexion);
  Listedcomptes = fabrique.creer<QComboBox>(TSconnexion, "Listedcomptes");
  Tmot_de_passe = zone_mot_de_passe(TSconnexion, "Tmot_de_passe");
  CBcompte_defaut = fabrique.case_a_cocher(TSconnexion, "CBcompte_defaut");
  VALIDER = bouton_simple(TSconnexion, "VALIDER");
  Bnouveau_compte = bouton_simple(TSconnexion, "Bnouveau_compte");
  login->addRow(fabrique.etiquette(TSconnexion, "Nom"), Listedcomptes);
  login->addRow(fabrique.etiquette(TSconnexion, "Label6"), Tmot_de_passe);
  login->addRow(CBcompte_defaut);
  login->addRow(VALIDER);
  login->addRow(Bnouveau_compte);
}

void TFiche_choix_exo::creer_creation() {
  TScreation = fabrique.page(PCcompte, "TScreation");
  auto* page = new QVBoxLayout(TScreation);
  auto* outils = new QHBoxLayout;
  Tbnouveau = fabrique.bouton_outil(TScreation, "Tbnouveau");
  Tbmodifier = fabrique.bouton_outil(TScreation, "Tbmodifier");
  Tbsupprimer = fabrique.bouton_outil(TScreation, "Tbsupprimer");
  for (QToolButton* b : {Tbnouveau, Tbmodifier, Tbsupprimer}) outils->addWidget(b);
  outils->addStretch();
  page->addLayout(outils);

  auto* compte = new QFormLayout;
  Compte = fabrique.creer<QComboBox>(TScreation, "Compte");
  Compte->setEditable(true);
  Classe = fabrique.creer<QComboBox>(TScreation, "Classe");
  Mot_de_passe = zone_mot_de_passe(TScreation, "Mot_de_passe");
  compte->addRow(fabrique.etiquette(TScreation, "Label1"), Compte);
  compte->addRow(fabrique.etiquette(TScreation, "Label3"), Classe);
  compte->addRow(fabrique.etiquette(TScreation, "Label2"), Mot_de_passe);
  page->addLayout(compte);

  auto* bas = new QHBoxLayout;
  Creer = bouton_simple(TScreation, "Creer");
  Bquitter = bouton_simple(TScreation, "Bquitter");
  bas->addStretch();
  bas->addWidget(Creer);
  bas->addWidget(Bquitter);
  page->addLayout(bas);
}

void TFiche_choix_exo::relier() {
  connect(VALIDER, &QPushButton::clicked, this, &TFiche_choix_exo::ValiderClick);
  connect(Tmot_de_passe, &QLineEdit::returnPressed, this, &TFiche_choix_exo::ValiderClick);
  connect(Bnouveau_compte, &QPushButton::clicked, this, &TFiche_choix_exo::Bnouveau_compteClick);
  connect(Listedcomptes, &QComboBox::currentIndexChanged, this, &TFiche_choix_exo::ListedcomptesChange);
  Listedcomptes->installEventFilter(this);
  connect(Tbnouveau, &QToolButton::clicked, this, &TFiche_choix_exo::TbnouveauClick);
  connect(Tbmodifier, &QToolButton::clicked, this, &TFiche_choix_exo::TbmodifierClick);
  connect(Tbsupprimer, &QToolButton::clicked, this, &TFiche_choix_exo::TbsupprimerClick);
  connect(Compte, &QComboBox::activated, this, &TFiche_choix_exo::CompteClick);
  connect(Creer, &QPushButton::clicked, this, &TFiche_choix_exo::CreerClick);
  connect(Bquitter, &QPushButton::clicked, this, &TFiche_choix_exo::BquitterClick);
  // A dialog shown without modality ends here; a modal one ends in ouvrir.
  connect(this, &QDialog::finished, this, [this] {
    if (!isModal()) FormClose();
  });
}

void TFiche_choix_exo::FormCreate() {
  utilisateur_courant.clear();
  PCcompte->tabBar()->hide();  // pages switched by code
}

void TFiche_choix_exo::demarrer_session() {
  const Tdebut_session debut = ::demarrer_session(*ini_principal);
  if (debut.issue == Eissue_session::compte_par_defaut) return;
  if (debut.issue == Eissue_session::creation) {
    Bnouveau_compteClick();
  } else {
    setWindowTitle(depuis_1252(catalogue_textes.txt_connexion));
    PCcompte->setCurrentWidget(TSconnexion);
  }
  ouvrir(true);
}

void TFiche_choix_exo::ouvrir(bool modale) {
  FormShow();
  centrer();
  if (!modale) {
    show();
    raise();
    return;
  }
  montrer_modal(objectName().toStdString(), [this] { return exec(); });
  FormClose();
}

void TFiche_choix_exo::centrer() {
  adjustSize();
  const QScreen* ecran = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (ecran == nullptr) return;
  QRect cadre = frameGeometry();
  cadre.moveCenter(ecran->availableGeometry().center());
  move(cadre.topLeft());
}

void TFiche_choix_exo::FormShow() {
  lister_comptes();
  Tmot_de_passe->clear();
  Mot_de_passe->clear();
}

void TFiche_choix_exo::FormClose() {
  if (utilisateur_courant.empty()) afficher_invitation_connexion();
}

bool TFiche_choix_exo::FormCloseQuery() { return true; }

void TFiche_choix_exo::closeEvent(QCloseEvent* evenement) {
  if (!FormCloseQuery()) {
    evenement->ignore();
    return;
  }
  QDialog::closeEvent(evenement);
}

bool TFiche_choix_exo::eventFilter(QObject* objet, QEvent* evenement) {
  if (objet == Listedcomptes && est_touche_entree(evenement)) {
    Tmot_de_passe->setFocus();
    return true;
  }
  return QDialog::eventFilter(objet, evenement);
}

void TFiche_choix_exo::lister_comptes() {
  const QSignalBlocker bloque(Listedcomptes);
  Listedcomptes->clear();
  for (const std::string& nom : ::lister_comptes()) Listedcomptes->addItem(depuis_1252(nom));
  ListedcomptesChange();
}

void TFiche_choix_exo::ListedcomptesChange() {
  const std::string nom = vers_1252(Listedcomptes->currentText());
  CBcompte_defaut->setChecked(!nom.empty() && est_compte_defaut(nom, *ini_principal));
}

void TFiche_choix_exo::ValiderClick() {
  const std::string mot_de_passe = vers_1252(Tmot_de_passe->text());
  Tmot_de_passe->clear();
  if (valider_connexion(vers_1252(Listedcomptes->currentText()), mot_de_passe, CBcompte_defaut->isChecked(),
                        *ini_principal)) {
    accept();
  }
}

void TFiche_choix_exo::preparer_nouveau_compte() {
  Tbsupprimer->setEnabled(est_gestionnaire);
  Creer->setEnabled(true);
  setWindowTitle(depuis_1252(texte_shell("titre_nouveau_compte")));
  lister_comptes();
  Compte->setEditable(true);
  Compte->clear();
  Compte->setEditText(depuis_1252(nom_compte_propose(::lister_comptes())));
  Compte->setEnabled(true);
  Classe->setCurrentIndex(-1);
  Mot_de_passe->clear();
}

void TFiche_choix_exo::TbnouveauClick() { preparer_nouveau_compte(); }

void TFiche_choix_exo::Bnouveau_compteClick() {
  preparer_nouveau_compte();
  Tbmodifier->setEnabled(false);
  PCcompte->setCurrentWidget(TScreation);
}

void TFiche_choix_exo::TbmodifierClick() {
  setWindowTitle(depuis_1252(texte_shell("titre_modifier_compte")));
  Creer->setEnabled(true);
  Tbsupprimer->setEnabled(est_gestionnaire);
  Compte->setEditable(false);
  Compte->setEnabled(true);
  remplir_comptes_modifiables(0);
}

void TFiche_choix_exo::remplir_comptes_modifiables(int position) {
  const std::vector<std::string> comptes = comptes_modifiables();
  Compte->clear();
  for (const std::string& nom : comptes) Compte->addItem(depuis_1252(nom));
  const std::optional<std::string> choisi = compte_apres_suppression(comptes, position);
  if (!choisi) return;
  Compte->setCurrentIndex(Compte->findText(depuis_1252(*choisi), Qt::MatchExactly));
  CompteClick();
}

std::string TFiche_choix_exo::nom_saisi() const { return vers_1252(Compte->currentText()); }

void TFiche_choix_exo::CompteClick() {
  Mot_de_passe->clear();
  if (const std::optional<int> classe = lire_classe_compte(nom_saisi())) Classe->setCurrentIndex(*classe);
}

void TFiche_choix_exo::CreerClick() {
  const bool modification = Compte->count() > 0;
  const Tresultat_enregistrement resultat =
      creer_compte(nom_saisi(), vers_1252(Mot_de_passe->text()), Classe->currentIndex(), modification);
  if (resultat.issue == Eenregistrement::refuse) return;
  Mot_de_passe->clear();
  lister_comptes();
  if (resultat.fermer_dialogue) accept();
}

void TFiche_choix_exo::TbsupprimerClick() {
  if (Compte->count() == 0) TbmodifierClick();
  Creer->setEnabled(false);
  const int position = Compte->currentIndex();
  if (!supprimer_compte(nom_saisi(), *ini_principal)) return;
  Classe->setCurrentIndex(-1);
  Mot_de_passe->clear();
  lister_comptes();
  remplir_comptes_modifiables(position);
}

void TFiche_choix_exo::BquitterClick() { close(); }
