#include "engine/decomposition.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/entiers_longs.h"
#include "engine/entiers_verifies.h"
#include "engine/expression.h"
#include "engine/fonction.h"
#include "engine/fonctions_usuelles.h"
#include "engine/fractions.h"
#include "engine/lignes_predefinies.h"
#include "engine/memoire_appel.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/valeurs_erreur.h"
#include "engine/radicaux.h"
#include "localisation/nombres.h"

namespace {

using Tableaux = std::pair<std::vector<std::string>, std::vector<std::string>>;

// Places reserved at once in the arrays of a decomposition: most terms and
// sums of school inputs have at most four parts, which then fit without
// the array growing.
constexpr std::size_t places_reservees = 4;

bool est_somme(const expression& e) { return est_somme_ou_difference(e.type_operateur); }

std::string signe_de(const std::string& c) { return est_negatif(c) ? "-" : "+"; }

void decompose_somme_garde(const std::string& t, std::vector<std::string>& termes, std::vector<std::string>& signes);
void ajoute_termes(const std::string& t, std::vector<std::string>& termes, std::vector<std::string>& signes);
void decompose_produit_garde(const std::string& t, std::vector<std::string>& bases,
                             std::vector<std::string>& exposants);
void ajoute_facteurs(const std::string& t, std::vector<std::string>& bases, std::vector<std::string>& exposants);

// One term: its factors put in their order, its sign taken out.
void un_terme(const std::string& s, std::vector<std::string>& termes, std::vector<std::string>& signes) {
  const bool negatif = est_negatif(s);
  std::vector<std::string> bases;
  std::vector<std::string> exposants;
  decompose_produit_garde(negatif ? s.substr(1) : s, bases, exposants);
  std::string terme = recompose_produit(bases, exposants);
  std::string signe = "1";
  if (est_negatif(terme)) {
    terme = sans_moins(terme);
    signe = "-1";
  }
  if (negatif) signe = operation_ordonnee("-1", signe, "*");
  termes.push_back(std::move(terme));
  signes.push_back(std::move(signe));
}

// The terms of t and their signs appended to termes and signes: what
// decompose_somme_garde() gives for t alone follows what they hold. Each
// level appends to the same arrays, then signs the terms of its right side
// in place.
void ajoute_termes(const std::string& t, std::vector<std::string>& termes, std::vector<std::string>& signes) {
  GardeProfondeur garde;
  if (garde.depassee()) return;
  const expression e(est_negatif(t) ? distribue_moins_du_negatif(t) : sans_parentheses(t));
  if (!est_somme(e)) {
    un_terme(e.texte, termes, signes);
    return;
  }
  ajoute_termes(e.gauche, termes, signes);
  const std::size_t droite = termes.size();
  ajoute_termes(e.droite, termes, signes);
  for (std::size_t k = droite; k < termes.size(); ++k) {
    const std::string signe =
        produit_signes(produit_signes(signe_terme(termes[k]), signe_de(signes[k])), e.operateur);
    signes[k] = signe == "-" ? "-1" : "1";
    termes[k] = sans_parentheses(enleve_moins(termes[k]));
  }
}

void decompose_somme_garde(const std::string& t, std::vector<std::string>& termes, std::vector<std::string>& signes) {
  termes.clear();
  signes.clear();
  termes.reserve(places_reservees);
  signes.reserve(places_reservees);
  ajoute_termes(t, termes, signes);
}

// A bracketed negated base counts as -1 times the rest, both raised:
// (-x)^2 is x^2 and (-x)^3 is -x^3.
bool base_decomposable(const std::string& base) {
  const TypeOperateur type = type_operateur_de(base);
  return type == TypeOperateur::puissance || type == TypeOperateur::fois || est_negatif(base);
}

// Under an exponent that lets a negative base's sign out (exposant_impair)
// the factors of a power's base are raised one by one, -1 with them. Under
// any other, a factor -1 that is the number 1 ((-1)^(2/3)) drops, as
// ((-8)^(2/3))^(1/2) is 2; one that is -1 has no real power there, and the
// base is not split: false.
bool eleve_moins_un(std::vector<std::string>& bases, std::vector<std::string>& exposants, std::size_t debut,
                    const std::string& exposant) {
  bool exterieur_lu = false;  // the exponent is read only for a base with a factor -1
  for (std::size_t k = debut; k < bases.size(); ++k) {
    if (bases[k] != "-1") continue;
    if (!exterieur_lu) {
      if (exposant_impair(exposant)) return true;
      exterieur_lu = true;
    }
    const std::optional<bool> impair = exposant_impair(exposants[k]);
    if (!impair || *impair) return false;
    bases[k] = "1";
  }
  return true;
}

// The factors of t appended to bases and exposants: what
// decompose_produit_garde() gives for t alone follows what they hold. Each
// level appends to the same arrays instead of filling arrays of its own.
void ajoute_facteurs(const std::string& t, std::vector<std::string>& bases, std::vector<std::string>& exposants) {
  GardeProfondeur garde;
  if (garde.depassee()) return;
  const std::size_t debut = bases.size();
  std::string s = sans_parentheses(t);
  if (est_negatif(s)) {
    ajoute_facteurs(sans_moins(s), bases, exposants);
    bases.insert(bases.begin() + static_cast<std::ptrdiff_t>(debut), "-1");
    exposants.insert(exposants.begin() + static_cast<std::ptrdiff_t>(debut), "1");
    return;
  }
  if (sans_operateur(s)) {
    // A leaf is its own factor; the work of its node is counted.
    compte_coupe(s);
    bases.push_back(std::move(s));
    exposants.emplace_back("1");
    return;
  }
  expression e(std::move(s));  // the node keeps the text, and gives it back below
  if (e.operateur == "*" || e.operateur == "/") {
    ajoute_facteurs(e.gauche, bases, exposants);
    const std::size_t droite = exposants.size();
    ajoute_facteurs(e.droite, bases, exposants);
    if (e.operateur == "/") {
      for (std::size_t k = droite; k < exposants.size(); ++k) exposants[k] = operation("0", exposants[k], "-");
    }
    return;
  }
  if (e.operateur == "^") {
    std::string base = sans_parentheses(e.gauche);
    if (base_decomposable(base)) {
      ajoute_facteurs(base, bases, exposants);
      if (eleve_moins_un(bases, exposants, debut, e.droite)) {
        for (std::size_t k = debut; k < exposants.size(); ++k) {
          exposants[k] = calcul_facteur(operation_ordonnee(e.droite, exposants[k], "*"));
        }
        return;
      }
      // (-4)^(1/2) has no real value: it stays whole, as typed.
      bases.resize(debut);
      exposants.resize(debut);
      bases.push_back(std::move(base));
      exposants.push_back(calcul_facteur(e.droite));
    } else {
      bases.push_back(std::move(base));
      exposants.push_back(calcul_facteur(e.droite));
    }
    return;
  }
  bases.push_back(std::move(e.texte));
  exposants.emplace_back("1");
}

void decompose_produit_garde(const std::string& t, std::vector<std::string>& bases,
                             std::vector<std::string>& exposants) {
  bases.clear();
  exposants.clear();
  bases.reserve(places_reservees);
  exposants.reserve(places_reservees);
  ajoute_facteurs(t, bases, exposants);
}

// num * facteur: exactly in 64 bits while the integers fit, then exactly
// past 64 bits while the product of integers lies within the range of a
// double, else in floating point; a product past the largest double is an
// error value. `entier_long` gives the factor as an integer text, when it
// is one, and `reel` its value in floating point: each is asked only when
// the way before it failed.
template <class Long, class Reel>
std::string multiplie(const std::string& num, Entier entier, Long&& entier_long, Reel&& reel) {
  if (est_entier(num)) {
    if (const auto a = entier_du_texte(num); a && entier) {
      if (const auto p = produit_verifie(*a, *entier)) return texte_entier(*p);
    }
    if (const std::optional<std::string> f = entier_long()) {
      if (auto p = produit_long(num, *f)) return *std::move(p);
    }
  }
  const auto a = lire_nombre(num);
  if (!a) return num;  // an error value already: nothing changes it
  return texte_nombre_fini(*a * reel());
}

std::string multiplie_texte(const std::string& num, const std::string& f) {
  return multiplie(
      num, entier_du_texte(f), [&] { return est_entier(f) ? std::optional<std::string>(f) : std::nullopt; },
      [&] { return lire_nombre(f).value_or(std::nan("")); });
}

// base^exposant of two integer texts (exposant without sign).
void multiplie_puissance(const std::string& base, const std::string& exposant, std::string& numerique) {
  const auto b = entier_du_texte(base);
  const auto k = entier_du_texte(exposant);
  Entier p;
  if (b && k && *k >= 0) p = puissance_verifiee(*b, static_cast<std::uint64_t>(*k));
  numerique = multiplie(
      numerique, p,
      [&]() -> std::optional<std::string> {
        if (p) return texte_entier(*p);
        if (!est_entier(base) || !k || *k < 0) return std::nullopt;
        return puissance_longue(base, static_cast<std::uint64_t>(*k));
      },
      [&] {
        return p ? static_cast<double>(*p)
                 : std::pow(lire_nombre(base).value_or(0), lire_nombre(exposant).value_or(0));
      });
}

// A numeric part past 64 bits made of integers is known exactly: it is
// written from its exact value, and a quotient of two such parts is one
// number (2^67/2^64 is 8, fact(22)/fact(21) is 22, 2^67/3 the 15 digits of
// its exact value). A lone 1 over a large integer stays a quotient, as 1/3
// does; a zero denominator is left to the text builder, which says so.
void divise_exactement(std::string& numerateur, std::string& denominateur) {
  if (denominateur.find_first_not_of("-0") == std::string::npos) return;
  if (numerateur == "1" || denominateur == "1") {
    std::string& seul = numerateur == "1" ? denominateur : numerateur;
    seul = quotient_long_ecrit(seul, "1");
    return;
  }
  numerateur = quotient_long_ecrit(numerateur, denominateur);
  denominateur = "1";
}

// A numeric part made in floating point has no exact quotient to keep:
// its numerator and denominator are divided into one number
// (1.5511210043331E25/6.20448401733239E23 is 25). A lone denominator stays
// one, as 1/3 does; a zero or an error value is left to the text builder,
// which says so.
void divise_en_flottant(std::string& numerateur, std::string& denominateur) {
  if (numerateur == "1" || denominateur == "1") return;
  const auto n = lire_nombre(numerateur);
  const auto d = lire_nombre(denominateur);
  if (!n || !d || *d == 0) return;
  numerateur = texte_nombre_fini(*n / *d);
  denominateur = "1";
}

std::string argument_racine(const std::string& t, bool& trouve) {
  std::vector<std::string> arguments;
  trouve = identifiant_appel(t, arguments) == Ligne::sqrt && arguments.size() == 1;
  return trouve ? arguments[0] : std::string();
}

std::string developpe_utilisateur(const std::string& t) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  if (est_negatif(t)) return operation_ordonnee("-1", developpe_utilisateur(sans_moins(t)), "*");
  if (!sans_operateur(t)) {
    const expression e(t);
    if (est_binaire(e.type_operateur)) {
      return operation_ordonnee(developpe_utilisateur(sans_parentheses(e.gauche)),
                                developpe_utilisateur(sans_parentheses(e.droite)), e.operateur);
    }
  } else {
    compte_coupe(t);  // a leaf: the work of its node is counted
  }
  std::vector<std::string> arguments;
  const int id = identifiant_appel(t, arguments);
  if (id < nb_fonctions_predefinies || id >= fonctions_usuelles->taille() || est_constante(t)) return t;
  return fonction(fonctions_usuelles->corps[id])
      .numeriser_substitution(fonctions_usuelles->arguments[id], arguments.empty() ? "" : arguments[0], true);
}

}  // namespace

void decompose_somme(const std::string& t, std::vector<std::string>& termes, std::vector<std::string>& signes) {
  auto r = memorise(Routine::decompose_somme, t, [&] {
    Tableaux s;
    decompose_somme_garde(t, s.first, s.second);
    return s;
  });
  termes = std::move(r.first);
  signes = std::move(r.second);
}

void decompose_produit(const std::string& t, std::vector<std::string>& bases, std::vector<std::string>& exposants) {
  decompose_produit_garde(t, bases, exposants);
}

std::string recompose_somme(const std::vector<std::string>& termes, const std::vector<std::string>& signes,
                            std::size_t debut, std::size_t fin) {
  GardeProfondeur garde;
  if (garde.depassee() || termes.empty()) return garde.depassee() ? "" : "0";
  if (fin == 0 || fin >= termes.size()) fin = termes.size() - 1;
  std::string r;
  for (std::size_t k = debut; k <= fin; ++k) {
    if (k == debut) {
      r = calcul_facteur(operation_ordonnee(signes[k], termes[k], "*"));
    } else {
      r = operation_ordonnee(r, calcul_facteur(operation_ordonnee(enleve_moins(signes[k]), termes[k], "*")),
                             signe_de(signes[k]));
    }
  }
  if (r.empty()) r = "0";
  return resultat_garde(garde, std::move(r));
}

std::string recompose_produit(const std::vector<std::string>& bases, const std::vector<std::string>& exposants) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  std::string num_n = "1";
  std::string lit_n = "1";
  std::string num_d = "1";
  std::string lit_d = "1";
  for (std::size_t k = bases.size(); k-- > 0;) {
    if (est_negatif(exposants[k])) {
      ajoute_facteur(bases[k], enleve_moins(exposants[k]), lit_d, num_d);
    } else {
      ajoute_facteur(bases[k], exposants[k], lit_n, num_n);
    }
  }
  if (est_entier(num_n) && est_entier(num_d)) {
    const auto n = entier_du_texte(num_n);
    const auto d = entier_du_texte(num_d);
    if (n && d) {
      const std::int64_t g = pgcd(*n, *d);
      const auto qn = g == 0 ? std::nullopt : quotient_verifie(*n, g);
      const auto qd = g == 0 ? std::nullopt : quotient_verifie(*d, g);
      if (qn && qd) {
        num_n = texte_entier(*qn);
        num_d = texte_entier(*qd);
      }
    } else {
      divise_exactement(num_n, num_d);
    }
  } else {
    divise_en_flottant(num_n, num_d);
  }
  const std::string q = operation_ordonnee(num_n, num_d, "/");
  const std::string l = operation_ordonnee(lit_n, lit_d, "/");
  return resultat_garde(garde, operation_ordonnee(q, l, "*"));
}

std::optional<bool> exposant_impair(const std::string& exposant) {
  // Parity from the last digit: an integer of any length is read at once.
  if (est_entier(exposant)) return (exposant.back() - '0') % 2 != 0;
  const std::string e = sans_parentheses(enleve_moins(sans_parentheses(exposant)));
  if (est_entier(e)) return (e.back() - '0') % 2 != 0;
  // A decimal is the fraction it writes: 0.2 is 1/5.
  const expression q(est_nombre(e) ? fraction(e) : e);
  if (q.operateur != "/") return std::nullopt;
  const Entier p = entier_ecrit(sans_parentheses(enleve_moins(q.gauche)));
  const Entier d = entier_ecrit(sans_parentheses(q.droite));
  if (!p || !d || *d == 0) return std::nullopt;
  // In lowest terms the denominator is odd when d has no more factors 2
  // than p, and the numerator odd when both have as many.
  const int deux_p = std::countr_zero(static_cast<std::uint64_t>(*p));
  const int deux_d = std::countr_zero(static_cast<std::uint64_t>(*d));
  if (deux_d > deux_p) return std::nullopt;
  return deux_p == deux_d;
}

std::string puissance_signee(const std::string& base, const std::string& exposant, const std::string& operateur) {
  if (est_negatif(base)) {
    const std::optional<bool> impair = exposant_impair(exposant);
    if (!impair) return operation_ordonnee(base, exposant, operateur);
    if (!*impair) return operation_ordonnee(sans_moins(base), exposant, operateur);
    return operation_ordonnee("-1", operation_ordonnee(sans_moins(base), exposant, operateur), "*");
  }
  return operation_ordonnee(base, exposant, operateur);
}

void ajoute_facteur(const std::string& base, const std::string& exposant, std::string& litteral,
                    std::string& numerique) {
  // A whole number in another text (1.5e3, or a large integer the general
  // format wrote with an exponent) is a number of the product as an
  // integer is, made in floating point where it is no integer text.
  if (est_nombre_entier(base) && est_entier(exposant)) {
    multiplie_puissance(base, exposant, numerique);
    return;
  }
  bool racine = false;
  const std::string argument = argument_racine(base, racine);
  std::string f;
  if (racine && est_entier(exposant) && (exposant.back() - '0') % 2 == 0) {
    const auto k = entier_du_texte(exposant);
    f = k ? puissance_signee(argument, texte_entier(*k / 2), "^") : puissance_signee(base, exposant, "^");
  } else if (racine) {
    f = puissance_signee(extrait_carres(argument), exposant, "^");
  } else {
    f = puissance_signee(base, exposant, "^");
  }
  if (est_entier(f)) {
    numerique = multiplie_texte(numerique, f);
  } else {
    litteral = operation_ordonnee(f, litteral, "*");
  }
}

void ajoute_paire(const std::string& base, const std::string& exposant, std::vector<std::string>& bases,
                  std::vector<std::string>& exposants) {
  bases.push_back(base);
  exposants.push_back(exposant);
}

namespace {

// The sign of a t known negated distributed over its terms, under the
// caller's guard.
std::string moins_distribue(const std::string& t, const GardeProfondeur& garde) {
  // The terms from the right, each with the operator before it.
  std::vector<std::pair<std::string, std::string>> termes;
  std::string reste = sans_parentheses(sans_moins(t));
  for (;;) {
    expression e(reste);
    if (!est_somme(e)) break;
    termes.emplace_back(e.operateur, std::move(e.droite));
    reste = std::move(e.gauche);
  }
  termes.emplace_back("", std::move(reste));
  std::string r;
  for (auto it = termes.rbegin(); it != termes.rend(); ++it) {
    const std::string& operateur = it->first;
    // Split along the product chain from the right; an empty rest is neutral.
    std::string rest;
    std::string facteur = it->second;
    for (;;) {
      expression e(facteur);
      if (e.operateur != "*") break;
      rest = rest.empty() ? std::move(e.droite) : operation(e.droite, rest, "*");
      facteur = std::move(e.gauche);
    }
    if (rest.empty()) rest = "1";
    std::string signe_facteur;
    if (est_entier(facteur)) {
      signe_facteur = operateur == "-" ? "-" + facteur : facteur;
    } else {
      rest = operation(enleve_moins(facteur), rest, "*");
      signe_facteur = (operateur == "-" || est_negatif(facteur)) ? "-1" : "1";
    }
    const std::string texte = operation(enleve_moins(signe_facteur), rest, "*");
    const std::string signe = produit_signes(signe_terme(signe_facteur), "-");
    r = it == termes.rbegin() ? signe + texte : operation(r, texte, signe);
  }
  if (!r.empty() && r[0] == '+') r.erase(0, 1);
  return resultat_garde(garde, std::move(r));
}

}  // namespace

std::string distribue_moins(const std::string& t) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  if (!est_negatif(t)) return t;
  return moins_distribue(t, garde);
}

std::string distribue_moins_du_negatif(const std::string& t) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  compte_coupe(t);  // the scan est_negatif(t) would make again
  return moins_distribue(t, garde);
}

std::string developpe_fonctions_utilisateur(const std::string& t) {
  GardeProfondeur garde;
  return resultat_garde(garde, developpe_utilisateur(t));
}
