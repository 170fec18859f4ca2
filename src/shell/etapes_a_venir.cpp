#include "shell/etapes_a_venir.h"

std::string reponse_version;

void verifier_mise_a_jour(bool) {}

void configurer_proxy_demarrage() {}
