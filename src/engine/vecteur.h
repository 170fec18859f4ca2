#pragma once
// A vector: a point whose name may come from the names of its two end
// points (A and B give AB), with its norm and the dot product.

#include <optional>
#include <string>

#include "engine/point.h"

class Tvecteur : public Tpoint_ {
 public:
  std::string origine;    // name of the start point, or empty
  std::string extremite;  // name of the end point, or empty

  // A vector named origine + extremite with `dimension` empty coordinates.
  static Tvecteur Create(std::string origine, std::string extremite, int dimension);

  // The exact norm: the square root of the collected sum of squares, with
  // its square factors taken out.
  std::string norme() const;
};

// "name;[x;y;...]" or "A;B;[x;y;...]" (the names of the end points). No
// vector for any other number of items, without a bracketed list of
// coordinates, or with an empty name or coordinate.
std::optional<Tvecteur> lire_vecteur(const std::string& t);

// The exact dot product, collected; an error value when the dimensions differ.
std::string produit_scalaire(const Tvecteur& u, const Tvecteur& v);
