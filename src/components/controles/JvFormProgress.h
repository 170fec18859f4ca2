#pragma once
// The small frameless window of the progress dialog: a text line over a
// progress bar on a raised panel. Only its owner closes it: Escape and close
// requests are refused while it is shown.

#include <QDialog>

class QFrame;
class QLabel;
class QProgressBar;

class TFormProg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int largeur = 314;
  static constexpr int hauteur = 60;

  explicit TFormProg(QWidget* parent = nullptr);

  // Set by the owner just before it closes the window.
  bool fermeture_demandee = false;

  QFrame* Panel1;
  QLabel* Label1;
  QProgressBar* ProgressBar1;

 public slots:
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* evenement) override;
};
