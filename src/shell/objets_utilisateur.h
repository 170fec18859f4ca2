#pragma once
// The user's functions and constants read from Fonction.ini and
// Constante.ini into the engine's tables, as the program starts and as the
// new-object dialog shows. All text is Windows-1252.

#include <string>
#include <vector>

#include "platform/ini/fichier_ini.h"

inline constexpr const char* section_fonctions = "Fonction";
inline constexpr const char* section_constantes = "Constante";

// Each constant of the file into the constants table; the lines
// "name=value" the dialog lists, in the file's order.
std::vector<std::string> charger_constantes_ini(const Tfichier_ini& ini);

// The function table back to its built-in rows, then one row per function
// of the file, its derivative and antiderivative templates left to their
// first read; the lines
// "f(x)=x^2" the dialog lists, in the file's order.
std::vector<std::string> charger_fonctions_ini(const Tfichier_ini& ini);
