#include "platform/http/client_http.h"

#include <QEventLoop>
#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <deque>

#include "platform/http/limites_transfert.h"

namespace {

constexpr int premier_statut_en_echec = 400;
constexpr qint64 ms_par_seconde = 1000;
// How often the limits are checked while no data comes.
constexpr int intervalle_controle_ms = 100;
// What the client reads ahead of the program; it keeps an endless reply from
// filling the memory between two checks.
constexpr qint64 tampon_lecture = 64 * 1024;

using Tbornes = Tclient_http::Tbornes;

qint64 horloge_systeme() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// The question's limits: a short reply within a deadline.
Tbornes bornes_question() {
  using namespace limites_transfert;
  return {secondes_par_question * ms_par_seconde, octets_par_reponse, false, 0};
}

// The download's limits: an announced length within bounds, a least speed.
Tbornes bornes_telechargement() {
  using namespace limites_transfert;
  return {0, octets_par_installation, true, octets_par_seconde_minimum};
}

QNetworkProxy proxy_qt(const Tproxy_http& proxy) {
  if (proxy.hote.isEmpty() || proxy.port <= 0) return QNetworkProxy(QNetworkProxy::NoProxy);
  return QNetworkProxy(QNetworkProxy::HttpProxy, proxy.hote, static_cast<quint16>(proxy.port), proxy.utilisateur,
                       proxy.mot_de_passe);
}

QNetworkRequest requete(const QString& adresse, const QString& agent) {
  QNetworkRequest demande{QUrl(adresse)};
  demande.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  demande.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("text/html"));
  demande.setHeader(QNetworkRequest::UserAgentHeader, agent);
  demande.setRawHeader("Accept", "text/html, */*");
  return demande;
}

// Sets a flag for the life of a transfer.
class Tgarde {
 public:
  explicit Tgarde(bool& drapeau) : drapeau_(drapeau) { drapeau_ = true; }
  ~Tgarde() { drapeau_ = false; }
  Tgarde(const Tgarde&) = delete;
  Tgarde& operator=(const Tgarde&) = delete;

 private:
  bool& drapeau_;
};

// Whether a running transfer is past one of its time limits: its deadline,
// a spell without data, or too few bytes over the speed window.
class Tsurveillance {
 public:
  Tsurveillance(const Tbornes& bornes, Thorloge horloge)
      : bornes_(bornes), horloge_(std::move(horloge)), debut_(horloge_()), derniere_donnee_(debut_) {
    mesures_.push_back({debut_, 0});
  }

  void noter_donnees(qint64 total) {
    total_ = total;
    derniere_donnee_ = horloge_();
  }

  bool depassee() {
    const qint64 maintenant = horloge_();
    if (bornes_.duree_ms > 0 && maintenant - debut_ >= bornes_.duree_ms) return true;
    if (maintenant - derniere_donnee_ >= limites_transfert::secondes_sans_donnees * ms_par_seconde) return true;
    return bornes_.octets_par_seconde > 0 && trop_lent(maintenant);
  }

 private:
  struct Tmesure {
    qint64 instant;
    qint64 total;
  };
  static constexpr qint64 fenetre_ms = limites_transfert::secondes_mesure_debit * ms_par_seconde;

  // Keeps the latest measure at least a window old as the oldest one; the
  // speed counts from it once a whole window has passed.
  bool trop_lent(qint64 maintenant) {
    mesures_.push_back({maintenant, total_});
    while (mesures_.size() > 1 && mesures_[1].instant <= maintenant - fenetre_ms) mesures_.pop_front();
    const Tmesure& debut_fenetre = mesures_.front();
    if (debut_fenetre.instant > maintenant - fenetre_ms) return false;
    const qint64 attendus = bornes_.octets_par_seconde * limites_transfert::secondes_mesure_debit;
    return total_ - debut_fenetre.total < attendus;
  }

  Tbornes bornes_;
  Thorloge horloge_;
  qint64 debut_;
  qint64 derniere_donnee_;
  qint64 total_ = 0;
  std::deque<Tmesure> mesures_;
};

}  // namespace

Tclient_http::Tclient_http(QString agent_utilisateur)
    : reseau_(new QNetworkAccessManager), agent_utilisateur_(std::move(agent_utilisateur)), horloge_(horloge_systeme) {
  definir_proxy({});
}

Tclient_http::~Tclient_http() { delete reseau_; }

void Tclient_http::definir_proxy(const Tproxy_http& proxy) {
  proxy_ = proxy;
  reseau_->setProxy(proxy_qt(proxy));
}

bool Tclient_http::transferer(const QString& adresse, const Tbornes& bornes,
                              const std::function<bool(const QByteArray&)>& recevoir, qint64& longueur_annoncee) {
  longueur_annoncee = -1;
  QNetworkReply* reponse = reseau_->get(requete(adresse, agent_utilisateur_));
  reponse->setReadBufferSize(tampon_lecture);
  Tsurveillance surveillance(bornes, horloge_);
  QEventLoop boucle;
  QTimer controle;
  bool interrompu = false;
  bool commence = false;
  qint64 recus = 0;
  const auto interrompre = [&] {
    interrompu = true;
    reponse->abort();
  };
  const auto controler = [&] {
    if (!interrompu && surveillance.depassee()) interrompre();
  };
  // The headers of the final reply: an error status ends the transfer, the
  // announced length is judged before any byte of the body is taken.
  const auto commencer = [&] {
    const int statut = reponse->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (commence || interrompu || statut == 0) return;
    if (statut >= premier_statut_en_echec) return interrompre();
    if (reponse->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid()) return;
    commence = true;
    const QVariant longueur = reponse->header(QNetworkRequest::ContentLengthHeader);
    longueur_annoncee = longueur.isValid() ? longueur.toLongLong() : -1;
    if ((bornes.longueur_exigee && longueur_annoncee < 0) || (bornes.octets > 0 && longueur_annoncee > bornes.octets)) {
      interrompre();
      return;
    }
    if (debut_travail) debut_travail(Tsens_transfert::lecture, longueur_annoncee);
  };
  // Each piece taken is told to the progress before the limits read the
  // clock: a clock that moves with the progress (a test's fake one) has then
  // moved for this piece when the limits judge it.
  const auto lire_morceau = [&] {
    commencer();
    if (interrompu) return;
    const QByteArray morceau = reponse->readAll();
    if (!commence) return;  // the body of a redirection
    recus += morceau.size();
    if ((bornes.octets > 0 && recus > bornes.octets) || !recevoir(morceau)) return interrompre();
    if (travail) travail(Tsens_transfert::lecture, recus);
    surveillance.noter_donnees(recus);
    controler();
  };
  QObject::connect(reponse, &QNetworkReply::metaDataChanged, &boucle, commencer);
  QObject::connect(reponse, &QNetworkReply::readyRead, &boucle, lire_morceau);
  QObject::connect(reponse, &QNetworkReply::finished, &boucle, &QEventLoop::quit);
  QObject::connect(&controle, &QTimer::timeout, &boucle, controler);
  controle.start(intervalle_controle_ms);
  if (!reponse->isFinished()) boucle.exec(QEventLoop::ExcludeUserInputEvents);
  controle.stop();
  if (!interrompu && reponse->error() == QNetworkReply::NoError && reponse->bytesAvailable() > 0) lire_morceau();
  const int statut = reponse->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  const bool reussi = !interrompu && reponse->error() == QNetworkReply::NoError && statut > 0 &&
                      statut < premier_statut_en_echec;
  if (commence && fin_travail) fin_travail(Tsens_transfert::lecture);
  reponse->deleteLater();
  return reussi;
}

std::optional<QByteArray> Tclient_http::lire(const QString& adresse) {
  if (en_cours_) return std::nullopt;
  const Tgarde garde(en_cours_);
  QByteArray corps;
  qint64 longueur = 0;
  const bool reussi = transferer(
      adresse, bornes_question(),
      [&corps](const QByteArray& morceau) {
        corps += morceau;
        return true;
      },
      longueur);
  if (!reussi) return std::nullopt;
  return corps;
}

bool Tclient_http::telecharger(const QString& adresse, QIODevice& destination) {
  if (en_cours_) return false;
  const Tgarde garde(en_cours_);
  qint64 ecrits = 0;
  qint64 longueur = 0;
  const bool reussi = transferer(
      adresse, bornes_telechargement(),
      [&](const QByteArray& morceau) {
        if (destination.write(morceau) != morceau.size()) return false;
        ecrits += morceau.size();
        return true;
      },
      longueur);
  return reussi && longueur >= 0 && ecrits == longueur;
}
