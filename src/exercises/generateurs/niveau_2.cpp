#include "exercises/generateurs/niveau_2.h"

#include <optional>
#include <string>
#include <vector>

#include "engine/fractions.h"
#include "engine/operation.h"
#include "engine/regroupement.h"
#include "engine/resoudre.h"
#include "exercises/contexte_generateur.h"
#include "exercises/generateur.h"
#include "exercises/generateurs/outils.h"
#include "localisation/format.h"

namespace {

constexpr const char* variables = "xyz";
constexpr int nombre_variables = 3;
constexpr const char* signes = "+-";
// 1501 draws its fractions from 11, the others their coefficients from 5.
constexpr int etendue_1501 = 11;
constexpr int etendue_coefficients = 5;

using Coefficient = std::string (*)(ContexteGenerateur&, int);

std::string entre_accolades(const std::string& texte) { return "{" + texte + "}"; }

std::string variable_tiree(ContexteGenerateur& contexte) {
  return std::string(1, variables[Random(contexte, nombre_variables)]);
}

std::string signe_tire(ContexteGenerateur& contexte) { return std::string(1, signes[Random(contexte, 2)]); }

// The coefficient routine of one exercise: fractions or integers, even chances.
Coefficient routine_tiree(ContexteGenerateur& contexte) {
  return Random(contexte, 2) == 1 ? &fraction_aleatoire : &generer_relatif;
}

// The binomial a*v +- b that 1502 and 1503 square, drawn in this order: the
// variable, the coefficient routine, then a and b from it.
struct Binome {
  std::string v;
  std::string a;
  std::string b;
};

Binome tirer_binome(ContexteGenerateur& contexte) {
  Binome tire;
  tire.v = variable_tiree(contexte);
  const Coefficient h = routine_tiree(contexte);
  tire.a = h(contexte, etendue_coefficients);
  tire.b = h(contexte, etendue_coefficients);
  return tire;
}

// The reduced square of a coefficient.
std::string carre(const std::string& a) { return fraction(operation_ordonnee(a, "2", "^")); }

// A*v^2 with A the square of `a`.
std::string terme_carre(const std::string& a, const std::string& v) { return carre(a) + "*" + v + "^2"; }

// The roots the solver gives for the equation in `v`, when it gives exactly
// `nombre` of them; nothing otherwise, and the exercise is drawn again.
std::optional<std::vector<std::string>> racines(const std::string& equation, const std::string& v,
                                                std::size_t nombre) {
  return valeurs_solveur(resoudre(equation, v, false), nombre);
}

std::string enonce(ContexteGenerateur& contexte, const std::string& equation) {
  return Format(contexte.textes.enonce_resoudre_equation, {entre_accolades(equation)});
}

void poser_une_racine(ContexteGenerateur& contexte, const std::string& equation, const std::string& racine) {
  contexte.presentateur.poser_question_saisie(enonce(contexte, equation), racine, entre_accolades(racine));
}

// Two roots typed in either order.
void poser_deux_racines(ContexteGenerateur& contexte, const std::string& equation,
                        const std::vector<std::string>& r) {
  contexte.presentateur.definir_reponses_ordonnees(false);
  contexte.presentateur.poser_question_double(enonce(contexte, equation), r,
                                              entre_accolades(r[0]) + ";" + entre_accolades(r[1]));
}

}  // namespace

void exercice_1501(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  for (;;) {
    const std::string v = variable_tiree(contexte);
    const std::string p = fraction_aleatoire(contexte, etendue_1501);
    const std::string q = fraction_aleatoire(contexte, etendue_1501);
    const std::string signe = signe_tire(contexte);
    const std::string equation = operation_ordonnee(q + "*" + v, p, signe) + "=0";
    if (const auto r = racines(equation, v, 1)) {
      poser_une_racine(contexte, equation, r->front());
      return;
    }
  }
}

void exercice_1502(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  for (;;) {
    const auto [v, a, b] = tirer_binome(contexte);
    const std::string signe = signe_tire(contexte);
    // (a*v +- b)^2 expanded: a perfect square, so one double root.
    const std::string double_produit =
        regroupe_somme(operation_ordonnee(operation_ordonnee(operation_ordonnee("2", a, "*"), b, "*"), v, "*"));
    const std::string membre =
        somme_lisible(operation_ordonnee(terme_carre(a, v), carre(b), "+"), double_produit, signe);
    const std::string equation = membre + "=0";
    if (const auto r = racines(equation, v, 1)) {
      poser_une_racine(contexte, equation, r->front());
      return;
    }
  }
}

void exercice_1503(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  for (;;) {
    const auto [v, a, b] = tirer_binome(contexte);
    const std::string equation = operation_ordonnee(terme_carre(a, v), carre(b), "-") + "=0";
    if (const auto r = racines(equation, v, 2)) {
      poser_deux_racines(contexte, equation, *r);
      return;
    }
  }
}

void exercice_1504(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  for (;;) {
    const std::string v = variable_tiree(contexte);
    const Coefficient h = routine_tiree(contexte);
    const std::string p1 = h(contexte, etendue_coefficients);
    const std::string q1 = h(contexte, etendue_coefficients);
    const std::string p2 = h(contexte, etendue_coefficients);
    const std::string q2 = h(contexte, etendue_coefficients);
    const std::string f1 = operation_ordonnee(operation_ordonnee(q1, v, "*"), p1, "+");
    const std::string f2 = operation_ordonnee(operation_ordonnee(q2, v, "*"), p2, "+");
    const std::string equation = operation_ordonnee(f1, f2, "*") + "=0";
    const std::string solution = resoudre(equation, v, false);
    if (const auto r = valeurs_solveur(solution, 2)) {
      poser_deux_racines(contexte, equation, *r);
      return;
    }
    // Proportional factors: one double root, asked once.
    if (const auto r = valeurs_solveur(solution, 1)) {
      poser_une_racine(contexte, equation, r->front());
      return;
    }
  }
}

void enregistrer_niveau_2() {
  enregistrer_generateur("1501", &exercice_1501);
  enregistrer_generateur("1502", &exercice_1502);
  enregistrer_generateur("1503", &exercice_1503);
  enregistrer_generateur("1504", &exercice_1504);
}
