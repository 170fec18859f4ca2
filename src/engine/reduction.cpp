#include "engine/reduction.h"

#include "engine/decoupage.h"
#include "engine/entiers_verifies.h"
#include "engine/expression.h"
#include "engine/memoire_appel.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/regroupement.h"
#include "engine/valeurs_erreur.h"
#include "localisation/nombres.h"

namespace {

bool est_feuille(const std::string& t) { return type_operateur_de(t) == TypeOperateur::aucun; }

// Contents as 64-bit integers; no value when a product overflows.
Entier contenu_n(const std::string& texte);

// The content of a sum: the gcd of the two sides' contents, read on the
// leaves of operation(N(a), N(b), op), so a zero side gives the other
// side's content, negated for a subtracted one.
Entier contenu_somme(const std::string& a, const std::string& b, const std::string& operateur) {
  const auto na = contenu_n(a);
  const auto nb = contenu_n(b);
  if (!na || !nb) return std::nullopt;
  const expression u(operation(texte_entier(*na), texte_entier(*nb), operateur));
  if (u.type_operateur == TypeOperateur::aucun) return est_entier(u.texte) ? entier_du_texte(u.texte) : Entier(1);
  const auto l = entier_ecrit(u.gauche);
  const auto r = entier_ecrit(u.droite);
  if (!l || !r) return 1;
  return pgcd(*l, *r);
}

Entier contenu_n(const std::string& texte) {
  GardeProfondeur garde;
  if (garde.depassee()) return std::nullopt;
  const std::string s = sans_parentheses(texte);
  const expression e(s);
  if (e.type_operateur == TypeOperateur::aucun) return est_entier(s) ? entier_du_texte(s) : Entier(1);
  const std::string a = sans_parentheses(e.gauche);
  const std::string b = sans_parentheses(e.droite);
  switch (e.type_operateur) {
    case TypeOperateur::plus:
    case TypeOperateur::moins: return contenu_somme(a, b, e.operateur);
    case TypeOperateur::fois: {
      const auto na = contenu_n(a);
      const auto nb = contenu_n(b);
      if (!na || !nb) return std::nullopt;
      return produit_verifie(*na, *nb);
    }
    case TypeOperateur::divise: return contenu_n(a);
    case TypeOperateur::puissance: {
      const auto x = entier_ecrit(a);
      const auto k = entier_ecrit(b);
      if (!x || !k || *k <= 0) return 1;
      return puissance_verifiee(*x, static_cast<std::uint64_t>(*k));
    }
    default: return 1;
  }
}

Entier contenu_d(const std::string& texte) {
  GardeProfondeur garde;
  if (garde.depassee()) return std::nullopt;
  const std::string s = sans_parentheses(texte);
  const expression e(s);
  const std::string a = sans_parentheses(e.gauche);
  const std::string b = sans_parentheses(e.droite);
  switch (e.type_operateur) {
    case TypeOperateur::fois: {
      if (est_feuille(a) && est_feuille(b)) return 1;
      const auto da = contenu_d(a);
      const auto db = contenu_d(b);
      if (!da || !db) return std::nullopt;
      if (*da == 0 || *db == 0) return 1;
      return produit_verifie(*da, *db);
    }
    case TypeOperateur::divise:
      if (est_feuille(a) && !est_entier(a) && entier_ecrit(b)) return 0;
      return contenu_n(b);
    case TypeOperateur::puissance: {
      const auto k = entier_ecrit(b);
      if (!k || *k > 0) return 1;
      const auto x = contenu_n(a);
      if (!x) return std::nullopt;
      return puissance_verifiee(*x, static_cast<std::uint64_t>(-(*k + 1)) + 1u);
    }
    default: return 1;
  }
}

std::string texte_contenu(Entier c) { return c ? texte_entier(*c) : "1"; }

// t divided by g. Inside a quotient's sides only the numerator of a nested
// quotient is divided, so the value is divided by g there too.
bool divise(std::string& t, std::int64_t g, bool dans_quotient) {
  GardeProfondeur garde;
  if (garde.depassee()) return false;
  t = sans_parentheses(t);
  const expression e(t);
  if (e.type_operateur == TypeOperateur::aucun) {
    const auto n = entier_ecrit(t);
    // Only an exact quotient: truncating would change the value.
    if (!n || *n % g != 0) return false;
    const auto q = quotient_verifie(*n, g);
    if (!q) return false;
    t = texte_entier(*q);
    return true;
  }
  std::string a = sans_parentheses(e.gauche);
  std::string b = sans_parentheses(e.droite);
  switch (e.type_operateur) {
    case TypeOperateur::plus:
    case TypeOperateur::moins:
      if (!divise(a, g, dans_quotient) || !divise(b, g, dans_quotient)) return false;
      t = operation(a, b, e.operateur);
      return true;
    case TypeOperateur::divise:
      if (!divise(a, g, true)) return false;
      if (!dans_quotient && !divise(b, g, true)) return false;
      t = operation(a, b, "/");
      return true;
    case TypeOperateur::fois:
      // One factor divided is enough; a failed try leaves its factor as it
      // was, so the other is tried on the original product.
      if (!est_feuille(a) && !est_feuille(b)) return false;
      if (!divise(a, g, dans_quotient) && !divise(b, g, dans_quotient)) return false;
      t = operation(a, b, "*");
      return true;
    default: return false;  // a power is not divided
  }
}

}  // namespace

std::string contenu_numerateur(const std::string& t) { return texte_contenu(contenu_n(t)); }

std::string contenu_denominateur(const std::string& t) { return texte_contenu(contenu_d(t)); }

std::string facteur_commun(const std::string& t) {
  const auto n = contenu_n(t);
  const auto d = contenu_d(t);
  if (!n || !d) return "1";
  return texte_entier(pgcd(*n, *d));
}

bool divise_par(std::string& t, const std::string& g) {
  GardeProfondeur garde;
  const auto diviseur = entier_du_texte(g);
  std::string copie = t;
  // 0 means no common factor; 1 and -1 change nothing worth writing.
  if (!diviseur || *diviseur == 0 || *diviseur == 1) {
    t = sans_parentheses(t);
    return false;
  }
  const bool divise_ok = divise(copie, *diviseur, false) && !garde.depassee();
  t = divise_ok ? copie : sans_parentheses(t);
  return divise_ok;
}

std::string simplifie_par_pgcd(const std::string& t) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  std::string r = t;
  const std::string g = facteur_commun(r);
  // Only a quotient has a denominator to cancel against: elsewhere the
  // denominator's content sits in a factor that dividing one factor would
  // not touch, and the value would change.
  if (const expression e(sans_parentheses(r)); e.operateur == "/") {
    if (const auto d = lire_nombre(sans_parentheses(e.droite)); d && *d == 0) {
      return resultat_garde(garde, erreur_division_par_zero());
    }
    divise_par(r, g);
  } else {
    r = sans_parentheses(r);
  }
  return resultat_garde(garde, std::move(r));
}

std::string reduire(const std::string& t) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  return resultat_garde(garde,
                        memorise(Routine::reduire, t, [&] { return simplifie_par_pgcd(regroupe_somme(t)); }));
}
