#pragma once
// The symbolic evaluator of the calculator: recurses over the binary
// operators and hands each call of a built-in function to its routine.

#include <string>
#include <vector>

std::string calculer(const std::string& texte);

// The call of row `id` with its argument texts; the text itself when the
// row has no routine (usual functions, display directives, user functions).
std::string evaluer_appel(int id, const std::vector<std::string>& arguments, const std::string& texte);
