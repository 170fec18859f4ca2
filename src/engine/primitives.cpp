#include "engine/primitives.h"

#include "engine/decoupage.h"
#include "engine/expression.h"
#include "engine/fonction.h"
#include "engine/fonctions_usuelles.h"
#include "engine/operation.h"
#include "localisation/nombres.h"

bool est_entier(const std::string& t) {
  const std::size_t debut = (!t.empty() && t[0] == '-') ? 1 : 0;
  if (t.size() == debut) return false;
  for (std::size_t i = debut; i < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9') return false;
  }
  return true;
}

bool est_nombre(const std::string& t) { return lire_nombre(t).has_value(); }

bool est_negatif(const std::string& t) {
  if (t.empty() || t[0] != '-') return false;
  const int type = expression(t).type_operateur;
  return type != 0 && type != 1;
}

std::string enleve_moins(const std::string& t) { return est_negatif(t) ? t.substr(1) : t; }

bool est_constante(const std::string& t) { return constantes && constantes->indice(t) >= 0; }

bool independant_de(const std::string& t, const std::string& v) {
  for (const auto& nom : decoupe_arguments(fonction(t).variables())) {
    if (nom == v) return false;
  }
  return true;
}

bool commence_par_nombre(const std::string& t) {
  if (t.empty()) return false;
  std::string facteur = t;
  for (;;) {
    expression e(facteur);
    if (e.operateur != "*") return est_nombre(facteur);
    if (est_nombre(e.gauche)) return true;
    facteur = std::move(e.gauche);
  }
}

std::string numerateur(const std::string& t) {
  expression e(t);
  return e.operateur == "/" ? e.gauche : t;
}

std::string denominateur(const std::string& t) {
  expression e(t);
  return e.operateur == "/" ? e.droite : "1";
}

std::string operation_ordonnee(const std::string& a, const std::string& b, const std::string& op) {
  if (op == "*" && ((est_nombre(b) && !est_nombre(a)) || (commence_par_nombre(b) && !commence_par_nombre(a)))) {
    return operation(b, a, op);
  }
  return operation(a, b, op);
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
