#include "engine/systeme_lineaire.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "engine/algebre_entiere.h"
#include "engine/appel_fonction.h"
#include "engine/chemins_rapides.h"
#include "engine/decoupage.h"
#include "engine/entiers_verifies.h"
#include "engine/fonction.h"
#include "engine/fractions.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/reduction.h"
#include "engine/regroupement.h"
#include "engine/resoudre.h"
#include "engine/valeurs_erreur.h"

namespace {

using Textes = std::vector<std::string>;

// The coefficient matrix (column j: unknown j) and the right-hand sides, or
// the error value that stops the solving.
struct Systeme {
  Tmatrice coefficients;
  Textes seconds_membres;
};

// Equation i written into row i. An error value when the equation is one,
// or when it is not linear.
std::optional<std::string> lit_equation(const std::string& equation, const Textes& inconnues,
                                        const std::string& liste_inconnues, int i, Systeme& s) {
  if (est_erreur(equation)) return equation;
  const std::string e = membre_unique(equation);
  const fonction f(e);
  for (std::size_t j = 0; j < inconnues.size(); ++j) {
    std::string coefficient = regroupe_somme(f.deriver(inconnues[j]));
    if (est_erreur(coefficient)) return coefficient;
    if (nomme_l_un_de(coefficient, inconnues)) return valeur_erreur(textes_fixes().systeme_non_lineaire);
    s.coefficients.coefficients[j][i] = std::move(coefficient);
  }
  const std::string constante = f.numeriser_liste(liste_inconnues);
  if (est_erreur(constante)) return constante;
  // A term the derivation takes for a constant (a call of an unknown
  // function of x) would leave an unknown in the right-hand side.
  std::string second = operation_ordonnee("-1", constante, "*");
  if (nomme_l_un_de(second, inconnues)) return valeur_erreur(textes_fixes().systeme_non_lineaire);
  s.seconds_membres[i] = std::move(second);
  return std::nullopt;
}

// Cramer's rule: unknown j is the determinant with column j replaced by the
// right-hand sides, over the system's determinant d.
std::string cramer(const Systeme& s, const Textes& inconnues, const std::string& d) {
  Tmatrice remplacee = Tmatrice::Create_carree("S", static_cast<int>(inconnues.size()));
  std::string solution;
  for (std::size_t j = 0; j < inconnues.size(); ++j) {
    copie_coefficients(remplacee.coefficients, s.coefficients.coefficients);
    remplacee.coefficients[j] = s.seconds_membres;
    const std::string dj = remplacee.determinant();
    if (est_erreur(dj)) return dj;
    solution = ajoute_element(solution, inconnues[j] + "=" + fraction(operation(dj, d, "/")), ";");
  }
  return "[" + solution + "]";
}

// Digits a number of a system may hold: its sums stay far from an
// overflow, and the bound of the elimination decides the rest.
constexpr std::size_t chiffres_nombre = 9;

// Beyond integers, the class takes quotients by integers of at most 2
// digits and decimals of quarters, in systems of at most 3 unknowns whose
// numbers have at most 4 digits before the point: the written expansion
// works on them exactly. Other decimals stay out: the written sums of
// decimals are taken in floating point, and their rounding shows in the
// texts (82.6+1-86 is not -2.4 there).
constexpr std::size_t chiffres_diviseur = 2;
constexpr std::size_t inconnues_non_entieres = 3;
constexpr std::int64_t mantisse_non_entiere = 9999;

// n/d reduced, when both were computed and d > 0.
std::optional<Rationnel> reduit(Entier n, Entier d) {
  if (!n || !d || *d <= 0) return std::nullopt;
  return rationnel_reduit(*n, *d);
}

// An equation with every term brought to the left, in integers.
struct LigneEntiere {
  std::vector<std::int64_t> coefficients;
  std::int64_t second = 0;
  std::int64_t echelle = 1;  // what the equation was multiplied by
};

// The same with values n/d.
struct LigneRationnelle {
  std::vector<Rationnel> coefficients;
  Rationnel second;
};

// What the reading of the whole system found.
struct Lecture {
  const Textes& inconnues;
  bool entiere = true;        // no quotient met
  std::int64_t mantisse = 0;  // the largest number
};

// The unknowns of the class: one lowercase letter that names no constant
// (pi, or one the user defined), which the derivation would evaluate.
bool est_lettre_inconnue(char c) { return c >= 'a' && c <= 'z' && !est_constante(std::string(1, c)); }

// Digits at t[i], at most `maximum` of them, without a leading zero unless
// alone when `zero_seul`: their value, the index moved past them.
std::optional<std::int64_t> lit_chiffres(std::string_view t, std::size_t& i, std::size_t maximum, bool zero_seul) {
  const std::size_t debut = i;
  while (i < t.size() && est_chiffre(t[i])) ++i;
  const std::size_t n = i - debut;
  if (n == 0 || n > maximum || (zero_seul && n > 1 && t[debut] == '0')) return std::nullopt;
  return lire_entier64(t.substr(debut, n));
}

// An integer of at most 9 digits, without a leading zero, or a decimal of
// quarters.
std::optional<Rationnel> lit_nombre(std::string_view t, std::size_t& i, Lecture& lecture) {
  const auto entier = lit_chiffres(t, i, chiffres_nombre, true);
  if (!entier) return std::nullopt;
  Rationnel r{*entier, 1};
  if (i < t.size() && t[i] == '.') {
    const std::size_t debut = ++i;
    while (i < t.size() && est_chiffre(t[i])) ++i;
    const auto q = quarts_ecrits(t.substr(debut, i - debut));
    // A decimal zero ("0.00") stays as typed through the written
    // determinant, which then is no "0" and is divided by.
    if (!q || (*entier == 0 && *q == 0)) return std::nullopt;
    r = Rationnel{*entier * quarts_par_unite + *q, quarts_par_unite};
    lecture.entiere = false;
  }
  lecture.mantisse = std::max(lecture.mantisse, *entier);
  return reduit(r.n, r.d);
}

// "/" and a nonzero divisor of at most 2 digits, when t[i] is "/".
std::optional<Rationnel> divise_si_barre(std::string_view t, std::size_t& i, const Rationnel& r, Lecture& lecture) {
  if (i == t.size() || t[i] != '/') return r;
  ++i;
  const auto diviseur = lit_chiffres(t, i, chiffres_diviseur, true);
  if (!diviseur || *diviseur == 0) return std::nullopt;
  lecture.entiere = false;
  return reduit(r.n, produit_verifie(r.d, *diviseur));
}

// The index of the unknown named by the letter at t[i], moving past it.
std::optional<std::size_t> lit_inconnue(std::string_view t, std::size_t& i, const Textes& inconnues) {
  if (i == t.size()) return std::nullopt;
  const char nom = t[i++];
  for (std::size_t j = 0; j < inconnues.size(); ++j) {
    if (inconnues[j].size() == 1 && inconnues[j][0] == nom && est_lettre_inconnue(nom)) return j;
  }
  return std::nullopt;
}

// Reads one term at t[i], a number [ "/" divisor ] [ "*" unknown ] or an
// unknown, the unknown followed by an optional "/" divisor, and adds it,
// times `sens`, to the line.
bool lit_terme(std::string_view t, std::size_t& i, std::int64_t sens, Lecture& lecture, LigneRationnelle& l) {
  std::optional<Rationnel> valeur = Rationnel{1, 1};
  if (i < t.size() && est_chiffre(t[i])) {
    valeur = lit_nombre(t, i, lecture);
    if (valeur) valeur = divise_si_barre(t, i, *valeur, lecture);
    if (!valeur) return false;
    if (i == t.size() || t[i] != '*') {
      // A constant on the left is subtracted from the right.
      const auto s = somme_rationnelle(l.second, Rationnel{-sens * valeur->n, valeur->d});
      if (s) l.second = *s;
      return s.has_value();
    }
    ++i;
  }
  const auto j = lit_inconnue(t, i, lecture.inconnues);
  if (j) valeur = divise_si_barre(t, i, *valeur, lecture);
  if (!j || !valeur) return false;
  const auto s = somme_rationnelle(l.coefficients[*j], Rationnel{sens * valeur->n, valeur->d});
  if (s) l.coefficients[*j] = *s;
  return s.has_value();
}

// One side of an equation: terms joined by "+" or "-", the first with an
// optional sign; added to the line times `sens`.
bool lit_membre(std::string_view t, std::int64_t sens, Lecture& lecture, LigneRationnelle& l) {
  std::size_t i = 0;
  while (true) {
    std::int64_t signe = sens;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
      if (t[i] == '-') signe = -sens;
      ++i;
    } else if (i > 0) {
      return false;
    }
    if (!lit_terme(t, i, signe, lecture, l)) return false;
    if (i == t.size()) return true;
  }
}

// The line times the least common multiple of its denominators: the same
// solutions, in integers.
std::optional<LigneEntiere> en_entiers(const LigneRationnelle& l) {
  std::int64_t m = l.second.d;
  for (const auto& c : l.coefficients) {
    const Entier p = produit_verifie(m / std::abs(pgcd(m, c.d)), c.d);
    if (!p) return std::nullopt;
    m = *p;
  }
  const auto fois = [&](const Rationnel& r) { return produit_verifie(r.n, m / r.d); };
  LigneEntiere e;
  for (const auto& c : l.coefficients) {
    const Entier v = fois(c);
    if (!v) return std::nullopt;
    e.coefficients.push_back(*v);
  }
  const Entier s = fois(l.second);
  if (!s) return std::nullopt;
  e.second = *s;
  e.echelle = m;
  return e;
}

// The system when each equation is "side=side" with sides of the terms
// lit_terme reads, in the class described above: the values of its
// coefficients are those the derivation and the collection write.
std::optional<std::vector<LigneEntiere>> lit_systeme_entier(const Textes& lignes, const Textes& inconnues) {
  Lecture lecture{inconnues};
  std::vector<LigneEntiere> systeme;
  for (const auto& equation : lignes) {
    const std::size_t egal = equation.find('=');
    if (egal == std::string::npos || equation.find('=', egal + 1) != std::string::npos) return std::nullopt;
    LigneRationnelle l;
    l.coefficients.assign(inconnues.size(), Rationnel{});
    const std::string_view t = equation;
    if (!lit_membre(t.substr(0, egal), 1, lecture, l) || !lit_membre(t.substr(egal + 1), -1, lecture, l)) {
      return std::nullopt;
    }
    auto e = en_entiers(l);
    if (!e) return std::nullopt;
    systeme.push_back(std::move(*e));
  }
  if (!lecture.entiere && (inconnues.size() > inconnues_non_entieres || lecture.mantisse > mantisse_non_entiere)) {
    return std::nullopt;
  }
  return systeme;
}

// A system brought to integers by scales whose product is D, and whose
// expansion is bounded by `borne`: the written expansion on its quotients
// forms numerators and denominators of at most borne * D^2, which must stay
// far from an overflow of its 64-bit quotients.
constexpr std::int64_t borne_non_entiere = 100000000000000;  // 10^14

bool exacte_si_non_entiere(const std::vector<LigneEntiere>& systeme, std::int64_t borne) {
  Entier produit = borne;
  bool entiere = true;
  for (const auto& l : systeme) {
    if (l.echelle == 1) continue;
    entiere = false;
    if (produit) produit = produit_verifie(*produit, l.echelle);
    if (produit) produit = produit_verifie(*produit, l.echelle);
  }
  return entiere || (produit && *produit <= borne_non_entiere);
}

// Cramer's rule on a system of the class, by elimination on its rows
// brought to integers: each determinant is then an integer (the bound rules
// out any overflow in it and in the written expansion of an integer
// system), and each solution, their exact quotient, is written as the
// written rule writes it. Nothing outside the class, or once the work limit
// was passed.
std::optional<std::string> cramer_entier(const Textes& lignes, const Textes& inconnues) {
  if (etat_profondeur.depassement || inconnues.empty()) return std::nullopt;
  const auto systeme = lit_systeme_entier(lignes, inconnues);
  if (!systeme) return std::nullopt;
  LignesEntieres a;
  std::vector<std::int64_t> b;
  for (const auto& l : *systeme) {
    a.push_back(l.coefficients);
    b.push_back(l.second);
  }
  const auto borne = borne_laplace(a, &b);
  if (!borne || !exacte_si_non_entiere(*systeme, *borne)) return std::nullopt;
  const std::int64_t d = determinant_entier(a);
  if (d == 0) return valeur_erreur(textes_fixes().pas_de_solution_unique);
  std::string solution;
  for (std::size_t j = 0; j < inconnues.size(); ++j) {
    LignesEntieres remplacee = a;
    for (std::size_t r = 0; r < remplacee.size(); ++r) remplacee[r][j] = b[r];
    solution = ajoute_element(solution, inconnues[j] + "=" + quotient_entier_ecrit(determinant_entier(remplacee), d), ";");
  }
  return "[" + solution + "]";
}

// An unknown is a name: an empty list "[]" or an expression in the list of
// unknowns leaves nothing to solve for.
bool est_inconnue(const std::string& u) {
  return !u.empty() && u.find_first_of("[]();=+-*/^!") == std::string::npos;
}

std::string resout_systeme(const std::string& equations, const std::string& variables) {
  const Textes lignes = elements_liste(equations);
  const Textes inconnues = elements_liste(variables);
  if (lignes.size() != inconnues.size()) return valeur_erreur(textes_fixes().nombre_variables_equations);
  for (const auto& u : inconnues) {
    if (!est_inconnue(u)) return valeur_erreur(textes_fixes().pas_de_solution_unique);
  }
  // Refused before any derivative is taken: past this size the
  // determinant is refused anyway.
  if (inconnues.size() > taille_maximale_matrice) return valeur_erreur(textes_fixes().matrice_trop_grande);
  if (chemins_rapides_actifs()) {
    if (auto r = cramer_entier(lignes, inconnues)) return *r;
  }
  const int n = static_cast<int>(inconnues.size());
  Systeme s{Tmatrice::Create_carree("S", n), Textes(inconnues.size())};
  for (int i = 0; i < n; ++i) {
    if (auto erreur = lit_equation(lignes[i], inconnues, variables, i, s)) return *erreur;
  }
  const std::string d = s.coefficients.determinant();
  if (est_erreur(d)) return d;
  if (d == "0") return valeur_erreur(textes_fixes().pas_de_solution_unique);
  return cramer(s, inconnues, d);
}

// The difference of two coordinates is exactly 0.
bool confondues(const std::string& a, const std::string& b) {
  return regroupe_somme(numeriser_texte(operation(a, b, "-"), true)) == "0";
}

std::string droite_indeterminee() { return valeur_erreur(textes_fixes().droite_indeterminee); }

// "y=m*x+p" from the system m*x1+p=y1, m*x2+p=y2.
std::string droite_oblique(const Textes& a, const Textes& b) {
  const std::string m = inconnue_pente;
  const std::string p = inconnue_ordonnee;
  const auto equation = [&](const Textes& point) { return m + "*(" + point[0] + ")+" + p + "=" + point[1]; };
  const std::string solution = resout_systeme("[" + equation(a) + ";" + equation(b) + "]", "[" + m + ";" + p + "]");
  if (solution == valeur_erreur(textes_fixes().pas_de_solution_unique)) return droite_indeterminee();
  if (est_erreur(solution)) return solution;
  const Textes valeurs = elements_liste(solution);
  const auto apres_egal = [](const std::string& item) { return item.substr(item.find('=') + 1); };
  return "y=" + reduire(apres_egal(valeurs[0]) + "*x+(" + apres_egal(valeurs[1]) + ")");
}

std::string droite(const std::vector<std::string>& points) {
  if (points.size() != 2) return droite_indeterminee();
  const Textes a = elements_liste(points[0]);
  const Textes b = elements_liste(points[1]);
  if (a.size() != 2 || b.size() != 2) return droite_indeterminee();
  for (const auto& coordonnee : {a[0], a[1], b[0], b[1]}) {
    if (coordonnee.empty()) return droite_indeterminee();
    if (est_erreur(coordonnee)) return coordonnee;
  }
  if (confondues(a[0], b[0]) && confondues(a[1], b[1])) return droite_indeterminee();
  if (a[0] == b[0] && a[1] != b[1]) return "x=" + a[0];
  if (a[1] == b[1] && a[0] != b[0]) return "y=" + a[1];
  return droite_oblique(a, b);
}

}  // namespace

void copie_coefficients(Tcoefficient& destination, const Tcoefficient& source) {
  for (std::size_t c = 0; c < destination.size() && c < source.size(); ++c) {
    for (std::size_t r = 0; r < destination[c].size() && r < source[c].size(); ++r) destination[c][r] = source[c][r];
  }
}

std::string resoudre_systeme(const std::string& equations, const std::string& variables) {
  return sous_garde([&] { return resout_systeme(equations, variables); });
}

std::string points_en_droite(const std::vector<std::string>& points) {
  return sous_garde([&] { return droite(points); });
}
