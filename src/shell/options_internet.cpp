// The options dialog's proxy page, its calculator and language settings and
// the start-up configuration button.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "localisation/catalogue.h"
#include "localisation/messages.h"
#include "localisation/nombres.h"
#include "platform/texte_qt.h"
#include "shell/adresses_internet.h"
#include "shell/configuration.h"
#include "shell/defauts_parametres.h"
#include "shell/noms_parametres.h"
#include "shell/options_graphiques.h"
#include "shell/parametres_principaux.h"
#include "shell/vorel.h"

namespace {

namespace section = parametres::section;
namespace cle = parametres::cle;
namespace defaut = parametres::defaut;

std::string texte_de(const QLineEdit* zone) { return vers_1252(zone->text()); }

}  // namespace

void TFoptions_graphiques::charger_internet() {
  if (Fvorel != nullptr && Fvorel->IdHTTP1) {
    const Tproxy_http& proxy = Fvorel->IdHTTP1->proxy();
    Tadresse->setText(proxy.hote);
    Tport->setText(QString::number(proxy.port));
    Tutilisateur->setText(proxy.utilisateur);
    Tpwd_proxy->setText(proxy.mot_de_passe);
  }
  CBie->setChecked(ini_principal->lire_booleen(section::Internet, cle::utiliser_ie, defaut::utiliser_ie));
  Cbauthentification->setChecked(!Tutilisateur->text().isEmpty());
  if (!Cbauthentification->isChecked()) Tpwd_proxy->clear();
  CbauthentificationClick();
}

void TFoptions_graphiques::appliquer_internet() {
  Tfichier_ini& ini = *ini_principal;
  Tlot_ini lot(ini);
  const bool authentification = Cbauthentification->isChecked();
  const std::string utilisateur = authentification ? texte_de(Tutilisateur) : std::string();
  const std::string mot_de_passe = authentification ? texte_de(Tpwd_proxy) : std::string();
  ini.ecrire_booleen(section::Internet, cle::utiliser_ie, CBie->isChecked());
  if (Fvorel != nullptr && Fvorel->IdHTTP1) {
    Fvorel->IdHTTP1->definir_proxy({Tadresse->text(), lire_entier32(texte_de(Tport)).value_or(0),
                                    depuis_1252(utilisateur), depuis_1252(mot_de_passe)});
  }
  ini.ecrire_texte(section::Internet, cle::Proxyuser, utilisateur);
  ini.ecrire_texte(section::Internet, cle::Proxypassword, mot_de_passe);
  ini.ecrire_texte(section::Internet, cle::Proxyserver, texte_de(Tadresse));
  ini.ecrire_texte(section::Internet, cle::Proxyport, texte_de(Tport));
  ini.ecrire_entier(section::outils, cle::executer, CBaction->currentIndex());
  ini.ecrire_booleen(section::outils, cle::auto_mutiplier, CBmultiplier->isChecked());
  ini.ecrire_booleen(section::outils, cle::auto_reduction, CBreduction->isChecked());
  ini.ecrire_booleen(section::outils, cle::activer_coloration, CBcoloration->isChecked());
  ini.ecrire_entier(section::generales, cle::langue, CBLangue->currentIndex());
}

void TFoptions_graphiques::BANNULERClick() {
  FormShow();
  if (FormCloseQuery(BANNULER)) reject();
}

void TFoptions_graphiques::CBieClick() {
  const Tproxy systeme = CBie->isChecked() ? extraire_proxy(proxy_ie(), "http") : Tproxy{};
  Tadresse->setText(depuis_1252(systeme.hote));
  Tport->setText(QString::number(systeme.port));
}

void TFoptions_graphiques::CbauthentificationClick() {
  Tutilisateur->setEnabled(Cbauthentification->isChecked());
  Tpwd_proxy->setEnabled(Cbauthentification->isChecked());
}

void TFoptions_graphiques::CBLangueChange() { affiche_message(catalogue_textes.txt_pralinore_doit_etre); }

void TFoptions_graphiques::BconfigurerClick() {
  montrer_modal(Fconfiguration->objectName().toStdString(), [] { return Fconfiguration->exec(); });
}
