#include "engine/operation.h"

#include <optional>

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/expression.h"
#include "engine/parentheses.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/valeurs_erreur.h"
#include "localisation/nombres.h"

namespace {

bool est_zero(const std::string& t) { return t == "0"; }

// est_zero(enleve_moins(t)) without the copy: the same question on t, its
// sign asked (and its work counted) the same way.
bool est_zero_sans_moins(const std::string& t) { return est_negatif(t) ? t == "-0" : t == "0"; }

// a, the separator and b in one text built at once.
std::string joint(std::string_view a, std::string_view separateur, std::string_view b) {
  std::string r;
  r.reserve(a.size() + separateur.size() + b.size());
  r += a;
  if (separateur.size() == 1) {
    r += separateur[0];  // one character: no copy call
  } else {
    r += separateur;
  }
  r += b;
  return r;
}

// t without the round brackets enclosing it: t itself when it does not open
// with one (its work counted all the same), else the text freed of them,
// kept in `libre`.
const std::string& enleve_parentheses_autour(const std::string& t, std::string& libre) {
  libre = enleve_delimiteurs(t, "()");
  return libre;
}

inline const std::string& sans_parentheses_autour(const std::string& t, std::string& libre) {
  if (t.empty() || t.front() != '(') {
    compte_travail(t.size());
    return t;
  }
  return enleve_parentheses_autour(t, libre);
}

// A number text whose value is zero, however written: "0", "-0", "0.0".
bool vaut_zero(const std::string& t) {
  // An integer text is zero when all its digits are, however many there are.
  if (est_entier(t)) return t.find_first_not_of("-0") == std::string::npos;
  const auto valeur = lire_nombre(t);
  return valeur && *valeur == 0;
}

std::string avec_parentheses(const std::string& a, const std::string& b, std::string_view op) {
  return joint_avec_parentheses(a, b, op);
}

// "-" + t, bracketing t as the right operand of "*" would be.
std::string oppose(std::string t) {
  if (est_negatif(t)) return sans_moins(t);
  std::string un = "-1";
  parenthese_operandes(un, t, "*");
  return "-" + t;
}

std::string addition(const std::string& a, const std::string& b) {
  if (est_zero(a) && est_zero(b)) return "0";
  if (est_zero(a) || a.empty()) return b;
  if (est_zero(b) || b.empty()) return a;
  if (b[0] == '-') return joint(a, "", b);
  return joint(a, "+", b);
}

std::string soustraction(const std::string& a, const std::string& b) {
  const bool a_nul = a == "0" || a == "-0" || a.empty();
  if (a_nul && !est_zero(b) && !b.empty()) {
    if (est_negatif(b)) return sans_moins(b);
    std::string zero;
    std::string droite = b;
    parenthese_operandes(zero, droite, "-");
    return "-" + droite;
  }
  if (est_zero(b) || b.empty()) return a;
  if (est_negatif(b)) return joint(a, "+", sans_moins(b));
  return avec_parentheses(a, b, "-");
}

std::string multiplication(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return "";
  if (a == "1") return b;
  if (b == "1") return a;
  if (a == "-1" && b == "-1") return "1";
  if (a == "-1") return oppose(b);
  if (b == "-1") {
    if (est_negatif(a)) return sans_moins(a);
    std::string gauche = a;
    std::string un = "1";
    parenthese_operandes(gauche, un, "*");
    return "-" + gauche;
  }
  if (est_zero_sans_moins(a) || est_zero_sans_moins(b)) return "0";
  if (!se_coupe_en_quotient(a) && !se_coupe_en_quotient(b)) {
    return avec_parentheses(a, b, "*");
  }
  return operation(operation(numerateur(a), numerateur(b), "*"), operation(denominateur(a), denominateur(b), "*"),
                   "/");
}

std::string division(const std::string& a, const std::string& b) {
  if (vaut_zero(b)) return erreur_division_par_zero();
  if (est_zero(a)) return "0";
  if (b == "1") return a;
  if (est_negatif(b)) return operation(operation("-1", a, "*"), sans_moins(b), "/");
  return avec_parentheses(a, b, "/");
}

bool exposant_negatif(const std::string& b) {
  const auto valeur = lire_nombre(b);
  return valeur && *valeur < 0;
}

std::string puissance(const std::string& a, const std::string& b) {
  // 0^0 is 1, as the numeric evaluation gives it.
  if (est_zero(a) && vaut_zero(b)) return "1";
  if (est_zero(a)) return exposant_negatif(b) ? erreur_division_par_zero() : "0";
  if (a == "1") return "1";
  if (b == "1") return a;
  if (est_zero(b)) return "1";
  // Parity from the last digit: an exponent of any length is safe.
  if (est_entier(b) && type_operateur_de(a) == TypeOperateur::aucun) {
    const bool pair = (b.back() - '0') % 2 == 0;
    return (pair ? enleve_moins(a) : a) + "^" + b;
  }
  return avec_parentheses(a, b, "^");
}

}  // namespace

std::string operation(const std::string& operande_a, const std::string& operande_b, std::string_view operateur) {
  // Operands are only read: one without enclosing brackets is not copied.
  std::string libre_a;
  std::string libre_b;
  const std::string& a = sans_parentheses_autour(operande_a, libre_a);
  const std::string& b = sans_parentheses_autour(operande_b, libre_b);
  // One result text returned from every path, so it is built in place.
  std::string r;
  // The first error value met is the result: "1/0+1" stays an error.
  if (est_erreur(a)) {
    r = a;
    return r;
  }
  if (est_erreur(b)) {
    r = b;
    return r;
  }
  switch (operateur.size() == 1 ? operateur[0] : '\0') {
    case '+': r = addition(a, b); break;
    case '-': r = soustraction(a, b); break;
    case '*': r = multiplication(a, b); break;
    case '/': r = division(a, b); break;
    case '^': r = puissance(a, b); break;
    default:
      r = operation(std::vector<std::string>{a, b}, operateur);
      return r;
  }
  if (r.size() == 2 && r[0] == '-' && r[1] == '0') r = "0";  // "-0"
  return r;
}

std::string operation(const std::vector<std::string>& operandes, std::string_view operateur) {
  static constexpr std::string_view arithmetiques[] = {"+", "-", "*", "/", "^"};
  for (const auto op : arithmetiques) {
    if (op != operateur) continue;
    if (operandes.size() != 2) return "";
    return operation(operandes[0], operandes[1], operateur);
  }
  std::string r;
  for (const auto& o : operandes) r = r.empty() ? o : r + "*" + o;
  return r;
}

namespace {

// commence_par_nombre(t), with est_nombre(t) read at most once between the
// two questions: a text without "*" is its own first factor, so its answer
// is est_nombre(t) once the work of its scan is counted.
bool commence_par_nombre_lu(const std::string& t, std::optional<bool>& nombre) {
  if (t.empty() || t.find('*') != std::string::npos) return commence_par_nombre(t);
  compte_coupe(t);
  if (!nombre) nombre = est_nombre(t);
  return *nombre;
}

bool nombre_lu(const std::string& t, std::optional<bool>& nombre) {
  if (!nombre) nombre = est_nombre(t);
  return *nombre;
}

}  // namespace

std::string operation_ordonnee(const std::string& a, const std::string& b, std::string_view op) {
  if (op == "*") {
    std::optional<bool> nombre_a;
    std::optional<bool> nombre_b;
    if ((nombre_lu(b, nombre_b) && !nombre_lu(a, nombre_a)) ||
        (commence_par_nombre_lu(b, nombre_b) && !commence_par_nombre_lu(a, nombre_a))) {
      return operation(b, a, op);
    }
  }
  return operation(a, b, op);
}

void separe_coefficient(const std::string& t, std::string& coef, std::string& litteral) {
  coef = "1";
  litteral = t;
  std::string accumulateur = "1";
  std::string facteur = t;
  for (;;) {
    expression e(std::move(facteur));
    if (e.operateur != "*") break;
    accumulateur = operation(accumulateur, e.droite, "*");
    if (est_entier(e.gauche)) {
      coef = e.gauche;
      litteral = accumulateur;
    }
    facteur = std::move(e.gauche);
  }
  if (est_entier(t)) {
    coef = t;
    litteral = "1";
  }
}
