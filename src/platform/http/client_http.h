#pragma once
// The program's HTTP client: synchronous GET and download on the user
// interface thread. Each transfer runs a local event loop that ignores user
// input (the windows still repaint), follows redirects and fails on a status
// of 400 or more. No transfer outlasts the limits of limites_transfert.h.
// The proxy is always set explicitly, so the environment's proxy variables
// never apply behind the program's back.

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

// Milliseconds from any fixed origin, never going back.
using Thorloge = std::function<qint64()>;

class Tclient_http {
 public:
  explicit Tclient_http(QString agent_utilisateur);
  ~Tclient_http();
  Tclient_http(const Tclient_http&) = delete;
  Tclient_http& operator=(const Tclient_http&) = delete;

  // An empty host or port 0 means a direct connection.
  void definir_proxy(const Tproxy_http& proxy);
  const Tproxy_http& proxy() const { return proxy_; }

  // The clock the limits are measured with (the system's steady clock by
  // default).
  void definir_horloge(Thorloge horloge) { horloge_ = std::move(horloge); }

  // The body of a GET asking the web server a question; nothing on any
  // failure, on a body longer than the reply limit, past the question's
  // deadline or while another transfer runs.
  std::optional<QByteArray> lire(const QString& adresse);
  // Writes the body of a GET into `destination`; false on any failure, when
  // the reply announces no length, a length above the download limit (then
  // nothing is written) or another length than it delivers, when it comes
  // too slowly, or while another transfer runs.
  bool telecharger(const QString& adresse, QIODevice& destination);

  // Progress: the start with the expected byte count (0 or less when
  // unknown), the bytes taken so far after each piece of the body, the end.
  std::function<void(Tsens_transfert, qint64)> debut_travail;
  std::function<void(Tsens_transfert, qint64)> travail;
  std::function<void(Tsens_transfert)> fin_travail;

  // What ends a transfer early besides a network error; 0 turns a limit off.
  struct Tbornes {
    qint64 duree_ms = 0;             // the whole transfer
    qint64 octets = 0;               // the body, announced or received
    bool longueur_exigee = false;    // a reply must announce its length
    qint64 octets_par_seconde = 0;   // the least average speed over the window
  };

 private:
  // Runs the GET; `recevoir` takes each piece of the body and returns false
  // to abort. True when the transfer completed with a success status.
  bool transferer(const QString& adresse, const Tbornes& bornes,
                  const std::function<bool(const QByteArray&)>& recevoir, qint64& longueur_annoncee);

  QNetworkAccessManager* reseau_;
  QString agent_utilisateur_;
  Tproxy_http proxy_;
  Thorloge horloge_;
  bool en_cours_ = false;
};
