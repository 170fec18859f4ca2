#include "engine/console/lignes_console.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "localisation/texte_1252.h"

std::string dossier_programme() {
  if (const char* dossier = std::getenv("PRALINORE_APPDIR"); dossier != nullptr && *dossier != '\0') {
    return dossier;
  }
  std::error_code erreur;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", erreur);
  return erreur ? std::string(".") : exe.parent_path().string();
}

void repondre_ligne_par_ligne(const std::function<std::string(const std::string&)>& reponse) {
  std::string ligne;
  while (std::getline(std::cin, ligne)) {
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    const std::string sortie = vers_utf8(reponse(depuis_utf8(ligne))) + "\n";
    std::fwrite(sortie.data(), 1, sortie.size(), stdout);
  }
}
