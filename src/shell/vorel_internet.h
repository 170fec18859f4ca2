#pragma once
// The main window's web work: the HTTP client's proxy at start-up, the
// version check with the setup program's download, and the addresses on the
// product's web server.

#include <optional>
#include <string>

class Tclient_http;

// The server's reply to the version question, kept for the run.
extern std::string reponse_version;

// The English name of the system's country, at most 64 characters; empty
// for the C/POSIX locale.
std::string pays_systeme();

// [Internet] serveur: host, optionally ":port".
std::string serveur_internet();

// Whether start-up runs the weekly check; programs started inside a test
// turn it off so that they reach no network and keep their settings file.
extern bool verification_au_demarrage;

// Checks for a newer version: at start-up (`manuel` false) at most once a
// week, or from the Aide menu.
void verifier_mise_a_jour(bool manuel);

// Sets the HTTP client's proxy from the system's proxy list or from the
// settings file, as [Internet] utiliser_ie says.
void configurer_proxy_demarrage(Tclient_http& client);

// Downloads the setup program into a new private folder (mode 0700) of the
// temporary folder; the folder's path, or nothing on any failure (then
// nothing is left behind). The program is never run.
std::optional<std::string> telecharger_installation(Tclient_http& client, const std::string& serveur);
