// A figure: items origine(x;y) and ligne(x1;y1;x2;y2) in pixels of the
// image, the lines drawn from the last origin. An item is drawn only when it
// holds exactly the whole numbers it needs, each of reasonable size; any
// other item is skipped.
#include <cstdlib>
#include <optional>
#include <vector>

#include "engine/decoupage.h"
#include "formula/mise_en_forme.h"
#include "localisation/nombres.h"

namespace {

constexpr int coordonnee_maximale = 100000;

// The item's whole numbers, when it holds exactly `nombre` of them.
std::optional<std::vector<int>> entiers(const std::string& parametres, std::size_t nombre) {
  const std::vector<std::string> textes = decoupe(parametres, ';');
  if (textes.size() != nombre) return std::nullopt;
  std::vector<int> valeurs;
  for (const std::string& t : textes) {
    const auto v = lire_entier32(t);
    if (!v || std::abs(*v) > coordonnee_maximale) return std::nullopt;
    valeurs.push_back(*v);
  }
  return valeurs;
}

}  // namespace

void ajouter_figure(const Contexte& c, Tligne& ligne, const std::string& texte) {
  int ox = 0;
  int oy = 0;
  for (const std::string& element : decoupe(texte, ';')) {
    const std::size_t ouvrante = element.find('(');
    if (ouvrante == std::string::npos) continue;
    const std::string nature = element.substr(0, ouvrante);
    const std::string parametres = element.substr(ouvrante);
    // decoupe keeps a text that is not wholly in brackets as one piece,
    // which no number reader accepts.
    if (nature == "origine") {
      if (const auto v = entiers(parametres, 2)) {
        ox = (*v)[0];
        oy = (*v)[1];
      }
    } else if (nature == "ligne") {
      if (const auto v = entiers(parametres, 4)) {
        ligne.ajouter_objet("ligne", {{(*v)[0] + ox, (*v)[1] + oy}, {(*v)[2] + ox, (*v)[3] + oy}}, c.police);
      }
    }
    // "triangle" and "point" are figure items that draw nothing.
  }
}
