#pragma once
// Rounding to a number of decimals on the decimal writing of a value.

// The value rounded to 10^chiffre (chiffre <= 0: -chiffre digits after the
// point), halves away from zero, on the shortest decimal text that reads
// back as the value, so 2.675 gives 2.68 and -0.5 gives -1. A chiffre above
// 0 counts as 0; a value that is not finite comes back as it is.
double RoundTo(double valeur, int chiffre);
