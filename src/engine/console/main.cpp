// pralinore-moteur: reads UTF-8 lines on stdin and writes one line per input.
//   --noeud     the top-level split of the text
//   --fonction  the called row and its arguments
//   --nombre    the text read as a number and written back
//   (none)      the calculator: lower-cased, blanks removed, checked, then
//               evaluated; prints the check's message or the result
//   --implicite       inserts the implicit products first (2x -> 2*x); an
//                     error value that gives is the answer
//   --reponse <text>  the answer to the input boxes (empty by default)
//   --langue fr|en    interface language (French by default)
//   --texte <name>    prints that catalogue entry instead of reading lines
// The `parametres` folder is the one beside the executable, or the one in
// PRALINORE_APPDIR.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/appel_fonction.h"
#include "engine/console/lignes_console.h"
#include "engine/evaluateur.h"
#include "engine/syntaxe.h"
#include "engine/expression.h"
#include "engine/fonctions_usuelles.h"
#include "engine/saisie_resultat.h"
#include "engine/traduction_fonctions.h"
#include "localisation/catalogue.h"
#include "localisation/choix_langue.h"
#include "localisation/format.h"
#include "localisation/messagerie_console.h"
#include "localisation/nombres.h"
#include "localisation/texte_1252.h"

namespace {

enum class Mode { calcul, noeud, fonction, nombre };

struct Options {
  Mode mode = Mode::calcul;
  int langue = 0;
  bool implicite = false;
  std::string reponse;
  std::string texte;  // catalogue entry to print
};

std::string noeud(const std::string& texte) {
  const expression e(texte);
  return Format("op=%s gauche=%s droite=%s liste=%d relation=%d",
                {e.operateur, e.gauche, e.droite, e.position_liste, e.position_relation});
}

std::string appel(const std::string& texte) {
  std::vector<std::string> arguments;
  std::string ligne = texte_entier(reconnait_fonction(texte, arguments));
  for (const auto& a : arguments) ligne += " | " + a;
  return ligne;
}

std::string nombre(const std::string& texte) {
  const auto valeur = lire_nombre(texte);
  return valeur ? texte_nombre(*valeur) : "(pas un nombre)";
}

// What the calculator does with a typed line.
std::string calcul(const Options& options, const std::string& ligne) {
  std::string texte;
  for (const char c : ligne) {
    if (c == ' ') continue;
    texte += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  if (options.implicite) {
    SaisieNormalisee normalisee = normalise_saisie_tapee(texte);
    if (normalisee.erreur) return normalisee.texte;
    texte = std::move(normalisee.texte);
  }
  std::string message;
  verifier_syntaxe(texte, message);
  return message.empty() ? resultat_montre(calculer(texte)) : message;
}

std::string traite(const Options& options, const std::string& texte) {
  switch (options.mode) {
    case Mode::noeud: return noeud(texte);
    case Mode::fonction: return appel(texte);
    case Mode::nombre: return nombre(texte);
    case Mode::calcul: break;
  }
  return calcul(options, texte);
}

bool lit_options(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--noeud") {
      options.mode = Mode::noeud;
    } else if (a == "--fonction") {
      options.mode = Mode::fonction;
    } else if (a == "--nombre") {
      options.mode = Mode::nombre;
    } else if (a == "--langue" && i + 1 < argc && (argv[i + 1] == std::string_view("fr") ||
                                                   argv[i + 1] == std::string_view("en"))) {
      options.langue = argv[++i] == std::string_view("en") ? 1 : 0;
    } else if (a == "--implicite") {
      options.implicite = true;
    } else if (a == "--reponse" && i + 1 < argc) {
      options.reponse = depuis_utf8(argv[++i]);
    } else if (a == "--texte" && i + 1 < argc) {
      options.texte = argv[++i];
    } else {
      std::cerr << "pralinore-moteur: unknown option " << a << "\n"
                << "usage: pralinore-moteur [--langue fr|en] [--texte <name> | --noeud | --fonction | --nombre |\n"
                   "                         [--implicite] [--reponse <text>]]\n";
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!lit_options(argc, argv, options)) return 2;
  dossier_parametres = dossier_programme() + "/parametres/";
  installer_messagerie(std::make_unique<MessagerieConsole>(options.reponse));
  demarrer_moteur(options.langue);
  if (!options.texte.empty()) {
    const std::string* entree = catalogue_textes.par_nom(options.texte);
    if (entree == nullptr) {
      std::cerr << "pralinore-moteur: no catalogue entry " << options.texte << "\n";
      return 2;
    }
    std::cout << vers_utf8(*entree) << "\n";
    return 0;
  }
  repondre_ligne_par_ligne([&](const std::string& texte) { return traite(options, texte); });
  return 0;
}
