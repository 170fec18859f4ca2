// Feeds arbitrary names and account files to the account routines. The input
// is a name, a line feed, a typed password, a line feed, then the bytes of an
// account file. The name goes through the name check and the path builder,
// which must never leave the `parametres` folder; the file is then logged
// into and opened, by its own name and by the arbitrary one.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "exercises/catalogue_exercices.h"
#include "exercises/comptes.h"
#include "localisation/catalogue.h"
#include "localisation/choix_langue.h"
#include "localisation/messagerie_console.h"

namespace {

constexpr std::string_view nom_fichier_essai = "essai";
// Hashing at its lowest cost, so that runs stay fast.
constexpr Tlimites_hachage limites_rapides = {1, 8192};

std::filesystem::path dossier;

void retirer_dossier() {
  std::error_code erreur;
  std::filesystem::remove_all(dossier, erreur);
}

void preparer() {
  if (!dossier.empty()) return;
  std::string modele = (std::filesystem::temp_directory_path() / "pralinore-fuzz-comptes-XXXXXX").string();
  if (::mkdtemp(modele.data()) == nullptr) abort();
  dossier = modele;
  std::atexit(retirer_dossier);
  dossier_parametres = modele + "/";
  installer_messagerie(std::make_unique<MessagerieMuette>());
  remplir_textes(0);
  charger_exercices();
  definir_limites_hachage(limites_rapides);
}

// The path of a valid name is a file directly inside the folder.
void verifier_chemin(std::string_view nom) {
  const auto chemin = chemin_compte(nom);
  if (chemin.has_value() && !nom_compte_valide(nom)) abort();
  if (!chemin) return;
  const std::filesystem::path p(*chemin);
  if (p.parent_path() != dossier || p.filename() == ".." || p.filename() == "." ||
      chemin->substr(0, dossier_parametres.size()) != dossier_parametres ||
      chemin->find('/', dossier_parametres.size()) != std::string::npos)
    abort();
}

std::string_view couper_ligne(std::string_view& reste) {
  const std::size_t fin = reste.find('\n');
  const std::string_view ligne = reste.substr(0, fin);
  reste = fin == std::string_view::npos ? std::string_view{} : reste.substr(fin + 1);
  return ligne;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  preparer();
  std::string_view reste(reinterpret_cast<const char*>(donnees), taille);
  const std::string nom(couper_ligne(reste));
  const std::string mot_de_passe(couper_ligne(reste));
  verifier_chemin(nom);
  std::ofstream(dossier / (std::string(nom_fichier_essai) + ".cpt"), std::ios::binary | std::ios::trunc)
      << reste;
  verifier_compte(nom_fichier_essai, mot_de_passe);
  ouvrir_compte(nom_fichier_essai);
  fermer_session();
  verifier_compte(nom, mot_de_passe);
  ouvrir_compte(nom);
  for (const std::string& compte : lister_comptes()) verifier_chemin(compte);
  fermer_session();
  return 0;
}
