// Derivation of expression text by recursion on the top operator. Every
// intermediate result goes through operation, so 0*u and 1*u vanish while
// the derivative is written and x^3 comes out as 3*x^2.
#include <vector>

#include "engine/chemins_rapides.h"
#include "engine/decoupage.h"
#include "engine/developpement.h"
#include "engine/fonction.h"
#include "engine/fonctions_usuelles.h"
#include "engine/fractions.h"
#include "engine/operation.h"
#include "engine/parentheses.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/quotient_polynomes.h"
#include "engine/reduction.h"

namespace {

std::string derive(const std::string& texte, const std::string& v);

// A call: the derivative template of its name applied to its argument. The
// chain rule multiplies by the argument's derivative unless the argument is
// the variable itself; a call with several arguments has no chain rule and
// derives through its template only.
std::string derive_appel(const std::string& t, std::size_t ouvrante, const std::string& v) {
  const int id = fonctions_usuelles->identifiant(std::string_view(t).substr(0, ouvrante));
  if (id <= 0) return "0";
  const std::string& modele = fonctions_usuelles->modele_derivee(id);
  if (modele.empty()) return "0";
  const std::string a = enleve_delimiteurs(t.substr(ouvrante), "()");
  if (a == v || decoupe(a, ';').size() > 1) return applique_modele(modele, a);
  return operation(derive(a, v), applique_modele(modele, a), "*");
}

// A leaf: the variable, a call, or anything else (numbers, constants, other
// names, a factorial), which is constant. A bare name that happens to be a
// function's name is a name, not a call.
std::string derive_feuille(const std::string& t, const std::string& v) {
  if (t == v) return "1";
  const auto ouvrante = t.find('(');
  if (ouvrante == std::string::npos) return "0";
  return derive_appel(t, ouvrante, v);
}

// f^n: n*f'*f^(n-1) with n-1 exact when n is constant, else the derivative
// of exp(n*ln(f)).
std::string derive_puissance(const expression& e, const std::string& v) {
  const std::string& f = e.gauche;
  const std::string& n = e.droite;
  if (independant_de(n, v)) {
    return operation(operation(n, derive(f, v), "*"), operation(f, fraction(operation_ordonnee(n, "1", "-")), "^"),
                     "*");
  }
  return derive("exp(" + n + "*ln(" + f + "))", v);
}

std::string derive_quotient(const expression& e, const std::string& v) {
  const std::string& f = e.gauche;
  const std::string& g = e.droite;
  const std::string numerateur =
      reduire(developper(operation(operation(derive(f, v), g, "*"), operation(f, derive(g, v), "*"), "-")));
  return operation(numerateur, operation(g, "2", "^"), "/");
}

std::string derive(const std::string& texte, const std::string& v) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  // Brackets around the whole text hide nothing: (x+1) derives as x+1.
  const std::string t = enleve_delimiteurs(texte, "()");
  if (est_negatif(t)) return operation("-1", derive(t.substr(1), v), "*");
  const expression e(t);
  switch (e.type_operateur) {
    case TypeOperateur::plus:
    case TypeOperateur::moins: return operation(derive(e.gauche, v), derive(e.droite, v), e.operateur);
    case TypeOperateur::fois:
      return operation(operation(derive(e.gauche, v), e.droite, "*"), operation(e.gauche, derive(e.droite, v), "*"),
                       "+");
    case TypeOperateur::divise: return derive_quotient(e, v);
    case TypeOperateur::puissance: return derive_puissance(e, v);
    default: return derive_feuille(t, v);
  }
}

}  // namespace

std::string fonction::deriver(const std::string& variable) const {
  return sous_garde([&] { return derive(texte, variable); });
}

std::string fonction::deriver_demandee(const std::string& variable) const {
  // Deep in a call the spared steps could pass the depth limit; there the
  // written rule runs, so the depth error comes as before.
  constexpr int profondeur_epargnee = profondeur_maximale / 2;
  return sous_garde([&] {
    if (chemins_rapides_actifs() && etat_profondeur.profondeur < profondeur_epargnee) {
      if (const auto q = derivee_quotient_polynomes(texte, variable)) {
        return operation(q->numerateur, operation(q->denominateur, "2", "^"), "/");
      }
    }
    return derive(texte, variable);
  });
}

std::string fonction::deriver_n(const std::string& variable, int n) const {
  GardeProfondeur garde;
  std::string d = texte;
  // Once the derivative is 0 it stays 0: a huge n costs nothing more.
  for (int k = 0; k < n && d != "0" && !garde.depassee(); ++k) d = reduire(derive(d, variable));
  return resultat_garde(garde, std::move(d));
}
