#pragma once
// Lets the function table follow the language switch: the rows that have
// texts in both languages take those of the chosen language.

// Rewrites the translated rows in the language (1 English, else French) with
// the category words the catalogue holds now.
void traduire_fonctions_usuelles(int langue);

// Registers traduire_fonctions_usuelles with the language switch.
void enregistrer_traduction_fonctions();

// Puts the engine in the state the program starts it in: the catalogue
// filled in the language, then the function table built with its category
// words, then the switch again so that the rows take the language's names.
void demarrer_moteur(int langue);
