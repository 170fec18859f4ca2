#include "formula/balises.h"

#include <algorithm>

bool est_symbole(char c) { return std::find(symboles.begin(), symboles.end(), c) != symboles.end(); }

std::vector<bool> masque_balises(std::string_view source) {
  const std::size_t n = source.size();
  std::vector<bool> masque(n, false);
  // Tags that reach a ">" may overlap (a page with thousands of "<A" and one
  // ">"), so their spans are summed in a difference array: linear time.
  std::vector<std::size_t> prochain_chevron(n + 1, std::string_view::npos);
  for (std::size_t i = n; i-- > 0;) {
    prochain_chevron[i] = source[i] == '>' ? i : prochain_chevron[i + 1];
  }
  std::vector<int> difference(n + 1, 0);
  for (std::size_t i = 0; i < n; ++i) {
    const char c = source[i];
    if (c == '{' || c == '}') {
      masque[i] = true;
      continue;
    }
    if (c != '<') continue;
    const std::string_view reste = source.substr(i);
    const bool balise = std::any_of(textes_balises.begin(), textes_balises.end() - 2,
                                    [&](std::string_view t) { return reste.starts_with(t); });
    if (!balise || prochain_chevron[i] == std::string_view::npos) continue;
    ++difference[i];
    --difference[prochain_chevron[i] + 1];
  }
  int couverture = 0;
  for (std::size_t i = 0; i < n; ++i) {
    couverture += difference[i];
    if (couverture > 0) masque[i] = true;
  }
  return masque;
}

int type_balise(std::string_view tag) {
  if (!tag.empty() && tag.back() == '{') return balise_debut_formule;
  if (!tag.empty() && tag.back() == '}') return balise_fin_formule;
  for (int k = 0; k < static_cast<int>(textes_balises.size()); ++k) {
    if (tag.find(textes_balises[static_cast<std::size_t>(k)]) != std::string_view::npos) return k;
  }
  return balise_aucune;
}

std::string valeur_attribut(std::string_view tag, std::string_view nom) {
  const std::string cle = std::string(nom) + "=";
  const std::size_t position = tag.find(cle);
  if (position == std::string_view::npos) return {};
  const std::size_t debut = position + cle.size();
  std::size_t fin = tag.find(' ', debut);
  if (fin == std::string_view::npos) fin = tag.find('>', debut);
  const std::string_view brut = tag.substr(debut, fin == std::string_view::npos ? std::string_view::npos : fin - debut);
  std::string valeur;
  for (const char c : brut) {
    if (c != '"') valeur.push_back(c);
  }
  return valeur;
}
