#pragma once
// Index of the interface language: 0 French, 1 English. The language switch
// sets it; the message helpers read it to pick the kind of dialog.

int indice_langue();
void definir_indice_langue(int indice);
bool interface_anglaise();
