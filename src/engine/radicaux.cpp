#include "engine/radicaux.h"

#include <cmath>
#include <vector>

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/developpement.h"
#include "engine/entiers_verifies.h"
#include "engine/expression.h"
#include "engine/lignes_predefinies.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/regroupement.h"
#include "localisation/nombres.h"

namespace {

// Beyond this the search for square factors would take too long.
constexpr std::int64_t radicande_maximal = 1000000000000000;  // 10^15

std::string racine(const std::string& t) { return "sqrt(" + t + ")"; }

// The argument of a call of sqrt, or nothing.
bool argument_racine(const std::string& t, std::string& argument) {
  std::vector<std::string> arguments;
  if (reconnait_fonction(t, arguments) != Ligne::sqrt || arguments.size() != 1) return false;
  argument = arguments[0];
  return true;
}

std::uint64_t racine_entiere(std::uint64_t n) {
  auto r = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
  while (r > 0 && r * r > n) --r;
  while ((r + 1) * (r + 1) <= n) ++r;
  return r;
}

// A factor X in front of a root goes under it as X^2.
std::string carre_developpe(const std::string& x) { return regroupe_somme(developper(operation(x, "2", "^"))); }

std::string radical_produit(std::string gauche, std::string droite) {
  std::string ag;
  std::string ad;
  const bool rg = argument_racine(gauche, ag);
  const bool rd = argument_racine(droite, ad);
  if (!rg && !rd) return regroupe_somme(operation(gauche, droite, "*"));
  // A visible minus stays outside the root: its square would lose it.
  bool negatif = false;
  for (auto* facteur : {&gauche, &droite}) {
    if (est_negatif(*facteur)) {
      negatif = !negatif;
      *facteur = enleve_moins(*facteur);
    }
  }
  const std::string g = rg ? ag : carre_developpe(gauche);
  const std::string d = rd ? ad : carre_developpe(droite);
  std::string r = racine_simplifiee(regroupe_somme(operation(g, d, "*")));
  if (negatif) return operation("-1", r, "*");
  return r;
}

std::string radical(const std::string& texte) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  const std::string t = sans_parentheses(texte);
  const expression e(t);
  if (e.type_operateur == TypeOperateur::aucun) {
    if (est_negatif(t)) return operation("-1", radical(t.substr(1)), "*");
    std::string argument;
    return argument_racine(t, argument) ? racine_simplifiee(argument) : t;
  }
  if (e.type_operateur == TypeOperateur::factorielle) return t;
  std::string gauche = radical(sans_parentheses(e.gauche));
  std::string droite = radical(sans_parentheses(e.droite));
  switch (e.type_operateur) {
    case TypeOperateur::fois: return radical_produit(std::move(gauche), std::move(droite));
    case TypeOperateur::puissance: return operation_ordonnee(gauche, droite, "^");
    default: return regroupe_somme(operation(gauche, droite, e.operateur));
  }
}

bool racine_exacte(const std::string& t, std::string& r) {
  GardeProfondeur garde;
  if (garde.depassee()) return false;
  // -x^2 splits at its power but is the opposite of a square.
  if (est_negatif(t)) return false;
  if (est_entier(t)) {
    if (t[0] == '-') return false;
    const auto n = lire_entier64(t);
    if (!n) return false;
    const std::uint64_t s = racine_entiere(static_cast<std::uint64_t>(*n));
    if (s * s != static_cast<std::uint64_t>(*n)) return false;
    r = texte_entier(static_cast<std::int64_t>(s));
    return true;
  }
  const expression e(t);
  if (e.operateur == "*" || e.operateur == "/") {
    std::string rg;
    std::string rd;
    if (!racine_exacte(sans_parentheses(e.gauche), rg) || !racine_exacte(sans_parentheses(e.droite), rd)) return false;
    r = operation_ordonnee(rg, rd, e.operateur);
    return true;
  }
  if (e.operateur == "^") {
    const std::string exposant = sans_parentheses(e.droite);
    if (!est_entier(exposant)) return false;
    const auto k = lire_entier64(exposant);
    if (!k || *k % 2 != 0) return false;
    r = operation(e.gauche, texte_entier(*k / 2), "^");
    return true;
  }
  return false;
}

}  // namespace

std::string extrait_carres(const std::string& t) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  if (t == "0") return "0";
  const auto valeur = entier_ecrit(t);
  if (!valeur || *valeur < 0 || *valeur > radicande_maximal) return racine(t);
  if (*valeur == 0) return "0";
  auto n = static_cast<std::uint64_t>(*valeur);
  std::string acc = "1";
  // Square factors in increasing order; after 4 is gone no even square can
  // divide, and a composite i never does once its prime factors are gone.
  for (std::uint64_t i = 2; i * i <= n; i += (i == 2 ? 1 : 2)) {
    while (n % (i * i) == 0) {
      acc = operation(acc, texte_entier(static_cast<std::int64_t>(i)), "*");
      n /= i * i;
    }
  }
  if (n != 1) acc = operation(acc, racine(texte_entier(static_cast<std::int64_t>(n))), "*");
  return resultat_garde(garde, type_operateur_de(acc) != TypeOperateur::aucun ? regroupe_produit(acc) : acc);
}

std::string racine_simplifiee(const std::string& t) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  const expression e(t);
  if (e.operateur != "/") return resultat_garde(garde, extrait_carres(t));
  const std::string n = extrait_carres(regroupe_somme(sans_parentheses(e.gauche)));
  const std::string d = extrait_carres(regroupe_somme(sans_parentheses(e.droite)));
  return resultat_garde(garde, regroupe_somme(operation_ordonnee(n, d, "/")));
}

std::string calcul_radical(const std::string& t) {
  GardeProfondeur garde;
  return resultat_garde(garde, radical(t));
}

bool racine_carree_exacte(const std::string& t, std::string& r) {
  GardeProfondeur garde;
  std::string racine_trouvee;
  const bool exacte = racine_exacte(t, racine_trouvee) && !garde.depassee();
  if (exacte) r = racine_trouvee;
  return exacte;
}
