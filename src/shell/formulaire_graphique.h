#pragma once
// The curve dialog, laid out with its named controls; typing and storing
// curves come with the Graphiques module's own item.

#include <QDialog>

class TFgraphique : public QDialog {
 public:
  explicit TFgraphique(QWidget* parent = nullptr);
};

extern TFgraphique* Fgraphique;
