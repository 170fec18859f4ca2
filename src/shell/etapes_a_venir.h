#pragma once
// Steps of start-up and of the main window whose items come later (the
// exercise catalogue, the version check, the network proxy). Each keeps its
// place in the order of start-up and does nothing yet.

#include <string>
#include <vector>

// The exercise catalogue: built at start-up, again in the language once
// the catalogue of texts is filled.
void charger_exercices();
// Highest index of the catalogue; 0 while it holds nothing.
int dernier_indice_exercices();
// The themes of the catalogue's entries, in catalogue order.
std::vector<std::string> themes_exercices();

// The server's reply to the version check, kept for the run.
extern std::string reponse_version;
// Asks the product's server for a newer version (automatically at start-up,
// or by hand from the Aide menu).
void verifier_mise_a_jour(bool manuel);

// Sets the HTTP client's proxy from the system or the settings file.
void configurer_proxy_demarrage();
