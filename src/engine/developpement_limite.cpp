// Taylor expansions: the k-th term is the value of the k-th derivative at
// the point divided by k!, times the variable to the power k.
#include <cmath>

#include "engine/appel_fonction.h"
#include "engine/chemins_rapides.h"
#include "engine/combinatoire.h"
#include "engine/derivees_en_zero.h"
#include "engine/fonction.h"
#include "engine/fractions.h"
#include "engine/operation.h"
#include "engine/profondeur.h"
#include "engine/reduction.h"
#include "engine/valeurs_erreur.h"
#include "localisation/catalogue.h"
#include "localisation/nombres.h"

namespace {

// 20! is the last factorial a 64-bit integer holds.
constexpr int ordre_maximal = 20;

}  // namespace

std::string fonction::developpement_limite(const std::string& variable, int ordre, double point) const {
  if (ordre < 0 || ordre > ordre_maximal) return valeur_erreur(catalogue_textes.txt_argument_hors_limites);
  GardeProfondeur garde;
  // At 0, the derivatives' values may come exact from the power series:
  // the same doubles the written derivatives evaluate to, without deriving.
  std::optional<std::vector<double>> valeurs;
  if (chemins_rapides_actifs() && point == 0 && !std::signbit(point)) {
    valeurs = derivees_en_zero(texte, variable, ordre);
  }
  std::string somme;
  std::string derivee = texte;
  for (int k = 0; k <= ordre && !garde.depassee(); ++k) {
    if (k > 0 && !valeurs) {
      // Unreduced derivatives grow exponentially (exp(x^2)); reducing each
      // one keeps them small without changing their values.
      derivee = reduire(fonction(derivee).deriver(variable));
    }
    const std::string c = valeurs ? texte_nombre((*valeurs)[static_cast<std::size_t>(k)])
                                  : fonction(derivee).numeriser(variable, false, point);
    const std::string t = fraction(operation(c, texte_entier(factorielle(k).value_or(1)), "/"));
    somme = operation(somme, operation(t, operation(variable, texte_entier(k), "^"), "*"), "+");
    if (est_erreur(somme)) break;
  }
  return resultat_garde(garde, std::move(somme));
}
