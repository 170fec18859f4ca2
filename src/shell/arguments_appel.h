#pragma once
// The formula editor's work on the text of a function call: which call the
// caret stands in, the call's arguments as fields, the call rewritten from
// its fields, an empty argument slot made for a function to go in, and the
// argument descriptions of the function table. Positions are 0-based byte
// offsets in Windows-1252 text; every position given back lies inside the
// text.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Tfonction_usuelle;

// Kinds of object an argument can name: the tabs of the new-object dialog
// (0 function ... 8 point of the plane).
inline constexpr int nombre_types_objet = 9;

// Tells whether a name (as typed, any case) is a function of the table.
using EstFonction = std::function<bool(std::string_view nom)>;

// The call found at a caret.
struct Tappel {
  std::string nom;                     // as typed
  int debut = 0;                       // first character after the call's "("
  int longueur = 0;                    // argument text, up to the matching ")" or the end
  std::vector<std::string> arguments;  // cut at the top-level ";"; "()" gives ""
};

// The call whose name the caret stands on, else the innermost call whose
// brackets hold the caret; no value when the caret is in no call.
std::optional<Tappel> analyser_appel(std::string_view texte, int curseur, const EstFonction& est_fonction);

// The parts of an argument text cut at ";" outside round and square
// brackets, each as it stands (joined with ";" they give the text back).
struct Tpartie {
  int debut = 0;  // offset in the argument text
  int longueur = 0;
};
std::vector<Tpartie> parties_arguments(std::string_view arguments);

// The fields joined with ";", the empty fields at the end dropped.
std::string joindre_champs(const std::vector<std::string>& champs);

// The text with the `longueur` characters at `debut` replaced by the joined
// fields; `longueur` gives the new argument length.
struct Treecriture {
  std::string texte;
  int longueur = 0;
};
Treecriture reecrire_arguments(std::string_view texte, int debut, int longueur, const std::vector<std::string>& champs);

// Argument `rang` (from 0) of the call whose arguments are the `longueur`
// characters at `debut`: the ";" that are missing before it are added at the
// end of the arguments, and its text is the selection. Arguments left inside
// an unclosed bracket stay as they are, the caret at their end.
struct Templacement {
  std::string texte;
  int longueur = 0;  // the new argument length
  int debut_selection = 0;
  int longueur_selection = 0;
};
Templacement inserer_emplacement(std::string_view texte, int debut, int longueur, int rang);

// The object kind n of an item ending with "[n]", the suffix removed from
// the item; -1 with the item unchanged when it names no kind.
int type_argument(std::string& element);
// The items of an argument description (cut at every ";").
std::vector<std::string> elements_description(std::string_view description);
// The description with every kind removed.
std::string description_arguments(std::string_view description);

// The first row from 1 whose name equals `nom` without regard to case, else 0.
int indice_fonction(const Tfonction_usuelle& fonctions, std::string_view nom);
