#include "platform/systeme/dossier_donnees.h"

#include "platform/ini/fichier_disque.h"

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The files that make up the program's data, as `amorcer_dossier` copies them.
constexpr std::array<const char*, 2> fichiers_objets = {"Fonction.ini", "Constante.ini"};
constexpr const char* nom_parametres = "parametres";
// The file the write test makes, under its temporary name, and removes.
constexpr const char* nom_essai_ecriture = ".pralinore-essai";

std::string avec_barre(std::string dossier) {
  if (dossier.empty() || dossier.back() != '/') dossier.push_back('/');
  return dossier;
}

// An atomic write of the source's bytes, so that a failed copy never leaves
// a half file under the real name.
bool copier_entier(const fs::path& source, const fs::path& cible) {
  std::error_code e;
  fs::create_directories(cible.parent_path(), e);
  if (e) return false;
  const Tlecture_fichier lecture = lire_fichier(source.string());
  return lecture.etat == Tetat_lecture::lu && remplacer_fichier(cible.string(), lecture.octets);
}

bool copier_si_absent(const fs::path& source, const fs::path& cible) {
  std::error_code e;
  if (fs::exists(cible, e) || !fs::is_regular_file(source, e)) return true;
  return copier_entier(source, cible);
}

}  // namespace

std::string dossier_programme() {
  if (const char* appdir = std::getenv("PRALINORE_APPDIR"); appdir != nullptr && *appdir != '\0') {
    return avec_barre(appdir);
  }
  std::error_code e;
  const fs::path executable = fs::read_symlink("/proc/self/exe", e);
  return avec_barre(e ? fs::current_path(e).string() : executable.parent_path().string());
}

std::string dossier_utilisateur() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/') {
    return avec_barre(xdg) + "pralinore/";
  }
  const char* maison = std::getenv("HOME");
  return avec_barre(maison != nullptr && *maison != '\0' ? maison : "/tmp") + ".local/share/pralinore/";
}

bool dossier_inscriptible(const std::string& dossier) {
  std::string essai;
  const int fd = creer_fichier_temporaire(avec_barre(dossier) + nom_essai_ecriture, essai);
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(essai.c_str());
  return true;
}

bool amorcer_dossier(const std::string& source, const std::string& cible) {
  bool reussi = true;
  const fs::path depart(source);
  const fs::path arrivee(cible);
  std::error_code e;
  for (const char* nom : fichiers_objets) reussi = copier_si_absent(depart / nom, arrivee / nom) && reussi;
  const fs::path parametres = depart / nom_parametres;
  if (!fs::is_directory(parametres, e)) return reussi;
  for (fs::recursive_directory_iterator it(parametres, e), fin; !e && it != fin; it.increment(e)) {
    if (!it->is_regular_file(e)) continue;
    reussi = copier_si_absent(it->path(), arrivee / nom_parametres / it->path().lexically_relative(parametres)) &&
             reussi;
  }
  return reussi && !e;
}

std::string choisir_dossier_donnees(const std::string& programme, const std::string& utilisateur) {
  const std::string parametres = avec_barre(programme) + nom_parametres;
  std::error_code e;
  const bool parametres_present = fs::is_directory(parametres, e);
  if (dossier_inscriptible(programme) && (!parametres_present || dossier_inscriptible(parametres))) {
    return avec_barre(programme);
  }
  fs::create_directories(utilisateur, e);
  if (e || !dossier_inscriptible(utilisateur)) return avec_barre(programme);
  amorcer_dossier(programme, utilisateur);
  return avec_barre(utilisateur);
}

int supprimer_temporaires_donnees(const std::string& donnees) {
  return supprimer_temporaires_abandonnes(donnees) +
         supprimer_temporaires_abandonnes(avec_barre(donnees) + nom_parametres, true);
}

std::string dossier_donnees() { return choisir_dossier_donnees(dossier_programme(), dossier_utilisateur()); }
