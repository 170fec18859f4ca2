#pragma once
// The rows of the user's functions in the function table.

#include <string>

// Appends the row of the user function nom(variable) = corps: one argument,
// the variable as its description, listed. Its derivative and antiderivative
// templates (those of the body in the variable, the variable written "%s")
// are computed at their first read, and come out as they would now: against
// the rows before this one and the constants of this moment, each derivation
// an outermost call of its own. Loading many heavy functions thus costs
// nothing until one of them is derived or integrated.
void ajouter_fonction_utilisateur(const std::string& nom, const std::string& corps, const std::string& variable,
                                  const std::string& categorie, const std::string& description);
