#include <algorithm>

#include "engine/fonctions_usuelles.h"
#include "engine/primitives.h"
#include "engine/syntaxe.h"
#include "localisation/nombres.h"

namespace {

template <std::size_t N>
bool dans(const std::array<char, N>& table, char c) {
  return std::find(table.begin(), table.end(), c) != table.end();
}

bool est_nom_de_fonction(std::string_view nom) { return fonctions_usuelles && fonctions_usuelles->identifiant(nom) > 0; }

std::size_t longueur_nom_le_plus_long() {
  std::size_t n = 0;
  if (fonctions_usuelles) {
    for (const auto& nom : fonctions_usuelles->nom) n = std::max(n, nom.size());
  }
  return n;
}

// A function name followed by "(" starts here: it wins over a constant
// that starts at the same place ("2cos(x)" with a constant "c").
bool appel_en_tete(std::string_view reste) {
  if (!fonctions_usuelles) return false;
  for (const auto& nom : fonctions_usuelles->nom) {
    if (!nom.empty() && reste.size() > nom.size() && reste.starts_with(nom) && reste[nom.size()] == '(') return true;
  }
  return false;
}

// Length of the number that starts the text: digits with at most one ".",
// then an exponent only when a digit, or a sign and a digit, follow the
// "e"/"E" (so "2ex" keeps "e" as a name). 0 when no number starts here.
std::size_t longueur_nombre(std::string_view t) {
  std::size_t i = 0;
  int chiffres = 0;
  while (i < t.size() && est_chiffre(t[i])) ++i, ++chiffres;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && est_chiffre(t[i])) ++i, ++chiffres;
  }
  if (chiffres == 0) return 0;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    if (j < t.size() && est_chiffre(t[j])) {
      while (j < t.size() && est_chiffre(t[j])) ++j;
      i = j;
    }
  }
  return i;
}

// "*" goes after a number, a constant or a closing bracket when more text
// follows that does not end the term anyway.
bool etoile_avant(std::string_view reste) {
  return !reste.empty() && !dans(separateurs_mots, reste[0]) && reste[0] != ')' && reste[0] != ']';
}

}  // namespace

std::string constante_en_tete(std::string_view texte) {
  std::string meilleure;
  if (!constantes) return meilleure;
  for (const auto& nom : constantes->noms) {
    if (!nom.empty() && texte.starts_with(nom) && nom.size() > meilleure.size()) meilleure = nom;
  }
  return meilleure;
}

std::string produits_implicites_mot(const std::string& mot) {
  if (mot.empty()) return mot;
  const bool finit_par_appel = mot.back() == '(';
  // Only the last characters of a long word can be a function name: the
  // lookup of the rest of the word is skipped before, so a long word costs
  // its length, not its square.
  const std::size_t nom_le_plus_long = finit_par_appel ? longueur_nom_le_plus_long() : 0;
  std::string r(1, mot[0]);
  for (std::size_t c = 1; c < mot.size(); ++c) {
    // A function name running from here to the word's final "(" stays whole.
    const std::size_t reste = mot.size() - 1 - c;
    if (finit_par_appel && reste <= nom_le_plus_long && est_nom_de_fonction(std::string_view(mot).substr(c, reste))) {
      return r + "*" + mot.substr(c);
    }
    const char derniere = r.back();
    const bool etoile = derniere != '(' && derniere != ')' && derniere != '\\' && mot[c] != ')' &&
                        !dans(separateurs_lettres, mot[c]) && !dans(separateurs_lettres, mot[c - 1]);
    if (etoile) r += '*';
    r += mot[c];
  }
  return r;
}

std::string produits_implicites(const std::string& texte) {
  std::string r;
  std::size_t i = 0;
  const std::string_view t = texte;
  while (i < t.size()) {
    if (const std::size_t n = longueur_nombre(t.substr(i)); n > 0) {
      r += t.substr(i, n);
      i += n;
      if (etoile_avant(t.substr(i))) r += '*';
      continue;
    }
    // A word grows up to a bracket, a separator or a constant.
    std::string jeton;
    std::string constante;
    while (i < t.size()) {
      constante = appel_en_tete(t.substr(i)) ? std::string() : constante_en_tete(t.substr(i));
      if (!constante.empty()) {
        i += constante.size();
        break;
      }
      const char car = t[i++];
      jeton += car;
      if (car == '(' || car == ')' || dans(separateurs_mots, car)) break;
    }
    if (!constante.empty()) {
      // The letters before a constant are a word like any other: xypi is x*y*pi.
      r += jeton.empty() ? constante : produits_implicites_mot(jeton) + "*" + constante;
      if (etoile_avant(t.substr(i))) r += '*';
    } else if (jeton.back() == '(') {
      r += est_nom_de_fonction(std::string_view(jeton).substr(0, jeton.size() - 1)) ? jeton
                                                                                      : produits_implicites_mot(jeton);
    } else if (jeton.back() == ')') {
      r += produits_implicites_mot(jeton);
      if (etoile_avant(t.substr(i))) r += '*';
    } else {
      r += produits_implicites_mot(jeton);
    }
  }
  return r;
}
