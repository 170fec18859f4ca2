#include "platform/systeme/hh_funcs.h"

#include <fcntl.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "localisation/nombres.h"
#include "platform/systeme/dossier_donnees.h"
#include "platform/systeme/fichiers_systeme.h"

namespace hh_funcs {

std::string _ModuleName;
std::string _ModuleDir;
std::string _RunDir;
std::string dossier_rapport;
bool mode_debug = false;
bool _hhInstalled = false;
std::string _hhVerStr;
Version version_visionneuse{};
std::string _hhFriendlyVerStr;
bool _ieInstalled = false;
std::string _ieVerStr;
std::string _ieFriendlyVerStr;

namespace {

constexpr int largeur_regle = 80;
constexpr const char* blancs_apres_heure = "   ";
constexpr const char* fin_ligne = "\r\n";
constexpr const char* nom_visionneuse_integree = "built-in";
constexpr const char* nom_rendu = "Qt ";
constexpr mode_t droits_rapport = 0644;

std::string dossier_de(const std::string& chemin) {
  const auto barre = chemin.rfind('/');
  if (barre == std::string::npos) return "";
  return barre == 0 ? "/" : chemin.substr(0, barre);
}

std::string en_minuscules(std::string texte) {
  std::transform(texte.begin(), texte.end(), texte.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return texte;
}

// The folder of the first command-line item made absolute; a bare name was
// found on the PATH, so the module's folder stands for it.
std::string dossier_de_lancement(const std::vector<std::string>& arguments) {
  if (arguments.empty() || arguments.front().find('/') == std::string::npos) return _ModuleDir;
  std::error_code e;
  const auto absolu = std::filesystem::absolute(arguments.front(), e);
  if (e) return _ModuleDir;
  return sans_caracteres_finaux(dossier_de(absolu.lexically_normal().string()), '/');
}

std::string version_noyau(const std::string& donne) {
  std::string release = donne;
  if (release.empty()) {
    struct utsname systeme {};
    if (::uname(&systeme) == 0) release = systeme.release;
  }
  const Version v = lire_version(release);
  return texte_entier(v[0]) + "." + texte_entier(v[1]) + "." + texte_entier(v[2]);
}

std::string parametres_joints(const std::vector<std::string>& arguments) {
  std::string joints;
  for (std::size_t i = 1; i < arguments.size(); ++i) joints += (i > 1 ? " " : "") + arguments[i];
  return joints;
}

int ouvrir_pour_ajout(const std::string& fichier) {
  constexpr int drapeaux = O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC;
  int fd = ::open(fichier.c_str(), drapeaux, droits_rapport);
  if (fd < 0 && errno == ELOOP) {
    ::unlink(fichier.c_str());
    fd = ::open(fichier.c_str(), drapeaux, droits_rapport);
  }
  return fd;
}

void calculer_emplacements(const std::vector<std::string>& arguments, const Environnement& env) {
  _ModuleName = env.fichier_module.empty() ? nom_fichier_module() : env.fichier_module;
  _ModuleDir = sans_caracteres_finaux(dossier_de(_ModuleName), '/');
  _RunDir = dossier_de_lancement(arguments);
  const auto inscriptible = env.inscriptible ? env.inscriptible : dossier_inscriptible;
  const std::string utilisateur = env.dossier_utilisateur.empty() ? dossier_utilisateur() : env.dossier_utilisateur;
  dossier_rapport = inscriptible(_ModuleDir) ? _ModuleDir : sans_caracteres_finaux(utilisateur, '/');
  mode_debug = fichier_existe(_ModuleDir + "/" + fichier_mode_debug) || parametre_debug(arguments);
}

void calculer_versions(const Environnement& env) {
  _hhVerStr = env.version_programme;
  version_visionneuse = lire_version(_hhVerStr);
  _hhInstalled = true;
  _hhFriendlyVerStr = nom_visionneuse_integree;
  _ieVerStr = env.version_rendu;
  _ieInstalled = !_ieVerStr.empty();
  _ieFriendlyVerStr = _ieInstalled ? nom_rendu + _ieVerStr : "";
}

void ecrire_rapport(const std::vector<std::string>& arguments, const Environnement& env, const std::string& rapport) {
  const auto heure = env.heure_longue ? env.heure_longue : [] { return std::string(); };
  const auto ligne = [&](const std::string& texte) { ecrire_ligne(rapport, texte, heure); };
  ligne("!Filename:             \t" + rapport);
  ligne("!Date:                 \t" + (env.date_heure ? env.date_heure() : std::string()));
  ligne("!Operating System:      \tLinux " + version_noyau(env.noyau));
  ligne("!SysLocale.DefaultLCID: \t" + env.nom_locale);
  ligne("!SysLocale.PriLangID:   \t" + env.langue_locale);
  ligne("!SysLocale.SubLangID:   \t" + env.territoire_locale);
  ligne("!DecimalSeparator:      \t" + env.separateur_decimal);
  ligne("-");
  ligne("!EXE Path =          " + (arguments.empty() ? std::string() : arguments.front()));
  ligne("!Cmdline Param(s) =  " + parametres_joints(arguments));
  ligne("!_RunDir =           " + _RunDir);
  ligne("!_ModuleName =       " + _ModuleName);
  ligne("!_ModuleDir =        " + _ModuleDir);
  ligne("-");
  ligne(std::string("!_hhInstalled =      ") + oui_non(_hhInstalled));
  ligne("!_hhVerStr =         " + _hhVerStr);
  ligne("!_hhFriendlyVerStr = " + _hhFriendlyVerStr);
  ligne("-");
  ligne(std::string("!_ieInstalled =      ") + oui_non(_ieInstalled));
  ligne("!_ieVerStr =         " + _ieVerStr);
  ligne("!_ieFriendlyVerStr = " + _ieFriendlyVerStr);
  ligne("=");
}

}  // namespace

std::string repeter(char c, int fois) { return fois > 0 ? std::string(static_cast<std::size_t>(fois), c) : ""; }

const char* oui_non(bool valeur) { return valeur ? "YES" : "NO"; }

std::string dossier_temporaire() {
  const std::string dossier = dossier_temporaire_systeme();
  return repertoire_existe(dossier) ? dossier : "/tmp";
}

int comparer_versions(const Version& version, const Version& reference) {
  if (version < reference) return -1;
  return version == reference ? 0 : 1;
}

Version lire_version(const std::string& texte) {
  Version version{};
  std::size_t position = 0;
  for (auto& nombre : version) {
    std::size_t fin = position;
    while (fin < texte.size() && est_chiffre(texte[fin])) ++fin;
    if (fin == position) break;
    nombre = lire_entier64(std::string_view(texte).substr(position, fin - position)).value_or(0);
    if (fin >= texte.size() || texte[fin] != '.') break;
    position = fin + 1;
  }
  return version;
}

std::string texte_version(const Version& version) {
  return texte_entier(version[0]) + "." + texte_entier(version[1]) + "." + texte_entier(version[2]) + "." +
         texte_entier(version[3]);
}

bool parametre_debug(const std::vector<std::string>& arguments) {
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string parametre = en_minuscules(arguments[i]);
    if (parametre == "/debug" || parametre == "-debug") return true;
  }
  return false;
}

void ecrire_ligne(const std::string& fichier, const std::string& ligne, const std::function<std::string()>& heure) {
  std::string texte = ligne == "-" || ligne == "=" ? ligne + repeter(ligne[0], largeur_regle) : ligne;
  if (!texte.empty() && (texte[0] == '!' || texte[0] == '-' || texte[0] == '=')) {
    texte.erase(0, 1);
  } else {
    texte = (heure ? heure() : std::string()) + blancs_apres_heure + texte;
  }
  texte += fin_ligne;
  const int fd = ouvrir_pour_ajout(fichier);
  if (fd < 0) return;
  const char* reste = texte.data();
  std::size_t a_ecrire = texte.size();
  while (a_ecrire > 0) {
    const ssize_t ecrit = ::write(fd, reste, a_ecrire);
    if (ecrit < 0 && errno == EINTR) continue;
    if (ecrit <= 0) break;
    reste += ecrit;
    a_ecrire -= static_cast<std::size_t>(ecrit);
  }
  ::close(fd);
}

void demarrer(const std::vector<std::string>& arguments, const Environnement& environnement) {
  calculer_emplacements(arguments, environnement);
  calculer_versions(environnement);
  const std::string rapport = dossier_rapport + "/" + nom_rapport;
  ::unlink(rapport.c_str());
  if (!mode_debug) return;
  // The user's data folder is made by the program's start-up, which runs
  // after this: on a first run it is not there yet.
  std::error_code e;
  std::filesystem::create_directories(dossier_rapport, e);
  ecrire_rapport(arguments, environnement, rapport);
}

}  // namespace hh_funcs
