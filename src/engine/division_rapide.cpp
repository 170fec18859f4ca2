#include "engine/division_rapide.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/algebre_entiere.h"
#include "engine/decomposition.h"
#include "engine/decoupage.h"
#include "engine/entiers_verifies.h"
#include "engine/operation.h"
#include "engine/polynome.h"
#include "engine/primitives.h"
#include "engine/reduction.h"
#include "engine/regroupement.h"
#include "localisation/nombres.h"

namespace {

// Numerators and denominators stay below this bound, so that every product
// the text builders make of two of them fits the engine's 64-bit integers.
constexpr std::int64_t borne_coefficients = 1000000000;

// Exact arithmetic that notes any result past the bound instead of giving
// it. Its operands lie within the bound, so a product of two of them, and
// the sum of two such products, fit in 64 bits.
class Calcul {
 public:
  Rationnel fait(std::int64_t n, std::int64_t d) {
    if (d < 0) {
      n = -n;
      d = -d;
    }
    std::int64_t a = n < 0 ? -n : n;
    std::int64_t b = d;
    while (b != 0) {
      const std::int64_t r = a % b;
      a = b;
      b = r;
    }
    if (a > 1) {
      n /= a;
      d /= a;
    }
    if (n > borne_coefficients || n < -borne_coefficients || d > borne_coefficients) {
      depasse = true;
      return {};
    }
    return {static_cast<std::int64_t>(n), static_cast<std::int64_t>(d)};
  }
  Rationnel somme(Rationnel a, Rationnel b) {
    return fait(static_cast<std::int64_t>(a.n) * b.d + static_cast<std::int64_t>(b.n) * a.d, static_cast<std::int64_t>(a.d) * b.d);
  }
  Rationnel produit(Rationnel a, Rationnel b) {
    return fait(static_cast<std::int64_t>(a.n) * b.n, static_cast<std::int64_t>(a.d) * b.d);
  }
  Rationnel quotient(Rationnel a, Rationnel b) {
    return fait(static_cast<std::int64_t>(a.n) * b.d, static_cast<std::int64_t>(a.d) * b.n);
  }
  bool depasse = false;
};

Rationnel oppose(Rationnel a) { return {-a.n, a.d}; }

std::string puissance_de_x(int k) { return k == 1 ? "x" : "x^" + texte_entier(k); }

// The text operation(c, x^k, "*") gives the monomial c*x^k, which the
// reduction keeps as it is.
std::string monome_ecrit(Rationnel c, int k) {
  if (k == 0) return texte_rationnel(c);
  const std::string x = puissance_de_x(k);
  const std::int64_t valeur_absolue = c.n < 0 ? -c.n : c.n;
  if (c.d == 1) {
    if (c.n == 1) return x;
    if (c.n == -1) return "-" + x;
    return texte_entier(c.n) + "*" + x;
  }
  const std::string signe = c.n < 0 ? "-" : "";
  const std::string d = "/" + texte_entier(c.d);
  if (valeur_absolue == 1) return k == 1 ? signe + "x" + d : "(" + signe + x + ")" + d;
  return "(" + signe + texte_entier(valeur_absolue) + "*" + x + ")" + d;
}

// One factor of a term as the decomposition of a product lists it: an
// integer or x, with its exponent.
struct Facteur {
  std::int64_t base = 0;
  bool x = false;
  std::int64_t exposant = 1;
};
// The factors of a term (a sign, an integer, x, a denominator) or those
// two terms have in common: a few, kept in place.
class Facteurs {
 public:
  void push_back(Facteur f) { f_[n_++] = f; }
  bool empty() const { return n_ == 0; }
  Facteur* begin() { return f_.data(); }
  Facteur* end() { return f_.data() + n_; }
  const Facteur* begin() const { return f_.data(); }
  const Facteur* end() const { return f_.data() + n_; }

 private:
  static constexpr std::size_t places = 6;
  std::array<Facteur, places> f_{};
  std::size_t n_ = 0;
};

enum class Nature { nombre, monome, fusion, zero };

// One term of a sum as the collection holds it: the unsigned term text,
// its sign ("1", "-1", or "0" once merged away) and the value of the text.
struct Terme {
  std::string texte;
  int signe = 1;
  Rationnel valeur;  // of the unsigned text
  int degre = 0;
  Nature nature = Nature::nombre;
  // A merged term: the common factors and the sum its text is built from,
  // once the whole collection is known to be replayed.
  Facteurs commun;
  Rationnel somme;

  Rationnel valeur_signee() const { return signe == 0 ? Rationnel{} : Rationnel{signe * valeur.n, valeur.d}; }
  bool litteral() const { return nature == Nature::monome || nature == Nature::fusion; }
};

// The term c*x^k as the decomposition of a sum gives it: a leading "-"
// taken out as the sign.
Terme terme_de(Rationnel c, int k) {
  Terme t;
  t.texte = monome_ecrit(c, k);
  t.degre = k;
  t.nature = k == 0 ? Nature::nombre : Nature::monome;
  t.valeur = c;
  if (t.texte[0] == '-') {
    t.texte.erase(0, 1);
    t.signe = -1;
    t.valeur = oppose(c);
  }
  return t;
}

// The factors of a term in the written form of monome_ecrit.
Facteurs facteurs_de(const Terme& t) {
  Facteurs f;
  if (t.nature == Nature::zero) {
    f.push_back({0, false, 1});
    return f;
  }
  const std::int64_t n = t.valeur.n < 0 ? -t.valeur.n : t.valeur.n;
  if (t.nature == Nature::nombre) {
    f.push_back({n, false, 1});
  } else {
    if (t.valeur.n < 0) f.push_back({-1, false, 1});
    if (n != 1) f.push_back({n, false, 1});
    f.push_back({0, true, t.degre});
  }
  if (t.valeur.d != 1) f.push_back({t.valeur.d, false, -1});
  return f;
}

// The key the collection sorts terms by: the literal part after a leading
// integer factor, "1" for an integer, the whole text otherwise. A view of
// the term's text, or of `tampon` when separe_coefficient has to rebuild it.
std::string_view cle_de(const Terme& t, std::string& tampon) {
  const std::string_view texte = t.texte;
  if (t.nature == Nature::zero || (t.nature == Nature::nombre && t.valeur.d == 1)) return "1";
  if (t.nature != Nature::fusion) {
    // monome_ecrit: "n*x^k" and "x^k" give x^k, a fraction is its own key.
    if (t.valeur.d != 1) return texte;
    const auto fois = texte.find('*');
    return fois == std::string_view::npos ? texte : texte.substr(fois + 1);
  }
  // A merged term: "n*x^k" gives x^k; a text with no "*" or with a "/"
  // outside brackets is its own key.
  int profondeur = 0;
  std::size_t fois = std::string_view::npos;
  std::size_t nombre_fois = 0;
  for (std::size_t k = 0; k < texte.size(); ++k) {
    const char c = texte[k];
    if (c == '(') ++profondeur;
    if (c == ')') --profondeur;
    if (profondeur != 0) continue;
    if (c == '/') return texte;
    if (c == '*') {
      fois = k;
      ++nombre_fois;
    }
  }
  if (nombre_fois == 0) return texte;
  if (nombre_fois == 1 && est_entier(t.texte.substr(0, fois))) return texte.substr(fois + 1);
  std::string coefficient;
  separe_coefficient(t.texte, coefficient, tampon);
  return tampon;
}

// The collection's sort (ordre_de_collecte).
void ordonne(std::vector<Terme>& termes) {
  std::vector<std::string> tampons(termes.size());
  std::vector<std::string_view> cles;
  cles.reserve(termes.size());
  for (std::size_t i = 0; i < termes.size(); ++i) cles.push_back(cle_de(termes[i], tampons[i]));
  range_selon(termes, ordre_de_collecte(cles));
}

// What trying to merge two terms gives: the common factors the written
// factorisation takes out and the sum of the cofactors, when it is a number.
struct Essai {
  Facteurs commun;
  bool numerique = false;
  Rationnel somme;
};

Rationnel valeur_sans_x(const Facteurs& f, Calcul& calcul, bool& avec_x) {
  Rationnel v{1, 1};
  for (const auto& facteur : f) {
    if (facteur.x) {
      if (facteur.exposant != 0) avec_x = true;
      continue;
    }
    if (facteur.exposant == 1) v = calcul.produit(v, {facteur.base, 1});
    if (facteur.exposant == -1) v = calcul.quotient(v, {facteur.base, 1});
  }
  return v;
}

// The written factorisation of two like terms, on their factors.
Essai essaie(const Terme& a, const Terme& b, Calcul& calcul) {
  Facteurs fa = facteurs_de(a);
  Facteurs fb = facteurs_de(b);
  int sa = a.signe;
  int sb = b.signe;
  Essai e;
  if (sa == -1 && sb == -1) {
    e.commun.push_back({-1, false, 1});
    sa = 1;
    sb = 1;
  }
  for (auto& x : fa) {
    for (auto& y : fb) {
      if (x.x && y.x) {
        if (x.exposant <= 0 || y.exposant <= 0 || x.exposant != y.exposant) continue;
        e.commun.push_back({0, true, x.exposant});
        x.exposant = 0;
        y.exposant = 0;
        continue;
      }
      if (x.x || y.x || x.exposant != y.exposant) continue;
      const std::int64_t g = pgcd(x.base, y.base);
      if (g == 0 || g == 1 || g == -1) continue;
      e.commun.push_back({g, false, x.exposant});
      x.base /= g;
      y.base /= g;
    }
  }
  if (e.commun.empty()) return e;
  bool x_a = false;
  bool x_b = false;
  const Rationnel ca = valeur_sans_x(fa, calcul, x_a);
  const Rationnel cb = valeur_sans_x(fb, calcul, x_b);
  if ((sa != 0 && x_a) || (sb != 0 && x_b)) return e;
  e.numerique = true;
  e.somme = calcul.somme(calcul.produit({sa, 1}, ca), calcul.produit({sb, 1}, cb));
  return e;
}

// The merged term: the common factors times the sum, as the product's
// recomposition writes it. With an integer sum, the integers fold into one
// reduced fraction before x, which is how monome_ecrit writes it; a
// fractional sum stays a factor of its own.
std::string texte_fusion(const Facteurs& commun, Rationnel somme) {
  if (somme.d == 1) {
    Calcul calcul;
    Rationnel v = somme;
    int degre = 0;
    for (const auto& f : commun) {
      if (f.x) {
        degre = static_cast<int>(f.exposant);
      } else {
        v = f.exposant == 1 ? calcul.produit(v, {f.base, 1}) : calcul.quotient(v, {f.base, 1});
      }
    }
    if (!calcul.depasse && degre > 0) return monome_ecrit(v, degre);
  }
  std::vector<std::string> bases;
  std::vector<std::string> exposants;
  for (const auto& f : commun) {
    bases.push_back(f.x ? "x" : texte_entier(f.base));
    exposants.push_back(texte_entier(f.exposant));
  }
  bases.push_back(texte_rationnel(somme));
  exposants.emplace_back("1");
  return recompose_produit(bases, exposants);
}

// One collection of "remainder - divisor*quotient term" replayed on its
// terms. False when a merge would move a number into a term of its own,
// which the replay leaves to the written collection.
class Collection {
 public:
  Collection(std::vector<Terme> termes, Calcul& calcul) : t_(std::move(termes)), calcul_(calcul) {}

  bool fusionne() {
    for (std::size_t i = 0; i < t_.size(); ++i) {
      if (t_[i].nature == Nature::nombre) {
        vers_exacte(i);
        continue;
      }
      const Nature avant = t_[i].nature;
      for (std::size_t j = i + 1; j < t_.size(); ++j) {
        if (!essaye_paire(i, j)) return false;
      }
      // An integer written at i joins the exact numbers.
      const Nature apres = t_[i].nature;
      if ((apres == Nature::zero || apres == Nature::nombre) && apres != avant) vers_exacte(i);
    }
    return !calcul_.depasse;
  }

  // The collected terms, merged ones written.
  std::vector<Terme>& termes() {
    for (auto& t : t_) {
      if (t.nature == Nature::fusion && t.texte.empty()) t.texte = texte_fusion(t.commun, t.somme);
    }
    return t_;
  }

 private:
  static bool noms_inclus(const Terme& a, const Terme& b) { return !a.litteral() || b.litteral(); }

  bool tentee(const Terme& a, const Terme& b) const {
    const bool fusionne_a = a.signe == 0;
    const bool fusionne_b = b.signe == 0;
    if (fusionne_a && fusionne_b) return true;
    if (fusionne_a) return noms_inclus(b, a);
    if (fusionne_b) return noms_inclus(a, b);
    if (a.litteral() != b.litteral()) return false;
    return !a.litteral() || a.degre == b.degre;
  }

  static bool nombre_actif(const Terme& t) { return t.signe != 0 && t.nature == Nature::nombre; }

  bool essaye_paire(std::size_t i, std::size_t j) {
    Terme& a = t_[i];
    const Terme& b = t_[j];
    if (!tentee(a, b)) return true;
    if (a.nature == Nature::fusion) return true;  // x stays in its cofactor: no number
    // A number written at i would merge with a further number.
    if (a.nature == Nature::nombre) return !nombre_actif(b);
    // 0 merged with a term merged away writes 0 again.
    if (a.nature == Nature::zero && !nombre_actif(b)) return true;
    const Essai e = essaie(a, b, calcul_);
    if (!e.numerique) return true;
    if (nombre_actif(b)) return absorbe(a, e, t_[j]);
    if (a.signe == 0 || e.somme.n == 0) {
      a = zero();
    } else {
      a.texte.clear();
      a.commun = e.commun;
      a.somme = e.somme;
      a.valeur = calcul_.somme(a.valeur_signee(), b.valeur_signee());
      a.nature = Nature::fusion;
    }
    a.signe = 1;
    t_[j].signe = 0;
    return true;
  }

  // A term merged away, or 0, takes a common integer factor out of a number
  // and writes the number in its place: replayed when the number is an
  // integer (the written text is then the integer).
  static bool absorbe(Terme& a, const Essai& e, Terme& b) {
    const Rationnel v = b.valeur_signee();
    if (e.somme.d != 1 || v.d != 1) return false;
    a = Terme{};
    a.texte = texte_entier(v.n);
    a.valeur = v;
    b.signe = 0;
    return true;
  }

  static Terme zero() {
    Terme z;
    z.texte = "0";
    z.nature = Nature::zero;
    return z;
  }

  void vers_exacte(std::size_t i) {
    if (!exacte_) {
      exacte_ = i;
      return;
    }
    Terme& place = t_[*exacte_];
    const Rationnel v = calcul_.somme(place.valeur_signee(), t_[i].valeur_signee());
    if (v.n == 0) {
      place = zero();
    } else {
      place = terme_de(v, 0);
    }
    t_[i].signe = 0;
  }

  std::vector<Terme> t_;
  Calcul& calcul_;
  std::optional<std::size_t> exacte_;
};

// The terms of a sum at its top level, each with the sign before it (-1
// or 1) and its text without that sign: "-x^2+3*x-1" gives (-1, "x^2"),
// (1, "3*x"), (-1, "1"). A sign right after another starts no term.
std::vector<std::pair<int, std::string>> termes_signes(const std::string& texte) {
  std::vector<std::pair<int, std::string>> termes;
  std::size_t debut = 0;
  int profondeur = 0;
  for (std::size_t k = 0; k <= texte.size(); ++k) {
    const char c = k < texte.size() ? texte[k] : '\0';
    if (c == '(') ++profondeur;
    if (c == ')') --profondeur;
    if (k < texte.size() && (profondeur != 0 || k == debut || (c != '+' && c != '-'))) continue;
    std::string morceau = texte.substr(debut, k - debut);
    debut = c == '+' ? k + 1 : k;
    const bool moins = !morceau.empty() && morceau[0] == '-';
    termes.emplace_back(moins ? -1 : 1, moins ? morceau.substr(1) : std::move(morceau));
  }
  return termes;
}

// A reduced sum of monomials read back into its terms: each one must be
// written as monome_ecrit writes it, with distinct degrees.
std::optional<std::vector<Terme>> lit_somme(const std::string& texte, Calcul& calcul) {
  std::vector<Terme> termes;
  std::vector<bool> degres;
  for (const auto& [signe, corps] : termes_signes(texte)) {
    // The sum's sign, then the term as monome_ecrit writes it.
    bool negatif = false;
    std::string reste = corps;
    std::int64_t denominateur = 1;
    if (const auto barre = reste.rfind('/'); barre != std::string::npos) {
      const auto d = entier_ecrit(reste.substr(barre + 1));
      if (!d || *d < 2) return std::nullopt;
      denominateur = *d;
      reste.erase(barre);
      if (reste.size() > 2 && reste.front() == '(' && reste.back() == ')') reste = reste.substr(1, reste.size() - 2);
    }
    if (!reste.empty() && reste[0] == '-') {
      negatif = !negatif;
      reste.erase(0, 1);
    }
    std::int64_t numerateur = 1;
    int degre = 0;
    const auto fois = reste.find('*');
    std::string x = reste;
    if (fois != std::string::npos) {
      const auto n = entier_ecrit(reste.substr(0, fois));
      if (!n) return std::nullopt;
      numerateur = *n;
      x = reste.substr(fois + 1);
    }
    if (x == "x") {
      degre = 1;
    } else if (x.size() > 2 && x.compare(0, 2, "x^") == 0) {
      const auto e = entier_ecrit(x.substr(2));
      if (!e || *e < 2 || *e > degre_maximal) return std::nullopt;
      degre = static_cast<int>(*e);
    } else if (fois == std::string::npos) {
      const auto n = entier_ecrit(x);
      if (!n) return std::nullopt;
      numerateur = *n;
    } else {
      return std::nullopt;
    }
    if (numerateur > borne_coefficients || denominateur > borne_coefficients) return std::nullopt;
    const Rationnel coefficient = calcul.fait(negatif ? -numerateur : numerateur, denominateur);
    if (calcul.depasse || coefficient.n == 0 || corps.empty() || corps[0] == '-' ||
        monome_ecrit(coefficient, degre) != corps) {
      return std::nullopt;
    }
    if (degres.size() <= static_cast<std::size_t>(degre)) degres.resize(static_cast<std::size_t>(degre) + 1);
    if (degres[static_cast<std::size_t>(degre)]) return std::nullopt;
    degres[static_cast<std::size_t>(degre)] = true;
    Terme t;
    t.texte = corps;
    t.signe = signe;
    t.valeur = coefficient;
    t.degre = degre;
    t.nature = degre == 0 ? Nature::nombre : Nature::monome;
    termes.push_back(std::move(t));
  }
  return termes;
}

// The term is written as its value alone writes it (a first term is).
bool ecrit_de_sa_valeur(const Terme& t) {
  const Terme u = terme_de(t.valeur_signee(), t.degre);
  return u.texte == t.texte && u.signe == t.signe;
}

int degre_de(const std::vector<Terme>& termes) {
  int d = 0;
  for (const auto& t : termes) d = std::max(d, t.degre);
  return d;
}

Rationnel coefficient_de(const std::vector<Terme>& termes, int degre) {
  for (const auto& t : termes) {
    if (t.degre == degre) return t.valeur_signee();
  }
  return {};
}

// The texts of a collected sum, as recompose_somme takes them.
std::string somme_ecrite(const std::vector<Terme>& termes) {
  std::vector<std::string> textes;
  std::vector<std::string> signes;
  for (const auto& t : termes) {
    textes.push_back(t.texte);
    signes.emplace_back(t.signe == 0 ? "0" : (t.signe < 0 ? "-1" : "1"));
  }
  // The cancelling of a common factor applies to a quotient alone: a sum
  // of several terms is only freed of enclosing brackets.
  std::size_t visibles = 0;
  for (const auto& t : termes) visibles += t.valeur_signee().n != 0 ? 1 : 0;
  const std::string r = recompose_somme(textes, signes);
  return visibles > 1 ? sans_parentheses(r) : simplifie_par_pgcd(r);
}

// The remainder expanded and reduced again for the next step. The first
// term is written afresh from its value; every other term keeps the sign
// the sum writes before it and only its text is expanded, so a term "(-2*x^4)/3"
// subtracted stays so. The terms are sorted again.
std::vector<Terme> reste_reduit(const std::vector<Terme>& termes) {
  std::vector<Terme> r;
  for (const auto& t : termes) {
    const Rationnel v = t.valeur_signee();
    if (v.n == 0) continue;
    const int degre = t.nature == Nature::nombre ? 0 : t.degre;
    if (r.empty()) {
      r.push_back(terme_de(v, degre));
    } else if (t.nature == Nature::fusion) {
      const int signe = t.texte[0] == '-' ? -t.signe : t.signe;
      Terme u = terme_de({signe * v.n, v.d}, degre);
      u.signe *= signe;
      r.push_back(std::move(u));
    } else {
      r.push_back(t);
    }
  }
  ordonne(r);
  return r;
}

// The terms of divisor*quotient term as the expansion writes them, each
// with the sign the subtraction gives it. Over a denominator, or for the
// divisor's first term, each signed product is written afresh from its
// value; else each term keeps the sign the divisor's sum writes before it.
// Times -1, a sum of several terms only has its signs changed.
std::vector<Terme> produit_retranche(const std::vector<Terme>& termes_d, Rationnel tete, int degre_q, Calcul& calcul) {
  const bool signes_seuls = degre_q == 0 && tete.d == 1 && tete.n == -1 && termes_d.size() > 1;
  std::vector<Terme> produit;
  produit.reserve(termes_d.size());
  for (const auto& t : termes_d) {
    Terme u = t;
    if (signes_seuls) {
      u.signe = -u.signe;
    } else if (tete.d != 1 || &t == &termes_d.front()) {
      u = terme_de(calcul.produit(t.valeur_signee(), tete), t.degre + degre_q);
    } else {
      u = terme_de(calcul.produit(t.valeur, tete), t.degre + degre_q);
      u.signe *= t.signe;
    }
    u.signe = -u.signe;
    produit.push_back(std::move(u));
  }
  return produit;
}

// One typed term without sign: integers and x, x^k joined by "*" and "/",
// a bracketed term as a factor. Its value, or nothing for any other text
// (a "-" or "+" inside, x in a denominator, another name).
struct Lecture {
  Rationnel valeur{1, 1};
  int degre = 0;
};

std::optional<Lecture> lit_corps(const std::string& t, Calcul& calcul, int profondeur_lecture = 0) {
  constexpr int crochets_maximaux = 4;
  if (t.empty() || profondeur_lecture > crochets_maximaux) return std::nullopt;
  Lecture l;
  char avant = '*';
  std::size_t debut = 0;
  int profondeur = 0;
  for (std::size_t k = 0; k <= t.size(); ++k) {
    const char c = k < t.size() ? t[k] : '\0';
    if (c == '(') ++profondeur;
    if (c == ')') --profondeur;
    if (profondeur < 0) return std::nullopt;
    if (k < t.size() && (profondeur > 0 || (c != '*' && c != '/'))) continue;
    const std::string facteur = t.substr(debut, k - debut);
    Rationnel v{1, 1};
    int degre = 0;
    if (facteur.size() > 2 && facteur.front() == '(' && facteur.back() == ')') {
      const auto dedans = lit_corps(facteur.substr(1, facteur.size() - 2), calcul, profondeur_lecture + 1);
      if (!dedans) return std::nullopt;
      v = dedans->valeur;
      degre = dedans->degre;
    } else if (facteur == "x") {
      degre = 1;
    } else if (facteur.size() > 2 && facteur.compare(0, 2, "x^") == 0) {
      const auto e = entier_ecrit(facteur.substr(2));
      if (!e || *e < 1 || *e > degre_maximal || texte_entier(*e) != facteur.substr(2)) return std::nullopt;
      degre = static_cast<int>(*e);
    } else {
      const auto n = entier_ecrit(facteur);
      if (!n || *n < 0 || *n > borne_coefficients || texte_entier(*n) != facteur) return std::nullopt;
      v = {*n, 1};
    }
    if (avant == '/') {
      if (degre != 0 || v.n == 0) return std::nullopt;
      l.valeur = calcul.quotient(l.valeur, v);
    } else {
      l.valeur = calcul.produit(l.valeur, v);
      l.degre += degre;
      if (l.degre > degre_maximal) return std::nullopt;
    }
    if (k < t.size()) avant = c;
    debut = k + 1;
  }
  if (profondeur != 0 || calcul.depasse) return std::nullopt;
  return l;
}

// The sum as recompose_somme writes terms written by monome_ecrit: each
// term after its sign.
std::string somme_simple(const std::vector<Terme>& termes) {
  std::string r;
  for (const auto& t : termes) {
    if (t.signe < 0) {
      r += '-';
    } else if (!r.empty()) {
      r += '+';
    }
    r += t.texte;
  }
  return r;
}

}  // namespace

std::optional<std::string> division_rapide(const polynome& p, const polynome& d, const std::string& diviseur,
                                           std::vector<std::string>& quotients, std::string& reste_ecrit) {
  Calcul calcul;
  auto termes_p = lit_somme(p.texte, calcul);
  const auto termes_d = lit_somme(d.texte, calcul);
  if (!termes_p || !termes_d) return std::nullopt;
  const int degre_d = degre_de(*termes_d);
  const Rationnel tete_d = coefficient_de(*termes_d, degre_d);
  if (degre_d == 0 || degre_de(*termes_p) < degre_d || !ecrit_de_sa_valeur(termes_d->front())) return std::nullopt;

  std::vector<Terme> reste = std::move(*termes_p);
  std::vector<Terme> precedents;  // the collected terms of the step before
  std::string fin;
  for (;;) {
    const int degre_r = degre_de(reste);
    const Rationnel tete = calcul.quotient(coefficient_de(reste, degre_r), tete_d);
    std::vector<Terme> termes = reste;
    for (auto& t : produit_retranche(*termes_d, tete, degre_r - degre_d, calcul)) termes.push_back(std::move(t));
    Collection collection(std::move(termes), calcul);
    if (!collection.fusionne()) {
      if (!quotients.empty()) reste_ecrit = somme_ecrite(precedents);
      return std::nullopt;
    }
    ordonne(collection.termes());
    // reduire() writes the quotient of the leading coefficients as the
    // reduced fraction.
    const std::string c = texte_rationnel(tete);
    quotients.push_back(operation(c, operation("x", texte_entier(degre_r - degre_d), "^"), "*"));
    reste = reste_reduit(collection.termes());
    if (degre_de(reste) < degre_d) {
      fin = operation(somme_ecrite(collection.termes()), diviseur, "/");
      break;
    }
    precedents = std::move(collection.termes());
  }
  for (auto it = quotients.rbegin(); it != quotients.rend(); ++it) fin = operation(*it, fin, "+");
  return fin;
}

namespace {

// A typed sum with like terms: collected as the reduction collects it. The
// leading coefficient is left for the caller to read from the text.
std::optional<PolynomeReduit> reduit_par_collection(std::vector<Terme> termes, Calcul& calcul) {
  Collection collection(std::move(termes), calcul);
  if (!collection.fusionne()) return std::nullopt;
  std::vector<Terme>& collectes = collection.termes();
  ordonne(collectes);
  int degre = -1;
  for (const auto& t : collectes) {
    if (t.valeur_signee().n != 0) degre = std::max(degre, t.nature == Nature::nombre ? 0 : t.degre);
  }
  if (degre < 0) return std::nullopt;  // 0: the written path reads it
  PolynomeReduit r;
  r.texte = somme_ecrite(collectes);
  r.degre = texte_entier(degre);
  return r;
}

}  // namespace

std::optional<PolynomeReduit> polynome_reduit_rapide(const std::string& texte) {
  Calcul calcul;
  // Like terms go in pairs at most: the replay of the collection covers
  // one merge per degree.
  constexpr int semblables_maximaux = 2;
  std::vector<Terme> termes;
  std::vector<int> degres;
  bool semblables = false;
  for (const auto& [signe, corps] : termes_signes(texte)) {
    const auto l = lit_corps(corps, calcul);
    if (!l || l->valeur.n == 0) return std::nullopt;
    if (degres.size() <= static_cast<std::size_t>(l->degre)) degres.resize(static_cast<std::size_t>(l->degre) + 1);
    if (++degres[static_cast<std::size_t>(l->degre)] > semblables_maximaux) return std::nullopt;
    semblables = semblables || degres[static_cast<std::size_t>(l->degre)] > 1;
    // Each term keeps the sign before it. How the expansion writes a first
    // term "-a/b" depends on its form: such a text takes the written path.
    if (termes.empty() && signe < 0 && l->valeur.d != 1) return std::nullopt;
    Terme t = terme_de(l->valeur, l->degre);
    t.signe *= signe;
    termes.push_back(std::move(t));
  }
  if (termes.empty()) return std::nullopt;
  if (semblables) return reduit_par_collection(std::move(termes), calcul);
  ordonne(termes);
  const int degre = degre_de(termes);
  PolynomeReduit r;
  r.texte = somme_simple(termes);
  if (termes.size() == 1) r.texte = simplifie_par_pgcd(r.texte);
  r.degre = texte_entier(degre);
  for (const auto& t : termes) {
    if (t.degre == degre) r.coefficient = operation_ordonnee(texte_rationnel(t.valeur), t.signe < 0 ? "-1" : "1", "*");
  }
  return r;
}
