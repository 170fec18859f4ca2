#include "exercises/generateurs/execution.h"

#include <exception>
#include <memory>
#include <utility>

#include "engine/fonctions_usuelles.h"
#include "exercises/catalogue_exercices.h"
#include "exercises/generateurs/niveau_1_polynomes.h"
#include "exercises/generateurs/niveau_1_suites.h"
#include "exercises/generateurs/niveau_3_nombres_reperes.h"
#include "exercises/generateurs/niveau_2.h"
#include "exercises/generateurs/niveau_3_fonctions_statistiques.h"
#include "exercises/generateurs/niveau_3_calcul_litteral.h"
#include "exercises/generateurs/niveau_4.h"
#include "exercises/generateurs/niveau_5.h"
#include "exercises/generateurs/niveau_6.h"
#include "exercises/generateurs/terminale.h"
#include "localisation/catalogue.h"
#include "localisation/langue.h"
#include "localisation/messages.h"

namespace {

// Keeps the texts of affiche_message, and answers every question with its
// default.
class MessagerieRecueillie final : public Messagerie {
 public:
  explicit MessagerieRecueillie(std::vector<std::string>& messages) : messages_(messages) {}
  void message(const std::string& texte, bool) override { messages_.push_back(texte); }
  int question(const std::string&, TypeDialogue, unsigned, bool) override { return 0; }
  std::optional<std::string> saisie(const std::string&, const std::string&, const std::string& defaut) override {
    return defaut;
  }

 private:
  std::vector<std::string>& messages_;
};

// Puts the previous messenger back when the run ends, thrown or not.
class MessagerieTemporaire {
 public:
  explicit MessagerieTemporaire(std::vector<std::string>& messages)
      : ancienne_(installer_messagerie(std::make_unique<MessagerieRecueillie>(messages))) {}
  ~MessagerieTemporaire() { installer_messagerie(std::move(ancienne_)); }
  MessagerieTemporaire(const MessagerieTemporaire&) = delete;
  MessagerieTemporaire& operator=(const MessagerieTemporaire&) = delete;

 private:
  std::unique_ptr<Messagerie> ancienne_;
};

}  // namespace

void enregistrer_generateurs() {
  enregistrer_niveau_6();
  enregistrer_niveau_5();
  enregistrer_niveau_4();
  enregistrer_niveau_3_calcul_litteral();
  enregistrer_niveau_1_polynomes();
  enregistrer_niveau_1_suites();
  enregistrer_terminale();
  enregistrer_niveau_3_nombres_reperes();
  enregistrer_niveau_2();
  enregistrer_niveau_3_fonctions_statistiques();
}

void charger_langue_exercices(int langue) {
  definir_indice_langue(langue);
  remplir_textes(langue);
  charger_exercices();
}

ExerciceProduit executer_exercice(int indice, std::uint32_t graine, const ReglagesExecution& reglages) {
  return executer_generateur(exercices.generateur.at(static_cast<std::size_t>(indice)), graine, reglages);
}

ExerciceProduit executer_generateur(Tgenerateur generateur, std::uint32_t graine, const ReglagesExecution& reglages) {
  // The engine's function table, as the windowed program sets it up at
  // start: substitution and derivation read it.
  if (!fonctions_usuelles) initialise_fonctions_usuelles();
  ExerciceProduit produit;
  SourceScriptee source(reglages.script, graine, reglages.limite_tirages);
  ContexteGenerateur contexte{source,          produit.presentateur,  exercices, catalogue_textes,
                              produit.graphique, produit.calculatrice, reglages.mode_test};
  {
    MessagerieTemporaire messagerie_temporaire(produit.messages);
    try {
      generateur(contexte);
    } catch (const std::exception& e) {
      produit.erreur = e.what();
    }
  }
  produit.tirages = source.tirages();
  return produit;
}

bool accolades_fermees(const std::string& texte) {
  int ouvertes = 0;
  for (const char c : texte) {
    if (c == '{') ++ouvertes;
    if (c == '}' && ouvertes > 0) --ouvertes;
  }
  return ouvertes == 0;
}
