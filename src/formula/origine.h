#pragma once
// Where the characters of a formula text come from. The layout cuts, strips
// and completes texts (a missing ")" is appended, exp is laid out as "^" and
// its argument); every cell it places records the index of its character in
// the formula's own text, or -1 for a character the layout made up, so that
// the page editor maps selections back to the source.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Character k of a text is the source character `decalage + k` when
// debut <= k < fin, otherwise one the layout added.
struct Origine {
  int decalage = 0;
  int debut = 0;
  int fin = 0;

  // A text taken whole from the source at `decalage`.
  static Origine source(int decalage, std::size_t longueur) { return {decalage, 0, static_cast<int>(longueur)}; }

  int indice(std::size_t k) const {
    const int i = static_cast<int>(k);
    return i >= debut && i < fin ? decalage + i : -1;
  }

  // The origin of the part of the text from `position`, `longueur` long.
  Origine partie(std::size_t position, std::size_t longueur) const {
    const int p = static_cast<int>(position);
    const int n = static_cast<int>(longueur);
    Origine o{decalage + p, std::max(debut - p, 0), std::min(fin - p, n)};
    if (o.fin < o.debut) o.fin = o.debut;
    return o;
  }

  // The origin once `n` made-up characters are put in front of the text.
  Origine avec_prefixe(int n) const { return {decalage - n, debut + n, fin + n}; }
};

// A text being laid out and the origin of its characters.
struct Morceau {
  std::string texte;
  Origine origine;

  Morceau partie(std::size_t position, std::size_t longueur = std::string::npos) const {
    const std::size_t p = std::min(position, texte.size());
    const std::size_t n = std::min(longueur, texte.size() - p);
    return {texte.substr(p, n), origine.partie(p, n)};
  }

  // Drops the delimiters enclosing the whole text as the engine's
  // enleve_delimiteurs does (the same number at each end) and returns that
  // number.
  int enlever_delimiteurs(std::string_view paire);
  // The engine's decoupe: enclosing round brackets dropped, then cut at
  // every separator outside brackets.
  std::vector<Morceau> decouper(char separateur) const;
};
