#include "localisation/donnees_tsv.h"

#include "localisation/texte_1252.h"

std::vector<LigneTsv> lire_tsv(std::string_view utf8) {
  std::vector<LigneTsv> lignes;
  int numero = 0;
  std::size_t debut = 0;
  while (debut < utf8.size()) {
    auto fin = utf8.find('\n', debut);
    if (fin == std::string_view::npos) fin = utf8.size();
    std::string_view ligne = utf8.substr(debut, fin - debut);
    debut = fin + 1;
    ++numero;
    if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
    if (ligne.empty() || ligne.front() == '#') continue;
    LigneTsv l{numero, {}};
    std::size_t champ = 0;
    for (;;) {
      const auto tab = ligne.find('\t', champ);
      l.champs.push_back(depuis_utf8(ligne.substr(champ, tab == std::string_view::npos ? tab : tab - champ)));
      if (tab == std::string_view::npos) break;
      champ = tab + 1;
    }
    lignes.push_back(std::move(l));
  }
  return lignes;
}
