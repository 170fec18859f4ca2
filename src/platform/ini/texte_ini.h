#pragma once
// The text of an ini file held as its lines, with an index of its sections.
// Reading and editing happen here; the disk is the business of
// fichier_disque.h.
//
// Each line keeps the bytes it had in the file (its encoding and its line
// break) beside its text in Windows-1252, so a line that no edit touches goes
// back byte for byte. The file's encoding: UTF-8 when it starts with a UTF-8
// byte-order mark or is valid UTF-8 holding non-ASCII bytes, Windows-1252
// otherwise; a line the program writes is encoded in the file's encoding
// (characters of a UTF-8 line outside Windows-1252 read as "?", but the line
// keeps them as long as its value does not change). A new line takes the
// file's first kind of line break, CR LF when it has none.
//
// Lines are of five kinds (leading and trailing blanks do not count):
//   blank; comment (first character ";" or "#"); section header ("[" ... "]",
//   the name is the text between "[" and the first "]"); key line (text before
//   the first "=" is the key, the rest the value, both trimmed, the key not
//   empty); anything else is an unknown line and is kept as it stands.
// Names match without regard to ASCII case and the first occurrence wins: the
// first header of a name is "the" section, its first line of a key "the" key.

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Names a write may put in a file: after trimming, not empty, no line break,
// no "]" in a section name; a key holds no "=" and does not begin with "[",
// ";" or "#" (it would read back as something else).
bool nom_section_ecrivable(std::string_view section);
bool nom_cle_ecrivable(std::string_view cle);

// One key line: its key and value, trimmed.
struct Tentree_ini {
  std::string cle;
  std::string valeur;

  bool operator==(const Tentree_ini&) const = default;
};

class Ttexte_ini {
 public:
  Ttexte_ini() = default;
  // The bytes of a file: CR LF and LF line breaks, either encoding.
  explicit Ttexte_ini(std::string_view octets);

  // The bytes of the file: every line as it was read unless an edit changed
  // it. The last line has a line break when it had one, or when lines were
  // added after it.
  std::string en_octets() const;

  bool section_existe(std::string_view section) const;
  std::optional<std::string> valeur(std::string_view section, std::string_view cle) const;
  // Keys of the section in file order, each once (its first spelling).
  std::vector<std::string> cles(std::string_view section) const;
  // Key lines of the section in file order, as they stand in the file.
  std::vector<std::string> lignes_cles(std::string_view section) const;
  // Every key line of the section in file order, a key written twice
  // included, so a list kept under numbered keys loses none of its items.
  std::vector<Tentree_ini> entrees(std::string_view section) const;

  // The edits return true when the text changed; a value equal to the one in
  // place (after trimming) changes nothing. `ecrire` expects names accepted
  // by nom_section_ecrivable / nom_cle_ecrivable; a line break in the value
  // becomes a blank. An existing key line keeps everything up to its value
  // (spelling and spacing of the key); a new key goes after the last key
  // line of the section (after the header when it has none); a new section
  // is appended at the end, after a blank line when the text does not end
  // with one.
  bool ecrire(std::string_view section, std::string_view cle, std::string_view valeur);
  // Removes every section of that name: header, keys, blank and unknown lines,
  // up to the next header; comments closing the section (with what follows
  // them) are kept, since they usually speak of the next section.
  bool effacer_section(std::string_view section);
  // Removes every line of that key in the section, so no later duplicate
  // shows through.
  bool supprimer_cle(std::string_view section, std::string_view cle);

  // Which key lines of a list section are the program's own, by their value.
  using Tfiltre_entrees = std::function<bool(std::string_view valeur)>;
  // Puts `entrees` in place of the key lines of the section's first block
  // that `propre` accepts (every key line without it): the k-th such line
  // takes the k-th entry and stays byte for byte when key and value are the
  // same; entries beyond go after the last of those lines (where a new key
  // goes when there is none), lines beyond are removed. Every other line,
  // and every later block of the same name, stays as it is. Without the
  // section, the entries go in a new section as `ecrire` places it.
  bool remplacer_entrees(std::string_view section, const std::vector<Tentree_ini>& entrees,
                         const Tfiltre_entrees& propre = {});

 private:
  enum class Tfin : unsigned char { aucune, lf, crlf };
  struct Tligne {
    std::string texte;   // Windows-1252, line break removed
    std::string octets;  // the bytes in the file when they differ from `texte`
    Tfin fin = Tfin::crlf;
  };
  struct Tbloc {
    std::string nom;
    std::size_t entete = 0;  // index of the header line
    std::size_t fin = 0;     // index past the last line of the section
  };

  void ajouter_ligne_lue(std::string_view brute, Tfin fin);
  Tligne nouvelle_ligne(std::string texte) const;
  Tligne ligne_entree(const Tentree_ini& entree) const;
  void indexer();
  const Tbloc* bloc(std::string_view section) const;
  std::optional<std::size_t> ligne_cle(const Tbloc& bloc, std::string_view cle) const;
  std::size_t position_nouvelle_cle(const Tbloc& bloc) const;
  std::size_t fin_effacement(const Tbloc& bloc) const;
  void inserer(std::size_t position, std::vector<Tligne> nouvelles);
  void ajouter_section(std::string_view section, const std::vector<Tentree_ini>& entrees);
  bool remplacer_ligne(std::size_t i, const Tentree_ini& entree);
  std::vector<std::size_t> lignes_propres(const Tbloc& bloc, const Tfiltre_entrees& propre) const;
  void oter_lignes(std::span<const std::size_t> indices);

  std::string prefixe_;  // a byte-order mark, kept as it was
  bool utf8_ = false;
  Tfin fin_nouvelle_ = Tfin::crlf;
  std::vector<Tligne> lignes_;
  std::vector<Tbloc> blocs_;
};
