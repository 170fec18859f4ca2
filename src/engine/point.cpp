#include "engine/point.h"

#include <algorithm>

#include "engine/decoupage.h"

Tpoint_ Tpoint_::Create(std::string nom, int dimension) {
  Tpoint_ p;
  p.nom = std::move(nom);
  p.dimension = std::max(dimension, 0);
  p.coordonnees.assign(static_cast<std::size_t>(p.dimension), "");
  return p;
}

std::string Tpoint_::texte() const { return "[" + joindre(coordonnees, ";") + "]"; }

std::optional<Tpoint_> lire_point(const std::string& t) {
  const std::vector<std::string> items = decoupe(t, ';');
  if (items.size() < 2 || items[0].empty()) return std::nullopt;
  auto coordonnees = elements_entre_crochets(items[1]);
  if (!coordonnees) return std::nullopt;
  Tpoint_ p = Tpoint_::Create(items[0], static_cast<int>(coordonnees->size()));
  p.coordonnees = std::move(*coordonnees);
  return p;
}
