#pragma once
// The curve dialog, laid out with its named controls; it neither reads nor
// stores curves.

#include <QDialog>

class TFgraphique : public QDialog {
 public:
  explicit TFgraphique(QWidget* parent = nullptr);
};

extern TFgraphique* Fgraphique;
