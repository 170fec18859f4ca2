#pragma once
// Small string helpers shared by the engine and the shell.

#include <string>
#include <string_view>
#include <vector>

// True for the left side of a typed function definition such as f(x): the
// first ")" ends the text and the name before "(" and the text between the
// brackets hold only a..z (either may be empty). An empty text counts too.
bool est_declaration_fonction(std::string_view texte);

// Every character is one of a..z (an empty text counts).
bool est_nom_variable(std::string_view texte);

// Lower case in Windows-1252: A..Z and the accented capitals ("\xC9" gives
// "\xE9", "\xCE" the imaginary unit "\xEE"); every other byte unchanged.
std::string en_minuscules(std::string_view texte);

// Removes element `indice`, keeping the others' order; an index outside the
// array changes nothing.
void supprimer_element(int indice, std::vector<std::string>& tableau);

// Exclusive or of every byte with the low byte of `cle`; applying it twice
// gives the text back. The result may hold any byte, the zero byte included.
std::string crypter(std::string_view texte, int cle);
