#pragma once
// The tangent and integral dialog, laid out with its named controls; it
// computes nothing.

#include <QDialog>

class TFcalcul_graphique : public QDialog {
 public:
  explicit TFcalcul_graphique(QWidget* parent = nullptr);
};

extern TFcalcul_graphique* Fcalcul_graphique;
