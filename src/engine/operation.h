#pragma once
// The text builder of the engine: combines two operand texts with an
// operator, applying the neutral and absorbing elements, the signs and the
// brackets the operator needs. It folds no numbers: "2"+"3" gives "2+3".

#include <string>
#include <string_view>
#include <vector>

std::string operation(std::string a, std::string b, std::string_view operateur);

// The list form: two operands for the five arithmetic operators (any other
// count gives ""); any other operator joins all operands with "*".
std::string operation(const std::vector<std::string>& operandes, std::string_view operateur);
