#pragma once
// The disk side of the ini files: reading a whole file together with what
// tells its versions apart, and replacing a whole file atomically so that a
// reader, a crash or a full disk never meets a half-written file.
// Paths are UTF-8 as the system takes them.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// What tells two versions of a file apart without reading it. A replaced file
// is a new inode; a file edited in place changes size or times.
struct Tempreinte_fichier {
  bool existe = false;
  std::uint64_t peripherique = 0;
  std::uint64_t inode = 0;
  std::int64_t taille = 0;
  std::int64_t modification_ns = 0;
  std::int64_t changement_ns = 0;

  bool operator==(const Tempreinte_fichier&) const = default;
};

Tempreinte_fichier empreinte_fichier(const std::string& chemin);

// True when a text read from a file with print `lue` still stands for the file
// whose print is now `actuelle`. The times are in nanoseconds and the change
// time moves with every write, also when a copying tool sets the
// modification time back. File times move by clock ticks, so two writes
// within one tick can leave the same print: writes made by this process are
// counted apart (numero_remplacement); one by another process within the
// tick of the text read, of the same size and on a reused inode, is seen
// only at the file's next change.
bool cache_fiable(const Tempreinte_fichier& lue, const Tempreinte_fichier& actuelle);

// How many times remplacer_fichier has replaced this file in this process.
std::uint64_t numero_remplacement(const std::string& chemin);

enum class Tetat_lecture {
  lu,
  absent,    // no file at that path: reads as empty, the first write creates it
  illisible  // there is something, but it cannot be read: never overwrite it
};

struct Tlecture_fichier {
  Tetat_lecture etat = Tetat_lecture::absent;
  std::string octets;
  Tempreinte_fichier empreinte;  // of the very file whose bytes were read
};

Tlecture_fichier lire_fichier(const std::string& chemin);

// Steps of an atomic write, in order.
enum class Tetape_ecriture { creation, ecriture, synchronisation, renommage };

// Test seam: asked before each step; answering false makes that step fail as
// the system would. Lets tests see a write fail (they run as root, where
// permissions do not) and count the files actually written.
using Tcrochet_ecriture = std::function<bool(Tetape_ecriture)>;

// Writes the bytes to a new file in the same folder, flushes it to the disk and
// renames it over `chemin`; a symbolic link is followed, the old file's
// permissions (and owner, when allowed) are kept, a new file gets the usual
// ones. On any failure the old file is left whole, the temporary file is
// removed and the result is false. The folder must exist. A file the user
// may not write is never replaced: one whose permissions grant writing to
// nobody counts as such also for the administrator, whom the system would
// let write anything. On success `empreinte`, when given, receives the print
// of the new file.
bool remplacer_fichier(const std::string& chemin, std::string_view octets, const Tcrochet_ecriture& crochet = {},
                       Tempreinte_fichier* empreinte = nullptr);

// A write past the file-size limit (ulimit -f) would make the system end the
// process with SIGXFSZ, losing the work of the session and leaving the
// write's temporary file. Ignored, that signal leaves a write that fails as
// on a full disk, which every write of the program reports and undoes. Each
// program that writes files calls this first.
void ignorer_signal_taille_fichier();

// True when the file exists and the user may not write it (see above).
bool protege_en_ecriture(const std::string& chemin);

// The one maker of the program's temporary files (every atomic write, the
// folder write test): a new file beside `chemin`, open for writing, named
// `chemin` + ".tmp" + <process id> + "-" + <counter>, so that a later start
// can tell whose it is. Returns its descriptor and puts its name in `nom`;
// -1 when none could be made.
int creer_fichier_temporaire(const std::string& chemin, std::string& nom);

// Removes from `dossier` (and its subfolders when `sous_dossiers`) the files
// of creer_fichier_temporaire that a write or a test cut short left: those
// whose process is not running here and that nothing has modified for ten
// minutes. A folder shared by several machines holds the temporary files of
// saves running where their process cannot be seen; a later start removes
// what they leave. Returns how many were removed.
int supprimer_temporaires_abandonnes(const std::string& dossier, bool sous_dossiers = false);
