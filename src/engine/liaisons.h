#pragma once
// The names a built-in call binds: the index of a sum, the variable of a
// derivative or of an integral, the unknowns of an equation or of a
// system, the x of a polynomial. They are the call's own: a substitution
// of the same name outside leaves them alone, and the call varies with a
// name only where it holds that name free.

#include <optional>
#include <string>
#include <vector>

struct Liaison {
  int noms = -1;     // slot of the bound name or list of names; -1: the row binds x
  int portee = -1;   // slot they are bound in; -1: every slot
  // The call's value is a function of the bound names (a derivative's is,
  // the solutions of an equation are not).
  bool valeur_des_noms = false;
};

// No value for a row that binds nothing.
std::optional<Liaison> liaison(int id);

std::vector<std::string> noms_lies(const Liaison& l, const std::vector<std::string>& arguments);

// The slot i holds the bound names or the text they are bound in.
bool dans_portee(const Liaison& l, std::size_t i);

// The call of row `id` with these arguments varies with v: v stands in a
// slot the call does not bind it in, or the call binds v and its value is
// a function of v that its text names (deriver(x^2;x) varies with x,
// deriver(3;x), somme(x;1;3;x) and resoudre(x^2=1;x) do not).
bool appel_varie_avec(int id, const std::vector<std::string>& arguments, const std::string& v);
