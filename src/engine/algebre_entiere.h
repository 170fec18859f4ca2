#pragma once
// Square matrices of integers reduced by fraction-free elimination, and
// the text of a quotient of integers. The determinant of such a matrix is
// an integer whatever the method, so a routine that reads it from here
// writes the same text as one that expands it; these routines only answer
// where no step can overflow.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Row by row: lignes[r][c] is the entry in row r, column c.
using LignesEntieres = std::vector<std::vector<std::int64_t>>;

// Bound of every sum the Laplace expansion of the matrix forms, and of
// every minor: the product of the rows' sums of absolute values (a row of
// zeros counts 1), plus for each row the absolute value in `colonne_en_plus`
// when it is given (a column that may replace another one). No value when
// the product passes borne_entiere_sure.
std::optional<std::int64_t> borne_laplace(const LignesEntieres& lignes,
                                          const std::vector<std::int64_t>* colonne_en_plus = nullptr);

// The largest bound under which elimination is exact in 128-bit integers
// (a product of two minors and their difference stay below 2^126) and the
// Laplace expansion in 64-bit integers cannot overflow.
inline constexpr std::int64_t borne_entiere_sure = std::int64_t{1} << 62;

// The determinant by Bareiss' elimination; the matrix must be square and
// within borne_laplace. The empty matrix has determinant 1.
std::int64_t determinant_entier(LignesEntieres lignes);

// The matrix without row `ligne` and column `colonne`.
LignesEntieres mineur_entier(const LignesEntieres& lignes, std::size_t ligne, std::size_t colonne);

// n/d reduced, with its sign in front: "0", "-7", "3/4", "-3/4", the text
// the exact quotient of two integer texts is written in. d is not 0, and
// both lie within borne_entiere_sure in absolute value.
std::string quotient_entier_ecrit(std::int64_t n, std::int64_t d);

// The integer a text of 1 to `chiffres` digits (at most 18) writes, without
// a leading zero; "0" itself only when `zero_admis`. No value for any
// other text, a sign included.
std::optional<std::int64_t> naturel_ecrit(std::string_view t, std::size_t chiffres, bool zero_admis);

// An exact quotient n/d, d > 0, reduced.
struct Rationnel {
  std::int64_t n = 0;
  std::int64_t d = 1;
};

// n/d reduced, its sign on n; d must be positive.
Rationnel rationnel_reduit(std::int64_t n, std::int64_t d);

// a + b and a * b reduced; no value past 64 bits.
std::optional<Rationnel> somme_rationnelle(const Rationnel& a, const Rationnel& b);
std::optional<Rationnel> produit_rationnel(const Rationnel& a, const Rationnel& b);

// "n" or "n/d", the sign in front: the text the exact routines write for it.
std::string texte_rationnel(const Rationnel& r);

// Quarters in one. Decimals of quarters are held exactly by floating point,
// in which the written sums and products of decimals are taken: for small
// ones those stay exact, and an exact routine gives their texts.
inline constexpr std::int64_t quarts_par_unite = 4;

// The quarters written by the places of a decimal ("0", "00", "25", "5",
// "50", "75"); no value for any other places.
std::optional<std::int64_t> quarts_ecrits(std::string_view places);
