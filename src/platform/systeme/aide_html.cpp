#include "platform/systeme/aide_html.h"

#include <utility>

namespace {

RecepteurAide& recepteur() {
  static RecepteurAide installe;
  return installe;
}

}  // namespace

RecepteurAide installer_recepteur_aide(RecepteurAide nouveau) { return std::exchange(recepteur(), std::move(nouveau)); }

void HtmlHelp(const std::string& fichier, int commande, std::intptr_t donnees) {
  // A copy: a receiver may install another while it runs.
  const RecepteurAide r = recepteur();
  if (!r) return;
  DemandeAide demande{fichier, commande, donnees, std::nullopt};
  if (commande == HH_DISPLAY_SEARCH && donnees != 0) {
    demande.recherche = *reinterpret_cast<const HH_FTS_QUERY*>(donnees);
  }
  r(demande);
}
