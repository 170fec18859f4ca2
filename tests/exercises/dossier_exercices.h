#pragma once
// A `parametres` folder of the test's own, the catalogue in a language and a
// screen that records what the account routines ask of it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "exercises/catalogue_exercices.h"
#include "exercises/comptes.h"
#include "exercises/ecran_exercices.h"
#include "fichiers_temporaires.h"
#include "localisation/catalogue.h"
#include "localisation/choix_langue.h"
#include "platform/ini/fichiers_aide.h"

namespace essai {

class EcranEnregistreur final : public EcranExercices {
 public:
  std::string session;
  bool commencer = false;
  bool bouton_commencer = false;
  bool page_exercices = true;
  bool reponse_masquee = false;
  bool aide_masquee = false;
  bool en_cours = false;
  std::vector<std::string> pages;
  int preparations = 0;
  int scores = 0;

  void libelle_session(const std::string& nom) override { session = nom; }
  void activer_commencer(bool actif) override { commencer = actif; }
  void activer_bouton_commencer(bool actif) override { bouton_commencer = actif; }
  bool page_exercices_visible() const override { return page_exercices; }
  void masquer_reponse() override { reponse_masquee = true; }
  void masquer_aide() override { aide_masquee = true; }
  void afficher_page(const std::string& texte) override { pages.push_back(texte); }
  void preparer_exercice() override { ++preparations; }
  void definir_exercice_en_cours(bool valeur) override { en_cours = valeur; }
  void afficher_score() override { ++scores; }
};

// Each test gets an empty `parametres` folder, the French catalogue, fast
// password hashing, no open session and the recording screen.
class DossierExercices : public ::testing::Test {
 protected:
  void SetUp() override {
    dossier_ = dossier_temporaire("exercices");
    ASSERT_FALSE(dossier_.empty());
    dossier_parametres = dossier_.string() + "/";
    definir_limites_hachage({1, 8192});
    langue(0);
    fermer_session();
    definir_ecran_exercices(&ecran_);
    ecran_ = EcranEnregistreur{};
  }
  void TearDown() override {
    definir_ecran_exercices(nullptr);
    definir_limites_hachage(limites_hachage_interactives());
    fermer_session();
    for (auto& fichier : ini_aide) fichier.reset();
    std::filesystem::remove_all(dossier_);
  }

  // The catalogue of texts and the exercise catalogue in a language.
  void langue(int indice) {
    remplir_textes(indice);
    charger_exercices();
  }

  void ecrire(const std::string& nom, const std::string& octets) {
    std::ofstream(dossier_ / nom, std::ios::binary) << octets;
  }
  std::string lire(const std::string& nom) const { return lire_octets(dossier_ / nom); }

  std::filesystem::path dossier_;
  EcranEnregistreur ecran_;
};

}  // namespace essai
