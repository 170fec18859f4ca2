#pragma once
// The new-object dialog: where user functions and constants are typed. Its
// fields are here so that the calculator's ":=" input can fill them; storing
// functions and objects comes with the dialog's own commands. The constants
// of Constante.ini are loaded into the constants table now.

#include <QDialog>

#include <string>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

class TFnouvel_objet : public QDialog {
 public:
  explicit TFnouvel_objet(QWidget* parent = nullptr);

  // Loads the user's objects (at start-up and at every showing).
  void FormShow();
  // Adds the function of Tnom, Texpression and Tvariable; true when it was
  // stored. Nothing is stored yet: the dialog's commands come later.
  bool BokClick();
  // Adds the constant of Tnom_constante and Tnom_valeur; true when stored.
  bool Bajouter_constanteClick();
  // Fills LBconstante from Constante.ini and adds each constant to the table.
  void charger_constantes();
  // Puts the functions of Fonction.ini into the function table.
  void charger_fonctions_utilisateur();
  // Makes only the given tab shown (0 function ... 8 point of the plane).
  void afficher_onglet(int page);
  // Shows the dialog modally on a tab, through the message facade.
  int montrer_sur(int page);

  QTabWidget* PageControl1;
  QLineEdit* Tnom;
  QLineEdit* Texpression;
  QLineEdit* Tvariable;
  QLineEdit* Tnom_constante;
  QLineEdit* Tnom_valeur;
  QListWidget* LBfonction;
  QListWidget* LBconstante;
  QPushButton* Bok;
  QPushButton* Bajouter_constante;
};

extern TFnouvel_objet* Fnouvel_objet;
