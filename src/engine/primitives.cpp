#include "engine/primitives.h"

#include <algorithm>
#include <cmath>

#include "engine/expression.h"
#include "engine/fonctions_usuelles.h"
#include "localisation/catalogue.h"
#include "localisation/nombres.h"

// Digits an integer text may hold to be read as a finite double whatever
// they are: 10^300 is below the largest double.
constexpr std::size_t chiffres_toujours_finis = 300;

bool est_nombre(std::string_view t) {
  // A number text starts with a blank, a sign, a digit or a point: a name,
  // the commonest other text, is no number without being read.
  if (!t.empty() && t[0] != ' ' && t[0] != '+' && t[0] != '-' && t[0] != '.' && !est_chiffre(t[0])) return false;
  // A sign and digits alone, the commonest number text, is one without
  // being converted; any other text is read as the number layer reads it.
  std::string_view chiffres = t;
  if (!chiffres.empty() && (chiffres.front() == '-' || chiffres.front() == '+')) chiffres.remove_prefix(1);
  if (!chiffres.empty() && chiffres.size() <= chiffres_toujours_finis &&
      std::all_of(chiffres.begin(), chiffres.end(), est_chiffre)) {
    return true;
  }
  return lire_nombre(t).has_value();
}

bool est_nombre_entier(const std::string& t) {
  if (est_entier(t)) return true;
  const auto valeur = lire_nombre(t);
  return valeur && std::trunc(*valeur) == *valeur;
}

bool est_negatif_signe(const std::string& t) { return !est_somme_ou_difference(type_operateur_de(t)); }

std::string enleve_moins(const std::string& t) { return est_negatif(t) ? t.substr(1) : t; }

std::string sans_moins(const std::string& t) {
  compte_coupe(t);  // the split's scan that est_negatif() would make again
  return t.substr(1);
}

bool est_constante(const std::string& t) { return constantes && constantes->indice(t) >= 0; }

bool est_car_nom(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool est_nom_variable(const std::string& t) {
  if (t.empty() || !((t[0] >= 'a' && t[0] <= 'z') || (t[0] >= 'A' && t[0] <= 'Z'))) return false;
  return std::all_of(t.begin() + 1, t.end(), [](char c) { return est_car_nom(c) || c == '\''; });
}

bool contient_appel(const std::string& t, const std::string& nom) {
  const std::string appel = nom + "(";
  for (auto p = t.find(appel); p != std::string::npos; p = t.find(appel, p + 1)) {
    if (p == 0 || !est_car_nom(t[p - 1])) return true;
  }
  return false;
}

bool cite_nom(const std::string& t, const std::string& nom) {
  if (nom.empty()) return false;
  for (auto p = t.find(nom); p != std::string::npos; p = t.find(nom, p + 1)) {
    const auto fin = p + nom.size();
    const bool debut_de_nom = p == 0 || !est_car_nom(t[p - 1]);
    // y is not cited by y': the derivative mark makes another name.
    const bool fin_de_nom = fin == t.size() || (!est_car_nom(t[fin]) && t[fin] != '\'');
    if (debut_de_nom && fin_de_nom) return true;
  }
  return false;
}

bool commence_par_nombre(const std::string& t) {
  if (t.empty()) return false;
  // No product chain: the text itself is the first factor, after one scan.
  if (t.find('*') == std::string::npos) {
    compte_coupe(t);
    return est_nombre(t);
  }
  std::string_view facteur = t;
  for (;;) {
    const Coupe c = coupe_de(facteur);
    if (c.type_operateur != TypeOperateur::fois) return est_nombre(facteur);
    facteur = facteur.substr(0, static_cast<std::size_t>(c.position) - 1);
    if (est_nombre(facteur)) return true;
  }
}

namespace {

// A text holding no "/" is no quotient: its scan is spared, not its work.
bool sans_barre(const std::string& t) {
  if (t.find('/') != std::string::npos) return false;
  compte_coupe(t);
  return true;
}

}  // namespace

std::string numerateur(const std::string& t) {
  if (sans_barre(t)) return t;
  const Coupe c = coupe_de(t);
  return c.type_operateur == TypeOperateur::divise ? t.substr(0, static_cast<std::size_t>(c.position) - 1) : t;
}

std::string denominateur(const std::string& t) {
  if (sans_barre(t)) return "1";
  const Coupe c = coupe_de(t);
  return c.type_operateur == TypeOperateur::divise ? t.substr(static_cast<std::size_t>(c.position)) : "1";
}

std::int64_t pgcd(std::int64_t a, std::int64_t b) {
  while (b != 0) {
    // -1 divides everything; INT64_MIN % -1 would overflow.
    const std::int64_t reste = b == -1 ? 0 : a % b;
    a = b;
    b = reste;
  }
  return a;
}

std::string signe_terme(const std::string& t) {
  if (t.empty()) return "";
  return est_negatif(t) ? "-" : "+";
}

std::string signe_nombre(double x) {
  if (x < 0) return "-";
  return x > 0 ? "+" : "";
}

std::string produit_signes(const std::string& s1, const std::string& s2) {
  const auto normal = [](const std::string& s) { return s.empty() ? std::string("+") : s; };
  const std::string a = normal(s1);
  const std::string b = normal(s2);
  if ((a != "+" && a != "-") || (b != "+" && b != "-")) return "";
  return a == b ? "+" : "-";
}

std::vector<std::string> concatene_tableaux(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  std::vector<std::string> r;
  r.reserve(a.size() + b.size());
  r.insert(r.end(), a.begin(), a.end());
  r.insert(r.end(), b.begin(), b.end());
  return r;
}

namespace {

// 0 both odd, 1 otherwise, -1 when a part does not read.
int parite(const std::string& t) {
  const auto n = lire_entier32(numerateur(t));
  const auto d = lire_entier32(denominateur(t));
  if (!n || !d) return -1;
  return (*n % 2 != 0 && *d % 2 != 0) ? 0 : 1;
}

std::string verite(bool v) { return "#" + (v ? catalogue_textes.txt_vrai : catalogue_textes.txt_faux); }

}  // namespace

std::string est_impair(const std::string& t) {
  const int p = parite(t);
  return p < 0 ? "#err" : verite(p == 0);
}

std::string est_pair(const std::string& t) {
  const int p = parite(t);
  return p < 0 ? "#err" : verite(p != 0);
}
