// Taylor expansions: the k-th term is the value of the k-th derivative at
// the point divided by k!, times the variable to the power k.
#include <cmath>
#include <optional>

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

// Deep in a call the series stay off: the written steps they spare could
// pass the depth limit, whose error must come as before.
constexpr int profondeur_epargnee = profondeur_maximale / 2;

// The term t*variable^k added to the sum, as the written rule adds it.
std::string ajoute_terme(const std::string& somme, const std::string& t, const std::string& variable, int k) {
  return operation(somme, operation(t, operation(variable, texte_entier(k), "^"), "*"), "+");
}

// The coefficient of a value of the k-th derivative: c/k! brought to a
// fraction.
std::string coefficient(const std::string& c, int k) {
  return fraction(operation(c, texte_entier(factorielle(k).value_or(1)), "/"));
}

// The coefficient the series writes for the k-th value: the written
// rule's on the value, or with `exacts` the exact fraction where no double
// holds the value (p/2^m of many digits), the one the written rule would
// give if its evaluation held it.
std::string coefficient_de_serie(const ValeurDeTaylor& v, int k, bool exacts) {
  if (exacts && v.dyadique && !v.ecrite) {
    return fraction(operation(texte_entier(v.numerateur), texte_entier(v.denominateur), "/"));
  }
  return coefficient(texte_nombre(v.derivee), k);
}

// The written rule, from the derivatives' values of the series when there
// are some: each value, or the text's own at the point when the series
// does not hold it, goes through the same coefficient.
std::string developpement_serie(const fonction& f, const std::string& variable, double point,
                                const std::vector<ValeurDeTaylor>& valeurs, bool exacts) {
  std::string somme;
  for (std::size_t k = 0; k < valeurs.size(); ++k) {
    const ValeurDeTaylor& v = valeurs[k];
    const int rang = static_cast<int>(k);
    const std::string t = v.inexacte ? coefficient(f.numeriser(variable, false, point), rang)
                                     : coefficient_de_serie(v, rang, exacts);
    somme = ajoute_terme(somme, t, variable, rang);
    if (est_erreur(somme)) break;
  }
  return somme;
}

// A number rounded to the fifteen significant digits the written rule
// writes.
std::optional<double> en_quinze_chiffres(double x) { return lire_nombre(texte_nombre(x)); }

// The written value c is the exact value v within the written rule's own
// rounding. An error value or a text is not.
bool valeur_juste(const std::string& c, const ValeurDeTaylor& v) {
  const auto ecrite = lire_nombre(c);
  return ecrite && en_quinze_chiffres(*ecrite) == en_quinze_chiffres(v.derivee);
}

// The coefficient of the written value c of the k-th derivative, checked
// against its exact value v when the series hold it: the series' where c
// is not v within its fifteen digits. None where c is a division by zero
// only because a denominator passed below the smallest double: the point
// is no pole, the value is beyond the written evaluation.
std::optional<std::string> coefficient_verifie(const std::string& c, const ValeurDeTaylor* v, int k,
                                               bool sous_depassement) {
  if (v && !v->inexacte && !valeur_juste(c, *v)) return coefficient_de_serie(*v, k, true);
  if (sous_depassement && c == erreur_division_par_zero()) return std::nullopt;
  return coefficient(c, k);
}

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
  // The exact values check the written ones, which away from 0 are sums of
  // large terms that cancel; the shortcut may take them for the written
  // steps.
  std::optional<DeveloppementExact> exact;
  if (!valeurs) exact = developpement_exact(texte, variable, ordre, point);
  const bool raccourcis = chemins_rapides_actifs() && etat_profondeur.profondeur < profondeur_epargnee;
  if (raccourcis && exact && exact->comme_ecrit) {
    return resultat_garde(garde, developpement_serie(*this, variable, point, exact->valeurs, false));
  }
  const std::uint64_t travail_avant = travail_effectue();
  std::string somme;
  std::string derivee = texte;
  for (int k = 0; k <= ordre && !garde.depassee(); ++k) {
    if (k > 0 && !valeurs) {
      // Unreduced derivatives grow exponentially (exp(x^2)); reducing each
      // one keeps them small without changing their values.
      derivee = reduire(fonction(derivee).deriver(variable));
    }
    bool sous_depassement = false;
    const std::string c = valeurs ? texte_nombre((*valeurs)[static_cast<std::size_t>(k)])
                                  : fonction(derivee).numeriser_approche(variable, point, sous_depassement);
    const ValeurDeTaylor* v = exact ? &exact->valeurs[static_cast<std::size_t>(k)] : nullptr;
    const auto t = coefficient_verifie(c, v, k, sous_depassement);
    if (!t) return resultat_garde(garde, erreur_trop_complexe());
    somme = ajoute_terme(somme, *t, variable, k);
    if (est_erreur(somme)) break;
  }
  // Where the written steps pass the work bound, the series' values may
  // be rounded by theirs: the expansion takes the exact coefficients.
  if (raccourcis && exact && garde.depassee() && travail_effectue() > travail_maximal) {
    reprend_travail(travail_avant);
    somme = developpement_serie(*this, variable, point, exact->valeurs, true);
  }
  return resultat_garde(garde, std::move(somme));
}
