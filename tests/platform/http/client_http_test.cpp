// The HTTP client against a server in the test process.
#include <gtest/gtest.h>

#include <QBuffer>

#include "http/serveur_local.h"
#include "platform/http/client_http.h"

namespace {

constexpr int delai_court = 300;

QByteArray chemin(const QByteArray& tete) { return tete.split(' ').value(1); }

// Answers by path: /ok, /vide, /redirige (to /ok), /404, /500, /court
// (announces more than it sends), /muet (never answers).
QByteArray repondre(const QByteArray& tete) {
  const QByteArray c = chemin(tete);
  if (c.endsWith("/ok")) return Tserveur_local::reponse(200, "2.1.3");
  if (c.endsWith("/vide")) return Tserveur_local::reponse(200, "");
  if (c.endsWith("/redirige")) return Tserveur_local::reponse(302, "", "Location: /ok\r\n");
  if (c.endsWith("/404")) return Tserveur_local::reponse(404, "absent");
  if (c.endsWith("/500")) return Tserveur_local::reponse(500, "panne");
  if (c.endsWith("/court")) return "HTTP/1.1 200 X\r\nContent-Length: 10\r\nConnection: close\r\n\r\n12345";
  if (c.endsWith("/sans_longueur")) return "HTTP/1.1 200 X\r\nConnection: close\r\n\r\n12345";
  return {};
}

class ClientHttp : public ::testing::Test {
 protected:
  Tserveur_local serveur{repondre};
  Tclient_http client{QStringLiteral("Pralinore/2.1.2")};

  QString adresse(const char* c) const { return "http://" + serveur.hote() + c; }
};

TEST_F(ClientHttp, GetFollowsRedirectsAndFailsOnErrorsAndSilence) {
  client.definir_delai_inactivite(delai_court);
  const std::vector<std::pair<const char*, std::optional<QByteArray>>> cas = {
      {"/ok", "2.1.3"},   {"/vide", ""},        {"/redirige", "2.1.3"},
      {"/404", {}},       {"/500", {}},         {"/muet", {}},
  };
  for (const auto& [c, attendu] : cas) EXPECT_EQ(client.lire(adresse(c)), attendu) << c;
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

TEST_F(ClientHttp, DownloadChecksTheAnnouncedLengthAndReportsProgress) {
  client.definir_delai_inactivite(delai_court);
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
