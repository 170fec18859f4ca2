#include "engine/appel_fonction.h"

#include "engine/decoupage.h"
#include "engine/expression.h"
#include "engine/fonctions_usuelles.h"
#include "engine/lignes_predefinies.h"
#include "engine/profondeur.h"
#include "engine/valeurs_erreur.h"

int reconnait_fonction(const std::string& texte, std::vector<std::string>& arguments) {
  if (texte.empty() || type_operateur_de(texte) != TypeOperateur::aucun) return 0;
  arguments.clear();
  const auto ouvrante = texte.find('(');
  if (ouvrante == std::string::npos) {
    // No bracket part: one empty argument, as the cut of an empty text
    // gives it, with the work of that cut counted (its bracket test and
    // its scan).
    compte_travail(0);
    compte_travail(0);
    arguments.emplace_back();
    return 0;
  }
  const std::string nom = texte.substr(0, ouvrante);
  int compte = 0;
  std::size_t fermante = std::string::npos;
  for (std::size_t i = ouvrante; i < texte.size(); ++i) {
    if (texte[i] == '(') ++compte;
    if (texte[i] == ')') --compte;
    if (compte == 0) {
      fermante = i;
      break;
    }
  }
  if (fermante == std::string::npos) return 0;       // unbalanced
  if (fermante != texte.size() - 1) return 0;        // more text after the call, as in f(x)=2
  std::string partie = enleve_delimiteurs(texte.substr(ouvrante), "()");
  if (partie == "()") partie.clear();  // cos(): nothing between the brackets
  arguments = decoupe(partie, ';');
  if (partie.empty() || !fonctions_usuelles) return 0;
  return fonctions_usuelles->identifiant(nom);
}

int identifiant_appel(const std::string& texte, std::vector<std::string>& arguments) {
  if (texte.find('(') != std::string::npos) return reconnait_fonction(texte, arguments);
  // The work reconnait_fonction counts: the split's kind, then, for a text
  // without a split, the cut of its empty bracket part.
  if (!texte.empty() && type_operateur_de(texte) == TypeOperateur::aucun) {
    compte_travail(0);
    compte_travail(0);
  }
  return 0;
}

bool est_appel_erreur(const std::string& texte) {
  std::vector<std::string> arguments;
  return reconnait_fonction(texte, arguments) == Ligne::erreur;
}

std::string en_valeur_erreur(const std::string& texte) { return est_erreur(texte) ? texte : valeur_erreur(texte); }

bool est_fonction_utilisateur(const std::string& texte) {
  std::vector<std::string> arguments;
  return reconnait_fonction(texte, arguments) >= nb_fonctions_predefinies;
}

bool est_appel_avec_arguments(const std::string& texte) {
  std::vector<std::string> arguments;
  return reconnait_fonction(texte, arguments) > 0 && !arguments.empty();
}
