#include "exercises/generateurs/niveau_3_calcul_litteral.h"

#include <cstdint>
#include <string>
#include <vector>

#include "engine/decomposition.h"
#include "engine/developpement.h"
#include "engine/factorisation.h"
#include "engine/fractions.h"
#include "engine/operation.h"
#include "engine/parentheses.h"
#include "engine/primitives.h"
#include "engine/radicaux.h"
#include "engine/reduction.h"
#include "engine/regroupement.h"
#include "exercises/contexte_generateur.h"
#include "exercises/generateur.h"
#include "exercises/generateurs/outils.h"
#include "localisation/format.h"
#include "localisation/nombres.h"

namespace {

constexpr const char* forme_factorisee = "factoriser";
constexpr int dix = 10;

std::string entier(std::int64_t n) { return texte_entier(n); }

std::string accolades(const std::string& texte) { return "{" + texte + "}"; }

std::string racine(std::int64_t n) { return "sqrt(" + entier(n) + ")"; }

// "+" or "-" with equal chances.
std::string signe_aleatoire(ContexteGenerateur& contexte) { return Random(contexte, 2) == 0 ? "+" : "-"; }

// The terms of a sum at its top level: 1 for a product or a negated term.
std::size_t nombre_termes(const std::string& texte) {
  std::vector<std::string> termes;
  std::vector<std::string> signes;
  decompose_somme(texte, termes, signes);
  return termes.size();
}

// The simplified square root of n is a whole number (n is a perfect square).
bool racine_entiere_exacte(std::int64_t n) { return est_entier(racine_simplifiee(entier(n))); }

// The integer coefficient and the root of a simplified root: 2*sqrt(3) gives
// 2 and sqrt(3), sqrt(5) gives 1 and sqrt(5), 4 gives 4 and 1.
struct RacineSeparee {
  std::string coefficient;
  std::string racine;
};

RacineSeparee separer_racine(std::int64_t n) {
  RacineSeparee r;
  separe_coefficient(racine_simplifiee(entier(n)), r.coefficient, r.racine);
  return r;
}

// Two draws Random(n), both drawn again while either is 0.
struct Paire {
  int a = 0;
  int b = 0;
};

Paire paire_non_nulle(ContexteGenerateur& contexte, int n) {
  Paire p;
  do {
    p.a = Random(contexte, n);
    p.b = Random(contexte, n);
  } while (p.a == 0 || p.b == 0);
  return p;
}

// b and c in 1..19 and their product a = b*c.
struct ProduitRacines {
  std::int64_t a = 0;
  std::int64_t b = 0;
  std::int64_t c = 0;
};

ProduitRacines produit_racines(ContexteGenerateur& contexte) {
  constexpr int etendue = 19;
  ProduitRacines p;
  p.b = Random(contexte, etendue) + 1;
  p.c = Random(contexte, etendue) + 1;
  p.a = p.b * p.c;
  return p;
}

// One statement with one expected answer, the correction in braces.
void poser(ContexteGenerateur& contexte, const std::string& enonce, const std::string& reponse) {
  contexte.presentateur.poser_question_saisie(enonce, reponse, accolades(reponse));
}

}  // namespace

void exercice_1411(ContexteGenerateur& contexte) {
  constexpr int etendue_affine = 10;
  contexte.presentateur.preparer_exercice();
  std::string e;
  std::string montree;
  std::string reponse;
  do {
    const std::string e1 = affine_aleatoire(contexte, etendue_affine);
    const std::string e2 = affine_aleatoire(contexte, etendue_affine);
    const std::string e3 = affine_aleatoire(contexte, etendue_affine);
    const bool p_inverse = Random(contexte, 2) == 1;
    const bool q_inverse = Random(contexte, 2) == 1;
    const std::string signe = signe_aleatoire(contexte);
    const std::string p = p_inverse ? operation_ordonnee(e2, e1, "*") : operation_ordonnee(e1, e2, "*");
    const std::string q = q_inverse ? operation_ordonnee(e1, e3, "*") : operation_ordonnee(e3, e1, "*");
    e = somme_lisible(p, q, signe);
    montree = reduire(e);
    reponse = reduire(regroupe_factorise(e));
    // The shown text must be a sum or a difference, and the expected answer
    // one product: the factorised form is judged as one.
  } while (nombre_termes(montree) < 2 || nombre_termes(reponse) != 1);
  contexte.calculatrice.definir_texte(e);
  contexte.presentateur.definir_forme_reponse(forme_factorisee);
  poser(contexte, Format(contexte.textes.enonce_factoriser_expression, {accolades(montree)}), reponse);
}

void exercice_1412(ContexteGenerateur& contexte) {
  constexpr int etendue = 10;
  constexpr int formes = 3;
  contexte.presentateur.preparer_exercice();
  const Paire c = paire_non_nulle(contexte, etendue);
  const std::string ta = operation(entier(c.a), "a", "*");
  const std::string tb = operation(entier(c.b), "b", "*");
  const std::string somme = operation(ta, tb, "+");
  const std::string difference = operation(ta, tb, "-");
  std::string expression;
  switch (Random(contexte, formes)) {
    case 0:
      expression = joint_avec_parentheses(somme, "2", "^");
      break;
    case 1:
      expression = joint_avec_parentheses(difference, "2", "^");
      break;
    default:
      expression = joint_avec_parentheses(somme, difference, "*");
      break;
  }
  poser(contexte, Format(contexte.textes.enonce_utilisant_identite_remarquable, {accolades(expression)}),
        regroupe_somme(developper(expression)));
}

void exercice_1413(ContexteGenerateur& contexte) {
  constexpr int etendue_ecart = 5;
  constexpr int plus_petit_exposant = 2;
  contexte.presentateur.preparer_exercice();
  std::int64_t base = 1;
  for (int i = Random(contexte, 2) + plus_petit_exposant; i > 0; --i) base *= dix;
  std::int64_t ecart = 0;
  do {
    const int s = Random(contexte, 2) == 0 ? 1 : -1;
    ecart = s * Random(contexte, etendue_ecart);
  } while (ecart == 0);
  const std::int64_t n = base + ecart;
  poser(contexte, Format(contexte.textes.enonce_utilisant_identite_remarquable_2, {accolades(entier(n) + "^2")}),
        entier(n * n));
}

void exercice_1414(ContexteGenerateur& contexte) {
  constexpr int etendue = 1000;
  contexte.presentateur.preparer_exercice();
  const int a = Random(contexte, etendue);
  const std::string texte = Random(contexte, 2) == 0 ? "sqrt(" + entier(a) + "^2)" : racine(a) + "^2";
  poser(contexte, Format(contexte.textes.enonce_calculer_expression_2, {accolades(texte)}), entier(a));
}

void exercice_1415(ContexteGenerateur& contexte) {
  constexpr int etendue = 50;
  contexte.presentateur.preparer_exercice();
  int a = 0;
  while (a == 0) a = Random(contexte, etendue);
  const std::string positive = entier(a);
  const std::string negative = entier(-a);
  contexte.presentateur.definir_reponses_ordonnees(false);
  contexte.presentateur.poser_question_double(
      Format(contexte.textes.enonce_trouver_tel, {accolades("x^2"), static_cast<double>(a) * a}),
      {positive, negative}, positive + ";" + negative);
}

void exercice_1416(ContexteGenerateur& contexte) {
  constexpr int etendue = 50;
  contexte.presentateur.preparer_exercice();
  const Paire p = paire_non_nulle(contexte, etendue);
  const std::string texte = operation(racine(p.a), racine(p.b), "*");
  poser(contexte, Format(contexte.textes.enonce_mettre_sous_meme, {accolades(texte)}),
        racine(static_cast<std::int64_t>(p.a) * p.b));
}

void exercice_1417(ContexteGenerateur& contexte) {
  constexpr int etendue = 50;
  contexte.presentateur.preparer_exercice();
  const Paire p = paire_non_nulle(contexte, etendue);
  const std::string texte = operation(racine(p.a), racine(p.b), "/");
  poser(contexte, Format(contexte.textes.enonce_mettre_sous_meme_2, {accolades(texte)}),
        "sqrt(" + fraction(entier(p.a) + "/" + entier(p.b)) + ")");
}

void exercice_1418(ContexteGenerateur& contexte) {
  constexpr int etendue = 20;
  constexpr int facteurs = 3;
  contexte.presentateur.preparer_exercice();
  std::int64_t p = 1;
  do {
    p = 1;
    for (int i = 0; i < facteurs; ++i) {
      int f = 0;
      while (f == 0) f = Random(contexte, etendue);
      p *= f;
    }
  } while (racine_entiere_exacte(p));
  poser(contexte, Format(contexte.textes.enonce_ecrire_sous_forme_2, {accolades(racine(p))}),
        racine_simplifiee(entier(p)));
}

void exercice_1419(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  ProduitRacines r;
  do {
    r = produit_racines(contexte);
  } while (racine_entiere_exacte(r.c));
  const std::string texte = operation(racine(r.a), racine(r.b), "/");
  poser(contexte, Format(contexte.textes.enonce_ecrire_sous_forme_3, {accolades(texte)}),
        racine_simplifiee(entier(r.c)));
}

void exercice_14110(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const ProduitRacines r = produit_racines(contexte);
  // 1/sqrt(a) = k*R/a for sqrt(a) = k*R; a perfect square gives a fraction.
  const RacineSeparee s = separer_racine(r.a);
  const std::string reponse = operation(fraction(s.coefficient + "/" + entier(r.a)), s.racine, "*");
  const std::string texte = operation("1", racine(r.a), "/");
  poser(contexte, Format(contexte.textes.enonce_ecrire_sous_forme_4, {accolades(texte)}), reponse);
}

void exercice_14111(ContexteGenerateur& contexte) {
  constexpr int etendue = 10;
  contexte.presentateur.preparer_exercice();
  int a = 0;
  int b = 0;
  do {
    a = Random(contexte, etendue) + 1;
    b = Random(contexte, etendue) + 1;
  } while (racine_entiere_exacte(b));
  const std::string signe = signe_aleatoire(contexte);
  const std::string texte = Format("(%d%ssqrt(%d))^2", {a, signe, b});
  const RacineSeparee s = separer_racine(b);
  poser(contexte, Format(contexte.textes.enonce_mettre_sous_forme_6, {accolades(texte), signe, s.racine}),
        regroupe_somme(developper(texte)));
}

void exercice_14112(ContexteGenerateur& contexte) {
  constexpr int etendue_radicande = 8;
  constexpr int plus_petit_radicande = 2;
  constexpr int etendue_termes = 3;
  constexpr int plus_petit_nombre_termes = 2;
  constexpr int etendue_coefficient = 8;
  constexpr int etendue_facteur = 6;
  contexte.presentateur.preparer_exercice();
  int m = 0;
  do {
    m = Random(contexte, etendue_radicande) + plus_petit_radicande;
  } while (separer_racine(m).coefficient != "1");
  const int termes = Random(contexte, etendue_termes) + plus_petit_nombre_termes;
  std::string somme;
  for (int i = 0; i < termes; ++i) {
    const int coefficient = Random(contexte, etendue_coefficient) + 1;
    const int facteur = Random(contexte, etendue_facteur) + 1;
    const std::string terme = Format("%d*sqrt(%d)", {coefficient, facteur * facteur * m});
    somme = i == 0 ? terme : operation(somme, terme, signe_aleatoire(contexte));
  }
  poser(contexte, Format(contexte.textes.enonce_ecrire_sous_forme_5, {accolades(somme)}), calcul_radical(somme));
}

void enregistrer_niveau_3_calcul_litteral() {
  enregistrer_generateur("1411", &exercice_1411);
  enregistrer_generateur("1412", &exercice_1412);
  enregistrer_generateur("1413", &exercice_1413);
  enregistrer_generateur("1414", &exercice_1414);
  enregistrer_generateur("1415", &exercice_1415);
  enregistrer_generateur("1416", &exercice_1416);
  enregistrer_generateur("1417", &exercice_1417);
  enregistrer_generateur("1418", &exercice_1418);
  enregistrer_generateur("1419", &exercice_1419);
  enregistrer_generateur("14110", &exercice_14110);
  enregistrer_generateur("14111", &exercice_14111);
  enregistrer_generateur("14112", &exercice_14112);
}
