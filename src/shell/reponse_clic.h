#pragma once
// What a click on the exercise chart writes into an answer field.

#include <optional>
#include <string>
#include <string_view>

// The decimals of a clicked value written for an answer that is no integer.
inline constexpr int decimales_clic = 1;

// The clicked value as number text: rounded to the nearest integer when the
// field's expected answer is an integer text ("3", "-12"), else to one
// decimal; halves away from zero, in exact decimal arithmetic on the value's
// 15-digit text; never "3.0" nor "-0". Nothing for a value that is not
// finite or does not fit.
std::optional<std::string> texte_clic(double valeur, std::string_view attendue);
