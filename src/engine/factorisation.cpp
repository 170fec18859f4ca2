#include "engine/factorisation.h"

#include <vector>

#include "engine/chemins_rapides.h"
#include "engine/decomposition.h"
#include "engine/developpement.h"
#include "engine/expression.h"
#include "engine/factorisation_rapide.h"
#include "engine/fractions.h"
#include "engine/memoire_appel.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/regroupement.h"
#include "localisation/chrono.h"
#include "localisation/format.h"

namespace {

using Textes = std::vector<std::string>;

std::string factorise(const std::string& t);
std::string factorise_texte(const std::string& t);

std::size_t nombre_de_termes(const std::string& t) {
  Textes termes;
  Textes signes;
  decompose_somme(t, termes, signes);
  return termes.size();
}

std::string facteur_global(const std::string& t) {
  Textes termes;
  Textes signes;
  decompose_somme(t, termes, signes);
  if (termes.size() <= 1) return t;
  // The pivot: the first bracketed sum, else the first term.
  std::size_t p = 0;
  for (std::size_t k = 0; k < termes.size(); ++k) {
    if (termes[k].find_first_of("+-") != std::string::npos) {
      p = k;
      break;
    }
  }
  // Monomials whose first shares nothing with the others: the first pair
  // has no common factor, and the quotient below would be the sum of the
  // others, whose factors the first term shares none of either.
  if (chemins_rapides_actifs() && somme_sans_facteur_commun(termes, signes)) return t;
  // One factor text for the whole loop: only a failure of the first pair
  // stops it, and a later term without a common factor stays beside the
  // pivot in the sum.
  std::string f;
  bool commun = true;
  for (std::size_t k = 0; k < termes.size() && commun; ++k) {
    if (k == p) continue;
    regroupe_factorise_lettre(termes[p], termes[k], signes[p], signes[k], false, f);
    commun = !f.empty();
  }
  if (commun) return recompose_somme(termes, signes);
  // The other terms as one quotient, factorised, against the pivot.
  const std::string s = recompose_somme(termes, signes);
  std::string reste = fraction(operation(s, operation(signes[p], termes[p], "*"), "-"));
  const TypeOperateur type = type_operateur_de(reste);
  // The rest is factorised in its turn only when it is shorter: the quotient
  // may fail to cancel the pivot written another way ((x-1)^(1/2) against
  // (-1+x)^(1/2)), and the same sum would then come back for ever.
  if (est_somme_ou_difference(type) && nombre_de_termes(reste) < termes.size()) reste = factorise(reste);
  std::string un = "1";
  std::string f2;
  regroupe_factorise_lettre(termes[p], reste, signes[p], un, false, f2);
  return f2.empty() ? t : operation(signes[p], termes[p], "*");
}

std::string factorise(const std::string& texte) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  std::uint32_t debut = 0;
  debut_chrono(debut);
  std::string r = memorise(Routine::factorise, texte, [&] { return factorise_texte(texte); });
  fin_chrono([&] { return Format("regroupe_factorise(%s)", {texte}); }, debut);
  return r;
}

std::string factorise_texte(const std::string& texte) {
  const std::string t = identite_remarquable(texte);
  const expression e(t);
  std::string r;
  if (est_somme_ou_difference(e.type_operateur)) {
    Textes termes;
    Textes signes;
    decompose_somme(t, termes, signes);
    for (auto& terme : termes) terme = factorise(terme);
    r = regroupe_factorise_lettre_globale(recompose_somme(termes, signes));
  } else if (e.type_operateur == TypeOperateur::fois) {
    Textes bases;
    Textes exposants;
    decompose_produit(t, bases, exposants);
    for (auto& base : bases) base = identite_remarquable(regroupe_factorise_lettre_globale(base));
    r = regroupe_factorise_lettre_globale(recompose_produit(bases, exposants));
  } else if (e.type_operateur == TypeOperateur::divise) {
    r = operation_ordonnee(factorise(e.gauche), factorise(e.droite), "/");
  } else {
    r = regroupe_factorise_lettre_globale(t);
  }
  return r;
}

}  // namespace

std::string regroupe_factorise_lettre_globale(const std::string& t) {
  return routine_memorisee(
      Routine::facteur_global, t, [&] { return Format("regroupe_factorise_lettre_globale(%s)", {t}); },
      [&] { return facteur_global(t); });
}

std::string regroupe_factorise(const std::string& t) {
  GardeProfondeur garde;
  return resultat_garde(garde, factorise(t));
}
