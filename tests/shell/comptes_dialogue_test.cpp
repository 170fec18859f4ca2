// The account dialog and the main window's account commands, on a whole
// program with a temporary data folder and the scripted messenger.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "exercises/comptes.h"
#include "exercises/presentation.h"
#include "localisation/catalogue.h"
#include "localisation/choix_langue.h"
#include "platform/texte_qt.h"
#include "programme_de_test.h"
#include "shell/fiche_choix_exo.h"

namespace {

namespace fs = std::filesystem;

// Hashing at the library's floor keeps every login fast.
constexpr Tlimites_hachage limites_essai = {1, 8192};
const std::string nom_41(41, 'a');

class DialogueComptes : public essai::Programme {
 protected:
  void SetUp() override {
    Programme::SetUp();
    definir_limites_hachage(limites_essai);
    parametres("[generales]\nmasquer_configuration=1\n");
  }

  void TearDown() override {
    if (Fvorel != nullptr) fermer_session();
    definir_limites_hachage(limites_hachage_interactives());
    Programme::TearDown();
  }

  // An account file with a clear password, as older versions wrote them.
  void compte(const std::string& nom, const std::string& mot_de_passe, const std::string& classe = "4") {
    essai::ecrire_octets(dossier_ / "parametres" / (nom + ".cpt"),
                         essai::crlf("[Utilisateur]\npassword=" + mot_de_passe + "\nclasse=" + classe + "\n"));
  }

  // Every file of the parametres folder with its bytes.
  std::map<std::string, std::string> fichiers() const {
    std::map<std::string, std::string> contenus;
    for (const auto& entree : fs::directory_iterator(dossier_ / "parametres")) {
      if (entree.is_regular_file()) contenus[entree.path().filename().string()] = lire_octets(entree.path());
    }
    return contenus;
  }

  TFiche_choix_exo& d() { return *Fiche_choix_exo; }

  void connecter(const std::string& nom, const std::string& mot_de_passe, bool par_defaut = false) {
    d().lister_comptes();
    d().Listedcomptes->setCurrentText(depuis_1252(nom));
    d().CBcompte_defaut->setChecked(par_defaut);
    d().Tmot_de_passe->setText(depuis_1252(mot_de_passe));
    d().ValiderClick();
  }

  // The texts of the prompts shown since the last call.
  std::vector<std::string> invites() {
    std::vector<std::string> textes;
    for (const auto& invite : messages_->journal) textes.push_back(invite.texte);
    messages_->journal.clear();
    return textes;
  }

  // Saves what the dialog shows into the build tree, for review by eye.
  void capturer(const char* nom) {
    d().adjustSize();
    d().show();
    fs::create_directories(PRALINORE_CAPTURES);
    EXPECT_TRUE(d().grab().save(QString::fromStdString(std::string(PRALINORE_CAPTURES) + "/" + nom)));
    d().hide();
  }

  std::string connexion1() { return vers_1252(f().Connexion1->text()); }
};

using Textes = std::vector<std::string>;

TEST_F(DialogueComptes, AFirstStartProposesANewAccountAndCreatingItLogsIn) {
  ASSERT_TRUE(demarrer());
  d().demarrer_session();
  EXPECT_EQ(invites(), (Textes{catalogue_textes.txt_devez_creer_compte, "TFiche_choix_exo"}));
  EXPECT_EQ(d().PCcompte->currentWidget(), d().TScreation);
  EXPECT_EQ(d().Compte->currentText(), "utilisateur1");
  EXPECT_EQ(d().windowTitle(), "Nouveau compte");
  EXPECT_EQ(d().Compte->count(), 0);
  EXPECT_FALSE(d().Tbmodifier->isEnabled());
  EXPECT_FALSE(d().Tbsupprimer->isEnabled());
  EXPECT_TRUE(d().Mot_de_passe->text().isEmpty());
  EXPECT_EQ(d().Mot_de_passe->echoMode(), QLineEdit::Password);
  EXPECT_EQ(d().Tmot_de_passe->echoMode(), QLineEdit::Password);
  d().Classe->setCurrentIndex(2);
  d().Mot_de_passe->setText("secret");
  capturer("compte_creation.png");

  int fermetures = 0;
  QObject::connect(&d(), &QDialog::finished, [&] { ++fermetures; });
  d().CreerClick();
  EXPECT_EQ(utilisateur_courant, "utilisateur1");
  EXPECT_EQ(fermetures, 1);
  EXPECT_TRUE(invites().empty());
  EXPECT_EQ(connexion1(), "Fermer la session utilisateur1");
  EXPECT_TRUE(fs::exists(dossier_ / "parametres" / "utilisateur1.cpt"));
}

TEST_F(DialogueComptes, CreatingRefusesBadNamesAndMissingLevelsAndWritesNothing) {
  compte("coordinatrixel", "klom");
  compte("Anne", "abc");
  ASSERT_TRUE(demarrer());
  const auto avant = fichiers();
  struct Cas {
    std::string nom;
    int classe;
    std::string message;
  };
  const Cas cas[] = {
      {"", 2, catalogue_textes.txt_devez_entrer_nom},
      {"   ", 2, catalogue_textes.txt_devez_entrer_nom},
      {"Paul", -1, catalogue_textes.txt_choisir_classe},
      {"anne", 2, catalogue_textes.txt_compte_existe_deja},
      {"ANNE", 2, catalogue_textes.txt_compte_existe_deja},
      {"../x", 2, catalogue_textes.txt_nom_compte_invalide},
      {"a/b", 2, catalogue_textes.txt_nom_compte_invalide},
      {"a\\b", 2, catalogue_textes.txt_nom_compte_invalide},
      {".x", 2, catalogue_textes.txt_nom_compte_invalide},
      {nom_41, 2, catalogue_textes.txt_nom_compte_invalide},
  };
  d().Bnouveau_compteClick();
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    d().Compte->setEditText(depuis_1252(c.nom));
    d().Classe->setCurrentIndex(c.classe);
    d().CreerClick();
    EXPECT_EQ(invites(), Textes{c.message});
    EXPECT_EQ(fichiers(), avant);
    EXPECT_TRUE(utilisateur_courant.empty());
  }
}

TEST_F(DialogueComptes, AWrongPasswordLeavesNobodyLoggedInAndTheRightOneWelcomes) {
  compte("Anne", "abc");
  compte("Paul", "xyz", "3");
  ASSERT_TRUE(demarrer());
  d().lister_comptes();
  EXPECT_EQ(d().Listedcomptes->count(), 2);
  d().Tmot_de_passe->setText("abc");
  capturer("compte_connexion.png");

  for (const char* faux : {"ABC", "ab", ""}) {
    connecter("Anne", faux);
    EXPECT_EQ(invites(), Textes{catalogue_textes.txt_mot_passe_incorrect});
    EXPECT_TRUE(utilisateur_courant.empty());
    EXPECT_TRUE(d().Tmot_de_passe->text().isEmpty());  // never kept
  }
  d().Tmot_de_passe->setText("abd");
  QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(d().Tmot_de_passe, &entree);  // Enter in the password box logs in
  EXPECT_EQ(invites(), Textes{catalogue_textes.txt_mot_passe_incorrect});

  connecter("Anne", "abc");
  EXPECT_EQ(utilisateur_courant, "Anne");
  EXPECT_EQ(connexion1(), "Fermer la session Anne");
  EXPECT_NE(texte_exercice.find("qu' <FONT COLOR=green>Anne</FONT>"), std::string::npos);
  EXPECT_TRUE(f().Commencer1->isEnabled());
  EXPECT_FALSE(exercice_en_cours);
  fermer_session();
  connecter("Paul", "xyz");
  EXPECT_NE(texte_exercice.find("que <FONT COLOR=green>Paul</FONT>"), std::string::npos);
}

TEST_F(DialogueComptes, ClosingTheSessionOffersTheLoginAndClosingTheDialogAsksToLogIn) {
  compte("Anne", "abc");
  ASSERT_TRUE(demarrer());
  connecter("Anne", "abc");
  invites();
  f().Connexion1->trigger();
  EXPECT_TRUE(utilisateur_courant.empty());
  EXPECT_EQ(connexion1(), catalogue_textes.txt_connexion);
  EXPECT_EQ(invites(), Textes{"TFiche_choix_exo"});  // the login page, closed unused
  EXPECT_EQ(d().PCcompte->currentWidget(), d().TSconnexion);
  EXPECT_EQ(texte_exercice, catalogue_textes.txt_charger_compte_cliquez);

  d().PCcompte->setCurrentWidget(d().TScreation);
  texte_exercice.clear();
  f().ANouveau_compte->trigger();  // nobody logged in: the login page, closed unused
  EXPECT_EQ(d().PCcompte->currentWidget(), d().TSconnexion);
  EXPECT_EQ(invites(), Textes{"TFiche_choix_exo"});
  EXPECT_EQ(texte_exercice, catalogue_textes.txt_charger_compte_cliquez);

  texte_exercice.clear();
  EXPECT_TRUE(d().FormCloseQuery());
  f().Gestionnaire_de_compte->trigger();  // without modality
  EXPECT_TRUE(d().isVisible());
  EXPECT_TRUE(invites().empty());
  d().BquitterClick();
  EXPECT_FALSE(d().isVisible());
  EXPECT_EQ(texte_exercice, catalogue_textes.txt_charger_compte_cliquez);
}

TEST_F(DialogueComptes, TheEnglishInterfaceNamesTheButtonsAndStoresTheLevelInFrench) {
  ASSERT_TRUE(demarrer());
  choisir_langue(1);
  const std::pair<QAbstractButton*, const char*> boutons[] = {
      {d().Tbnouveau, "New"}, {d().Tbmodifier, "Modify"}, {d().Tbsupprimer, "Delete"}, {d().Bquitter, "QUIT"}};
  for (const auto& [bouton, libelle] : boutons) EXPECT_EQ(bouton->text(), libelle);
  d().Bnouveau_compteClick();
  d().Compte->setEditText("Hugo");
  d().Classe->setCurrentIndex(2);
  EXPECT_EQ(d().Classe->currentText(), "level 3");
  d().CreerClick();
  EXPECT_EQ(utilisateur_courant, "Hugo");
  EXPECT_NE(lire_octets(dossier_ / "parametres" / "Hugo.cpt").find("classe=4\r\n"), std::string::npos);
  EXPECT_NE(texte_exercice.find("Hello, <FONT COLOR=green>Hugo</FONT>"), std::string::npos);
  choisir_langue(0);
  EXPECT_EQ(d().Tbsupprimer->text(), "Supprimer");
}

TEST_F(DialogueComptes, OnlyTheAdministratorDeletesAndNeverItsOwnAccount) {
  compte("coordinatrixel", "klom");
  compte("Anne", "abc");
  compte("Paul", "xyz");
  ASSERT_TRUE(demarrer());
  connecter("Anne", "abc");
  f().NouveauCompte1->trigger();
  EXPECT_FALSE(d().Tbsupprimer->isEnabled());
  EXPECT_EQ(d().Compte->count(), 1);
  EXPECT_EQ(d().Compte->currentText(), "Anne");
  EXPECT_EQ(d().Classe->currentIndex(), 2);
  EXPECT_TRUE(d().Mot_de_passe->text().isEmpty());
  fermer_session();

  connecter("coordinatrixel", "klom");
  invites();
  f().Agestion_compte->trigger();
  EXPECT_TRUE(d().Tbsupprimer->isEnabled());
  EXPECT_EQ(d().PCcompte->currentWidget(), d().TScreation);
  ASSERT_EQ(d().Compte->count(), 3);
  const auto avant = fichiers();
  d().Compte->setCurrentText("coordinatrixel");
  d().TbsupprimerClick();
  messages_->reponses = {reponse_non};
  d().Compte->setCurrentText("Paul");
  d().TbsupprimerClick();
  EXPECT_EQ(invites(), (Textes{"TFiche_choix_exo", "Vous ne pouvez pas supprimer le compte coordinatrixel.",
                               "Le compte Paul va \xEAtre supprim\xE9."}));
  EXPECT_EQ(fichiers(), avant);

  d().TbsupprimerClick();  // yes, the default answer
  EXPECT_FALSE(fs::exists(dossier_ / "parametres" / "Paul.cpt"));
  EXPECT_EQ(d().Compte->count(), 2);
  EXPECT_EQ(d().Compte->currentText(), "Anne");  // the last went: the first is chosen
  EXPECT_EQ(d().Listedcomptes->count(), 2);
}

TEST_F(DialogueComptes, TheDefaultBoxWritesAndEmptiesTheDefaultAccount) {
  compte("paul", "xyz");
  compte("Anne", "abc");
  ASSERT_TRUE(demarrer());
  connecter("paul", "xyz", true);
  EXPECT_EQ(contenu_parametres(),
            essai::crlf("[generales]\nmasquer_configuration=1\n\n[Utilisateurs]\nDefaut=paul.cpt\n"));
  fermer_session();
  d().lister_comptes();
  d().Listedcomptes->setCurrentText("Anne");
  EXPECT_FALSE(d().CBcompte_defaut->isChecked());
  d().Listedcomptes->setCurrentText("paul");
  EXPECT_TRUE(d().CBcompte_defaut->isChecked());

  invites();
  d().demarrer_session();  // the default opens without the dialog
  EXPECT_EQ(utilisateur_courant, "paul");
  EXPECT_TRUE(invites().empty());
  fermer_session();

  connecter("paul", "xyz", false);
  EXPECT_EQ(contenu_parametres(),
            essai::crlf("[generales]\nmasquer_configuration=1\n\n[Utilisateurs]\nDefaut=\n"));
}

}  // namespace
