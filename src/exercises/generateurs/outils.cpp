#include "exercises/generateurs/outils.h"

#include <cmath>

#include "engine/appel_fonction.h"
#include "engine/decomposition.h"
#include "engine/decoupage.h"
#include "engine/expression.h"
#include "engine/fractions.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "localisation/messages.h"
#include "localisation/nombres.h"

namespace {

// generer_relatif keeps its 51st draw: past this count it stops looking.
constexpr int tirages_generer_relatif = 50;
// The smallest range fraction_aleatoire draws from: below it no draw could
// ever be kept.
constexpr int etendue_minimale_fraction = 3;
// Below this range generer_relatif gives "1" without drawing.
constexpr int etendue_minimale_relatif = 3;

bool est_unite_ou_zero(const std::string& texte) { return texte == "0" || texte == "1" || texte == "-1"; }

// One term of ecrire_polynome: `c` times variable^puissance.
std::string terme(double c, int puissance, const std::string& variable, bool premier) {
  std::string facteur;
  if (puissance == 1) facteur = variable;
  if (puissance >= 2) facteur = variable + "^" + texte_entier(puissance);
  const double valeur = premier ? c : std::fabs(c);
  std::string signe = premier ? "" : signe_nombre(c);
  if (facteur.empty()) return signe + texte_nombre(valeur);
  if (std::fabs(c) == 1) return signe + (premier && c < 0 ? "-" : "") + facteur;
  return signe + texte_nombre(valeur) + "*" + facteur;
}

}  // namespace

int Random(ContexteGenerateur& contexte, int n) { return contexte.hasard.Random(n); }

int RandomRange(ContexteGenerateur& contexte, int a, int b) { return contexte.hasard.RandomRange(a, b); }

double RandomReel(ContexteGenerateur& contexte) { return contexte.hasard.RandomReel(); }

std::string relatif_aleatoire(ContexteGenerateur& contexte, int n) {
  const int signe = contexte.hasard.Random(2) == 0 ? 1 : -1;
  const int valeur = contexte.hasard.Random(n);
  return texte_entier(static_cast<std::int64_t>(signe) * valeur);
}

std::string generer_relatif(ContexteGenerateur& contexte, int n) {
  if (n < etendue_minimale_relatif) return "1";
  int compte = 0;
  for (;;) {
    const std::string tirage = relatif_aleatoire(contexte, n);
    ++compte;
    if (!est_unite_ou_zero(tirage)) return tirage;
    if (compte > tirages_generer_relatif) {
      if (!contexte.mode_test) return tirage;
      affiche_message("Erreur:boucle infinie generer_relatif");
    }
  }
}

std::string fraction_aleatoire(ContexteGenerateur& contexte, int n) {
  const int etendue = n < etendue_minimale_fraction ? etendue_minimale_fraction : n;
  for (;;) {
    const std::string p = relatif_aleatoire(contexte, etendue);
    const std::string q = relatif_aleatoire(contexte, etendue);
    if (p == "0" || q == "0") continue;
    const std::string r = fraction(operation_ordonnee(p, q, "/"));
    if (r != "1" && r != "-1") return r;
  }
}

std::string affine_aleatoire(ContexteGenerateur& contexte, int n) {
  for (;;) {
    const int m = contexte.hasard.Random(n);
    const std::string a = generer_relatif(contexte, m);
    const std::string t = operation(a, "x", "*");
    const std::string b = generer_relatif(contexte, m);
    const std::string resultat = operation(t, b, "+");
    if (resultat != "0") return resultat;
  }
}

std::string ecrire_polynome(const std::vector<double>& coefficients, const std::string& variable) {
  std::string texte;
  for (std::size_t i = 0; i < coefficients.size(); ++i) {
    if (coefficients[i] == 0) continue;
    texte += terme(coefficients[i], static_cast<int>(i), variable, texte.empty());
  }
  return texte;
}

std::vector<std::string> racines_liste(const std::string& liste) {
  std::vector<std::string> racines;
  for (const std::string& element : decoupe(enleve_delimiteurs(liste, "[]"), ';')) {
    const std::size_t egal = element.find('=');
    racines.push_back(egal == std::string::npos ? element : element.substr(egal + 1));
  }
  return racines;
}

std::optional<std::vector<std::string>> valeurs_solveur(const std::string& liste, std::size_t nombre) {
  if (est_erreur(liste)) return std::nullopt;
  const std::vector<std::string> elements = decoupe(enleve_delimiteurs(liste, "[]"), ';');
  if (elements.size() != nombre) return std::nullopt;
  std::vector<std::string> valeurs;
  for (const std::string& element : elements) {
    const std::size_t egal = element.find('=');
    if (egal == std::string::npos) return std::nullopt;
    valeurs.push_back(element.substr(egal + 1));
    if (valeurs.back().empty() || est_erreur(valeurs.back())) return std::nullopt;
  }
  return valeurs;
}

namespace {

// Where the bracket that opens t closes; npos when t opens on no bracket.
std::size_t fin_premiere_parenthese(const std::string& t) {
  int profondeur = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] == '(') ++profondeur;
    if (t[i] == ')' && --profondeur == 0) return i;
    if (profondeur == 0) break;
  }
  return std::string::npos;
}

// b negated when its first factor is a bracket opening on "-" and what
// follows the bracket multiplies or divides it; nothing otherwise (a
// power, (-2)^2, keeps its sign inside).
std::optional<std::string> oppose_du_premier_facteur(const std::string& b) {
  const TypeOperateur type = type_operateur_de(b);
  if (type != TypeOperateur::fois && type != TypeOperateur::divise) return std::nullopt;
  const std::size_t fin = fin_premiere_parenthese(b);
  if (fin == std::string::npos || b[1] != '-' || fin + 1 >= b.size() || (b[fin + 1] != '*' && b[fin + 1] != '/')) {
    return std::nullopt;
  }
  const std::string oppose = distribue_moins("-(" + b.substr(1, fin - 1) + ")");
  const bool entre_parentheses = type_operateur_de(oppose) != TypeOperateur::aucun;
  return (entre_parentheses ? "(" + oppose + ")" : oppose) + b.substr(fin + 1);
}

}  // namespace

std::string somme_lisible(const std::string& a, const std::string& b, const std::string& signe) {
  if (signe == "+" || signe == "-") {
    if (const auto oppose = oppose_du_premier_facteur(b)) {
      return operation_ordonnee(a, *oppose, signe == "+" ? "-" : "+");
    }
  }
  return operation_ordonnee(a, b, signe);
}
