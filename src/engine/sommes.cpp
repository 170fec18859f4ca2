#include "engine/sommes.h"

#include <optional>

#include "engine/appel_fonction.h"
#include "engine/entiers_verifies.h"
#include "engine/evaluateur.h"
#include "engine/expression.h"
#include "engine/fonction.h"
#include "engine/fractions.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/reduction.h"
#include "engine/regroupement.h"
#include "engine/sommes_entieres.h"
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

// A symbolic value as an exact number times the rest: 3*pi is 3 and pi,
// 2/pi is 2 and 1/pi, -x is -1 and x. No split when no number leads.
struct Multiple {
  std::string coefficient;
  std::string reste;
};

std::optional<Multiple> multiple(const std::string& valeur) {
  if (est_negatif(valeur)) {
    auto m = multiple(enleve_moins(valeur));
    if (m) m->coefficient = operation("-1", m->coefficient, "*");
    return m;
  }
  const expression e(valeur);
  if (e.operateur == "*" && est_nombre_exact(e.gauche)) return Multiple{e.gauche, e.droite};
  if (e.operateur == "/" && est_entier(e.gauche)) return Multiple{e.gauche, operation("1", e.droite, "/")};
  if (e.type_operateur == TypeOperateur::aucun && !est_nombre(valeur)) return Multiple{"1", valeur};
  return std::nullopt;
}

// A step of a symbolic term: multiples of the same rest (k*pi, k/pi) add
// their numbers, which the collection would leave apart or spend the
// whole work bound on.
std::string etape_symbolique(const std::string& resultat, const std::string& valeur, const char* operateur) {
  if (operateur[0] == '+') {
    const auto a = multiple(resultat);
    const auto b = a ? multiple(valeur) : std::nullopt;
    if (b && a->reste == b->reste) {
      return operation(etape(a->coefficient, b->coefficient, operateur), a->reste, "*");
    }
  }
  return etape(resultat, valeur, operateur);
}

// The name that starts at p in t (letters, digits, "_" and derivative
// marks, so that k' is not k).
std::size_t fin_de_nom(const std::string& t, std::size_t p) {
  while (p < t.size() && (est_car_nom(t[p]) || t[p] == '\'')) ++p;
  return p;
}

// A term that names a constant or holds a call: its values are texts, not
// all exact numbers, so each is evaluated with its symbols (pi stays pi, a
// nested sum gives its value).
bool est_symbolique(const std::string& terme) {
  for (std::size_t p = 0; p < terme.size();) {
    if (!est_car_nom(terme[p])) {
      ++p;
      continue;
    }
    const std::size_t fin = fin_de_nom(terme, p);
    const bool nom = terme[p] < '0' || terme[p] > '9';
    if (nom && ((fin < terme.size() && terme[fin] == '(') || est_constante(terme.substr(p, fin - p)))) return true;
    p = fin;
  }
  return false;
}

// The term with the index written as the number i wherever it stands as a
// whole name, inside nested calls too.
std::string avec_indice(const std::string& terme, const std::string& indice, std::int64_t i) {
  const std::string valeur = i < 0 ? "(" + texte_entier(i) + ")" : texte_entier(i);
  std::string r;
  for (std::size_t p = 0; p < terme.size();) {
    if (!est_car_nom(terme[p])) {
      r += terme[p++];
      continue;
    }
    const std::size_t fin = fin_de_nom(terme, p);
    if (terme.compare(p, fin - p, indice) == 0) {
      r += valeur;
    } else {
      r.append(terme, p, fin - p);
    }
    p = fin;
  }
  return r;
}

std::string accumule(const std::string& indice, std::int32_t a, std::int32_t b, const std::string& terme,
                     std::string resultat, const char* operateur) {
  if (static_cast<std::int64_t>(b) - a + 1 > termes_maximaux) return erreur_hors_limites();
  GardeProfondeur garde;
  if (const auto n = accumulation_entiere(indice, a, b, terme, operateur[0] == '*')) {
    return resultat_garde(garde, texte_entier(*n));
  }
  const fonction t(terme);
  const bool symbolique = est_symbolique(terme);
  for (std::int64_t i = a; i <= b && !garde.depassee(); ++i) {
    // What the steps remember helps the next ones (a constant term, the
    // terms of a symbolic result), but 100,000 steps would keep a hundred
    // megabytes: it is dropped now and then.
    if ((i - a) % etapes_memorisees == 0) oublie_memoire();
    const std::string valeur =
        symbolique ? calculer(avec_indice(terme, indice, i)) : t.numeriser(indice, true, static_cast<double>(i));
    // An empty value: a message was shown, and it is the result.
    if (symbolique && valeur.empty()) return resultat_garde(garde, valeur);
    resultat = symbolique ? etape_symbolique(resultat, valeur, operateur) : etape(resultat, valeur, operateur);
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
