#pragma once
// The account dialog: the login page and the page that creates, modifies and
// deletes accounts. Its handlers only read the controls and hand them to the
// account routines (exercises/comptes.h), which check, write, show the
// messages and open the account. It can always be closed without logging
// in; the exercise view then asks the user to log in.

#include <QDialog>

#include <string>

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

class TFiche_choix_exo : public QDialog {
 public:
  explicit TFiche_choix_exo(QWidget* parent = nullptr);

  // Starts a session: the default account opens without the dialog;
  // otherwise the creation page (the administrator alone) or the login
  // page shows modally.
  void demarrer_session();
  // Shows the dialog as it stands, modally or not, centred on the screen.
  void ouvrir(bool modale);

  void lister_comptes();
  void FormCreate();
  void FormShow();
  // Runs after the dialog closed: with nobody logged in the exercise view
  // asks the user to log in.
  void FormClose();
  // Never refuses: the dialog can always be closed.
  bool FormCloseQuery();
  void ValiderClick();
  void ListedcomptesChange();
  void TbnouveauClick();
  void Bnouveau_compteClick();
  void TbmodifierClick();
  void CompteClick();
  void CreerClick();
  void TbsupprimerClick();
  void BquitterClick();

  QTabWidget* PCcompte;
  QWidget* TSconnexion;
  QWidget* TScreation;
  QComboBox* Listedcomptes;
  QLineEdit* Tmot_de_passe;
  QCheckBox* CBcompte_defaut;
  QPushButton* VALIDER;
  QPushButton* Bnouveau_compte;
  QComboBox* Compte;
  QComboBox* Classe;
  QLineEdit* Mot_de_passe;
  QPushButton* Creer;
  QToolButton* Tbnouveau;
  QToolButton* Tbmodifier;
  QToolButton* Tbsupprimer;
  QPushButton* Bquitter;

 protected:
  void closeEvent(QCloseEvent* evenement) override;
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  void creer_connexion();
  void creer_creation();
  void relier();
  void centrer();
  // The page for a new account, its name proposed.
  void preparer_nouveau_compte();
  // Fills the Compte list of the modify mode and loads the account at
  // `position` (the first when there is none there).
  void remplir_comptes_modifiables(int position);
  // The name in Compte as the routines take it.
  std::string nom_saisi() const;
};

extern TFiche_choix_exo* Fiche_choix_exo;
