#include "shell/apropos.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/texte_qt.h"
#include "shell/composants.h"
#include "shell/version.h"

TFapropos* Fapropos = nullptr;

TFapropos::TFapropos(QWidget* parent) : QDialog(parent) {
  Fabrique f("TFapropos");
  f.titrer(this);
  auto* disposition = new QVBoxLayout(this);
  JvGradientCaption1 = f.barre_titre(this, "JvGradientCaption1");
  Label1 = f.etiquette(this, "Label1");
  OKButton = f.bouton(this, "OKButton");
  disposition->addWidget(JvGradientCaption1);
  disposition->addWidget(Label1);
  disposition->addWidget(OKButton);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  FormCreate();
}

void TFapropos::FormCreate() {
  JvGradientCaption1->setText(depuis_1252("PRALINORE   v " + version_programme()));
}
