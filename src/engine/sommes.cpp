#include "engine/sommes.h"

#include "engine/appel_fonction.h"
#include "engine/entiers_verifies.h"
#include "engine/fonction.h"
#include "engine/fractions.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/reduction.h"
#include "engine/regroupement.h"
#include "engine/valeurs_erreur.h"
#include "localisation/catalogue.h"

namespace {

constexpr std::int64_t termes_maximaux = 100000;
constexpr std::size_t longueur_maximale = 2000;
constexpr std::int64_t etapes_memorisees = 1000;

bool est_nombre_exact(const std::string& t) { return est_entier(numerateur(t)) && est_entier(denominateur(t)); }

// One step: the value combined with the running result and collected. Two
// exact numbers fold to the number the collection would give, without
// taking the text apart first, so that a sum of 100,000 integers stays
// within the work one call may do.
std::string etape(const std::string& resultat, const std::string& valeur, const char* operateur) {
  if (const Entier n = entiers_combines(resultat, valeur, operateur[0])) return texte_entier(*n);
  if (est_nombre_exact(resultat) && est_nombre_exact(valeur)) {
    std::string r = calcul_facteur(operation(resultat, valeur, operateur));
    if (est_nombre_exact(r)) return r;
  }
  return simplifie_par_pgcd(regroupe_somme(operation(resultat, valeur, operateur)));
}

std::string accumule(const std::string& indice, std::int32_t a, std::int32_t b, const std::string& terme,
                     std::string resultat, const char* operateur) {
  if (static_cast<std::int64_t>(b) - a + 1 > termes_maximaux) return erreur_hors_limites();
  GardeProfondeur garde;
  const fonction t(terme);
  for (std::int64_t i = a; i <= b && !garde.depassee(); ++i) {
    // What the steps remember helps the next ones (a constant term, the
    // terms of a symbolic result), but 100,000 steps would keep a hundred
    // megabytes: it is dropped now and then.
    if ((i - a) % etapes_memorisees == 0) oublie_memoire();
    const std::string valeur = t.numeriser(indice, true, static_cast<double>(i));
    resultat = etape(resultat, valeur, operateur);
    if (est_erreur(resultat)) break;
    if (resultat.size() > longueur_maximale) return resultat_garde(garde, erreur_hors_limites());
  }
  // Decimal terms would leave 1+0.5 apart: one exact number instead.
  return resultat_garde(garde, fraction_des_nombres(resultat));
}

}  // namespace

std::string somme(const std::string& indice, std::int32_t a, std::int32_t b, const std::string& terme) {
  return accumule(indice, a, b, terme, "0", "+");
}

std::string produit(const std::string& indice, std::int32_t a, std::int32_t b, const std::string& terme) {
  return accumule(indice, a, b, terme, "1", "*");
}
