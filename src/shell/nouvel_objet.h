#pragma once
// The new-object dialog: where user functions and constants are typed. Its
// fields are there so that the calculator's ":=" input can fill them. Showing
// it loads the constants of Constante.ini into the constants table; its add
// commands store nothing.

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
  // The add command of the function tab (Tnom, Texpression, Tvariable): true
  // when a function was stored; it stores none and gives false.
  bool BokClick();
  // The add command of the constant tab (Tnom_constante, Tnom_valeur): true
  // when a constant was stored; it stores none and gives false.
  bool Bajouter_constanteClick();
  // Fills LBconstante from Constante.ini and adds each constant to the table.
  void charger_constantes();
  // The user functions of Fonction.ini for the function table: none is
  // read, the table keeps its rows.
  void charger_fonctions_utilisateur();
  // Makes only the given tab shown (0 function ... 8 point of the plane).
  void afficher_onglet(int page);
  // Shows the dialog modally on a tab, through the message facade.
  int montrer_sur(int page);
  // Opens the dialog on one tab with an object text (Windows-1252) and gives
  // back the text that OK chose, or the incoming text when cancelled.
  std::string editer_objet(const std::string& texte, int page);

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
