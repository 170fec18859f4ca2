#include "shell/arguments_appel.h"

#include <algorithm>

#include "engine/fonctions_usuelles.h"
#include "localisation/chaines.h"
#include "localisation/nombres.h"

namespace {

// Characters that never belong to a function name: the operators, the
// separators and the brackets.
constexpr std::string_view fins_de_nom = "+-*/^;()[]{}=<>!, ";
// An argument the editor wrote as an empty pair of brackets.
constexpr std::string_view argument_vide = "()";

bool dans_nom(char c) { return fins_de_nom.find(c) == std::string_view::npos; }

int taille(std::string_view texte) { return static_cast<int>(texte.size()); }

std::string_view morceau(std::string_view texte, int debut, int longueur) {
  return texte.substr(static_cast<std::size_t>(debut), static_cast<std::size_t>(longueur));
}

// The name that ends just before position `fin`.
std::string_view nom_avant(std::string_view texte, int fin) {
  int debut = fin;
  while (debut > 0 && dans_nom(texte[static_cast<std::size_t>(debut - 1)])) --debut;
  return morceau(texte, debut, fin - debut);
}

// The "(" of the call whose name holds the caret, -1 when none.
int parenthese_du_nom(std::string_view texte, int curseur, const EstFonction& est_fonction) {
  int fin = curseur;
  while (fin < taille(texte) && dans_nom(texte[static_cast<std::size_t>(fin)])) ++fin;
  if (fin >= taille(texte) || texte[static_cast<std::size_t>(fin)] != '(') return -1;
  const std::string_view nom = nom_avant(texte, fin);
  return !nom.empty() && est_fonction(nom) ? fin : -1;
}

// The "(" of the innermost call whose brackets hold the caret, -1 when none.
// Brackets with no function name before them are looked through.
int parenthese_englobante(std::string_view texte, int curseur, const EstFonction& est_fonction) {
  int profondeur = 0;
  for (int i = curseur - 1; i >= 0; --i) {
    const char c = texte[static_cast<std::size_t>(i)];
    if (c == ')') {
      ++profondeur;
    } else if (c == '(' && profondeur > 0) {
      --profondeur;
    } else if (c == '(') {
      const std::string_view nom = nom_avant(texte, i);
      if (!nom.empty() && est_fonction(nom)) return i;
    }
  }
  return -1;
}

// The ")" matching the "(" at `ouvrante`, or the end of the text.
int parenthese_fermante(std::string_view texte, int ouvrante) {
  int profondeur = 0;
  for (int i = ouvrante; i < taille(texte); ++i) {
    const char c = texte[static_cast<std::size_t>(i)];
    if (c == '(') ++profondeur;
    if (c == ')' && --profondeur == 0) return i;
  }
  return taille(texte);
}

Tappel appel_a(std::string_view texte, int ouvrante) {
  Tappel appel;
  appel.nom = std::string(nom_avant(texte, ouvrante));
  appel.debut = ouvrante + 1;
  appel.longueur = parenthese_fermante(texte, ouvrante) - appel.debut;
  const std::string_view arguments = morceau(texte, appel.debut, appel.longueur);
  for (const Tpartie& p : parties_arguments(arguments)) {
    const std::string_view partie = morceau(arguments, p.debut, p.longueur);
    appel.arguments.emplace_back(partie == argument_vide ? std::string_view() : partie);
  }
  return appel;
}

// `debut` and `longueur` brought inside the text.
void borner(std::string_view texte, int& debut, int& longueur) {
  debut = std::clamp(debut, 0, taille(texte));
  longueur = std::clamp(longueur, 0, taille(texte) - debut);
}

std::string remplacer(std::string_view texte, int debut, int longueur, std::string_view par) {
  std::string resultat(texte.substr(0, static_cast<std::size_t>(debut)));
  resultat += par;
  resultat += texte.substr(static_cast<std::size_t>(debut + longueur));
  return resultat;
}

}  // namespace

std::optional<Tappel> analyser_appel(std::string_view texte, int curseur, const EstFonction& est_fonction) {
  curseur = std::clamp(curseur, 0, taille(texte));
  int ouvrante = parenthese_du_nom(texte, curseur, est_fonction);
  if (ouvrante < 0) ouvrante = parenthese_englobante(texte, curseur, est_fonction);
  if (ouvrante < 0) return std::nullopt;
  return appel_a(texte, ouvrante);
}

std::vector<Tpartie> parties_arguments(std::string_view arguments) {
  std::vector<Tpartie> parties;
  int profondeur = 0;
  int debut = 0;
  for (int i = 0; i < taille(arguments); ++i) {
    const char c = arguments[static_cast<std::size_t>(i)];
    if (c == '(' || c == '[') ++profondeur;
    if ((c == ')' || c == ']') && profondeur > 0) --profondeur;
    if (c == ';' && profondeur == 0) {
      parties.push_back({debut, i - debut});
      debut = i + 1;
    }
  }
  parties.push_back({debut, taille(arguments) - debut});
  return parties;
}

std::string joindre_champs(const std::vector<std::string>& champs) {
  const auto dernier = std::find_if(champs.rbegin(), champs.rend(), [](const std::string& c) { return !c.empty(); });
  std::string texte;
  for (auto it = champs.begin(); it != dernier.base(); ++it) {
    if (it != champs.begin()) texte += ';';
    texte += *it;
  }
  return texte;
}

Treecriture reecrire_arguments(std::string_view texte, int debut, int longueur,
                               const std::vector<std::string>& champs) {
  borner(texte, debut, longueur);
  const std::string arguments = joindre_champs(champs);
  return {remplacer(texte, debut, longueur, arguments), taille(arguments)};
}

Templacement inserer_emplacement(std::string_view texte, int debut, int longueur, int rang) {
  borner(texte, debut, longueur);
  rang = std::max(rang, 0);
  std::string arguments(morceau(texte, debut, longueur));
  const int manquants = rang + 1 - static_cast<int>(parties_arguments(arguments).size());
  if (manquants > 0) arguments.append(static_cast<std::size_t>(manquants), ';');
  const std::vector<Tpartie> parties = parties_arguments(arguments);
  if (static_cast<int>(parties.size()) <= rang) {
    // An unclosed bracket holds every ";" added: the caret goes to the end.
    return {std::string(texte), longueur, debut + longueur, 0};
  }
  const Tpartie emplacement = parties[static_cast<std::size_t>(rang)];
  return {remplacer(texte, debut, longueur, arguments), taille(arguments), debut + emplacement.debut,
          emplacement.longueur};
}

int type_argument(std::string& element) {
  const std::size_t crochet = element.rfind('[');
  if (crochet == std::string::npos || element.back() != ']') return -1;
  const std::string_view chiffres = std::string_view(element).substr(crochet + 1, element.size() - crochet - 2);
  if (chiffres.empty() || !std::all_of(chiffres.begin(), chiffres.end(), est_chiffre)) return -1;
  const std::optional<std::int32_t> type = lire_entier32(chiffres);
  if (!type || *type >= nombre_types_objet) return -1;
  element.erase(crochet);
  return *type;
}

std::vector<std::string> elements_description(std::string_view description) {
  std::vector<std::string> elements(1);
  for (const char c : description) {
    if (c == ';') {
      elements.emplace_back();
    } else {
      elements.back() += c;
    }
  }
  return elements;
}

std::string description_arguments(std::string_view description) {
  std::vector<std::string> elements = elements_description(description);
  std::string texte;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    type_argument(elements[i]);
    if (i > 0) texte += ';';
    texte += elements[i];
  }
  return texte;
}

int indice_fonction(const Tfonction_usuelle& fonctions, std::string_view nom) {
  const std::string cherche = en_minuscules(nom);
  for (int id = 1; id < fonctions.taille(); ++id) {
    const std::string& candidat = fonctions.nom[static_cast<std::size_t>(id)];
    if (!candidat.empty() && en_minuscules(candidat) == cherche) return id;
  }
  return 0;
}
