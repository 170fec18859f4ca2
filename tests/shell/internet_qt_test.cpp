// The main window's web work against a server in the test process: the
// version check and the setup download, the start-up proxy, the progress
// dialog.
#include <QDate>
#include <sys/stat.h>

#include <optional>

#include "components/controles/JvProgressDlg.h"
#include "http/serveur_local.h"
#include "localisation/catalogue.h"
#include "localisation/format.h"
#include "localisation/nombres.h"
#include "programme_de_test.h"
#include "shell/adresses_internet.h"
#include "shell/version.h"
#include "shell/vorel_internet.h"

namespace {

using essai::Programme;
using Tgouttes = Tserveur_local::Tgouttes;
namespace fs = std::filesystem;

const QByteArray installation(3000, 'x');
const QByteArray reponse_ouverte = "HTTP/1.1 200 X\r\nConnection: close\r\n\r\n";
constexpr qint64 seconde = 1000;

QByteArray tete_longueur(qint64 octets) {
  return "HTTP/1.1 200 X\r\nContent-Length: " + QByteArray::number(octets) + "\r\nConnection: close\r\n\r\n";
}

QByteArray chemin(const QByteArray& tete) { return tete.split(' ').value(1); }

std::string date_il_y_a(int jours) {
  return QDate::currentDate().addDays(-jours).toString(Qt::ISODate).toStdString();
}

class VersionEnLigne : public Programme {
 protected:
  // The server answers the version question with `version`, the download
  // with `telechargement`, or either in drops when one is set.
  QByteArray version = "9.9.9";
  QByteArray telechargement = Tserveur_local::reponse(200, installation);
  std::optional<Tgouttes> gouttes_version;
  std::optional<Tgouttes> gouttes_telechargement;
  bool muet = false;
  Tserveur_local serveur{[this](const QByteArray& tete) {
    if (muet) return QByteArray();
    return question(tete) ? Tserveur_local::reponse(200, version) : telechargement;
  }};
  fs::path temporaire_;
  // The client's clock in the tests that set it: one second per drop.
  qint64 maintenant = 0;

  static bool question(const QByteArray& tete) { return chemin(tete).startsWith("/ap/version.php?"); }
  void horloge_fictive() {
    f().IdHTTP1->definir_horloge([this] { return maintenant; });
    serveur.apres_goutte = [this] { maintenant += seconde; };
    serveur.verseur = [this](const QByteArray& tete) {
      return question(tete) ? gouttes_version : gouttes_telechargement;
    };
  }
  // A manual check from scratch, answering the offer with No.
  void verifier_a_la_main() {
    reponse_version.clear();
    messages_->journal.clear();
    messages_->reponses.assign(1, reponse_non);
    f().Vrifierversion1Click();
  }

  void SetUp() override {
    Programme::SetUp();
    temporaire_ = dossier_ / "tmp";
    fs::create_directories(temporaire_);
    ::setenv("TMPDIR", temporaire_.c_str(), 1);
    verification_au_demarrage = true;
  }
  void TearDown() override {
    ::unsetenv("TMPDIR");
    Programme::TearDown();
    reponse_version.clear();
  }

  // Starts with the check `jours` days old, asking first or not.
  void demarrer_avec(int jours, bool demander) {
    parametres("[generales]\nmasquer_configuration=1\nderniere_verif=" + date_il_y_a(jours) +
               "\nverifier_version=" + (demander ? "1" : "0") + "\n[Internet]\nutiliser_ie=0\nserveur=" +
               serveur.hote().toStdString() + "\n");
    ASSERT_TRUE(demarrer());
  }
  std::vector<std::string> textes(const std::string& genre) {
    std::vector<std::string> t;
    for (const auto& invite : messages_->journal) {
      if (invite.genre == genre) t.push_back(invite.texte);
    }
    return t;
  }
  std::vector<fs::path> dossiers_prives() const {
    return {fs::directory_iterator(temporaire_), fs::directory_iterator()};
  }
};

TEST_F(VersionEnLigne, StartUpChecksAfterSevenDaysOnly) {
  demarrer_avec(7, false);
  EXPECT_TRUE(serveur.requetes().empty());
  arreter();
  demarrer_avec(8, false);
  ASSERT_EQ(serveur.requetes().size(), 2u);  // the question, then the download
  const std::string attendu = chemin_version(0, version_programme(), pays_systeme());
  EXPECT_EQ(chemin(serveur.requetes()[0]).toStdString(), attendu);
  EXPECT_NE(contenu_parametres().find("derniere_verif=" + date_il_y_a(0)), std::string::npos);
}

TEST_F(VersionEnLigne, ANewerVersionIsSavedIntoAPrivateFolderAndNeverRun) {
  version = "  9.9.9\r\n";
  demarrer_avec(8, false);
  const auto dossiers = dossiers_prives();
  ASSERT_EQ(dossiers.size(), 1u);
  struct stat etat {};
  ASSERT_EQ(::stat(dossiers[0].c_str(), &etat), 0);
  EXPECT_EQ(etat.st_mode & 0777, 0700u);
  EXPECT_EQ(lire_octets(dossiers[0] / "setuppralinore.exe"), installation.toStdString());
  EXPECT_EQ(textes("question"), std::vector<std::string>{Format(catalogue_textes.txt_version_pralinore_disponible,
                                                                {std::string("9.9.9")})});
  EXPECT_EQ(textes("message"),
            std::vector<std::string>{Format(catalogue_textes.txt_version_telechargee, {dossiers[0].string()})});
  EXPECT_EQ(textes("ouvrir"), std::vector<std::string>{dossiers[0].string()});
}

TEST_F(VersionEnLigne, ManualChecksAskOnceAndReportEachOutcome) {
  version = QByteArray::fromStdString(version_programme());
  demarrer_avec(0, true);
  messages_->reponses.push_back(reponse_non);
  f().Vrifierversion1Click();
  EXPECT_TRUE(serveur.requetes().empty());
  f().Vrifierversion1Click();
  f().Vrifierversion1Click();
  EXPECT_EQ(serveur.requetes().size(), 1u);
  EXPECT_EQ(textes("message"), std::vector<std::string>(2, catalogue_textes.txt_nouvelle_mise_jour));
}

TEST_F(VersionEnLigne, FailuresLeaveNoFile) {
  struct Tcas {
    const char* nom;
    QByteArray reponse;
    std::optional<Tgouttes> gouttes;
  };
  const std::vector<Tcas> mauvais = {
      {"404", Tserveur_local::reponse(404, "absent"), {}},
      {"500", Tserveur_local::reponse(500, "panne"), {}},
      {"short", "HTTP/1.1 200 X\r\nContent-Length: 3000\r\nConnection: close\r\n\r\nxxxx", {}},
      {"no length", "HTTP/1.1 200 X\r\nConnection: close\r\n\r\nxxxx", {}},
      {"under 1 KiB/s", {}, Tgouttes{tete_longueur(100'000), QByteArray(1000, 'x')}},
      {"300 MiB announced", {}, Tgouttes{tete_longueur(std::int64_t{300} * 1024 * 1024), QByteArray(1024, 'x')}},
  };
  demarrer_avec(0, false);
  horloge_fictive();
  for (const Tcas& c : mauvais) {
    telechargement = c.reponse;
    gouttes_telechargement = c.gouttes;
    reponse_version.clear();
    messages_->journal.clear();
    f().Vrifierversion1Click();
    EXPECT_EQ(textes("message"), std::vector<std::string>{catalogue_textes.txt_impossible_connecter_verifiez}) << c.nom;
    EXPECT_TRUE(dossiers_prives().empty()) << c.nom;
  }
  // No answer at all to the question: a clock that jumps five seconds at each reading.
  muet = true;
  f().IdHTTP1->definir_horloge([this] { return maintenant += 5 * seconde; });
  verifier_a_la_main();
  EXPECT_EQ(textes("message"), std::vector<std::string>{catalogue_textes.txt_impossible_connecter_verifiez});
}

// Only a short version text is offered; any other reply, and one that comes
// slowly or without end, is the failure message.
TEST_F(VersionEnLigne, OnlyAVersionTextIsOfferedAndEveryQuestionEnds) {
  struct Tcas {
    const char* nom;
    QByteArray corps;
    std::optional<Tgouttes> gouttes;
    std::string offerte;  // empty: the failure message
  };
  const std::vector<Tcas> cas = {
      {"html", "<html>", {}, ""},
      {"older or newer", "1.2.3", {}, "1.2.3"},
      {"blanks around", " 2.0 \r\n", {}, "2.0"},
      {"5 KiB", QByteArray(5 * 1024, '9'), {}, ""},
      {"8 MB", QByteArray(8'000'000, '9'), {}, ""},
      {"a byte a second", {}, Tgouttes{reponse_ouverte, "9"}, ""},
      {"endless fast reply", {}, Tgouttes{reponse_ouverte, QByteArray(1024, '9')}, ""},
  };
  demarrer_avec(0, false);
  horloge_fictive();
  for (const Tcas& c : cas) {
    version = c.corps;
    gouttes_version = c.gouttes;
    verifier_a_la_main();
    const std::vector<std::string> echec{catalogue_textes.txt_impossible_connecter_verifiez};
    const std::vector<std::string> offre{Format(catalogue_textes.txt_version_pralinore_disponible, {c.offerte})};
    EXPECT_EQ(textes("message"), c.offerte.empty() ? echec : std::vector<std::string>{}) << c.nom;
    EXPECT_EQ(textes("question"), c.offerte.empty() ? std::vector<std::string>{} : offre) << c.nom;
    EXPECT_TRUE(dossiers_prives().empty()) << c.nom;
  }
}

// The main window keeps painting while a slow question runs.
TEST_F(VersionEnLigne, TheWindowRepaintsWhileItWaits) {
  demarrer_avec(0, false);
  horloge_fictive();
  gouttes_version = Tgouttes{reponse_ouverte, "9", -1, 20};
  serveur.apres_goutte = [this] {
    maintenant += seconde;
    f().update();
  };
  struct Tpeintures : QObject {
    int nombre = 0;
    bool eventFilter(QObject*, QEvent* evenement) override {
      if (evenement->type() == QEvent::Paint) ++nombre;
      return false;
    }
  } peintures;
  f().installEventFilter(&peintures);
  verifier_a_la_main();
  f().removeEventFilter(&peintures);
  EXPECT_GE(peintures.nombre, 5);
}

TEST_F(VersionEnLigne, StartUpProxyFromTheSettingsOrTheSystem) {
  parametres("[generales]\nmasquer_configuration=1\nderniere_verif=" + date_il_y_a(0) +
             "\n[Internet]\nutiliser_ie=0\nProxyserver=127.0.0.1\nProxyport=" +
             texte_entier(serveur.port()) + "\nProxyuser=jean\nProxypassword=secret\n");
  ASSERT_TRUE(demarrer());
  EXPECT_EQ(f().IdHTTP1->proxy().hote, QStringLiteral("127.0.0.1"));
  EXPECT_EQ(f().IdHTTP1->proxy().utilisateur, QStringLiteral("jean"));
  EXPECT_EQ(f().IdHTTP1->proxy().mot_de_passe, QStringLiteral("secret"));
  // The test server, as proxy, receives the request for the unresolvable default server.
  EXPECT_TRUE(f().IdHTTP1->lire(QStringLiteral("http://www.pralinore.invalid/ap/version.php?x")));
  ASSERT_EQ(serveur.requetes().size(), 1u);
  EXPECT_TRUE(serveur.requetes()[0].startsWith("GET http://www.pralinore.invalid/"));
  arreter();
  ::setenv("http_proxy", "http://u:p@sys:3128/", 1);
  for (const auto& [reglage, hote, port] : {std::tuple{"utiliser_ie=1\nProxyport=8080", "sys", 3128},
                                            std::tuple{"utiliser_ie=0\nProxyserver=h\nProxyport=abc", "h", 0}}) {
    parametres(std::string("[generales]\nmasquer_configuration=1\nderniere_verif=") + date_il_y_a(0) +
               "\n[Internet]\n" + reglage + "\n");
    ASSERT_TRUE(demarrer());
    EXPECT_EQ(f().IdHTTP1->proxy().hote.toStdString(), hote);
    EXPECT_EQ(f().IdHTTP1->proxy().port, port);
    arreter();
  }
  ::unsetenv("http_proxy");
}

TEST_F(VersionEnLigne, ProgressDialogFollowsTheReadEvents) {
  demarrer_avec(0, false);
  TJvProgressDlg& dialogue = *f().JvProgressDlg1;
  f().IdHTTP1WorkBegin(Tsens_transfert::lecture, 1000);
  EXPECT_TRUE(dialogue.Form()->isVisible());
  EXPECT_EQ(dialogue.Maximum(), 1000);
  EXPECT_EQ(dialogue.Value(), 0);
  EXPECT_TRUE(dialogue.Text().isEmpty());
  f().IdHTTP1Work(Tsens_transfert::lecture, 400);
  f().IdHTTP1Work(Tsens_transfert::ecriture, 900);
  EXPECT_EQ(dialogue.Value(), 400);
  f().IdHTTP1WorkEnd(Tsens_transfert::lecture);
  EXPECT_FALSE(dialogue.Form()->isVisible());
  EXPECT_EQ(dialogue.Value(), 0);
  // Counts beyond an int are scaled; no length gives a busy bar.
  f().IdHTTP1WorkBegin(Tsens_transfert::lecture, 10'000'000'000);
  f().IdHTTP1Work(Tsens_transfert::lecture, 5'000'000'000);
  EXPECT_GT(dialogue.Maximum(), 0);
  EXPECT_EQ(dialogue.Value() * 2 / 100, dialogue.Maximum() / 100);
  f().IdHTTP1WorkBegin(Tsens_transfert::lecture, -1);
  EXPECT_EQ(dialogue.Maximum(), 0);
  f().IdHTTP1WorkEnd(Tsens_transfert::lecture);
}

}  // namespace
