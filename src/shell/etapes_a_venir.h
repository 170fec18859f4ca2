#pragma once
// Steps of start-up and of the main window that do nothing: the exercise
// catalogue holds no entry, the version check and the network proxy make no
// request. Each keeps its place in the order of start-up.

#include <string>
#include <vector>

// The exercise catalogue, loaded at start-up and again in the language once
// the catalogue of texts is filled; it stays empty.
void charger_exercices();
// Highest index of the catalogue: 0, as it holds nothing.
int dernier_indice_exercices();
// The themes of the catalogue's entries, in catalogue order: none.
std::vector<std::string> themes_exercices();

// The server's reply to the version check, kept for the run; empty, as no
// request is sent.
extern std::string reponse_version;
// The check for a newer version (automatically at start-up, or by hand from
// the Aide menu); it sends no request.
void verifier_mise_a_jour(bool manuel);

// The HTTP client's proxy from the system or the settings file; the program
// has no HTTP client, so nothing is set.
void configurer_proxy_demarrage();
