#include "localisation/langue.h"

namespace {
int langue_courante = 0;
}

int indice_langue() { return langue_courante; }

void definir_indice_langue(int indice) { langue_courante = indice == 1 ? 1 : 0; }

bool interface_anglaise() { return langue_courante == 1; }
