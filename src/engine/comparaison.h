#pragma once
// Is a pupil's answer equal to the expected one?

#include <string>

bool sont_egales(const std::string& a, const std::string& b);
// a the expected text, b the answer; "factoriser" asks for a product.
bool compare_reponse(const std::string& a, const std::string& b, const std::string& consigne);
// Two inequations, either read from right to left.
bool compare_inequation(const std::string& a, const std::string& b, const std::string& consigne);
