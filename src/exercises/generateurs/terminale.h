#pragma once
// The exercises of the final school level on complex numbers (codes 1701 to
// 1708): algebraic form, real and imaginary parts, conjugate, sums, products
// and quotients, and a point placed on the complex plane of the exercise
// chart. Its sequence exercises are those of level 1.

struct ContexteGenerateur;

// Registers the generators of this level under their codes.
void enregistrer_terminale();

void exercice_1701(ContexteGenerateur& contexte);
void exercice_1702(ContexteGenerateur& contexte);
void exercice_1703(ContexteGenerateur& contexte);
void exercice_1704(ContexteGenerateur& contexte);
void exercice_1705(ContexteGenerateur& contexte);
void exercice_1706(ContexteGenerateur& contexte);
void exercice_1707(ContexteGenerateur& contexte);
void exercice_1708(ContexteGenerateur& contexte);
