#pragma once
// What the program records at start-up about where it runs and which help
// viewer and page renderer it has, and, in debug mode, the diagnostic report
// "HHDebug.txt" a teacher can send us when help does not open. The viewer is
// built into the program, so it is always there; the page renderer is the
// window library, whose version the caller gives.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace hh_funcs {

inline constexpr const char* nom_rapport = "HHDebug.txt";
inline constexpr const char* fichier_mode_debug = "debug.debug";

// A version as four numbers: major, minor, release, build.
using Version = std::array<std::int64_t, 4>;

// Where the program runs.
extern std::string _ModuleName;  // full path of the executable
extern std::string _ModuleDir;   // its folder, without a trailing "/"
extern std::string _RunDir;      // the folder it was started as
extern std::string dossier_rapport;
extern bool mode_debug;

// The help viewer (built in) and the page renderer.
extern bool _hhInstalled;
extern std::string _hhVerStr;
extern Version version_visionneuse;
extern std::string _hhFriendlyVerStr;
extern bool _ieInstalled;
extern std::string _ieVerStr;
extern std::string _ieFriendlyVerStr;

// What the window side knows and the Qt-free side cannot ask.
struct Environnement {
  std::string version_programme;                  // "1.0.0"
  std::string version_rendu;                      // the page renderer's version
  std::string nom_locale, langue_locale, territoire_locale;
  std::string separateur_decimal;
  std::function<std::string()> heure_longue;      // now, the locale's long time
  std::function<std::string()> date_heure;        // now, date and time
  std::function<bool(const std::string&)> inscriptible;  // a file can be made in the folder
  std::string fichier_module;                     // "" = the running executable
  std::string dossier_utilisateur;                // "" = the user's data folder
  std::string noyau;                              // "" = the running kernel's release
};

// Computes the globals, deletes an old report and, in debug mode, writes a
// new one. `arguments` is the command line, the program's name first.
void demarrer(const std::vector<std::string>& arguments, const Environnement& environnement);

// The helpers.
std::string repeter(char c, int fois);
const char* oui_non(bool valeur);
// The temporary folder, or "/tmp" when it does not exist.
std::string dossier_temporaire();
// -1, 0 or 1 as `version` is below, equal to or above `reference`.
int comparer_versions(const Version& version, const Version& reference);
// The leading numbers of a dotted text ("6.1.0-18-amd64" gives 6, 1, 0, 0).
Version lire_version(const std::string& texte);
std::string texte_version(const Version& version);

// Appends one line to the report `fichier`: "-" and "=" become 80-character
// rules; a line starting with "!", "-" or "=" loses that character, any other
// line is stamped with `heure()` and three blanks. CR LF ends it; the file is
// closed again at once. A file that cannot be opened drops the line; a link
// under the report's name is removed, never written through.
void ecrire_ligne(const std::string& fichier, const std::string& ligne,
                  const std::function<std::string()>& heure);

// The debug flag's rule on the command line (the program's name excluded).
bool parametre_debug(const std::vector<std::string>& arguments);

}  // namespace hh_funcs
