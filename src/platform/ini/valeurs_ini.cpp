#include "platform/ini/valeurs_ini.h"

#include "localisation/nombres.h"

#include <algorithm>
#include <cstdint>

namespace {

bool bissextile(int annee) { return (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0; }

int jours_du_mois(int annee, int mois) {
  constexpr int jours[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return (mois == 2 && bissextile(annee)) ? 29 : jours[mois - 1];
}

std::string avec_zeros(int valeur, std::size_t chiffres) {
  std::string texte = texte_entier(valeur);
  if (texte.size() < chiffres) texte.insert(0, chiffres - texte.size(), '0');
  return texte;
}

// A field of digits only, `min`..`max` of them: lire_entier32 alone would
// also take signs and blanks, which have no place inside a date.
std::optional<int> champ(std::string_view texte, std::size_t min, std::size_t max) {
  if (texte.size() < min || texte.size() > max) return std::nullopt;
  if (!std::all_of(texte.begin(), texte.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  return lire_entier32(texte);
}

struct Tchamps {
  std::string_view premier, deuxieme, troisieme;
};

std::optional<Tchamps> decouper(std::string_view texte, char separateur) {
  const auto a = texte.find(separateur);
  if (a == std::string_view::npos) return std::nullopt;
  const auto b = texte.find(separateur, a + 1);
  if (b == std::string_view::npos) return std::nullopt;
  return Tchamps{texte.substr(0, a), texte.substr(a + 1, b - a - 1), texte.substr(b + 1)};
}

std::optional<Tdate_ini> date_si_valide(std::optional<int> annee, std::optional<int> mois, std::optional<int> jour) {
  if (!annee || !mois || !jour) return std::nullopt;
  const Tdate_ini date{*annee, *mois, *jour};
  if (!date_valide(date)) return std::nullopt;
  return date;
}

}  // namespace

bool date_valide(const Tdate_ini& date) {
  if (date.annee < 1 || date.annee > 9999 || date.mois < 1 || date.mois > 12) return false;
  return date.jour >= 1 && date.jour <= jours_du_mois(date.annee, date.mois);
}

std::string texte_date(const Tdate_ini& date) {
  return avec_zeros(date.annee, 4) + "-" + avec_zeros(date.mois, 2) + "-" + avec_zeros(date.jour, 2);
}

std::optional<Tdate_ini> lire_texte_date(std::string_view texte) {
  if (const auto iso = decouper(texte, '-')) {
    return date_si_valide(champ(iso->premier, 4, 4), champ(iso->deuxieme, 2, 2), champ(iso->troisieme, 2, 2));
  }
  if (const auto fr = decouper(texte, '/')) {
    return date_si_valide(champ(fr->troisieme, 4, 4), champ(fr->deuxieme, 1, 2), champ(fr->premier, 1, 2));
  }
  return std::nullopt;
}

std::optional<bool> lire_texte_booleen(std::string_view texte) {
  const std::optional<std::int64_t> entier = lire_entier64(texte);
  if (!entier) return std::nullopt;
  return *entier != 0;
}
