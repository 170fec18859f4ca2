#pragma once
// The version information of a file: its "name=value" items and the value of
// each of the twelve version keys. Linux executables carry no version
// resource, so the program's own executable answers from the block the build
// compiles into it, and every other file has no version information.

#include <stdexcept>
#include <string>
#include <vector>

// The helpers' errors; a message can come from its resource string number.
class EJclError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  explicit EJclError(int numero_texte);
};

class EJclFileVersionInfoError : public EJclError {
 public:
  using EJclError::EJclError;
};

// Resource string raised for a file without version information.
inline constexpr int texte_sans_information_version = 64866;

// The text of a helper resource string; "" for an unknown number.
std::string texte_ressource_systeme(int numero);

// The version keys, indexed from 1: "Comments" ... "PrivateBuild".
inline constexpr int nombre_cles_version = 12;
const char* nom_cle_version(int index);

class TJclFileVersionInfo {
 public:
  // Raises EJclFileVersionInfoError when `fichier` has no version information.
  explicit TJclFileVersionInfo(const std::string& fichier);

  // The value of the key at `index` (1-12): the first item of that name;
  // "" when there is none or the index is outside the table.
  std::string valeur_cle(int index) const;

  // One "name=value" item per string of the block.
  const std::vector<std::string>& elements() const { return elements_; }

 private:
  std::vector<std::string> elements_;
};
