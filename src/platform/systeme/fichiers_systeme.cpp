#include "platform/systeme/fichiers_systeme.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {
constexpr const char* dossier_temporaire_par_defaut = "/tmp";
}

std::string sans_caracteres_finaux(std::string texte, char c) {
  while (!texte.empty() && texte.back() == c) texte.pop_back();
  if (texte.empty() && c == '/') return "/";
  return texte;
}

std::string dossier_temporaire_systeme() {
  const char* tmpdir = std::getenv("TMPDIR");
  const std::string dossier = tmpdir != nullptr && *tmpdir != '\0' ? tmpdir : dossier_temporaire_par_defaut;
  return sans_caracteres_finaux(dossier, '/');
}

bool repertoire_existe(const std::string& chemin) {
  struct stat etat {};
  return !chemin.empty() && ::stat(chemin.c_str(), &etat) == 0 && S_ISDIR(etat.st_mode);
}

bool fichier_existe(const std::string& chemin) {
  struct stat etat {};
  return !chemin.empty() && ::stat(chemin.c_str(), &etat) == 0;
}

std::string nom_fichier_module() {
  std::error_code e;
  const auto chemin = std::filesystem::canonical("/proc/self/exe", e);
  return e ? std::string() : chemin.string();
}
