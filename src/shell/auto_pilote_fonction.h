#pragma once
// The formula editor: the formula is typed in Edit1; OK keeps it, cancel
// gives the text it came with back. It has no function list, argument
// fields or preview.

#include <QDialog>

#include <string>

class QLineEdit;
class QPushButton;

class TFauto_pilote : public QDialog {
 public:
  explicit TFauto_pilote(QWidget* parent = nullptr);

  // Edits `texte` in a modal showing and gives back the text of Edit1.
  // Mode 0 offers every function, mode 1 the user functions only.
  std::string editer_formule(const std::string& texte, int mode);
  // Back to the state of a new editor.
  void FormCreate();
  void BokClick();
  void BannulerClick();

  QLineEdit* Edit1;
  QPushButton* Bok;
  QPushButton* Bannuler;
  // The last showing ended with OK.
  bool ferme_par_ok = false;
  int mode_utilisateur = 0;
  std::string formule_initiale;

 protected:
  // Any close but OK (Escape, the close box) is a cancel.
  void reject() override;
};

extern TFauto_pilote* Fauto_pilote;
