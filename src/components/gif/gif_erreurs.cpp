#include "components/gif/gif_erreurs.h"

namespace gif {

namespace {
bool g_tolerant = true;
}

std::string message_extension_inconnue(unsigned label) {
  static const char kChiffres[] = "0123456789abcdef";
  std::string texte = "Unrecognized extension block: ";
  texte += kChiffres[(label >> 4) & 0xF];
  texte += kChiffres[label & 0xF];
  return texte;
}

bool ChargementTolerant() { return g_tolerant; }
void SetChargementTolerant(bool tolerant) { g_tolerant = tolerant; }

}  // namespace gif
