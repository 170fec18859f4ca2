#pragma once
// How the typed values of an ini file are written as text and read back.
// Numbers go through the program's number text (localisation/nombres.h).

#include <optional>
#include <string>
#include <string_view>

// A calendar date (Gregorian, years 1..9999).
struct Tdate_ini {
  int annee = 0;
  int mois = 0;
  int jour = 0;

  bool operator==(const Tdate_ini&) const = default;
};

bool date_valide(const Tdate_ini& date);

// "yyyy-mm-dd"; the date must be valid.
std::string texte_date(const Tdate_ini& date);

// "yyyy-mm-dd" or "dd/mm/yyyy" (day and month may have one digit there);
// nothing when the text has another shape or names no real day.
std::optional<Tdate_ini> lire_texte_date(std::string_view texte);

// An integer: 0 is false, any other integer true; nothing for anything else.
std::optional<bool> lire_texte_booleen(std::string_view texte);
