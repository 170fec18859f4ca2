// The options dialog's proxy, calculator and language settings, the
// start-up configuration dialog with its newsletter request, and the about
// box, with a web server in the test process.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "http/serveur_local.h"
#include "localisation/catalogue.h"
#include "localisation/choix_langue.h"
#include "localisation/nombres.h"
#include "programme_de_test.h"
#include "exercises/catalogue_exercices.h"
#include "exercises/comptes.h"
#include "platform/ini/fichier_ini.h"
#include "shell/apropos.h"
#include "shell/configuration.h"
#include "shell/options_graphiques.h"
#include "shell/parametres_principaux.h"
#include "shell/textes_shell.h"

namespace {

namespace fs = std::filesystem;

class Options : public essai::Programme {
 protected:
  // 0: the reply comes a byte a second, by the client's clock.
  int statut = 200;
  Tserveur_local serveur{[this](const QByteArray&) { return Tserveur_local::reponse(statut, "ok"); }};
  qint64 maintenant = 0;

  // The settings: no start-up dialog, the test server, then `autres` lines.
  std::string debut() const {
    return "[generales]\nmasquer_configuration=1\n[Internet]\nserveur=" + serveur.hote().toStdString() + "\n";
  }
  void demarrer_avec(const std::string& autres = "") {
    parametres(debut() + autres);
    ASSERT_TRUE(demarrer());
    messages_->journal.clear();
    Fvorel->IdHTTP1->definir_horloge([this] { return maintenant; });
    serveur.apres_goutte = [this] { maintenant += 1000; };
    serveur.verseur = [this](const QByteArray&) -> std::optional<Tserveur_local::Tgouttes> {
      if (statut != 0) return std::nullopt;
      return Tserveur_local::Tgouttes{"HTTP/1.1 200 X\r\nConnection: close\r\n\r\n", "o"};
    };
  }
  std::vector<std::string> messages() {
    std::vector<std::string> t;
    for (const auto& invite : messages_->journal) {
      if (invite.genre == "message") t.push_back(invite.texte);
    }
    return t;
  }
  void capturer(QWidget& fenetre, const std::string& nom) {
    fs::create_directories(PRALINORE_CAPTURES);
    fenetre.adjustSize();
    EXPECT_TRUE(fenetre.grab().save(QString::fromStdString(std::string(PRALINORE_CAPTURES) + "/" + nom)));
  }
  TFconfiguration& c() { return *Fconfiguration; }
  TFoptions_graphiques& o() { return *Foptions_graphiques; }
};

TEST_F(Options, ApplyWritesTheProxyAndCalculatorKeysEvenAfterABoundError) {
  demarrer_avec();
  o().FormShow();
  o().Txmin->setText(QStringLiteral("abc"));
  o().Tadresse->setText(QStringLiteral("proxy.example"));
  o().Tport->setText(QStringLiteral("abc"));
  o().Cbauthentification->setChecked(false);
  o().Tutilisateur->setText(QStringLiteral("jean"));
  o().Tpwd_proxy->setText(QStringLiteral("secret"));
  o().CBLangue->setCurrentIndex(1);
  o().BappliquerClick(o().Bappliquer);
  EXPECT_EQ(messages(), std::vector<std::string>{catalogue_textes.txt_impossible_calculer_xmin});
  EXPECT_EQ(o().Tport->text(), "abc");
  EXPECT_EQ(f().IdHTTP1->proxy().port, 0);
  EXPECT_EQ(f().IdHTTP1->proxy().hote, "proxy.example");
  EXPECT_TRUE(f().IdHTTP1->proxy().utilisateur.isEmpty());
  EXPECT_EQ(contenu_parametres(),
            essai::crlf("[generales]\nmasquer_configuration=1\nlangue=1\n[Internet]\nserveur=" +
                        serveur.hote().toStdString() +
                        "\nutiliser_ie=1\nProxyuser=\nProxypassword=\nProxyserver=proxy.example\nProxyport=abc\n\n"
                        "[Outils]\nexecuter=-1\nauto_mutiplier=1\nauto_reduction=0\nactiver_coloration=1\n"));
  // With authentication the client and the file take both fields.
  o().Cbauthentification->setChecked(true);
  o().Tport->setText(QStringLiteral("3128"));
  o().BappliquerClick(o().Bappliquer);
  EXPECT_EQ(f().IdHTTP1->proxy().port, 3128);
  EXPECT_EQ(f().IdHTTP1->proxy().mot_de_passe, "secret");
  EXPECT_NE(contenu_parametres().find("Proxyuser=jean\r\nProxypassword=secret\r\n"), std::string::npos);
}

TEST_F(Options, OnlyTheUsersActionsRunTheBoxHandlers) {
  ::setenv("http_proxy", "http://sys:3128", 1);
  demarrer_avec("utiliser_ie=0\nProxyserver=h\nProxyport=81\nProxyuser=jean\n");
  EXPECT_EQ(o().Tadresse->text(), "h");
  EXPECT_TRUE(o().Cbauthentification->isChecked());
  EXPECT_TRUE(o().Tpwd_proxy->isEnabled());
  // Loading ticks CBie without touching the fields, and changes no language.
  ini_principal->ecrire_booleen("Internet", "utiliser_ie", true);
  o().FormShow();
  EXPECT_TRUE(o().CBie->isChecked());
  EXPECT_EQ(o().Tport->text(), "81");
  EXPECT_TRUE(messages().empty());
  o().CBie->click();
  EXPECT_EQ(o().Tport->text(), "0");
  o().CBie->click();
  EXPECT_EQ(o().Tadresse->text(), "sys");
  EXPECT_EQ(o().Tport->text(), "3128");
  o().Cbauthentification->click();
  EXPECT_FALSE(o().Tutilisateur->isEnabled());
  o().CBLangue->setCurrentIndex(1);
  EXPECT_TRUE(messages().empty());
  emit o().CBLangue->activated(1);
  EXPECT_EQ(messages(), std::vector<std::string>{catalogue_textes.txt_pralinore_doit_etre});
  ::unsetenv("http_proxy");
}

TEST_F(Options, ConfigurationSubscribesAndSaves) {
  struct Tcas {
    const char* nom;
    bool inscription;
    const char* adresse;
    int statut;
    std::vector<std::string> messages;
    int requetes;
    bool enregistre;
  };
  const std::string echec = texte_shell("inscription_echec");
  const std::string invalide = texte_shell("email_invalide");
  const std::vector<Tcas> cas = {
      {"valid", true, "Jean.Dupont@Example.fr", 200, {}, 1, true},
      {"server error", true, "jean@example.fr", 500, {echec}, 1, true},
      {"a byte a second", true, "jean@example.fr", 0, {echec}, 1, true},
      {"invalid", true, "jean@example", 200, {invalide}, 0, false},
      {"empty", true, "", 200, {invalide}, 0, false},
      {"unticked", false, "not an address", 200, {}, 0, true},
  };
  for (const Tcas& k : cas) {
    demarrer_avec();
    const std::size_t avant_requetes = serveur.requetes().size();
    const std::string avant = contenu_parametres();
    statut = k.statut;
    c().FormShow();
    c().CB_inscription->setChecked(k.inscription);
    c().CB_inscriptionClick();
    c().Temail->setText(QString::fromLatin1(k.adresse));
    c().CB_plus_fenetre->setChecked(false);
    c().BokClick();
    EXPECT_EQ(messages(), k.messages) << k.nom;
    EXPECT_EQ(static_cast<int>(serveur.requetes().size() - avant_requetes), k.requetes) << k.nom;
    if (k.enregistre) {
      EXPECT_EQ(contenu_parametres(),
                essai::crlf("[generales]\nmasquer_configuration=0\nverifier_version=1\ninscription=" +
                            std::string(k.inscription ? "1" : "0") + "\npage_demarrage=0\n[Internet]\nserveur=" +
                            serveur.hote().toStdString() + "\n"))
          << k.nom;
    } else {
      EXPECT_EQ(contenu_parametres(), avant) << k.nom;
    }
    arreter();
  }
  ASSERT_FALSE(serveur.requetes().empty());
  EXPECT_TRUE(serveur.requetes()[0].startsWith(
      "GET /mb/newsletter.php?lng=fr&nlpseudo=jean.dupont&nlmail=jean.dupont%40example.fr&action=sub "));
}

TEST_F(Options, UntouchedConfigurationOrCancelChangesNoChoice) {
  demarrer_avec();
  const std::string avant = contenu_parametres();
  c().FormShow();
  c().BannulerClick();
  EXPECT_EQ(contenu_parametres(), avant);
  c().FormShow();
  EXPECT_FALSE(c().CB_inscription->isChecked());
  EXPECT_TRUE(c().CBdemander_maj->isChecked());
  EXPECT_TRUE(c().CB_plus_fenetre->isChecked());
  c().BokClick();
  EXPECT_TRUE(serveur.requetes().empty());
  EXPECT_TRUE(ini_principal->lire_booleen("generales", "verifier_version", false));
  EXPECT_TRUE(ini_principal->lire_booleen("generales", "masquer_configuration", false));
}

TEST_F(Options, AboutBoxLinksTheServersHomePage) {
  demarrer_avec();
  Fapropos->FormCreate();
  EXPECT_TRUE(Fapropos->Label1->text().contains("http://" + serveur.hote() + "/"));
  emit Fapropos->Label1->linkActivated(QString());
  ASSERT_EQ(messages_->journal.size(), 1u);
  EXPECT_EQ(messages_->journal[0].genre, "ouvrir");
  EXPECT_EQ(messages_->journal[0].texte, "http://" + serveur.hote().toStdString() + "/");
}

TEST_F(Options, ClassesAndThemesOfTheLoggedInPupil) {
  demarrer_avec();
  essai::ecrire_octets(dossier_ / "parametres" / "Anne.cpt", essai::crlf("[Utilisateur]\npassword=abc\nclasse=4\n"));
  ASSERT_TRUE(verifier_compte("Anne", "abc"));
  o().FormShow();
  o().show();
  ASSERT_EQ(o().CLBclasses->count(), 7);
  const auto classes_cochees = [this] {
    std::vector<int> l;
    for (int i = 0; i < o().CLBclasses->count(); ++i) {
      if (o().CLBclasses->item(i)->checkState() == Qt::Checked) l.push_back(i);
    }
    return l;
  };
  EXPECT_EQ(classes_cochees(), std::vector<int>{2});  // "classe=4" is the third level
  // No class: OK shows the message on the Exercices page and stays open.
  o().CLBclasses->item(2)->setCheckState(Qt::Unchecked);
  messages_->journal.clear();
  o().BokClick();
  EXPECT_EQ(messages(), std::vector<std::string>{catalogue_textes.txt_choisir_classe});
  EXPECT_EQ(o().PCoptions->currentWidget(), o().TSExercices);
  EXPECT_TRUE(o().isVisible());
  // Ticking a class ticks its themes; unticking the last theme unticks it.
  o().CLBclasses->item(0)->setCheckState(Qt::Checked);
  ASSERT_GT(o().CLBthemes->count(), 0);
  for (int t = 0; t < o().CLBthemes->count(); ++t) EXPECT_EQ(o().CLBthemes->item(t)->checkState(), Qt::Checked);
  for (int t = 0; t < o().CLBthemes->count(); ++t) o().CLBthemes->item(t)->setCheckState(Qt::Unchecked);
  EXPECT_TRUE(classes_cochees().empty());
  o().CLBthemes->item(0)->setCheckState(Qt::Checked);
  EXPECT_EQ(classes_cochees(), std::vector<int>{0});
  messages_->journal.clear();
  o().BokClick();
  EXPECT_TRUE(messages().empty());
  EXPECT_FALSE(o().isVisible());
  const Tfichier_ini compte((dossier_ / "parametres" / "Anne.cpt").string());
  const std::string theme = exercices.theme[0];
  for (const auto& entree : table_exercices()) {
    const int i = exercices.indice_du_code(entree.code);
    const bool attendu = exercices.niveau(i) == 0 && exercices.theme[i] == theme;
    EXPECT_EQ(compte.lire_entier("Exercices", texte_entier(entree.code), -1), attendu ? 1 : 0) << entree.code;
  }
  // The title bar unticks the classes, reloads the selection and closes.
  o().show();
  o().close();
  EXPECT_FALSE(o().isVisible());
  fermer_session();
}

TEST_F(Options, CapturesInBothLanguages) {
  demarrer_avec();
  for (const auto& [langue, suffixe] : {std::pair{0, "fr"}, std::pair{1, "en"}}) {
    choisir_langue(langue);
    for (int page = 0; page < o().PCoptions->count(); ++page) {
      o().PCoptions->setCurrentIndex(page);
      capturer(o(), "options_" + o().PCoptions->currentWidget()->objectName().toStdString() + "_" + suffixe + ".png");
    }
    c().FormShow();
    capturer(c(), std::string("configuration_") + suffixe + ".png");
    Fapropos->FormCreate();
    capturer(*Fapropos, std::string("apropos_") + suffixe + ".png");
  }
  choisir_langue(0);
}

}  // namespace
