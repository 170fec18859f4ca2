#pragma once
// The rules of the numeric edit without its window: the value check (round
// to the decimal places, keep within the range), the edit text and the
// display text, and which typed texts are accepted.

#include <optional>
#include <string>
#include <string_view>

struct ReglesNumeriques {
  int decimales = 2;
  // Equal bounds mean no range; a maximum below the minimum keeps only the
  // bound that is not 0.
  double minimum = 0;
  double maximum = 0;
  bool arrondi_decimales = false;
  std::string format_affichage = ",0.##";
  bool zero_vide = true;
};

// The value rounded (when asked) and brought within the range.
double verifier_valeur(const ReglesNumeriques& regles, double valeur);
// The range message (Windows-1252) when checking changes the value.
std::optional<std::string> message_hors_limites(const ReglesNumeriques& regles, double valeur);
// The text while editing: the checked value with at most `decimales`
// decimals, no thousands separators; empty for 0 with `zero_vide`.
std::string texte_edition(const ReglesNumeriques& regles, double valeur);
// The text shown while the edit has no focus: the value with the display
// format; empty for 0 with `zero_vide`.
std::string texte_affichage(const ReglesNumeriques& regles, double valeur);
// A text the edit may hold while typing: signs, digits, "E" and the decimal
// point only, readable, at most `decimales` decimals before any exponent,
// and not negative when the range lies at or above 0.
bool saisie_acceptable(const ReglesNumeriques& regles, std::string_view texte);
