#pragma once
// What each reader of Pralinore.ini takes when a key is missing or holds no
// value of its type. Where two readers of one key have always disagreed, each
// keeps its own default: both constants are here, named after their reader.

#include "platform/ini/valeurs_ini.h"

#include <cstdint>
#include <string_view>

namespace parametres::defaut {

// [generales]
inline constexpr std::int32_t langue = 0;  // French
inline constexpr Tdate_ini derniere_verif{2005, 1, 1};
// The version check asks the user first; the start-up configuration dialog
// shows the same, so that OK on an untouched dialog changes nothing.
inline constexpr bool verifier_version_mise_a_jour = true;
// Start-up shows the configuration dialog (and the dialog shows its box so).
inline constexpr bool masquer_configuration_demarrage = false;
inline constexpr std::int32_t page_demarrage = 0;  // home page
inline constexpr bool inscription = false;
inline constexpr bool barre_outils = true;

// [OptionsGraphiques]
inline constexpr std::string_view titre = "";
// The axis bounds are number text; a text that is no number gives these.
inline constexpr double xmin = -5;
inline constexpr double xmax = 5;
inline constexpr double ymin = -5;
inline constexpr double ymax = 5;
inline constexpr double pourcentagex = 50;
inline constexpr double pourcentagey = 50;
inline constexpr bool legende = true;
inline constexpr bool quadrillage = true;
// Expression text: the options dialog evaluates it again when drawing.
inline constexpr std::string_view tmin = "-7";
inline constexpr std::string_view tmax = "7";

// [Options_graphiques]
// The system's button-face colour (a colour value whose high byte marks a
// system colour).
inline constexpr std::int32_t couleur = -16777201;
inline constexpr std::int32_t precision = 12;
inline constexpr std::int32_t decimale = 2;

// [Internet]
inline constexpr bool utiliser_ie = true;
inline constexpr std::string_view Proxyserver = "";
inline constexpr std::string_view Proxyport = "0";
inline constexpr std::string_view Proxyuser = "";
// Kept in clear text: the settings file has always held it so.
inline constexpr std::string_view Proxypassword = "";
// A name that never resolves, so nothing is sent until a server is set.
inline constexpr std::string_view serveur = "www.pralinore.invalid";

// [Outils]
inline constexpr bool activer_coloration = true;
inline constexpr bool auto_mutiplier = true;
inline constexpr bool auto_reduction = false;
inline constexpr std::string_view En_calcul = "";

// [Exercices]
inline constexpr bool Aide = true;

// [Utilisateurs]
inline constexpr std::string_view defaut = "";

}  // namespace parametres::defaut
