#pragma once
// A named point: its coordinates are expression text, written [x;y;...].

#include <optional>
#include <string>
#include <vector>

class Tpoint_ {
 public:
  std::string nom;
  std::vector<std::string> coordonnees;
  int dimension = 0;  // the number of coordinates

  // `dimension` empty coordinates (a negative count is 0).
  static Tpoint_ Create(std::string nom, int dimension);

  std::string texte() const;
};

// "name;[x;y;...]". No point without a name and a bracketed list of
// coordinates, or with an empty coordinate.
std::optional<Tpoint_> lire_point(const std::string& t);
