// pralinore-rendu: reads a page of mark-up (UTF-8) on standard input and
// draws it, with the font of the program's pages, into a PNG file.
//   pralinore-rendu [--largeur N] [--coloration] [--fonctions-en-rouge]
//                   [--langue fr|en] sortie.png
// --coloration shows constants in green and the imaginary unit in red,
// --fonctions-en-rouge function names in red; --langue picks the language
// of the function names that formulas are read with (French by default).
#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "engine/fonctions_usuelles.h"
#include "engine/traduction_fonctions.h"
#include "formula/formule.h"
#include "localisation/choix_langue.h"
#include "localisation/nombres.h"
#include "localisation/texte_1252.h"
#include "platform/image_hote.h"
#include "platform/ini/fichier_disque.h"

namespace {

constexpr const char* usage =
    "usage: pralinore-rendu [--largeur N] [--coloration] [--fonctions-en-rouge] [--langue fr|en] sortie.png\n";

struct Options {
  int largeur = 600;
  bool coloration = false;
  bool fonctions_en_rouge = false;
  int langue = 0;
  std::string sortie;
};

std::optional<Options> lire_options(int argc, char** argv, std::string& erreur) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--largeur") {
      if (i + 1 >= argc) {
        erreur = "--largeur needs a width in pixels";
        return std::nullopt;
      }
      const auto largeur = lire_entier32(argv[++i]);
      if (!largeur || *largeur < 1 || *largeur > 16384) {
        erreur = std::string("bad width: ") + argv[i] + " (1 to 16384 pixels)";
        return std::nullopt;
      }
      options.largeur = *largeur;
    } else if (argument == "--coloration") {
      options.coloration = true;
    } else if (argument == "--fonctions-en-rouge") {
      options.fonctions_en_rouge = true;
    } else if (argument == "--langue") {
      const std::string langue = i + 1 < argc ? argv[++i] : "";
      if (langue != "fr" && langue != "en") {
        erreur = "--langue needs fr or en";
        return std::nullopt;
      }
      options.langue = langue == "en" ? 1 : 0;
    } else if (argument.starts_with("-") && argument != "-") {
      erreur = "unknown option: " + argument;
      return std::nullopt;
    } else if (options.sortie.empty()) {
      options.sortie = argument;
    } else {
      erreur = "only one output file";
      return std::nullopt;
    }
  }
  if (options.sortie.empty()) {
    erreur = "no output file";
    return std::nullopt;
  }
  return options;
}

// The picture as PNG, written whole or not at all by the program's atomic
// write (a full disk or a size limit leaves no half picture).
bool enregistrer(const QImage& image, const std::string& chemin) {
  QByteArray octets;
  QBuffer tampon(&octets);
  if (!tampon.open(QIODevice::WriteOnly) || !image.save(&tampon, "PNG")) return false;
  return remplacer_fichier(chemin, std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())));
}

}  // namespace

int main(int argc, char** argv) {
  ignorer_signal_taille_fichier();
  std::string erreur;
  const auto options = lire_options(argc, argv, erreur);
  if (!options) {
    std::cerr << "pralinore-rendu: " << erreur << "\n" << usage;
    return 2;
  }
  // No display is needed: the page is drawn off screen.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  demarrer_moteur(options->langue);

  const std::string entree((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
  ImageHote image;
  image.definir_largeur(options->largeur);
  const Tpolice police_des_pages{"MS Sans Serif", 14, 0, 0};
  Tformule page(&image, police_des_pages, depuis_utf8(entree), 0, 0, options->fonctions_en_rouge,
                options->coloration);
  page.afficher();
  if (image.bitmap().isNull() || !enregistrer(image.bitmap(), options->sortie)) {
    std::cerr << "pralinore-rendu: cannot write " << options->sortie
              << (image.bitmap().isNull() ? " (the page is empty)" : "") << "\n";
    return 1;
  }
  return 0;
}
