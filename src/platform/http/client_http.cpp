#include "platform/http/client_http.h"

#include <QEventLoop>
#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int premier_statut_en_echec = 400;

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

}  // namespace

Tclient_http::Tclient_http(QString agent_utilisateur)
    : reseau_(new QNetworkAccessManager), agent_utilisateur_(std::move(agent_utilisateur)) {
  definir_proxy({});
}

Tclient_http::~Tclient_http() { delete reseau_; }

void Tclient_http::definir_proxy(const Tproxy_http& proxy) {
  proxy_ = proxy;
  reseau_->setProxy(proxy_qt(proxy));
}

bool Tclient_http::transferer(const QString& adresse, const std::function<bool(const QByteArray&)>& recevoir,
                              qint64& longueur_annoncee) {
  longueur_annoncee = -1;
  QNetworkReply* reponse = reseau_->get(requete(adresse, agent_utilisateur_));
  QEventLoop boucle;
  QTimer inactivite;
  inactivite.setSingleShot(true);
  bool expire = false;
  bool refuse = false;
  bool commence = false;
  QObject::connect(&inactivite, &QTimer::timeout, &boucle, [&] {
    expire = true;
    reponse->abort();
  });
  const auto lire_morceau = [&] {
    inactivite.start(delai_inactivite_);
    const int statut = reponse->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (statut >= premier_statut_en_echec || reponse->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid())
      return;
    if (!commence) {
      commence = true;
      const QVariant longueur = reponse->header(QNetworkRequest::ContentLengthHeader);
      longueur_annoncee = longueur.isValid() ? longueur.toLongLong() : -1;
      if (debut_travail) debut_travail(Tsens_transfert::lecture, longueur_annoncee);
    }
    if (!recevoir(reponse->readAll())) {
      refuse = true;
      reponse->abort();
    }
  };
  QObject::connect(reponse, &QNetworkReply::readyRead, &boucle, lire_morceau);
  QObject::connect(reponse, &QNetworkReply::downloadProgress, &boucle, [&](qint64 recus, qint64) {
    inactivite.start(delai_inactivite_);
    if (commence && travail) travail(Tsens_transfert::lecture, recus);
  });
  QObject::connect(reponse, &QNetworkReply::finished, &boucle, &QEventLoop::quit);
  inactivite.start(delai_inactivite_);
  boucle.exec(QEventLoop::ExcludeUserInputEvents);
  if (!refuse && !expire && reponse->error() == QNetworkReply::NoError && reponse->bytesAvailable() > 0)
    lire_morceau();
  const int statut = reponse->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  const bool reussi = !expire && !refuse && reponse->error() == QNetworkReply::NoError &&
                      statut > 0 && statut < premier_statut_en_echec;
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
      adresse,
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
      adresse,
      [&](const QByteArray& morceau) {
        if (destination.write(morceau) != morceau.size()) return false;
        ecrits += morceau.size();
        return true;
      },
      longueur);
  return reussi && longueur >= 0 && ecrits == longueur;
}
