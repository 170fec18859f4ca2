#include "shell/version.h"

#include "platform/systeme/fichiers_systeme.h"
#include "platform/systeme/version_fichier_info.h"

#ifndef PRALINORE_VERSION_FICHIER
#error "the build must define PRALINORE_VERSION_FICHIER"
#endif

namespace {
constexpr int cle_file_version = 4;
}

// Read once from the executable's own version block; the value the build
// compiled in stands for it should the executable not be found (no /proc).
std::string_view version_fichier() {
  static const std::string version = [] {
    try {
      return TJclFileVersionInfo(nom_fichier_module()).valeur_cle(cle_file_version);
    } catch (const EJclError&) {
      return std::string(PRALINORE_VERSION_FICHIER);
    }
  }();
  return version;
}

std::string version_sans_build(std::string_view version) {
  const auto point = version.rfind('.');
  return std::string(point == std::string_view::npos ? version : version.substr(0, point));
}

std::string version_programme() { return version_sans_build(version_fichier()); }
