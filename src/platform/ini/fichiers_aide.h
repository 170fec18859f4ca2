#pragma once
// The help files of the current language: the context-help file and the seven
// hint-page files, in the language's folder under `parametres`. The language
// switch points them there through its hook.

#include <array>
#include <memory>
#include <string>

#include "platform/ini/fichier_ini.h"

// Path of the language's context-help file.
extern std::string fichier_aide;
// The seven hint-page files of the language, [1] to [7]; [0] stays empty.
extern std::array<std::unique_ptr<Tfichier_ini>, 8> ini_aide;

// Points the help files at `dossier`, the language's folder ending with "/".
void ouvrir_aide_langue(const std::string& dossier);

// Makes every later language switch point the help files at its folder.
void enregistrer_fichiers_aide();
