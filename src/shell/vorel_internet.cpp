#include "shell/vorel_internet.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <climits>
#include <cstdlib>

#include "components/controles/JvProgressDlg.h"
#include "localisation/catalogue.h"
#include "localisation/format.h"
#include "localisation/messages.h"
#include "localisation/nombres.h"
#include "platform/http/client_http.h"
#include "platform/systeme/fichiers_systeme.h"
#include "platform/texte_qt.h"
#include "shell/adresses_internet.h"
#include "shell/apropos.h"
#include "shell/defauts_parametres.h"
#include "shell/mise_a_jour.h"
#include "shell/noms_parametres.h"
#include "shell/parametres_principaux.h"
#include "shell/version.h"
#include "shell/vorel.h"

std::string reponse_version;
bool verification_au_demarrage = true;

namespace {

namespace section = parametres::section;
namespace cle = parametres::cle;
namespace defaut = parametres::defaut;

constexpr qsizetype longueur_pays = 64;
constexpr std::string_view page_accueil = "/";
constexpr const char* modele_dossier = "pralinore-XXXXXX";

QString adresse_qt(const std::string& adresse) { return QString::fromLatin1(adresse); }

Tdate_ini aujourd_hui() {
  const QDate jour = QDate::currentDate();
  return {jour.year(), jour.month(), jour.day()};
}

// Removes the file and its folder.
void effacer_installation(const QString& dossier) {
  QFile::remove(dossier + QLatin1Char('/') + QLatin1String(nom_installation));
  QDir().rmdir(dossier);
}

// The check's services in the running program.
class Tservices_programme : public Tservices_mise_a_jour {
 public:
  explicit Tservices_programme(Tclient_http& client) : client_(client) {}

  bool demander_verification() override {
    return affiche_dialogue(catalogue_textes.txt_voulez_verifier_disponibilite, TypeDialogue::confirmation,
                            bouton_oui | bouton_non) == reponse_oui;
  }
  std::optional<std::string> interroger_serveur() override {
    const int langue = ini_principal->lire_entier(section::generales, cle::langue, defaut::langue);
    const std::string chemin = chemin_version(langue, version_programme(), pays_systeme());
    const auto corps = client_.lire(adresse_qt(adresse_serveur(serveur_internet(), chemin)));
    if (!corps) return std::nullopt;
    return corps->toStdString();
  }
  void noter_verification(const Tdate_ini& jour) override {
    ini_principal->ecrire_date(section::generales, cle::derniere_verif, jour);
  }
  void annoncer_a_jour() override { affiche_message(catalogue_textes.txt_nouvelle_mise_jour); }
  bool proposer(const std::string& version) override {
    return affiche_dialogue(Format(catalogue_textes.txt_version_pralinore_disponible, {version}),
                            TypeDialogue::information, bouton_oui | bouton_non) == reponse_oui;
  }
  bool telecharger() override {
    const auto dossier = telecharger_installation(client_, serveur_internet());
    if (!dossier) return false;
    affiche_message(Format(catalogue_textes.txt_version_telechargee, {*dossier}));
    ouvrir_adresse(*dossier);
    return true;
  }
  void signaler_echec() override { affiche_message(catalogue_textes.txt_impossible_connecter_verifiez); }

 private:
  Tclient_http& client_;
};

}  // namespace

std::string pays_systeme() {
  const QLocale systeme = QLocale::system();
  if (systeme.language() == QLocale::C || systeme.territory() == QLocale::AnyTerritory) return {};
  return vers_1252(QLocale::territoryToString(systeme.territory()).left(longueur_pays));
}

std::string serveur_internet() {
  return ini_principal->lire_texte(section::Internet, cle::serveur, defaut::serveur);
}

void verifier_mise_a_jour(bool manuel) {
  if (!manuel && !verification_au_demarrage) return;
  const Tetat_mise_a_jour etat{
      aujourd_hui(), ini_principal->lire_date(section::generales, cle::derniere_verif, defaut::derniere_verif),
      ini_principal->lire_booleen(section::generales, cle::verifier_version, defaut::verifier_version_mise_a_jour),
      version_programme()};
  Tservices_programme services(*Fvorel->IdHTTP1);
  verifier_mise_a_jour(manuel, etat, reponse_version, services);
}

void configurer_proxy_demarrage(Tclient_http& client) {
  const Tproxy systeme = extraire_proxy(proxy_ie(), "http");
  Tproxy_http proxy;
  if (ini_principal->lire_booleen(section::Internet, cle::utiliser_ie, defaut::utiliser_ie)) {
    proxy.hote = depuis_1252(systeme.hote);
    proxy.port = systeme.port;
  } else {
    proxy.hote = depuis_1252(ini_principal->lire_texte(section::Internet, cle::Proxyserver, defaut::Proxyserver));
    const std::string port = ini_principal->lire_texte(section::Internet, cle::Proxyport, defaut::Proxyport);
    proxy.port = lire_entier32(port).value_or(0);
  }
  proxy.utilisateur = depuis_1252(ini_principal->lire_texte(section::Internet, cle::Proxyuser, defaut::Proxyuser));
  proxy.mot_de_passe =
      depuis_1252(ini_principal->lire_texte(section::Internet, cle::Proxypassword, defaut::Proxypassword));
  client.definir_proxy(proxy);
}

std::optional<std::string> telecharger_installation(Tclient_http& client, const std::string& serveur) {
  QByteArray modele = QByteArray::fromStdString(dossier_temporaire_systeme() + "/" + modele_dossier);
  if (mkdtemp(modele.data()) == nullptr) return std::nullopt;
  const QString dossier = QFile::decodeName(modele);
  QFile fichier(dossier + QLatin1Char('/') + QLatin1String(nom_installation));
  bool reussi = fichier.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
                client.telecharger(adresse_qt(adresse_serveur(serveur, chemin_installation)), fichier);
  reussi = fichier.flush() && reussi;
  fichier.close();
  if (!reussi) {
    effacer_installation(dossier);
    return std::nullopt;
  }
  return vers_1252(dossier);
}

void TFvorel::relier_internet() {
  IdHTTP1 = std::make_unique<Tclient_http>(QStringLiteral("Pralinore/") + depuis_1252(version_programme()));
  IdHTTP1->debut_travail = [this](Tsens_transfert sens, qint64 attendus) { IdHTTP1WorkBegin(sens, attendus); };
  IdHTTP1->travail = [this](Tsens_transfert sens, qint64 recus) { IdHTTP1Work(sens, recus); };
  IdHTTP1->fin_travail = [this](Tsens_transfert sens) { IdHTTP1WorkEnd(sens); };
  JvProgressDlg1 = new TJvProgressDlg(this);
  JvProgressDlg1->setObjectName(QStringLiteral("JvProgressDlg1"));
  JvProgressDlg1->SetText(QStringLiteral("Progress"));
  relier_action("Apage_accueil", &TFvorel::Apage_accueilExecute);
  relier_action("PagedaccueilPralinore1", &TFvorel::Apage_accueilExecute);
  relier_action("Internet1", &TFvorel::Internet1Click);
  relier_action("Apropos1", &TFvorel::Apropos1Click);
  relier_action("Vrifierversion1", &TFvorel::Vrifierversion1Click);
}

void TFvorel::Apage_accueilExecute() { ouvrir_adresse(adresse_serveur(serveur_internet(), page_accueil)); }

void TFvorel::Internet1Click() { Agestion_exerciceExecute(); }

void TFvorel::Apropos1Click() {
  montrer_modal(Fapropos->objectName().toStdString(), [] { return Fapropos->exec(); });
}

void TFvorel::Vrifierversion1Click() { verifier_mise_a_jour(true); }

void TFvorel::IdHTTP1WorkBegin(Tsens_transfert sens, qint64 attendus) {
  if (sens != Tsens_transfert::lecture) return;
  echelle_progression_ = attendus > INT_MAX ? attendus / INT_MAX + 1 : 1;
  JvProgressDlg1->SetText(QString());
  JvProgressDlg1->SetMaximum(attendus > 0 ? static_cast<int>(attendus / echelle_progression_) : 0);
  JvProgressDlg1->SetValue(0);
  JvProgressDlg1->Show();
}

void TFvorel::IdHTTP1Work(Tsens_transfert sens, qint64 recus) {
  if (sens != Tsens_transfert::lecture) return;
  JvProgressDlg1->SetValue(static_cast<int>(recus / echelle_progression_));
}

void TFvorel::IdHTTP1WorkEnd(Tsens_transfert sens) {
  if (sens != Tsens_transfert::lecture) return;
  JvProgressDlg1->Close();
  JvProgressDlg1->SetValue(0);
}
