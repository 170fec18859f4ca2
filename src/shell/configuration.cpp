#include "shell/configuration.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/composants.h"

TFconfiguration* Fconfiguration = nullptr;

TFconfiguration::TFconfiguration(QWidget* parent) : QDialog(parent) {
  Fabrique f("TFconfiguration");
  f.titrer(this);
  auto* disposition = new QVBoxLayout(this);
  auto* bas = new QHBoxLayout;
  Bok = f.bouton(this, "Bok");
  Bannuler = f.bouton(this, "Bannuler");
  bas->addStretch();
  bas->addWidget(Bok);
  bas->addWidget(Bannuler);
  disposition->addStretch();
  disposition->addLayout(bas);
  connect(Bok, &QPushButton::clicked, this, &QDialog::accept);
  connect(Bannuler, &QPushButton::clicked, this, &QDialog::reject);
  FormCreate();
}

void TFconfiguration::FormCreate() {
  setWindowTitle(libelle_de_conception(this) + QLatin1Char(' ') + QApplication::applicationName());
}
