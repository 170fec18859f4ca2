#pragma once
// Cutting and joining expression texts at their top level. Depth counts both
// "()" and "[]" unless said otherwise; positions are 1-based, 0 for none.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Position of the LAST `separateur` at depth 0 ("(" and "[" count before the
// character is tested, ")" and "]" before too, so a closing bracket stands at
// the outer depth). A separator that is not one character never matches.
int position_hors_parentheses(std::string_view texte, std::string_view separateur);

// The same search for ";", "=", "<" and ">" in one pass.
struct PositionsHorsParentheses {
  int point_virgule = 0;
  int egal = 0;
  int inferieur = 0;
  int superieur = 0;
};
PositionsHorsParentheses positions_hors_parentheses(std::string_view texte);

// Number of "(" minus number of ")".
int equilibre_parentheses(std::string_view texte);

// Drops round brackets enclosing the whole text, then cuts at every
// separator at depth 0 of "()" and "[]". Always at least one element.
std::vector<std::string> decoupe(const std::string& texte, char separateur);

// A list's items: the enclosing square brackets dropped, then cut at ";"
// as decoupe does. Empty items are kept, so "[x;]" has two.
std::vector<std::string> elements_liste(const std::string& liste);

// The same cut at ";" counting round brackets only, so a ";" inside square
// brackets cuts too.
std::vector<std::string> decoupe_arguments(const std::string& texte);

// The items of a list in square brackets, "[a;b;c]", cut at ";" at depth 0;
// no value when the text is not one such list or an item is empty. Round
// brackets inside an item are kept: "[(1;2)]" is one item.
std::optional<std::vector<std::string>> elements_entre_crochets(const std::string& texte);

// Joins with the separator put only after a non-empty text, so an empty
// first element vanishes.
std::string joindre(const std::vector<std::string>& tableau, std::string_view separateur);
std::string joindre_liste(std::initializer_list<std::string_view> elements, std::string_view separateur);

// liste + separateur + element, or the element alone when the list is empty.
std::string ajoute_element(const std::string& liste, const std::string& element, std::string_view separateur);

// Removes a pair of `delimiteurs` ("()" or "[]") enclosing the whole text,
// then keeps removing round brackets. Round brackets are removed only from a
// text without a top-level operator, so (a)+(b) keeps them.
std::string enleve_delimiteurs(std::string texte, std::string_view delimiteurs);
// The text without the round brackets enclosing it.
std::string sans_parentheses(const std::string& t);

// For name(x0) + separateur + rest: "name;rest;x0" (y(0)=2 gives y;2;0).
std::string decompose_condition(std::string_view texte, std::string_view separateur);
