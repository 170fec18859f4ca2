#pragma once
// The sections and keys of Pralinore.ini, spelled as the file has always
// spelled them: users' files from earlier versions must keep working.
// Names match without regard to case, so "outils" and "Outils" are one section.

#include <string_view>

#include "platform/ini/noms_utilisateurs.h"

namespace parametres {

namespace section {
inline constexpr std::string_view generales = "generales";
// The curve list, keys "0", "1"... in list order.
inline constexpr std::string_view Graphiques = "Graphiques";
// The chart's text annotations, keys "0", "1"...
inline constexpr std::string_view Textes_Graphiques = "Textes_Graphiques";
inline constexpr std::string_view OptionsGraphiques = "OptionsGraphiques";
// A second section of chart options, distinct from OptionsGraphiques.
inline constexpr std::string_view Options_graphiques = "Options_graphiques";
inline constexpr std::string_view Internet = "Internet";
inline constexpr std::string_view outils = "Outils";
inline constexpr std::string_view Exercices = "Exercices";
}  // namespace section

namespace cle {
// [generales]
inline constexpr std::string_view langue = "langue";
inline constexpr std::string_view derniere_verif = "derniere_verif";
inline constexpr std::string_view verifier_version = "verifier_version";
inline constexpr std::string_view masquer_configuration = "masquer_configuration";
inline constexpr std::string_view page_demarrage = "page_demarrage";
inline constexpr std::string_view inscription = "inscription";
inline constexpr std::string_view barre_outils = "barre_outils";

// [OptionsGraphiques]
inline constexpr std::string_view titre = "titre";
inline constexpr std::string_view xmin = "xmin";
inline constexpr std::string_view xmax = "xmax";
inline constexpr std::string_view ymin = "ymin";
inline constexpr std::string_view ymax = "ymax";
inline constexpr std::string_view pourcentagex = "pourcentagex";
inline constexpr std::string_view pourcentagey = "pourcentagey";
inline constexpr std::string_view legende = "legende";
inline constexpr std::string_view quadrillage = "quadrillage";
inline constexpr std::string_view echelle = "echelle";
inline constexpr std::string_view tmin = "tmin";
inline constexpr std::string_view tmax = "tmax";

// [Options_graphiques]
inline constexpr std::string_view couleur = "couleur";
inline constexpr std::string_view precision = "precision";
inline constexpr std::string_view decimale = "decimale";

// [Internet]
inline constexpr std::string_view utiliser_ie = "utiliser_ie";
inline constexpr std::string_view Proxyserver = "Proxyserver";
inline constexpr std::string_view Proxyport = "Proxyport";
inline constexpr std::string_view Proxyuser = "Proxyuser";
inline constexpr std::string_view Proxypassword = "Proxypassword";
// The product's web server: host, optionally ":port".
inline constexpr std::string_view serveur = "serveur";

// [Outils]
inline constexpr std::string_view activer_coloration = "activer_coloration";
// One "l" short, as every existing file has it.
inline constexpr std::string_view auto_mutiplier = "auto_mutiplier";
inline constexpr std::string_view auto_reduction = "auto_reduction";
inline constexpr std::string_view executer = "executer";
inline constexpr std::string_view En_calcul = "En_calcul";

// [Exercices]
inline constexpr std::string_view Aide = "Aide";

// [Utilisateurs] Defaut: platform/ini/noms_utilisateurs.h.
}  // namespace cle

}  // namespace parametres
