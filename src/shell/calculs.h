#pragma once
// The text work of the Calculs module: wrapping the input in a command,
// the history list and its limit, definitions typed with ":=", and what a
// selection in the history gives back to the input line.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/lignes_predefinies.h"

// Rows of the function table the calculator treats apart.
inline constexpr int id_deriver = id_de(Ligne::deriver);
inline constexpr int id_integrer = id_de(Ligne::integrer);
inline constexpr int id_reduire = id_de(Ligne::reduire);
inline constexpr int id_numeriser = id_de(Ligne::numeriser);

// The history keeps the last six calculations: input and result lines.
inline constexpr std::size_t lignes_historique_max = 12;

// The input as a call of row `id`: name + "(" + input + ")". An input that
// already is a call of that row is left alone, except for derivatives and
// antiderivatives, which may be taken again.
std::string envelopper_saisie(const std::string& saisie, int id);

// The text a calculation starts from: lower case, without blanks.
std::string saisie_nettoyee(std::string_view saisie);

// The input line the history shows for the evaluated text: the first
// argument of a call of reduire or numeriser, the text itself otherwise.
std::string ligne_saisie_historique(const std::string& evaluee);

// Drops the oldest calculations (input and result lines) until at most
// lignes_historique_max lines remain.
void limiter_historique(std::vector<std::string>& lignes);

// The history's lines on the clipboard: joined with CR LF, then CR LF and
// "Pralinore v" + version.
std::string texte_copie_historique(const std::vector<std::string>& lignes, std::string_view version);

// What joins the history's lines on its page.
inline constexpr std::string_view separateur_historique = "<BR>";

// What a selection in the rendered history gives back to the input line:
// without the line break after it, without braces enclosing it whole,
// without a leading "="; nothing for an error value.
std::string saisie_depuis_selection(const std::string& selection);

// An input holding ":=", already in lower case.
struct Tdefinition {
  enum class Genre { fonction, constante, aucune };
  Genre genre = Genre::aucune;
  std::string nom;
  std::string expression;  // a function's body, a constant's value
  std::string variable;    // a function's variable
};
Tdefinition analyser_definition(const std::string& saisie);
