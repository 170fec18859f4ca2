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

}  // namespace
