#include "components/calculatrice/valeur_numerique.h"

#include <cmath>

#include "components/calculatrice/saisie_nombre.h"
#include "localisation/nombres.h"

namespace {

// Added to the half so that a value just below it after the scaling (2.345
// times 100 is 234.4999...) still rounds away from zero.
constexpr double demi_arrondi = 0.50000001;
constexpr double base_decimale = 10;
// "La valeur doit etre comprise entre ", Windows-1252.
constexpr std::string_view debut_message = "La valeur doit \xEAtre comprise entre ";

double arrondir(double valeur, int decimales) {
  const double echelle = std::pow(base_decimale, decimales);
  const double signe = valeur < 0 ? -1 : (valeur > 0 ? 1 : 0);
  const double arrondi = std::trunc(valeur * echelle + signe * demi_arrondi) / echelle;
  return std::isfinite(arrondi) ? arrondi : valeur;
}

}  // namespace

double verifier_valeur(const ReglesNumeriques& regles, double valeur) {
  if (regles.arrondi_decimales) valeur = arrondir(valeur, regles.decimales);
  const double min = regles.minimum;
  const double max = regles.maximum;
  if (max == min) return valeur;
  if (max > min) return valeur < min ? min : (valeur > max ? max : valeur);
  if (max == 0 && valeur < min) return min;
  if (min == 0 && valeur > max) return max;
  return valeur;
}

std::optional<std::string> message_hors_limites(const ReglesNumeriques& regles, double valeur) {
  if (verifier_valeur(regles, valeur) == valeur) return std::nullopt;
  return std::string(debut_message) + texte_nombre_fixe(regles.minimum, regles.decimales) + " et " +
         texte_nombre_fixe(regles.maximum, regles.decimales);
}

std::string texte_edition(const ReglesNumeriques& regles, double valeur) {
  valeur = verifier_valeur(regles, valeur);
  if (regles.zero_vide && valeur == 0) return {};
  std::string modele = "0";
  if (regles.decimales > 0) modele += separateur_decimal + std::string(regles.decimales, '#');
  return format_float(modele, valeur);
}

std::string texte_affichage(const ReglesNumeriques& regles, double valeur) {
  if (regles.zero_vide && valeur == 0) return {};
  if (regles.format_affichage.empty()) return texte_nombre(valeur);
  return format_float(regles.format_affichage, valeur);
}

bool saisie_acceptable(const ReglesNumeriques& regles, std::string_view texte) {
  for (const char c : texte) {
    if (!est_chiffre(c) && c != '+' && c != '-' && c != 'e' && c != 'E' && c != separateur_decimal) return false;
  }
  const std::optional<double> valeur = lire_saisie(texte);
  if (!valeur) return false;
  const auto point = texte.find(separateur_decimal);
  if (point != std::string_view::npos) {
    const auto exposant = texte.find_first_of("eE", point);
    const auto decimales = (exposant == std::string_view::npos ? texte.size() : exposant) - point - 1;
    if (static_cast<int>(decimales) > regles.decimales) return false;
  }
  return !(std::signbit(*valeur) && regles.minimum >= 0 && regles.maximum > 0);
}
