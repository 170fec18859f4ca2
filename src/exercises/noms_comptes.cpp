// The account names of comptes.h: validation, the file of a name, the
// listing of the folder and the level names.

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "exercises/comptes.h"
#include "localisation/chaines.h"
#include "localisation/choix_langue.h"
#include "localisation/nombres.h"
#include "localisation/texte_1252.h"

namespace {

constexpr std::string_view blancs = " \t\r\n";
constexpr std::string_view signes_permis = " -_.";
constexpr std::string_view prefixe_nom_propose = "utilisateur";
constexpr std::string_view prefixe_niveau_anglais = "level ";

// Letters of Windows-1252 besides A..Z and a..z: the accented capitals and
// small letters (S, OE, Z with caron, Y with diaeresis, A-grave to
// y-diaeresis without the multiplication and division signs).
bool est_lettre_accentuee(unsigned char octet) {
  switch (octet) {
    case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F:
      return true;
    case 0xD7: case 0xF7:
      return false;
    default:
      return octet >= 0xC0;
  }
}

bool caractere_permis(char c) {
  const auto octet = static_cast<unsigned char>(c);
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         signes_permis.find(c) != std::string_view::npos || est_lettre_accentuee(octet);
}

bool meme_nom(std::string_view a, std::string_view b) { return en_minuscules(a) == en_minuscules(b); }

// The account name of a file name of the folder, when it is one: a
// ".cpt" file whose UTF-8 name comes back whole from Windows-1252 and whose
// name is valid as it stands.
std::optional<std::string> nom_du_fichier(const std::string& fichier_utf8) {
  if (fichier_utf8.size() <= extension_compte.size() ||
      fichier_utf8.compare(fichier_utf8.size() - extension_compte.size(), extension_compte.size(),
                           extension_compte) != 0)
    return {};
  const std::string radical = fichier_utf8.substr(0, fichier_utf8.size() - extension_compte.size());
  if (!est_utf8_valide(radical)) return {};
  std::string nom = depuis_utf8(radical);
  if (vers_utf8(nom) != radical || nom != nom_compte_nettoye(nom) || !nom_compte_valide(nom)) return {};
  return nom;
}

}  // namespace

std::string nom_compte_nettoye(std::string_view nom) {
  const std::size_t debut = nom.find_first_not_of(blancs);
  if (debut == std::string_view::npos) return {};
  const std::size_t fin = nom.find_last_not_of(blancs);
  return std::string(nom.substr(debut, fin - debut + 1));
}

bool nom_compte_valide(std::string_view nom) {
  const std::string nettoye = nom_compte_nettoye(nom);
  return !nettoye.empty() && nettoye.size() <= longueur_max_nom_compte && nettoye.front() != '.' &&
         std::all_of(nettoye.begin(), nettoye.end(), caractere_permis);
}

bool est_nom_gestionnaire(std::string_view nom) { return meme_nom(nom_compte_nettoye(nom), nom_gestionnaire); }

std::optional<std::string> chemin_compte(std::string_view nom) {
  if (!nom_compte_valide(nom)) return {};
  const std::string nom_fichier = compte_existant(nom).value_or(nom_compte_nettoye(nom));
  return dossier_parametres + vers_utf8(nom_fichier) + std::string(extension_compte);
}

std::vector<std::string> lister_comptes() {
  std::vector<std::string> comptes;
  std::error_code erreur;
  for (std::filesystem::directory_iterator it(dossier_parametres, erreur), fin; !erreur && it != fin;
       it.increment(erreur)) {
    if (it->is_symlink(erreur) || !it->is_regular_file(erreur)) continue;
    if (auto nom = nom_du_fichier(it->path().filename().string())) comptes.push_back(std::move(*nom));
  }
  std::sort(comptes.begin(), comptes.end(), [](const std::string& a, const std::string& b) {
    const std::string ma = en_minuscules(a);
    const std::string mb = en_minuscules(b);
    return ma != mb ? ma < mb : a < b;
  });
  return comptes;
}

std::optional<std::string> compte_existant(std::string_view nom) {
  const std::string nettoye = nom_compte_nettoye(nom);
  for (const std::string& compte : lister_comptes()) {
    if (meme_nom(compte, nettoye)) return compte;
  }
  return {};
}

std::string nom_compte_propose(const std::vector<std::string>& comptes) {
  for (std::int64_t n = 1;; ++n) {
    const std::string nom = std::string(prefixe_nom_propose) + texte_entier(n);
    if (std::none_of(comptes.begin(), comptes.end(), [&](const std::string& c) { return meme_nom(c, nom); }))
      return nom;
  }
}

int indice_classe(std::string_view texte) {
  const std::string nom = en_minuscules(nom_compte_nettoye(texte));
  for (std::size_t i = 0; i < classes_enregistrees.size(); ++i) {
    const std::string anglais = std::string(prefixe_niveau_anglais) + texte_entier(static_cast<std::int64_t>(i) + 1);
    if (nom == en_minuscules(classes_enregistrees[i]) || nom == anglais) return static_cast<int>(i);
  }
  return -1;
}
