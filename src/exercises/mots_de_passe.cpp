// The password routines of comptes.h: Argon2id strings from libsodium.

#include <sodium.h>

#include <cstdint>
#include <limits>

#include "exercises/comptes.h"

namespace {

constexpr std::string_view prefixe_argon2id = "$argon2id$";
constexpr std::string_view prefixe_argon2i = "$argon2i$";
constexpr std::uint64_t octets_par_kio = 1024;

Tlimites_hachage limites_en_cours = {crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE};

bool sodium_pret() {
  static const bool pret = sodium_init() >= 0;
  return pret;
}

// The value after "<nom>=" in the parameters of a stored string
// ("$argon2id$v=19$m=65536,t=2,p=1$..."); nothing when absent or not a
// plain decimal number.
std::optional<std::uint64_t> parametre(std::string_view chaine, std::string_view nom) {
  const std::size_t debut_parametres = chaine.find("$m=");
  if (debut_parametres == std::string_view::npos) return {};
  std::string_view reste = chaine.substr(debut_parametres + 1);
  reste = reste.substr(0, reste.find('$'));
  while (!reste.empty()) {
    const std::string_view element = reste.substr(0, reste.find(','));
    if (element.size() > nom.size() && element.substr(0, nom.size()) == nom && element[nom.size()] == '=') {
      std::uint64_t valeur = 0;
      const std::string_view chiffres = element.substr(nom.size() + 1);
      if (chiffres.empty()) return {};
      for (const char c : chiffres) {
        if (c < '0' || c > '9') return {};
        if (__builtin_mul_overflow(valeur, 10u, &valeur) ||
            __builtin_add_overflow(valeur, static_cast<std::uint64_t>(c - '0'), &valeur))
          return {};
      }
      return valeur;
    }
    if (element.size() == reste.size()) break;
    reste.remove_prefix(element.size() + 1);
  }
  return {};
}

// A stored string whose cost exceeds these bounds is never verified, so
// that a tampered account file cannot make the login hang or exhaust memory.
bool cout_acceptable(std::string_view chaine) {
  const auto memoire_kio = parametre(chaine, "m");
  const auto operations = parametre(chaine, "t");
  if (!memoire_kio || !operations) return false;
  return *memoire_kio <= crypto_pwhash_MEMLIMIT_MODERATE / octets_par_kio &&
         *operations <= crypto_pwhash_OPSLIMIT_SENSITIVE;
}

}  // namespace

Tlimites_hachage limites_hachage_interactives() {
  return {crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE};
}

Tlimites_hachage limites_hachage() { return limites_en_cours; }

void definir_limites_hachage(const Tlimites_hachage& limites) { limites_en_cours = limites; }

std::string hacher_mot_de_passe(std::string_view mot_de_passe) {
  if (!sodium_pret()) return {};
  char chaine[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str(chaine, mot_de_passe.data(), mot_de_passe.size(), limites_en_cours.operations,
                        limites_en_cours.memoire) != 0)
    return {};
  return chaine;
}

bool est_hachage(std::string_view valeur) {
  return valeur.substr(0, prefixe_argon2id.size()) == prefixe_argon2id ||
         valeur.substr(0, prefixe_argon2i.size()) == prefixe_argon2i;
}

bool mot_de_passe_correspond(std::string_view stocke, std::string_view mot_de_passe) {
  if (!est_hachage(stocke)) return stocke == mot_de_passe;
  if (stocke.size() >= crypto_pwhash_STRBYTES || stocke.find('\0') != std::string_view::npos) return false;
  if (!cout_acceptable(stocke) || !sodium_pret()) return false;
  const std::string chaine(stocke);
  return crypto_pwhash_str_verify(chaine.c_str(), mot_de_passe.data(), mot_de_passe.size()) == 0;
}
