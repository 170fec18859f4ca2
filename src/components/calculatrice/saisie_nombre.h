#pragma once
// Number text typed by a pupil: the decimal point is "." and the thousands
// separator " " in both languages, and "," typed by a pupil is taken as the
// decimal point. One reader and one writer for the numeric edit and the
// calculator.

#include <optional>
#include <string>
#include <string_view>

inline constexpr char separateur_decimal = '.';
inline constexpr char separateur_milliers = ' ';

// Spaces at both ends removed, thousands separators dropped, "," read as the
// decimal point; "" reads as 0 and "-" as -0. No value for anything the
// shared number reader refuses.
std::optional<double> lire_saisie(std::string_view texte);

// The runtime's FormatFloat for the placeholders "0" and "#", the decimal
// point "." and the thousands flag ",", with up to three ";" sections
// (positive; negative; zero). Other characters are copied as they stand.
// Non-finite values are written as the shared number text writes them.
std::string format_float(std::string_view modele, double valeur);
