#include "exercises/generateurs/niveau_1_suites.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/developpement.h"
#include "engine/fractions.h"
#include "engine/fonction.h"
#include "engine/operation.h"
#include "engine/polynome.h"
#include "engine/reduction.h"
#include "engine/resoudre.h"
#include "exercises/contexte_generateur.h"
#include "exercises/generateur.h"
#include "exercises/generateurs/outils.h"
#include "exercises/generateurs/outils_niveau_1.h"
#include "localisation/format.h"
#include "localisation/nombres.h"

namespace {

constexpr const char* variable = "n";
// The ratios of the arithmetic sequences: -10..9 without 0.
constexpr int raison_min = -10;
constexpr int raison_max_exclue = 10;
// The first terms of the arithmetic sequences: -5..4.
constexpr int premier_min = -5;
constexpr int premier_max_exclu = 5;
// The ratios of the geometric sequences: -3, -2 or 2; first terms -7..6.
constexpr int ratio_min = -3;
constexpr int ratio_max_exclu = 3;
constexpr int premier_geometrique_min = -7;
constexpr int premier_geometrique_max_exclu = 7;
// The sums of 1628 and 1629 start at 0..4 and hold 7 terms at least, the
// last index below 30; 1630's start at 1..4, the last index below 15.
constexpr int debut_somme_max_exclu = 5;
constexpr int termes_min = 6;
constexpr int fin_somme_max_exclue = 30;
constexpr int debut_geometrique_min = 1;
constexpr int fin_geometrique_max_exclue = 15;
constexpr int premier_somme_geometrique_min = -2;
constexpr int premier_somme_geometrique_max_exclu = 2;
constexpr const char* points_suspension = ". . .";
constexpr const char* terme_courant = "u_(n)";
// 1622's steps and first terms: -5..4; 1623's numbers: 1..4.
constexpr int pas_min = -5;
constexpr int pas_max_exclu = 5;
constexpr int rapport_min = 1;
constexpr int rapport_max_exclu = 5;
// The asked index: 1..4.
constexpr int indice_min = 1;
constexpr int indice_max_exclu = 5;

// RandomRange(a, b) drawn again while 0.
int non_nul(ContexteGenerateur& contexte, int a, int b) {
  int v = 0;
  while (v == 0) v = RandomRange(contexte, a, b);
  return v;
}

std::int64_t puissance(std::int64_t base, int exposant) {
  std::int64_t p = 1;
  for (int e = 0; e < exposant; ++e) p *= base;
  return p;
}

// The two answers u_n and u_k, in order, corrected as "{u_n;u_k}".
void poser_terme(ContexteGenerateur& contexte, const std::string& question, const std::string& u_n,
                 std::int64_t u_k) {
  const std::string terme = texte_entier(u_k);
  contexte.presentateur.poser_question(question, "T[1.];T[2.]", {u_n, terme},
                                       Format("{%s;%s}", {u_n, terme}), true);
}

std::string entier(std::int64_t n) { return texte_entier(n); }

// An arithmetic sum from u_i to u_j: the draws, the count and the sum.
struct SommeArithmetique {
  int r = 0, u0 = 0, i = 0, j = 0;
  std::int64_t terme(int k) const { return static_cast<std::int64_t>(r) * k + u0; }
  std::int64_t nombre() const { return j - i + 1; }
  std::int64_t somme() const { return (terme(i) + terme(j)) * nombre() / 2; }
};

// Drawn again while the sum equals the count: the two answers would be
// judged alike in either slot.
SommeArithmetique somme_arithmetique(ContexteGenerateur& contexte) {
  SommeArithmetique s;
  do {
    s.r = non_nul(contexte, raison_min, raison_max_exclue);
    s.u0 = RandomRange(contexte, premier_min, premier_max_exclu);
    s.i = RandomRange(contexte, 0, debut_somme_max_exclu);
    s.j = RandomRange(contexte, s.i + termes_min, fin_somme_max_exclue);
  } while (s.somme() == s.nombre());
  return s;
}

// 1629 shows the terms joined by operation, which drops a term 0: the pupil
// would count one term less than the sum holds. Drawn again while a shown
// term is 0.
SommeArithmetique somme_sans_terme_nul(ContexteGenerateur& contexte) {
  SommeArithmetique s;
  do {
    s = somme_arithmetique(contexte);
  } while (s.terme(s.i) == 0 || s.terme(s.i + 1) == 0 || s.terme(s.i + 2) == 0 || s.terme(s.j) == 0);
  return s;
}

void poser_nombre_et_somme(ContexteGenerateur& contexte, const std::string& question, const SommeArithmetique& s) {
  const std::string nombre = entier(s.nombre());
  const std::string somme = entier(s.somme());
  contexte.presentateur.poser_question(question, "T[1.];T[2.]", {nombre, somme}, nombre + ";" + somme, true);
}

// The two sequences of 1624 and 1625: the choice of the kind first, then
// the ratio and the general term.
void poser_nature(ContexteGenerateur& contexte, bool arithmetique, int premier, const std::string& recurrence,
                  int raison, const std::string& u_n) {
  const auto& t = contexte.textes;
  const std::string& nature = arithmetique ? t.txt_suite_arithmetique : t.txt_suite_geometrique;
  const std::string format = "C[1.](" + t.txt_suite_arithmetique + ";" + t.txt_suite_geometrique + ");T[2.];T[3.]";
  contexte.presentateur.poser_question(Format(t.enonce_suite_definie_tout_4, {premier, recurrence}), format,
                                       {nature, entier(raison), u_n},
                                       Format(t.txt_correction_nature_suite, {nature, raison, u_n}), true);
}

void poser_sens(ContexteGenerateur& contexte, bool croissante, int premier, const std::string& recurrence) {
  const auto& t = contexte.textes;
  const std::string& sens = croissante ? t.txt_croissante : t.txt_decroissante;
  contexte.presentateur.poser_question_choix(Format(t.enonce_suite_definie_tout_3, {premier, recurrence}),
                                             {t.txt_croissante, t.txt_decroissante}, sens, sens);
}


constexpr const char* variable_x = "x";
// The cubic's high powers are small (-1 or 0), its x and constant terms
// -10..9; the other coefficients -5..4; 1632's first factor 0..9.
constexpr int haut_min = -1;
constexpr int haut_max_exclu = 1;
constexpr int bas_min = -10;
constexpr int bas_max_exclu = 10;
constexpr int coefficient_min = -5;
constexpr int coefficient_max_exclu = 5;
constexpr int chiffres = 10;

struct Tirage {
  int min = 0;
  int max_exclu = 0;
};

// The polynomial of coefficients drawn from the highest power down, drawn
// again while all are 0 (an empty factor).
std::string polynome_tire(ContexteGenerateur& contexte, const std::vector<Tirage>& tirages) {
  std::vector<double> coefficients(tirages.size(), 0);
  auto tous_nuls = [&coefficients] {
    for (const double c : coefficients)
      if (c != 0) return false;
    return true;
  };
  while (tous_nuls()) {
    for (std::size_t k = 0; k < tirages.size(); ++k)
      coefficients[tirages.size() - 1 - k] = RandomRange(contexte, tirages[k].min, tirages[k].max_exclu);
  }
  return ecrire_polynome(coefficients, variable_x);
}

std::string cubique(ContexteGenerateur& contexte) {
  return polynome_tire(contexte, {{haut_min, haut_max_exclu},
                                  {haut_min, haut_max_exclu},
                                  {bas_min, bas_max_exclu},
                                  {bas_min, bas_max_exclu}});
}

// 1632's first factor: two Random(10) draws, again while both are 0.
std::string affine_chiffres(ContexteGenerateur& contexte) {
  std::vector<double> c = {0, 0};
  while (c[0] == 0 && c[1] == 0) {
    c[1] = Random(contexte, chiffres);
    c[0] = Random(contexte, chiffres);
  }
  return ecrire_polynome(c, variable_x);
}

void poser_developpement(ContexteGenerateur& contexte, const std::string& affiche) {
  const std::string e = reduire(developper(affiche));
  const std::string degre = polynome::Create(e).degre;
  contexte.presentateur.poser_question(Format(contexte.textes.enonce_developpez_reduire_polynome, {affiche}),
                                       "T[1.];T[2.]", {e, degre}, "{" + e + "};{" + degre + "}", true);
}

// a*x^2 + b*x + c through operation, a not 0 and two distinct real roots.
struct Quadratique {
  int a = 0, b = 0, c = 0;
  constexpr static int quatre = 4;
  int discriminant() const { return b * b - quatre * a * c; }
  int valeur(int x) const { return a * x * x + b * x + c; }
  std::string texte() const {
    const std::string carre = operation(entier(a), "x^2", "*");
    return operation(operation(carre, operation(entier(b), variable_x, "*"), "+"), entier(c), "+");
  }
};

Quadratique quadratique_deux_racines(ContexteGenerateur& contexte) {
  Quadratique q;
  while (q.a == 0 || q.discriminant() <= 0) {
    q.a = RandomRange(contexte, coefficient_min, coefficient_max_exclu);
    q.b = RandomRange(contexte, coefficient_min, coefficient_max_exclu);
    q.c = RandomRange(contexte, coefficient_min, coefficient_max_exclu);
  }
  return q;
}

int racine_choisie(ContexteGenerateur& contexte) { return RandomFrom(contexte, {-2, -1, 1, 2}); }

// (x - r)*Q expanded and reduced, with x - r written by operation.
std::string produit_developpe(const std::string& x_moins_r, const Quadratique& q) {
  return reduire(developper(operation_ordonnee(x_moins_r, q.texte(), "*")));
}

// a*n + b in ascending powers.
std::string affine_n(int a, int b) { return ecrire_polynome({double(b), double(a)}, variable); }

// u_n with n replaced by the term s, as a fraction.
std::string terme_decale(const std::string& u_n, const std::string& s) {
  return fraction(fonction(u_n).numeriser_substitution(variable, s, true));
}

void poser_decalage(ContexteGenerateur& contexte, const std::string& u_n, const std::string& s) {
  const std::string reponse = terme_decale(u_n, s);
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_suite_definie_exprimez, {u_n, s}),
                                              reponse, "{" + reponse + "}");
}

// The shift k of 1620 and 1621: -1..2.
constexpr int decalage_min = -1;
constexpr int decalage_max_exclu = 3;
constexpr int positif_min = 1;
constexpr int positif_max_exclu = 5;

}  // namespace

void exercice_1620(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  int a = 0, b = 0, c = 0, d = 0;
  while (a * b * c * d == 0) {
    a = RandomRange(contexte, premier_min, premier_max_exclu);
    b = RandomRange(contexte, premier_min, premier_max_exclu);
    c = RandomRange(contexte, positif_min, positif_max_exclu);
    d = RandomRange(contexte, positif_min, positif_max_exclu);
  }
  std::string s = variable;
  while (s == variable) {
    s = operation_ordonnee(variable, entier(RandomRange(contexte, decalage_min, decalage_max_exclu)), "+");
  }
  poser_decalage(contexte, operation_ordonnee(affine_n(a, b), affine_n(c, d), "/"), s);
}

void exercice_1621(ContexteGenerateur& contexte) {
  constexpr std::array<const char*, 2> operateurs = {"+", "*"};
  contexte.presentateur.preparer_exercice();
  int a = 0, b = 0;
  while (a * b == 0) {
    a = RandomRange(contexte, premier_min, premier_max_exclu);
    b = RandomRange(contexte, premier_min, premier_max_exclu);
  }
  std::string s = variable;
  while (s == variable || s == "0" || s == "-n") {
    const int k = RandomRange(contexte, decalage_min, decalage_max_exclu);
    const char* op = operateurs[static_cast<std::size_t>(Random(contexte, static_cast<int>(operateurs.size())))];
    s = operation_ordonnee(variable, entier(k), op);
  }
  poser_decalage(contexte, affine_n(a, b), s);
}

void exercice_1622(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int a = non_nul(contexte, pas_min, pas_max_exclu);
  const int u0 = RandomRange(contexte, pas_min, pas_max_exclu);
  poser_sens(contexte, a > 0, u0, operation(terme_courant, entier(a), "+"));
}

void exercice_1623(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  int p = 0;
  int q = 0;
  while (p == q) {
    p = RandomRange(contexte, rapport_min, rapport_max_exclu);
    q = RandomRange(contexte, rapport_min, rapport_max_exclu);
  }
  const int u0 = RandomRange(contexte, rapport_min, rapport_max_exclu);
  const std::string rapport = operation_ordonnee(entier(p), entier(q), "/");
  poser_sens(contexte, p > q, u0, operation_ordonnee(rapport, terme_courant, "*"));
}

void exercice_1624(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int r = non_nul(contexte, raison_min, raison_max_exclue);
  const int b = RandomRange(contexte, premier_min, premier_max_exclu);
  const std::string u_n = operation_ordonnee(operation_ordonnee(variable, entier(r), "*"), entier(b), "+");
  poser_nature(contexte, true, b, operation(terme_courant, entier(r), "+"), r, u_n);
}

// A ratio of 1 or a first term of 0 makes the sequence arithmetic too.
void exercice_1625(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  int q = 0;
  while (q == 0 || q == 1) q = RandomRange(contexte, raison_min, raison_max_exclue);
  const int b = non_nul(contexte, premier_min, premier_max_exclu);
  const std::string u_n = operation_ordonnee(entier(b), operation_ordonnee(entier(q), variable, "^"), "*");
  poser_nature(contexte, false, b, operation_ordonnee(entier(q), terme_courant, "*"), q, u_n);
}

void exercice_1626(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int r = non_nul(contexte, raison_min, raison_max_exclue);
  const int u0 = RandomRange(contexte, premier_min, premier_max_exclu);
  const int k = RandomRange(contexte, indice_min, indice_max_exclu);
  const std::string u_n = operation(operation(texte_entier(r), variable, "*"), texte_entier(u0), "+");
  poser_terme(contexte, Format(contexte.textes.enonce_suite_arithmetique_raison, {r, u0, k}), u_n,
              static_cast<std::int64_t>(r) * k + u0);
}

void exercice_1627(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  // A ratio of 1 or -1 makes u_n and u_k judged alike, swapped or not.
  int q = 0;
  while (q == 0 || q == 1 || q == -1) q = RandomRange(contexte, ratio_min, ratio_max_exclu);
  const int u0 = RandomRange(contexte, premier_geometrique_min, premier_geometrique_max_exclu);
  const int k = RandomRange(contexte, indice_min, indice_max_exclu);
  const std::string u_n =
      operation_ordonnee(texte_entier(u0), operation_ordonnee(texte_entier(q), variable, "^"), "*");
  poser_terme(contexte, Format(contexte.textes.enonce_suite_geometrique_raison, {q, u0, k}), u_n,
              u0 * puissance(q, k));
}

void exercice_1628(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const SommeArithmetique s = somme_arithmetique(contexte);
  const std::string question = Format(contexte.textes.enonce_suite_arithmetique_raison_2,
                                      {s.r, s.u0, s.i, s.j, s.i, s.i + 1, s.i + 2, s.j});
  poser_nombre_et_somme(contexte, question, s);
}

void exercice_1629(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const SommeArithmetique s = somme_sans_terme_nul(contexte);
  std::string texte = operation(entier(s.terme(s.i)), entier(s.terme(s.i + 1)), "+");
  texte = operation(texte, entier(s.terme(s.i + 2)), "+");
  texte = operation(texte, points_suspension, "+");
  texte = operation(texte, entier(s.terme(s.j)), "+");
  poser_nombre_et_somme(contexte, Format(contexte.textes.enonce_somme_definie_calculer, {texte}), s);
}

void exercice_1630(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  int q = 0;
  while (q == 0 || q == 1) q = RandomRange(contexte, ratio_min, ratio_max_exclu);
  int u0 = 0;
  while (u0 == 0) u0 = RandomRange(contexte, premier_somme_geometrique_min, premier_somme_geometrique_max_exclu);
  const int i = RandomRange(contexte, debut_geometrique_min, debut_somme_max_exclu);
  const int j = RandomRange(contexte, i + termes_min, fin_geometrique_max_exclue);
  const std::int64_t u_i = u0 * puissance(q, i);
  const std::int64_t u_j = u0 * puissance(q, j);
  const std::int64_t somme = (u_i - u_j * q) / (1 - q);
  const std::vector<std::string> reponses = {entier(u_i), entier(u_j), entier(somme)};
  contexte.presentateur.poser_question(
      Format(contexte.textes.enonce_suite_geometrique_raison_2, {q, u0, i, j, i, i + 1, i + 2, j, i, j}),
      "T[1.];T[2.];T[3.]", reponses, reponses[0] + ";" + reponses[1] + ";" + reponses[2], true);
}

void exercice_1631(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const std::string p1 = cubique(contexte);
  const Tirage t{coefficient_min, coefficient_max_exclu};
  const std::string p2 = polynome_tire(contexte, {t, t, t});
  poser_developpement(contexte, operation_ordonnee(p1, p2, "*"));
}

void exercice_1632(ContexteGenerateur& contexte) {
  constexpr int formes = 3;
  contexte.presentateur.preparer_exercice();
  const std::string a = affine_chiffres(contexte);
  const Tirage t{coefficient_min, coefficient_max_exclu};
  const std::string b = polynome_tire(contexte, {t, t});
  const std::string c = cubique(contexte);
  const int forme = Random(contexte, formes);
  std::string produit;
  if (forme == 0) {
    produit = "(" + a + ")*(" + b + ")";
  } else {
    produit = operation_ordonnee(forme == 1 ? a : b, "2", "^");
  }
  poser_developpement(contexte, operation(produit, c, "+"));
}


void exercice_1633(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const Quadratique q = quadratique_deux_racines(contexte);
  const int r = racine_choisie(contexte);
  const std::string x_moins_r = operation(variable_x, entier(r), "-");
  const std::string p = produit_developpe(x_moins_r, q);
  const std::string valeur = fonction(p).numeriser(variable_x, true, r);
  contexte.presentateur.poser_question(Format(contexte.textes.enonce_polynome_defini_calculer, {p, r, x_moins_r}),
                                       "T[1.];T[2.]", {valeur, q.texte()},
                                       Format("{%s};{%s}", {valeur, q.texte()}), true);
}

// r3 is drawn again while it is a root of Q: a double root leaves three
// fields for two roots.
void exercice_1634(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const Quadratique q = quadratique_deux_racines(contexte);
  int r3 = racine_choisie(contexte);
  while (q.valeur(r3) == 0) r3 = racine_choisie(contexte);
  const std::vector<std::string> racines = racines_liste(resoudre(q.texte() + "=0", variable_x, false));
  const std::string p = produit_developpe(operation(variable_x, entier(r3), "-"), q);
  const std::vector<std::string> reponses = {entier(r3), racines.at(0), racines.at(1)};
  contexte.presentateur.definir_reponses_ordonnees(false);
  contexte.presentateur.poser_question(Format(contexte.textes.enonce_calculez_racines, {p}), "T;T;T", reponses,
                                       Format("{%s};{%s};{%s}", {reponses[0], reponses[1], reponses[2]}), true);
}

// The polynomial part has degree m - 1 (m = 1 or 2) and takes the letters
// from "a" up the powers; the remainder over D takes the next letter.
void exercice_1635(ContexteGenerateur& contexte) {
  constexpr int m_min = 1;
  constexpr int m_max_exclu = 3;
  contexte.presentateur.preparer_exercice();
  const int m = RandomRange(contexte, m_min, m_max_exclu);
  std::vector<double> partie;
  for (int k = 0; k < m; ++k) partie.push_back(non_nul(contexte, coefficient_min, coefficient_max_exclu));
  const int reste = non_nul(contexte, coefficient_min, coefficient_max_exclu);
  const int d1 = non_nul(contexte, coefficient_min, coefficient_max_exclu);
  const int d0 = RandomRange(contexte, coefficient_min, coefficient_max_exclu);
  const std::string d = ecrire_polynome({double(d0), double(d1)}, variable_x);
  const std::string r = racines_liste(resoudre(d + "=0", variable_x, false)).at(0);
  const std::string produit = operation_ordonnee(d, ecrire_polynome(partie, variable_x), "*");
  const std::string p = reduire(developper(operation(produit, entier(reste), "+")));
  std::vector<std::string> lettres;
  std::vector<std::string> reponses;
  std::string forme;
  for (int k = 0; k <= m; ++k) {
    const std::string lettre(1, static_cast<char>('a' + k));
    lettres.push_back(lettre);
    reponses.push_back(entier(k < m ? static_cast<int>(partie[static_cast<std::size_t>(k)]) : reste));
    std::string terme = lettre;
    if (k == m) terme = operation(lettre, d, "/");
    else if (k == 1) terme = operation(lettre, variable_x, "*");
    forme = forme.empty() ? terme : operation(forme, terme, "+");
  }
  std::string liste, format, correction;
  for (std::size_t k = 0; k < lettres.size(); ++k) {
    const std::string separateur = k == 0 ? "" : ";";
    liste += (k == 0 ? "" : ",") + lettres[k];
    format += separateur + Format("T[%s]", {lettres[k]});
    correction += separateur + "{" + reponses[k] + "}";
  }
  const std::string f = operation(p, d, "/");
  contexte.presentateur.poser_question(
      Format(contexte.textes.enonce_fonction_rationnelle_definie, {f, r, liste, r, forme}), format, reponses,
      correction, true);
}

void enregistrer_niveau_1_suites() {
  enregistrer_generateur("1620", &exercice_1620);
  enregistrer_generateur("1621", &exercice_1621);
  enregistrer_generateur("1622", &exercice_1622);
  enregistrer_generateur("1623", &exercice_1623);
  enregistrer_generateur("1624", &exercice_1624);
  enregistrer_generateur("1625", &exercice_1625);
  enregistrer_generateur("1626", &exercice_1626);
  enregistrer_generateur("1627", &exercice_1627);
  enregistrer_generateur("1628", &exercice_1628);
  enregistrer_generateur("1629", &exercice_1629);
  enregistrer_generateur("1630", &exercice_1630);
  enregistrer_generateur("1631", &exercice_1631);
  enregistrer_generateur("1632", &exercice_1632);
  enregistrer_generateur("1633", &exercice_1633);
  enregistrer_generateur("1634", &exercice_1634);
  enregistrer_generateur("1635", &exercice_1635);
}
