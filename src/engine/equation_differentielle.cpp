#include "engine/equation_differentielle.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "engine/appel_fonction.h"
#include "engine/complexe.h"
#include "engine/decoupage.h"
#include "engine/fonction.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/reduction.h"
#include "engine/regroupement.h"
#include "engine/resoudre.h"
#include "engine/valeurs_erreur.h"
#include "engine/variables_equation.h"

namespace {

using Textes = std::vector<std::string>;

std::string impossible() { return valeur_erreur(textes_fixes().equation_impossible); }

// The equation as one side in the independent variable x, the function
// sought and the coefficients of y, y' and y'' ("0" for an absent one).
struct Equation {
  std::string membre;
  std::string x;
  Textes conditions;
  FonctionCherchee y;
  std::array<std::string, 3> coefficients{"0", "0", "0"};

  bool presente(int ordre) const { return !y.derivees[ordre].empty(); }
};

// The independent variable must be a plain name: letters, digits, "_", not
// starting with a digit.
bool est_nom_simple(const std::string& t) {
  return !t.empty() && !(t[0] >= '0' && t[0] <= '9') && std::all_of(t.begin(), t.end(), est_car_nom);
}

Textes formes(const std::string& nom) { return {nom, nom + "'", nom + "''"}; }

// The coefficients of y, y', y'': an equation is linear only when none of
// them names the function sought.
std::optional<std::string> lit_coefficients(Equation& e) {
  const fonction f(e.membre);
  for (int ordre = 0; ordre < 3; ++ordre) {
    if (!e.presente(ordre)) continue;
    std::string c = regroupe_somme(f.deriver(e.y.derivees[ordre]));
    if (est_erreur(c)) return c;
    if (nomme_l_un_de(c, formes(e.y.nom))) return impossible();
    e.coefficients[ordre] = std::move(c);
  }
  return std::nullopt;
}

// The equation, its argument and its names; an error value when they fit
// none of the forms.
std::optional<std::string> lit(const std::string& equation, const std::string& argument, Equation& e) {
  e.membre = positions_hors_parentheses(equation).egal != 0 ? reduire(membre_unique(equation)) : equation;
  if (est_erreur(e.membre)) return e.membre;
  const Textes items = elements_liste(argument);
  e.x = items[0];
  e.conditions.assign(items.begin() + 1, items.end());
  Textes noms = decoupe_arguments(fonction(e.membre).variables());
  std::erase(noms, "");
  e.y = retire_fonction_cherchee(noms);
  // The independent variable is no other unknown: y''=x is of the second order.
  retire_nom(noms, e.x);
  if (e.y.nom.empty() || !est_nom_simple(e.x) || e.x == e.y.nom) return impossible();
  if (!noms.empty()) return valeur_erreur(textes_fixes().equation_second_ordre);
  if (e.presente(1) && e.presente(2) && e.y.derivees[2] != e.y.derivees[1] + "'") return impossible();
  return lit_coefficients(e);
}

// With y, y' and y'' set to 0 nothing is left.
bool homogene(const Equation& e) {
  Textes presentes;
  for (const auto& d : e.y.derivees) {
    if (!d.empty()) presentes.push_back(d);
  }
  return regroupe_somme(fonction(e.membre).substitue_valeur(presentes, "0", true)) == "0";
}

// exp(u), with exp(0) written 1 so that a zero real part vanishes.
std::string exponentielle(const std::string& u) { return u == "0" ? "1" : "exp(" + u + ")"; }

// The condition y(x0)=y0, as x0 and y0.
struct Condition {
  std::string x0;
  std::string y0;
};

// y(x0)=y0, or y*(x0)=y0 as the implicit products write it, with x0 and y0
// free of x and of the function sought; none for any other text.
std::optional<Condition> lit_condition(const Equation& e) {
  const std::string& texte = e.conditions[0];
  const Textes c = decoupe(decompose_condition(texte, "="), ';');
  if (c.size() != 3 || (c[0] != e.y.nom && c[0] != e.y.nom + "*") || c[1].empty() || c[2].empty()) {
    return std::nullopt;
  }
  // Nothing but y(x0) before the "=", and one value after it.
  if (!texte.starts_with(c[0] + "(" + c[2] + ")=") || c[1].find('=') != std::string::npos) return std::nullopt;
  Textes noms = formes(e.y.nom);
  noms.push_back(e.x);
  if (nomme_l_un_de(c[1], noms) || nomme_l_un_de(c[2], noms)) return std::nullopt;
  return Condition{c[2], c[1]};
}

// t with every whole name `nom` replaced by valeur, nothing evaluated;
// valeur is bracketed unless it is a name or an unsigned number, or the
// name stood alone in brackets already.
std::string remplace_nom(const std::string& t, const std::string& nom, const std::string& valeur) {
  const bool simple = est_nom_simple(valeur) || (est_nombre(valeur) && valeur[0] != '-');
  std::string r;
  std::size_t debut = 0;
  for (auto p = t.find(nom); p != std::string::npos; p = t.find(nom, p + nom.size())) {
    const auto fin = p + nom.size();
    if ((p > 0 && est_car_nom(t[p - 1])) || (fin < t.size() && (est_car_nom(t[fin]) || t[fin] == '\''))) continue;
    const bool entre_parentheses = p > 0 && t[p - 1] == '(' && fin < t.size() && t[fin] == ')';
    r += t.substr(debut, p - debut) + (simple || entre_parentheses ? valeur : "(" + valeur + ")");
    debut = fin;
  }
  return r + t.substr(debut);
}

// The constant k = y0/exp(p(x0)) that the condition gives to k*exp(p). The
// value of p at x0 only tells where p is not defined: exp of a number other
// than 0 has no exact decimal, so k is reduced as written, never rounded.
std::string constante_initiale(const Equation& e, const std::string& p) {
  if (e.conditions.size() != 1) return impossible();
  const auto c = lit_condition(e);
  if (!c) return impossible();
  const std::string valeur = fonction(p).numeriser_substitution(e.x, c->x0, true);
  if (est_erreur(valeur)) return valeur;
  const std::string p0 = reduire(remplace_nom(p, e.x, c->x0));
  if (est_erreur(p0)) return p0;
  return reduire(operation(c->y0, exponentielle(p0), "/"));
}

// a(x)*y' + b(x)*y = 0: y = k*exp(p) with p an antiderivative of -b/a.
std::string premier_ordre_avec_y(const Equation& e) {
  if (!homogene(e) || e.coefficients[1] == "0") return impossible();
  const std::string quotient = reduire(operation(operation("-1", e.coefficients[0], "*"), e.coefficients[1], "/"));
  const std::string p = fonction(quotient).integrer(e.x);
  if (est_erreur(p)) return p;
  if (sans_primitive(p)) return impossible();
  const std::string exp_p = "exp(" + p + ")";
  if (e.conditions.empty()) return e.y.nom + "=k*" + exp_p;
  const std::string k = constante_initiale(e, p);
  if (est_erreur(k)) return k;
  return e.y.nom + "=" + operation(k, exp_p, "*");
}

// The equation solved for the derivative of that order: g(x).
std::optional<std::string> second_membre(const Equation& e, int ordre, std::string& erreur) {
  const std::string& c = e.coefficients[ordre];
  if (c == "0") {
    erreur = impossible();
    return std::nullopt;
  }
  const std::string reste = fonction(e.membre).substitue_valeur({e.y.derivees[ordre]}, "0", true);
  if (est_erreur(reste)) {
    erreur = reste;
    return std::nullopt;
  }
  return reduire(operation(reste, operation("-1", c, "*"), "/"));
}

std::string primitive_plus(const std::string& g, const std::string& x, const char* constante) {
  const std::string f = fonction(g).integrer(x);
  return est_erreur(f) ? f : operation(f, constante, "+");
}

// y' = g(x) and y'' = g(x): antiderivatives with the constants k, then l.
std::string sans_y(const Equation& e, int ordre) {
  std::string erreur;
  const auto g = second_membre(e, ordre, erreur);
  if (!g) return erreur;
  std::string y = primitive_plus(*g, e.x, "k");
  if (ordre == 2 && !est_erreur(y)) y = primitive_plus(y, e.x, "l");
  return est_erreur(y) ? y : e.y.nom + "=" + y;
}

// Constant coefficients: the roots of a*r^2 + b*r + c in the templates.
std::string second_ordre(const Equation& e) {
  const auto& c = e.coefficients;
  const std::string& x = e.x;
  if (!homogene(e)) return impossible();
  for (const auto& coefficient : c) {
    if (nomme_l_un_de(coefficient, {x})) return impossible();
  }
  const std::string caracteristique = operation(
      operation(operation_ordonnee(c[2], x + "^2", "*"), operation_ordonnee(c[1], x, "*"), "+"), c[0], "+");
  const std::string racines = resoudre(caracteristique, x, true);
  if (est_erreur(racines)) return racines;
  Textes r = elements_liste(racines);
  for (auto& item : r) item = item.substr(item.find('=') + 1);
  const auto fois_x = [&](const std::string& facteur) { return operation_ordonnee(facteur, x, "*"); };
  if (r.size() == 1) return e.y.nom + "=" + operation(exponentielle(fois_x(r[0])), "a*" + x + "+b", "*");
  if (const complexe premiere(r[0]); premiere.contient_i()) {
    const auto alpha = premiere.partie_reelle();
    const auto beta = premiere.partie_imaginaire();
    if (!alpha || !beta) return impossible();
    const std::string bx = fois_x(*beta);
    const std::string oscillation =
        operation(operation("a", "cos(" + bx + ")", "*"), operation("b", "sin(" + bx + ")", "*"), "+");
    return e.y.nom + "=" + operation(exponentielle(fois_x(*alpha)), oscillation, "*");
  }
  return e.y.nom + "=" +
         operation(operation("a", exponentielle(fois_x(r[0])), "*"), operation("b", exponentielle(fois_x(r[1])), "*"),
                   "+");
}

std::string resout(const std::string& equation, const std::string& argument) {
  Equation e;
  if (auto erreur = lit(equation, argument, e)) return *erreur;
  // Only y = k*exp(p) takes a condition: the other general solutions would
  // leave free the constants a condition was given for.
  const bool forme_exponentielle = e.presente(0) && e.presente(1) && !e.presente(2);
  if (!e.conditions.empty() && !forme_exponentielle) return impossible();
  if (e.presente(2)) return e.presente(0) || e.presente(1) ? second_ordre(e) : sans_y(e, 2);
  if (e.presente(1)) return e.presente(0) ? premier_ordre_avec_y(e) : sans_y(e, 1);
  return impossible();
}

}  // namespace

std::string resoudre_equation_differentielle(const std::string& equation, const std::string& argument) {
  return sous_garde([&] {
    std::string solution = resout(equation, argument);
    return est_erreur(solution) ? solution : "[" + solution + "]";
  });
}
