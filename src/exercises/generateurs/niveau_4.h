#pragma once
// The exercises of the third school level (codes 1311 to 1330) and the
// right-angled triangle (3300): products of relative numbers, fractions,
// powers of ten, scientific notation, square roots, approximations and
// bounds, literal expressions and the Pythagorean theorem.

struct ContexteGenerateur;

// Registers the generators of this level under their codes.
void enregistrer_niveau_4();

void exercice_1311(ContexteGenerateur& contexte);
void exercice_1312(ContexteGenerateur& contexte);
void exercice_1313(ContexteGenerateur& contexte);
void exercice_1314(ContexteGenerateur& contexte);
void exercice_1315(ContexteGenerateur& contexte);
void exercice_1316(ContexteGenerateur& contexte);
void exercice_1317(ContexteGenerateur& contexte);
void exercice_1318(ContexteGenerateur& contexte);
void exercice_1319(ContexteGenerateur& contexte);
void exercice_1322(ContexteGenerateur& contexte);
void exercice_1324(ContexteGenerateur& contexte);
void exercice_1325(ContexteGenerateur& contexte);
void exercice_1326(ContexteGenerateur& contexte);
void exercice_1327(ContexteGenerateur& contexte);
void exercice_1328(ContexteGenerateur& contexte);
void exercice_1329(ContexteGenerateur& contexte);
void exercice_1330(ContexteGenerateur& contexte);
void exercice_3300(ContexteGenerateur& contexte);
