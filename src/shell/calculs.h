#pragma once
// The Calculs module without its window: wrapping the input in a command,
// the calculation from the typed text to the shown result, the history
// (its lines, their limit, the selection, the page and the copied text),
// definitions typed with ":=", and what a selection in the history gives
// back to the input line.

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

// The name of row `id` of the function table; empty when there is none.
std::string nom_ligne(int id);

// The row `texte` is a call of; 0 when it calls none.
int ligne_appelee(const std::string& texte);

// The input as a call of row `id`: name + "(" + input + ")". An input that
// already is a call of that row is left alone, except for derivatives and
// antiderivatives, which may be taken again.
std::string envelopper_saisie(const std::string& saisie, int id);

// The text a calculation starts from: lower case, without blanks.
std::string saisie_nettoyee(std::string_view saisie);

// The input line the history shows for the evaluated text: the first
// argument of a call of reduire or numeriser, the text itself otherwise.
std::string ligne_saisie_historique(const std::string& evaluee);

// What joins the history's lines on its page.
inline constexpr std::string_view separateur_historique = "<BR>";

// How the page calculates (its options dialog).
struct Toptions_calcul {
  bool produits_implicites = true;  // 2x is read as 2*x
  bool reduction = false;           // every calculation is reduced
};

// One calculation, from the typed text to what the page shows.
struct Tcalcul {
  std::string saisie;        // the input made ready: lower case, no blanks, implicit products
                             // (without them when they gave an error value)
  std::string message;       // the syntax check's message: the calculation stopped there
  std::string resultat;      // the result shown; empty when there is none
  std::string ligne_saisie;  // the input line the history shows
};

// The calculation: the input lower-cased and without blanks (empty: nothing
// more), implicit products inserted when asked (an error value they give is
// the result), checked and completed, wrapped in reduire when asked,
// evaluated; the result of a derivative or an antiderivative is collected,
// and no result shows a failure mark or a number that is not finite.
Tcalcul calculer_saisie(std::string_view saisie, const Toptions_calcul& options);

// The calculator: its calculations and their history, input and result
// lines in order ("=" + result), never more than lignes_historique_max.
class Tcalculatrice {
 public:
  // Runs the calculation; one that gives a result joins the history.
  Tcalcul calculer(std::string_view saisie, const Toptions_calcul& options);

  // Adds an input line and its result, then drops the oldest calculations
  // beyond the limit.
  void ajouter(const std::string& ligne_saisie, const std::string& resultat);
  void vider();

  const std::vector<std::string>& lignes() const { return lignes_; }
  // Each line in braces, joined with separateur_historique; empty for an
  // empty history.
  std::string texte_page() const;
  // The lines joined with CR LF, then CR LF and "Pralinore v" + version.
  std::string texte_copie(std::string_view version) const;

  // The selected line; -1 for none.
  int selection() const { return selection_; }
  // A line out of the history selects none.
  void selectionner(int ligne);

 private:
  std::vector<std::string> lignes_;
  int selection_ = -1;
};

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
