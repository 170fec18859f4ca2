#pragma once
// The curve dialog: the kind of curve, one edit per part, a rendered
// preview. OK checks the parts and adds the curve line to the main window's
// list, or replaces the line it was opened on, then draws every curve.

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class ImageHote;

class TFgraphique : public QDialog {
 public:
  explicit TFgraphique(QWidget* parent = nullptr);

  // Opens on an empty cartesian curve, to add it.
  void ouvrir_nouvelle();
  // Opens on line `indice` of the list, to change it.
  void ouvrir_modification(int indice, const std::string& ligne);

  void ComboBox1Change();
  void construire_champs(int genre);
  void EditionChange();
  void BoutonClick(int rangee);
  void BOKClick();
  // False while a part holds a syntax error (the errors are shown).
  bool FormCloseQuery();

  QComboBox* ComboBox1;
  QLabel* Label2;
  ImageHote* Image1;
  QPushButton* BOK;
  QPushButton* Bannuler;
  std::vector<QLineEdit*> Edition;

 protected:
  void done(int resultat) override;
  // Typing goes into the first part at once.
  void showEvent(QShowEvent* evenement) override;
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  QFormLayout* champs_;
  std::vector<QLabel*> etiquettes_;
  std::vector<QPushButton*> boutons_;
  bool modification_ = false;
  int indice_ = -1;
  std::string ligne_;
};

extern TFgraphique* Fgraphique;
