#pragma once
// The check for a newer version: when it runs, what it asks, how the
// server's reply compares with the program's own version and what follows.
// The questions, the request, the download and the settings file are the
// caller's services, so the whole course is known without a window or a
// network.

#include <optional>
#include <string>
#include <string_view>

#include "platform/ini/valeurs_ini.h"

// Days between two checks made automatically at start-up.
inline constexpr int jours_entre_verifications = 7;

// The text without its leading and trailing blanks and control characters.
std::string nettoyer_reponse(std::string_view corps);

// True for a version text: 1 to 32 characters, digits and dots, starting
// and ending with a digit.
bool texte_version(std::string_view texte);

// True when `reponse` is digits and dots (after trimming) naming a newer
// version than `propre`. Parts compare as numbers of any length; a missing
// part counts as 0 ("2.1" is "2.1.0").
bool version_plus_recente(std::string_view reponse, std::string_view propre);

// True when `aujourd_hui` is strictly later than `derniere` plus seven days.
bool verification_due(const Tdate_ini& aujourd_hui, const Tdate_ini& derniere);

// What the check needs from the program.
class Tservices_mise_a_jour {
public:
  virtual ~Tservices_mise_a_jour() = default;
  // "Check for a new version?"; true for Yes.
  virtual bool demander_verification() = 0;
  // The body of the version question; nothing on any failure.
  virtual std::optional<std::string> interroger_serveur() = 0;
  virtual void noter_verification(const Tdate_ini& aujourd_hui) = 0;
  // "No new version" (manual checks only).
  virtual void annoncer_a_jour() = 0;
  // "Version <v> is available, install it?"; true for Yes.
  virtual bool proposer(const std::string& version) = 0;
  // Downloads the setup program and tells the user where it is; false on
  // any failure (nothing left behind).
  virtual bool telecharger() = 0;
  // "Cannot connect: check your Internet connection."
  virtual void signaler_echec() = 0;
};

// What the check knows before it starts.
struct Tetat_mise_a_jour {
  Tdate_ini aujourd_hui;
  Tdate_ini derniere_verif;
  bool demander = true;  // ask before checking
  std::string version_propre;
};

// Runs the check. `reponse` keeps the server's reply for the run: a
// non-empty one is used without asking the server again. A reply that is not
// a version text is a failed question and is not kept.
void verifier_mise_a_jour(bool manuel, const Tetat_mise_a_jour& etat, std::string& reponse,
                          Tservices_mise_a_jour& services);
