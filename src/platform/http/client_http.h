#pragma once
// The program's HTTP client: synchronous GET and download on the user
// interface thread. Each transfer runs a local event loop that ignores user
// input, follows redirects, fails on a status of 400 or more and gives up
// after a spell without any data. The proxy is always set explicitly, so the
// environment's proxy variables never apply behind the program's back.

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;

// Transfer direction of a progress event.
enum class Tsens_transfert { lecture, ecriture };

struct Tproxy_http {
  QString hote;
  int port = 0;
  QString utilisateur;
  QString mot_de_passe;
};

class Tclient_http {
 public:
  // Milliseconds without any data after which a transfer fails.
  static constexpr int delai_inactivite_defaut = 15000;

  explicit Tclient_http(QString agent_utilisateur);
  ~Tclient_http();
  Tclient_http(const Tclient_http&) = delete;
  Tclient_http& operator=(const Tclient_http&) = delete;

  // An empty host or port 0 means a direct connection.
  void definir_proxy(const Tproxy_http& proxy);
  const Tproxy_http& proxy() const { return proxy_; }

  void definir_delai_inactivite(int millisecondes) { delai_inactivite_ = millisecondes; }

  // The body of a GET; nothing on any failure or while another transfer runs.
  std::optional<QByteArray> lire(const QString& adresse);
  // Writes the body of a GET into `destination`; false on any failure, when
  // the reply announces no length or another length than it delivers, or
  // while another transfer runs.
  bool telecharger(const QString& adresse, QIODevice& destination);

  // Progress: the start with the expected byte count (0 or less when
  // unknown), the bytes so far, the end.
  std::function<void(Tsens_transfert, qint64)> debut_travail;
  std::function<void(Tsens_transfert, qint64)> travail;
  std::function<void(Tsens_transfert)> fin_travail;

 private:
  // Runs the GET; `recevoir` takes each piece of the body and returns false
  // to abort. True when the transfer completed with a success status.
  bool transferer(const QString& adresse, const std::function<bool(const QByteArray&)>& recevoir,
                  qint64& longueur_annoncee);

  QNetworkAccessManager* reseau_;
  QString agent_utilisateur_;
  Tproxy_http proxy_;
  int delai_inactivite_ = delai_inactivite_defaut;
  bool en_cours_ = false;
};
