#pragma once
// The text forms of the user's objects, as the new-object dialog stores and
// lists them: functions ("f;x^2+1;x" stored, "f(x)=x^2+1" listed), matrix,
// point and vector lines, lists in square brackets, and the vector between
// two points with the head of its arrow. All text is Windows-1252.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/point.h"

// "f;x^2+1;x" -> "f(x)=x^2+1". The name is the first item, the variable
// the last, the expression what lies between (it may hold ";").
std::string texte_fonction(const std::string& stockee);
// "f(x)=x^2+1" cut at the separator -> "f;x^2+1;x": the name before the
// first "(", the variable up to the first ")", the expression after the
// first separator.
std::string decouper_fonction(const std::string& ligne, const std::string& separateur);

// The stored form cut into its three parts (name, expression, variable).
struct Tfonction_stockee {
  std::string nom;
  std::string expression;
  std::string variable;
};
Tfonction_stockee lire_fonction_stockee(const std::string& stockee);

// A matrix, point or vector name: letters and digits, at least one.
bool est_nom_objet(const std::string& nom);
// The key of a matrix, point or vector line: the text before the first ";".
std::string cle_ligne_objet(const std::string& ligne);

// "[a;b;c]"; an empty item becomes "0" when `zero_si_vide`.
std::string liste_crochets(std::vector<std::string> elements, bool zero_si_vide = false);
// The items of a text with its "[" and "]" removed, cut at ";" (top level).
std::vector<std::string> items_liste(const std::string& texte);

// "name;[x;y]" and "A;B;[x;y]" (a vector between two points).
std::string ligne_point(const std::string& nom, const std::vector<std::string>& coordonnees);
std::string ligne_vecteur(const std::string& origine, const std::string& extremite,
                          const std::vector<std::string>& coordonnees);

// End minus origin, coordinate by coordinate, collected; nothing when the
// dimensions differ.
std::optional<std::vector<std::string>> coordonnees_entre(const Tpoint_& origine, const Tpoint_& extremite);

// The two strokes of an arrow head at (x, y) for the vector from (0, 0):
// (x - a, y - b) -> (x, y) -> (x - b, y - a) with
// a = (|x| + |y|) / (2 * sqrt(x^2 + y^2)), b = ||x| - |y|| / (2 * sqrt(x^2 + y^2)).
// No head for the zero vector.
struct Tpoint_plan {
  double x = 0;
  double y = 0;
};
std::optional<std::array<Tpoint_plan, 3>> pointe_fleche(double x, double y);
