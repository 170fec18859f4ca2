#include "engine/regroupement.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/appel_fonction.h"
#include "engine/chemins_rapides.h"
#include "engine/decomposition.h"
#include "engine/decoupage.h"
#include "engine/developpement.h"
#include "engine/entiers_longs.h"
#include "engine/entiers_verifies.h"
#include "engine/expression.h"
#include "engine/factorisation.h"
#include "engine/fonctions_usuelles.h"
#include "engine/fractions.h"
#include "engine/memoire_appel.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/reduction.h"
#include "engine/regroupement_rapide.h"
#include "engine/valeurs_erreur.h"
#include "localisation/chrono.h"
#include "localisation/format.h"
#include "localisation/nombres.h"

namespace {

using Textes = std::vector<std::string>;

double valeur_signe(const std::string& c) {
  if (c == "0") return 0;
  return est_negatif(c) ? -1 : 1;
}

// A term whose numerator and denominator are integers.
bool est_nombre_exact(const std::string& t) { return est_entier(numerateur(t)) && est_entier(denominateur(t)); }

// The sign of a folded term moved into its sign entry.
void range_signe(std::string& terme, std::string& signe) {
  if (est_negatif(terme)) {
    terme = sans_moins(terme);
    signe = "-1";
  } else {
    signe = "1";
  }
}

// Adds term i into the exact-number slot.
void ajoute_exact(Textes& t, Textes& c, std::size_t place, std::size_t i) {
  t[place] = calcul_facteur(
      operation(operation_ordonnee(c[place], t[place], "*"), operation_ordonnee(c[i], t[i], "*"), "+"));
  range_signe(t[place], c[place]);
  c[i] = "0";
}

// Adds term i into the decimal-number slot, in floating point; a sum past
// the largest double is an error value, which the later terms leave as it is.
void ajoute_decimal(Textes& t, Textes& c, std::size_t place, std::size_t i) {
  if (est_erreur(t[place])) {
    c[i] = "0";
    return;
  }
  const double somme = valeur_signe(c[place]) * lire_nombre(t[place]).value_or(0) +
                       valeur_signe(c[i]) * lire_nombre(t[i]).value_or(0);
  t[place] = texte_nombre_fini(somme);
  range_signe(t[place], c[place]);
  c[i] = "0";
}

// The decimal slot holding a whole number is an integer of the sum: 0.5+0.5
// is 1, 1.5e3 is 1500, and 2^200, which the general format writes with an
// exponent, is a large integer. Written in the general format, a whole value
// is an integer text up to 15 digits and joins the exact numbers exactly;
// a larger one is added in floating point, as a product past 64 bits is
// made, and a sum past the largest double is an error value.
void joint_decimale_entiere(Textes& t, Textes& c, std::size_t exacte, std::size_t decimale) {
  const auto valeur = lire_nombre(t[decimale]);
  if (!valeur || std::trunc(*valeur) != *valeur) return;
  if (std::string entier = texte_nombre(*valeur); est_entier(entier)) {
    t[decimale] = std::move(entier);
    ajoute_exact(t, c, exacte, decimale);
    return;
  }
  const auto n = lire_nombre(numerateur(t[exacte]));
  const auto d = lire_nombre(denominateur(t[exacte]));
  if (!n || !d || *d == 0) return;  // an exact sum left unreduced past 64 bits
  t[exacte] = texte_nombre_fini(valeur_signe(c[exacte]) * *n / *d + valeur_signe(c[decimale]) * *valeur);
  range_signe(t[exacte], c[exacte]);
  c[decimale] = "0";
}

// A name a monomial may hold: letters, digits, "_", "'" and the imaginary
// unit, not starting with a digit, and no constant (a constant is a number
// in disguise).
bool est_nom_simple(const std::string& t) {
  if (t.empty() || (t[0] >= '0' && t[0] <= '9') || est_constante(t)) return false;
  for (const char c : t) {
    const bool lettre = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!lettre && c != '_' && c != '\'' && c != '\xEE') return false;
  }
  return true;
}

// The literal part of a term made of numbers and of names raised to integer
// powers: each name with its total exponent, in name order. No value for
// any other term (a call, a bracket, a constant, a symbolic exponent).
using Monome = std::vector<std::pair<std::string, std::int64_t>>;
std::optional<Monome> partie_litterale(const std::string& terme) {
  Textes bases;
  Textes exposants;
  decompose_produit(terme, bases, exposants);
  Monome m;
  for (std::size_t k = 0; k < bases.size(); ++k) {
    const Entier e = entier_ecrit(exposants[k]);
    if (!e) return std::nullopt;
    if (est_nombre(bases[k])) continue;
    if (!est_nom_simple(bases[k])) return std::nullopt;
    m.emplace_back(bases[k], *e);
  }
  std::sort(m.begin(), m.end());
  Monome total;
  for (auto& [nom, e] : m) {
    if (!total.empty() && total.back().first == nom) {
      const Entier s = somme_verifiee(total.back().second, e);
      if (!s) return std::nullopt;
      total.back().second = *s;
    } else {
      total.emplace_back(std::move(nom), e);
    }
  }
  std::erase_if(total, [](const auto& f) { return f.second == 0; });
  return total;
}

// Every name of m is a name of n (both in name order).
bool noms_inclus(const Monome& m, const Monome& n) {
  std::size_t k = 0;
  for (const auto& [nom, e] : m) {
    while (k < n.size() && n[k].first < nom) ++k;
    if (k == n.size() || n[k].first != nom) return false;
  }
  return true;
}

// Two terms are like terms only when, their common factors taken out, the
// sum of what is left, each with its sign, is a number. For monomials in
// plain names it cannot be when their literal parts differ: nothing common
// makes two different monomials equal, and a sum of different monomials is
// no number. A term already merged away has the sign 0 and leaves only the
// other's cofactor, which is no number while the other holds a name the
// merged term lacks. Such pairs are not tried: the collection of a sum of n
// different monomials (a determinant of letters, a polynomial) otherwise
// factorises n^2/2 pairs in vain.
class LitterauxDesTermes {
 public:
  explicit LitterauxDesTermes(const Textes& t) : t_(t), lus_(t.size()), litteraux_(t.size()) {}

  bool jamais_semblables(std::size_t i, std::size_t j, const Textes& signes) {
    const bool fusionne_i = signes[i] == "0";
    const bool fusionne_j = signes[j] == "0";
    if (fusionne_i && fusionne_j) return false;
    const auto& a = de(i);
    const auto& b = de(j);
    if (!a || !b) return false;
    if (fusionne_i) return !noms_inclus(*b, *a);
    if (fusionne_j) return !noms_inclus(*a, *b);
    return *a != *b;
  }

 private:
  const std::optional<Monome>& de(std::size_t k) {
    // A merge rewrites a term: its literal part is read again.
    if (lus_[k] != t_[k]) {
      lus_[k] = t_[k];
      litteraux_[k] = partie_litterale(t_[k]);
    }
    return litteraux_[k];
  }

  const Textes& t_;
  std::vector<std::optional<std::string>> lus_;  // the text each literal part was read from
  std::vector<std::optional<Monome>> litteraux_;
};

// A term naming one of the user's constants.
bool cite_constante_utilisateur(const std::string& terme) {
  if (!constantes) return false;
  for (std::size_t k = nb_constantes_predefinies; k < constantes->noms.size(); ++k) {
    if (cite_nom(terme, constantes->noms[k])) return true;
  }
  return false;
}

// A user constant whose value is an exact number is a number in disguise:
// the sum is written with calcul_facteur, which would show k (k:=3) as 3
// beside the numbers it was kept apart from (1+3). Such a term is folded
// first and joins the numbers, as it does in a product (2*k gives 6). pi,
// whose value is no exact number, stays a name.
bool plie_constante(std::string& terme, std::string& signe) {
  if (!cite_constante_utilisateur(terme)) return false;
  std::string valeur = calcul_facteur(operation_ordonnee(signe, terme, "*"));
  if (!est_nombre_exact(valeur)) return false;
  terme = std::move(valeur);
  range_signe(terme, signe);
  return true;
}

// One pass: numbers into their two slots, each literal term merged with its
// like terms further on.
void fusionne_termes(Textes& t, Textes& c) {
  constexpr std::size_t aucune = static_cast<std::size_t>(-1);
  std::size_t exacte = aucune;
  std::size_t decimale = aucune;
  LitterauxDesTermes litteraux(t);
  const auto vers_exacte = [&](std::size_t i) {
    if (exacte == aucune) {
      exacte = i;
    } else {
      ajoute_exact(t, c, exacte, i);
    }
  };
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (est_nombre_exact(t[i]) || plie_constante(t[i], c[i])) {
      vers_exacte(i);
    } else if (est_nombre(t[i])) {
      if (decimale == aucune) {
        decimale = i;
      } else {
        ajoute_decimal(t, c, decimale, i);
      }
    } else {
      const std::string avant = t[i];
      for (std::size_t j = i + 1; j < t.size(); ++j) {
        if (litteraux.jamais_semblables(i, j, c)) continue;
        std::string f;
        regroupe_factorise_lettre(t[i], t[j], c[i], c[j], true, f);
      }
      if (est_entier(t[i]) && t[i] != avant) vers_exacte(i);
    }
  }
  if (exacte != aucune && decimale != aucune) joint_decimale_entiere(t, c, exacte, decimale);
}

// Terms ordered by their literal parts as byte strings (ordre_de_collecte).
void ordonne_termes(Textes& t, Textes& c) {
  Textes litteraux(t.size());
  for (std::size_t i = 0; i < t.size(); ++i) {
    std::string coef;
    separe_coefficient(t[i], coef, litteraux[i]);
  }
  const std::vector<std::size_t> ordre = ordre_de_collecte({litteraux.begin(), litteraux.end()});
  range_selon(t, ordre);
  range_selon(c, ordre);
}

// The value of a text of integers, "+", "-", "*" and powers to integer
// exponents (2^67+2^67, -(3*5^2)) as an integer text, made exactly within
// the range of a double. Any other text, a name or a decimal in it, has
// none, and is not read further than its characters.
std::optional<std::string> entier_exact(const std::string& t) {
  if (t.find_first_not_of("0123456789+-*^()") != std::string::npos) return std::nullopt;
  GardeProfondeur garde;
  if (garde.depassee()) return std::nullopt;
  const std::string s = sans_parentheses(t);
  if (est_entier(s)) return produit_long(s, "1");
  if (est_negatif(s)) {
    const auto v = entier_exact(sans_moins(s));
    return v ? difference_longue("0", *v) : std::nullopt;
  }
  const expression e(s);
  if (e.type_operateur == TypeOperateur::puissance) {
    const Entier k = entier_ecrit(sans_parentheses(e.droite));
    const auto base = entier_exact(e.gauche);
    if (!k || *k < 0 || !base) return std::nullopt;
    return puissance_longue(*base, static_cast<std::uint64_t>(*k));
  }
  if (!est_somme_ou_difference(e.type_operateur) && e.type_operateur != TypeOperateur::fois) return std::nullopt;
  const auto a = entier_exact(e.gauche);
  const auto b = entier_exact(e.droite);
  if (!a || !b) return std::nullopt;
  if (e.type_operateur == TypeOperateur::fois) return produit_long(*a, *b);
  return e.operateur == "+" ? somme_longue(*a, *b) : difference_longue(*a, *b);
}

// n/d collected side by side, as sums (or with a negated numerator). Sides
// that are whole numbers past 64 bits are taken at their exact values:
// collected apart, they would be written in 15 digits, and the quotient
// divided from those digits.
std::string quotient_des_cotes(const std::string& n, const std::string& d) {
  const auto en = entier_exact(n);
  const auto ed = en ? entier_exact(d) : std::nullopt;
  if (ed && (!lire_entier64(*en) || !lire_entier64(*ed))) return regroupe_produit(operation_ordonnee(*en, *ed, "/"));
  return regroupe_produit(operation_ordonnee(regroupe_somme(n), regroupe_somme(d), "/"));
}

std::string somme_regroupee(const std::string& texte) {
  if (texte.empty()) return texte;  // nothing to collect, and no "0" made up
  if (chemins_rapides_actifs()) {
    if (auto r = somme_polynomiale_regroupee(texte)) return *std::move(r);
  }
  const expression e(developpe_fonctions_utilisateur(texte));
  const std::string& t = e.texte;
  if (e.operateur == "/") {
    const std::string n = sans_parentheses(e.gauche);
    const std::string d = sans_parentheses(e.droite);
    const TypeOperateur tn = type_operateur_de(n);
    const TypeOperateur td = type_operateur_de(d);
    const bool un_terme = !est_somme_ou_difference(tn) && !est_somme_ou_difference(td) && !est_negatif(n);
    if (!un_terme) return quotient_des_cotes(n, d);
  }
  if (t.find('[') != std::string::npos) return t;  // lists and matrices stay as they are
  Textes termes;
  Textes signes;
  decompose_somme(t, termes, signes);
  for (auto& terme : termes) terme = regroupe_produit(terme);
  fusionne_termes(termes, signes);
  ordonne_termes(termes, signes);
  return recompose_somme(termes, signes);
}

// Numbers of a product with the same exponent multiplied: exactly while
// the integers fit, and past 64 bits when the exponent is an integer too
// (the power then joins the product's numeric part, which is written from
// its exact value); a product past the largest double is an error value.
std::string produit_de_nombres(const std::string& a, const std::string& b, const std::string& exposant) {
  if (const Entier p = entiers_combines(a, b, '*')) return texte_entier(*p);
  if (est_entier(a) && est_entier(b) && est_entier(exposant)) {
    if (auto p = produit_long(a, b)) return *std::move(p);
  }
  return texte_nombre_fini(lire_nombre(a).value_or(0) * lire_nombre(b).value_or(0));
}

std::string somme_exposants(const std::string& a, const std::string& b) {
  if (est_entier(a) && est_entier(b)) {
    if (const Entier s = entiers_combines(a, b, '+')) return texte_entier(*s);
    return texte_nombre(lire_nombre(a).value_or(0) + lire_nombre(b).value_or(0));
  }
  return regroupe_somme(operation_ordonnee(a, b, "+"));
}

// a^e*b^e is (a*b)^e for numbers a and b unless a negative one has no
// real power e: (-2)^(1/2)*(-2)^(1/2) is no 4^(1/2).
bool puissances_jointes(const std::string& a, const std::string& b, const std::string& e) {
  return (a.front() != '-' && b.front() != '-') || exposant_impair(e);
}

std::string produit_regroupe(const std::string& t) {
  Textes bases;
  Textes exposants;
  decompose_produit(t, bases, exposants);
  for (std::size_t i = 0; i < bases.size(); ++i) {
    for (std::size_t j = i + 1; j < bases.size(); ++j) {
      if (exposants[i] == exposants[j] && est_nombre(bases[i]) && est_nombre(bases[j]) &&
          puissances_jointes(bases[i], bases[j], exposants[i])) {
        bases[i] = produit_de_nombres(bases[i], bases[j], exposants[i]);
        bases[j] = "1";
      } else if (!est_entier(bases[i]) && regroupe_compare_somme_est_egale(bases[i], bases[j])) {
        bases[j] = "1";
        exposants[i] = somme_exposants(exposants[i], exposants[j]);
        exposants[j] = "0";
      }
    }
  }
  return recompose_produit(bases, exposants);
}

bool memes_termes_signes(const std::string& a, const std::string& b) {
  Textes ta;
  Textes ca;
  Textes tb;
  Textes cb;
  decompose_somme(a, ta, ca);
  decompose_somme(b, tb, cb);
  if (ta.size() != tb.size() || ta.empty()) return false;
  std::vector<bool> pris(tb.size(), false);
  for (std::size_t i = 0; i < ta.size(); ++i) {
    std::size_t k = 0;
    while (k < tb.size() && (pris[k] || tb[k] != ta[i])) ++k;
    if (k == tb.size() || cb[k] != ca[i]) return false;
    pris[k] = true;
  }
  return true;
}

struct Facteurs {
  Textes bases;
  Textes exposants;
};

bool est_unite(const std::string& t) {
  const auto v = lire_nombre(t);
  return v && (*v == 1 || *v == -1);
}

// Whether two bases count as the same factor, and whether b is the
// opposite of a (factorising mode only).
bool bases_assorties(const std::string& a, const std::string& b, bool regroupement, bool deux_nombres,
                     bool& oppose) {
  oppose = false;
  if (regroupement) return a == b && !est_nombre(a) && !est_nombre(b);
  // A unit is no common factor: taking 1 out of 1-x gives 1-x back, and
  // the factorisation would go round forever.
  if (deux_nombres || est_unite(a) || est_unite(b)) return false;
  if (regroupe_compare_somme_est_egale(a, b)) return true;
  oppose = regroupe_compare_somme_est_egale(a, operation("-1", b, "*"));
  return oppose;
}

// Two integer bases with the same exponent give their gcd to the common
// factor.
void met_en_commun_entiers(std::string& a, std::string& b, const std::string& exposant, Facteurs& commun) {
  const auto x = entier_du_texte(a);
  const auto y = entier_du_texte(b);
  if (!x || !y) return;
  const std::int64_t g = pgcd(*x, *y);
  if (g == 0 || g == 1 || g == -1) return;
  const auto qx = quotient_verifie(*x, g);
  const auto qy = quotient_verifie(*y, g);
  if (!qx || !qy) return;
  ajoute_paire(texte_entier(g), exposant, commun.bases, commun.exposants);
  a = texte_entier(*qx);
  b = texte_entier(*qy);
}

void factorise_lettre(std::string& a, std::string& b, std::string& sa, std::string& sb, bool regroupement,
                      std::string& f) {
  const std::string a0 = a;
  const std::string b0 = b;
  const std::string sa0 = sa;
  const std::string sb0 = sb;
  Facteurs fa;
  Facteurs fb;
  decompose_produit(a, fa.bases, fa.exposants);
  decompose_produit(b, fb.bases, fb.exposants);
  Facteurs commun;
  if (sa == "-1" && sb == "-1") {
    ajoute_paire("-1", "1", commun.bases, commun.exposants);
    sa = "1";
    sb = "1";
  }
  const bool deux_nombres = est_nombre(a0) && est_nombre(b0);
  for (std::size_t i = 0; i < fa.bases.size(); ++i) {
    for (std::size_t j = 0; j < fb.bases.size(); ++j) {
      bool oppose = false;
      if (!bases_assorties(fa.bases[i], fb.bases[j], regroupement, deux_nombres, oppose)) {
        if (est_entier(fa.bases[i]) && est_entier(fb.bases[j]) && fa.exposants[i] == fb.exposants[j]) {
          met_en_commun_entiers(fa.bases[i], fb.bases[j], fa.exposants[i], commun);
        }
        continue;
      }
      const auto ea = entier_ecrit(fa.exposants[i]);
      const auto eb = entier_ecrit(fb.exposants[j]);
      if (!ea || !eb || *ea <= 0 || *eb <= 0 || (regroupement && *ea != *eb)) continue;
      const std::int64_t m = *ea < *eb ? *ea : *eb;
      ajoute_paire(fa.bases[i], texte_entier(m), commun.bases, commun.exposants);
      fa.exposants[i] = texte_entier(*ea - m);
      fb.exposants[j] = texte_entier(*eb - m);
      // The opposite base carries a sign over to b's cofactor.
      if (oppose) sb = operation("-1", sb, "*");
    }
  }
  const auto remet = [&] {
    a = a0;
    b = b0;
    sa = sa0;
    sb = sb0;
  };
  if (commun.bases.empty()) {
    remet();
    return;
  }
  const std::string ca = recompose_produit(fa.bases, fa.exposants);
  const std::string cb = recompose_produit(fb.bases, fb.exposants);
  const std::string somme =
      reduire(operation(developper(operation(sa, ca, "*")), developper(operation(sb, cb, "*")), "+"));
  // Collecting accepts only a numeric cofactor sum. Factorising a reduced
  // sum of exact terms that is no single number cannot make it one (the
  // reduction merged already what would cancel; decimals, which it keeps
  // apart from exact numbers, are another matter), so that costly step is
  // spared when it would be undone at once: most pairs of terms with a
  // common factor are no like terms.
  const auto numerique = [](const std::string& t) { return est_nombre(numerateur(t)) && est_nombre(denominateur(t)); };
  if (regroupement && !numerique(somme) && somme.find('.') == std::string::npos) {
    remet();
    return;
  }
  const std::string s = regroupe_factorise_lettre_globale(somme);
  if (regroupement && !numerique(s)) {
    remet();
    return;
  }
  ajoute_paire(s, "1", commun.bases, commun.exposants);
  a = recompose_produit(commun.bases, commun.exposants);
  sa = "1";
  sb = "0";
  f = a;
}

// Digits of a text's length, at most.
constexpr std::size_t chiffres_longueur_maximale = 20;

// The memory key of several texts: each but the last preceded by its
// length and ":", so no two lists of texts give the same key. Built in one
// text of the right size.
std::string cle_de(std::initializer_list<std::string_view> textes) {
  std::size_t taille = 0;
  for (const auto t : textes) taille += t.size() + chiffres_longueur_maximale + 1;
  std::string cle;
  cle.reserve(taille);
  std::size_t reste = textes.size();
  for (const auto t : textes) {
    if (--reste > 0) {
      cle += texte_entier(static_cast<std::int64_t>(t.size()));
      cle += ':';
    }
    cle += t;
  }
  return cle;
}

}  // namespace

std::string regroupe_somme(const std::string& t) {
  return routine_memorisee(
      Routine::regroupe_somme, t, [&] { return Format("regroupe_somme(%s)", {t}); },
      [&] { return somme_regroupee(t); });
}

std::string regroupe_somme_numerique(const std::string& t) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  Textes termes;
  Textes signes;
  decompose_somme(t, termes, signes);
  constexpr std::size_t aucune = static_cast<std::size_t>(-1);
  std::size_t decimale = aucune;
  for (std::size_t i = 0; i < termes.size(); ++i) {
    if (!est_nombre(termes[i])) continue;
    if (decimale == aucune) {
      decimale = i;
    } else {
      ajoute_decimal(termes, signes, decimale, i);
    }
  }
  std::string r;
  for (std::size_t k = 0; k < termes.size(); ++k) {
    const std::string terme = operation(enleve_moins(signes[k]), termes[k], "*");
    r = k == 0 ? operation(signes[k], termes[k], "*") : operation(r, terme, est_negatif(signes[k]) ? "-" : "+");
  }
  if (r.empty()) r = "0";
  return resultat_garde(garde, std::move(r));
}

std::string regroupe_produit(const std::string& t) {
  return routine_memorisee(Routine::regroupe_produit, t, "regroupe_produit", [&] { return produit_regroupe(t); });
}

bool regroupe_compare_somme_est_egale(const std::string& a, const std::string& b) {
  GardeProfondeur garde;
  if (garde.depassee()) return false;
  std::uint32_t debut = 0;
  debut_chrono(debut);
  // Equal texts decompose alike, into at least one term. The key cannot
  // mistake where a ends.
  bool egales = a == b;
  if (!egales) {
    const std::string cle = cle_de({a, b});
    egales = memorise(Routine::memes_termes_signes, cle, [&] { return memes_termes_signes(a, b); });
  }
  fin_chrono("regroupe_compare_somme_est_egale", debut);
  return egales && !garde.depassee();
}

void regroupe_factorise_lettre(std::string& a, std::string& b, std::string& sa, std::string& sb, bool regroupement,
                               std::string& f) {
  GardeProfondeur garde;
  if (garde.depassee()) return;
  std::uint32_t debut = 0;
  debut_chrono(debut);
  // The outcome is all or nothing: a merge rewrites a, sa, sb and f alike.
  const std::string cle = (regroupement ? "r" : "f") + cle_de({a, b, sa, sb});
  const auto fusion = memorise(Routine::factorise_lettre, cle, [&] {
    std::string a2 = a, b2 = b, sa2 = sa, sb2 = sb, f2;
    factorise_lettre(a2, b2, sa2, sb2, regroupement, f2);
    return std::pair<bool, std::string>(!f2.empty(), f2);
  });
  if (fusion.first) {
    a = fusion.second;
    f = fusion.second;
    sa = "1";
    sb = "0";
  }
  fin_chrono("regroupe_factorise_lettre", debut);
}

std::vector<std::size_t> ordre_de_collecte(const std::vector<std::string_view>& cles) {
  std::vector<std::size_t> ordre(cles.size());
  for (std::size_t i = 0; i < ordre.size(); ++i) ordre[i] = i;
  for (std::size_t i = 0; i < ordre.size(); ++i) {
    const std::string_view cle = cles[ordre[i]];
    for (std::size_t j = i + 1; j < ordre.size(); ++j) {
      if (cle.compare(cles[ordre[j]]) > 0) std::swap(ordre[i], ordre[j]);
    }
  }
  return ordre;
}
