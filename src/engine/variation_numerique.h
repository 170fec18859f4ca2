#pragma once
// A numeric witness that a text varies with a variable. The constant tests
// of the antiderivative rules derive a text and collect the derivative to
// see whether it is 0, which costs tens of rewritings; when the text is seen
// to take two different values, the derivative cannot collect to 0 and the
// rewriting is spared.

#include <string>

// The text, read as a real function of `variable`, takes two different
// values at two nearby points, told apart beyond a bound of every rounding
// made while reading it; and each denominator, root and logarithm keeps a
// strict sign between them, so no pole or edge of the domain lies between
// the points. Only texts made of numbers, the variable, + - * / ^, brackets
// and calls of sin, cos, tan, exp, ln, sqrt are read; on any other text,
// and when the first pair of points where the text reads does not tell
// the values apart, the answer is false: nothing is shown.
bool varie_certainement(const std::string& texte, const std::string& variable);
