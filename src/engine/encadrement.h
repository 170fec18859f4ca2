#pragma once
// Enclosures of the values of expression text, every rounding directed
// outwards, and with them whether a function is defined at every point of
// a closed interval: F(b) - F(a) is the integral of f from a to b only
// when f is.

#include <optional>
#include <string>

// A closed interval of reals, its ends included; an end may be infinite.
struct Intervalle {
  double bas;
  double haut;
};

// An interval that holds the value of a text naming no variable: numbers,
// pi, user constants whose value is a number, the usual functions (2, 1/2,
// pi/2, ln(2), sqrt(2)). None for any other text (another name, a call of
// another function, a division by 0, a logarithm of a negative number).
std::optional<Intervalle> encadrement_nombre(const std::string& texte);

enum class Definition {
  definie,      // shown defined at every point
  non_definie,  // not at some point, as far as doubles tell them apart
  indecise,     // the steps allowed ran out first
};

// Whether the text, read as a real function of `variable`, is defined at
// every point of `intervalle`: no denominator vanishes there, no logarithm
// meets a number <= 0, no square root (nor power of a real exponent that
// is no integer) a negative number, no tangent or cotangent a pole, no
// negative power 0, no power of an exponent that varies a base <= 0. Each
// part of the text is enclosed over pieces of the interval, which are
// halved until each is shown clear, within a fixed number of steps:
// "definie" is never a wrong answer where no parameter is named. A part the
// reading does not know (a call of another function of the variable, a
// factorial, a list) is never shown clear; conditions on parts that name a parameter (1/y, ln(a),
// 1/(x-a), x^n) are left to those parameters, as with bounds that are no
// numbers: "definie" then holds for the values where the text is defined.
// User functions are read through their bodies.
Definition definie_sur(const std::string& texte, const std::string& variable, Intervalle intervalle);
