#pragma once
// String helpers of the controls. Spaces are the space character only: tabs
// and other blanks stay.

#include <string>
#include <string_view>

namespace JvStrUtils {

// Every occurrence of `cherche` replaced by `remplace`, left to right, the
// replaced text never searched again; an empty `cherche` changes nothing.
std::string ReplaceStr(std::string_view texte, std::string_view cherche, std::string_view remplace);
// Every occurrence of `c` removed.
std::string DelChars(std::string_view texte, char c);
// Leading spaces removed.
std::string DelBSpace(std::string_view texte);
// Trailing spaces removed.
std::string DelESpace(std::string_view texte);
// Leading and trailing spaces removed.
std::string DelBESpace(std::string_view texte);
// `n` copies of `c`; empty below 1.
std::string MakeStr(char c, int n);

}  // namespace JvStrUtils
