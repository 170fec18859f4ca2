#pragma once
// What the console tools share: the folder of their `parametres`, and the
// loop that answers each UTF-8 line of standard input with one line.

#include <functional>
#include <string>

// The folder of the running executable, or PRALINORE_APPDIR when it is set.
std::string dossier_programme();

// Reads standard input line by line (a final CR dropped), converts each line
// to Windows-1252, and writes the answer as one UTF-8 line.
void repondre_ligne_par_ligne(const std::function<std::string(const std::string&)>& reponse);
