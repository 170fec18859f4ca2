#include "engine/decoupage.h"

#include <array>
#include <vector>

#include "engine/profondeur.h"

namespace {

// What a character means to the scan for top-level separators. Most mean
// nothing, and one look-up passes them.
enum RoleSeparateur : unsigned char { sans_role, ouvre, ferme, separe };
constexpr std::array<unsigned char, 256> roles_separateurs = [] {
  std::array<unsigned char, 256> r{};
  r['('] = r['['] = ouvre;
  r[')'] = r[']'] = ferme;
  r[';'] = r['='] = r['<'] = r['>'] = separe;
  return r;
}();

int variation_profondeur(char c) {
  if (c == '(' || c == '[') return 1;
  if (c == ')' || c == ']') return -1;
  return 0;
}

// A text that does not open with "(" loses no bracket: it is used as it
// stands, and the work of the bracket remover is counted all the same.
bool ouvre_une_parenthese(const std::string& t) {
  if (!t.empty() && t.front() == '(') return true;
  compte_travail(t.size());
  return false;
}

std::vector<std::string> coupe(const std::string& texte, char separateur, bool crochets_comptent) {
  compte_travail(texte.size());
  std::vector<std::string> morceaux;
  int profondeur = 0;
  std::size_t debut = 0;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const char c = texte[i];
    if (c == '(' || (crochets_comptent && c == '[')) ++profondeur;
    if (c == ')' || (crochets_comptent && c == ']')) --profondeur;
    if (c == separateur && profondeur == 0) {
      morceaux.push_back(texte.substr(debut, i - debut));
      debut = i + 1;
    }
  }
  morceaux.push_back(texte.substr(debut));
  return morceaux;
}

// Index of the character where the count of the pair first falls back to 0,
// or npos when it never does.
std::size_t fin_du_premier_groupe(std::string_view texte, char ouvrante, char fermante) {
  int compte = 0;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    if (texte[i] == ouvrante) ++compte;
    if (texte[i] == fermante) --compte;
    if (compte == 0) return i;
  }
  return std::string_view::npos;
}

}  // namespace

PositionsHorsParentheses positions_hors_parentheses(std::string_view texte) {
  compte_travail(texte.size());
  PositionsHorsParentheses p;
  int profondeur = 0;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const unsigned char role = roles_separateurs[static_cast<unsigned char>(texte[i])];
    if (role == sans_role) continue;
    if (role != separe) {
      profondeur += role == ouvre ? 1 : -1;
      continue;
    }
    if (profondeur != 0) continue;
    const int position = static_cast<int>(i) + 1;
    switch (texte[i]) {
      case ';': p.point_virgule = position; break;
      case '=': p.egal = position; break;
      case '<': p.inferieur = position; break;
      case '>': p.superieur = position; break;
      default: break;
    }
  }
  return p;
}

int position_hors_parentheses(std::string_view texte, std::string_view separateur) {
  if (separateur.size() != 1) return 0;
  int profondeur = 0;
  int trouve = 0;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    profondeur += variation_profondeur(texte[i]);
    if (profondeur == 0 && texte[i] == separateur[0]) trouve = static_cast<int>(i) + 1;
  }
  return trouve;
}

int equilibre_parentheses(std::string_view texte) {
  int equilibre = 0;
  for (const char c : texte) {
    if (c == '(') ++equilibre;
    if (c == ')') --equilibre;
  }
  return equilibre;
}

std::vector<std::string> decoupe(const std::string& texte, char separateur) {
  if (!ouvre_une_parenthese(texte)) return coupe(texte, separateur, true);
  return coupe(enleve_delimiteurs(texte, "()"), separateur, true);
}

std::vector<std::string> decoupe_arguments(const std::string& texte) {
  if (!ouvre_une_parenthese(texte)) return coupe(texte, ';', false);
  return coupe(enleve_delimiteurs(texte, "()"), ';', false);
}

std::optional<std::vector<std::string>> elements_entre_crochets(const std::string& texte) {
  if (texte.size() < 2 || texte.front() != '[' || fin_du_premier_groupe(texte, '[', ']') != texte.size() - 1) {
    return std::nullopt;
  }
  std::vector<std::string> elements = coupe(texte.substr(1, texte.size() - 2), ';', true);
  for (const auto& e : elements) {
    if (e.empty()) return std::nullopt;
  }
  return elements;
}

std::string joindre(const std::vector<std::string>& tableau, std::string_view separateur) {
  std::string resultat;
  for (const auto& element : tableau) {
    if (!resultat.empty()) resultat += separateur;
    resultat += element;
  }
  return resultat;
}

std::string joindre_liste(std::initializer_list<std::string_view> elements, std::string_view separateur) {
  std::string resultat;
  for (const auto element : elements) {
    if (!resultat.empty()) resultat += separateur;
    resultat += element;
  }
  return resultat;
}

std::string ajoute_element(const std::string& liste, const std::string& element, std::string_view separateur) {
  if (liste.empty()) return element;
  std::string resultat = liste;
  resultat += separateur;
  resultat += element;
  return resultat;
}

std::string enleve_delimiteurs(std::string texte, std::string_view delimiteurs) {
  compte_travail(texte.size());
  if (delimiteurs.size() != 2) return texte;
  std::size_t debut = 0;
  std::size_t fin = texte.size();
  const auto entoure = [&](std::string_view paire) {
    const std::string_view vue(texte.data() + debut, fin - debut);
    return vue.size() >= 2 && vue != paire && vue.front() == paire[0] && vue.back() == paire[1];
  };
  if (delimiteurs != "()") {
    if (!entoure(delimiteurs) || fin_du_premier_groupe(texte, delimiteurs[0], delimiteurs[1]) != fin - 1) {
      return texte;
    }
    ++debut;
    --fin;
  }
  // Round brackets: a pair whose "(" closes at the very end encloses the
  // whole text, and such a text has no top-level operator, so it may always
  // go. Matching every bracket once keeps deep nesting linear.
  if (!entoure("()")) {
    // Returned as it stands, the text is moved out rather than copied.
    if (debut == 0) return texte;
    return texte.substr(debut, fin - debut);
  }
  // Most bracketed texts are not enclosed whole, as (a)*(b), or enclosed
  // once, as (a+b): one count of the first group tells, and only a text
  // enclosed twice or more needs the table of matching brackets.
  const std::string_view vue(texte.data() + debut, fin - debut);
  if (fin_du_premier_groupe(vue, '(', ')') != vue.size() - 1) {
    if (debut == 0) return texte;
    return texte.substr(debut, fin - debut);
  }
  ++debut;
  --fin;
  if (!entoure("()")) return texte.substr(debut, fin - debut);
  std::vector<std::size_t> fermante(fin, std::string::npos);
  std::vector<std::size_t> ouvertes;
  for (std::size_t i = debut; i < fin; ++i) {
    if (texte[i] == '(') {
      ouvertes.push_back(i);
    } else if (texte[i] == ')' && !ouvertes.empty()) {
      fermante[ouvertes.back()] = i;
      ouvertes.pop_back();
    }
  }
  while (entoure("()") && fermante[debut] == fin - 1) {
    ++debut;
    --fin;
  }
  return texte.substr(debut, fin - debut);
}

std::string sans_parentheses(const std::string& t) {
  // A text that does not open with a bracket is copied once, straight into
  // the result.
  if (!ouvre_une_parenthese(t)) return t;
  return enleve_delimiteurs(t, "()");
}

std::vector<std::string> elements_liste(const std::string& liste) {
  return decoupe(enleve_delimiteurs(liste, "[]"), ';');
}

std::string decompose_condition(std::string_view texte, std::string_view separateur) {
  const auto ouvrante = texte.find('(');
  const auto fermante = texte.find(')');
  const auto coupure = separateur.empty() ? std::string_view::npos : texte.find(separateur);
  const std::string_view nom = texte.substr(0, ouvrante == std::string_view::npos ? 0 : ouvrante);
  const std::string_view reste =
      coupure == std::string_view::npos ? std::string_view() : texte.substr(coupure + separateur.size());
  std::string_view abscisse;
  if (ouvrante != std::string_view::npos && fermante != std::string_view::npos && fermante > ouvrante) {
    abscisse = texte.substr(ouvrante + 1, fermante - ouvrante - 1);
  }
  std::string resultat(nom);
  resultat += ';';
  resultat += reste;
  resultat += ';';
  resultat += abscisse;
  return resultat;
}
