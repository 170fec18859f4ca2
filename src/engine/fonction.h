#pragma once
// A node with the calculus operations: variables, derivation,
// antiderivation, integrals, numeric evaluation.

#include <string>
#include <vector>

#include "engine/expression.h"

class fonction : public expression {
 public:
  using expression::expression;

  // The variables of the expression, ";"-separated, the right operand's
  // first; a name may repeat. An equation counts as the sum of its sides.
  std::string variables() const;

  // The derivative with respect to `variable`, written through operation so
  // neutral elements vanish on the way. A name without a rule derives to 0.
  std::string deriver(const std::string& variable) const;
  // The same text, for a derivative asked for once, as the deriver row
  // asks it: nothing derives its parts again in the call, so a quotient of
  // polynomials may skip the developments the written rule would leave in
  // the call's memory for later derivations.
  std::string deriver_demandee(const std::string& variable) const;
  // The n-th derivative, each one reduced before the next.
  std::string deriver_n(const std::string& variable, int n) const;

  // An antiderivative with respect to `variable`; where no rule applies, the
  // unevaluated call of row 14 in the current language, integrer(f;x).
  std::string integrer(const std::string& variable) const;
  // F(b) - F(a), evaluated exactly; the unevaluated integrale(f;a;b;x) call
  // when the text has no antiderivative.
  std::string integrale(const std::string& a, const std::string& b, const std::string& variable) const;
  // The text with the value substituted for each name in turn.
  std::string substitue_valeur(const std::vector<std::string>& noms, const std::string& valeur, bool exact) const;

  // The Taylor polynomial of order 0..20 of the text at `point`, written in
  // powers of the variable itself (the expansion of f(point + variable)); an
  // order outside that range is the "out of limits" error value.
  std::string developpement_limite(const std::string& variable, int ordre, double point) const;

  // The value of the text with `variable` standing for `valeur` (an empty
  // variable stands for nothing). Numbers are folded in double precision;
  // with `exact` a quotient that is not whole stays an exact fraction. What
  // cannot be folded stays as text, so a result that is no number tells the
  // caller the text has no value. Domain errors are error values.
  std::string numeriser(const std::string& variable, bool exact, double valeur) const;
  // numeriser(variable, false, valeur), telling whether on the way a
  // product, quotient or power of numbers other than 0 came out 0 (a value
  // below the smallest double): a division by zero may then stand for a
  // finite value.
  std::string numeriser_approche(const std::string& variable, double valeur, bool& sous_depassement) const;
  std::string valeur_numerique(bool exact) const;
  // The text with `variable` replaced by the expression text `remplacement`,
  // folded where the result is numeric; agrees with numeriser whenever the
  // replacement is a number.
  std::string numeriser_substitution(const std::string& variable, const std::string& remplacement, bool exact) const;
  // Each listed name ("[x;y]" or "x;y") set to 0 in turn, exactly: the
  // constant term of a linear expression.
  std::string numeriser_liste(const std::string& liste) const;
  // A root in `variable` between the bounds by halving, at most 200 times,
  // until the value is under the tolerance or the bounds are neighbouring
  // doubles around a root; NaN when a value is no number or the search does
  // not converge (a pole).
  double dichotomie(const std::string& variable, double borne1, double borne2, double tolerance) const;
};

// An antiderivative F still holds a part that was not found: the
// unevaluated call in either language, or a template without closed form.
bool sans_primitive(const std::string& F);

// The numeric value of a text (no variable).
std::string numeriser_texte(const std::string& texte, bool exact);

// v is not among the variables of t.
bool independant_de(const std::string& t, const std::string& v);
// t depends on one of the names: among its variables or written in it.
bool nomme_l_un_de(const std::string& t, const std::vector<std::string>& noms);
