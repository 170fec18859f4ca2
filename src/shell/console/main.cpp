// pralinore-calculs: the Calculs page without its window. Each UTF-8 line
// read on stdin is calculated as the page calculates its input line;
// prints one line per input: the syntax check's message, or the result the
// history shows after its "=" (an empty line when there is none).
//   --sans-implicite  without the implicit products (2x is not made 2*x)
// The `parametres` folder is the one beside the executable, or the one in
// PRALINORE_APPDIR; the user's functions and constants are read from
// Fonction.ini and Constante.ini there, as the page knows them.
#include <iostream>
#include <string>
#include <string_view>

#include "engine/console/lignes_console.h"
#include "engine/traduction_fonctions.h"
#include "localisation/choix_langue.h"
#include "localisation/messagerie_console.h"
#include "shell/calculs.h"
#include "shell/objets_utilisateur.h"

namespace {

bool lit_options(int argc, char** argv, Toptions_calcul& options) {
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--sans-implicite") {
      options.produits_implicites = false;
    } else {
      std::cerr << "pralinore-calculs: unknown option " << argv[i] << "\n"
                << "usage: pralinore-calculs [--sans-implicite]\n";
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Toptions_calcul options;
  if (!lit_options(argc, argv, options)) return 2;
  const std::string dossier = dossier_programme() + "/";
  dossier_parametres = dossier + "parametres/";
  installer_messagerie(std::make_unique<MessagerieConsole>());
  demarrer_moteur(0);
  charger_fonctions_ini(Tfichier_ini(dossier + "Fonction.ini"));
  charger_constantes_ini(Tfichier_ini(dossier + "Constante.ini"));
  Tcalculatrice calculatrice;
  repondre_ligne_par_ligne([&](const std::string& saisie) {
    const Tcalcul calcul = calculatrice.calculer(saisie, options);
    return calcul.message.empty() ? calcul.resultat : calcul.message;
  });
  return 0;
}
