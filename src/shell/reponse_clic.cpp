#include "shell/reponse_clic.h"

#include <cmath>

#include "exercises/generateurs/decimal_exact.h"
#include "localisation/nombres.h"

namespace {

constexpr char marque_exposant = 'E';

// The value's number text read exactly: "3.4" and "1.5E-5" alike.
std::optional<DecimalExact> decimal_de(double valeur) {
  if (!std::isfinite(valeur)) return std::nullopt;
  const std::string texte = texte_nombre(valeur);
  const std::size_t marque = texte.find(marque_exposant);
  const std::optional<DecimalExact> mantisse = DecimalExact::lire(texte.substr(0, marque));
  if (!mantisse || marque == std::string::npos) return mantisse;
  const std::optional<std::int32_t> exposant = lire_entier32(texte.substr(marque + 1));
  if (!exposant) return std::nullopt;
  return mantisse->fois_puissance_dix(*exposant);
}

}  // namespace

std::optional<std::string> texte_clic(double valeur, std::string_view attendue) {
  const std::optional<DecimalExact> exact = decimal_de(valeur);
  if (!exact) return std::nullopt;
  const int decimales = lire_entier64(attendue) ? 0 : decimales_clic;
  const std::optional<DecimalExact> arrondi = exact->arrondi(decimales);
  if (!arrondi) return std::nullopt;
  return arrondi->texte();
}
