// pralinore-calculs: the Calculs page without its window. Each UTF-8 line
// read on stdin is calculated as the page calculates its input line;
// prints one line per input: the syntax check's message, or the result the
// history shows after its "=" (an empty line when there is none).
//   --sans-implicite  without the implicit products (2x is not made 2*x)
// The `parametres` folder is the one beside the executable, or the one in
// PRALINORE_APPDIR.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "engine/fonctions_usuelles.h"
#include "engine/traduction_fonctions.h"
#include "localisation/choix_langue.h"
#include "localisation/messagerie_console.h"
#include "localisation/texte_1252.h"
#include "shell/calculs.h"

namespace {

std::string dossier_programme() {
  if (const char* dossier = std::getenv("PRALINORE_APPDIR"); dossier != nullptr && *dossier != '\0') {
    return dossier;
  }
  std::error_code erreur;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", erreur);
  return erreur ? std::string(".") : exe.parent_path().string();
}

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
  dossier_parametres = dossier_programme() + "/parametres/";
  installer_messagerie(std::make_unique<MessagerieConsole>());
  // As the program starts: fill the catalogue, build the table with its
  // category words, then switch again so the rows take the language.
  enregistrer_traduction_fonctions();
  choisir_langue(0);
  initialise_fonctions_usuelles();
  choisir_langue(0);
  Tcalculatrice calculatrice;
  std::string ligne;
  while (std::getline(std::cin, ligne)) {
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    const Tcalcul calcul = calculatrice.calculer(depuis_utf8(ligne), options);
    const std::string sortie = vers_utf8(calcul.message.empty() ? calcul.resultat : calcul.message) + "\n";
    std::fwrite(sortie.data(), 1, sortie.size(), stdout);
  }
  return 0;
}
