#include "shell/configuration.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <tuple>

#include "localisation/messages.h"
#include "platform/texte_qt.h"
#include "shell/adresses_internet.h"
#include "shell/composants.h"
#include "shell/defauts_parametres.h"
#include "shell/noms_parametres.h"
#include "shell/parametres_principaux.h"
#include "shell/textes_shell.h"
#include "shell/vorel.h"
#include "shell/vorel_internet.h"

TFconfiguration* Fconfiguration = nullptr;

namespace {

namespace section = parametres::section;
namespace cle = parametres::cle;
namespace defaut = parametres::defaut;

constexpr const char* pages[] = {"RGpage_demarrage.0", "RGpage_demarrage.1", "RGpage_demarrage.2",
                                 "RGpage_demarrage.3"};

QString conception(const char* nom) {
  const LibelleConception* l = libelle_conception("TFconfiguration", nom);
  return l == nullptr ? QString() : depuis_1252(l->libelle);
}

// Sends the subscription; false on any failure of the request.
bool inscrire(const std::string& adresse) {
  if (Fvorel == nullptr || !Fvorel->IdHTTP1) return false;
  const std::string url = adresse_serveur(serveur_internet(), chemin_newsletter(adresse));
  return Fvorel->IdHTTP1->lire(QString::fromLatin1(url)).has_value();
}

}  // namespace

TFconfiguration::TFconfiguration(QWidget* parent) : QDialog(parent) {
  Fabrique f("TFconfiguration");
  f.titrer(this);
  auto* disposition = new QVBoxLayout(this);
  auto* lettre = new QFormLayout;
  CB_inscription = f.case_a_cocher(this, "CB_inscription");
  CB_inscription->setChecked(true);
  Temail = f.zone_texte(this, "Temail");
  lettre->addRow(CB_inscription);
  lettre->addRow(f.etiquette(this, "Label1"), Temail);
  disposition->addLayout(lettre);
  CBdemander_maj = f.case_a_cocher(this, "CBdemander_maj");
  disposition->addWidget(CBdemander_maj);
  RGpage_demarrage = f.groupe(this, "RGpage_demarrage");
  auto* boutons = new QVBoxLayout(RGpage_demarrage);
  pages_demarrage = new QButtonGroup(this);
  for (int i = 0; i < static_cast<int>(std::size(pages)); ++i) {
    auto* bouton = new QRadioButton(conception(pages[i]), RGpage_demarrage);
    pages_demarrage->addButton(bouton, i);
    boutons->addWidget(bouton);
  }
  disposition->addWidget(RGpage_demarrage);
  CB_plus_fenetre = f.case_a_cocher(this, "CB_plus_fenetre");
  disposition->addWidget(CB_plus_fenetre);
  disposition->addStretch();
  std::tie(Bok, Bannuler) = f.ligne_ok_annuler(this, disposition, "Bok", "Bannuler");
  connect(Bok, &QPushButton::clicked, this, [this] { BokClick(); });
  connect(Bannuler, &QPushButton::clicked, this, [this] { BannulerClick(); });
  connect(CB_inscription, &QCheckBox::clicked, this, [this] { CB_inscriptionClick(); });
  FormCreate();
}

void TFconfiguration::FormCreate() {
  setWindowTitle(libelle_de_conception(this) + QLatin1Char(' ') + QApplication::applicationName());
}

void TFconfiguration::FormShow() {
  const Tfichier_ini& ini = *ini_principal;
  CB_inscription->setChecked(ini.lire_booleen(section::generales, cle::inscription, defaut::inscription));
  CBdemander_maj->setChecked(
      ini.lire_booleen(section::generales, cle::verifier_version, defaut::verifier_version_mise_a_jour));
  CB_plus_fenetre->setChecked(
      ini.lire_booleen(section::generales, cle::masquer_configuration, defaut::masquer_configuration_demarrage));
  const int page = ini.lire_entier(section::generales, cle::page_demarrage, defaut::page_demarrage);
  if (QAbstractButton* bouton = pages_demarrage->button(page)) bouton->setChecked(true);
  CB_inscriptionClick();
  if (Temail->isEnabled()) Temail->setFocus();
}

void TFconfiguration::CB_inscriptionClick() { Temail->setEnabled(CB_inscription->isChecked()); }

void TFconfiguration::BokClick() {
  if (CB_inscription->isChecked()) {
    const std::string adresse = vers_1252(Temail->text());
    if (!email_valide(adresse)) {
      affiche_message(texte_shell("email_invalide"));
      Temail->setFocus();
      return;
    }
    if (!inscrire(adresse)) affiche_message(texte_shell("inscription_echec"));
  }
  {
    Tfichier_ini& ini = *ini_principal;
    Tlot_ini lot(ini);
    ini.ecrire_booleen(section::generales, cle::verifier_version, CBdemander_maj->isChecked());
    ini.ecrire_booleen(section::generales, cle::masquer_configuration, CB_plus_fenetre->isChecked());
    ini.ecrire_booleen(section::generales, cle::inscription, CB_inscription->isChecked());
    ini.ecrire_entier(section::generales, cle::page_demarrage, pages_demarrage->checkedId());
  }
  accept();
}

void TFconfiguration::BannulerClick() { reject(); }

int TFconfiguration::exec() {
  FormShow();
  return QDialog::exec();
}
