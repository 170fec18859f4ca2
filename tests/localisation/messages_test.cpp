#include "localisation/messages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "localisation/langue.h"
#include "localisation/messagerie_console.h"
#include "localisation/messagerie_enregistreuse.h"

namespace {

TEST(Messages, ScriptedYesGivesSixInBothLanguages) {
  for (const int langue : {0, 1}) {
    definir_indice_langue(langue);
    MessagerieDeTest m;
    m->reponses.push_back(reponse_oui);
    EXPECT_EQ(affiche_dialogue("Continuer ?", TypeDialogue::confirmation, bouton_oui | bouton_non), 6);
    ASSERT_EQ(m->journal.size(), 1u);
    EXPECT_EQ(m->journal[0].boite_systeme, langue == 1);
  }
  definir_indice_langue(0);
}

TEST(Messages, DefaultsAnswerYesThenOk) {
  MessagerieDeTest m;
  EXPECT_EQ(affiche_dialogue("q", TypeDialogue::confirmation, bouton_oui | bouton_non), reponse_oui);
  EXPECT_EQ(affiche_dialogue("q", TypeDialogue::avertissement, bouton_ok | bouton_annuler), reponse_ok);
  EXPECT_EQ(affiche_dialogue("q", TypeDialogue::avertissement, bouton_non | bouton_annuler), reponse_non);
  affiche_message("info");
  EXPECT_EQ(m->journal.size(), 4u);
  EXPECT_EQ(m->journal[3].genre, "message");
}

TEST(Messages, InputBoxCancelGivesTheDefaultBack) {
  MessagerieDeTest m;
  m->saisies.push_back(std::string("y"));
  m->saisies.push_back(std::nullopt);
  EXPECT_EQ(boite_saisie("", "Variable ?", ""), "y");
  EXPECT_EQ(boite_saisie("", "Variable ?", "x"), "x");
  EXPECT_EQ(boite_saisie("", "Variable ?", "z"), "z");  // nothing scripted: the default
}

TEST(Messages, FileMessengerAppendsOneUtf8LinePerPrompt) {
  const auto chemin = std::filesystem::temp_directory_path() / "pralinore_messages_test.txt";
  std::filesystem::remove(chemin);
  MessagerieFichier f(chemin.string());
  f.message("Caract\xE8re $ interdit.", false);
  EXPECT_EQ(f.question("a\r\nb", TypeDialogue::confirmation, bouton_oui | bouton_non, true), reponse_oui);
  EXPECT_EQ(f.saisie("", "Nom ?", "Paul"), std::optional<std::string>("Paul"));
  std::ifstream lu(chemin);
  std::stringstream tout;
  tout << lu.rdbuf();
  EXPECT_EQ(tout.str(), "message\tCaractère $ interdit.\t1\nquestion\ta\\r\\nb\t6\nsaisie\tNom ?\tPaul\n");
  std::filesystem::remove(chemin);
}

TEST(Messages, FileMessengerCancelsDialogsAndModalWindowsUnseen) {
  const auto chemin = std::filesystem::temp_directory_path() / "pralinore_messages_dialogues_test.txt";
  std::filesystem::remove(chemin);
  MessagerieFichier f(chemin.string());
  bool montree = false;
  EXPECT_EQ(f.fenetre_modale("TFconfiguration", [&] { montree = true; return 1; }), fenetre_annulee);
  EXPECT_FALSE(montree);
  EXPECT_FALSE(f.fichier({"Exporter", "Format PNG|*.png", 1, "", true}));
  EXPECT_FALSE(f.couleur(0x0000FF));
  std::ifstream lu(chemin);
  std::stringstream tout;
  tout << lu.rdbuf();
  EXPECT_EQ(tout.str(), "modale\tTFconfiguration\t2\nfichier\tExporter\t2\ncouleur\t255\t2\n");
  std::filesystem::remove(chemin);
}

TEST(Messages, OpeningAnAddressIsLoggedAndLaunchesNothing) {
  const auto chemin = std::filesystem::temp_directory_path() / "pralinore_messages_ouvrir_test.txt";
  std::filesystem::remove(chemin);
  MessagerieFichier(chemin.string()).ouvrir("/tmp/pralinore-abc");
  std::ifstream lu(chemin);
  std::stringstream tout;
  tout << lu.rdbuf();
  EXPECT_EQ(tout.str(), "ouvrir\t/tmp/pralinore-abc\t\n");
  std::filesystem::remove(chemin);
  MessagerieDeTest m;
  ouvrir_adresse("http://www.pralinore.invalid/");
  ASSERT_EQ(m->journal.size(), 1u);
  EXPECT_EQ(m->journal[0].genre, "ouvrir");
  EXPECT_EQ(m->journal[0].texte, "http://www.pralinore.invalid/");
}

TEST(Messages, RecorderPlaysTheUserOfAModalWindow) {
  MessagerieDeTest m;
  EXPECT_EQ(montrer_modal("TFauto_pilote", [] { return 1; }), fenetre_annulee);
  m->modale = [](const std::string& nom) { return nom == "TFauto_pilote" ? 1 : 0; };
  EXPECT_EQ(montrer_modal("TFauto_pilote", [] { return 0; }), 1);
  m->couleurs.push_back(0x00FF00);
  EXPECT_EQ(choisir_couleur(0), std::optional<std::int32_t>(0x00FF00));
  EXPECT_FALSE(choisir_couleur(0));
  ASSERT_EQ(m->journal.size(), 4u);
  EXPECT_EQ(m->journal[1].genre, "modale");
  EXPECT_EQ(m->journal[1].texte, "TFauto_pilote");
}

}  // namespace
