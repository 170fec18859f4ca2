#pragma once
// The start-up configuration dialog, shown modally at start-up unless the
// user asked not to see it again. It holds no choices: OK and ANNULER both
// close it.

#include <QDialog>

class QPushButton;

class TFconfiguration : public QDialog {
 public:
  explicit TFconfiguration(QWidget* parent = nullptr);
  void FormCreate();

  QPushButton* Bok;
  QPushButton* Bannuler;
};

extern TFconfiguration* Fconfiguration;
