#pragma once
// File-system questions the shell asks at start-up and before a download.

#include <string>

// The temporary folder: TMPDIR when set, else "/tmp"; never with a trailing
// "/" (except the root itself).
std::string dossier_temporaire_systeme();

// A directory is there (links followed).
bool repertoire_existe(const std::string& chemin);

// Something is there under exactly this name, file or directory; a broken
// link is nothing. No wildcards.
bool fichier_existe(const std::string& chemin);

// The absolute, canonical path of the running executable, whole.
std::string nom_fichier_module();

// `texte` without every trailing `c` (a lone "/" path stays "/").
std::string sans_caracteres_finaux(std::string texte, char c);
