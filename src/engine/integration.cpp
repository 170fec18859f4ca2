// Antiderivatives of expression text by recursion on the top operator, and
// the definite integrals and substitutions built on them. Where no rule
// applies the result is the unevaluated call integrer(f;x), which the
// calculator shows as it stands and integrale recognises.
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "engine/appel_fonction.h"
#include "engine/chemins_rapides.h"
#include "engine/decomposition.h"
#include "engine/decoupage.h"
#include "engine/encadrement.h"
#include "engine/entiers_verifies.h"
#include "engine/fonction.h"
#include "engine/fonctions_usuelles.h"
#include "engine/fractions.h"
#include "engine/liaisons.h"
#include "engine/lignes_predefinies.h"
#include "engine/operation.h"
#include "engine/parentheses.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/quotient_polynomes.h"
#include "engine/reduction.h"
#include "engine/regroupement.h"
#include "engine/valeurs_erreur.h"
#include "engine/variation_numerique.h"
#include "localisation/catalogue.h"
#include "localisation/format.h"

namespace {

using Textes = std::vector<std::string>;
// No value: the rule does not apply.
using Resultat = std::optional<std::string>;

std::string integre(const std::string& texte, const std::string& v);

std::string derivee(const std::string& t, const std::string& v) { return fonction(t).deriver(v); }

// Texts whose derivative collects within a small share of the work bound:
// short, with at most one quotient (the derivative of a quotient of
// quotients can pass the bound). Only these are spared the collection, so
// a text whose test passes the bound still answers "too complex".
constexpr std::size_t longueur_epargnee = 80;

bool derivee_bornee(const std::string& t) {
  return t.size() <= longueur_epargnee && std::count(t.begin(), t.end(), '/') <= 1;
}

// Deep in a call the steps a shortcut spares could pass the depth limit;
// there the written rules run, so the depth error comes as before.
constexpr int profondeur_epargnee = profondeur_maximale / 2;

bool raccourci_permis(const std::string& t) {
  return chemins_rapides_actifs() && etat_profondeur.profondeur < profondeur_epargnee && derivee_bornee(t);
}

// The shortcut of the constant tests: t is seen to vary with v.
bool vue_variable(const std::string& t, const std::string& v) {
  return raccourci_permis(t) && varie_certainement(t, v);
}

// A quotient of polynomials whose derivative's numerator f'g - fg' is the
// zero polynomial: the written derivative reduces that numerator to 0.
bool quotient_constant(const std::string& t, const std::string& v) {
  if (!raccourci_permis(t)) return false;
  const auto q = derivee_quotient_polynomes(t, v);
  return q && q->numerateur == "0";
}

// The end of the bracket part that opens at p (past its ")").
std::size_t fin_de_parenthese(const std::string& t, std::size_t p) {
  int profondeur = 0;
  for (std::size_t i = p; i < t.size(); ++i) {
    profondeur += t[i] == '(' ? 1 : t[i] == ')' ? -1 : 0;
    if (profondeur == 0) return i + 1;
  }
  return t.size();
}

// A call of a built-in row without derivative rule (fact(x), comb(x;2))
// derives to 0 whatever its arguments, and the variables of a call are read
// in its first argument only: a text holding such a call that varies with
// v, or a call in v of a user function whose body holds one, is not shown
// constant by those tests. `vues`: the user rows looked into already.
bool appel_sans_derivee_en(const std::string& t, const std::string& v, std::vector<int>& vues) {
  for (std::size_t p = t.find('('); p != std::string::npos; p = t.find('(', p + 1)) {
    std::size_t debut = p;
    while (debut > 0 && est_car_nom(t[debut - 1])) --debut;
    const int id = fonctions_usuelles->identifiant(std::string_view(t).substr(debut, p - debut));
    if (id <= id_de(Ligne::th)) continue;
    std::vector<std::string> arguments;
    identifiant_appel(t.substr(debut, fin_de_parenthese(t, p) - debut), arguments);
    if (id < nb_fonctions_predefinies) {
      if (appel_varie_avec(id, arguments, v)) return true;
      continue;
    }
    if (std::ranges::find(vues, id) != vues.end() || !cite_nom(arguments.empty() ? "" : arguments[0], v)) continue;
    vues.push_back(id);
    const auto ligne = static_cast<std::size_t>(id);
    const std::string& corps = fonctions_usuelles->corps[ligne];
    if (appel_sans_derivee_en(corps, fonctions_usuelles->arguments[ligne], vues)) return true;
  }
  return false;
}

bool appel_sans_derivee_en(const std::string& t, const std::string& v) {
  std::vector<int> vues;
  return appel_sans_derivee_en(t, v, vues);
}

// Free of v for the rules: named nowhere the tests can see, nor in a call
// they cannot see into.
bool constante_en(const std::string& t, const std::string& v) {
  return independant_de(t, v) && !appel_sans_derivee_en(t, v);
}

// The test for the constant multiples the rules look for: the collected
// derivative is 0. Names alone would call x/x or (x+1)/(1+x) variable; a
// text that does not name v derives to 0 without being derived, and one
// seen to take two values (varie_certainement) has a derivative that does
// not collect to 0, while a quotient of polynomials whose derivative's
// numerator is the zero polynomial has one that collects to 0.
bool ne_depend_pas(const std::string& t, const std::string& v) {
  if (appel_sans_derivee_en(t, v)) return false;
  if (independant_de(t, v)) return true;
  if (vue_variable(t, v)) return false;
  if (quotient_constant(t, v)) return true;
  return regroupe_somme(derivee(t, v)) == "0";
}

std::string appel_non_evalue(const std::string& t, const std::string& v) {
  return fonctions_usuelles->nom[id_de(Ligne::integrer)] + "(" + t + ";" + v + ")";
}

// exp(u) times a constant multiple q of u' gives q*exp(u).
Resultat par_exponentielle(Textes& bases, const Textes& exposants, const std::string& v) {
  for (std::size_t i = 0; i < bases.size(); ++i) {
    Textes arguments;
    if (exposants[i] != "1" || reconnait_fonction(bases[i], arguments) != Ligne::exp || arguments.size() != 1) continue;
    const std::string& u = arguments[0];
    const std::string du = regroupe_somme(derivee(u, v));
    if (du == "0") continue;
    const std::string base = std::exchange(bases[i], "1");
    const std::string quotient = operation_ordonnee(recompose_produit(bases, exposants), du, "/");
    bases[i] = base;
    // A quotient seen to vary collects to a text that varies.
    if (vue_variable(quotient, v)) continue;
    const std::string q = regroupe_somme(quotient);
    if (ne_depend_pas(q, v)) return operation_ordonnee(q, "exp(" + u + ")", "*");
  }
  return std::nullopt;
}

// u^m times a constant multiple q of u' gives q*u^(m+1)/(m+1).
Resultat par_puissance(Textes& bases, const Textes& exposants, const std::string& v) {
  for (std::size_t i = 0; i < bases.size(); ++i) {
    if (!constante_en(exposants[i], v)) continue;
    const std::string n = fraction(operation(exposants[i], "1", "+"));
    if (n == "0") continue;
    const std::string du = regroupe_somme(derivee(bases[i], v));
    if (du == "0") continue;
    const std::string base = std::exchange(bases[i], "1");
    const std::string quotient = operation_ordonnee(recompose_produit(bases, exposants), du, "/");
    bases[i] = base;
    if (vue_variable(quotient, v)) continue;
    const std::string q = regroupe_somme(quotient);
    if (!ne_depend_pas(q, v)) continue;
    // q is constant, so its value anywhere folds what the collection left.
    const std::string c = fonction(q).numeriser_substitution(v, "11", true);
    return operation_ordonnee(operation_ordonnee(c, operation_ordonnee(base, n, "^"), "*"), n, "/");
  }
  return std::nullopt;
}

// Constant factors come out first; then exp(u)*u' and u^m*u' are sought.
Resultat integre_produit(const std::string& t, const std::string& v) {
  Textes bases;
  Textes exposants;
  decompose_produit(t, bases, exposants);
  std::string c = "1";
  bool constante = false;
  for (std::size_t i = 0; i < bases.size(); ++i) {
    if (!constante_en(bases[i], v) || !constante_en(exposants[i], v)) continue;
    c = operation_ordonnee(c, operation_ordonnee(bases[i], exposants[i], "^"), "*");
    bases[i] = "1";
    constante = true;
  }
  if (constante) return operation_ordonnee(c, integre(recompose_produit(bases, exposants), v), "*");
  if (auto r = par_exponentielle(bases, exposants, v)) return r;
  return par_puissance(bases, exposants, v);
}

// f/g with f constant and f/g' variable: the quotients of a table. When
// several fit, the last one gives the result, so they are tried from the
// last and the search stops at the first that fits.
Resultat quotient_connu(const std::string& f, const std::string& g, const std::string& dg, const std::string& v) {
  const auto multiple_de = [&](const std::string& diviseur, const std::string& primitive) -> Resultat {
    const std::string quotient = operation_ordonnee(g, diviseur, "/");
    // A quotient seen to vary collects to a text that varies: no multiple.
    if (vue_variable(quotient, v)) return std::nullopt;
    const std::string c = regroupe_somme(quotient);
    if (c == "0" || !ne_depend_pas(c, v)) return std::nullopt;
    return operation_ordonnee(operation_ordonnee(f, c, "/"), primitive, "*");
  };
  if (auto r = multiple_de("sin(" + v + ")^2", "-cotan(" + v + ")")) return r;
  if (auto r = multiple_de("cos(" + v + ")^2", "tan(" + v + ")")) return r;
  if (auto r = multiple_de(v, "ln(abs(" + v + "))")) return r;
  // g a multiple of a power of v: k = g'*v/g is its exponent.
  const std::string k = reduire(operation_ordonnee(regroupe_somme(operation_ordonnee(dg, v, "*")), g, "/"));
  if (!ne_depend_pas(k, v)) return std::nullopt;
  const std::string m = reduire(operation(k, "1", "-"));
  if (m == "0") return std::nullopt;
  return operation_ordonnee(operation_ordonnee(operation_ordonnee(f, v, "*"), operation_ordonnee(m, g, "*"), "/"),
                            "-1", "*");
}

std::string integre_quotient(const expression& e, const std::string& t, const std::string& v) {
  const std::string& f = e.gauche;
  const std::string& g = e.droite;
  if (constante_en(g, v)) return operation(integre(f, v), g, "/");
  const std::string dg = regroupe_somme(derivee(g, v));
  if (dg == "0") return appel_non_evalue(t, v);
  const std::string quotient = operation_ordonnee(f, dg, "/");
  if (!vue_variable(quotient, v)) {
    const std::string q = regroupe_somme(quotient);
    if (ne_depend_pas(q, v)) {
      // f = q*g': q*ln(g), g divided by q's denominator.
      return operation_ordonnee(q, "ln(" + regroupe_somme(operation_ordonnee(g, denominateur(q), "/")) + ")", "*");
    }
  }
  if (!ne_depend_pas(f, v)) return integre(operation_ordonnee(operation(g, "-1", "^"), f, "*"), v);
  return quotient_connu(f, g, dg, v).value_or(appel_non_evalue(t, v));
}

// u^m with u' = 1 and m constant: the power rule, ln(u) for m = -1.
Resultat integre_puissance(const expression& e, const std::string& v) {
  const std::string& u = e.gauche;
  const std::string m = enleve_delimiteurs(e.droite, "()");
  if (!constante_en(m, v) || derivee(u, v) != "1") return std::nullopt;
  if (m == "-1") return "ln(" + enleve_delimiteurs(u, "()") + ")";
  if (est_entier(m)) {
    const Entier n = entier_du_texte(m);
    if (const Entier suivant = n ? somme_verifiee(*n, 1) : std::nullopt) {
      return Format("1/%d*%s^%d", {*suivant, u, *suivant});
    }
  }
  return Format("1/(%s+1)*%s^(%s+1)", {m, u, m});
}

// A leaf: the variable, a call of it through the antiderivative template,
// or a constant. A call of the variable without template, a factorial of
// the variable or a call of another expression of v has no rule.
std::string integre_feuille(const expression& e, const std::string& v) {
  const std::string& t = e.texte;
  if (t == v) return Format("%s^2/2", {v});
  const auto constante = [&] { return operation_ordonnee(t, v, "*"); };
  if (e.type_operateur == TypeOperateur::factorielle) {
    return constante_en(e.gauche, v) ? constante() : appel_non_evalue(t, v);
  }
  const auto ouvrante = t.find('(');
  if (ouvrante == std::string::npos) return constante();
  const std::string a = enleve_delimiteurs(t.substr(ouvrante), "()");
  if (a == v) {
    const int id = fonctions_usuelles->identifiant(std::string_view(t).substr(0, ouvrante));
    const std::string modele = id > 0 ? fonctions_usuelles->modele_primitive(id) : "";
    return modele.empty() ? appel_non_evalue(t, v) : applique_modele(modele, v);
  }
  for (const auto& argument : decoupe(a, ';')) {
    if (!constante_en(argument, v)) return appel_non_evalue(t, v);
  }
  return constante();
}

std::string integre(const std::string& texte, const std::string& v) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  // Brackets around the whole text hide nothing: (x+1) integrates as x+1.
  const std::string t = enleve_delimiteurs(texte, "()");
  if (est_negatif(t)) return operation("-1", integre(t.substr(1), v), "*");
  const expression e(t);
  switch (e.type_operateur) {
    case TypeOperateur::plus:
    case TypeOperateur::moins: return operation(integre(e.gauche, v), integre(e.droite, v), e.operateur);
    case TypeOperateur::fois: return integre_produit(t, v).value_or(appel_non_evalue(t, v));
    case TypeOperateur::divise: return integre_quotient(e, t, v);
    case TypeOperateur::puissance: return integre_puissance(e, v).value_or(appel_non_evalue(t, v));
    default: return integre_feuille(e, v);
  }
}

// The closed interval between two bounds that are numbers, enclosed; none
// when a bound is not a number (then F(b) - F(a) is a formula in it).
std::optional<Intervalle> intervalle_entre(const std::string& a, const std::string& b) {
  const auto ea = encadrement_nombre(a);
  const auto eb = encadrement_nombre(b);
  if (!ea || !eb) return std::nullopt;
  return Intervalle{std::min(ea->bas, eb->bas), std::max(ea->haut, eb->haut)};
}

// A number, or an exact quotient of two integers.
bool est_un_nombre(const std::string& t) {
  if (est_nombre(t)) return true;
  const std::string s = est_negatif(t) ? t.substr(1) : t;
  return se_coupe_en_quotient(s) && est_entier(numerateur(s)) && est_entier(denominateur(s));
}

// F(b) - F(a) between bounds that are numbers, as one number: exact where
// its terms are (9-8/3 is 19/3), else its decimal value, as decimals are
// folded in sums (1/2+2.71828182845905-1 is 2.21828182845905). A value
// that still names a parameter stays as it is.
std::string un_nombre(const std::string& r) {
  if (est_erreur(r) || est_un_nombre(r)) return r;
  std::string exact = calcul_facteur(r);
  if (est_un_nombre(exact)) return exact;
  std::string valeur = numeriser_texte(r, false);
  return est_nombre(valeur) ? valeur : r;
}

}  // namespace

bool sans_primitive(const std::string& F) {
  const LignePredefinie* ligne = ligne_predefinie(id_de(Ligne::integrer));
  return contient_appel(F, "int") || (ligne && (contient_appel(F, ligne->nom[0]) || contient_appel(F, ligne->nom[1])));
}

std::string fonction::integrer(const std::string& variable) const {
  return sous_garde([&] { return integre(texte, variable); });
}

std::string fonction::integrale(const std::string& a, const std::string& b, const std::string& variable) const {
  GardeProfondeur garde;
  const std::string F = integre(texte, variable);
  if (garde.depassee() || est_erreur(F)) return resultat_garde(garde, F);
  if (sans_primitive(F)) {
    return fonctions_usuelles->nom[id_de(Ligne::integrale)] + "(" + texte + ";" + a + ";" + b + ";" + variable + ")";
  }
  // F(b) - F(a) is the integral only where the function is defined on the
  // whole interval: across a pole it would give a value to an integral that
  // diverges (-2 for 1/x^2 from -1 to 1).
  const auto intervalle = intervalle_entre(a, b);
  switch (intervalle ? definie_sur(texte, variable, *intervalle) : Definition::definie) {
    case Definition::non_definie:
      return resultat_garde(garde, valeur_erreur(catalogue_textes.txt_fonction_non_continue));
    case Definition::indecise: return resultat_garde(garde, erreur_trop_complexe());
    default: break;
  }
  const fonction primitive(F);
  const std::string fb = primitive.numeriser_substitution(variable, b, true);
  if (est_erreur(fb)) return resultat_garde(garde, fb);
  const std::string fa = primitive.numeriser_substitution(variable, a, true);
  if (est_erreur(fa)) return resultat_garde(garde, fa);
  std::string r = numeriser_texte(operation_ordonnee(fb, fa, "-"), true);
  return resultat_garde(garde, intervalle ? un_nombre(r) : std::move(r));
}

std::string fonction::substitue_valeur(const std::vector<std::string>& noms, const std::string& valeur,
                                       bool exact) const {
  GardeProfondeur garde;
  std::string r = texte;
  for (const auto& nom : noms) {
    if (garde.depassee()) break;
    r = fonction(r).numeriser_substitution(nom, valeur, exact);
  }
  return resultat_garde(garde, std::move(r));
}
