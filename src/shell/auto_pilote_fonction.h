#pragma once
// The formula editor: the formula is typed in Edit1, with a rendered
// preview. The list offers the functions of the function table by category;
// when the caret stands in a call, one labelled field per argument shows
// that argument, and typing in a field rewrites the call in the formula. An
// argument that names an object kind ("equations[4]") opens the new-object
// dialog on that kind. OK keeps the formula once its syntax is right,
// cancel gives the text it came with back.

#include <QDialog>

#include <string>
#include <utility>
#include <vector>

class BoiteDefilement;
class ImageHote;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;
class QWidget;

class TFauto_pilote : public QDialog {
 public:
  explicit TFauto_pilote(QWidget* parent = nullptr);
  ~TFauto_pilote() override;

  // Edits `texte` in a modal showing and gives back the text of Edit1.
  // Mode 0 offers every function, mode 1 the user functions only.
  std::string editer_formule(const std::string& texte, int mode);

  // Back to choosing a function: nothing selected in the list, no argument
  // area, no description.
  void FormCreate();
  // Fills the categories and the list for the mode, then analyses the caret.
  void FormShow();
  // On OK: false, with the message shown, while the formula has a syntax error.
  bool FormCloseQuery();
  void FormDestroy();

  // The argument rows of a function (any case); none for an unknown name.
  void construire_arguments(const std::string& nom);
  // Finds the call at the caret of Edit1 and fills the argument rows with
  // its arguments; gives the call's name as typed, empty when none.
  std::string analyser_position();

  void Edit1Change();
  void Edit1Click();
  void Edit1KeyPress();
  void LBfonctionClick();
  void LBfonctionDblClick();
  void LBfonctionKeyPress();
  void CBcategorieChange();
  void Bchoisir_fonctionClick();
  void Bnouvelle_formuleClick();
  void BokClick();
  void BannulerClick();
  // The argument rows' handlers; `rang` is the row (from 0), `type` the
  // object kind of its argument.
  void EditionChange();
  void EditionKeyPress(int rang);
  void BoutonClick(int rang);
  void Bouton_objet(int rang, int type);

  QListWidget* LBfonction;
  QComboBox* CBcategorie;
  QLineEdit* Edit1;
  BoiteDefilement* ScrollBox1;
  ImageHote* Image1;
  QScrollArea* ScrollBox2;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QScrollArea* ScrollBox3;
  QWidget* Panel1;
  QPushButton* Bchoisir_fonction;
  QPushButton* Bok;
  QPushButton* Bannuler;
  QPushButton* Bnouvelle_formule;

  // One element per argument of the call shown: its field, its label and its
  // button ("Fx", or "..." for an object kind).
  std::vector<QLineEdit*> Edition;
  std::vector<QLabel*> Etiquettes;
  std::vector<QPushButton*> Boutons;

  // The last showing ended with OK.
  bool ferme_par_ok = false;
  int mode_utilisateur = 0;
  std::string formule_initiale;
  // The call's arguments in Edit1: the first character after its "(" and
  // the length of the argument text.
  int debut_arguments = 0;
  int longueur_arguments = 0;

 protected:
  // Any close but OK (Escape, the close box) is a cancel.
  void reject() override;
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  void liberer_arguments();
  // The rows of a function, at least `nombre_minimal` of them.
  void construire_lignes(const std::string& nom, int nombre_minimal);
  void placer_arguments();
  // No call shown: rows freed, list enabled, labels emptied.
  void etat_choix();
  void montrer_arguments(bool visibles);
  // Shows the row's name, pattern and description.
  void decrire_fonction(int id);
  void inserer_fonction();
  // Edit1's text set by the editor itself.
  void ecrire_formule(const std::string& texte);
  // The selection of Edit1 (start, length): Qt clears it when Edit1 loses
  // the focus, so the editor keeps it for the function chosen in the list.
  void selectionner(int debut, int longueur);
  void memoriser_selection();
  std::pair<int, int> selection_courante() const;
  // The table row of the list's selected name, 0 when none.
  int ligne_selectionnee() const;
  // Selects the name in the list (any case); false when it is not listed.
  bool selectionner_dans_liste(const std::string& nom);

  int selection_debut_ = 0;
  int selection_longueur_ = 0;
  bool selection_memorisee_ = false;
  // The fields are being filled from the formula: no rewriting.
  bool remplissage_ = false;
  // Edit1 is being written by the editor, not typed.
  bool ecriture_interne_ = false;
};

extern TFauto_pilote* Fauto_pilote;
