#pragma once
// Colours as HTML writes them: a colour name or "#RRGGBB". Pages carry them in
// "<FONT COLOR=...>" and the page editor writes the user's choice back.

#include <array>
#include <string>
#include <string_view>

#include "platform/couleur.h"

// 0x00BBGGRR <-> 0x00RRGGBB (only the low 24 bits are kept).
TColor permuter_rouge_bleu(TColor c);

// The first colour name of that value, else "#" and the red, green and blue
// bytes in upper-case hexadecimal.
std::string ColorToHtml(TColor c);

// The colour of a lower-case name (case matters); black for an unknown name.
TColor couleur_nommee(std::string_view nom);

// "#RRGGBB" or "RRGGBB" (each pair one or two hexadecimal digits), else a
// colour name in any case; black when it is neither.
TColor HtmlToColor(std::string_view texte);

// The 140 named colours of HTML and CSS, in table order, values 0xRRGGBB.
struct CouleurNommee {
  std::string_view nom;
  std::uint32_t rgb;
};
const std::array<CouleurNommee, 140>& couleurs_nommees();
