#pragma once
// Recognising a call of the function table in a whole text.

#include <string>
#include <vector>

// Identifier of the row called by the whole text, 0 when it is no call.
// For a text with a top-level operator the arguments are left untouched;
// otherwise they are replaced by the bracket part cut at ";" (one empty
// argument when there is none). A bracketed whole without a name, as (a+b),
// gives 0 with its argument a+b; an empty bracket part, as in cos(), gives 0.
int reconnait_fonction(const std::string& texte, std::vector<std::string>& arguments);

// reconnait_fonction() for a caller that reads the arguments of a call only
// (a positive identifier): a text without a bracket, never a call, gives 0
// with the same work counted, and its arguments are left untouched.
int identifiant_appel(const std::string& texte, std::vector<std::string>& arguments);

// "erreur(...)" as a call of the error row, the text starting with its name.
bool est_appel_erreur(const std::string& texte);
// "erreur(...)": the error value of the engine. Most texts asked are none,
// and their first bytes tell at once.
inline bool est_erreur(const std::string& texte) { return texte.starts_with("erreur(") && est_appel_erreur(texte); }
// A call of a user function row.
bool est_fonction_utilisateur(const std::string& texte);
// A call with at least one argument.
bool est_appel_avec_arguments(const std::string& texte);
