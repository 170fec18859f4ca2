#pragma once
// The exercises of the second school level (codes 1211 to 1226): order of
// operations on whole and decimal numbers, fractions (comparison, sums,
// products), relative numbers and a first look at equations. Code 1212 has
// two entries, each with its own generator.

struct ContexteGenerateur;

// Registers the generators of this level under their keys.
void enregistrer_niveau_5();

void exercice_1211(ContexteGenerateur& contexte);
void exercice_1212a(ContexteGenerateur& contexte);
void exercice_1213(ContexteGenerateur& contexte);
void exercice_1214(ContexteGenerateur& contexte);
void exercice_1215(ContexteGenerateur& contexte);
void exercice_1216(ContexteGenerateur& contexte);
void exercice_1212b(ContexteGenerateur& contexte);
void exercice_1219(ContexteGenerateur& contexte);
void exercice_1220(ContexteGenerateur& contexte);
void exercice_1223(ContexteGenerateur& contexte);
void exercice_1225(ContexteGenerateur& contexte);
void exercice_1226(ContexteGenerateur& contexte);
