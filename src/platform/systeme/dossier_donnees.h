#pragma once
// Where the program keeps its data: the `parametres` folder (settings, help
// pages, accounts), Fonction.ini and Constante.ini. They sit in the program's
// folder: the executable's own, or PRALINORE_APPDIR when it is set. When that
// folder cannot be written (an installation under /usr), the user's data
// folder (XDG data home)/pralinore takes its place, seeded at its first use
// with the files it lacks, so that settings and user objects can be kept.

#include <string>

// The executable's folder, or PRALINORE_APPDIR when set; ends with "/".
std::string dossier_programme();
// $XDG_DATA_HOME/pralinore/, else $HOME/.local/share/pralinore/.
std::string dossier_utilisateur();

// A temporary file can be created (and is removed again) in the folder.
bool dossier_inscriptible(const std::string& dossier);

// Copies from `source` into `cible` the `parametres` folder's files and
// Fonction.ini and Constante.ini, each only when `cible` lacks it. A copy
// lands whole or not at all. False when something could not be copied.
bool amorcer_dossier(const std::string& source, const std::string& cible);

// The program folder when files can be created in it (and in its `parametres`
// folder when there is one); otherwise the user folder, seeded from the
// program folder. When the user folder cannot be made either, the program
// folder after all: the program then runs on what it can read. Ends with "/".
std::string choisir_dossier_donnees(const std::string& programme, const std::string& utilisateur);

// Removes the temporary files that cut-short writes left in the data folder
// `donnees` and anywhere in its `parametres` (settings, accounts, hint pages,
// Fonction.ini and Constante.ini, the write test): see
// supprimer_temporaires_abandonnes. Returns how many were removed.
int supprimer_temporaires_donnees(const std::string& donnees);

// choisir_dossier_donnees(dossier_programme(), dossier_utilisateur()).
std::string dossier_donnees();
