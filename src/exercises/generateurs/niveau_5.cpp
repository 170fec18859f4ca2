#include "exercises/generateurs/niveau_5.h"

#include <array>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "exercises/contexte_generateur.h"
#include "exercises/generateur.h"
#include "exercises/generateurs/decimal_exact.h"
#include "exercises/generateurs/outils.h"
#include "localisation/format.h"
#include "localisation/nombres.h"

namespace {

constexpr int dix = 10;
constexpr int cent = 100;
// The decimal forms of 1216 have at most this many decimals.
constexpr int decimales_courtes = 4;
constexpr std::int64_t dix_mille = 10000;

std::string entier(std::int64_t n) { return texte_entier(n); }

std::string accolades(const std::string& texte) { return "{" + texte + "}"; }

// A draw of Random(n) + 1.
int de_un_a(ContexteGenerateur& contexte, int n) { return Random(contexte, n) + 1; }

// "+" for a draw 0, "-" for 1.
bool tire_plus(ContexteGenerateur& contexte) { return Random(contexte, 2) == 0; }

const char* signe(bool plus) { return plus ? "+" : "-"; }

std::int64_t combine(std::int64_t a, bool plus, std::int64_t b) { return plus ? a + b : a - b; }

// The decimal text of n/d when the reduced fraction is not whole and its
// denominator divides 10^4 ("2.5", "0.125"); nothing otherwise.
std::string forme_decimale_courte(std::int64_t n, std::int64_t d) {
  const std::int64_t g = std::gcd(n, d);
  const std::int64_t reduit = d / g;
  if (reduit == 1 || dix_mille % reduit != 0) return {};
  return DecimalExact((n / g) * (dix_mille / reduit), -decimales_courtes).texte();
}

// The reduced fraction n/d as the engine writes it: an integer text when d
// divides n, else "N/D" with the sign on the numerator (d is never 0).
std::string fraction_reduite(std::int64_t n, std::int64_t d) {
  const std::int64_t g = std::gcd(n, d);
  n /= g;
  d /= g;
  if (d < 0) {
    n = -n;
    d = -d;
  }
  return d == 1 ? entier(n) : entier(n) + "/" + entier(d);
}

void poser_entier_accolades(ContexteGenerateur& contexte, const std::string& texte, std::int64_t valeur) {
  const std::string reponse = entier(valeur);
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_quel_resultat_accolades, {texte}),
                                              reponse, accolades(reponse));
}

}  // namespace

void exercice_1211(ContexteGenerateur& contexte) {
  constexpr int borne_somme = 10000;
  contexte.presentateur.preparer_exercice();
  const int a = Random(contexte, cent);
  const int b = Random(contexte, cent);
  const int c = Random(contexte, borne_somme);
  poser_entier_accolades(contexte, entier(a) + "*" + entier(b) + "+" + entier(c), std::int64_t{a} * b + c);
}

void exercice_1212a(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int a = Random(contexte, cent);
  int c = 0;
  while (c == 0) c = Random(contexte, cent);
  const int k = Random(contexte, cent);
  poser_entier_accolades(contexte, entier(a) + "+" + entier(c * k) + "/" + entier(c), a + k);
}

void exercice_1213(ContexteGenerateur& contexte) {
  constexpr int mille = 1000;
  contexte.presentateur.preparer_exercice();
  int b = 0;
  int c = 0;
  while (b + c == 0) {
    c = Random(contexte, mille);
    b = Random(contexte, mille);
  }
  const int k = Random(contexte, mille);
  const std::int64_t a = std::int64_t{b + c} * k;
  poser_entier_accolades(contexte, entier(a) + "/(" + entier(b) + "+" + entier(c) + ")", k);
}

void exercice_1214(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int d = de_un_a(contexte, dix);
  const int e = Random(contexte, dix);
  const int f = de_un_a(contexte, dix);
  poser_entier_accolades(contexte, entier(d * e) + "/(" + entier(f * d) + "/" + entier(f) + ")", e);
}

void exercice_1215(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  int a = 0;
  int b = 0;
  int c = 0;
  bool plus1 = true;
  bool plus2 = true;
  std::int64_t valeur = 0;
  while (valeur <= 0) {
    a = de_un_a(contexte, dix);
    b = de_un_a(contexte, dix);
    c = de_un_a(contexte, dix);
    plus1 = tire_plus(contexte);
    plus2 = tire_plus(contexte);
    valeur = combine(combine(a, plus1, b), plus2, c);
  }
  const auto& t = contexte.textes;
  const auto mot = [&t](bool plus) { return plus ? t.txt_plus : t.txt_moins; };
  const std::string phrase = entier(a) + " " + mot(plus1) + " " + entier(b) + " " + mot(plus2) + " " + entier(c);
  const std::string reponse = entier(valeur);
  contexte.presentateur.poser_question_saisie(Format(t.enonce_quel_resultat_2, {phrase}), reponse, reponse);
}

void exercice_1216(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int b = de_un_a(contexte, dix);
  const int d = de_un_a(contexte, dix);
  const int k = de_un_a(contexte, dix);
  const int a = k * d;
  const int e = de_un_a(contexte, dix);
  const int c = e * b;
  const bool decimal1 = Random(contexte, 2) == 1;
  const bool decimal2 = Random(contexte, 2) == 1;
  // An operand in decimal form when it has a short one, else as a fraction.
  const auto operande = [](int n, int q, bool decimal) {
    const std::string court = decimal ? forme_decimale_courte(n, q) : std::string{};
    return court.empty() ? entier(n) + "/" + entier(q) : court;
  };
  // (k*d/b)*(e*b/d) is k*e.
  poser_entier_accolades(contexte, "(" + operande(a, b, decimal1) + ")*(" + operande(c, d, decimal2) + ")", k * e);
}

void exercice_1212b(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int a = de_un_a(contexte, dix);
  de_un_a(contexte, dix);  // a second whole number, drawn and left unused
  const bool plus = tire_plus(contexte);
  // x and y in tenths, both with the integer part a.
  const int x = a * dix + de_un_a(contexte, dix);
  const int y = a * dix + de_un_a(contexte, dix);
  const auto texte = [](std::int64_t dixiemes) { return DecimalExact(dixiemes, -1).texte(); };
  const std::string reponse = texte(combine(x, plus, y));
  contexte.presentateur.poser_question_saisie(
      Format(contexte.textes.enonce_quel_resultat_accolades, {texte(x) + signe(plus) + texte(y)}), reponse, reponse);
}

void exercice_1219(ContexteGenerateur& contexte) {
  constexpr int meme_denominateur = 5;
  contexte.presentateur.preparer_exercice();
  const int a = de_un_a(contexte, dix);
  const int b = Random(contexte, dix) + 2;
  const int c = de_un_a(contexte, dix);
  const int m = de_un_a(contexte, dix);
  const int d = m <= meme_denominateur ? b * m : b;
  const std::string f1 = entier(a) + "/" + entier(b);
  const std::string f2 = entier(c) + "/" + entier(d);
  // a/b against c/d with positive denominators: a*d against c*b.
  const std::string comparaison = a * d > c * b ? ">" : (a * d < c * b ? "<" : "=");
  contexte.presentateur.poser_question_choix(Format(contexte.textes.enonce_comparez_fractions, {f1, f2}),
                                             {"<", ">", "="}, comparaison,
                                             accolades(f1) + comparaison + accolades(f2));
}

void exercice_1220(ContexteGenerateur& contexte) {
  constexpr std::array<const char*, 3> operateurs = {"+", "-", "*"};
  contexte.presentateur.preparer_exercice();
  const int k = Random(contexte, static_cast<int>(operateurs.size()));
  const int a = de_un_a(contexte, dix);
  const int b = de_un_a(contexte, dix);
  const int c = de_un_a(contexte, dix);
  const int d = de_un_a(contexte, dix);
  const std::int64_t numerateur = k == 2 ? a * c : combine(a * d, k == 0, c * b);
  const std::string reponse = fraction_reduite(numerateur, std::int64_t{b} * d);
  const std::string texte = entier(a) + "/" + entier(b) + operateurs[static_cast<std::size_t>(k)] + entier(c) + "/" +
                            entier(d);
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_calculer_fractions, {texte}), reponse,
                                              accolades(reponse));
}

void exercice_1223(ContexteGenerateur& contexte) {
  constexpr int parentheses_max = 5;
  contexte.presentateur.preparer_exercice();
  const int n = de_un_a(contexte, parentheses_max);
  std::string texte;
  std::int64_t valeur = 0;
  for (int i = 0; i < n; ++i) {
    const int a = de_un_a(contexte, dix);
    const int b = de_un_a(contexte, dix);
    const bool interieur = tire_plus(contexte);
    const bool jonction = i == 0 || tire_plus(contexte);
    if (i > 0) texte += signe(jonction);
    texte += "(" + entier(a) + signe(interieur) + entier(b) + ")";
    valeur = combine(valeur, jonction, combine(a, interieur, b));
  }
  const std::string reponse = entier(valeur);
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_quel_resultat_accolades, {texte}),
                                              reponse, reponse);
}

void exercice_1225(ContexteGenerateur& contexte) {
  constexpr int douze = 12;
  contexte.presentateur.preparer_exercice();
  const int b = de_un_a(contexte, douze);
  const int c = de_un_a(contexte, douze);
  const std::string reponse = entier(b);
  contexte.presentateur.poser_question_saisie(Format(contexte.textes.enonce_quel_chiffre_manquant, {b * c, c}),
                                              reponse, reponse);
}

void exercice_1226(ContexteGenerateur& contexte) {
  constexpr int choix_signe = 3;
  contexte.presentateur.preparer_exercice();
  const int a = Random(contexte, dix);
  const int b = Random(contexte, dix);
  const bool plus1 = tire_plus(contexte);
  const bool plus2 = tire_plus(contexte);
  const int x0 = de_un_a(contexte, dix);
  // +1 for the draws 0 and 2, -1 for 1.
  const int s = Random(contexte, choix_signe) == 1 ? -1 : 1;
  const int t = Random(contexte, 2);
  const std::string texte = entier(a) + signe(plus1) + "x" + signe(plus2) + entier(b);
  const std::int64_t v = combine(combine(a, plus1, x0), plus2, b);
  const std::int64_t w = v + t * s;
  const auto& mots = contexte.textes;
  const std::string reponse = w == v ? mots.txt_oui : mots.txt_non;
  contexte.presentateur.poser_question_choix(
      Format(mots.enonce_egalite_vraie, {texte, static_cast<double>(w), static_cast<double>(x0)}),
      {mots.txt_oui, mots.txt_non}, reponse, reponse);
}

void enregistrer_niveau_5() {
  enregistrer_generateur("1211", &exercice_1211);
  enregistrer_generateur("1212a", &exercice_1212a);
  enregistrer_generateur("1213", &exercice_1213);
  enregistrer_generateur("1214", &exercice_1214);
  enregistrer_generateur("1215", &exercice_1215);
  enregistrer_generateur("1216", &exercice_1216);
  enregistrer_generateur("1212b", &exercice_1212b);
  enregistrer_generateur("1219", &exercice_1219);
  enregistrer_generateur("1220", &exercice_1220);
  enregistrer_generateur("1223", &exercice_1223);
  enregistrer_generateur("1225", &exercice_1225);
  enregistrer_generateur("1226", &exercice_1226);
}
