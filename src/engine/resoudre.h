#pragma once
// Equations of degree at most 2 in one variable, solved exactly: the
// coefficients are read by derivation at 0, never by a numeric search.
// Every failure is an error value.

#include <string>
#include <variant>

// The coefficients of a*v^2 + b*v + c, each one exact quotient.
struct Coefficients {
  std::string a;
  std::string b;
  std::string c;
};

// The equation as one side: left - right, or the text itself without "=".
std::string membre_unique(const std::string& equation);

// c = f(0), b = f'(0), a = f''(0)/2 of the equation's side f in `variable`.
// The degree is tested first: above 2 the result is `erreur_degre`; a
// coefficient that is an error value is the result too.
std::variant<Coefficients, std::string> coefficients_quadratiques(const std::string& equation,
                                                                  const std::string& variable,
                                                                  const std::string& erreur_degre);

// b^2 - 4ac as one quotient, or the discriminant's degree error.
std::string discriminant(const std::string& equation, const std::string& variable);

// The roots as "[v=r1;v=r2]" (the smaller formula (-b-r)/(2a) first) or
// "[v=r]"; with `complexe`, a negative discriminant gives the two roots
// holding the imaginary unit instead of "no solution". An equation holding
// a derivative mark goes to the differential-equation solver, with
// `variable` as its argument.
std::string resoudre(const std::string& equation, const std::string& variable, bool complexe);
