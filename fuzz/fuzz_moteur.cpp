// Feeds arbitrary Windows-1252 text to the calculator's path: normalisation,
// syntax check, evaluation. The first byte chooses the language, whether the
// implicit products are inserted and whether the unchecked text is evaluated
// too (other callers hand the evaluator texts that were never checked).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/evaluateur.h"
#include "engine/fonctions_usuelles.h"
#include "engine/syntaxe.h"
#include "engine/traduction_fonctions.h"
#include "localisation/choix_langue.h"
#include "localisation/messagerie_console.h"

namespace {

int langue_courante = -1;

void preparer(int langue) {
  if (langue == langue_courante) return;
  if (langue_courante < 0) {
    installer_messagerie(std::make_unique<MessagerieMuette>());
    demarrer_moteur(langue);
  } else {
    choisir_langue(langue);
  }
  langue_courante = langue;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  if (taille == 0) return 0;
  const std::uint8_t options = donnees[0];
  preparer(options & 1);
  std::string texte(reinterpret_cast<const char*>(donnees + 1), taille - 1);
  if (options & 4) calculer(texte);
  if (options & 2) texte = normalise_saisie(texte);
  std::string message;
  verifier_syntaxe(texte, message);
  if (message.empty()) calculer(texte);
  return 0;
}
