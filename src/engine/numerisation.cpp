// Numeric evaluation: the value of a text with a variable set to a number
// or replaced by another text, and a root finder by halving.
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/angles_remarquables.h"
#include "engine/appel_fonction.h"
#include "engine/decomposition.h"
#include "engine/decoupage.h"
#include "engine/entiers_verifies.h"
#include "engine/evaluateur.h"
#include "engine/fonction.h"
#include "engine/fonctions_usuelles.h"
#include "engine/expression.h"
#include "engine/fractions.h"
#include "engine/liaisons.h"
#include "engine/lignes_predefinies.h"
#include "engine/memoire_appel.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/regroupement.h"
#include "engine/valeurs_erreur.h"
#include "localisation/chrono.h"
#include "localisation/format.h"
#include "localisation/nombres.h"

namespace {

// The largest n whose factorial a double holds.
constexpr int factorielle_maximale = 170;
// Integers beyond this are not all exact in a double.
constexpr double entier_exact_maximal = 9007199254740992.0;  // 2^53
// Digits of an integer always below entier_exact_maximal.
constexpr std::size_t chiffres_toujours_exacts = 15;
constexpr int halvings_maximaux = 200;

struct Numerisation {
  const std::string& variable;
  bool exact;
  double valeur;
  // Set when a value came out 0 only because it is below the smallest
  // double (sous_les_doubles); no one asks when null.
  bool* sous_depassement = nullptr;
  // The text is a user function's body, whose variable is the argument of
  // the call: it reaches the built-in calls of the body too.
  bool corps_utilisateur = false;
};

struct Substitution {
  const std::string& variable;
  const std::string& remplacement;
  bool exact;
  // For a value worked out unasked (a plotted point): a built-in call that
  // refuses its arguments stays as it is, without a message.
  bool refus_muets = false;
};

std::string numerise(const std::string& texte, const Numerisation& n);
std::string substitue(const std::string& texte, const Substitution& s);

// Digits from p on; p moves past them.
bool chiffres(const std::string& t, std::size_t& p) {
  const std::size_t debut = p;
  while (p < t.size() && est_chiffre(t[p])) ++p;
  return p > debut;
}

// A text written as a number (digits, a point, an exponent) that the reader
// refuses all the same: its value is beyond the largest double.
bool nombre_trop_grand(const std::string& t) {
  std::size_t p = 0;
  const bool entiere = chiffres(t, p);
  if (p < t.size() && t[p] == '.') ++p;
  const bool decimale = chiffres(t, p);
  if (!entiere && !decimale) return false;
  if (p < t.size() && (t[p] == 'e' || t[p] == 'E')) {
    ++p;
    if (p < t.size() && (t[p] == '+' || t[p] == '-')) ++p;
    if (!chiffres(t, p)) return false;
  }
  return p == t.size() && !lire_nombre(t);
}

// An "=" outside brackets: one inside a call's argument (resoudre(x^2=a;x))
// belongs to the call. Each side of a relation is worked on alone, so which
// of several such "=" is taken makes no difference.
std::size_t egal_hors_parentheses(const std::string& t) {
  const int position = position_hors_parentheses(t, "=");
  return position > 0 ? static_cast<std::size_t>(position - 1) : std::string::npos;
}

bool est_fonction_usuelle(int id) { return id >= id_de(Ligne::cos) && id <= id_de(Ligne::th); }

// A built-in row after the usual functions whose arguments are expressions
// (a vector's name, an encrypted text or a display directive is none).
bool est_appel_predefini(int id) {
  return id >= id_de(Ligne::deriver) && id <= id_de(Ligne::produit_scalaire) && id != Ligne::vecteur;
}

// A user row with a body; its variable is its argument description.
bool est_ligne_utilisateur(int id) {
  return id >= nb_fonctions_predefinies && id < fonctions_usuelles->taille() && !fonctions_usuelles->corps[id].empty();
}

std::string nom_appele(const std::string& appel) { return appel.substr(0, appel.find('(')); }

// sin, cos, tan and cotan at whole multiples of pi/6 and pi/4 are exact,
// with a division by zero at a pole of tan or cotan.
std::optional<std::string> valeur_angle_remarquable(int id, double x) {
  std::optional<ValeurRemarquable> v;
  switch (id) {
    case id_de(Ligne::cos): v = valeur_remarquable(Trigonometrique::cos, x); break;
    case id_de(Ligne::sin): v = valeur_remarquable(Trigonometrique::sin, x); break;
    case id_de(Ligne::tan): v = valeur_remarquable(Trigonometrique::tan, x); break;
    case id_de(Ligne::cotan): v = valeur_remarquable(Trigonometrique::cotan, x); break;
    default: return std::nullopt;
  }
  if (!v) return std::nullopt;
  return v->pole ? erreur_division_par_zero() : texte_nombre_fini(v->valeur);
}

std::string valeur_usuelle(int id, double x) {
  if (auto v = valeur_angle_remarquable(id, x)) return *std::move(v);
  switch (id) {
    case id_de(Ligne::cos): return texte_nombre_fini(std::cos(x));
    case id_de(Ligne::sin): return texte_nombre_fini(std::sin(x));
    case id_de(Ligne::abs): return texte_nombre_fini(std::fabs(x));
    case id_de(Ligne::tan): return texte_nombre_fini(std::tan(x));
    case id_de(Ligne::cotan): return texte_nombre_fini(1 / std::tan(x));
    case id_de(Ligne::ln): return x <= 0 ? valeur_erreur(textes_fixes().erreur_logarithme) : texte_nombre_fini(std::log(x));
    case id_de(Ligne::exp): return texte_nombre_fini(std::exp(x));
    case id_de(Ligne::sqrt): return x < 0 ? valeur_erreur(textes_fixes().erreur_racine) : texte_nombre_fini(std::sqrt(x));
    case id_de(Ligne::sh): return texte_nombre_fini(std::sinh(x));
    case id_de(Ligne::ch): return texte_nombre_fini(std::cosh(x));
    default: return texte_nombre_fini(std::tanh(x));
  }
}

// pi is the nearest double, its 15-digit text only how it is shown: an
// operand or argument that is the name pi, alone or negated, gives the
// arithmetic that double rather than the value its text reads as. Looking
// at the text counts no work.
std::optional<double> valeur_de_pi(std::string_view t) {
  const auto sans_crochets = [](std::string_view& u) {
    while (u.size() >= 2 && u.front() == '(' && u.back() == ')') u = u.substr(1, u.size() - 2);
  };
  sans_crochets(t);
  double signe = 1;
  if (!t.empty() && t.front() == '-') {
    signe = -1;
    t.remove_prefix(1);
    sans_crochets(t);
  }
  if (!est_pi(t)) return std::nullopt;
  return signe * std::numbers::pi;
}

// The value of an operand from its evaluated text, pi's as said above.
std::optional<double> valeur_operande(const std::string& operande, const std::string& valeur) {
  if (const auto pi = valeur_de_pi(operande)) return pi;
  return valeur_lue(valeur);
}

// Integers added, subtracted or multiplied in checked 64-bit arithmetic: in
// a double, 118264581564861424 - 118264581564861423 would be 0. No value
// for other operands or when the result does not fit.
std::optional<std::string> calcule_entiers(char operateur, const std::string& ta, const std::string& tb) {
  const Entier r = entiers_combines(ta, tb, operateur);
  if (!r) return std::nullopt;
  return texte_entier(*r);
}

// Two numbers combined. With `exact`, integers stay exact while they fit
// and a quotient that is not whole stays a fraction of the operands' texts.
std::string calcule(char operateur, double a, double b, const std::string& ta, const std::string& tb, bool exact) {
  if (exact) {
    if (auto r = calcule_entiers(operateur, ta, tb)) return *r;
  }
  switch (operateur) {
    case '+': return texte_nombre_fini(a + b);
    case '-': return texte_nombre_fini(a - b);
    case '*': return texte_nombre_fini(a * b);
    case '/': {
      if (b == 0) return erreur_division_par_zero();
      const double q = a / b;
      if (!exact || !std::isfinite(q) || std::trunc(q) == q) return texte_nombre_fini(q);
      return fraction(ta + "/" + tb);
    }
    default:
      // As the text builder says for 0^-1.
      if (a == 0 && b < 0) return erreur_division_par_zero();
      return texte_nombre_fini(std::pow(a, b));
  }
}

// A product, quotient or power of numbers other than 0 that comes out 0:
// its value is not 0 but below the smallest double.
bool sous_les_doubles(char operateur, double a, double b) {
  if (a == 0 || !std::isfinite(b)) return false;
  switch (operateur) {
    case '*': return b != 0 && a * b == 0;
    case '/': return a / b == 0;
    case '^': return std::pow(a, b) == 0;
    default: return false;
  }
}

// n! for an integer text n in 0..170.
std::optional<std::string> factorielle_numerique(const std::string& n) {
  if (!est_entier(n)) return std::nullopt;
  const auto k = lire_entier32(n);
  if (!k || *k < 0 || *k > factorielle_maximale) return std::nullopt;
  double f = 1;
  for (int i = 2; i <= *k; ++i) f *= i;
  return texte_nombre(f);
}

// A constant's value; a value that is an expression is evaluated too.
std::string valeur_constante(const std::string& nom, bool exact) {
  const std::string& v = constantes->valeurs[constantes->indice(nom)];
  if (est_nombre(v)) return v;
  static const std::string aucune;
  return numerise(v, {aucune, exact, 0});
}

// Whole values are written without a point. Integer texts a double cannot
// hold exactly keep their digits.
std::string entier_sans_point(std::string r) {
  if (!est_entier(r)) return r;
  // An integer of a few digits written plainly (no leading zero, no "-0")
  // is already how the fixed form writes its value.
  const std::string_view chiffres = std::string_view(r).substr(r.front() == '-' ? 1 : 0);
  if (chiffres.size() <= chiffres_toujours_exacts && (chiffres.front() != '0' || r == "0")) return r;
  const auto v = lire_nombre(r);
  if (v && std::fabs(*v) < entier_exact_maximal) return texte_nombre_fixe(*v, 0);
  return r;
}

// A call of another built-in row in a user function's body: the value goes
// into its arguments as its number text, and the call is worked out as
// typed once they are numbers (fact(x) at 3 is 6). A call that refuses them
// has no value, and says nothing: fact(x) at 2.5 stays fact(2.5).
std::string numerise_appel_predefini(const std::string& t, int id, const Numerisation& n) {
  if (!n.corps_utilisateur || !est_appel_predefini(id) || n.variable.empty() || !cite_nom(t, n.variable)) return t;
  const std::string valeur = texte_nombre(n.valeur);
  std::string r = substitue(t, {n.variable, valeur, n.exact, true});
  if (r == t || est_erreur(r)) return r;
  static const std::string aucune;
  return numerise(r, {aucune, n.exact, 0, n.sous_depassement});
}

std::string numerise_appel(const std::string& t, const Numerisation& n) {
  std::vector<std::string> arguments;
  const int id = identifiant_appel(t, arguments);
  if (!est_fonction_usuelle(id) && !est_ligne_utilisateur(id)) return numerise_appel_predefini(t, id, n);
  if (arguments.size() != 1) return t;
  const std::string& a = arguments[0];
  double x = n.valeur;
  if (const auto v = valeur_lue(a)) {
    x = *v;
  } else if (const auto pi = valeur_de_pi(a)) {
    x = *pi;
  } else if (n.variable.empty() || sans_parentheses(a) != n.variable) {
    std::string na = numerise(a, n);
    if (est_erreur(na)) return na;
    if (est_nombre(na)) return numerise(nom_appele(t) + "(" + na + ")", n);
    if (est_ligne_utilisateur(id)) {
      return substitue(fonctions_usuelles->corps[id], {fonctions_usuelles->arguments[id], na, n.exact, true});
    }
    return nom_appele(t) + "(" + na + ")";
  }
  if (est_fonction_usuelle(id)) return valeur_usuelle(id, x);
  return numerise(fonctions_usuelles->corps[id],
                  {fonctions_usuelles->arguments[id], n.exact, x, n.sous_depassement, true});
}

// A text without a split: the variable, or a call, or a name kept.
std::string numerise_feuille(const std::string& t, const Numerisation& n) {
  if (!n.variable.empty() && t == n.variable) return texte_nombre(n.valeur);
  return numerise_appel(t, n);
}

std::string numerise_terme(const std::string& texte, const Numerisation& n) {
  const std::string t = sans_parentheses(texte);
  if (est_nombre(t)) return t;
  if (nombre_trop_grand(t)) return erreur_nombre_non_fini();
  if (est_constante(t)) return valeur_constante(t, n.exact);
  if (est_negatif(t)) return operation("-1", numerise(sans_parentheses(t.substr(1)), n), "*");
  if (sans_operateur(t)) {
    compte_coupe(t);
    return numerise_feuille(t, n);
  }
  const expression e(t);
  if (est_binaire(e.type_operateur)) {
    std::string g = numerise(sans_parentheses(e.gauche), n);
    if (est_erreur(g)) return g;
    std::string d = numerise(sans_parentheses(e.droite), n);
    if (est_erreur(d)) return d;
    const auto a = valeur_operande(e.gauche, g);
    const auto b = valeur_operande(e.droite, d);
    if (a && b) {
      if (n.sous_depassement && sous_les_doubles(e.operateur[0], *a, *b)) *n.sous_depassement = true;
      return calcule(e.operateur[0], *a, *b, g, d, n.exact);
    }
    return operation(std::move(g), std::move(d), e.operateur);
  }
  if (e.type_operateur == TypeOperateur::factorielle) {
    const std::string operande = numerise(sans_parentheses(e.gauche), n);
    if (est_erreur(operande)) return operande;
    return factorielle_numerique(operande).value_or(t);
  }
  return numerise_feuille(t, n);
}

std::string numerise(const std::string& texte, const Numerisation& n) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  std::uint32_t debut = 0;
  debut_chrono(debut);
  std::string r;
  // In a user function's body, an "=" inside a call's argument belongs to
  // the call; a typed text keeps the reading of its first "=" wherever it
  // stands (the solvers' lists of equations are read so).
  const auto egal = n.corps_utilisateur ? egal_hors_parentheses(texte) : texte.find('=');
  if (egal != std::string::npos) {
    r = numerise(texte.substr(0, egal), n) + "=" + numerise(texte.substr(egal + 1), n);
  } else {
    r = entier_sans_point(numerise_terme(texte, n));
  }
  fin_chrono([&] { return Format("numeriser(%s;%s;%g)", {texte, n.variable, n.valeur}); }, debut);
  return r;
}

// A user-function call left in a substituted operand is evaluated when the
// replacement is a positive integer.
std::string evalue_appel_utilisateur(std::string x, const Substitution& s) {
  if (fonctions_usuelles->taille() <= nb_fonctions_predefinies || !est_fonction_utilisateur(x)) return x;
  const auto entier = lire_entier64(s.remplacement);
  if (!entier || *entier <= 0) return x;
  return numeriser_texte(developpe_fonctions_utilisateur(x), s.exact);
}

// A replacement that is a name (a template's "%s", another variable): the
// substitution renames, bound names included, and works nothing out.
bool est_un_nom(const std::string& t) {
  return !t.empty() && sans_operateur(t) && t.find_first_of("()[];=<>") == std::string::npos && !est_nombre(t) &&
         !est_constante(t);
}

// A number, or a list (a matrix) of numbers.
bool est_valeur_numerique(const std::string& t) {
  if (est_nombre(t)) return true;
  const auto elements = elements_entre_crochets(t);
  return elements && std::ranges::all_of(*elements, est_valeur_numerique);
}

// An argument substituted; a list item by item.
std::string substitue_argument(const std::string& a, const Substitution& s) {
  const auto elements = elements_entre_crochets(a);
  if (!elements) return substitue(a, s);
  std::string r = "[";
  for (const auto& e : *elements) {
    std::string x = substitue_argument(e, s);
    if (x.empty() || est_erreur(x)) return x;
    r += (r.size() > 1 ? ";" : "") + x;
  }
  return r + "]";
}

// The call worked out as typed: a call that refuses its arguments fails the
// calculation, or, for a value worked out unasked, stays as it is.
std::string evalue_comme_tape(int id, const std::vector<std::string>& a, const std::string& appel,
                              const Substitution& s) {
  if (!s.refus_muets) return evaluer_appel(id, a, appel);
  return sans_refus_montre([&] { return evaluer_appel(id, a, appel); }).value_or(appel);
}

// A name the call and the replacement do not hold.
std::string nom_libre(const std::string& nom, const std::string& appel, const std::string& remplacement) {
  std::string r = nom + "_";
  while (cite_nom(appel, r) || cite_nom(remplacement, r)) r += "_";
  return r;
}

// A bound name that the replacement holds would take it for its own
// (somme(j;1;3;j*x) with x = j is not somme(j;1;3;j*j)): it is renamed first.
void renomme_les_noms_captures(const std::string& t, const Liaison& l, std::vector<std::string>& a,
                               const Substitution& s) {
  if (l.noms < 0 || !cite_nom(a[static_cast<std::size_t>(l.portee)], s.variable)) return;
  for (const auto& nom : noms_lies(l, a)) {
    if (!cite_nom(s.remplacement, nom)) continue;
    const std::string libre = nom_libre(nom, t, s.remplacement);
    for (const int i : {l.noms, l.portee}) {
      auto& x = a[static_cast<std::size_t>(i)];
      x = substitue_argument(x, {nom, libre, s.exact, s.refus_muets});
    }
  }
}

// A built-in call holding the variable: the replacement goes into every
// argument, and the call is worked out as typed once the arguments it reads
// as values are numbers (fact(x) at 3 is 6). Names the call binds are its
// own: somme(x;1;3;x) keeps its index and term whatever x stands for. A
// call whose value is a function of the name it binds (a derivative) is
// renamed with it, or else worked out first: deriver(x^2;x) at x = 3 is the
// derivative's value there.
std::string substitue_appel_predefini(const std::string& t, int id, std::vector<std::string> a,
                                      const Substitution& s) {
  if (!est_appel_predefini(id) || s.variable.empty() || !cite_nom(t, s.variable)) return t;
  if (static_cast<int>(a.size()) != fonctions_usuelles->nb_arguments[id]) return t;
  const std::optional<Liaison> liee = liaison(id);
  const Liaison l = liee.value_or(Liaison{});
  const std::vector<std::string> noms = liee ? noms_lies(l, a) : std::vector<std::string>{};
  const bool variable_liee = std::ranges::find(noms, s.variable) != noms.end();
  const bool renomme = est_un_nom(s.remplacement);
  if (variable_liee && l.valeur_des_noms && (!renomme || cite_nom(t, s.remplacement))) {
    const std::string valeur = evalue_comme_tape(id, a, t, s);
    return valeur == t || valeur.empty() || est_erreur(valeur) ? valeur : substitue(valeur, s);
  }
  const bool portee_gardee = variable_liee && !l.valeur_des_noms;
  if (liee && !variable_liee) renomme_les_noms_captures(t, l, a, s);
  std::string appel = nom_appele(t) + "(";
  bool valeurs = true;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const bool lie = liee && dans_portee(l, i);
    if (!(portee_gardee && lie)) a[i] = substitue_argument(a[i], s);
    if (a[i].empty() || est_erreur(a[i])) return a[i];
    if (!lie && !est_valeur_numerique(a[i])) valeurs = false;
    appel += (i > 0 ? ";" : "") + a[i];
  }
  appel += ")";
  return renomme || !valeurs ? appel : evalue_comme_tape(id, a, appel, s);
}

std::string substitue_appel(const std::string& t, const Substitution& s) {
  std::vector<std::string> arguments;
  const int id = identifiant_appel(t, arguments);
  if (!est_fonction_usuelle(id) && !est_ligne_utilisateur(id)) {
    return substitue_appel_predefini(t, id, std::move(arguments), s);
  }
  if (arguments.size() != 1) return t;
  std::string a = substitue(arguments[0], s);
  if (est_erreur(a)) return a;
  if (est_nombre(a)) {
    // pi keeps its name, so that the call takes it as the double it is.
    const std::string& argument = valeur_de_pi(arguments[0]) ? arguments[0] : a;
    return numeriser_texte(nom_appele(t) + "(" + argument + ")", s.exact);
  }
  if (est_ligne_utilisateur(id)) {
    return substitue(fonctions_usuelles->corps[id], {fonctions_usuelles->arguments[id], a, s.exact, s.refus_muets});
  }
  return nom_appele(t) + "(" + a + ")";
}

std::string substitue_terme(const std::string& texte, const Substitution& s) {
  const std::string t = sans_parentheses(texte);
  if (est_nombre(t)) return t;
  if (nombre_trop_grand(t)) return erreur_nombre_non_fini();
  if (est_constante(t)) return valeur_constante(t, s.exact);
  if (est_negatif(t)) return operation("-1", substitue(t.substr(1), s), "*");
  const expression e(t);
  if (est_binaire(e.type_operateur)) {
    std::string g = substitue(sans_parentheses(e.gauche), s);
    if (est_erreur(g)) return g;
    std::string d = substitue(sans_parentheses(e.droite), s);
    if (est_erreur(d)) return d;
    g = evalue_appel_utilisateur(std::move(g), s);
    d = evalue_appel_utilisateur(std::move(d), s);
    const auto a = valeur_operande(e.gauche, g);
    const auto b = valeur_operande(e.droite, d);
    if (a && b) return calcule(e.operateur[0], *a, *b, g, d, s.exact);
    return regroupe_somme_numerique(operation_ordonnee(g, d, e.operateur));
  }
  if (e.type_operateur == TypeOperateur::factorielle) {
    std::string operande = substitue(sans_parentheses(e.gauche), s);
    if (est_erreur(operande)) return operande;
    if (auto f = factorielle_numerique(operande)) return *f;
    if (type_operateur_de(operande) != TypeOperateur::aucun) operande = "(" + operande + ")";
    return operande + "!";
  }
  if (!s.variable.empty() && t == s.variable) return s.remplacement;
  return substitue_appel(t, s);
}

std::string substitue(const std::string& texte, const Substitution& s) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  std::uint32_t debut = 0;
  debut_chrono(debut);
  std::string r;
  if (const auto egal = egal_hors_parentheses(texte); egal != std::string::npos) {
    r = substitue(texte.substr(0, egal), s) + "=" + substitue(texte.substr(egal + 1), s);
  } else {
    r = substitue_terme(texte, s);
  }
  fin_chrono([&] { return Format("numeriser(%s;%s;%s)", {texte, s.variable, s.remplacement}); }, debut);
  return r;
}

std::optional<double> valeur_en(const std::string& texte, const std::string& variable, double x) {
  return lire_nombre(numerise(texte, {variable, false, x}));
}

}  // namespace

std::string fonction::numeriser(const std::string& variable, bool exact, double valeur) const {
  GardeProfondeur garde;
  return resultat_garde(garde, numerise(texte, {variable, exact, valeur}));
}

std::string fonction::numeriser_approche(const std::string& variable, double valeur, bool& sous_depassement) const {
  GardeProfondeur garde;
  sous_depassement = false;
  return resultat_garde(garde, numerise(texte, {variable, false, valeur, &sous_depassement}));
}

namespace {

// The value of a text with no variable set, remembered for the call.
std::string valeur_du_texte(const std::string& texte, bool exact) {
  GardeProfondeur garde;
  const Routine routine = exact ? Routine::valeur_exacte : Routine::valeur_approchee;
  return resultat_garde(garde, memorise(routine, texte, [&] {
                          GardeProfondeur garde_numerisation;
                          static const std::string aucune;
                          return resultat_garde(garde_numerisation, numerise(texte, {aucune, exact, 0}));
                        }));
}

}  // namespace

std::string fonction::valeur_numerique(bool exact) const { return valeur_du_texte(texte, exact); }

std::string numeriser_texte(const std::string& texte, bool exact) {
  // The value needs no node of the text; the work of building one is
  // counted all the same.
  compte_coupe(texte);
  return valeur_du_texte(texte, exact);
}

std::string fonction::numeriser_substitution(const std::string& variable, const std::string& remplacement,
                                             bool exact) const {
  GardeProfondeur garde;
  return resultat_garde(garde, substitue(texte, {variable, remplacement, exact}));
}

std::string fonction::numeriser_liste(const std::string& liste) const {
  GardeProfondeur garde;
  std::string r = texte;
  for (const auto& nom : elements_liste(liste)) r = numerise(r, {nom, true, 0});
  return resultat_garde(garde, std::move(r));
}

namespace {

bool signes_opposes(double a, double b) { return (a < 0 && b > 0) || (a > 0 && b < 0); }

// The bounds are neighbouring doubles: the sign changes between them, and
// where the function is steep no double brings it under the tolerance. That
// is a root when the function shrank toward 0 from the ends of the first
// bracket; a pole (tan(x) at pi/2) changes sign too, but grows there.
bool racine_entre_voisins(const std::string& texte, const std::string& variable, double borne1, double borne2,
                          double valeur_milieu, double echelle) {
  const auto f1 = valeur_en(texte, variable, borne1);
  const auto f2 = valeur_en(texte, variable, borne2);
  return f1 && f2 && signes_opposes(*f1, *f2) && std::fabs(valeur_milieu) <= echelle;
}

}  // namespace

double fonction::dichotomie(const std::string& variable, double borne1, double borne2, double tolerance) const {
  GardeProfondeur garde;
  const double fin = borne2;
  std::optional<double> valeur_debut;
  for (int i = 0; i < halvings_maximaux && !garde.depassee(); ++i) {
    const double milieu = (borne1 + borne2) / 2;
    const auto v = valeur_en(texte, variable, milieu);
    if (!v) break;
    if (std::fabs(*v) < tolerance) return milieu;
    if (milieu == borne1 || milieu == borne2) {
      const auto valeur_fin = valeur_en(texte, variable, fin);
      if (!valeur_debut || !valeur_fin) break;
      const double echelle = std::min(std::fabs(*valeur_debut), std::fabs(*valeur_fin));
      if (racine_entre_voisins(texte, variable, borne1, borne2, *v, echelle)) return milieu;
      break;
    }
    const auto w = valeur_en(texte, variable, borne1);
    if (!w) break;
    if (!valeur_debut) valeur_debut = w;
    if (*v * *w < 0) {
      borne2 = milieu;
    } else {
      borne1 = milieu;
    }
  }
  return std::numeric_limits<double>::quiet_NaN();
}
