#pragma once
// The exercises of the first school level (codes 1111 to 1122): comparing
// and operating on whole and decimal numbers, percentages, rounding, the
// number line and the grid on the exercise chart, areas and perimeters, and
// unit conversions.

struct ContexteGenerateur;

// Registers the generators of this level under their codes.
void enregistrer_niveau_6();

void exercice_1111(ContexteGenerateur& contexte);
void exercice_1112(ContexteGenerateur& contexte);
void exercice_1113(ContexteGenerateur& contexte);
void exercice_1114(ContexteGenerateur& contexte);
void exercice_1115(ContexteGenerateur& contexte);
void exercice_1116(ContexteGenerateur& contexte);
void exercice_1117(ContexteGenerateur& contexte);
void exercice_1118(ContexteGenerateur& contexte);
void exercice_1119(ContexteGenerateur& contexte);
void exercice_1120(ContexteGenerateur& contexte);
void exercice_1121(ContexteGenerateur& contexte);
void exercice_1122(ContexteGenerateur& contexte);
