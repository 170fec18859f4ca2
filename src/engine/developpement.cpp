#include "engine/developpement.h"

#include <vector>

#include "engine/comparaison.h"
#include "engine/decomposition.h"
#include "engine/decoupage.h"
#include "engine/entiers_verifies.h"
#include "engine/expression.h"
#include "engine/fractions.h"
#include "engine/memoire_appel.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/radicaux.h"
#include "engine/regroupement.h"
#include "localisation/nombres.h"

namespace {

// Past this exponent a binomial power stays unexpanded: C(60, j) and the
// products that compute it still fit in 64 bits, and the text stays of a
// size worth showing.
constexpr std::int64_t exposant_binomial_maximal = 60;

bool est_somme(const expression& e) { return est_somme_ou_difference(e.type_operateur); }
bool est_somme(std::string_view t) { return est_somme_ou_difference(type_operateur_de(t)); }
bool a_un_operateur(const std::string& t) { return type_operateur_de(t) != TypeOperateur::aucun; }

// An operand as the expansion reads it: a negated one with its sign moved
// inside, without enclosing brackets.
std::string operande(const std::string& t) {
  return sans_parentheses(est_negatif(t) ? distribue_moins_du_negatif(t) : t);
}

// |k| for an integer exponent text, when it fits.
Entier exposant_absolu(const std::string& k) {
  const auto v = entier_du_texte(k);
  return v ? valeur_absolue_verifiee(*v) : std::nullopt;
}

bool binome_developpable(const std::string& k) {
  const auto n = exposant_absolu(k);
  return n && *n <= exposant_binomial_maximal;
}

std::string developpe(const std::string& texte);
std::string developpe_texte(const std::string& texte);
bool developpable(const std::string& t);

// (a+c)^n or (a-c)^n by the binomial formula, terms in the order j = 0..n: the
// constant term first. C(n, j) = C(n, j-1) * (n-j+1) / j.
std::string binome(const expression& base, std::int64_t n) {
  const std::string a = base.gauche;
  const std::string c = base.operateur == "-" ? "-" + base.droite : base.droite;
  std::string r;
  std::int64_t coefficient = 1;
  for (std::int64_t j = 0; j <= n; ++j) {
    if (j > 0) {
      const auto p = produit_verifie(coefficient, n - j + 1);
      if (!p) return "";
      coefficient = *p / j;
    }
    std::string terme = operation_ordonnee(
        texte_entier(coefficient),
        operation_ordonnee(operation_ordonnee(a, texte_entier(j), "^"), operation_ordonnee(c, texte_entier(n - j), "^"),
                           "*"),
        "*");
    if (developpable(terme)) terme = developpe(terme);
    r = j == 0 ? terme : operation_ordonnee(r, terme, "+");
  }
  return r;
}

std::string developpe_puissance(const std::string& t, const expression& e) {
  const std::string& k = e.droite;
  if (!est_entier(k)) return t;
  // -x^2 is the opposite of x^2: the sign waits outside.
  const bool negatif = est_negatif(e.gauche);
  const std::string base = sans_parentheses(negatif ? enleve_moins(e.gauche) : e.gauche);
  const std::string puissance = negatif ? operation(base, k, "^") : t;
  const expression b(base);
  std::string r = puissance;
  if (est_somme(b)) {
    const auto n = exposant_absolu(k);
    if (n && *n <= exposant_binomial_maximal) {
      r = binome(b, *n);
      if (r.empty()) {
        r = puissance;
      } else if (k[0] == '-') {
        r = operation_ordonnee("1", r, "/");
      } else if (*n == 0) {
        r = "1";
      }
    }
  } else if (b.operateur == "/") {
    r = operation_ordonnee(developpe(operation_ordonnee(b.gauche, k, "^")),
                           developpe(operation_ordonnee(b.droite, k, "^")), "/");
  } else if (developpable(base)) {
    const std::string d = developpe(base);
    if (est_somme(sans_parentheses(d))) r = developpe(operation_ordonnee(d, k, "^"));
  } else if (b.operateur == "*") {
    r = operation_ordonnee(developpe(operation_ordonnee(b.gauche, k, "^")), operation_ordonnee(b.droite, k, "^"),
                           "*");
  }
  if (negatif) return operation_ordonnee("-1", r, "*");
  return r;
}

std::string developpe_quotient(const expression& e) {
  const std::string n = developpe(e.gauche);
  const std::string d = developpe(e.droite);
  if (!est_somme(sans_parentheses(n))) return fraction(operation_ordonnee(n, d, "/"));
  std::vector<std::string> termes;
  std::vector<std::string> signes;
  decompose_somme(n, termes, signes);
  std::string r;
  for (std::size_t k = 0; k < termes.size(); ++k) {
    const std::string terme =
        fraction(operation_ordonnee(operation_ordonnee(signes[k], termes[k], "*"), d, "/"));
    r = k == 0 ? terme : operation_ordonnee(r, terme, "+");
  }
  return r;
}

std::string developpe(const std::string& texte) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  return memorise(Routine::developper, texte, [&] { return developpe_texte(texte); });
}

std::string developpe_texte(const std::string& texte) {
  std::string t = texte;
  if (!t.empty() && t[0] == '+') t.erase(0, 1);
  t = sans_parentheses(t);
  const expression e(t);
  std::string r;
  switch (e.type_operateur) {
    case TypeOperateur::plus:
    case TypeOperateur::moins:
      r = operation(developpe(sans_parentheses(e.gauche)), developpe(sans_parentheses(e.droite)), e.operateur);
      break;
    case TypeOperateur::fois: r = developpe_produit(t); break;
    case TypeOperateur::divise: r = developpe_quotient(e); break;
    case TypeOperateur::puissance: r = developpe_puissance(t, e); break;
    default: r = est_negatif(t) ? distribue_moins_du_negatif(t) : t; break;
  }
  if (!r.empty() && r[0] == '+') r.erase(0, 1);
  if (est_negatif(r)) return distribue_moins_du_negatif(r);
  return r;
}

// A factor of a product as the pair (a, b) of a + b, with b "0" for a
// factor that is no sum.
struct Paire {
  std::string a;
  std::string b = "0";
  std::string signe = "+";  // the sum's operator; "+" when there is none
};

Paire paire_de(const std::string& x) {
  const expression e(x);
  if (est_somme(e)) return {e.gauche, e.droite, e.operateur};
  return {developpable(x) ? developpe(x) : x};
}

std::string produit_developpe(const std::string& t) {
  const expression e(t);
  const std::string l = operande(e.gauche);
  const std::string r = operande(e.droite);
  if (!a_un_operateur(l) && !a_un_operateur(r)) return t;
  const auto quotient_ou_factorielle = [](const std::string& x) {
    return se_coupe_en_quotient(x) || (!x.empty() && x.back() == '!');
  };
  if (quotient_ou_factorielle(l) || quotient_ou_factorielle(r)) return t;
  const Paire pl = paire_de(l);
  const Paire pr = paire_de(r);
  const std::string u1 = operation(operation(pl.a, pr.a, "*"), operation(pl.a, pr.b, "*"), pr.signe);
  const std::string u2 = operation(operation(pl.b, pr.a, "*"), operation(pl.b, pr.b, "*"), pr.signe);
  std::string resultat = operation(u1, u2, pl.signe);
  if (developpable(resultat)) return developpe(resultat);
  return resultat;
}

bool developpable(const std::string& t) {
  GardeProfondeur garde;
  if (garde.depassee()) return false;
  const expression e(sans_parentheses(t));
  switch (e.type_operateur) {
    case TypeOperateur::plus:
    case TypeOperateur::moins:
    case TypeOperateur::fois: {
      const std::string l = operande(e.gauche);
      const std::string r = operande(e.droite);
      // Each operand's split is found once and asked twice; the second
      // question's scan is counted, in the order the questions come.
      const TypeOperateur tl = type_operateur_de(l);
      TypeOperateur tr = TypeOperateur::aucun;
      if (tl == TypeOperateur::aucun) {
        tr = type_operateur_de(r);
        if (tr == TypeOperateur::aucun) return false;
      }
      if (e.type_operateur == TypeOperateur::fois) {
        compte_coupe(l);
        if (est_somme_ou_difference(tl)) return true;
        if (tl != TypeOperateur::aucun) {
          tr = type_operateur_de(r);
        } else {
          compte_coupe(r);
        }
        if (est_somme_ou_difference(tr)) return true;
        return developpable(l) || developpable(r);
      }
      return developpable(r) || developpable(l);
    }
    case TypeOperateur::divise: return developpable(operande(e.gauche));
    case TypeOperateur::puissance: {
      const std::string base = operande(e.gauche);
      const expression b(base);
      if (b.type_operateur == TypeOperateur::aucun) return false;
      const std::string exposant = sans_parentheses(e.droite);
      // A binomial power past the limit stays as it is, so it must not
      // count as expandable (the expansion would loop on it).
      if (est_somme(b) && binome_developpable(exposant)) return true;
      if (b.operateur == "/" && est_entier(exposant)) return true;
      return developpable(base);
    }
    default: return false;
  }
}

// The signed terms' roots recomposed, with their own signs or all positive.
std::string racines_recomposees(const std::vector<std::string>& racines, const std::vector<std::string>& signes) {
  return regroupe_somme(developper(recompose_somme(racines, signes)));
}

std::string identite(const std::string& t) {
  std::vector<std::string> termes;
  std::vector<std::string> signes;
  decompose_somme(t, termes, signes);
  if (termes.size() == 2) {
    std::vector<std::string> racines(2);
    if (racine_carree_exacte(termes[0], racines[0]) && racine_carree_exacte(termes[1], racines[1]) &&
        produit_signes(signe_terme(signes[0]), signe_terme(signes[1])) == "-") {
      const std::string d = racines_recomposees(racines, signes);
      const std::string p = racines_recomposees(racines, {"1", "1"});
      return regroupe_somme(operation(d, p, "*"));
    }
    return t;
  }
  if (termes.size() != 3) return t;
  std::vector<std::string> racines;
  std::string milieu;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::string signe = operation_ordonnee(signes[i], termes[i], "*");
    std::string r;
    if (racine_carree_exacte(signe, r)) {
      racines.push_back(r);
    } else {
      milieu = signe;
    }
  }
  if (racines.size() != 2) return t;
  const std::string& a = racines[0];
  const std::string& b = racines[1];
  std::string r = t;
  if (sont_egales(regroupe_somme(developper(operation(operation("2", a, "*"), b, "*"))), milieu)) {
    r = "(" + regroupe_somme(operation(a, b, "+")) + ")^2";
  }
  if (sont_egales(regroupe_somme(developper(operation("-2", operation(a, b, "*"), "*"))), milieu)) {
    r = "(" + regroupe_somme(operation(a, b, "-")) + ")^2";
  }
  return r;
}

}  // namespace

std::string developper(const std::string& t) {
  GardeProfondeur garde;
  return resultat_garde(garde, developpe(t));
}

std::string developpe_produit(const std::string& t) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  return resultat_garde(garde, produit_developpe(t));
}

bool est_developpable(const std::string& t) {
  GardeProfondeur garde;
  return developpable(t) && !garde.depassee();
}

std::string identite_remarquable(const std::string& t) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  return resultat_garde(garde, identite(t));
}
