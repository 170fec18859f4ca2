#include "exercises/generateurs/niveau_3_nombres_reperes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/factorisation.h"
#include "engine/fonction.h"
#include "engine/fractions.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/reduction.h"
#include "engine/vecteur.h"
#include "exercises/contexte_generateur.h"
#include "exercises/generateur.h"
#include "exercises/generateurs/outils.h"
#include "localisation/format.h"
#include "localisation/nombres.h"

namespace {

constexpr const char* format_deux_libelles = "T[%s];T[%s]";
constexpr const char* variable_x = "x";
constexpr const char* variable_y = "y";
constexpr int dix = 10;
// The names of points and of the expression of 1434.
constexpr std::string_view lettres = "ABCDFH";
constexpr std::array<const char*, 2> signes = {"+", "-"};
constexpr std::array<const char*, 2> inegalites = {"<", ">"};
constexpr std::array<const char*, 4> operateurs_fractions = {"+", "-", "*", "/"};

std::string entier(std::int64_t n) { return texte_entier(n); }

std::string accolades(const std::string& texte) { return "{" + texte + "}"; }

template <std::size_t N>
const char* tirer(ContexteGenerateur& contexte, const std::array<const char*, N>& table) {
  return table[static_cast<std::size_t>(Random(contexte, static_cast<int>(N)))];
}

std::string tirer_lettre(ContexteGenerateur& contexte) {
  return std::string(1, lettres[static_cast<std::size_t>(Random(contexte, static_cast<int>(lettres.size())))]);
}

// Random(n) + 1, `facteurs` times, multiplied.
int produit_tirages(ContexteGenerateur& contexte, int facteurs, int n) {
  int produit = 1;
  for (int i = 0; i < facteurs; ++i) produit *= Random(contexte, n) + 1;
  return produit;
}

// coefficient*variable as the engine writes it: "x" for 1, "-x" for -1, "0" for 0.
std::string monome(const std::string& coefficient, const std::string& variable) {
  return operation(coefficient, variable, "*");
}

// 1423: a system of two equations a*x+b*y = c.

struct Equation {
  int a = 0, b = 0, c = 0;
};

// The coefficients of relatif_aleatoire(5), kept as integers.
constexpr int borne_systeme = 5;

Equation tirer_equation(ContexteGenerateur& contexte) {
  Equation e;
  for (int* coefficient : {&e.a, &e.b, &e.c}) {
    *coefficient = static_cast<int>(*lire_entier32(relatif_aleatoire(contexte, borne_systeme)));
  }
  return e;
}

std::string texte_equation(const Equation& e) {
  const std::string gauche = operation(monome(entier(e.a), variable_x), monome(entier(e.b), variable_y), "+");
  return gauche + " = " + entier(e.c);
}

// p/q reduced by the engine.
std::string quotient(std::int64_t p, std::int64_t q) { return fraction(operation(entier(p), entier(q), "/")); }

// 1434, 1435: expressions joined from drawn terms.

// 1434's fractions are p/q with p and q in 2..8.
constexpr int etendue_fraction = 7;
constexpr int plus_petit_terme = 2;
constexpr int fractions_minimum = 2;
constexpr int fractions_en_plus = 3;

std::string tirer_fraction(ContexteGenerateur& contexte) {
  for (;;) {
    const int p = Random(contexte, etendue_fraction) + plus_petit_terme;
    const int q = Random(contexte, etendue_fraction) + plus_petit_terme;
    const std::string f = Format("%d/%d", {p, q});
    if (fraction(f) != "1") return f;
  }
}

// 1435: x0 in -4..3 and two or three terms.
constexpr int x0_minimum = -4;
constexpr int x0_maximum_exclu = 4;
constexpr int termes_minimum = 2;
constexpr int termes_en_plus = 2;
constexpr int etendue_lineaire = 7;
constexpr int etendue_carre = 4;

std::string tirer_terme_1435(ContexteGenerateur& contexte) {
  if (Random(contexte, 2) == 0) {
    const int k = Random(contexte, etendue_lineaire) + plus_petit_terme;
    const int a = Random(contexte, etendue_carre) + plus_petit_terme;
    const char* signe = tirer(contexte, signes);
    const int b = Random(contexte, etendue_lineaire) + plus_petit_terme;
    return Format("%d*(%d*x%s%d)", {k, a, signe, b});
  }
  const int k = Random(contexte, etendue_carre) + plus_petit_terme;
  const int a = Random(contexte, etendue_carre) + plus_petit_terme;
  const char* signe = tirer(contexte, signes);
  const int b = Random(contexte, etendue_carre) + 1;
  return Format("%d*(%d*x%s%d)^2", {k, a, signe, b});
}

// 1430, 1431: a square or a difference of squares to factorise.

void poser_factorisation(ContexteGenerateur& contexte, const std::string& expression) {
  const std::string reponse = reduire(regroupe_factorise(expression));
  contexte.presentateur.definir_forme_reponse("factoriser");
  contexte.presentateur.poser_question_saisie(
      Format(contexte.textes.enonce_factoriser_expression_2, {accolades(expression)}), reponse, accolades(reponse));
}

// 3441 to 3443: two named points with coordinates 0..14.

constexpr int etendue_coordonnee = 15;

struct DeuxPoints {
  std::string nom1, nom2;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Two different names; the second point drawn again while it is the first.
DeuxPoints tirer_points(ContexteGenerateur& contexte) {
  DeuxPoints p;
  p.nom1 = tirer_lettre(contexte);
  do {
    p.nom2 = tirer_lettre(contexte);
  } while (p.nom2 == p.nom1);
  p.x1 = Random(contexte, etendue_coordonnee);
  p.y1 = Random(contexte, etendue_coordonnee);
  do {
    p.x2 = Random(contexte, etendue_coordonnee);
    p.y2 = Random(contexte, etendue_coordonnee);
  } while (p.x2 == p.x1 && p.y2 == p.y1);
  return p;
}

// The template's arguments: the names, the four coordinates, the names.
std::string enonce_points(const std::string& modele, const DeuxPoints& p) {
  return Format(modele, {p.nom1, p.nom2, entier(p.x1), entier(p.y1), entier(p.x2), entier(p.y2), p.nom1, p.nom2});
}

void poser_coordonnees(ContexteGenerateur& contexte, const std::string& enonce, const std::string& abscisse,
                       const std::string& ordonnee) {
  const auto& t = contexte.textes;
  contexte.presentateur.poser_question(enonce, Format(format_deux_libelles, {t.txt_abscisse, t.txt_ordonnee}),
                                       {abscisse, ordonnee}, "(" + accolades(abscisse) + ";" + accolades(ordonnee) + ")",
                                       true);
}

}  // namespace

void exercice_1422(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  std::string a;
  do {
    a = relatif_aleatoire(contexte, dix);
  } while (a == "0");
  const std::string b = relatif_aleatoire(contexte, dix);
  const std::string c = relatif_aleatoire(contexte, dix);
  const char* i = tirer(contexte, inegalites);
  const char* j = i;
  while (j == i) j = tirer(contexte, inegalites);
  const std::string inequation = operation(monome(a, variable_x), b, "+") + i + c;
  const std::string borne = fraction(operation(operation(c, b, "-"), a, "/"));
  const std::string signe = est_negatif(a) ? j : i;
  contexte.presentateur.poser_question_saisie(
      Format(contexte.textes.enonce_quelle_valeur_expression, {accolades(inequation)}), variable_x + signe + borne,
      variable_x + signe + accolades(borne));
}

void exercice_1423(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  Equation e1;
  Equation e2;
  std::int64_t determinant = 0;
  while (determinant == 0) {
    e1 = tirer_equation(contexte);
    e2 = tirer_equation(contexte);
    determinant = static_cast<std::int64_t>(e1.a) * e2.b - static_cast<std::int64_t>(e2.a) * e1.b;
  }
  const std::string x = quotient(static_cast<std::int64_t>(e1.c) * e2.b - static_cast<std::int64_t>(e2.c) * e1.b,
                                 determinant);
  const std::string y = quotient(static_cast<std::int64_t>(e1.a) * e2.c - static_cast<std::int64_t>(e2.a) * e1.c,
                                 determinant);
  contexte.presentateur.poser_question(
      Format(contexte.textes.enonce_resoudre_systeme,
             {accolades(texte_equation(e1)), accolades(texte_equation(e2))}),
      Format(format_deux_libelles, {variable_x, variable_y}), {x, y}, accolades(x) + ";" + accolades(y), true);
}

void exercice_1427(ContexteGenerateur& contexte) {
  constexpr int facteurs = 3;
  contexte.presentateur.preparer_exercice();
  int a = 0;
  int b = 0;
  do {
    a = produit_tirages(contexte, facteurs, dix);
    b = produit_tirages(contexte, facteurs, dix);
  } while (a <= b);
  const std::string reponse = entier(pgcd(a, b));
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_calculer_pgcd, {a, b}), reponse,
                                              accolades(reponse));
}

void exercice_1428(ContexteGenerateur& contexte) {
  constexpr int mille = 1000;
  contexte.presentateur.preparer_exercice();
  int a = 0;
  int b = 0;
  do {
    a = Random(contexte, mille) + 1;
    b = Random(contexte, mille) + 1;
  } while (a <= b);
  const std::int64_t diviseur = pgcd(a, b);
  const auto& t = contexte.textes;
  const std::string reponse = diviseur == 1 ? t.txt_oui : t.txt_non;
  contexte.presentateur.poser_question_choix(Format(t.enonce_nombres_sont_ils, {a, b}), {t.txt_oui, t.txt_non},
                                             reponse, reponse + Format(t.txt_car_leur_pgcd, {diviseur}));
}

void exercice_1429(ContexteGenerateur& contexte) {
  constexpr int facteurs = 4;
  constexpr int etendue = 7;
  contexte.presentateur.preparer_exercice();
  const int a = produit_tirages(contexte, facteurs, etendue);
  const int b = produit_tirages(contexte, facteurs, etendue);
  const std::string texte = operation(entier(a), entier(b), "/");
  const std::string reponse = fraction(texte);
  contexte.presentateur.poser_question_saisie(
      Format(contexte.textes.enonce_mettre_sous_forme_7, {accolades(texte)}), reponse, accolades(reponse));
}

void exercice_1430(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int a = Random(contexte, dix) + 1;
  const int c = Random(contexte, dix) + 1;
  const char* signe = tirer(contexte, signes);
  const std::string carre = monome(entier(a * a), "x^2");
  const std::string double_produit = monome(entier(2 * a * c), variable_x);
  poser_factorisation(contexte, operation(operation(carre, double_produit, signe), entier(c * c), "+"));
}

void exercice_1431(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int a = Random(contexte, dix) + 1;
  const int c = Random(contexte, dix) + 1;
  poser_factorisation(contexte, operation(monome(entier(a * a), "x^2"), entier(c * c), "-"));
}

void exercice_1434(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int n = Random(contexte, fractions_en_plus) + fractions_minimum;
  std::string texte = tirer_fraction(contexte);
  for (int k = 1; k < n; ++k) {
    const char* op = tirer(contexte, operateurs_fractions);
    texte = operation(texte, tirer_fraction(contexte), op);
  }
  const std::string nom = tirer_lettre(contexte);
  const std::string reponse = fraction(texte);
  contexte.presentateur.poser_question_saisie(
      Format(contexte.textes.enonce_ecrire_sous_forme_6, {nom, nom, accolades(texte)}), reponse, accolades(reponse));
}

void exercice_1435(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int x0 = RandomRange(contexte, x0_minimum, x0_maximum_exclu);
  const int n = Random(contexte, termes_en_plus) + termes_minimum;
  std::string f = tirer_terme_1435(contexte);
  for (int k = 1; k < n; ++k) {
    const char* signe = tirer(contexte, signes);
    f = operation(f, tirer_terme_1435(contexte), signe);
  }
  const std::string reponse = fonction(f).numeriser(variable_x, true, x0);
  contexte.presentateur.poser_question_saisie(
      Format(contexte.textes.enonce_application_definie_calculer, {accolades(f), static_cast<double>(x0)}), reponse,
      accolades(reponse));
}

void exercice_3441(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const DeuxPoints p = tirer_points(contexte);
  poser_coordonnees(contexte, enonce_points(contexte.textes.enonce_repere_plan_deux, p), entier(p.x2 - p.x1),
                    entier(p.y2 - p.y1));
}

void exercice_3442(ContexteGenerateur& contexte) {
  constexpr int dimension = 2;
  contexte.presentateur.preparer_exercice();
  const DeuxPoints p = tirer_points(contexte);
  Tvecteur v = Tvecteur::Create(p.nom1, p.nom2, dimension);
  v.coordonnees = {entier(p.x2 - p.x1), entier(p.y2 - p.y1)};
  const std::string reponse = v.norme();
  contexte.presentateur.poser_question_saisie(enonce_points(contexte.textes.enonce_plan_muni_repere, p), reponse,
                                              accolades(reponse));
}

void exercice_3443(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const DeuxPoints p = tirer_points(contexte);
  const auto milieu = [](int u, int v) { return quotient(static_cast<std::int64_t>(u) + v, 2); };
  poser_coordonnees(contexte, enonce_points(contexte.textes.enonce_repere_plan_deux_2, p), milieu(p.x2, p.x1),
                    milieu(p.y2, p.y1));
}

void enregistrer_niveau_3_nombres_reperes() {
  enregistrer_generateur("1422", &exercice_1422);
  enregistrer_generateur("1423", &exercice_1423);
  enregistrer_generateur("1427", &exercice_1427);
  enregistrer_generateur("1428", &exercice_1428);
  enregistrer_generateur("1429", &exercice_1429);
  enregistrer_generateur("1430", &exercice_1430);
  enregistrer_generateur("1431", &exercice_1431);
  enregistrer_generateur("1434", &exercice_1434);
  enregistrer_generateur("1435", &exercice_1435);
  enregistrer_generateur("3441", &exercice_3441);
  enregistrer_generateur("3442", &exercice_3442);
  enregistrer_generateur("3443", &exercice_3443);
}
