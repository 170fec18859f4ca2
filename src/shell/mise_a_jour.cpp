#include "shell/mise_a_jour.h"

#include <algorithm>
#include <vector>

#include "localisation/nombres.h"

namespace {

constexpr int jours_par_an_civil = 365;
constexpr std::size_t longueur_version_maximale = 32;

bool blanc_ou_controle(char c) {
  const auto octet = static_cast<unsigned char>(c);
  return octet <= ' ' || octet == 0x7F;
}

// The parts of "1.20.003" without leading zeros ("1", "20", "3"); nothing
// when the text is not digits separated by single dots.
std::optional<std::vector<std::string>> parties_version(std::string_view texte) {
  std::vector<std::string> parties;
  while (true) {
    const auto point = texte.find('.');
    std::string_view partie = texte.substr(0, point);
    if (partie.empty()) return std::nullopt;
    for (const char c : partie) {
      if (!est_chiffre(c)) return std::nullopt;
    }
    while (partie.size() > 1 && partie.front() == '0') partie.remove_prefix(1);
    parties.emplace_back(partie);
    if (point == std::string_view::npos) return parties;
    texte.remove_prefix(point + 1);
  }
}

// <0, 0, >0 as a is smaller, equal or greater; digit strings without leading
// zeros compare by length first.
int comparer_partie(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b);
}

// Days since a fixed origin (proleptic Gregorian calendar).
long numero_jour(const Tdate_ini& date) {
  const int annee = date.mois <= 2 ? date.annee - 1 : date.annee;
  const int mois = date.mois <= 2 ? date.mois + 12 : date.mois;
  return static_cast<long>(jours_par_an_civil) * annee + annee / 4 - annee / 100 + annee / 400 +
         (153 * (mois - 3) + 2) / 5 + date.jour;
}

}  // namespace

std::string nettoyer_reponse(std::string_view corps) {
  while (!corps.empty() && blanc_ou_controle(corps.front())) corps.remove_prefix(1);
  while (!corps.empty() && blanc_ou_controle(corps.back())) corps.remove_suffix(1);
  return std::string(corps);
}

bool texte_version(std::string_view texte) {
  if (texte.empty() || texte.size() > longueur_version_maximale) return false;
  if (!est_chiffre(texte.front()) || !est_chiffre(texte.back())) return false;
  return std::all_of(texte.begin(), texte.end(), [](char c) { return est_chiffre(c) || c == '.'; });
}

bool version_plus_recente(std::string_view reponse, std::string_view propre) {
  const auto nouvelle = parties_version(nettoyer_reponse(reponse));
  const auto actuelle = parties_version(nettoyer_reponse(propre));
  if (!nouvelle || !actuelle) return false;
  const std::size_t nombre = std::max(nouvelle->size(), actuelle->size());
  for (std::size_t i = 0; i < nombre; ++i) {
    const std::string a = i < nouvelle->size() ? (*nouvelle)[i] : "0";
    const std::string b = i < actuelle->size() ? (*actuelle)[i] : "0";
    if (const int ordre = comparer_partie(a, b); ordre != 0) return ordre > 0;
  }
  return false;
}

bool verification_due(const Tdate_ini& aujourd_hui, const Tdate_ini& derniere) {
  return numero_jour(aujourd_hui) > numero_jour(derniere) + jours_entre_verifications;
}

void verifier_mise_a_jour(bool manuel, const Tetat_mise_a_jour& etat, std::string& reponse,
                          Tservices_mise_a_jour& services) {
  if (!manuel && !verification_due(etat.aujourd_hui, etat.derniere_verif)) return;
  if (etat.demander && !services.demander_verification()) {
    services.noter_verification(etat.aujourd_hui);
    return;
  }
  if (reponse.empty()) {
    const auto corps = services.interroger_serveur();
    services.noter_verification(etat.aujourd_hui);
    if (!corps) {
      services.signaler_echec();
      return;
    }
    std::string texte = nettoyer_reponse(*corps);
    if (!texte_version(texte)) {
      services.signaler_echec();
      return;
    }
    reponse = std::move(texte);
  } else {
    services.noter_verification(etat.aujourd_hui);
  }
  if (!version_plus_recente(reponse, etat.version_propre)) {
    if (manuel) services.annoncer_a_jour();
    return;
  }
  if (services.proposer(reponse) && !services.telecharger()) services.signaler_echec();
}
