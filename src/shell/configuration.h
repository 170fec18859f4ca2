#pragma once
// The start-up configuration dialog: the start page, whether the version
// check asks first, whether the dialog comes back at the next start, and the
// newsletter subscription, sent to the product's web server.

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class TFconfiguration : public QDialog {
 public:
  explicit TFconfiguration(QWidget* parent = nullptr);
  void FormCreate();
  // Loads the boxes from [generales].
  void FormShow();
  void CB_inscriptionClick();
  // Checks the address and subscribes when the box is ticked (an invalid
  // address stops everything), then writes the four settings and closes.
  void BokClick();
  // Closes without saving.
  void BannulerClick();
  // Loads the boxes before showing.
  int exec() override;

  QCheckBox* CB_inscription;
  QLineEdit* Temail;
  QCheckBox* CBdemander_maj;
  QGroupBox* RGpage_demarrage;
  QButtonGroup* pages_demarrage;
  QCheckBox* CB_plus_fenetre;
  QPushButton* Bok;
  QPushButton* Bannuler;
};

extern TFconfiguration* Fconfiguration;
