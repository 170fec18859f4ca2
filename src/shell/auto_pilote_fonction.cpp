#include "shell/auto_pilote_fonction.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "localisation/messages.h"
#include "platform/texte_qt.h"
#include "shell/composants.h"

TFauto_pilote* Fauto_pilote = nullptr;

TFauto_pilote::TFauto_pilote(QWidget* parent) : QDialog(parent) {
  Fabrique f("TFauto_pilote");
  f.titrer(this);
  auto* disposition = new QVBoxLayout(this);
  Edit1 = f.zone_texte(this, "Edit1");
  disposition->addWidget(Edit1);
  std::tie(Bok, Bannuler) = f.ligne_ok_annuler(this, disposition, "Bok", "Bannuler");
  connect(Bok, &QPushButton::clicked, this, [this] { BokClick(); });
  connect(Bannuler, &QPushButton::clicked, this, [this] { BannulerClick(); });
  FormCreate();
}

void TFauto_pilote::FormCreate() { ferme_par_ok = false; }

std::string TFauto_pilote::editer_formule(const std::string& texte, int mode) {
  mode_utilisateur = mode;
  formule_initiale = texte;
  ferme_par_ok = false;
  Edit1->setText(depuis_1252(texte));
  Edit1->selectAll();
  montrer_modal(objectName().toStdString(), [this] { return exec(); });
  return vers_1252(Edit1->text());
}

void TFauto_pilote::BokClick() {
  ferme_par_ok = true;
  accept();
}

void TFauto_pilote::BannulerClick() { reject(); }

void TFauto_pilote::reject() {
  Edit1->setText(depuis_1252(formule_initiale));
  QDialog::reject();
}
