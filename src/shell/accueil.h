#pragma once
// The text of the home page: what the program holds, built from the function
// table and the exercise catalogue in the interface language.

#include <string>
#include <vector>

class Tfonction_usuelle;

// The texts joined with ", " in their order, each added only when the list
// built so far does not already contain it (as any part of its text).
std::string liste_distincte(const std::vector<std::string>& textes);

// The categories of the listed rows of the table, in row order.
std::vector<std::string> categories_affichables(const Tfonction_usuelle& fonctions);

// Welcome line, CR LF CR LF, the summary of functions and exercises, CR LF
// CR LF. The two counts are the highest indices of the two tables.
std::string texte_accueil(const Tfonction_usuelle& fonctions, int dernier_exercice,
                          const std::vector<std::string>& themes);
