// The main window's web work against a server in the test process: the
// version check and the setup download, the start-up proxy, the progress
// dialog.
#include <QDate>
#include <sys/stat.h>

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
namespace fs = std::filesystem;

const QByteArray installation(3000, 'x');
constexpr int delai_court = 300;

QByteArray chemin(const QByteArray& tete) { return tete.split(' ').value(1); }

std::string date_il_y_a(int jours) {
  return QDate::currentDate().addDays(-jours).toString(Qt::ISODate).toStdString();
}

class VersionEnLigne : public Programme {
 protected:
  // The server answers the version question with `version`, the download
  // with `telechargement`.
  QByteArray version = "9.9.9";
  QByteArray telechargement = Tserveur_local::reponse(200, installation);
  bool muet = false;
  Tserveur_local serveur{[this](const QByteArray& tete) {
    if (muet) return QByteArray();
    return chemin(tete).startsWith("/ap/version.php?") ? Tserveur_local::reponse(200, version) : telechargement;
  }};
  fs::path temporaire_;

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
  const std::vector<QByteArray> mauvais = {
      Tserveur_local::reponse(404, "absent"), Tserveur_local::reponse(500, "panne"),
      "HTTP/1.1 200 X\r\nContent-Length: 3000\r\nConnection: close\r\n\r\nxxxx",
      "HTTP/1.1 200 X\r\nConnection: close\r\n\r\nxxxx"};
  demarrer_avec(0, false);
  for (const QByteArray& reponse : mauvais) {
    telechargement = reponse;
    reponse_version.clear();
    messages_->journal.clear();
    f().Vrifierversion1Click();
    EXPECT_EQ(textes("message"), std::vector<std::string>{catalogue_textes.txt_impossible_connecter_verifiez});
    EXPECT_TRUE(dossiers_prives().empty());
  }
  // No answer at all to the question.
  muet = true;
  reponse_version.clear();
  messages_->journal.clear();
  f().IdHTTP1->definir_delai_inactivite(delai_court);
  f().Vrifierversion1Click();
  EXPECT_EQ(textes("message"), std::vector<std::string>{catalogue_textes.txt_impossible_connecter_verifiez});
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
