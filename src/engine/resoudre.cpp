#include "engine/resoudre.h"

#include <optional>

#include "engine/appel_fonction.h"
#include "engine/chemins_rapides.h"
#include "engine/complexe.h"
#include "engine/decoupage.h"
#include "engine/developpement.h"
#include "engine/equation_differentielle.h"
#include "engine/expression.h"
#include "engine/fonction.h"
#include "engine/fractions.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/quadratique_rapide.h"
#include "engine/profondeur.h"
#include "engine/racines_rapides.h"
#include "engine/radicaux.h"
#include "engine/reduction.h"
#include "engine/regroupement.h"
#include "engine/valeurs_erreur.h"
#include "localisation/catalogue.h"
#include "localisation/format.h"
#include "localisation/nombres.h"

namespace {

std::string pas_de_solution() { return en_valeur_erreur(catalogue_textes.txt_erreur_solution); }

// 0 = 0 once both coefficients are gone: every number is a root. It is said
// as "no solution" is, outside the solution lists that callers read.
std::string tout_reel() { return en_valeur_erreur(catalogue_textes.txt_tout_reel_solution); }

std::string collecte(const std::string& t) { return regroupe_somme(developper(t)); }

std::string derivee_collectee(const std::string& t, const std::string& v) { return collecte(fonction(t).deriver(v)); }

std::string valeur_en_zero(const std::string& t, const std::string& v) {
  const std::string valeur = fonction(t).numeriser(v, true, 0);
  return est_erreur(valeur) ? valeur : fraction(valeur);
}

// The value of a number written as a decimal or as a quotient of two
// numbers (what fraction gives for an exact number); none for any other
// text, which is symbolic.
std::optional<double> valeur_nombre(const std::string& t) {
  if (est_nombre(t)) return lire_nombre(t);
  const expression e(t);
  if (e.operateur != "/") return std::nullopt;
  const std::string n = enleve_delimiteurs(e.gauche, "()");
  const std::string d = enleve_delimiteurs(e.droite, "()");
  if (!est_nombre(n) || !est_nombre(d)) return std::nullopt;
  const auto vn = lire_nombre(n);
  const auto vd = lire_nombre(d);
  if (!vn || !vd || *vd == 0) return std::nullopt;
  return *vn / *vd;
}

std::string delta(const Coefficients& k) {
  // Past the work bound the written steps give up at once: so does this.
  if (chemins_rapides_actifs() && !etat_profondeur.depassement) {
    if (auto d = discriminant_exact(k)) return *std::move(d);
  }
  return fraction(collecte(Format("(%s)*(%s)-4*(%s)*(%s)", {k.b, k.b, k.a, k.c})));
}

// (-b signe s) / (2a), brought to one quotient and reduced.
std::string racine(const Coefficients& k, const std::string& s, const char* signe) {
  const std::string numerateur = operation(operation("0", k.b, "-"), s, signe);
  return reduire(fraction(operation(numerateur, operation("2", k.a, "*"), "/")));
}

std::string liste_racines(const std::string& v, const std::string& x1, const std::string& x2) {
  return "[" + v + "=" + x1 + ";" + v + "=" + x2 + "]";
}

std::string second_degre(const Coefficients& k, const std::string& v, bool complexe) {
  const std::string d = delta(k);
  if (est_erreur(d)) return d;
  // Past the work bound the written steps give up at once: so does this.
  if (chemins_rapides_actifs() && !etat_profondeur.depassement) {
    if (auto racines = racines_exactes(k, d, v, complexe)) return *std::move(racines);
  }
  const auto signe = valeur_nombre(d);
  if (signe && *signe < 0) {
    if (!complexe) return pas_de_solution();
    const std::string r = racine_simplifiee(operation_ordonnee("-1", d, "*"));
    const std::string s = operation_ordonnee(unite_imaginaire, r, "*");
    return liste_racines(v, racine(k, s, "-"), racine(k, s, "+"));
  }
  const std::string r = racine_simplifiee(d);
  if (est_erreur(r)) return r;
  if (r == "0") return "[" + v + "=" + racine(k, r, "-") + "]";
  return liste_racines(v, racine(k, r, "-"), racine(k, r, "+"));
}

std::string resout(const std::string& equation, const std::string& v, bool complexe) {
  if (equation.find('\'') != std::string::npos) return resoudre_equation_differentielle(equation, v);
  const auto lu = coefficients_quadratiques(equation, v, catalogue_textes.txt_erreur_fonction_resoudre);
  if (const auto* erreur = std::get_if<std::string>(&lu)) return *erreur;
  const Coefficients& k = std::get<Coefficients>(lu);
  if (k.a != "0") return second_degre(k, v, complexe);
  if (k.b == "0") return k.c == "0" ? tout_reel() : pas_de_solution();
  return "[" + v + "=" + fraction(operation("-1", k.c, "*") + "/(" + k.b + ")") + "]";
}

}  // namespace

std::string membre_unique(const std::string& equation) {
  const int egal = positions_hors_parentheses(equation).egal;
  if (egal == 0) return equation;
  return operation(equation.substr(0, egal - 1), equation.substr(egal), "-");
}

std::variant<Coefficients, std::string> coefficients_quadratiques(const std::string& equation,
                                                                  const std::string& variable,
                                                                  const std::string& erreur_degre) {
  GardeProfondeur garde;
  const std::string f = membre_unique(equation);
  if (est_erreur(f)) return f;
  if (chemins_rapides_actifs() && !garde.depassee()) {
    if (auto k = coefficients_exacts(f, variable)) return *std::move(k);
  }
  const std::string derivee = derivee_collectee(f, variable);
  const std::string demi_seconde = operation(derivee_collectee(derivee, variable), "2", "/");
  const std::string troisieme = derivee_collectee(demi_seconde, variable);
  if (garde.depassee()) return resultat_garde(garde, "");
  if (troisieme != "0" && !troisieme.empty()) return en_valeur_erreur(erreur_degre);
  Coefficients k{valeur_en_zero(demi_seconde, variable), valeur_en_zero(derivee, variable),
                 valeur_en_zero(f, variable)};
  for (const std::string* x : {&k.a, &k.b, &k.c}) {
    if (est_erreur(*x)) return *x;
  }
  if (garde.depassee()) return resultat_garde(garde, "");
  return k;
}

std::string discriminant(const std::string& equation, const std::string& variable) {
  return sous_garde([&] {
    const auto lu = coefficients_quadratiques(equation, variable, catalogue_textes.txt_erreur_fonction_discriminant);
    if (const auto* erreur = std::get_if<std::string>(&lu)) return *erreur;
    return delta(std::get<Coefficients>(lu));
  });
}

std::string resoudre(const std::string& equation, const std::string& variable, bool complexe) {
  return sous_garde([&] { return resout(equation, variable, complexe); });
}
