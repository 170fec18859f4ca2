#include "engine/comparaison.h"

#include <vector>

#include "engine/decomposition.h"
#include "engine/decoupage.h"
#include "engine/developpement.h"
#include "engine/fractions.h"
#include "engine/operation.h"
#include "engine/parentheses.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/regroupement.h"

namespace {

bool egales(const std::string& a, const std::string& b) {
  if (a == b) return true;
  if (a == "+" || a == "-" || a == "*" || a == "/" || a == "=") return false;
  if (a.empty() || b.empty()) return false;
  const std::string d = regroupe_somme(fraction(operation_ordonnee(a, b, "-")));
  return d == "0" || d.empty();
}

// A factorised answer: equal to the expected text once both are expanded,
// and written as one product.
bool egales_factorisees(const std::string& a, const std::string& b) {
  if (a == b) return true;
  std::string da = developper(a);
  std::string db = developper(b);
  parenthese_operandes(da, db, "-");
  const std::string r = regroupe_somme(operation(enleve_delimiteurs(da, "()"), distribue_moins("-" + db), "+"));
  if (r != "0" && !r.empty()) return false;
  std::vector<std::string> termes;
  std::vector<std::string> signes;
  decompose_somme(b, termes, signes);
  return termes.size() == 1;
}

struct Relation {
  std::size_t position = std::string::npos;
  char signe = 0;
};

// ">" looked up first, then "<", which wins when both are there.
Relation relation(const std::string& t) {
  Relation r;
  for (const char c : {'>', '<'}) {
    if (const auto p = t.find(c); p != std::string::npos) r = {p, c};
  }
  return r;
}

}  // namespace

bool sont_egales(const std::string& a, const std::string& b) {
  GardeProfondeur garde;
  return egales(a, b) && !garde.depassee();
}

bool compare_reponse(const std::string& a, const std::string& b, const std::string& consigne) {
  GardeProfondeur garde;
  if (garde.depassee()) return false;
  bool r = false;
  if (consigne == "factoriser") {
    r = egales_factorisees(a, b);
  } else if (a.size() > 1 && a.find_first_of("<>") != std::string::npos) {
    r = compare_inequation(a, b, consigne);
  } else {
    r = egales(a, b);
  }
  return r && !garde.depassee();
}

bool compare_inequation(const std::string& a, const std::string& b, const std::string& consigne) {
  GardeProfondeur garde;
  if (garde.depassee()) return false;
  const Relation ra = relation(a);
  const Relation rb = relation(b);
  // An answer without a relation is no inequation.
  if (ra.signe == 0 || rb.signe == 0) return false;
  const std::string ga = a.substr(0, ra.position);
  const std::string da = a.substr(ra.position + 1);
  const std::string gb = b.substr(0, rb.position);
  const std::string db = b.substr(rb.position + 1);
  const bool meme_sens = ra.signe == rb.signe;
  const bool r =
      compare_reponse(ga, meme_sens ? gb : db, consigne) && compare_reponse(da, meme_sens ? db : gb, consigne);
  return r && !garde.depassee();
}
