#include "engine/fractions.h"

#include <optional>
#include <string_view>

#include "engine/decoupage.h"
#include "engine/developpement.h"
#include "engine/entiers_verifies.h"
#include "engine/expression.h"
#include "engine/fonction.h"
#include "engine/fonctions_usuelles.h"
#include "engine/memoire_appel.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/reduction.h"
#include "engine/regroupement.h"
#include "engine/valeurs_erreur.h"
#include "localisation/chrono.h"
#include "localisation/nombres.h"

namespace {

// A text read as numerator / denominator; "1" below what is no quotient.
struct Quotient {
  std::string n;
  std::string d;
};

Quotient en_quotient(const std::string& t) {
  if (t.find('/') == std::string::npos) {
    compte_coupe(t);  // no quotient; the work of its node is counted
    return {t, "1"};
  }
  expression e(t);
  if (e.operateur == "/") return {std::move(e.gauche), std::move(e.droite)};
  return {t, "1"};
}

// A quotient of integers divided by their gcd, signs taken out (a zero
// counts as positive).
struct Reduit {
  bool negatif = false;
  std::string n;
  std::string d;
};

std::optional<Reduit> reduit(std::int64_t n, std::int64_t d) {
  if (d == 0) return std::nullopt;
  const std::int64_t g = pgcd(n, d);
  const auto qn = quotient_verifie(n, g);
  const auto qd = quotient_verifie(d, g);
  if (!qn || !qd) return std::nullopt;
  const auto an = valeur_absolue_verifiee(*qn);
  const auto ad = valeur_absolue_verifiee(*qd);
  if (!an || !ad) return std::nullopt;
  return Reduit{(*qn < 0) != (*qd < 0), texte_entier(*an), texte_entier(*ad)};
}

std::string ecrit(const Reduit& r) {
  if (r.n == "0") return "0";
  std::string q = r.d == "1" ? r.n : operation(r.n, r.d, "/");
  if (r.negatif) q.insert(0, 1, '-');
  return q;
}

// The exact value of a text when it is an integer that fits.
Entier valeur_entiere(const std::string& t) {
  const std::string v = numeriser_texte(t, true);
  if (!est_entier(v)) return std::nullopt;
  return entier_du_texte(v);
}

// A decimal number text read exactly as n / 10^k: "0.00001" is 1/100000,
// "2.0" is 20/10. No value when a part does not fit in 64 bits.
bool lit_decimal(const std::string& texte, std::int64_t& n, std::int64_t& d) {
  std::size_t i = 0;
  const auto fin_blancs = texte.find_last_not_of(' ');
  const std::size_t fin = fin_blancs == std::string::npos ? 0 : fin_blancs + 1;
  while (i < fin && texte[i] == ' ') ++i;
  bool negatif = false;
  if (i < fin && (texte[i] == '+' || texte[i] == '-')) negatif = texte[i++] == '-';
  std::string chiffres;
  int decimales = 0;
  bool apres_point = false;
  for (; i < fin && texte[i] != 'e' && texte[i] != 'E'; ++i) {
    if (texte[i] == '.') {
      apres_point = true;
      continue;
    }
    chiffres += texte[i];
    if (apres_point) ++decimales;
  }
  // Trailing zeros after the point change nothing and would only overflow.
  while (decimales > 0 && chiffres.back() == '0') {
    chiffres.pop_back();
    --decimales;
  }
  std::int64_t exposant = 0;
  if (i < fin) {
    const auto e = lire_entier64(texte.substr(i + 1));
    if (!e || *e > 400 || *e < -400) return false;
    exposant = *e;
  }
  const auto mantisse = lire_entier64(chiffres);
  if (!mantisse) return false;
  const std::int64_t echelle = decimales - exposant;
  const auto puissance = puissance_verifiee(10, static_cast<std::uint64_t>(echelle < 0 ? -echelle : echelle));
  if (!puissance) return false;
  Entier valeur = echelle < 0 ? produit_verifie(*mantisse, *puissance) : Entier(*mantisse);
  if (!valeur) return false;
  n = negatif ? -*valeur : *valeur;
  d = echelle < 0 ? 1 : *puissance;
  return true;
}

// A user constant whose value is an exact number stands for that number,
// read exactly: an integer or a quotient as the exact evaluation gives it
// (k:=3, k:=2*3, h:=1/2), a decimal from its own digits (d:=0.5 is 1/2).
// pi and the user's constants of other values (sqrt(2)) have none and stay
// names.
std::optional<std::string> valeur_exacte_constante(const std::string& nom) {
  if (!constantes || constantes->noms.size() <= nb_constantes_predefinies) return std::nullopt;
  const int k = constantes->indice(nom);
  if (k < static_cast<int>(nb_constantes_predefinies)) return std::nullopt;
  const std::string& texte = constantes->valeurs[static_cast<std::size_t>(k)];
  std::string valeur = est_nombre(texte) ? fraction(texte) : numeriser_texte(nom, true);
  if (!est_entier(numerateur(valeur)) || !est_entier(denominateur(valeur))) return std::nullopt;
  return valeur;
}

std::string calcule_facteur(const std::string& t) {
  const std::string s = sans_parentheses(t);
  if (est_entier(s)) return t;
  if (est_negatif(t)) return operation_ordonnee("-1", calcul_facteur(sans_moins(t)), "*");
  const expression e(s);
  std::string n;
  std::string d;
  std::string repli = t;  // the text given back when the values are not integers
  if (e.type_operateur == TypeOperateur::factorielle) return t;
  if (e.type_operateur != TypeOperateur::aucun) {
    const std::string gauche = calcul_facteur(sans_parentheses(e.gauche));
    const std::string droite = calcul_facteur(sans_parentheses(e.droite));
    const Quotient l = en_quotient(gauche);
    const Quotient r = en_quotient(droite);
    switch (e.type_operateur) {
      case TypeOperateur::plus:
      case TypeOperateur::moins:
        n = operation(operation(l.n, r.d, "*"), operation(r.n, l.d, "*"), e.operateur);
        d = operation(l.d, r.d, "*");
        if (!est_entier(n) || !est_entier(d)) repli = operation(gauche, droite, e.operateur);
        break;
      case TypeOperateur::fois:
        n = operation(l.n, r.n, "*");
        d = operation(l.d, r.d, "*");
        break;
      case TypeOperateur::divise:
        n = operation(l.n, r.d, "*");
        d = operation(l.d, r.n, "*");
        break;
      default:
        // A root (an exponent that is a quotient) has no exact rational
        // value here: 4^(1/2) must not become 4^1.
        if (r.d != "1") return t;
        if (est_entier(r.n) && r.n[0] == '-') {
          const std::string k = r.n.substr(1);
          n = operation(l.d, k, "^");
          d = operation(l.n, k, "^");
        } else {
          n = operation(l.n, r.n, "^");
          d = operation(l.d, r.n, "^");
        }
        break;
    }
  } else if (auto constante = valeur_exacte_constante(s)) {
    return *std::move(constante);
  } else {
    n = t;
    d = "1";
  }
  if (const auto zero = lire_nombre(d); zero && *zero == 0) return erreur_division_par_zero();
  const auto vn = valeur_entiere(n);
  const auto vd = vn ? valeur_entiere(d) : std::nullopt;
  if (!vn || !vd) return repli;
  if (*vd == 0) return erreur_division_par_zero();
  const auto q = reduit(*vn, *vd);
  return q ? ecrit(*q) : repli;
}

// N and D of fraction() before the reduction.
struct Parties {
  std::string n;
  std::string d;
};

Parties parties_operation(const expression& e, const std::string& s) {
  const std::string gauche = est_negatif(s) ? enleve_moins(e.gauche) : e.gauche;
  const std::string lt = fraction(sans_parentheses(gauche));
  const std::string rt = fraction(sans_parentheses(e.droite));
  const Quotient l = en_quotient(lt);
  const Quotient r = en_quotient(rt);
  switch (e.type_operateur) {
    case TypeOperateur::plus:
    case TypeOperateur::moins:
      return {operation(operation(l.n, r.d, "*"), operation(r.n, l.d, "*"), e.operateur), operation(l.d, r.d, "*")};
    case TypeOperateur::fois:
      return {operation(l.n, r.n, "*"), operation(l.d, r.d, "*")};
    case TypeOperateur::divise:
      return {regroupe_somme(operation(l.n, r.d, "*")), regroupe_somme(operation(l.d, r.n, "*"))};
    default:
      // A root keeps its exponent whole; a negative integer exponent
      // inverts the quotient, so (2/3)^-2 is 9/4 as in calcul_facteur.
      if (r.d != "1") return {operation(lt, rt, "^"), "1"};
      if (est_entier(r.n) && r.n[0] == '-') {
        const std::string k = r.n.substr(1);
        return {operation(l.d, k, "^"), operation(l.n, k, "^")};
      }
      return {operation(l.n, r.n, "^"), operation(l.d, r.n, "^")};
  }
}

std::string calcule_fraction(const std::string& t) {
  const std::string s = sans_parentheses(t);
  const expression e(s);
  if (e.type_operateur == TypeOperateur::factorielle) return t;  // a factorial stays as typed
  std::string r;
  bool entiers = false;  // reduced as integers: no common factor left to cancel
  if (e.type_operateur == TypeOperateur::aucun && est_nombre(s) && !est_entier(s)) {
    std::int64_t n = 0;
    std::int64_t d = 1;
    if (!lit_decimal(s, n, d)) return t;  // beyond 64 bits the number stays
    const auto q = reduit(n, d);
    if (!q) return t;
    return ecrit(*q);
  }
  Parties p = e.type_operateur != TypeOperateur::aucun ? parties_operation(e, s) : Parties{s, "1"};
  const auto vn = valeur_entiere(p.n);
  const auto vd = vn ? valeur_entiere(p.d) : std::nullopt;
  if (vn && vd) {
    if (*vd == 0) return erreur_division_par_zero();
    entiers = true;
    const auto q = reduit(*vn, *vd);
    // A reduction that would overflow leaves the quotient as built.
    r = q ? ecrit(*q) : operation(p.n, p.d, "/");
  } else {
    p.n = regroupe_somme(developper(p.n));
    p.d = regroupe_somme(developper(p.d));
    r = p.n == "0" ? "0" : p.d == "1" ? p.n : operation(p.n, p.d, "/");
  }
  if (e.type_operateur != TypeOperateur::aucun && est_negatif(s)) r = operation("-1", r, "*");
  return entiers ? r : simplifie_par_pgcd(r);
}

}  // namespace

std::string calcul_facteur(const std::string& t) {
  return routine_memorisee(Routine::calcul_facteur, t, "calcul_facteur", [&] { return calcule_facteur(t); });
}

std::string fraction(const std::string& t) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  return resultat_garde(garde, memorise(Routine::fraction, t, [&] { return calcule_fraction(t); }));
}

std::string fraction_des_nombres(const std::string& t) {
  if (t.empty() || est_nombre(t)) return t;
  for (const char c : t) {
    if (std::string_view("0123456789.+-*/^()Ee").find(c) == std::string_view::npos) return t;
  }
  return fraction(t);
}
