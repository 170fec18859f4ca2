// Interval arithmetic on expression text. A text is read once into nodes,
// split as the engine splits it; the parts that do not name the variable
// are enclosed once, the others over each piece of the interval asked.
// Every result is widened outwards past the rounding of the operation or
// of the maths library, so the true values over a piece always lie inside
// its enclosure: where an enclosure shows a denominator clear of 0, no
// point of the piece can make it vanish.
#include "engine/encadrement.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <utility>
#include <vector>

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/expression.h"
#include "engine/fonction.h"
#include "engine/fonctions_usuelles.h"
#include "engine/fractions.h"
#include "engine/lignes_predefinies.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "localisation/nombres.h"

namespace {

constexpr double infini = std::numeric_limits<double>::infinity();
constexpr Intervalle toute_la_droite{-infini, infini};
constexpr double pi = std::numbers::pi;

// Units in the last place by which a result is widened: an operation rounds
// by half of one, the maths library's functions by less than one.
constexpr int ulps_operation = 2;
// A quotient of two of the library's values (the cotangent) rounds twice.
constexpr int ulps_quotient = 4;
// A power of a real exponent is widened further, by a relative margin:
// the library's pow is the function whose rounding it documents least.
constexpr double marge_puissance = 1e-12;
// Nearer than this (relative) to a maximum, minimum or zero of sin and cos,
// the point is counted as reached: the multiples of pi are rounded.
constexpr double marge_periodique = 1e-12;
// Integers a double holds exactly.
constexpr double entier_exact_maximal = 9007199254740992.0;  // 2^53
// The work of one test: halvings of a piece (48 bring a piece to the
// spacing of doubles), and parts enclosed in all. A school function is
// shown clear within a few hundred; a denominator that comes within 10^-6
// of 0 takes thousands of pieces, and past the bound nothing is decided.
constexpr int moities_maximales = 48;
constexpr std::uint64_t evaluations_maximales = 2000000;
// The work of one part enclosed, in the units of the engine's work bound
// (about as long as a short text scanned), so that many integrals in one
// calculation share that bound.
constexpr std::uint64_t travail_par_evaluation = 16;
constexpr std::size_t noeuds_maximaux = 100000;

bool fini(Intervalle i) { return std::isfinite(i.bas) && std::isfinite(i.haut); }
bool contient_zero(Intervalle i) { return i.bas <= 0 && i.haut >= 0; }
bool coupe_zero(Intervalle i) { return i.bas < 0 && i.haut > 0; }

double vers_le_bas(double v, int ulps) {
  for (int k = 0; k < ulps; ++k) v = std::nextafter(v, -infini);
  return v;
}

double vers_le_haut(double v, int ulps) {
  for (int k = 0; k < ulps; ++k) v = std::nextafter(v, infini);
  return v;
}

// The smallest interval holding the values, widened by `ulps`.
Intervalle enveloppe(std::initializer_list<double> valeurs, int ulps = ulps_operation) {
  double bas = infini;
  double haut = -infini;
  for (const double v : valeurs) {
    if (std::isnan(v)) return toute_la_droite;
    bas = std::min(bas, v);
    haut = std::max(haut, v);
  }
  return {vers_le_bas(bas, ulps), vers_le_haut(haut, ulps)};
}

Intervalle elargi_relatif(Intervalle i, double marge) {
  return {i.bas - std::fabs(i.bas) * marge, i.haut + std::fabs(i.haut) * marge};
}

// Values that cannot be negative (even powers, absolute values, roots,
// exponentials) keep 0 as their lowest bound: the widening must not let a
// square root of x^2 seem to meet a negative number.
Intervalle positif(Intervalle i) { return {std::max(i.bas, 0.0), i.haut}; }

Intervalle somme(Intervalle a, Intervalle b) { return enveloppe({a.bas + b.bas, a.haut + b.haut}); }
Intervalle difference(Intervalle a, Intervalle b) { return enveloppe({a.bas - b.haut, a.haut - b.bas}); }
Intervalle produit(Intervalle a, Intervalle b) {
  return enveloppe({a.bas * b.bas, a.bas * b.haut, a.haut * b.bas, a.haut * b.haut});
}
// b clear of 0.
Intervalle quotient(Intervalle a, Intervalle b) {
  return enveloppe({a.bas / b.bas, a.bas / b.haut, a.haut / b.bas, a.haut / b.haut});
}

// A function monotonic on each side of 0 and continuous there (a power):
// its values over i lie between those at the ends and at 0.
template <class F>
Intervalle monotone_de_chaque_cote(Intervalle i, F f) {
  const Intervalle r = enveloppe({f(i.bas), f(i.haut)});
  if (!coupe_zero(i)) return r;
  const double zero = f(0.0);
  return {std::min(r.bas, vers_le_bas(zero, ulps_operation)), std::max(r.haut, vers_le_haut(zero, ulps_operation))};
}

// i holds c + 2k*pi for some integer k, or lies too near one to tell.
bool atteint(Intervalle i, double c) {
  const double marge = marge_periodique * std::max({1.0, std::fabs(i.bas), std::fabs(i.haut)});
  const double k = std::ceil((i.bas - marge - c) / (2 * pi));
  return c + k * 2 * pi <= i.haut + marge;
}

// sin or cos over i: the values at the ends, and 1 or -1 where i reaches a
// maximum or a minimum.
Intervalle periodique(Intervalle i, double (*f)(double), double maximum, double minimum) {
  if (!fini(i) || i.haut - i.bas >= 2 * pi) return {-1, 1};
  Intervalle r = enveloppe({f(i.bas), f(i.haut)});
  if (atteint(i, maximum)) r.haut = 1;
  if (atteint(i, minimum)) r.bas = -1;
  return {std::max(r.bas, -1.0), std::min(r.haut, 1.0)};
}

Intervalle cosinus(Intervalle i) { return periodique(i, std::cos, 0, pi); }
Intervalle sinus(Intervalle i) { return periodique(i, std::sin, pi / 2, -pi / 2); }

double cotangente(double x) { return std::cos(x) / std::sin(x); }

// The value of a number text; one that a double does not hold exactly lies
// between its neighbours.
Intervalle nombre(const std::string& t) {
  const auto v = lire_nombre(t);
  if (!v || !std::isfinite(*v)) return toute_la_droite;
  if (est_entier(t) && std::fabs(*v) <= entier_exact_maximal) return {*v, *v};
  return {std::nextafter(*v, -infini), std::nextafter(*v, infini)};
}

enum class Sorte { valeur, variable, oppose, somme, difference, produit, quotient, puissance, appel, inconnue };

// How a power of an exponent that does not vary reads. A negative base
// has a power only for an integer exponent: the numeric evaluation gives
// none to (-1)^(1/3) either.
enum class Exposant {
  entier,      // any base; 0 only for an exponent >= 0
  reel,        // a number that is no integer: a base >= 0 (> 0 for an exponent <= 0)
  quelconque,  // unknown, or varying: a base > 0
};

struct Noeud {
  Sorte sorte = Sorte::inconnue;
  bool varie = false;                     // names the variable
  bool parametre = false;                 // names a parameter, a name of unknown value
  Intervalle valeur = toute_la_droite;    // of a node that does not vary
  int gauche = -1;
  int droite = -1;
  int fonction = 0;                       // a call's row
  Exposant exposant = Exposant::quelconque;
  double puissance = 0;                   // an integer exponent's value
};

// The first two nodes of every reading: the variable, and a part that is
// not known and varies (a condition there is never shown to hold).
constexpr int noeud_variable = 0;
constexpr int noeud_inconnu = 1;

// A name and the node it stands for: the variable, or in a user function's
// body its own variable.
using Liaison = std::pair<std::string, int>;

class Lecture {
 public:
  explicit Lecture(const std::string& variable) {
    noeuds_.push_back(Noeud{Sorte::variable, true});
    noeuds_.push_back(Noeud{Sorte::inconnue, true});
    if (!variable.empty()) liaisons_.emplace_back(variable, noeud_variable);
  }

  int lit(const std::string& texte) { return lit(texte, liaisons_); }

  const Noeud& noeud(int i) const { return noeuds_[static_cast<std::size_t>(i)]; }

  // Each condition is shown on its own, its part alone enclosed over its
  // pieces: a sum of terms with poles of their own halves each term's
  // interval for that term only.
  Definition montre_conditions(Intervalle x) {
    if (inconnue_lue_) return Definition::non_definie;
    if (coupee_) return Definition::indecise;
    for (const int c : conditions_) {
      const Definition d = montre_clair(c, x, moities_maximales);
      if (d != Definition::definie) return d;
    }
    return Definition::definie;
  }

 private:
  // Each piece of x is shown clear, halving those that are not. A piece
  // that cannot be halved any more and is still not clear holds a point
  // where the function is not defined (or one that the reading does not
  // know); past the steps allowed nothing is decided.
  Definition montre_clair(int racine, Intervalle x, int moities) {
    if (evalue(racine, x)) return Definition::definie;
    if (evaluations_ > evaluations_maximales || etat_profondeur.depassement) return Definition::indecise;
    const double milieu = x.bas + (x.haut - x.bas) / 2;
    if (moities == 0 || !(milieu > x.bas && milieu < x.haut)) return Definition::non_definie;
    const Definition gauche = montre_clair(racine, {x.bas, milieu}, moities - 1);
    if (gauche != Definition::definie) return gauche;
    return montre_clair(racine, {milieu, x.haut}, moities - 1);
  }

  int ajoute(Noeud n) {
    // A text read past the bound (user functions calling each other many
    // times) is not decided, and its reading stops there.
    if (noeuds_.size() >= noeuds_maximaux) {
      coupee_ = true;
      return noeud_inconnu;
    }
    noeuds_.push_back(n);
    const int i = static_cast<int>(noeuds_.size()) - 1;
    // A part that does not vary is enclosed once, here.
    if (!n.varie && n.sorte != Sorte::valeur) {
      noeuds_.back().valeur = calcule(i, toute_la_droite).value_or(toute_la_droite);
    }
    if (a_une_condition(n)) conditions_.push_back(i);
    return i;
  }

  // A part that varies and is defined only where a condition holds. One
  // whose condition names a parameter too (1/(x-a), x^n) is left to that
  // parameter's value, as an integral between bounds that are no numbers
  // is: an answer true for the values where it is defined.
  bool a_une_condition(const Noeud& n) const {
    if (!n.varie) return false;
    switch (n.sorte) {
      case Sorte::quotient: return noeud(n.droite).varie && !noeud(n.droite).parametre;
      case Sorte::puissance:
        return (n.exposant != Exposant::entier || n.puissance < 0) && !n.parametre;
      case Sorte::appel:
        if (noeud(n.gauche).parametre) return false;
        return n.fonction == Ligne::ln || n.fonction == Ligne::sqrt || n.fonction == Ligne::tan ||
               n.fonction == Ligne::cotan;
      default: return false;
    }
  }

  int inconnue_qui_varie() {
    inconnue_lue_ = true;
    return noeud_inconnu;
  }

  int valeur(Intervalle v) { return ajoute(Noeud{Sorte::valeur, false, false, v}); }
  int parametre() { return ajoute(Noeud{Sorte::valeur, false, true, toute_la_droite}); }

  // A part the reading does not know: not shown defined where it varies.
  // A call varies as the engine's rules see it (deriver(u;x) binds x, a
  // name of no row is a constant); any other text where it names a name
  // that varies.
  int inconnue(const std::string& t, const std::vector<Liaison>& liaisons, bool appel = false) {
    bool varie = false;
    for (const auto& [nom, i] : liaisons) {
      varie = varie || (noeud(i).varie && (appel ? !independant_de(t, nom) : cite_nom(t, nom)));
    }
    return varie ? inconnue_qui_varie() : parametre();
  }

  int binaire(Sorte sorte, int gauche, int droite) {
    Noeud n{sorte, noeud(gauche).varie || noeud(droite).varie, noeud(gauche).parametre || noeud(droite).parametre};
    n.gauche = gauche;
    n.droite = droite;
    return ajoute(n);
  }

  int lit(const std::string& texte, const std::vector<Liaison>& liaisons) {
    GardeProfondeur garde;
    if (garde.depassee()) {
      coupee_ = true;
      return noeud_inconnu;
    }
    const std::string t = enleve_delimiteurs(texte, "()");
    if (t.empty()) return inconnue(t, liaisons);
    if (est_negatif(t)) {
      const int a = lit(t.substr(1), liaisons);
      Noeud n{Sorte::oppose, noeud(a).varie, noeud(a).parametre};
      n.gauche = a;
      return ajoute(n);
    }
    const expression e(t);
    if (e.position_liste || e.position_relation) return inconnue(t, liaisons);
    switch (e.type_operateur) {
      case TypeOperateur::plus: return binaire(Sorte::somme, lit(e.gauche, liaisons), lit(e.droite, liaisons));
      case TypeOperateur::moins: return binaire(Sorte::difference, lit(e.gauche, liaisons), lit(e.droite, liaisons));
      case TypeOperateur::fois: return binaire(Sorte::produit, lit(e.gauche, liaisons), lit(e.droite, liaisons));
      case TypeOperateur::divise: return binaire(Sorte::quotient, lit(e.gauche, liaisons), lit(e.droite, liaisons));
      case TypeOperateur::puissance: return lit_puissance(e, liaisons);
      case TypeOperateur::aucun: return feuille(t, liaisons);
      default: return inconnue(t, liaisons);
    }
  }

  int lit_puissance(const expression& e, const std::vector<Liaison>& liaisons) {
    Noeud n{Sorte::puissance};
    n.gauche = lit(e.gauche, liaisons);
    n.droite = lit(e.droite, liaisons);
    n.varie = noeud(n.gauche).varie || noeud(n.droite).varie;
    n.parametre = noeud(n.gauche).parametre || noeud(n.droite).parametre;
    if (!noeud(n.droite).varie && fini(noeud(n.droite).valeur)) lit_exposant(n, e.droite);
    return ajoute(n);
  }

  // An exponent that is a number: an integer when its exact value is one
  // (2, -1, 4/2, (1+1)), else a real exponent.
  static void lit_exposant(Noeud& n, const std::string& texte) {
    const std::string f = fraction(enleve_delimiteurs(texte, "()"));
    const auto entier = est_entier(f) ? lire_nombre(f) : std::nullopt;
    n.exposant = entier ? Exposant::entier : Exposant::reel;
    n.puissance = entier.value_or(0);
  }

  int feuille(const std::string& t, const std::vector<Liaison>& liaisons) {
    for (auto it = liaisons.rbegin(); it != liaisons.rend(); ++it) {
      if (it->first == t) return it->second;
    }
    if (est_nombre(t)) return valeur(nombre(t));
    if (t == "pi" || t == "\\p") return valeur({std::nextafter(pi, 0.0), std::nextafter(pi, infini)});
    if (est_constante(t)) {
      const std::string& v = constantes->valeurs[static_cast<std::size_t>(constantes->indice(t))];
      return est_nombre(v) ? valeur(nombre(v)) : parametre();
    }
    if (t.find('(') == std::string::npos) return inconnue(t, liaisons);
    std::vector<std::string> arguments;
    const int id = reconnait_fonction(t, arguments);
    if (id <= 0 || arguments.size() != 1) return inconnue(t, liaisons, true);
    if (id >= id_de(Ligne::cos) && id <= id_de(Ligne::th)) {
      const int a = lit(arguments[0], liaisons);
      Noeud n{Sorte::appel, noeud(a).varie, noeud(a).parametre};
      n.gauche = a;
      n.fonction = id;
      return ajoute(n);
    }
    if (id < nb_fonctions_predefinies || id >= fonctions_usuelles->taille() || fonctions_usuelles->corps[id].empty()) {
      return inconnue(t, liaisons, true);
    }
    // A user function: its body, its own variable standing for the argument.
    std::vector<Liaison> corps = liaisons;
    corps.emplace_back(fonctions_usuelles->arguments[id], lit(arguments[0], liaisons));
    return lit(fonctions_usuelles->corps[id], corps);
  }

  // The enclosure of node i over x; none when a condition of a part that
  // varies is not shown to hold there.
  std::optional<Intervalle> evalue(int i, Intervalle x) {
    const Noeud& n = noeud(i);
    if (!n.varie) return n.valeur;
    if (++evaluations_ > evaluations_maximales || etat_profondeur.depassement) return std::nullopt;
    if (etat_profondeur.profondeur > 0) etat_profondeur.ajoute(travail_par_evaluation);
    return calcule(i, x);
  }

  // A condition that does not hold: no enclosure where the part it is
  // about varies, any value where it does not (a parameter's own).
  std::optional<Intervalle> refus(int sujet) const {
    if (noeud(sujet).varie) return std::nullopt;
    return toute_la_droite;
  }

  std::optional<Intervalle> calcule(int i, Intervalle x) {
    const Noeud n = noeud(i);
    switch (n.sorte) {
      case Sorte::valeur: return n.valeur;
      case Sorte::variable: return x;
      case Sorte::oppose: {
        const auto a = evalue(n.gauche, x);
        if (!a) return std::nullopt;
        return Intervalle{-a->haut, -a->bas};
      }
      case Sorte::somme:
      case Sorte::difference:
      case Sorte::produit:
      case Sorte::quotient: {
        const auto a = evalue(n.gauche, x);
        if (!a) return std::nullopt;
        const auto b = evalue(n.droite, x);
        if (!b) return std::nullopt;
        if (n.sorte == Sorte::somme) return somme(*a, *b);
        if (n.sorte == Sorte::difference) return difference(*a, *b);
        if (n.sorte == Sorte::produit) return produit(*a, *b);
        if (contient_zero(*b)) return refus(n.droite);
        return quotient(*a, *b);
      }
      case Sorte::puissance: return calcule_puissance(n, x);
      case Sorte::appel: return calcule_appel(n, x);
      default: return std::nullopt;
    }
  }

  std::optional<Intervalle> calcule_puissance(const Noeud& n, Intervalle x) {
    const auto base = evalue(n.gauche, x);
    if (!base) return std::nullopt;
    const Intervalle b = *base;
    const double e = n.puissance;
    switch (n.exposant) {
      case Exposant::entier: {
        if (e == 0) return Intervalle{1, 1};
        if (e < 0 && contient_zero(b)) return refus(n.gauche);
        const Intervalle r = monotone_de_chaque_cote(b, [e](double t) { return std::pow(t, e); });
        return std::fmod(e, 2) != 0 ? r : positif(r);
      }
      case Exposant::reel: {
        const Intervalle p = noeud(n.droite).valeur;
        if (p.bas > 0 ? b.bas < 0 : b.bas <= 0) return refus(n.gauche);
        // t^e grows or falls with t and with e: the corners bound it.
        const Intervalle c = positif(b);
        const Intervalle r = enveloppe(
            {std::pow(c.bas, p.bas), std::pow(c.bas, p.haut), std::pow(c.haut, p.bas), std::pow(c.haut, p.haut)});
        return positif(elargi_relatif(r, marge_puissance));
      }
      default: {
        // An exponent that varies or is unknown: exp(e*ln(b)), b > 0.
        if (b.bas <= 0) return noeud(n.droite).varie ? std::nullopt : refus(n.gauche);
        const auto p = evalue(n.droite, x);
        if (!p) return std::nullopt;
        const Intervalle l = enveloppe({std::log(b.bas), std::log(b.haut)});
        const Intervalle m = produit(*p, l);
        return positif(enveloppe({std::exp(m.bas), std::exp(m.haut)}));
      }
    }
  }

  std::optional<Intervalle> calcule_appel(const Noeud& n, Intervalle x) {
    const auto argument = evalue(n.gauche, x);
    if (!argument) return std::nullopt;
    const Intervalle a = *argument;
    switch (n.fonction) {
      case id_de(Ligne::cos): return cosinus(a);
      case id_de(Ligne::sin): return sinus(a);
      case id_de(Ligne::abs):
        return positif(coupe_zero(a) ? enveloppe({0.0, std::fabs(a.bas), std::fabs(a.haut)})
                                     : enveloppe({std::fabs(a.bas), std::fabs(a.haut)}));
      case id_de(Ligne::tan):
        // Clear of the zeros of cos, a lies on one branch, where tan grows.
        if (contient_zero(cosinus(a))) return refus(n.gauche);
        return enveloppe({std::tan(a.bas), std::tan(a.haut)});
      case id_de(Ligne::cotan):
        if (contient_zero(sinus(a))) return refus(n.gauche);
        return enveloppe({cotangente(a.bas), cotangente(a.haut)}, ulps_quotient);
      case id_de(Ligne::ln):
        if (a.bas <= 0) return refus(n.gauche);
        return enveloppe({std::log(a.bas), std::log(a.haut)});
      case id_de(Ligne::exp): return positif(enveloppe({std::exp(a.bas), std::exp(a.haut)}));
      case id_de(Ligne::sqrt):
        if (a.bas < 0) return refus(n.gauche);
        return positif(enveloppe({std::sqrt(a.bas), std::sqrt(a.haut)}));
      case id_de(Ligne::sh): return enveloppe({std::sinh(a.bas), std::sinh(a.haut)});
      case id_de(Ligne::ch): return monotone_de_chaque_cote(a, [](double t) { return std::cosh(t); });
      default: return enveloppe({std::tanh(a.bas), std::tanh(a.haut)});
    }
  }

  std::vector<Noeud> noeuds_;
  std::vector<Liaison> liaisons_;
  std::vector<int> conditions_;  // the parts with a condition, inner ones first
  bool inconnue_lue_ = false;    // a part that varies is not known
  bool coupee_ = false;          // the reading stopped at a bound
  std::uint64_t evaluations_ = 0;
};

}  // namespace

std::optional<Intervalle> encadrement_nombre(const std::string& texte) {
  Lecture lecture("");
  const Noeud& n = lecture.noeud(lecture.lit(texte));
  if (n.varie || !fini(n.valeur)) return std::nullopt;
  return n.valeur;
}

Definition definie_sur(const std::string& texte, const std::string& variable, Intervalle intervalle) {
  Lecture lecture(variable);
  lecture.lit(texte);
  return lecture.montre_conditions(intervalle);
}
