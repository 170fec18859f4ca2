// A run of characters (a name, a number, a factorial, an error message):
// each character after the previous one, on the formula's top.
#include "engine/expression.h"
#include "engine/primitives.h"
#include "formula/mise_en_forme.h"

namespace {

constexpr TColor vert_constante = 0x00FF00;
constexpr TColor rouge_imaginaire = 0x0000FF;

}  // namespace

LigneFormule disposer_atome(const Contexte& c, const Morceau& m, int x, int y) {
  LigneFormule l = ligne_vide(c, x, y);
  Tpolice police = c.police;
  if (c.coloration()) {
    if (est_constante(m.texte)) {
      police.couleur = vert_constante;
    } else if (m.texte == unite_imaginaire) {
      police.couleur = rouge_imaginaire;
    }
  }
  l->cellules.reserve(m.texte.size());
  l->texte.reserve(m.texte.size());
  for (std::size_t k = 0; k < m.texte.size(); ++k) {
    const int position = l->cellules.empty() ? x : l->droite;
    l->placer_caractere(std::string_view(m.texte).substr(k, 1), position, y, police, false);
    l->cellules.back().indice_source = m.origine.indice(k);
  }
  return l;
}
