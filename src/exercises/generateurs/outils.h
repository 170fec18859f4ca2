#pragma once
// The random routines every generator shares. Numbers come back as number
// text (the engine's "-3", "2/5", "3*x-2").

#include <optional>
#include <string>
#include <vector>

#include "exercises/contexte_generateur.h"

// An integer in 0..n-1; 0 when n <= 0.
int Random(ContexteGenerateur& contexte, int n);
// min(a, b) + Random(|b - a|): RandomRange(-5, 6) gives -5..5.
int RandomRange(ContexteGenerateur& contexte, int a, int b);
// A real in [0, 1).
double RandomReel(ContexteGenerateur& contexte);

// A sign drawn first (each with chance 1/2), then a magnitude 0..n-1.
std::string relatif_aleatoire(ContexteGenerateur& contexte, int n);

// A signed integer in -(n-1)..-2 or 2..n-1: "1" when n < 3. Draws as
// relatif_aleatoire until the draw is none of "0", "1", "-1"; the 51st draw
// is kept whatever it is, except in test mode, where the message
// "Erreur:boucle infinie generer_relatif" follows the 51st and every later
// draw while drawing goes on.
std::string generer_relatif(ContexteGenerateur& contexte, int n);

// A reduced fraction p/q of two relatif_aleatoire(n) draws, never "1", "-1"
// or with a zero numerator; an integer text when q divides p, else "N/D"
// with the sign on the numerator. n below 3 draws as 3.
std::string fraction_aleatoire(ContexteGenerateur& contexte, int n);

// a*x+b with a = generer_relatif(m) and b = generer_relatif(m) for one
// m = Random(n), drawn again while the text is "0"; "x+1" when m < 3.
std::string affine_aleatoire(ContexteGenerateur& contexte, int n);

// The polynomial of the coefficients in ascending powers of `variable`
// (coefficient i for the power i), zero terms left out: (3, -1, 2) in x
// gives "3-x+2*x^2"; all zero gives "".
std::string ecrire_polynome(const std::vector<double>& coefficients, const std::string& variable);

// a + b or a - b (`signe` "+" or "-") as operation_ordonnee joins them,
// except that a product or quotient b whose first factor is a bracket
// opening on a minus sign gives that sign to the join, so no plus sign is
// followed by a negative number: "1/4" and "(-3*y)/4" joined with "+" give
// "1/4-(3*y)/4", "(x+1)*x" and "(-6*x-8)*(x+1)" give "(x+1)*x-(6*x+8)*(x+1)".
std::string somme_lisible(const std::string& a, const std::string& b, const std::string& signe);

// The roots of a solver answer "[v=r1;v=r2]" ("[v=r]" for one root): the
// brackets dropped, the items cut at ";", each root the part after "=". An
// item without "=" is kept whole, so an error text comes back as one item.
std::vector<std::string> racines_liste(const std::string& liste);

// The values of a solver answer ("[x=-3/4]", "[a=2;b=-1]") when it is sound:
// no error value, exactly `nombre` items, each "name=value" with a value
// that is no error value. Nothing otherwise: the generator draws again
// rather than unpack a failure.
std::optional<std::vector<std::string>> valeurs_solveur(const std::string& liste, std::size_t nombre);
