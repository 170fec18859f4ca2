#include "platform/ini/texte_ini.h"

#include "localisation/texte_1252.h"

#include <algorithm>
#include <span>
#include <unordered_set>
#include <utility>

namespace {

enum class Tgenre { vide, commentaire, entete, cle, inconnue };

struct Tanalyse {
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

Tanalyse analyser(std::string_view brute) {
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
  const Tanalyse l = analyser(ligne);
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

constexpr std::string_view marque_utf8 = "\xEF\xBB\xBF";

bool est_ascii(std::string_view texte) {
  return std::all_of(texte.begin(), texte.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A byte-order mark says UTF-8 even when the text is plain ASCII; without
// one, only non-ASCII bytes that form valid UTF-8 do.
bool codage_utf8(std::string_view octets, bool marque) {
  if (!est_utf8_valide(octets)) return false;
  return marque || !est_ascii(octets);
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

Ttexte_ini::Ttexte_ini(std::string_view octets) {
  if (octets.starts_with(marque_utf8)) {
    prefixe_ = marque_utf8;
    octets.remove_prefix(marque_utf8.size());
  }
  utf8_ = codage_utf8(octets, !prefixe_.empty());
  bool fin_connue = false;
  std::size_t debut = 0;
  while (debut < octets.size()) {
    const std::size_t saut = std::min(octets.find('\n', debut), octets.size());
    std::string_view brute = octets.substr(debut, saut - debut);
    Tfin fin = Tfin::aucune;
    if (saut < octets.size()) {
      fin = brute.ends_with('\r') ? Tfin::crlf : Tfin::lf;
      if (fin == Tfin::crlf) brute.remove_suffix(1);
      if (!fin_connue) fin_nouvelle_ = fin;
      fin_connue = true;
    }
    ajouter_ligne_lue(brute, fin);
    debut = saut + 1;
  }
  indexer();
}

void Ttexte_ini::ajouter_ligne_lue(std::string_view brute, Tfin fin) {
  Tligne ligne{utf8_ ? depuis_utf8(brute) : std::string(brute), {}, fin};
  if (ligne.texte != brute) ligne.octets = brute;
  lignes_.push_back(std::move(ligne));
}

std::string Ttexte_ini::en_octets() const {
  std::size_t taille = prefixe_.size();
  for (const Tligne& l : lignes_) taille += (l.octets.empty() ? l.texte.size() : l.octets.size()) + 2;
  std::string resultat;
  resultat.reserve(taille);
  resultat += prefixe_;
  for (const Tligne& l : lignes_) {
    resultat += l.octets.empty() ? l.texte : l.octets;
    if (l.fin == Tfin::crlf) resultat += "\r\n";
    if (l.fin == Tfin::lf) resultat += '\n';
  }
  return resultat;
}

Ttexte_ini::Tligne Ttexte_ini::nouvelle_ligne(std::string texte) const {
  Tligne ligne{std::move(texte), {}, fin_nouvelle_};
  if (utf8_ && !est_ascii(ligne.texte)) ligne.octets = vers_utf8(ligne.texte);
  return ligne;
}

Ttexte_ini::Tligne Ttexte_ini::ligne_entree(const Tentree_ini& entree) const {
  return nouvelle_ligne(std::string(rogner(entree.cle)) + "=" + valeur_sur_une_ligne(entree.valeur));
}

void Ttexte_ini::indexer() {
  blocs_.clear();
  for (std::size_t i = 0; i < lignes_.size(); ++i) {
    const Tanalyse l = analyser(lignes_[i].texte);
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
    if (est_cle(lignes_[i].texte, nom)) return i;
  }
  return std::nullopt;
}

bool Ttexte_ini::section_existe(std::string_view section) const { return bloc(section) != nullptr; }

std::optional<std::string> Ttexte_ini::valeur(std::string_view section, std::string_view cle) const {
  const Tbloc* b = bloc(section);
  if (b == nullptr) return std::nullopt;
  const auto i = ligne_cle(*b, cle);
  if (!i) return std::nullopt;
  return std::string(analyser(lignes_[*i].texte).valeur);
}

std::vector<std::string> Ttexte_ini::cles(std::string_view section) const {
  std::vector<std::string> resultat;
  const Tbloc* b = bloc(section);
  if (b == nullptr) return resultat;
  std::unordered_set<std::string> vues;
  for (std::size_t i = b->entete + 1; i < b->fin; ++i) {
    const Tanalyse l = analyser(lignes_[i].texte);
    if (l.genre == Tgenre::cle && vues.insert(en_minuscules(l.nom)).second) resultat.emplace_back(l.nom);
  }
  return resultat;
}

std::vector<std::string> Ttexte_ini::lignes_cles(std::string_view section) const {
  std::vector<std::string> resultat;
  const Tbloc* b = bloc(section);
  if (b == nullptr) return resultat;
  for (std::size_t i = b->entete + 1; i < b->fin; ++i) {
    if (analyser(lignes_[i].texte).genre == Tgenre::cle) resultat.push_back(lignes_[i].texte);
  }
  return resultat;
}

std::vector<Tentree_ini> Ttexte_ini::entrees(std::string_view section) const {
  std::vector<Tentree_ini> resultat;
  const Tbloc* b = bloc(section);
  if (b == nullptr) return resultat;
  for (std::size_t i = b->entete + 1; i < b->fin; ++i) {
    const Tanalyse l = analyser(lignes_[i].texte);
    if (l.genre == Tgenre::cle) resultat.push_back({std::string(l.nom), std::string(l.valeur)});
  }
  return resultat;
}

std::size_t Ttexte_ini::position_nouvelle_cle(const Tbloc& b) const {
  std::size_t position = b.entete + 1;
  for (std::size_t i = b.entete + 1; i < b.fin; ++i) {
    if (analyser(lignes_[i].texte).genre == Tgenre::cle) position = i + 1;
  }
  return position;
}

// Lines added after the last one give it the line break it lacked.
void Ttexte_ini::inserer(std::size_t position, std::vector<Tligne> nouvelles) {
  if (nouvelles.empty()) return;
  if (position == lignes_.size() && !lignes_.empty() && lignes_.back().fin == Tfin::aucune) {
    lignes_.back().fin = fin_nouvelle_;
  }
  lignes_.insert(lignes_.begin() + static_cast<std::ptrdiff_t>(position), std::make_move_iterator(nouvelles.begin()),
                 std::make_move_iterator(nouvelles.end()));
}

void Ttexte_ini::ajouter_section(std::string_view section, const std::vector<Tentree_ini>& entrees) {
  std::vector<Tligne> nouvelles;
  if (!lignes_.empty() && !rogner(lignes_.back().texte).empty()) nouvelles.push_back(nouvelle_ligne({}));
  nouvelles.push_back(nouvelle_ligne("[" + std::string(rogner(section)) + "]"));
  for (const Tentree_ini& e : entrees) nouvelles.push_back(ligne_entree(e));
  inserer(lignes_.size(), std::move(nouvelles));
}

// A line that already holds that key and value stays as it is; another
// takes the entry, keeping the key's spelling and spacing when the key is
// the same.
bool Ttexte_ini::remplacer_ligne(std::size_t i, const Tentree_ini& entree) {
  const std::string valeur = valeur_sur_une_ligne(entree.valeur);
  const Tanalyse l = analyser(lignes_[i].texte);
  const bool meme_cle = l.genre == Tgenre::cle && egal_sans_casse(l.nom, rogner(entree.cle));
  if (meme_cle && l.valeur == rogner(valeur)) return false;
  Tligne nouvelle = meme_cle ? nouvelle_ligne(std::string(debut_ligne_cle(lignes_[i].texte)) + valeur)
                             : ligne_entree(entree);
  nouvelle.fin = lignes_[i].fin;
  lignes_[i] = std::move(nouvelle);
  return true;
}

bool Ttexte_ini::ecrire(std::string_view section, std::string_view cle, std::string_view valeur) {
  const Tentree_ini entree{std::string(cle), std::string(valeur)};
  const Tbloc* b = bloc(section);
  if (b == nullptr) {
    ajouter_section(section, {entree});
  } else if (const auto i = ligne_cle(*b, cle)) {
    return remplacer_ligne(*i, entree);  // one line changed in place: the index still holds
  } else {
    inserer(position_nouvelle_cle(*b), {ligne_entree(entree)});
  }
  indexer();
  return true;
}

std::size_t Ttexte_ini::fin_effacement(const Tbloc& b) const {
  std::size_t queue = b.fin;
  while (queue > b.entete + 1) {
    const Tgenre genre = analyser(lignes_[queue - 1].texte).genre;
    if (genre != Tgenre::vide && genre != Tgenre::commentaire) break;
    --queue;
  }
  for (std::size_t i = queue; i < b.fin; ++i) {
    if (analyser(lignes_[i].texte).genre == Tgenre::commentaire) return i;
  }
  return b.fin;
}

// The line left last keeps the line break it had in the file.
bool Ttexte_ini::effacer_section(std::string_view section) {
  const std::string_view nom = rogner(section);
  bool change = false;
  // From the last section back, so the indexes of the earlier ones still hold.
  for (auto b = blocs_.rbegin(); b != blocs_.rend(); ++b) {
    if (!egal_sans_casse(b->nom, nom)) continue;
    lignes_.erase(lignes_.begin() + static_cast<std::ptrdiff_t>(b->entete),
                  lignes_.begin() + static_cast<std::ptrdiff_t>(fin_effacement(*b)));
    change = true;
  }
  if (change) indexer();
  return change;
}

bool Ttexte_ini::supprimer_cle(std::string_view section, std::string_view cle) {
  const Tbloc* b = bloc(section);
  if (b == nullptr) return false;
  const std::string_view nom = rogner(cle);
  const auto debut = lignes_.begin() + static_cast<std::ptrdiff_t>(b->entete + 1);
  const auto fin = lignes_.begin() + static_cast<std::ptrdiff_t>(b->fin);
  const auto reste = std::remove_if(debut, fin, [&](const Tligne& ligne) { return est_cle(ligne.texte, nom); });
  if (reste == fin) return false;
  lignes_.erase(reste, fin);
  indexer();
  return true;
}

std::vector<std::size_t> Ttexte_ini::lignes_propres(const Tbloc& b, const Tfiltre_entrees& propre) const {
  std::vector<std::size_t> propres;
  for (std::size_t i = b.entete + 1; i < b.fin; ++i) {
    const Tanalyse l = analyser(lignes_[i].texte);
    if (l.genre == Tgenre::cle && (!propre || propre(l.valeur))) propres.push_back(i);
  }
  return propres;
}

// One pass over the lines, so a long list costs no more than its length.
void Ttexte_ini::oter_lignes(std::span<const std::size_t> indices) {
  if (indices.empty()) return;
  std::size_t garde = indices.front();
  for (std::size_t i = garde, k = 0; i < lignes_.size(); ++i) {
    if (k < indices.size() && indices[k] == i) {
      ++k;
    } else {
      lignes_[garde++] = std::move(lignes_[i]);
    }
  }
  lignes_.resize(garde);
}

bool Ttexte_ini::remplacer_entrees(std::string_view section, const std::vector<Tentree_ini>& entrees,
                                   const Tfiltre_entrees& propre) {
  const Tbloc* b = bloc(section);
  if (b == nullptr) {
    if (entrees.empty()) return false;
    ajouter_section(section, entrees);
    indexer();
    return true;
  }
  const std::vector<std::size_t> propres = lignes_propres(*b, propre);
  const std::size_t insertion = propres.empty() ? position_nouvelle_cle(*b) : propres.back() + 1;
  const std::size_t communes = std::min(propres.size(), entrees.size());
  bool change = false;
  for (std::size_t k = 0; k < communes; ++k) change = remplacer_ligne(propres[k], entrees[k]) || change;
  std::vector<Tligne> suite;
  for (std::size_t k = communes; k < entrees.size(); ++k) suite.push_back(ligne_entree(entrees[k]));
  change = change || propres.size() > communes || !suite.empty();
  oter_lignes(std::span(propres).subspan(communes));
  inserer(insertion, std::move(suite));
  if (change) indexer();
  return change;
}
