// pralinore-exercice: makes one exercise of the catalogue from a seed and
// prints it in UTF-8.
//   pralinore-exercice [--langue fr|en] [--enonce] <code> <graine>
//   pralinore-exercice [--langue fr|en] [--enonce] --index <n> <graine>
// Prints enonce=, format=, reponses= (joined by " | "), correction=,
// saisie=, forme=, ordonnees=, then one "graphique: " line per chart call
// and one "calculatrice: " line per text left for the calculator, and one
// "message: " line per message shown. With --enonce only the statement, with
// no line break after it. --index picks the entry by its place in the
// catalogue (18 is the second entry of 1212).
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "exercises/catalogue_exercices.h"
#include "exercises/generateurs/execution.h"
#include "localisation/nombres.h"
#include "localisation/texte_1252.h"

namespace {

constexpr int sortie_erreur = 1;
constexpr int sortie_usage = 2;

struct Options {
  int langue = 0;
  bool enonce = false;
  std::optional<int> index;
  std::vector<std::string> positionnels;
};

void usage() {
  std::cerr << "usage: pralinore-exercice [--langue fr|en] [--enonce] (<code> | --index <n>) <graine>\n";
}

std::optional<Options> lire_options(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--enonce") {
      options.enonce = true;
    } else if (argument == "--langue" && i + 1 < argc) {
      const std::string langue = argv[++i];
      if (langue != "fr" && langue != "en") return std::nullopt;
      options.langue = langue == "en" ? 1 : 0;
    } else if (argument == "--index" && i + 1 < argc) {
      const auto n = lire_entier32(argv[++i]);
      if (!n) return std::nullopt;
      options.index = *n;
    } else {
      options.positionnels.push_back(argument);
    }
  }
  const std::size_t attendus = options.index ? 1 : 2;
  if (options.positionnels.size() != attendus) return std::nullopt;
  return options;
}

void ligne(const std::string& nom, const std::string& valeur) { std::cout << nom << vers_utf8(valeur) << '\n'; }

std::string joindre(const std::vector<std::string>& textes) {
  std::string texte;
  for (std::size_t i = 0; i < textes.size(); ++i) texte += (i == 0 ? "" : " | ") + textes[i];
  return texte;
}

void imprimer(const ExerciceProduit& produit, bool enonce_seul) {
  const QuestionPosee question = produit.presentateur.questions.empty() ? QuestionPosee{}
                                                                        : produit.presentateur.questions.back();
  if (enonce_seul) {
    // The statement alone, byte for byte: piped into pralinore-rendu it is
    // the whole page, with no line break after it.
    std::cout << vers_utf8(question.question);
    return;
  }
  ligne("enonce=", question.question);
  ligne("format=", question.format);
  ligne("reponses=", joindre(question.reponses));
  ligne("correction=", question.correction);
  ligne("saisie=", produit.presentateur.saisie ? "1" : "0");
  ligne("forme=", produit.presentateur.forme);
  ligne("ordonnees=", produit.presentateur.ordonnees ? "1" : "0");
  for (const std::string& appel : produit.graphique.appels) ligne("graphique: ", appel);
  for (const std::string& texte : produit.calculatrice.textes) ligne("calculatrice: ", texte);
  for (const std::string& message : produit.messages) ligne("message: ", message);
}

// The entry asked for, or a message on standard error.
std::optional<int> entree_choisie(const Options& options) {
  if (options.index) {
    if (*options.index < 0 || *options.index >= exercices.taille()) {
      std::cerr << "pralinore-exercice: no entry " << texte_entier(*options.index) << "\n";
      return std::nullopt;
    }
    return *options.index;
  }
  const auto code = lire_entier32(options.positionnels[0]);
  const int indice = code ? exercices.indice_du_code(*code) : -1;
  if (indice < 0) std::cerr << "pralinore-exercice: unknown code " << options.positionnels[0] << "\n";
  if (indice < 0) return std::nullopt;
  return indice;
}

}  // namespace

int main(int argc, char** argv) {
  const auto options = lire_options(argc, argv);
  const auto graine = options ? lire_entier64(options->positionnels.back()) : std::nullopt;
  if (!options || !graine || *graine < 0 || *graine > UINT32_MAX) {
    usage();
    return sortie_usage;
  }
  enregistrer_generateurs();
  charger_langue_exercices(options->langue);
  const auto indice = entree_choisie(*options);
  if (!indice) return sortie_erreur;
  if (exercices.generateur[static_cast<std::size_t>(*indice)] == nullptr) {
    std::cerr << "pralinore-exercice: entry " << texte_entier(*indice) << " (code "
              << texte_entier(exercices.code[static_cast<std::size_t>(*indice)]) << ") has no generator\n";
    return sortie_erreur;
  }
  const ExerciceProduit produit = executer_exercice(*indice, static_cast<std::uint32_t>(*graine));
  imprimer(produit, options->enonce);
  if (produit.erreur) {
    std::cerr << "pralinore-exercice: " << *produit.erreur << "\n";
    return sortie_erreur;
  }
  return 0;
}
