#include "engine/arrondi_decimal.h"

#include <charconv>
#include <cmath>
#include <string>

#include "localisation/nombres.h"

namespace {

// Enough room for the shortest scientific text of any double.
constexpr int taille_tampon = 40;

// The shortest decimal digits of a positive finite value and its exponent:
// value = 0.d1d2d3... x 10^exposant.
struct Decimal {
  std::string chiffres;
  int exposant = 0;
};

Decimal decimal_court(double valeur) {
  char tampon[taille_tampon];
  const auto fin = std::to_chars(tampon, tampon + taille_tampon, valeur, std::chars_format::scientific).ptr;
  const std::string texte(tampon, fin);
  const auto e = texte.find('e');
  Decimal d;
  for (std::size_t i = 0; i < e; ++i) {
    if (texte[i] != '.') d.chiffres += texte[i];
  }
  d.exposant = *lire_entier32(texte.substr(e + 1)) + 1;
  return d;
}

// Adds one unit in the last digit; a carry past the first digit adds a
// leading "1" and raises the exponent.
void incremente(Decimal& d) {
  for (auto i = d.chiffres.size(); i-- > 0;) {
    if (d.chiffres[i] != '9') {
      ++d.chiffres[i];
      return;
    }
    d.chiffres[i] = '0';
  }
  d.chiffres.insert(d.chiffres.begin(), '1');
  ++d.exposant;
}

double relit(const Decimal& d, bool negatif) {
  std::string texte = negatif ? "-0." : "0.";
  texte += d.chiffres.empty() ? "0" : d.chiffres;
  texte += "e" + texte_entier(d.exposant);
  return lire_nombre(texte).value_or(0);
}

}  // namespace

double RoundTo(double valeur, int chiffre) {
  if (!std::isfinite(valeur) || valeur == 0) return valeur;
  const int decimales = chiffre < 0 ? -chiffre : 0;
  Decimal d = decimal_court(std::fabs(valeur));
  // Digits kept: those before the point and `decimales` after it.
  const int gardes = d.exposant + decimales;
  if (gardes >= static_cast<int>(d.chiffres.size())) return valeur;
  if (gardes < 0) return valeur < 0 ? -0.0 : 0.0;
  const bool monte = d.chiffres[gardes] >= '5';
  d.chiffres.resize(gardes);
  if (monte) incremente(d);
  return relit(d, valeur < 0);
}
