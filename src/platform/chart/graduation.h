#pragma once
// Where an axis puts its ticks: on the multiples of a step 1, 2 or 5 x 10^k,
// the smallest such step that keeps the ticks at least `ecart_pixels` apart
// on an axis `longueur_pixels` long.

#include <vector>

double pas_graduation(double minimum, double maximum, double longueur_pixels, double ecart_pixels);

// The tick values within [minimum, maximum], each an exact multiple i * step
// (so the number text shows 0.3, not 0.30000000000000004). Empty for a
// degenerate range or when the values would be too many to tell apart.
std::vector<double> graduations(double minimum, double maximum, double longueur_pixels, double ecart_pixels);
