#pragma once
// The help viewer of the program, built in. It takes the requests to open the
// language's help file on a page, its contents or its search; no help pages
// ship with the program, so it accepts every request and shows nothing.

#include <cstdint>
#include <string>

inline constexpr int HH_DISPLAY_TOC = 1;
inline constexpr int HH_DISPLAY_SEARCH = 3;
inline constexpr int HH_HELP_CONTEXT = 15;

void HtmlHelp(const std::string& fichier, int commande, std::intptr_t donnees);
