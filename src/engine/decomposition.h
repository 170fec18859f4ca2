#pragma once
// Sums as parallel arrays of unsigned terms and signs ("1", "-1", or "0" for
// a term merged away), products as parallel arrays of bases and exponents
// (a denominator's exponents negated), and the routines that cut texts into
// them and join them back.

#include <optional>
#include <string>
#include <vector>

void decompose_somme(const std::string& t, std::vector<std::string>& termes, std::vector<std::string>& signes);
void decompose_produit(const std::string& t, std::vector<std::string>& bases, std::vector<std::string>& exposants);

// The sum of the items `debut` to `fin` (0: the last), each term folded
// exactly; "0" when nothing is left.
std::string recompose_somme(const std::vector<std::string>& termes, const std::vector<std::string>& signes,
                            std::size_t debut = 0, std::size_t fin = 0);
// The product: integer factors folded into one coefficient, reduced against
// the denominator's, literal factors kept in order.
std::string recompose_produit(const std::vector<std::string>& bases, const std::vector<std::string>& exposants);

// -(a-2*b+c) -> -a+2*b-c; a text that is no negated term is unchanged.
std::string distribue_moins(const std::string& t);
// distribue_moins(t) for a t already known negated (est_negatif(t)): the
// question is not asked again, its work counted.
std::string distribue_moins_du_negatif(const std::string& t);
// For an integer exponent or a fraction p/q in lowest terms with q odd,
// whether p is odd: (-b)^e is then -(b^e) or b^e. No value for any other
// exponent (q even, a letter): a negative number's power has no real
// value there, or none that is known.
std::optional<bool> exposant_impair(const std::string& exposant);
// base^exposant, a negated base's sign taken outside where the exponent
// lets it out (exposant_impair): -(b^3), b^(2/3); (-b)^(1/2) keeps it.
std::string puissance_signee(const std::string& base, const std::string& exposant, const std::string& operateur);
// Multiplies base^exposant (exposant without sign) into the accumulators of
// recompose_produit: integers into the numeric one, the rest in front of the
// literal one.
void ajoute_facteur(const std::string& base, const std::string& exposant, std::string& litteral,
                    std::string& numerique);
void ajoute_paire(const std::string& base, const std::string& exposant, std::vector<std::string>& bases,
                  std::vector<std::string>& exposants);
// Every call of a user function replaced by its body, evaluated exactly.
std::string developpe_fonctions_utilisateur(const std::string& t);
