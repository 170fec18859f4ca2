#pragma once
// The text builder of the engine: combines two operand texts with an
// operator, applying the neutral and absorbing elements, the signs and the
// brackets the operator needs. It folds no numbers: "2"+"3" gives "2+3".

#include <string>
#include <string_view>
#include <vector>

std::string operation(const std::string& a, const std::string& b, std::string_view operateur);

// The list form: two operands for the five arithmetic operators (any other
// count gives ""); any other operator joins all operands with "*".
std::string operation(const std::vector<std::string>& operandes, std::string_view operateur);

// operation(), with a numeric factor put first for "*".
std::string operation_ordonnee(const std::string& a, const std::string& b, std::string_view op);

// Splits off the leading integer coefficient of a product chain. The literal
// part is rebuilt from the rightmost factor leftwards: 3*x*y gives 3 and y*x;
// an integer gives itself and "1"; a product without one keeps coef "1".
void separe_coefficient(const std::string& t, std::string& coef, std::string& litteral);
