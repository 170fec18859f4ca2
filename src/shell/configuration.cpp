#include "shell/configuration.h"

#include <QApplication>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "shell/composants.h"

TFconfiguration* Fconfiguration = nullptr;

TFconfiguration::TFconfiguration(QWidget* parent) : QDialog(parent) {
  Fabrique f("TFconfiguration");
  f.titrer(this);
  auto* disposition = new QVBoxLayout(this);
  disposition->addStretch();
  std::tie(Bok, Bannuler) = f.ligne_ok_annuler(this, disposition, "Bok", "Bannuler");
  connect(Bok, &QPushButton::clicked, this, &QDialog::accept);
  connect(Bannuler, &QPushButton::clicked, this, &QDialog::reject);
  FormCreate();
}

void TFconfiguration::FormCreate() {
  setWindowTitle(libelle_de_conception(this) + QLatin1Char(' ') + QApplication::applicationName());
}
