#pragma once
// The text of an ini file held as its lines (Windows-1252, line breaks
// removed), with an index of its sections. Reading and editing happen here;
// the disk is the business of fichier_disque.h.
//
// Lines are of five kinds (leading and trailing blanks do not count):
//   blank; comment (first character ";" or "#"); section header ("[" ... "]",
//   the name is the text between "[" and the first "]"); key line (text before
//   the first "=" is the key, the rest the value, both trimmed, the key not
//   empty); anything else is an unknown line and is kept as it stands.
// Names match without regard to ASCII case and the first occurrence wins: the
// first header of a name is "the" section, its first line of a key "the" key.

#include <cstddef>
#include <optional>
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
  // Accepts CRLF and LF line breaks.
  explicit Ttexte_ini(std::string_view texte_1252);

  // CRLF after every line; the last line has one when the text read had one
  // (so an untouched line keeps its bytes), or when lines were added at the end.
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

  // The edits return true when the text changed. `ecrire` expects names
  // accepted by nom_section_ecrivable / nom_cle_ecrivable; a line break in the
  // value becomes a blank. An existing key line keeps everything up to its
  // value (spelling and spacing of the key); a new key goes after the last key
  // line of the section (after the header when it has none); a new section is
  // appended at the end, after a blank line when the text does not end with one.
  bool ecrire(std::string_view section, std::string_view cle, std::string_view valeur);
  // Removes every section of that name: header, keys, blank and unknown lines,
  // up to the next header; comments closing the section (with what follows
  // them) are kept, since they usually speak of the next section.
  bool effacer_section(std::string_view section);
  // Removes every line of that key in the section, so no later duplicate
  // shows through.
  bool supprimer_cle(std::string_view section, std::string_view cle);

 private:
  struct Tbloc {
    std::string nom;
    std::size_t entete = 0;  // index of the header line
    std::size_t fin = 0;     // index past the last line of the section
  };

  void indexer();
  const Tbloc* bloc(std::string_view section) const;
  std::optional<std::size_t> ligne_cle(const Tbloc& bloc, std::string_view cle) const;
  std::size_t position_nouvelle_cle(const Tbloc& bloc) const;
  std::size_t fin_effacement(const Tbloc& bloc) const;
  void ajouter_section(std::string_view section, std::string ligne);

  std::vector<std::string> lignes_;
  bool saut_final_ = true;
  std::vector<Tbloc> blocs_;
};
