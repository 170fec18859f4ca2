#pragma once
// Linear differential equations of order at most 2 in a function y of the
// independent variable, matched against a few forms whose general solutions
// are written from templates with the free constants k, l, a and b.

#include <string>

// `equation` in y, y', y''; `argument` is the independent variable, or
// "[x;y(x0)=y0]" with one initial condition, which only the first-order form
// with y takes (the others refuse it). The solution in brackets, "[y=...]",
// or an error value.
std::string resoudre_equation_differentielle(const std::string& equation, const std::string& argument);
