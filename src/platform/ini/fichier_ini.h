#pragma once
// Tfichier_ini: one ini file on disk (help, settings, account or user-object
// file), read and written so that pupils' and teachers' files are never
// garbled or half written.
//
// Text in memory is Windows-1252. The file on disk is Windows-1252 with CRLF;
// reading also takes LF, and a file in UTF-8 (with or without byte-order mark)
// is converted; a write keeps the file's encoding and line breaks
// (Ttexte_ini).
//
// Reading: sections and keys match without regard to ASCII case, blanks around
// names and values do not count, and the first occurrence wins. The value is
// everything after the first "=": commas, ";" and quotes in it are plain text.
// Every read sees the file as it is now, also after another object or process
// wrote it: the text is kept with the file's print and read again only when
// the print on disk changed or this process replaced the file through
// another object (cache_fiable). A missing or unreadable file reads as empty.
//
// Writing: a write changes only its own line and keeps every other byte
// (comments, blank lines, unknown lines and sections, encoding); see
// Ttexte_ini for where new keys and sections go. Each write replaces the
// whole file atomically (fichier_disque.h) and keeps the text it wrote; a
// batch gathers many writes into one. A write returns false, and the file
// stays as it was, when:
//   - a name cannot be written (nom_section_ecrivable, nom_cle_ecrivable),
//   - the value cannot be written (a real that is not finite, an invalid date),
//   - the file exists but cannot be read (its content would be lost),
//   - the user may not write the file (protege_en_ecriture),
//   - the disk refuses (missing folder, full disk...).
// A write that would not change the text writes nothing and returns true.
//
// An object is used by one thread at a time.

#include "platform/ini/fichier_disque.h"
#include "platform/ini/texte_ini.h"
#include "platform/ini/valeurs_ini.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class Tfichier_ini {
 public:
  explicit Tfichier_ini(std::string chemin);
  // Writes a batch still open, so its writes are not lost.
  ~Tfichier_ini();
  Tfichier_ini(const Tfichier_ini&) = delete;
  Tfichier_ini& operator=(const Tfichier_ini&) = delete;

  const std::string& chemin() const { return chemin_; }

  // Text: the value as it stands (trimmed); "" for "cle=".
  std::string lire_texte(std::string_view section, std::string_view cle, std::string_view defaut = {}) const;
  bool ecrire_texte(std::string_view section, std::string_view cle, std::string_view valeur);

  // Integer: the default when the value is no 32-bit integer ("", "1.5", "x").
  std::int32_t lire_entier(std::string_view section, std::string_view cle, std::int32_t defaut) const;
  bool ecrire_entier(std::string_view section, std::string_view cle, std::int32_t valeur);

  // Boolean: written "1"/"0"; read as an integer, 0 false and any other
  // integer true; the default for anything else ("oui", "").
  bool lire_booleen(std::string_view section, std::string_view cle, bool defaut) const;
  bool ecrire_booleen(std::string_view section, std::string_view cle, bool valeur);

  // Real: the program's number text (15 significant digits). Infinities and
  // NaN are refused on writing, as they would not read back.
  double lire_reel(std::string_view section, std::string_view cle, double defaut) const;
  bool ecrire_reel(std::string_view section, std::string_view cle, double valeur);

  // Date: written "yyyy-mm-dd", read "yyyy-mm-dd" or "dd/mm/yyyy"; the
  // default when the value names no real day.
  Tdate_ini lire_date(std::string_view section, std::string_view cle, Tdate_ini defaut) const;
  bool ecrire_date(std::string_view section, std::string_view cle, const Tdate_ini& valeur);

  bool section_existe(std::string_view section) const;
  bool cle_existe(std::string_view section, std::string_view cle) const;
  // Keys in file order, each once; the section's "key=value" lines in file
  // order as they stand. Empty for a missing section.
  std::vector<std::string> cles_section(std::string_view section) const;
  std::vector<std::string> lignes_section(std::string_view section) const;
  // Every key line of the section in file order (see Ttexte_ini::entrees).
  std::vector<Tentree_ini> entrees_section(std::string_view section) const;

  // Removing what is not there succeeds and writes nothing.
  bool effacer_section(std::string_view section);
  bool supprimer_cle(std::string_view section, std::string_view cle);
  // Puts the entries in place of the section's own key lines, those that
  // `propre` accepts (all without it), in one file write; other lines and
  // later blocks of the section stay byte for byte (see
  // Ttexte_ini::remplacer_entrees). Refuses the whole and writes nothing when
  // a name cannot be written.
  bool remplacer_section(std::string_view section, const std::vector<Tentree_ini>& entrees,
                         const Ttexte_ini::Tfiltre_entrees& propre = {});

  // Batch: between demarrer_lot and terminer_lot, writes change the text in
  // memory only (they still return false on bad input) and reads see them;
  // the file is not read again meanwhile. terminer_lot writes the file once,
  // if anything changed, and returns the result of that write; on failure the
  // file stays as it was and the batch's writes are dropped. Batches nest:
  // only the outermost terminer_lot writes. Without an open batch it does
  // nothing and returns true.
  void demarrer_lot();
  bool terminer_lot();

  // Test seam: see Tcrochet_ecriture. An empty function removes it.
  void definir_crochet_ecriture(Tcrochet_ecriture crochet) { crochet_ = std::move(crochet); }

 private:
  const Ttexte_ini& texte() const;
  void charger() const;
  bool modifier(const std::function<bool(Ttexte_ini&)>& edition);
  bool enregistrer();

  std::string chemin_;
  Tcrochet_ecriture crochet_;
  int profondeur_lot_ = 0;
  bool lot_modifie_ = false;

  // The file as last read or written; `charge_` false forces the next read.
  mutable Ttexte_ini texte_;
  mutable Tempreinte_fichier empreinte_;
  mutable std::uint64_t numero_ = 0;  // numero_remplacement when texte_ was taken
  mutable bool charge_ = false;
  mutable bool lisible_ = true;
};

// Opens a batch for the lifetime of the object: the writes land in one file
// write when terminer() is called or the object goes.
class Tlot_ini {
 public:
  explicit Tlot_ini(Tfichier_ini& fichier) : fichier_(fichier) { fichier_.demarrer_lot(); }
  ~Tlot_ini() { terminer(); }
  Tlot_ini(const Tlot_ini&) = delete;
  Tlot_ini& operator=(const Tlot_ini&) = delete;

  // The result of the batch's file write; later calls return true.
  bool terminer();

 private:
  Tfichier_ini& fichier_;
  bool ouvert_ = true;
};
