#include "platform/systeme/version_fichier_info.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "platform/systeme/fichiers_systeme.h"

#ifndef PRALINORE_VERSION_FICHIER
#error "the build must define PRALINORE_VERSION_FICHIER"
#endif

namespace {

constexpr std::array<const char*, nombre_cles_version> cles_version = {
    "Comments",     "CompanyName",      "FileDescription", "FileVersion",
    "InternalName", "LegalCopyright",   "LegalTradeMarks", "OriginalFilename",
    "ProductName",  "ProductVersion",   "SpecialBuild",    "PrivateBuild"};

// The block the build writes into the program: the keys it does not set are
// present and empty, as a resource editor leaves them.
std::string valeur_du_bloc(const std::string& cle) {
  if (cle == "FileVersion" || cle == "ProductVersion") return PRALINORE_VERSION_FICHIER;
  if (cle == "ProductName") return "Pralinore";
  if (cle == "OriginalFilename") return "pralinore";
  return "";
}

std::string chemin_canonique(const std::string& fichier) {
  std::error_code e;
  const auto chemin = std::filesystem::canonical(fichier, e);
  return e ? std::string() : chemin.string();
}

}  // namespace

std::string texte_ressource_systeme(int numero) {
  return numero == texte_sans_information_version ? "File contains no version information" : "";
}

EJclError::EJclError(int numero_texte) : std::runtime_error(texte_ressource_systeme(numero_texte)) {}

const char* nom_cle_version(int index) {
  return index >= 1 && index <= nombre_cles_version ? cles_version[static_cast<std::size_t>(index - 1)] : "";
}

TJclFileVersionInfo::TJclFileVersionInfo(const std::string& fichier) {
  const std::string chemin = chemin_canonique(fichier);
  if (chemin.empty() || chemin != nom_fichier_module()) {
    throw EJclFileVersionInfoError(texte_sans_information_version);
  }
  for (const char* cle : cles_version) elements_.push_back(std::string(cle) + "=" + valeur_du_bloc(cle));
}

std::string TJclFileVersionInfo::valeur_cle(int index) const {
  if (index < 1 || index > nombre_cles_version) return "";
  const std::string prefixe = std::string(nom_cle_version(index)) + "=";
  for (const auto& element : elements_) {
    if (element.compare(0, prefixe.size(), prefixe) == 0) return element.substr(prefixe.size());
  }
  return "";
}
