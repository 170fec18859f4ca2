// The HTTP client against a server in the test process.
#include <gtest/gtest.h>

#include <QBuffer>
#include <algorithm>

#include "http/serveur_local.h"
#include "platform/http/client_http.h"
#include "platform/http/limites_transfert.h"

namespace {

using Tgouttes = Tserveur_local::Tgouttes;
using namespace limites_transfert;

constexpr qint64 seconde = 1000;
const QByteArray reponse_ouverte = "HTTP/1.1 200 X\r\nConnection: close\r\n\r\n";

QByteArray tete_longueur(qint64 octets) {
  return "HTTP/1.1 200 X\r\nContent-Length: " + QByteArray::number(octets) + "\r\nConnection: close\r\n\r\n";
}

QByteArray chemin(const QByteArray& tete) { return tete.split(' ').value(1); }

// Answers by path: /ok, /vide, /redirige (to /ok), /404, /500, /court
// (announces more than it sends), /4096, /4097, /5ko, /8mo (bodies of that
// size), /muet (never answers).
QByteArray repondre(const QByteArray& tete) {
  const QByteArray c = chemin(tete);
  if (c.endsWith("/ok")) return Tserveur_local::reponse(200, "2.1.3");
  if (c.endsWith("/vide")) return Tserveur_local::reponse(200, "");
  if (c.endsWith("/redirige")) return Tserveur_local::reponse(302, "", "Location: /ok\r\n");
  if (c.endsWith("/404")) return Tserveur_local::reponse(404, "absent");
  if (c.endsWith("/500")) return Tserveur_local::reponse(500, "panne");
  if (c.endsWith("/court")) return "HTTP/1.1 200 X\r\nContent-Length: 10\r\nConnection: close\r\n\r\n12345";
  if (c.endsWith("/4096")) return Tserveur_local::reponse(200, QByteArray(4096, '9'));
  if (c.endsWith("/4097")) return Tserveur_local::reponse(200, QByteArray(4097, '9'));
  if (c.endsWith("/5ko")) return Tserveur_local::reponse(200, QByteArray(5 * 1024, '9'));
  if (c.endsWith("/8mo")) return Tserveur_local::reponse(200, QByteArray(8'000'000, '9'));
  if (c.endsWith("/sans_longueur")) return "HTTP/1.1 200 X\r\nConnection: close\r\n\r\n12345";
  return {};
}

class ClientHttp : public ::testing::Test {
 protected:
  Tserveur_local serveur{repondre};
  Tclient_http client{QStringLiteral("Pralinore/2.1.2")};

  // The test's clock, in step with the client: the server sends a drop only
  // once the client has taken every drop before it, and the clock moves one
  // second with each drop taken. However late the client's reads come, it
  // sees the time and the bytes of the server's schedule. The replies'
  // `debut` holds headers only.
  qint64 maintenant = 0;
  qint64 taille_goutte = 1;
  qint64 octets_pris = 0;

  QString adresse(const char* c) const { return "http://" + serveur.hote() + c; }
  void horloge_fictive() {
    client.definir_horloge([this] { return maintenant; });
    client.travail = [this](Tsens_transfert, qint64 recus) {
      octets_pris = recus;
      maintenant = recus / taille_goutte * seconde;
    };
    serveur.attendre_client = [this](qint64 octets_verses) { return octets_pris < octets_verses; };
  }
  // The server answers every request with `gouttes`, the clock at 0.
  void verser(const Tgouttes& gouttes) {
    serveur.verseur = [gouttes](const QByteArray&) { return gouttes; };
    taille_goutte = std::max<qint64>(gouttes.goutte.size(), 1);
    maintenant = octets_pris = 0;
  }
};

TEST_F(ClientHttp, GetFollowsRedirectsAndFailsOnErrorsSilenceAndLongReplies) {
  const std::vector<std::pair<const char*, std::optional<QByteArray>>> cas = {
      {"/ok", "2.1.3"}, {"/vide", ""}, {"/redirige", "2.1.3"}, {"/404", {}},
      {"/500", {}},     {"/5ko", {}},  {"/8mo", {}},
      {"/4096", QByteArray(4096, '9')}, {"/4097", {}},
  };
  for (const auto& [c, attendu] : cas) EXPECT_EQ(client.lire(adresse(c)), attendu) << c;
  // A server that sends nothing: the silence limit (15 s) ends the question
  // before its deadline (20 s). The clock moves a second at each reading.
  client.definir_horloge([this] { return maintenant += seconde; });
  EXPECT_EQ(client.lire(adresse("/muet")), std::nullopt);
  EXPECT_GE(maintenant, 15 * seconde);
  EXPECT_LT(maintenant, 20 * seconde);
  // A refused connection fails too: a port whose server has closed.
  quint16 port_ferme = 0;
  {
    const Tserveur_local ephemere{repondre};
    port_ferme = ephemere.port();
  }
  EXPECT_EQ(client.lire(QStringLiteral("http://127.0.0.1:%1/ok").arg(port_ferme)), std::nullopt);
}

TEST_F(ClientHttp, SendsTheProgramsHeaders) {
  ASSERT_TRUE(client.lire(adresse("/ok")));
  ASSERT_EQ(serveur.requetes().size(), 1u);
  const QByteArray tete = serveur.requetes().front().toLower();
  EXPECT_TRUE(tete.startsWith("get /ok http/1.1")) << tete.toStdString();
  EXPECT_TRUE(tete.contains("user-agent: pralinore/2.1.2\r\n"));
  EXPECT_TRUE(tete.contains("accept: text/html, */*\r\n"));
  EXPECT_TRUE(tete.contains("content-type: text/html\r\n"));
}

// Replies that come slowly or without end: each question ends by its
// deadline or its reply limit, within a few seconds of the limit.
TEST_F(ClientHttp, AQuestionEndsByItsDeadlineOrItsReplyLimit) {
  horloge_fictive();
  const QByteArray kio(1024, '9');
  const std::vector<std::tuple<const char*, Tgouttes, std::optional<QByteArray>>> cas = {
      {"a byte a second", {reponse_ouverte, "9"}, {}},
      {"endless fast reply", {reponse_ouverte, kio}, {}},
      {"5 KiB in drops", {reponse_ouverte, kio, 5}, {}},
      {"4 KiB in drops", {reponse_ouverte, kio, 4}, QByteArray(4 * 1024, '9')},
      {"4097 bytes unannounced", {reponse_ouverte, QByteArray(4097, '9'), 1}, {}},
      {"19 bytes in 19 s", {reponse_ouverte, "9", 19}, QByteArray(19, '9')},
  };
  for (const auto& [nom, gouttes, attendu] : cas) {
    verser(gouttes);
    EXPECT_EQ(client.lire(adresse("/")), attendu) << nom;
    EXPECT_LE(maintenant, (secondes_par_question + 3) * seconde) << nom;
  }
  // Headers without end never reach the client: its clock moves a second at
  // each reading, and the server does not wait for it.
  serveur.attendre_client = nullptr;
  verser({"HTTP/1.1 200 X\r\n", "X: y\r\n", -1, 50});
  client.definir_horloge([this] { return maintenant += seconde; });
  EXPECT_EQ(client.lire(adresse("/")), std::nullopt);
  EXPECT_LE(maintenant, (secondes_par_question + 3) * seconde);
}

// The download: an average speed under the least over the window fails; a
// length above the limit, or none, is refused before a byte is written.
TEST_F(ClientHttp, ADownloadEndsWhenTooSlowOrTooLong) {
  horloge_fictive();
  const qint64 lent = octets_par_seconde_minimum - 24;
  const qint64 assez_vite = octets_par_seconde_minimum * 3 / 2;
  const qint64 trop_long = std::int64_t{300} * 1024 * 1024;
  struct Tcas {
    const char* nom;
    Tgouttes gouttes;
    bool reussi;
    bool rien_ecrit;
  };
  const std::vector<Tcas> cas = {
      {"under the least speed", {tete_longueur(100 * lent), QByteArray(lent, 'x'), 100}, false, false},
      {"over it for 40 s", {tete_longueur(40 * assez_vite), QByteArray(assez_vite, 'x'), 40}, true, false},
      {"1 KiB/s for 40 s", {tete_longueur(40 * 1024), QByteArray(1024, 'x'), 40}, true, false},
      {"300 MiB announced", {tete_longueur(trop_long), QByteArray(1024, 'x')}, false, true},
      {"no length announced", {reponse_ouverte, QByteArray(1024, 'x'), 3}, false, true},
  };
  for (const auto& c : cas) {
    verser(c.gouttes);
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    EXPECT_EQ(client.telecharger(adresse("/"), tampon), c.reussi) << c.nom;
    EXPECT_EQ(tampon.data().isEmpty(), c.rien_ecrit) << c.nom;
    if (!c.reussi) {
      EXPECT_LE(maintenant, (secondes_mesure_debit + 2) * seconde) << c.nom;
    }
  }
}

TEST_F(ClientHttp, DownloadChecksTheAnnouncedLengthAndReportsProgress) {
  std::vector<QString> evenements;
  client.debut_travail = [&](Tsens_transfert, qint64 n) { evenements.push_back("debut " + QString::number(n)); };
  client.travail = [&](Tsens_transfert, qint64 n) { evenements.push_back("travail " + QString::number(n)); };
  client.fin_travail = [&](Tsens_transfert) { evenements.push_back("fin"); };
  QBuffer tampon;
  tampon.open(QIODevice::WriteOnly);
  EXPECT_TRUE(client.telecharger(adresse("/ok"), tampon));
  EXPECT_EQ(tampon.data(), "2.1.3");
  ASSERT_GE(evenements.size(), 3u);
  EXPECT_EQ(evenements.front(), "debut 5");
  EXPECT_EQ(evenements[evenements.size() - 2], "travail 5");
  EXPECT_EQ(evenements.back(), "fin");
  for (const char* c : {"/court", "/sans_longueur", "/404"}) {
    QBuffer autre;
    autre.open(QIODevice::WriteOnly);
    EXPECT_FALSE(client.telecharger(adresse(c), autre)) << c;
  }
}

TEST_F(ClientHttp, RequestsGoThroughTheProxySetAndNeverTheEnvironments) {
  // The test server acts as the proxy: it sees the whole address.
  client.definir_proxy({QStringLiteral("127.0.0.1"), serveur.port(), QStringLiteral("jean"), QStringLiteral("pw")});
  EXPECT_EQ(client.lire(QStringLiteral("http://www.pralinore.invalid/ok")), QByteArray("2.1.3"));
  ASSERT_EQ(serveur.requetes().size(), 1u);
  EXPECT_TRUE(serveur.requetes().front().startsWith("GET http://www.pralinore.invalid/ok HTTP/1.1"));
  // Port 0 or an empty host: a direct connection even with http_proxy set.
  qputenv("http_proxy", "http://127.0.0.1:1");
  for (const Tproxy_http& direct : {Tproxy_http{QStringLiteral("127.0.0.1"), 0, {}, {}},
                                    Tproxy_http{QString(), serveur.port(), {}, {}}}) {
    client.definir_proxy(direct);
    EXPECT_EQ(client.lire(adresse("/ok")), QByteArray("2.1.3"));
  }
  qunsetenv("http_proxy");
}

TEST_F(ClientHttp, ATransferInsideAnotherIsRefused) {
  std::optional<QByteArray> interieur = QByteArray("pas appele");
  client.debut_travail = [&](Tsens_transfert, qint64) { interieur = client.lire(adresse("/ok")); };
  EXPECT_TRUE(client.lire(adresse("/ok")));
  EXPECT_EQ(interieur, std::nullopt);
}

}  // namespace
