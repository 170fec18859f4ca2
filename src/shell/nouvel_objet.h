#pragma once
// The new-object dialog: user functions, constants, matrices, points and
// vectors, and the lists a function call takes as argument (equations,
// variables, numbers, a point of the plane). Functions and constants are
// written to Fonction.ini and Constante.ini when they change; matrices,
// points and vectors when the dialog hides. The calculator's ":=" input
// fills the function or constant fields and runs their add commands.

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QWidget;
class TChartSeries;
class Fabrique;
class Tpoint_;

// The text handed back to the caller of editer_objet.
extern std::string objet_en_traitement;

class TFnouvel_objet : public QDialog {
 public:
  // Tabs of PageControl1.
  enum Onglet : int {
    onglet_fonction,
    onglet_matrice,
    onglet_point,
    onglet_vecteur,
    onglet_equation,
    onglet_variable,
    onglet_liste,
    onglet_constante,
    onglet_point_plan
  };

  explicit TFnouvel_objet(QWidget* parent = nullptr);
  ~TFnouvel_objet() override;

  // Loads the user's objects (at start-up and at every showing).
  void FormShow();
  // Writes the matrix, point and vector lists to Fonction.ini in one write.
  void FormHide();
  // The add command of the function tab (Tnom, Texpression, Tvariable): true
  // when a function was stored or deleted.
  bool BokClick();
  // The add command of the constant tab (Tnom_constante, Tnom_valeur): true
  // when a constant was stored or deleted.
  bool Bajouter_constanteClick();
  // Fills LBconstante from Constante.ini and adds each constant to the table.
  void charger_constantes();
  // Rebuilds the function table's user rows and LBfonction from Fonction.ini.
  void charger_fonctions_utilisateur();
  // Makes only the given tab shown (0 function ... 8 point of the plane).
  void afficher_onglet(int page);
  // Shows the dialog modally on a tab, through the message facade.
  int montrer_sur(int page);
  // Opens the dialog on one tab with an object text (Windows-1252) and gives
  // back the text that OK chose, or the incoming text when cancelled.
  std::string editer_objet(const std::string& texte, int page);

  void LBfonctionClick();
  void Bcreer_matriceClick();
  void LBmatriceClick();
  void Tnb_ligneChange();
  void Tnb_colonneChange();
  void Bcreer_pointClick();
  void LBpointClick();
  void Tdimension_pointChange();
  void TSvecteurShow();
  void CBpoint1Change();
  void RBcoordonneesClick();
  void Bcreer_vecteurClick();
  void LBvecteurClick();
  void Tdimension_vecteurChange();
  void dxCheckbox1Click();
  void BajouterClick();
  void Bmodifier_equationClick();
  void LBequationClick();
  void Bajouter_variableClick();
  void BmodifierClick();
  void LBvariableClick();
  void UpDown1Click();
  void LBconstanteClick();
  void Tobjet_en_traitementChange();
  void Asupprimer_fonctionExecute();
  void dxButton7Click();
  void dxButton8Click();
  void BannulerClick();

  // Set by the formula editor: given the variables of a system ("[x;y]"),
  // it fills its second argument field when it has two or more.
  std::function<void(const std::string& variables)> remplir_variables_editeur;

  QTabWidget* PageControl1;
  // Function
  QLineEdit* Tnom;
  QLineEdit* Texpression;
  QLineEdit* Tvariable;
  QPushButton* Bok;
  QListWidget* LBfonction;
  // Matrix
  QLineEdit* Tnb_ligne;
  QLineEdit* Tnb_colonne;
  QLineEdit* Tnom_matrice;
  QTableWidget* SGmatrice;
  QPushButton* Bcreer_matrice;
  QListWidget* LBmatrice;
  // Point
  QLineEdit* Tnom_point;
  QLineEdit* Tdimension_point;
  QTableWidget* SGpoint;
  QPushButton* Bcreer_point;
  QListWidget* LBpoint;
  // Vector
  QLineEdit* Tnom_vecteur;
  QLineEdit* Tnorme;
  QTableWidget* SGvecteur;
  QLineEdit* Tdimension_vecteur;
  QRadioButton* RBcoordonnees;
  QRadioButton* RBpoints;
  QWidget* Ppoints;
  QComboBox* CBpoint1;
  QComboBox* CBpoint2;
  QCheckBox* dxCheckbox1;
  QPushButton* Bcreer_vecteur;
  QListWidget* LBvecteur;
  // Equation and variable
  QLineEdit* Tequation;
  QPushButton* Bajouter;
  QPushButton* Bmodifier_equation;
  QListWidget* LBequation;
  QLineEdit* Tvariable_equation;
  QPushButton* Bajouter_variable;
  QPushButton* Bmodifier;
  QListWidget* LBvariable;
  // List
  QTableWidget* SGliste;
  QSpinBox* UpDown1;
  // Constant
  QLineEdit* Tnom_constante;
  QLineEdit* Tnom_valeur;
  QPushButton* Bajouter_constante;
  QListWidget* LBconstante;
  // Point of the plane
  QLineEdit* Tabscisse_point;
  QLineEdit* Tordonnee_point;
  // Bottom
  QPushButton* dxButton7;
  QPushButton* dxButton8;
  QPushButton* Bsupprimer;
  QAction* Asupprimer_fonction;
  QLineEdit* Tobjet_en_traitement;

 private:
  void construire_fonction_constante(Fabrique& f, const std::vector<QWidget*>& onglets);
  void construire_matrice_point(Fabrique& f, const std::vector<QWidget*>& onglets);
  void construire_vecteur(Fabrique& f, QWidget* onglet);
  void construire_listes(Fabrique& f, const std::vector<QWidget*>& onglets);
  void relier();
  void ajouter_ligne_objet(QListWidget* liste, const std::string& cle, const std::string& ligne);
  bool points_choisis(Tpoint_& origine, Tpoint_& extremite) const;
  void tracer_segment(double x1, double y1, double x2, double y2, const std::string& titre);
  bool oui_a_la_question(const std::string& question) const;

  std::vector<std::shared_ptr<TChartSeries>> series_tracees_;
};

extern TFnouvel_objet* Fnouvel_objet;
