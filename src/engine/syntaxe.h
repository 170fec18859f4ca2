#pragma once
// Typed input on its way to the evaluator: normalisation (canonical text and
// implicit products) and the syntax check, which also completes what can be
// completed (closing brackets, the omitted variable of a calculus command).

#include <array>
#include <string>
#include <string_view>

// Characters a typed expression may hold ("\xEE" is the imaginary unit).
inline constexpr std::string_view caracteres_autorises =
    "0123456789abcdefghijklmnopqrstuvwxyz_\xEE=+-/*^.;:[]()_'\\";

// Where the implicit-product scan ends a word, and where it never puts a
// "*" inside one.
inline constexpr std::array<char, 12> separateurs_mots = {'+', '-', '*', '/', '^', ';', '>', '<', '=', ':', '_', '\''};
inline constexpr std::array<char, 14> separateurs_lettres = {'+', '-', '*', '/', '^', ';', '>',
                                                            '<', ']', '[', '=', ':', '_', '\''};

// A character a line of text cannot show: a C0 control, DEL, or a byte
// Windows-1252 leaves undefined (the conversions map it to a C1 control).
bool est_caractere_invisible(char c);
// The character itself, or "#" and its code ("#0", "#9") for one a line
// cannot show, which would otherwise vanish or break the line of a message.
std::string caractere_visible(char c);

// Checks `texte` and completes it in place; `message` is empty when the text
// is valid, else one catalogue message, however many parts of the text are
// faulty: a forbidden character's, else a ")" closing nothing's, else the
// first fault's in reading order.
void verifier_syntaxe(std::string& texte, std::string& message);

// The canonical text, with implicit products (2x -> 2*x).
std::string normalise_saisie(const std::string& texte);

// Implicit products of a leaf text and of one word.
std::string produits_implicites(const std::string& texte);
std::string produits_implicites_mot(const std::string& mot);

// The longest constant name the text starts with; empty when none.
std::string constante_en_tete(std::string_view texte);
