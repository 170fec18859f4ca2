#include "platform/ini/texte_ini.h"

#include <algorithm>
#include <unordered_set>

namespace {

enum class Tgenre { vide, commentaire, entete, cle, inconnue };

struct Tligne {
  Tgenre genre = Tgenre::inconnue;
  std::string_view nom;     // section or key
  std::string_view valeur;  // key lines only
};

bool est_blanc(char c) { return c == ' ' || c == '\t'; }

std::string_view rogner(std::string_view texte) {
  while (!texte.empty() && est_blanc(texte.front())) texte.remove_prefix(1);
  while (!texte.empty() && est_blanc(texte.back())) texte.remove_suffix(1);
  return texte;
}

char minuscule(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool egal_sans_casse(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return minuscule(x) == minuscule(y); });
}

std::string en_minuscules(std::string_view texte) {
  std::string resultat(texte);
  for (char& c : resultat) c = minuscule(c);
  return resultat;
}

bool a_saut_de_ligne(std::string_view texte) { return texte.find_first_of("\r\n") != std::string_view::npos; }

Tligne analyser(std::string_view brute) {
  const std::string_view ligne = rogner(brute);
  if (ligne.empty()) return {Tgenre::vide, {}, {}};
  if (ligne.front() == ';' || ligne.front() == '#') return {Tgenre::commentaire, {}, {}};
  if (ligne.front() == '[') {
    const auto fermante = ligne.find(']');
    if (fermante != std::string_view::npos) return {Tgenre::entete, rogner(ligne.substr(1, fermante - 1)), {}};
  }
  const auto egal = ligne.find('=');
  if (egal == std::string_view::npos) return {Tgenre::inconnue, {}, {}};
  const std::string_view cle = rogner(ligne.substr(0, egal));
  if (cle.empty()) return {Tgenre::inconnue, {}, {}};
  return {Tgenre::cle, cle, rogner(ligne.substr(egal + 1))};
}

bool est_cle(std::string_view ligne, std::string_view cle) {
  const Tligne l = analyser(ligne);
  return l.genre == Tgenre::cle && egal_sans_casse(l.nom, cle);
}

// A value must stay on its line: a line break in it would start a new line
// that reads as something else.
std::string valeur_sur_une_ligne(std::string_view valeur) {
  std::string resultat(valeur);
  std::replace_if(resultat.begin(), resultat.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return resultat;
}

// The part of a key line that a new value keeps: up to the "=" and the blanks
// after it, so the key keeps its spelling and the line its layout.
std::string_view debut_ligne_cle(std::string_view ligne) {
  std::size_t fin = ligne.find('=') + 1;
  while (fin < ligne.size() && est_blanc(ligne[fin])) ++fin;
  return ligne.substr(0, fin);
}

}  // namespace

bool nom_section_ecrivable(std::string_view section) {
  const std::string_view nom = rogner(section);
  return !nom.empty() && !a_saut_de_ligne(nom) && nom.find(']') == std::string_view::npos;
}

bool nom_cle_ecrivable(std::string_view cle) {
  const std::string_view nom = rogner(cle);
  if (nom.empty() || a_saut_de_ligne(nom) || nom.find('=') != std::string_view::npos) return false;
  return nom.front() != '[' && nom.front() != ';' && nom.front() != '#';
}

Ttexte_ini::Ttexte_ini(std::string_view texte) {
  std::size_t debut = 0;
  while (debut < texte.size()) {
    const auto saut = texte.find('\n', debut);
    if (saut == std::string_view::npos) {  // the last line has no line break
      lignes_.emplace_back(texte.substr(debut));
      saut_final_ = false;
      break;
    }
    std::string_view ligne = texte.substr(debut, saut - debut);
    if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
    lignes_.emplace_back(ligne);
    debut = saut + 1;
  }
  indexer();
}

std::string Ttexte_ini::en_octets() const {
  std::string resultat;
  for (std::size_t i = 0; i < lignes_.size(); ++i) {
    resultat += lignes_[i];
    if (i + 1 < lignes_.size() || saut_final_) resultat += "\r\n";
  }
  return resultat;
}

void Ttexte_ini::indexer() {
  blocs_.clear();
  for (std::size_t i = 0; i < lignes_.size(); ++i) {
    const Tligne l = analyser(lignes_[i]);
    if (l.genre != Tgenre::entete) continue;
    if (!blocs_.empty()) blocs_.back().fin = i;
    blocs_.push_back({std::string(l.nom), i, lignes_.size()});
  }
}

const Ttexte_ini::Tbloc* Ttexte_ini::bloc(std::string_view section) const {
  const std::string_view nom = rogner(section);
  for (const Tbloc& b : blocs_) {
    if (egal_sans_casse(b.nom, nom)) return &b;
  }
  return nullptr;
}

std::optional<std::size_t> Ttexte_ini::ligne_cle(const Tbloc& b, std::string_view cle) const {
  const std::string_view nom = rogner(cle);
  for (std::size_t i = b.entete + 1; i < b.fin; ++i) {
    if (est_cle(lignes_[i], nom)) return i;
  }
  return std::nullopt;
}

bool Ttexte_ini::section_existe(std::string_view section) const { return bloc(section) != nullptr; }

std::optional<std::string> Ttexte_ini::valeur(std::string_view section, std::string_view cle) const {
  const Tbloc* b = bloc(section);
  if (b == nullptr) return std::nullopt;
  const auto i = ligne_cle(*b, cle);
  if (!i) return std::nullopt;
  return std::string(analyser(lignes_[*i]).valeur);
}

std::vector<std::string> Ttexte_ini::cles(std::string_view section) const {
  std::vector<std::string> resultat;
  const Tbloc* b = bloc(section);
  if (b == nullptr) return resultat;
  std::unordered_set<std::string> vues;
  for (std::size_t i = b->entete + 1; i < b->fin; ++i) {
    const Tligne l = analyser(lignes_[i]);
    if (l.genre == Tgenre::cle && vues.insert(en_minuscules(l.nom)).second) resultat.emplace_back(l.nom);
  }
  return resultat;
}

std::vector<std::string> Ttexte_ini::lignes_cles(std::string_view section) const {
  std::vector<std::string> resultat;
  const Tbloc* b = bloc(section);
  if (b == nullptr) return resultat;
  for (std::size_t i = b->entete + 1; i < b->fin; ++i) {
    if (analyser(lignes_[i]).genre == Tgenre::cle) resultat.push_back(lignes_[i]);
  }
  return resultat;
}

std::vector<Tentree_ini> Ttexte_ini::entrees(std::string_view section) const {
  std::vector<Tentree_ini> resultat;
  const Tbloc* b = bloc(section);
  if (b == nullptr) return resultat;
  for (std::size_t i = b->entete + 1; i < b->fin; ++i) {
    const Tligne l = analyser(lignes_[i]);
    if (l.genre == Tgenre::cle) resultat.push_back({std::string(l.nom), std::string(l.valeur)});
  }
  return resultat;
}

std::size_t Ttexte_ini::position_nouvelle_cle(const Tbloc& b) const {
  std::size_t position = b.entete + 1;
  for (std::size_t i = b.entete + 1; i < b.fin; ++i) {
    if (analyser(lignes_[i]).genre == Tgenre::cle) position = i + 1;
  }
  return position;
}

void Ttexte_ini::ajouter_section(std::string_view section, std::string ligne) {
  if (!lignes_.empty() && !rogner(lignes_.back()).empty()) lignes_.emplace_back();
  lignes_.push_back("[" + std::string(rogner(section)) + "]");
  lignes_.push_back(std::move(ligne));
  saut_final_ = true;
}

bool Ttexte_ini::ecrire(std::string_view section, std::string_view cle, std::string_view valeur) {
  const std::string propre = valeur_sur_une_ligne(valeur);
  const Tbloc* b = bloc(section);
  if (b == nullptr) {
    ajouter_section(section, std::string(rogner(cle)) + "=" + propre);
  } else if (const auto i = ligne_cle(*b, cle)) {
    std::string nouvelle = std::string(debut_ligne_cle(lignes_[*i])) + propre;
    if (nouvelle == lignes_[*i]) return false;
    lignes_[*i] = std::move(nouvelle);
    return true;  // one line changed in place: the index still holds
  } else {
    const std::size_t position = position_nouvelle_cle(*b);
    if (position == lignes_.size()) saut_final_ = true;
    lignes_.insert(lignes_.begin() + static_cast<std::ptrdiff_t>(position), std::string(rogner(cle)) + "=" + propre);
  }
  indexer();
  return true;
}

std::size_t Ttexte_ini::fin_effacement(const Tbloc& b) const {
  std::size_t queue = b.fin;
  while (queue > b.entete + 1) {
    const Tgenre genre = analyser(lignes_[queue - 1]).genre;
    if (genre != Tgenre::vide && genre != Tgenre::commentaire) break;
    --queue;
  }
  for (std::size_t i = queue; i < b.fin; ++i) {
    if (analyser(lignes_[i]).genre == Tgenre::commentaire) return i;
  }
  return b.fin;
}

bool Ttexte_ini::effacer_section(std::string_view section) {
  const std::string_view nom = rogner(section);
  bool change = false;
  // From the last section back, so the indexes of the earlier ones still hold.
  for (auto b = blocs_.rbegin(); b != blocs_.rend(); ++b) {
    if (!egal_sans_casse(b->nom, nom)) continue;
    const std::size_t fin = fin_effacement(*b);
    if (fin == lignes_.size()) saut_final_ = true;  // as in supprimer_cle
    lignes_.erase(lignes_.begin() + static_cast<std::ptrdiff_t>(b->entete),
                  lignes_.begin() + static_cast<std::ptrdiff_t>(fin));
    change = true;
  }
  if (change) indexer();
  return change;
}

bool Ttexte_ini::supprimer_cle(std::string_view section, std::string_view cle) {
  const Tbloc* b = bloc(section);
  if (b == nullptr) return false;
  const std::string_view nom = rogner(cle);
  // The line left last had its line break in the file; it keeps it.
  const bool derniere_otee = b->fin == lignes_.size() && est_cle(lignes_.back(), nom);
  const auto debut = lignes_.begin() + static_cast<std::ptrdiff_t>(b->entete + 1);
  const auto fin = lignes_.begin() + static_cast<std::ptrdiff_t>(b->fin);
  const auto reste = std::remove_if(debut, fin, [&](const std::string& ligne) { return est_cle(ligne, nom); });
  if (reste == fin) return false;
  lignes_.erase(reste, fin);
  if (derniere_otee) saut_final_ = true;
  indexer();
  return true;
}
