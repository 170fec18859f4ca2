#pragma once
// The exercises of the fourth school level on numbers and coordinates:
// inequations and systems (codes 1422, 1423), gcd, irreducible fractions and
// a function's value (1427 to 1429, 1434, 1435), the two factorising
// identities (1430, 1431), and a vector's coordinates, a distance and a
// midpoint (3441 to 3443). Codes 1522, 1523, 1534 and 3541 to 3543 of the
// next level run 1422, 1423, 1434 and 3441 to 3443.

struct ContexteGenerateur;

// Registers the generators of this file under their codes.
void enregistrer_niveau_3_nombres_reperes();

void exercice_1422(ContexteGenerateur& contexte);
void exercice_1423(ContexteGenerateur& contexte);
void exercice_1427(ContexteGenerateur& contexte);
void exercice_1428(ContexteGenerateur& contexte);
void exercice_1429(ContexteGenerateur& contexte);
void exercice_1430(ContexteGenerateur& contexte);
void exercice_1431(ContexteGenerateur& contexte);
void exercice_1434(ContexteGenerateur& contexte);
void exercice_1435(ContexteGenerateur& contexte);
void exercice_3441(ContexteGenerateur& contexte);
void exercice_3442(ContexteGenerateur& contexte);
void exercice_3443(ContexteGenerateur& contexte);
