#pragma once
// One exercise made without a window: a catalogue entry's generator run on
// a seeded source with the recording presenter, chart and calculator
// input. The console tool, the property test and the benchmark share it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "exercises/generateur.h"
#include "exercises/generateurs/enregistreurs.h"
#include "exercises/generateurs/sources.h"

// Registers every generator of the program in the registry.
void enregistrer_generateurs();

// The language of a headless run: fills the text catalogue and rebuilds the
// exercise catalogue (0 French, 1 English).
void charger_langue_exercices(int langue);

struct ExerciceProduit {
  PresentateurEnregistre presentateur;
  GraphiqueEnregistre graphique;
  CalculatriceEnregistree calculatrice;
  std::vector<std::string> messages;  // affiche_message during the run
  std::uint64_t tirages = 0;
  // Set when the run threw (a draw limit passed, a scripted draw out of
  // its bound): what it said.
  std::optional<std::string> erreur;
};

// The draws one exercise may take at most.
inline constexpr std::uint64_t tirages_maximum = 100000;

struct ReglagesExecution {
  std::uint64_t limite_tirages = tirages_maximum;
  bool mode_test = false;
  // Draws handed out before the seeded ones.
  std::vector<double> script;
};

// Runs the generator of entry `indice` of `exercices` with a source seeded
// by `graine`. The entry must have a generator.
ExerciceProduit executer_exercice(int indice, std::uint32_t graine, const ReglagesExecution& reglages = {});

// The same with a generator given directly.
ExerciceProduit executer_generateur(Tgenerateur generateur, std::uint32_t graine,
                                    const ReglagesExecution& reglages = {});

// Whether `texte` has no "{" left open at its end (a "}" with nothing open
// is allowed).
bool accolades_fermees(const std::string& texte);
