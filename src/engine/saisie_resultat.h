#pragma once
// The two edges of a calculation that the Calculs page and the engine driver
// share: the typed text normalised on its way in, the result checked on its
// way out. Error values are results, never input; a result never shows a
// routine's own failure mark or a number that is not finite.

#include <string>

// A typed text through normalise_saisie: the text to check, or the error
// value normalisation produced itself (a quotient by zero, a text too
// complex), which is the answer and is not checked as typed text.
struct SaisieNormalisee {
  std::string texte;
  bool erreur = false;
};
SaisieNormalisee normalise_saisie_tapee(const std::string& saisie);

// The result as it is shown: "#err", the failure mark some routines give
// their callers, and a number that is not finite ("INF", "NAN") become the
// out-of-range error value; any other result is kept.
std::string resultat_montre(const std::string& resultat);
