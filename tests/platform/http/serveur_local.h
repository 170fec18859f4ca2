#pragma once
// A web server inside the test process, on 127.0.0.1 only: it records each
// request's head and answers with the bytes a function makes from it (no
// bytes: it stays silent and keeps the connection open), or in drops as a
// slow or endless server would. It runs on the events of the thread's loop,
// so a synchronous client's local loop serves it.

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

class Tserveur_local {
 public:
  using Trepondeur = std::function<QByteArray(const QByteArray& tete)>;

  // A reply in drops: `debut` at once, then `goutte` every `intervalle_ms`,
  // `nombre` times (without end when negative), then the connection closes.
  struct Tgouttes {
    QByteArray debut;
    QByteArray goutte;
    int nombre = -1;
    int intervalle_ms = 2;
  };
  // Chooses the requests answered in drops; the others go to the repondeur.
  std::function<std::optional<Tgouttes>(const QByteArray& tete)> verseur;
  // Runs after each drop (a test's clock moves with it).
  std::function<void()> apres_goutte;
  // While it says so for the bytes of drops the connection has sent, its next
  // drop (or the close after the last) waits: a test lets its client take
  // each drop before the next one comes.
  std::function<bool(qint64 octets_verses)> attendre_client;

  explicit Tserveur_local(Trepondeur repondeur) : repondeur_(std::move(repondeur)) {
    serveur_.listen(QHostAddress::LocalHost);
    QObject::connect(&serveur_, &QTcpServer::newConnection, &serveur_, [this] { accepter(); });
  }

  quint16 port() const { return serveur_.serverPort(); }
  QString hote() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }
  // The request heads received, in order.
  const std::vector<QByteArray>& requetes() const { return requetes_; }

  // "HTTP/1.1 <statut>" with a length header and the body.
  static QByteArray reponse(int statut, const QByteArray& corps, const QByteArray& entetes = {}) {
    return "HTTP/1.1 " + QByteArray::number(statut) + " X\r\nContent-Length: " + QByteArray::number(corps.size()) +
           "\r\nConnection: close\r\n" + entetes + "\r\n" + corps;
  }

 private:
  void accepter() {
    while (QTcpSocket* client = serveur_.nextPendingConnection()) {
      auto* tampon = new QByteArray;
      QObject::connect(client, &QTcpSocket::readyRead, client, [this, client, tampon] {
        *tampon += client->readAll();
        const auto fin = tampon->indexOf("\r\n\r\n");
        if (fin < 0) return;
        requetes_.push_back(tampon->left(fin));
        tampon->clear();
        if (const auto gouttes = verseur ? verseur(requetes_.back()) : std::nullopt) return verser(client, *gouttes);
        const QByteArray octets = repondeur_(requetes_.back());
        if (octets.isEmpty()) return;
        client->write(octets);
        client->disconnectFromHost();
      });
      QObject::connect(client, &QTcpSocket::disconnected, client, [client, tampon] {
        delete tampon;
        client->deleteLater();
      });
    }
  }

  void verser(QTcpSocket* client, const Tgouttes& gouttes) {
    client->write(gouttes.debut);
    auto* minuterie = new QTimer(client);
    const auto verser_goutte = [this, client, minuterie, gouttes, reste = gouttes.nombre, verses = qint64{0}]() mutable {
      const bool connecte = client->state() == QAbstractSocket::ConnectedState;
      if (connecte && attendre_client && attendre_client(verses)) return;
      if (reste == 0 || !connecte) {
        minuterie->stop();
        client->disconnectFromHost();
        return;
      }
      if (reste > 0) --reste;
      client->write(gouttes.goutte);
      verses += gouttes.goutte.size();
      if (apres_goutte) apres_goutte();
    };
    QObject::connect(minuterie, &QTimer::timeout, client, verser_goutte);
    minuterie->start(gouttes.intervalle_ms);
  }

  QTcpServer serveur_;
  Trepondeur repondeur_;
  std::vector<QByteArray> requetes_;
};
