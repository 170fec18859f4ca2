#pragma once
// The literal calculation and square roots of the fourth school level:
// factorising (1411), remarkable identities (1412, 1413) and square roots
// (1414 to 1419, 14110 to 14112).

struct ContexteGenerateur;

// Registers the generators of this part of the level under their codes.
void enregistrer_niveau_3_calcul_litteral();

void exercice_1411(ContexteGenerateur& contexte);
void exercice_1412(ContexteGenerateur& contexte);
void exercice_1413(ContexteGenerateur& contexte);
void exercice_1414(ContexteGenerateur& contexte);
void exercice_1415(ContexteGenerateur& contexte);
void exercice_1416(ContexteGenerateur& contexte);
void exercice_1417(ContexteGenerateur& contexte);
void exercice_1418(ContexteGenerateur& contexte);
void exercice_1419(ContexteGenerateur& contexte);
void exercice_14110(ContexteGenerateur& contexte);
void exercice_14111(ContexteGenerateur& contexte);
void exercice_14112(ContexteGenerateur& contexte);
