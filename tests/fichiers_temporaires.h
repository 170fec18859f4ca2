#pragma once
// Files for tests: a folder of the test's own and the bytes of a file.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh empty folder "pralinore-<nom>-XXXXXX" under the system's
// temporary folder, so that tests ctest runs side by side never share one;
// an empty path when none could be made.
inline std::filesystem::path dossier_temporaire(const std::string& nom) {
  std::string modele = (std::filesystem::temp_directory_path() / ("pralinore-" + nom + "-XXXXXX")).string();
  if (::mkdtemp(modele.data()) == nullptr) return {};
  return modele;
}

// Every byte of a file as it stands on disk; "" for a missing file.
inline std::string lire_octets(const std::filesystem::path& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}
