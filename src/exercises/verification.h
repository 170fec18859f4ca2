#pragma once
// Starting an exercise, judging the pupil's answers, the verdict page and
// the score kept in the open account's file. Qt-free: the window's validate
// button calls valider_reponses, which reaches the controls through
// EcranExercices by slot.

#include <cstdint>
#include <string>
#include <vector>

// Colours of the answer controls (0x00BBGGRR).
inline constexpr std::uint32_t couleur_juste = 0x00FF00;        // lime
inline constexpr std::uint32_t couleur_fausse = 0x0000FF;       // red
inline constexpr std::uint32_t couleur_simplifiable = 0x00FFFF; // yellow

// Starts entry `indice` (-1: one drawn among the enabled entries that have
// a generator), opening the exercise options first when none is enabled.
// Returns the entry started, kept in exercice_courant; -1 when nothing could
// be started (exercice_courant then keeps its value).
int choisir_exercice(int indice);

// A..Z lowered (nothing else), every blank removed.
std::string normaliser_reponse(const std::string& texte);
// The sum of the lengths.
int longueur_totale(const std::vector<std::string>& liste);
// A number with at most four decimals that is not an integer, decided on
// the number's text: "0.5" true, "3" and "0.12345" false.
bool decimal_court(const std::string& texte);
// Index of the first element equivalent to `attendue` (compare_reponse), -1
// when none.
int trouve_equivalent(const std::string& attendue, const std::vector<std::string>& liste, const std::string& forme);
// Matches the given answers with the expected ones, in slot order or in any
// order (each expected answer needs a given one of its own; the search for
// one stops at the first equivalent answer already taken by another when it
// is the last). `trouvees` gets one flag per expected answer, set for the
// given answers matched; different counts match nothing. A given answer
// whose `choix` flag is set (a list's item) compares as text, the others
// through compare_reponse.
bool verifier_reponses(const std::vector<std::string>& attendues, const std::vector<std::string>& donnees,
                       bool ordonnees, std::vector<bool>& trouvees, const std::string& forme,
                       const std::vector<bool>& choix = {});

// The validate button: jump by code ("exo-1411"), judgement, verdict page,
// colours and score.
void valider_reponses();

// The open account's score on the screen; the two counters add one answer
// (right or wrong) to the account file first. Nothing is written when no
// account is open.
void afficher_score();
// The score bar's caption: "de bonnes reponses sur <total> questions
// posees", the same in both languages.
std::string legende_score(int total);
void compter_bonne_reponse();
void compter_mauvaise_reponse();

// The start and repeat actions as the run knows them: a new random entry,
// or the current entry again with new values; both set exercice_en_cours.
void commencer_exercice();
void recommencer_exercice();
