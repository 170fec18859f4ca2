#include "exercises/generateurs/niveau_4.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "engine/developpement.h"
#include "engine/operation.h"
#include "engine/regroupement.h"
#include "exercises/contexte_generateur.h"
#include "exercises/generateur.h"
#include "exercises/generateurs/approximations.h"
#include "exercises/generateurs/decimal_exact.h"
#include "exercises/generateurs/outils.h"
#include "localisation/format.h"
#include "localisation/nombres.h"

namespace {

constexpr const char* format_deux_libelles = "T[%s];T[%s]";
// The four decimals of a fraction shown in decimal form.
constexpr int decimales_fraction = 4;
constexpr int dix = 10;

std::string entier(std::int64_t n) { return texte_entier(n); }

std::string accolades(const std::string& texte) { return "{" + texte + "}"; }

// -1 or 1 with equal chances.
int signe_aleatoire(ContexteGenerateur& contexte) { return Random(contexte, 2) == 0 ? 1 : -1; }

// A signed integer whose magnitude is 1..10.
int relatif_non_nul(ContexteGenerateur& contexte) {
  const int s = signe_aleatoire(contexte);
  return s * (Random(contexte, dix) + 1);
}

// A relative integer of -(n-1)..n-1 drawn until it is none of `exclus`.
int relatif_hors(ContexteGenerateur& contexte, int n, std::initializer_list<int> exclus) {
  while (true) {
    const int s = signe_aleatoire(contexte);
    const int v = s * Random(contexte, n);
    bool exclu = false;
    for (const int e : exclus) exclu = exclu || v == e;
    if (!exclu) return v;
  }
}

// A negative number in brackets, as a product's operand needs it.
std::string operande(std::int64_t n) { return n < 0 ? "(" + entier(n) + ")" : entier(n); }

// The text of an exact result; the draws of this level stay far from the
// 64-bit limits, so the empty text (an overflow) never comes out.
std::string texte_exact(const std::optional<DecimalExact>& d) { return d ? d->texte() : std::string{}; }

// p/q in lowest terms, the sign on the numerator; an integer text when q
// divides p.
std::string fraction_reduite(std::int64_t p, std::int64_t q) {
  const std::int64_t d = std::gcd(p, q) * (q < 0 ? -1 : 1);
  p /= d;
  q /= d;
  return q == 1 ? entier(p) : entier(p) + "/" + entier(q);
}

// A fraction text, or its value in decimals when it is not whole and has at
// most four decimals.
std::string forme_decimale(std::int64_t p, std::int64_t q) {
  const std::optional<DecimalExact> d = decimal_de_fraction(p, q, decimales_fraction);
  return d && !d->est_entier() ? d->texte() : entier(p) + "/" + entier(q);
}

// A real of [0, 1) rounded to `decimales` decimals, halves away from zero.
DecimalExact reel_arrondi(double reel, int decimales) {
  double echelle = 1;
  for (int i = 0; i < decimales; ++i) echelle *= dix;
  return DecimalExact(std::llround(reel * echelle), -decimales);
}

// p/q rounded to the tenth, halves away from zero, as a number of tenths.
std::int64_t dixiemes_arrondis(std::int64_t p, std::int64_t q) {
  const bool negatif = (p < 0) != (q < 0);
  const std::int64_t n = std::llabs(p) * dix;
  const std::int64_t d = std::llabs(q);
  const std::int64_t t = (2 * n + d) / (2 * d);
  return negatif ? -t : t;
}

// A non-zero relative integer of -9..9, as relatif_aleatoire(10) drawn
// again while it is 0.
int relatif_non_nul_10(ContexteGenerateur& contexte) { return relatif_hors(contexte, dix, {0}); }

// The coefficients of 1325's polynomials (constant first), each 0..4.
constexpr int degres = 3;
constexpr int etendue_coefficients = 5;
using Polynome = std::array<int, degres>;

Polynome polynome_non_nul(ContexteGenerateur& contexte) {
  Polynome p{};
  do {
    for (int& c : p) c = Random(contexte, etendue_coefficients);
  } while (p == Polynome{});
  return p;
}

std::string texte_polynome(const Polynome& p) {
  return ecrire_polynome({static_cast<double>(p[0]), static_cast<double>(p[1]), static_cast<double>(p[2])}, "x");
}

// p*a + q*b as simplified text, drawn again while it is 0.
std::string binome(ContexteGenerateur& contexte) {
  std::string texte;
  do {
    const std::string p = relatif_aleatoire(contexte, dix);
    const std::string q = relatif_aleatoire(contexte, dix);
    texte = operation(operation(p, "a", "*"), operation(q, "b", "*"), "+");
  } while (texte == "0");
  return texte;
}

}  // namespace

void exercice_1311(ContexteGenerateur& contexte) {
  constexpr int borne = 20;
  contexte.presentateur.preparer_exercice();
  const int x = relatif_hors(contexte, borne, {0, 1});
  const int y = relatif_hors(contexte, borne, {0, 1});
  const std::string reponse = entier(static_cast<std::int64_t>(x) * y);
  contexte.presentateur.poser_question_saisie(
      Format(contexte.textes.enonce_calculer_produit, {operande(x) + "*" + operande(y)}), reponse, reponse);
}

void exercice_1312(ContexteGenerateur& contexte) {
  constexpr int etendue = 30;
  constexpr int plus_petit = 2;
  contexte.presentateur.preparer_exercice();
  const int a = Random(contexte, etendue) + plus_petit;
  int b = Random(contexte, etendue) + plus_petit;
  while (std::gcd(a, b) != 1) b = Random(contexte, etendue) + plus_petit;
  const std::string reponse = entier(a) + "*1/" + entier(b);
  contexte.presentateur.poser_question_saisie(
      Format(contexte.textes.enonce_mettre_sous_forme, {entier(a) + "/" + entier(b)}), reponse, accolades(reponse));
}

void exercice_1313(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  // Both numbers in tenths: s*(n + d/10) with n in 1..10 and d in 0..9.
  std::int64_t dixiemes[2] = {0, 0};
  for (std::int64_t& v : dixiemes) {
    const int s = signe_aleatoire(contexte);
    const int n = Random(contexte, dix) + 1;
    const int d = Random(contexte, dix);
    v = s * (n * dix + d);
  }
  const std::string texte =
      "(" + DecimalExact(dixiemes[0], -1).texte() + ")/(" + DecimalExact(dixiemes[1], -1).texte() + ")";
  const std::string reponse = DecimalExact(dixiemes_arrondis(dixiemes[0], dixiemes[1]), -1).texte();
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_donnez_valeur_approchee, {texte}),
                                              reponse, reponse);
}

void exercice_1314(ContexteGenerateur& contexte) {
  constexpr int etendue = 10;
  constexpr int plus_petit = 2;
  contexte.presentateur.preparer_exercice();
  const int a = Random(contexte, etendue) + plus_petit;
  int b = Random(contexte, etendue) + plus_petit;
  while (b == a) b = Random(contexte, etendue) + plus_petit;
  const int c = Random(contexte, etendue) + plus_petit;
  const std::string sa = entier(a);
  const std::string sb = entier(b);
  const std::string sc = entier(c);
  const std::string texte = Random(contexte, 2) == 0 ? "(" + sa + "*" + sc + ")/(" + sb + "*" + sc + ")"
                                                      : "(" + sc + "*" + sa + ")/(" + sc + "*" + sb + ")";
  const std::string reponse = fraction_reduite(a, b);
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_simplifiez_fraction, {texte}), reponse,
                                              accolades(reponse));
}

void exercice_1315(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int p = relatif_non_nul_10(contexte);
  const int q = relatif_non_nul_10(contexte);
  const int r = relatif_non_nul_10(contexte);
  const int t = relatif_non_nul_10(contexte);
  const std::string texte = operation(operation(entier(p), entier(q), "/"), operation(entier(r), entier(t), "/"), "*");
  const std::string reponse = fraction_reduite(static_cast<std::int64_t>(p) * r, static_cast<std::int64_t>(q) * t);
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_mettre_sous_forme_2, {texte}), reponse,
                                              accolades(reponse));
}

void exercice_1316(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  int x[4] = {0, 0, 0, 0};
  for (int& v : x) v = relatif_non_nul(contexte);
  const std::string texte = operation(operation(entier(x[0]), entier(x[1]), "/"),
                                      operation(entier(x[2]), entier(x[3]), "/"), "/");
  const std::string reponse =
      fraction_reduite(static_cast<std::int64_t>(x[0]) * x[3], static_cast<std::int64_t>(x[1]) * x[2]);
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_mettre_sous_forme_3, {texte}), reponse,
                                              accolades(reponse));
}

void exercice_1317(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int x = relatif_non_nul(contexte);
  const int y = relatif_non_nul(contexte);
  const std::string texte = "10^(" + entier(x) + ")*10^(" + entier(y) + ")";
  const std::string reponse = "10^(" + entier(x + y) + ")";
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_mettre_sous_forme_4, {texte}), reponse,
                                              accolades(reponse));
}

void exercice_1318(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int x = relatif_non_nul(contexte);
  const int y = relatif_non_nul(contexte);
  const std::string texte = "(10^(" + entier(x) + "))^(" + entier(y) + ")";
  const std::string reponse = "10^" + entier(x * y);
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_mettre_sous_forme_5, {texte}), reponse,
                                              accolades(reponse));
}

void exercice_1319(ContexteGenerateur& contexte) {
  constexpr int partie_entiere = 10000;
  constexpr int decimales_premier_tirage = 3;
  constexpr int decimales_tirages_suivants = 4;
  contexte.presentateur.preparer_exercice();
  int decimales_possibles = decimales_premier_tirage;
  DecimalExact v;
  do {
    const double reel = RandomReel(contexte);
    const DecimalExact r = reel_arrondi(reel, Random(contexte, decimales_possibles));
    const int s_r = signe_aleatoire(contexte);
    const int grand = Random(contexte, partie_entiere);
    const int s_m = signe_aleatoire(contexte);
    const int present = Random(contexte, 2);
    const DecimalExact m(static_cast<std::int64_t>(grand) * s_m * present);
    v = DecimalExact(r.mantisse() * s_r, r.exposant()).plus(m).value_or(DecimalExact());
    decimales_possibles = decimales_tirages_suivants;
  } while (v.est_entier());
  const NotationScientifique n = notation_scientifique(v);
  const std::string reponse = n.mantisse + "*10^(" + entier(n.exposant) + ")";
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_ecrire_utilisant_notation, {v.texte()}),
                                              reponse, accolades(reponse));
}

void exercice_1322(ContexteGenerateur& contexte) {
  constexpr int etendue_base = 100;
  constexpr int plus_petite_base = 2;
  contexte.presentateur.preparer_exercice();
  int a = Random(contexte, etendue_base);
  while (a < plus_petite_base) a = Random(contexte, etendue_base);
  int exposants[2] = {0, 0};
  for (int& e : exposants) {
    const int s = signe_aleatoire(contexte);
    e = s * Random(contexte, dix);
  }
  const std::string sa = entier(a);
  const std::string texte = "{" + sa + "^(" + entier(exposants[0]) + ")*" + sa + "^(?)}={" + sa + "^(" +
                            entier(exposants[0] + exposants[1]) + ")}";
  const std::string reponse = entier(exposants[1]);
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_quelle_valeur_faut, {texte}), reponse,
                                              reponse);
}

void exercice_1324(ContexteGenerateur& contexte) {
  constexpr int etendue = 100;
  constexpr int decimales_maximales = 4;
  // x is drawn in thousandths at most.
  constexpr int milliemes = 3;
  contexte.presentateur.preparer_exercice();
  const double reel = RandomReel(contexte);
  const DecimalExact r = reel_arrondi(reel, Random(contexte, decimales_maximales));
  const int n = Random(contexte, etendue);
  const bool avec_decimales = Random(contexte, 2) == 1;
  const DecimalExact x = avec_decimales ? *DecimalExact(n).plus(r) : DecimalExact(n);
  // X = 1000x; the nearest tenth t of sqrt(x) is floor(sqrt(100x)) or one
  // more, as 400x = 2X/5 is above (2t+1)^2 or not (never equal: 2X is even,
  // 5(2t+1)^2 odd).
  const std::int64_t X = x.fois_puissance_dix(milliemes)->entier().value_or(0);
  std::int64_t t = racine_entiere(X / dix);
  if (2 * X > 5 * (2 * t + 1) * (2 * t + 1)) ++t;
  const std::string reponse = DecimalExact(t, -1).texte();
  contexte.presentateur.poser_question_saisie(
      Format(contexte.textes.enonce_donnez_valeur_approchee_2, {"sqrt(" + x.texte() + ")"}), reponse,
      accolades(reponse));
}

void exercice_1325(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  std::string texte;
  Polynome somme{};
  do {
    const Polynome premier = polynome_non_nul(contexte);
    texte = texte_polynome(premier);
    somme = premier;
    for (int i = 0; i < 2; ++i) {
      const Polynome suivant = polynome_non_nul(contexte);
      const bool moins = Random(contexte, 2) == 1;
      texte += std::string(moins ? "-" : "+") + "(" + texte_polynome(suivant) + ")";
      for (int d = 0; d < degres; ++d) somme[d] += moins ? -suivant[d] : suivant[d];
    }
  } while (somme == Polynome{});
  const std::string reponse = texte_polynome(somme);
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_simplifier_expression, {texte}), reponse,
                                              accolades(reponse));
}

void exercice_1326(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  std::string produit;
  do {
    produit = "1";
    for (int i = 0; i < 2; ++i) produit = operation(produit, binome(contexte), "*");
  } while (produit == "0");
  const std::string reponse = regroupe_somme(developper(produit));
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_developper_expression, {produit}),
                                              reponse, accolades(reponse));
}

void exercice_1327(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int a = Random(contexte, dix);
  const int b = Random(contexte, dix);
  int c[2] = {0, 0};
  int d[2] = {0, 0};
  for (int* coefficients : {c, d}) {
    do {
      coefficients[0] = Random(contexte, dix);
      coefficients[1] = Random(contexte, dix);
    } while (coefficients[0] == 0 && coefficients[1] == 0);
  }
  const std::string p = ecrire_polynome({static_cast<double>(c[0]), static_cast<double>(c[1])}, "x");
  const std::string q = ecrire_polynome({static_cast<double>(d[0]), static_cast<double>(d[1])}, "y");
  const std::string reponse = entier(c[0] + c[1] * a + d[0] + d[1] * b);
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_calculer_expression, {p + "+" + q, a, b}),
                                              reponse, reponse);
}

void exercice_1328(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  int a = 0;
  int b = 0;
  int c = 0;
  int m = 0;
  do {
    b = Random(contexte, dix) + 1;
    m = Random(contexte, dix) + 1;
    a = (Random(contexte, dix) + 1) * m;
    c = (Random(contexte, dix) + 1) * b;
  } while (a * m == c * b);
  const bool premier_decimal = Random(contexte, 2) == 1;
  const bool second_decimal = Random(contexte, 2) == 1;
  const std::string premier = premier_decimal ? forme_decimale(a, b) : entier(a) + "/" + entier(b);
  const std::string second = second_decimal ? forme_decimale(c, m) : entier(c) + "/" + entier(m);
  const std::string signe = c * b > a * m ? "<" : ">";
  const std::string question = Format(contexte.textes.enonce_comparer_deux_expressions, {premier, second});
  contexte.presentateur.poser_question_choix(question, {"<", ">"}, signe,
                                             accolades(premier) + signe + accolades(second));
}

void exercice_1329(ContexteGenerateur& contexte) {
  constexpr int etendue_precision = 4;
  constexpr int etendue = 50;
  contexte.presentateur.preparer_exercice();
  int k = 0;
  std::string texte;
  std::optional<DecimalExact> bas;
  std::optional<DecimalExact> haut;
  do {
    k = Random(contexte, etendue_precision) + 1;
    const int a = Random(contexte, etendue) + 1;
    const int b = Random(contexte, etendue) + 1;
    if (a % b == 0) {
      texte = "sqrt(" + entier(a) + ")";
      bas = plancher_racine(a, k);
      haut = plafond_racine(a, k);
    } else {
      texte = entier(a) + "/" + entier(b);
      bas = plancher_quotient(a, b, k);
      haut = plafond_quotient(a, b, k);
    }
  } while (bas == haut);
  const std::string l = texte_exact(bas);
  const std::string h = texte_exact(haut);
  const auto& t = contexte.textes;
  contexte.presentateur.poser_question(Format(t.enonce_donnez_encadrement_pres, {k, texte}),
                                       Format(format_deux_libelles, {t.txt_superieur, t.txt_inferieur}), {l, h},
                                       l + "<{" + texte + "}<" + h, true);
}

void exercice_1330(ContexteGenerateur& contexte) {
  constexpr int etendue = 50;
  contexte.presentateur.preparer_exercice();
  const int a = Random(contexte, etendue) + 1;
  const int b = Random(contexte, etendue) + 1;
  const int c = Random(contexte, etendue) + 1;
  const std::string reponse = entier(a);
  contexte.presentateur.poser_question_saisie(
      Format(contexte.textes.enonce_ai_nombre_je, {b, c, static_cast<double>(a + b - c)}), reponse, reponse);
}

void exercice_3300(ContexteGenerateur& contexte) {
  constexpr int etendue = 20;
  contexte.presentateur.preparer_exercice();
  int ab = 0;
  int ac = 0;
  std::int64_t bc = 0;
  do {
    ab = Random(contexte, etendue) + 1;
    ac = Random(contexte, etendue) + 1;
    bc = racine_entiere(ab * ab + ac * ac);
  } while (bc * bc != ab * ab + ac * ac);
  const std::string reponse = entier(bc);
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_triangle_rectangle_bc, {ab, ac}), reponse,
                                              reponse);
}

void enregistrer_niveau_4() {
  enregistrer_generateur("1311", &exercice_1311);
  enregistrer_generateur("1312", &exercice_1312);
  enregistrer_generateur("1313", &exercice_1313);
  enregistrer_generateur("1314", &exercice_1314);
  enregistrer_generateur("1315", &exercice_1315);
  enregistrer_generateur("1316", &exercice_1316);
  enregistrer_generateur("1317", &exercice_1317);
  enregistrer_generateur("1318", &exercice_1318);
  enregistrer_generateur("1319", &exercice_1319);
  enregistrer_generateur("1322", &exercice_1322);
  enregistrer_generateur("1324", &exercice_1324);
  enregistrer_generateur("1325", &exercice_1325);
  enregistrer_generateur("1326", &exercice_1326);
  enregistrer_generateur("1327", &exercice_1327);
  enregistrer_generateur("1328", &exercice_1328);
  enregistrer_generateur("1329", &exercice_1329);
  enregistrer_generateur("1330", &exercice_1330);
  enregistrer_generateur("3300", &exercice_3300);
}
