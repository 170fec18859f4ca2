#pragma once
// The about box: the product's name and version and the address of its web
// server, which opens the home page when clicked.

#include <QDialog>

class QLabel;
class QPushButton;
class TJvGradientCaption;

class TFapropos : public QDialog {
 public:
  explicit TFapropos(QWidget* parent = nullptr);
  void FormCreate();
  // Opens the product's home page.
  void Label1Click();

  TJvGradientCaption* JvGradientCaption1;
  QLabel* Label1;
  QPushButton* OKButton;
};

extern TFapropos* Fapropos;
