#pragma once
// The level-1 generators of second-degree polynomials (1601-1603),
// derivatives and tangents (1604-1611, 1613) and sequences given by their
// general term or by a recurrence (1614-1619).

#include "exercises/contexte_generateur.h"

void exercice_1601(ContexteGenerateur& contexte);
void exercice_1602(ContexteGenerateur& contexte);
void exercice_1603(ContexteGenerateur& contexte);
void exercice_1604(ContexteGenerateur& contexte);
void exercice_1605(ContexteGenerateur& contexte);
void exercice_1606(ContexteGenerateur& contexte);
void exercice_1607(ContexteGenerateur& contexte);
void exercice_1608(ContexteGenerateur& contexte);
void exercice_1609(ContexteGenerateur& contexte);
void exercice_1610(ContexteGenerateur& contexte);
void exercice_1611(ContexteGenerateur& contexte);
void exercice_1613(ContexteGenerateur& contexte);
void exercice_1614(ContexteGenerateur& contexte);
void exercice_1615(ContexteGenerateur& contexte);
void exercice_1616(ContexteGenerateur& contexte);
void exercice_1617(ContexteGenerateur& contexte);
void exercice_1618(ContexteGenerateur& contexte);
void exercice_1619(ContexteGenerateur& contexte);

// Registers the generators above under their codes.
void enregistrer_niveau_1_polynomes();
