#include "shell/version.h"

#ifndef PRALINORE_VERSION_FICHIER
#error "the build must define PRALINORE_VERSION_FICHIER"
#endif

std::string_view version_fichier() { return PRALINORE_VERSION_FICHIER; }

std::string version_sans_build(std::string_view version) {
  const auto point = version.rfind('.');
  return std::string(point == std::string_view::npos ? version : version.substr(0, point));
}

std::string version_programme() { return version_sans_build(version_fichier()); }
