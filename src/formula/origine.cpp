#include "formula/origine.h"

#include "engine/decoupage.h"

int Morceau::enlever_delimiteurs(std::string_view paire) {
  const std::string reste = enleve_delimiteurs(texte, paire);
  if (reste.size() == texte.size()) return 0;
  // The engine drops as many characters at each end.
  const std::size_t n = (texte.size() - reste.size()) / 2;
  origine = origine.partie(n, reste.size());
  texte = reste;
  return static_cast<int>(n);
}

std::vector<Morceau> Morceau::decouper(char separateur) const {
  Morceau entier = *this;
  entier.enlever_delimiteurs("()");
  // The pieces follow each other, one separator apart.
  std::vector<Morceau> morceaux;
  std::size_t position = 0;
  for (const std::string& texte_morceau : decoupe(entier.texte, separateur)) {
    morceaux.push_back(entier.partie(position, texte_morceau.size()));
    position += texte_morceau.size() + 1;
  }
  return morceaux;
}
