#include "exercises/generateurs/niveau_1_polynomes.h"

#include <cstdint>
#include <string>
#include <vector>

#include "engine/developpement.h"
#include "engine/fonction.h"
#include "engine/fractions.h"
#include "engine/operation.h"
#include "engine/radicaux.h"
#include "engine/reduction.h"
#include "engine/resoudre.h"
#include "exercises/generateur.h"
#include "exercises/generateurs/outils.h"
#include "exercises/generateurs/outils_niveau_1.h"
#include "localisation/format.h"
#include "localisation/nombres.h"

namespace {

constexpr const char* variable_x = "x";
constexpr const char* variable_n = "n";
constexpr const char* terme_general = "u_(n)";
constexpr const char* format_deux_reponses = "T[1.];T[2.]";
constexpr const char* format_tangente = "T[%s];T[%s]";
constexpr const char* libelle_nombre_derive = "1.";
constexpr const char* libelle_tangente = "2.    y=";

// The ranges of the coefficients, as RandomRange bounds (upper excluded).
constexpr int coefficient_min = -5;
constexpr int coefficient_max = 5;
// A cubic's high powers stay small: x^3 in -1..0, x^2 in -2..1.
constexpr int cube_min = -1;
constexpr int cube_max = 1;
constexpr int carre_min = -2;
constexpr int carre_max = 2;
// The point of 1604, and of 1613's tangent.
constexpr int point_min = -2;
constexpr int point_max = 2;
constexpr int abscisse_min = -3;
constexpr int abscisse_max = 3;
// The powers of 1607 and the positive coefficients of 1614 and 1617-1618.
constexpr int positif_min = 1;
constexpr int positif_max = 5;
// The ratios of 1616 and the coefficients of 1619.
constexpr int raison_min = 2;
constexpr int raison_max = 4;
constexpr int carre_suite_max = 3;
constexpr int constante_suite_min = -3;
constexpr int constante_suite_max = 3;
// A discriminant is b^2 - 4ac.
constexpr int quatre = 4;

int R(ContexteGenerateur& contexte, int a, int b) { return RandomRange(contexte, a, b); }

std::string entier(std::int64_t n) { return texte_entier(n); }

std::string accolades(const std::string& texte) { return "{" + texte + "}"; }

std::string deux_accolades(const std::string& a, const std::string& b) { return accolades(a) + ";" + accolades(b); }

// a*x^2 + b*x + c written through operation.
std::string trinome(int a, int b, int c) {
  const std::string carre = operation(entier(a), "x^2", "*");
  const std::string lineaire = operation(entier(b), variable_x, "*");
  return operation(operation(carre, lineaire, "+"), entier(c), "+");
}

struct Trinome {
  int a = 0, b = 0, c = 0;
  int discriminant() const { return b * b - quatre * a * c; }
  std::string texte() const { return trinome(a, b, c); }
};

// Three coefficients in -5..4 with a non-zero a.
Trinome tirer_trinome(ContexteGenerateur& contexte) {
  Trinome t;
  do {
    t.a = R(contexte, coefficient_min, coefficient_max);
    t.b = R(contexte, coefficient_min, coefficient_max);
    t.c = R(contexte, coefficient_min, coefficient_max);
  } while (t.a == 0);
  return t;
}

// The coefficients of a cubic, constant term first.
struct Cubique {
  int x3 = 0, x2 = 0, x1 = 0, x0 = 0;
  bool nulle() const { return x3 == 0 && x2 == 0 && x1 == 0 && x0 == 0; }
  bool sans_zero() const { return x3 != 0 && x2 != 0 && x1 != 0 && x0 != 0; }
  int somme() const { return x3 + x2 + x1 + x0; }
  std::string texte() const {
    return ecrire_polynome({double(x0), double(x1), double(x2), double(x3)}, variable_x);
  }
};

Cubique tirer_cubique(ContexteGenerateur& contexte) {
  Cubique p;
  p.x3 = R(contexte, cube_min, cube_max);
  p.x2 = R(contexte, carre_min, carre_max);
  p.x1 = R(contexte, coefficient_min, coefficient_max);
  p.x0 = R(contexte, coefficient_min, coefficient_max);
  return p;
}

// a*v + b in ascending powers, as ecrire_polynome writes it.
std::string affine(int a, int b, const std::string& variable) {
  return ecrire_polynome({double(b), double(a)}, variable);
}

std::string derivee_reduite(const std::string& f) { return reduire(fonction(f).deriver(variable_x)); }

// Poses D with f, the reduced derivative as the answer.
void poser_derivee(ContexteGenerateur& contexte, const std::string& f, const std::string& derivee) {
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_fonction_definie_calculer, {f}),
                                              derivee, accolades(derivee));
}

// The value of `u` at the index, by exact substitution of n.
std::string terme(const std::string& u, int indice) {
  return fonction(u).numeriser_substitution(variable_n, entier(indice), true);
}

// The first-degree or quadratic `p` in n, written with n replaced by u_(n).
std::string recurrence(const std::string& p) {
  return fonction(p).numeriser_substitution(variable_n, terme_general, true);
}

// Poses S1 or S2: the two terms as two labelled answers.
void poser_suite(ContexteGenerateur& contexte, const std::string& question, const std::string& ui,
                 const std::string& uj) {
  contexte.presentateur.poser_question(question, format_deux_reponses, {ui, uj}, deux_accolades(ui, uj), true);
}

void poser_suite_explicite(ContexteGenerateur& contexte, const std::string& u, int i, int j,
                           const std::string& ui, const std::string& uj) {
  poser_suite(contexte, Format(contexte.textes.enonce_suite_definie_tout, {u, entier(i), entier(j)}), ui, uj);
}

// u_0 .. u_j of u_(n+1) = p(u_n), exactly; poses S2 with u_i and u_j.
void poser_suite_recurrente(ContexteGenerateur& contexte, const std::string& p, int u0, int i, int j) {
  const fonction f(p);
  std::vector<std::string> termes = {entier(u0)};
  for (int k = 0; k < j; ++k) termes.push_back(f.numeriser_substitution(variable_n, termes.back(), true));
  const std::string question =
      Format(contexte.textes.enonce_suite_definie_tout_2, {entier(u0), recurrence(p), entier(i), entier(j)});
  poser_suite(contexte, question, termes.at(static_cast<std::size_t>(i)), termes.at(static_cast<std::size_t>(j)));
}

}  // namespace

void exercice_1601(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const Trinome t = tirer_trinome(contexte);
  const std::string reponse = entier(t.discriminant());
  contexte.presentateur.poser_question_saisie(
      Format(contexte.textes.enonce_calculer_discriminant_polynome, {t.texte()}), reponse, reponse);
}

void exercice_1602(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const Trinome t = tirer_trinome(contexte);
  const int delta = t.discriminant();
  const auto& textes = contexte.textes;
  const std::string reponse = delta > 0 ? "2" : delta < 0 ? "0" : "1";
  const std::string& mot = delta > 0 ? textes.txt_positif : delta < 0 ? textes.txt_negatif : textes.txt_nul;
  const std::string correction = reponse + Format(textes.txt_car_discriminant, {double(delta), mot});
  contexte.presentateur.poser_question_choix(Format(textes.enonce_combien_solution_admet, {t.texte()}),
                                             {"0", "1", "2"}, reponse, correction);
}

void exercice_1603(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  Trinome t;
  do {
    t = tirer_trinome(contexte);
  } while (t.discriminant() <= 0);
  const std::string equation = t.texte() + "=0";
  const std::vector<std::string> racines = racines_liste(resoudre(equation, variable_x, false));
  contexte.presentateur.definir_reponses_ordonnees(false);
  contexte.presentateur.poser_question_double(Format(contexte.textes.enonce_donner_racines_equation, {equation}),
                                              racines, deux_accolades(racines.at(0), racines.at(1)));
}

void exercice_1604(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  Cubique p;
  do {
    p = tirer_cubique(contexte);
  } while (p.nulle() || (p.x3 != 0 && (p.x1 != 0 || p.x0 != 0)));
  const int a = R(contexte, point_min, point_max);
  const std::string f = p.texte();
  const std::string reponse = fonction(derivee_reduite(f)).numeriser(variable_x, true, a);
  contexte.presentateur.poser_question_saisie(
      Format(contexte.textes.enonce_calculer_nombre_derivee, {f, double(a)}), reponse, reponse);
}

void exercice_1605(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  Cubique p;
  do {
    p = tirer_cubique(contexte);
  } while (p.sans_zero() || p.nulle());
  const std::string f = p.texte();
  poser_derivee(contexte, f, derivee_reduite(f));
}

void exercice_1606(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  int k = 0;
  do {
    k = R(contexte, coefficient_min, coefficient_max);
  } while (k == 0);
  const std::string f = operation_ordonnee(entier(k), "sqrt(x)", "*");
  poser_derivee(contexte, f, derivee_reduite(f));
}

void exercice_1607(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  int k = 0;
  do {
    k = R(contexte, coefficient_min, coefficient_max);
  } while (k <= 0);
  const int m = R(contexte, positif_min, positif_max);
  const std::string puissance = operation_ordonnee(variable_x, entier(m), "^");
  const std::string f = operation_ordonnee("1", operation_ordonnee(entier(k), puissance, "*"), "/");
  poser_derivee(contexte, f, reduire(fraction(fonction(f).deriver(variable_x))));
}

void exercice_1608(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  int x2 = 0, x1 = 0, x0 = 0;
  do {
    x2 = R(contexte, cube_min, cube_max);
    x1 = R(contexte, carre_min, carre_max);
    x0 = R(contexte, coefficient_min, coefficient_max);
  } while (x2 + x1 + x0 == 0);
  const std::string p = ecrire_polynome({double(x0), double(x1), double(x2)}, variable_x);
  const std::string f = operation_ordonnee("1", p, "/");
  poser_derivee(contexte, f, derivee_reduite(f));
}

void exercice_1609(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  Cubique p;
  int k = 0;
  do {
    p = tirer_cubique(contexte);
    k = R(contexte, coefficient_min, coefficient_max);
  } while (p.somme() == 0);
  const std::string f = operation_ordonnee(p.texte(), operation_ordonnee(entier(k), "sqrt(x)", "*"), "+");
  poser_derivee(contexte, f, derivee_reduite(f));
}

void exercice_1610(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  int a = 0, b = 0;
  do {
    a = R(contexte, coefficient_min, coefficient_max);
    b = R(contexte, coefficient_min, coefficient_max);
  } while (a * b == 0);
  const std::string f = Format("sqrt(%s)", {affine(a, b, variable_x)});
  poser_derivee(contexte, f, derivee_reduite(f));
}

void exercice_1611(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  int a = 0, b = 0, c = 0, d = 0;
  do {
    a = R(contexte, coefficient_min, coefficient_max);
    b = R(contexte, coefficient_min, coefficient_max);
    c = R(contexte, coefficient_min, coefficient_max);
    d = R(contexte, coefficient_min, coefficient_max);
  } while (a * b * c * d == 0);
  const std::string f = operation_ordonnee(affine(a, b, variable_x), affine(c, d, variable_x), "/");
  poser_derivee(contexte, f, derivee_reduite(f));
}

void exercice_1613(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const Trinome t = tirer_trinome(contexte);
  const int x0 = R(contexte, abscisse_min, abscisse_max);
  const std::string f = t.texte();
  const std::string m = fonction(derivee_reduite(f)).numeriser(variable_x, true, x0);
  const std::string y0 = fonction(f).numeriser(variable_x, true, x0);
  const std::string tangente = Format("%s*(x-(%g))+(%s)", {m, double(x0), y0});
  const std::string equation = reduire(developper(tangente));
  const auto& textes = contexte.textes;
  const std::string question = Format(textes.enonce_fonction_definie_calculer_2, {f, double(x0), double(x0)});
  const std::string correction = "<BR>1. " + accolades(m) + "<BR>2. y = " + accolades(equation);
  contexte.presentateur.poser_question(question, Format(format_tangente, {libelle_nombre_derive, libelle_tangente}),
                                       {m, equation}, correction, true);
}

void exercice_1614(ContexteGenerateur& contexte) {
  constexpr int i_max = 4;
  constexpr int j_max = 6;
  contexte.presentateur.preparer_exercice();
  int a = 0, b = 0, c = 0, d = 0;
  do {
    a = R(contexte, coefficient_min, coefficient_max);
    b = R(contexte, coefficient_min, coefficient_max);
    c = R(contexte, positif_min, positif_max);
    d = R(contexte, positif_min, positif_max);
  } while (a * b * c * d == 0);
  const int i = R(contexte, 0, i_max);
  const int j = R(contexte, i + 1, j_max);
  const std::string u = operation_ordonnee(affine(a, b, variable_n), affine(c, d, variable_n), "/");
  poser_suite_explicite(contexte, u, i, j, fraction(terme(u, i)), fraction(terme(u, j)));
}

void exercice_1615(ContexteGenerateur& contexte) {
  constexpr int i_max = 5;
  constexpr int j_max = 8;
  contexte.presentateur.preparer_exercice();
  int a = 0, b = 0;
  do {
    a = R(contexte, coefficient_min, coefficient_max);
    b = R(contexte, coefficient_min, coefficient_max);
  } while (a * b == 0);
  const int i = R(contexte, 0, i_max);
  const int j = R(contexte, i + 1, j_max);
  const std::string u = affine(a, b, variable_n);
  poser_suite_explicite(contexte, u, i, j, terme(u, i), terme(u, j));
}

void exercice_1616(ContexteGenerateur& contexte) {
  constexpr int i_max = 3;
  constexpr int j_max = 5;
  contexte.presentateur.preparer_exercice();
  const int k = R(contexte, raison_min, raison_max);
  const int i = R(contexte, 0, i_max);
  const int j = R(contexte, i + 1, j_max);
  const std::string u = operation_ordonnee("(-1)^n", Format("%d^(n+1)", {k}), "*");
  poser_suite_explicite(contexte, u, i, j, terme(u, i), terme(u, j));
}

void exercice_1617(ContexteGenerateur& contexte) {
  constexpr int i_max = 4;
  constexpr int j_max = 6;
  contexte.presentateur.preparer_exercice();
  const int a = R(contexte, positif_min, positif_max);
  const int b = R(contexte, positif_min, positif_max);
  const int c = R(contexte, positif_min, positif_max);
  const int d = R(contexte, positif_min, positif_max);
  const int i = R(contexte, 0, i_max);
  const int j = R(contexte, i + 1, j_max);
  const std::string u =
      operation_ordonnee(Format("sqrt(%s)", {affine(a, b, variable_n)}), affine(c, d, variable_n), "/");
  // Exact terms: sqrt(a*k+b) simplified, over the integer c*k+d.
  const auto exact = [&](int k) {
    return reduire(operation(racine_simplifiee(entier(a * k + b)), entier(c * k + d), "/"));
  };
  poser_suite_explicite(contexte, u, i, j, exact(i), exact(j));
}

void exercice_1618(ContexteGenerateur& contexte) {
  constexpr int i_min = 1;
  constexpr int i_max = 4;
  constexpr int j_max = 6;
  constexpr int u0_max = 4;
  contexte.presentateur.preparer_exercice();
  const int a = R(contexte, positif_min, positif_max);
  const int b = R(contexte, positif_min, positif_max);
  const int i = R(contexte, i_min, i_max);
  const int j = R(contexte, i + 1, j_max);
  const int u0 = R(contexte, 0, u0_max);
  poser_suite_recurrente(contexte, affine(a, b, variable_n), u0, i, j);
}

void exercice_1619(ContexteGenerateur& contexte) {
  constexpr int i_min = 1;
  constexpr int i_max = 3;
  constexpr int j_max = 5;
  contexte.presentateur.preparer_exercice();
  int a = 0, c = 0;
  do {
    a = R(contexte, positif_min, carre_suite_max);
    c = R(contexte, constante_suite_min, constante_suite_max);
  } while (a * c == 0);
  const int i = R(contexte, i_min, i_max);
  const int j = R(contexte, i + 1, j_max);
  const int u0 = R(contexte, constante_suite_min, constante_suite_max);
  poser_suite_recurrente(contexte, ecrire_polynome({double(c), 0, double(a)}, variable_n), u0, i, j);
}

void enregistrer_niveau_1_polynomes() {
  enregistrer_generateur("1601", &exercice_1601);
  enregistrer_generateur("1602", &exercice_1602);
  enregistrer_generateur("1603", &exercice_1603);
  enregistrer_generateur("1604", &exercice_1604);
  enregistrer_generateur("1605", &exercice_1605);
  enregistrer_generateur("1606", &exercice_1606);
  enregistrer_generateur("1607", &exercice_1607);
  enregistrer_generateur("1608", &exercice_1608);
  enregistrer_generateur("1609", &exercice_1609);
  enregistrer_generateur("1610", &exercice_1610);
  enregistrer_generateur("1611", &exercice_1611);
  enregistrer_generateur("1613", &exercice_1613);
  enregistrer_generateur("1614", &exercice_1614);
  enregistrer_generateur("1615", &exercice_1615);
  enregistrer_generateur("1616", &exercice_1616);
  enregistrer_generateur("1617", &exercice_1617);
  enregistrer_generateur("1618", &exercice_1618);
  enregistrer_generateur("1619", &exercice_1619);
}
