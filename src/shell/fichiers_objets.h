#pragma once
// The files of the user's own objects, open from the main window's start-up
// to its close: the user functions and the user constants.

#include <memory>

#include "platform/ini/fichier_ini.h"

inline std::unique_ptr<Tfichier_ini> ini_fonctions;   // Fonction.ini
inline std::unique_ptr<Tfichier_ini> ini_constantes;  // Constante.ini
