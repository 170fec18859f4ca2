#pragma once
// The one number text of the program, free of the C locale: the engine, the
// exercise generators and the settings files all read and write numbers here.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// General format with `chiffres` significant digits (clamped to 1..15), "."
// as decimal point, rounded half up on the exact binary value. Fixed notation
// while the value written as 0.d1d2... x 10^E has -3 <= E <= `chiffres`,
// otherwise mantissa "E" exponent (1E-5, 1.5E20). Never "-0"; infinities and
// NaN are "INF", "-INF", "NAN".
inline constexpr int chiffres_significatifs_standard = 15;
std::string texte_nombre(double valeur, int chiffres = chiffres_significatifs_standard);

// The text texte_nombre writes for the value d1.d2d3... x 10^exposant, from
// its significant digits (at most 15, the first not 0), rounded already:
// for a value known exactly elsewhere, never held in a double.
std::string texte_nombre_decimal(bool negatif, std::string chiffres, int exposant);

// The same text as Format's "%g": the exponent has at least three digits
// (1E020, 1E-005).
std::string texte_nombre_g(double valeur);

// Fixed notation with `decimales` digits after the point (Format "%.0f" when
// 0), rounded half up. The count is clamped to 0..60.
std::string texte_nombre_fixe(double valeur, int decimales);

std::string texte_entier(std::int64_t valeur);

// One of the ASCII digits 0-9.
inline constexpr bool est_chiffre(char c) { return c >= '0' && c <= '9'; }

// Strict reader: optional blanks, optional "+" or "-", digits with at most one
// "." and at least one digit, optional "e"/"E" with optional sign and at least
// one digit, optional blanks. "inf", "nan", "0x10", "1,5", "." are no numbers;
// a value too large for a double is none either, a too small one reads as 0.
std::optional<double> lire_nombre(std::string_view texte);

// Integer readers: optional blanks, optional sign, digits, optional blanks;
// no value on anything else or when the number does not fit.
std::optional<std::int32_t> lire_entier32(std::string_view texte);
std::optional<std::int64_t> lire_entier64(std::string_view texte);
