#include "engine/polynome.h"

#include <vector>

#include "engine/appel_fonction.h"
#include "engine/chemins_rapides.h"
#include "engine/decomposition.h"
#include "engine/developpement.h"
#include "engine/division_rapide.h"
#include "engine/entiers_verifies.h"
#include "engine/fonction.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/reduction.h"
#include "engine/valeurs_erreur.h"
#include "localisation/nombres.h"

namespace {

std::string erreur_non_polynome() { return valeur_erreur(textes_fixes().non_polynome); }

// The error value a text that is no polynomial gives: its own when it is one.
std::string refus(const polynome& p) { return est_erreur(p.degre) ? p.degre : erreur_non_polynome(); }

std::string impossible() { return valeur_erreur(textes_fixes().division_euclidienne_impossible); }

// The degree of a polynomial: an integer from 0 to degre_maximal.
std::int64_t degre_de(const polynome& p) { return entier_du_texte(p.degre).value_or(0); }

// Long division: each step takes the leading term of the remainder over the
// divisor's, which lowers the remainder's degree, so deg P - deg D + 1 steps
// reach a remainder below the divisor's degree. Decimal or symbolic leading
// coefficients may leave the leading term in place; the degree then stops
// dropping and the division is refused instead of going on.
// The division goes on from `reste`, left by the steps whose quotient
// terms `quotients` holds, with `etapes` steps in all.
std::string division_longue(polynome reste, const polynome& d, const std::string& diviseur,
                            std::vector<std::string> quotients, std::int64_t etapes) {
  const std::int64_t degre_d = degre_de(d);
  std::int64_t degre_r = degre_de(reste);
  std::string fin;
  for (auto k = static_cast<std::int64_t>(quotients.size());; ++k) {
    if (k == etapes) return impossible();
    const std::string c = reduire(operation(reste.coefficient, d.coefficient, "/"));
    const std::string q = operation(c, operation("x", texte_entier(degre_r - degre_d), "^"), "*");
    const std::string r = reduire(operation(reste.texte, developper(operation(d.texte, q, "*")), "-"));
    quotients.push_back(q);
    polynome suivant = polynome::Create(r);
    // The remainder of two polynomials is one, unless symbolic leading
    // coefficients left a quotient the reduction could not split.
    if (!suivant.est_polynome) return impossible();
    const std::int64_t degre_s = degre_de(suivant);
    if (degre_s < degre_d) {
      fin = operation(r, diviseur, "/");
      break;
    }
    if (degre_s >= degre_r) return impossible();
    reste = std::move(suivant);
    degre_r = degre_s;
  }
  for (auto it = quotients.rbegin(); it != quotients.rend(); ++it) fin = operation(*it, fin, "+");
  return fin;
}

std::string divise(const polynome& p, const std::string& diviseur) {
  if (!p.est_polynome) return refus(p);
  if (est_erreur(diviseur)) return diviseur;
  const polynome d = polynome::Create(diviseur);
  if (!d.est_polynome) return refus(d);
  if (d.texte == "0") return erreur_division_par_zero();
  // A constant divisor never leaves a remainder of lower degree.
  if (degre_de(d) == 0) return reduire(developper(operation(p.texte, d.texte, "/")));
  const std::int64_t etapes = degre_de(p) - degre_de(d) + 1;
  if (etapes <= 0) return "";
  // Rational coefficients: the same text from the coefficient arrays, as
  // far as the replay of the steps goes.
  if (chemins_rapides_actifs()) {
    std::vector<std::string> quotients;
    std::string reste;
    if (auto r = division_rapide(p, d, diviseur, quotients, reste)) return std::move(*r);
    if (!quotients.empty()) {
      return division_longue(polynome::Create(reste), d, diviseur, std::move(quotients), etapes);
    }
  }
  return division_longue(p, d, diviseur, {}, etapes);
}

}  // namespace

polynome polynome::Create(const std::string& texte) {
  if (est_erreur(texte)) {
    polynome p(texte);
    p.degre = texte;
    return p;
  }
  GardeProfondeur garde;
  // A sum of monomials with rational coefficients: its reduction written
  // from the terms' values.
  if (chemins_rapides_actifs() && !garde.depassee()) {
    if (auto r = polynome_reduit_rapide(texte)) {
      polynome p(std::move(r->texte));
      if (r->coefficient.empty()) {
        p.calcul_degre();
      } else {
        p.degre = std::move(r->degre);
        p.coefficient = std::move(r->coefficient);
      }
      p.est_polynome = true;
      return p;
    }
  }
  polynome p(reduire(developper(texte)));
  if (est_erreur(p.texte)) {
    p.degre = p.texte;
    return p;
  }
  const bool coefficients_constants = p.calcul_degre();
  if (const Entier d = entier_ecrit(p.degre)) {
    if (*d > degre_maximal) {
      p.degre = erreur_non_polynome();
    } else {
      // Coefficients free of the variable make a polynomial at once; any
      // other text is one when its (d+1)-th derivative vanishes.
      p.est_polynome =
          coefficients_constants || p.deriver_n(p.variable, static_cast<int>(*d) + 1) == "0";
    }
  }
  if (garde.externe() && garde.depassee()) {
    p.degre = erreur_trop_complexe();
    p.est_polynome = false;
  }
  return p;
}

void polynome::decomposer_monome(const std::string& terme, std::string& coefficient_terme,
                                 std::string& exposant) const {
  std::vector<std::string> bases;
  std::vector<std::string> exposants;
  decompose_produit(terme, bases, exposants);
  for (std::size_t k = 0; k < bases.size(); ++k) {
    if (bases[k] != variable) continue;
    exposant = exposants[k];
    exposants[k] = "0";
    coefficient_terme = recompose_produit(bases, exposants);
    return;
  }
  exposant = "0";
  coefficient_terme = terme;
}

bool polynome::calcul_degre() {
  std::vector<std::string> termes;
  std::vector<std::string> signes;
  decompose_somme(texte, termes, signes);
  degre = "0";
  bool constants = true;
  std::int64_t plus_grand = -1;
  for (std::size_t k = 0; k < termes.size(); ++k) {
    std::string c;
    std::string e;
    decomposer_monome(termes[k], c, e);
    const Entier n = entier_ecrit(e);
    if (!n || *n < 0) {
      // One term that is no monomial makes the whole text no polynomial.
      degre = erreur_non_polynome();
      return false;
    }
    if (!independant_de(c, variable)) constants = false;
    if (*n > plus_grand) {
      plus_grand = *n;
      degre = texte_entier(*n);
      coefficient = operation_ordonnee(c, signes[k], "*");
    }
  }
  return constants;
}

std::string polynome::division_euclidienne(const std::string& diviseur) const {
  return sous_garde([&] { return divise(*this, diviseur); });
}
