#pragma once
// Which operands an operator must bracket when texts are combined.

#include <string>
#include <string_view>

// 10 when the left operand needs brackets, plus 1 when the right one does
// (used by the formula layout, where a power's exponent is raised and needs
// brackets only around a sum).
int besoin_parentheses(const std::string& gauche, const std::string& droite, std::string_view operateur);

// Puts the brackets the operator requires around the operands.
void parenthese_operandes(std::string& gauche, std::string& droite, std::string_view operateur);

// gauche, the operator and droite joined, with the brackets
// parenthese_operandes would put, in one text built at once.
std::string joint_avec_parentheses(const std::string& gauche, const std::string& droite, std::string_view operateur);

// A template of the function table ("%s" standing for the argument) with
// every "%s" replaced by the argument as one operand: bracketed where the
// operator beside "%s" would bind into it, so "3*%s^2" of x+1 is
// 3*(x+1)^2. Several arguments joined by ";" go in as they are.
std::string applique_modele(const std::string& modele, const std::string& argument);
