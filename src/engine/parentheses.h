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
