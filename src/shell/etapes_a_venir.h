#pragma once
// Steps of start-up and of the main window that do nothing: the version check
// and the network proxy make no request. Each keeps its place in the order of
// start-up.

#include <string>

// The server's reply to the version check, kept for the run; empty, as no
// request is sent.
extern std::string reponse_version;
// The check for a newer version (automatically at start-up, or by hand from
// the Aide menu); it sends no request.
void verifier_mise_a_jour(bool manuel);

// The HTTP client's proxy from the system or the settings file; the program
// has no HTTP client, so nothing is set.
void configurer_proxy_demarrage();
