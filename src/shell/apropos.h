#pragma once
// The about box: the product's name and version.

#include <QDialog>

class QLabel;
class QPushButton;

class TFapropos : public QDialog {
 public:
  explicit TFapropos(QWidget* parent = nullptr);
  void FormCreate();

  QLabel* JvGradientCaption1;
  QLabel* Label1;
  QPushButton* OKButton;
};

extern TFapropos* Fapropos;
