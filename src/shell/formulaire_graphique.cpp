#include "shell/formulaire_graphique.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/composants.h"

TFgraphique* Fgraphique = nullptr;

TFgraphique::TFgraphique(QWidget* parent) : QDialog(parent) {
  Fabrique f("TFgraphique");
  f.titrer(this);
  auto* disposition = new QFormLayout(this);
  disposition->addRow(f.etiquette(this, "Label1"), f.zone_texte(this, "Texpression"));
  QPushButton* annuler = f.bouton(this, "Bannuler");
  disposition->addRow(annuler);
  connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
}
