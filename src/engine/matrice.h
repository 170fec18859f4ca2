#pragma once
// Matrices whose entries are expression text, written [[a;b];[c;d]]: the
// rows from top to bottom, each row's entries from left to right. The
// calculator reads one for a single operation and writes the result back as
// text; the user's named matrices are stored in this form.

#include <optional>
#include <string>
#include <variant>
#include <vector>

// The entries by column: coefficients[c][r] is the entry in row r, column c.
using Tcoefficient = std::vector<std::vector<std::string>>;

// The Laplace expansion grows with the factorial of the size: beyond this
// the determinant and the inverse are refused.
inline constexpr int taille_maximale_matrice = 8;

class Tmatrice {
 public:
  std::string nom;
  Tcoefficient coefficients;
  int nb_colonnes = 0;
  int nb_lignes = 0;

  // nb_colonnes columns of nb_lignes empty entries (a negative count is 0).
  static Tmatrice Create(std::string nom, int nb_colonnes, int nb_lignes);
  static Tmatrice Create_carree(std::string nom, int n);

  // Removes that column and that row; nothing when either lies outside.
  void supprimer_ligne_colonne(int colonne, int ligne);

  // The exact determinant, expanded along the last row and collected; the
  // empty matrix has determinant 1. An error value for a matrix that is not
  // square or has more than 8 rows.
  std::string determinant() const;
  // The inverse named "Inv" + nom: the adjugate over the determinant, each
  // entry brought to one fraction. An error value instead for a matrix that
  // is not square, too large or singular.
  std::variant<Tmatrice, std::string> inverse() const;

  std::string texte() const;
};

// "name;[[a;b];[c;d]]". No matrix without a name and a bracketed part, with
// a row that is no bracketed list, rows of different lengths or an empty
// entry.
std::optional<Tmatrice> lire_matrice(const std::string& t);
