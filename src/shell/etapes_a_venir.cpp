#include "shell/etapes_a_venir.h"

std::string reponse_version;

void charger_exercices() {}

int dernier_indice_exercices() { return 0; }

std::vector<std::string> themes_exercices() { return {}; }

void verifier_mise_a_jour(bool) {}

void configurer_proxy_demarrage() {}
