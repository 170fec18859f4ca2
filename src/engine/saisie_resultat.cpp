#include "engine/saisie_resultat.h"

#include <string_view>

#include "engine/appel_fonction.h"
#include "engine/syntaxe.h"
#include "engine/valeurs_erreur.h"

namespace {

constexpr std::string_view debut_erreur = "erreur(";
constexpr std::string_view marque_echec = "#err";
constexpr std::string_view non_finis[] = {"INF", "NAN"};

// The call that starts at `debut` up to its closing bracket; empty when the
// bracket is never closed.
std::string appel_en(const std::string& texte, std::size_t debut) {
  int profondeur = 0;
  for (std::size_t i = debut + debut_erreur.size() - 1; i < texte.size(); ++i) {
    if (texte[i] == '(') ++profondeur;
    if (texte[i] == ')' && --profondeur == 0) return texte.substr(debut, i - debut + 1);
  }
  return {};
}

std::string sans_produits(std::string texte) {
  std::erase(texte, '*');
  return texte;
}

// The first error value `produit` holds that `saisie` does not, products
// aside (normalisation puts them into a typed one too); empty when there is
// none.
std::string erreur_ajoutee(const std::string& saisie, const std::string& produit) {
  const std::string tape = sans_produits(saisie);
  for (auto p = produit.find(debut_erreur); p != std::string::npos; p = produit.find(debut_erreur, p + 1)) {
    const std::string valeur = appel_en(produit, p);
    if (!valeur.empty() && est_erreur(valeur) && tape.find(sans_produits(valeur)) == std::string::npos) return valeur;
  }
  return {};
}

}  // namespace

SaisieNormalisee normalise_saisie_tapee(const std::string& saisie) {
  std::string texte = normalise_saisie(saisie);
  std::string erreur = erreur_ajoutee(saisie, texte);
  if (erreur.empty()) return {std::move(texte), false};
  return {std::move(erreur), true};
}

std::string resultat_montre(const std::string& resultat) {
  if (est_erreur(resultat)) return resultat;
  bool faux = resultat.find(marque_echec) != std::string::npos;
  for (const std::string_view marque : non_finis) faux = faux || resultat.find(marque) != std::string::npos;
  return faux ? erreur_hors_limites() : resultat;
}
