#include <map>

#include "dossier_exercices.h"
#include "localisation/messagerie_enregistreuse.h"
#include "platform/ini/fichier_ini.h"

namespace {

class Comptes : public essai::DossierExercices {
 protected:
  void SetUp() override {
    DossierExercices::SetUp();
    reglages_ = std::make_unique<Tfichier_ini>(dossier_parametres + "Pralinore.ini");
  }

  // A session as at first start, then accounts created by the administrator.
  void creer_comptes(const std::vector<std::pair<std::string, int>>& comptes) {
    demarrer_session(*reglages_);
    ASSERT_TRUE(verifier_compte("coordinatrixel", "klom"));
    for (const auto& [nom, classe] : comptes) {
      ASSERT_EQ(creer_compte(nom, "pw", classe, false).issue, Eenregistrement::cree) << nom;
    }
    fermer_session();
    messages_->journal.clear();
    ecran_ = essai::EcranEnregistreur{};
  }

  std::vector<std::string> textes() {
    std::vector<std::string> t;
    for (const auto& invite : messages_->journal) t.push_back(invite.texte);
    return t;
  }

  std::map<std::string, std::string> contenu_dossier() const {
    std::map<std::string, std::string> fichiers;
    for (const auto& f : std::filesystem::directory_iterator(dossier_))
      fichiers[f.path().filename().string()] = lire_octets(f.path());
    return fichiers;
  }

  std::string defaut() const { return reglages_->lire_texte("Utilisateurs", "Defaut"); }

  MessagerieDeTest messages_;
  std::unique_ptr<Tfichier_ini> reglages_;
};

TEST_F(Comptes, FirstStartSeedsTheAdministratorAndProposesAnAccount) {
  const Tdebut_session debut = demarrer_session(*reglages_);
  EXPECT_EQ(debut.issue, Eissue_session::creation);
  EXPECT_EQ(debut.nom_propose, "utilisateur1");
  EXPECT_EQ(textes(), std::vector<std::string>{catalogue_textes.txt_devez_creer_compte});
  const Tfichier_ini gestionnaire(dossier_parametres + "coordinatrixel.cpt");
  const std::string empreinte = gestionnaire.lire_texte("utilisateur", "password");
  EXPECT_EQ(empreinte.rfind("$argon2id$", 0), 0u);
  EXPECT_TRUE(mot_de_passe_correspond(empreinte, "klom"));
  EXPECT_TRUE(utilisateur_courant.empty());

  demarrer_session(*reglages_);  // seeded once
  EXPECT_EQ(gestionnaire.lire_texte("utilisateur", "password"), empreinte);
}

TEST_F(Comptes, ALevelFourAccountGetsItsLevelAtFirstOpening) {
  for (const int langue_interface : {0, 1}) {
    SCOPED_TRACE(langue_interface);
    langue(langue_interface);
    std::filesystem::remove(dossier_ / "Paul.cpt");
    demarrer_session(*reglages_);
    // Nobody logged in: the created account is opened and the dialog closes.
    const Tresultat_enregistrement r = creer_compte("Paul", "secret", 2, false);
    EXPECT_EQ(r.issue, Eenregistrement::cree);
    EXPECT_TRUE(r.compte_ouvert);
    EXPECT_TRUE(r.fermer_dialogue);
    EXPECT_EQ(utilisateur_courant, "Paul");
    EXPECT_EQ(fichier_compte, dossier_parametres + "Paul.cpt");
    std::vector<int> attendus;
    for (int i = 24; i <= 41; ++i) attendus.push_back(i);
    EXPECT_EQ(exercices_selectionnes, attendus);
    const Tfichier_ini compte(fichier_compte);
    EXPECT_EQ(compte.lire_texte("Utilisateur", "classe"), "4");
    for (int i = 0; i < exercices.taille(); ++i) {
      const auto k = static_cast<std::size_t>(i);
      EXPECT_EQ(exercices.actif[k], i >= 24 && i <= 41) << i;
      EXPECT_EQ(compte.lire_texte("Exercices", std::to_string(exercices.code[k])), i >= 24 && i <= 41 ? "1" : "0");
    }
    fermer_session();
  }
  langue(0);
  ecran_ = essai::EcranEnregistreur{};
  ASSERT_TRUE(ouvrir_compte("paul"));
  EXPECT_EQ(resume_selection,
            "Nombres et calcul num\xE9rique (4\xE8me), Calcul litt\xE9ral (4\xE8me), Triangle rectangle (4\xE8me)");
  EXPECT_EQ(ecran_.session, "Paul");
  EXPECT_FALSE(ecran_.en_cours);
  EXPECT_TRUE(ecran_.commencer);
  EXPECT_TRUE(ecran_.bouton_commencer);
  EXPECT_TRUE(ecran_.reponse_masquee);
  EXPECT_EQ(ecran_.scores, 1);
}

TEST_F(Comptes, ALevelChangeErasesTheSelectionAndTheNextOpeningEnablesTheNewLevel) {
  creer_comptes({{"paul", 2}});
  ASSERT_TRUE(verifier_compte("coordinatrixel", "klom"));
  EXPECT_TRUE(est_gestionnaire);
  EXPECT_TRUE(ecran_.en_cours);
  EXPECT_FALSE(ecran_.commencer);
  EXPECT_EQ(ecran_.pages.back(), catalogue_textes.txt_etes_connecte_tant_2);

  const std::string avant = lire("paul.cpt");
  const Tresultat_enregistrement r = creer_compte("Paul", "", 2, true);  // same level, password kept
  EXPECT_EQ(r.issue, Eenregistrement::modifie);
  EXPECT_FALSE(r.fermer_dialogue);
  EXPECT_EQ(lire("paul.cpt"), avant);
  EXPECT_EQ(textes().back(), catalogue_textes.txt_compte_ete_modifie);

  creer_compte("paul", "", 3, true);
  const Tfichier_ini compte(dossier_parametres + "paul.cpt");
  EXPECT_FALSE(compte.section_existe("Exercices"));
  EXPECT_EQ(utilisateur_courant, "coordinatrixel");  // the administrator's edit opens nothing
  fermer_session();
  ASSERT_TRUE(verifier_compte("paul", "pw"));
  EXPECT_EQ(exercices_selectionnes.front(), 42);
  EXPECT_EQ(exercices_selectionnes.back(), 71);
  EXPECT_EQ(lire_classe_compte("PAUL"), 3);

  // The pupil changes his own level: his account is opened again.
  const Tresultat_enregistrement propre = creer_compte("paul", "", 4, true);
  EXPECT_TRUE(propre.compte_ouvert);
  EXPECT_TRUE(propre.fermer_dialogue);
  EXPECT_EQ(exercices_selectionnes.front(), 72);
  EXPECT_EQ(comptes_modifiables(), std::vector<std::string>{"paul"});
}

TEST_F(Comptes, AWrongPasswordLogsNobodyInAndALegacyPasswordIsHashedAtLogin) {
  ecrire("abc.cpt", "[Utilisateur]\r\npassword=abc\r\nclasse=6\r\n");
  EXPECT_FALSE(verifier_compte("abc", "ABC"));
  EXPECT_FALSE(verifier_compte("inconnu", "abc"));
  EXPECT_FALSE(verifier_compte("../abc", "abc"));
  EXPECT_EQ(textes(), (std::vector<std::string>{catalogue_textes.txt_mot_passe_incorrect,
                                                catalogue_textes.txt_compte_existe,
                                                catalogue_textes.txt_compte_existe}));
  EXPECT_TRUE(utilisateur_courant.empty());
  EXPECT_TRUE(fichier_compte.empty());
  EXPECT_EQ(lire("abc.cpt"), "[Utilisateur]\r\npassword=abc\r\nclasse=6\r\n");

  ASSERT_TRUE(verifier_compte("ABC", "abc"));  // names compare without regard to case
  EXPECT_EQ(utilisateur_courant, "abc");
  const std::string empreinte = Tfichier_ini(dossier_parametres + "abc.cpt").lire_texte("Utilisateur", "password");
  EXPECT_TRUE(est_hachage(empreinte));
  EXPECT_TRUE(mot_de_passe_correspond(empreinte, "abc"));
  fermer_session();
  EXPECT_TRUE(verifier_compte("abc", "abc"));
}

TEST_F(Comptes, TheWelcomeElidesBeforeAVowelOrH) {
  creer_comptes({{"Anne", 0}, {"Hugo", 0}, {"yves", 0}, {"Paul", 0}});
  for (const std::string& nom : std::vector<std::string>{"Anne", "Hugo", "yves", "Paul"}) {
    ASSERT_TRUE(verifier_compte(nom, "pw"));
    const std::string attendu = std::string(nom == "Paul" ? "que" : "qu'") + " <FONT COLOR=green>" + nom;
    EXPECT_NE(ecran_.pages.back().find(attendu), std::string::npos) << ecran_.pages.back();
    EXPECT_EQ(ecran_.session, nom);
  }
  langue(1);
  ASSERT_TRUE(verifier_compte("Anne", "pw"));
  EXPECT_EQ(ecran_.pages.back().rfind("Hello, <FONT COLOR=green>Anne</FONT>", 0), 0u);
  EXPECT_NE(ecran_.pages.back().find("selected </FONT>: " + resume_selection + "."), std::string::npos);
  EXPECT_EQ(resume_selection.rfind("Introduction to equations' resolution (level 1)", 0), 0u);
}

TEST_F(Comptes, TheSummaryKeepsEqualThemesOfDifferentLevels) {
  ecrire("t.cpt", "[Utilisateur]\r\npassword=x\r\nclasse=6\r\n[Exercices]\r\n1119=1\r\n1120=1\r\n1225=1\r\n1212=1\r\n");
  ASSERT_TRUE(ouvrir_compte("t"));
  EXPECT_EQ(exercices_selectionnes, (std::vector<int>{0, 1, 13, 18, 22}));
  EXPECT_EQ(resume_selection,
            "Initiation \xE0 la r\xE9solution d'\xE9quations (6\xE8me), Op\xE9rations sur les nombres entiers et "
            "d\xE9" "cimaux (5\xE8me), Initiation \xE0 la r\xE9solution d'\xE9quations (5\xE8me)");
  fermer_session();
  EXPECT_TRUE(exercices_selectionnes.empty());
  EXPECT_TRUE(std::none_of(exercices.actif.begin(), exercices.actif.end(), [](bool a) { return a; }));
  EXPECT_EQ(ecran_.session, "");
  EXPECT_FALSE(ecran_.en_cours);
  EXPECT_EQ(ecran_.pages.back(), catalogue_textes.txt_charger_compte_cliquez);
}

TEST_F(Comptes, RefusedAccountsWriteNothing) {
  creer_comptes({{"paul", 2}});
  const auto avant = contenu_dossier();
  struct Cas { std::string nom; int classe; std::string message; };
  for (const Cas& c : {Cas{"", 2, catalogue_textes.txt_devez_entrer_nom},
                       Cas{"  ", 2, catalogue_textes.txt_devez_entrer_nom},
                       Cas{"Zoe", -1, catalogue_textes.txt_choisir_classe},
                       Cas{"Zoe", 7, catalogue_textes.txt_choisir_classe},
                       Cas{"PAUL", 2, catalogue_textes.txt_compte_existe_deja},
                       Cas{"coordinatrixel", 2, catalogue_textes.txt_compte_existe_deja},
                       Cas{"../x", 2, catalogue_textes.txt_nom_compte_invalide},
                       Cas{"a/b", 2, catalogue_textes.txt_nom_compte_invalide},
                       Cas{"a\\b", 2, catalogue_textes.txt_nom_compte_invalide},
                       Cas{".x", 2, catalogue_textes.txt_nom_compte_invalide},
                       Cas{std::string(41, 'z'), 2, catalogue_textes.txt_nom_compte_invalide}}) {
    messages_->journal.clear();
    EXPECT_EQ(creer_compte(c.nom, "pw", c.classe, false).issue, Eenregistrement::refuse) << c.nom;
    EXPECT_EQ(textes(), std::vector<std::string>{c.message}) << c.nom;
  }
  EXPECT_EQ(contenu_dossier(), avant);
  EXPECT_TRUE(utilisateur_courant.empty());
}

TEST_F(Comptes, OnlyTheAdministratorDeletesAndNeverHisOwnAccount) {
  creer_comptes({{"Anne", 0}, {"Paul", 0}});
  reglages_->ecrire_texte("Utilisateurs", "Defaut", "Paul.cpt");
  ASSERT_TRUE(verifier_compte("Anne", "pw"));
  EXPECT_FALSE(supprimer_compte("Paul", *reglages_));
  ASSERT_TRUE(verifier_compte("coordinatrixel", "klom"));
  messages_->journal.clear();
  EXPECT_FALSE(supprimer_compte("coordinatrixel", *reglages_));
  EXPECT_FALSE(supprimer_compte("", *reglages_));
  messages_->reponses.push_back(reponse_non);
  EXPECT_FALSE(supprimer_compte("Paul", *reglages_));
  EXPECT_EQ(textes(), (std::vector<std::string>{"Vous ne pouvez pas supprimer le compte coordinatrixel.",
                                                catalogue_textes.txt_devez_selectionner_compte,
                                                "Le compte Paul va \xEAtre supprim\xE9."}));
  EXPECT_TRUE(std::filesystem::exists(dossier_ / "Paul.cpt"));

  messages_->reponses.push_back(reponse_oui);
  EXPECT_TRUE(supprimer_compte("paul", *reglages_));
  EXPECT_FALSE(std::filesystem::exists(dossier_ / "Paul.cpt"));
  EXPECT_EQ(defaut(), "");
  const auto restants = lister_comptes();
  EXPECT_EQ(restants, (std::vector<std::string>{"Anne", "coordinatrixel"}));
  EXPECT_EQ(compte_apres_suppression(restants, 2), "Anne");  // the last one was deleted
  EXPECT_EQ(compte_apres_suppression(restants, 1), "coordinatrixel");
  EXPECT_EQ(compte_apres_suppression({}, 0), std::nullopt);
}

TEST_F(Comptes, TheDefaultAccountOpensWithoutTheDialogWhenItIsValid) {
  creer_comptes({{"paul", 0}});
  ASSERT_TRUE(valider_connexion("paul", "pw", true, *reglages_));
  EXPECT_EQ(defaut(), "paul.cpt");
  EXPECT_TRUE(ecran_.aide_masquee);
  EXPECT_TRUE(est_compte_defaut("PAUL", *reglages_));
  fermer_session();

  EXPECT_EQ(demarrer_session(*reglages_).issue, Eissue_session::compte_par_defaut);
  EXPECT_EQ(utilisateur_courant, "paul");
  fermer_session();

  ASSERT_TRUE(valider_connexion("paul", "pw", false, *reglages_));
  EXPECT_EQ(defaut(), "");
  fermer_session();
  ASSERT_TRUE(valider_connexion("coordinatrixel", "klom", true, *reglages_));
  EXPECT_EQ(defaut(), "");  // never the administrator
  fermer_session();

  const std::vector<std::string> invalides = {"../x.cpt", "coordinatrixel.cpt", "absent.cpt", "paul", "paul.cp", ""};
  for (const std::string& valeur : invalides) {
    ecrire("x.cpt", "[Utilisateur]\r\npassword=a\r\n");
    ecrire("../x.cpt", "[Utilisateur]\r\npassword=a\r\n");
    reglages_->ecrire_texte("Utilisateurs", "Defaut", valeur);
    EXPECT_EQ(demarrer_session(*reglages_).issue, Eissue_session::connexion) << valeur;
    EXPECT_TRUE(utilisateur_courant.empty()) << valeur;
  }
  std::filesystem::remove(dossier_ / "../x.cpt");
}

}  // namespace
