#include "localisation/nombres.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

// Digits a double needs at most to be written exactly: 767 significant
// digits, 1074 after the point.
constexpr int chiffres_exacts_scientifique = 780;
constexpr int chiffres_exacts_fixe = 1080;
// Extra digits asked for when checking whether a value lies exactly halfway.
constexpr int chiffres_de_garde = 26;

// Significant digits of a positive finite value: value = d1.d2d3... x 10^exposant.
struct Chiffres {
  std::string chiffres;
  int exposant = 0;
};

// Splits the output of to_chars in scientific form ("d.ddde+XX").
Chiffres lit_scientifique(const char* debut, const char* fin) {
  Chiffres resultat;
  const char* p = debut;
  for (; p != fin && *p != 'e'; ++p) {
    if (*p != '.') resultat.chiffres.push_back(*p);
  }
  if (p != fin) std::from_chars(p + (p[1] == '+' ? 2 : 1), fin, resultat.exposant);
  return resultat;
}

Chiffres scientifique(double valeur, int precision) {
  std::string tampon(precision + 32, '\0');
  const auto r = std::to_chars(tampon.data(), tampon.data() + tampon.size(), valeur,
                               std::chars_format::scientific, precision - 1);
  return lit_scientifique(tampon.data(), r.ptr);
}

// True when the digits after the first `garde` ones are a 5 followed by zeros
// only, i.e. the value may lie exactly halfway at that precision.
bool moitie_apparente(const std::string& chiffres, std::size_t garde) {
  if (chiffres.size() <= garde || chiffres[garde] != '5') return false;
  return std::all_of(chiffres.begin() + garde + 1, chiffres.end(), [](char c) { return c == '0'; });
}

// Adds one unit in the last digit; the text may hold a "." (skipped). Returns
// true when a new leading digit had to be added (999 -> 1000).
bool incremente(std::string& chiffres) {
  for (auto i = chiffres.rbegin(); i != chiffres.rend(); ++i) {
    if (*i == '.') continue;
    if (*i != '9') {
      ++*i;
      return false;
    }
    *i = '0';
  }
  chiffres.insert(chiffres.begin(), '1');
  return true;
}

// Rounds a positive finite value to `precision` significant digits, exact
// halves upwards (to_chars alone rounds them to even).
Chiffres arrondi_demi_haut(double valeur, int precision) {
  char tampon[40];
  const auto court = std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::scientific);
  const Chiffres plus_court = lit_scientifique(tampon, court.ptr);
  const auto n = static_cast<int>(plus_court.chiffres.size());
  // For a normal double, the shortest text that reads back as the value is
  // the nearest point of any coarser decimal grid: a half ulp is far below
  // half a step of 15 digits.
  if (n <= precision && valeur >= std::numeric_limits<double>::min()) return plus_court;
  // An exact half is a decimal with one digit more ending in 5; such a value
  // reads back from that very text, so the shortest text shows it.
  if (n == precision + 1 && plus_court.chiffres.back() == '5') {
    const Chiffres exact = scientifique(valeur, chiffres_exacts_scientifique);
    if (moitie_apparente(exact.chiffres, precision)) {
      Chiffres resultat{exact.chiffres.substr(0, precision), exact.exposant};
      if (incremente(resultat.chiffres)) {
        resultat.chiffres.pop_back();
        ++resultat.exposant;
      }
      return resultat;
    }
  }
  return scientifique(valeur, precision);
}

std::string special(double valeur) {
  if (std::isnan(valeur)) return "NAN";
  return valeur > 0 ? "INF" : "-INF";
}

// The general format's layout of rounded significant digits.
std::string disposition(bool negatif, Chiffres c, int precision, int chiffres_exposant) {
  while (c.chiffres.size() > 1 && c.chiffres.back() == '0') c.chiffres.pop_back();
  const int n = static_cast<int>(c.chiffres.size());
  const int x = c.exposant;
  std::string texte = negatif ? "-" : "";
  if (x >= -4 && x < precision) {
    if (x >= 0) {
      texte += c.chiffres.substr(0, std::min(n, x + 1));
      if (n < x + 1) texte.append(x + 1 - n, '0');
      if (n > x + 1) texte += "." + c.chiffres.substr(x + 1);
    } else {
      texte += "0.";
      texte.append(-x - 1, '0');
      texte += c.chiffres;
    }
    return texte;
  }
  texte += c.chiffres[0];
  if (n > 1) texte += "." + c.chiffres.substr(1);
  texte += 'E';
  if (x < 0) texte += '-';
  std::string exposant = std::to_string(std::abs(x));
  if (static_cast<int>(exposant.size()) < chiffres_exposant) {
    exposant.insert(0, chiffres_exposant - exposant.size(), '0');
  }
  return texte + exposant;
}

std::string general(double valeur, int precision, int chiffres_exposant) {
  if (!std::isfinite(valeur)) return special(valeur);
  if (valeur == 0) return "0";
  return disposition(valeur < 0, arrondi_demi_haut(std::fabs(valeur), precision), precision, chiffres_exposant);
}

std::string fixe(double valeur, int decimales) {
  const double a = std::fabs(valeur);
  const auto ecrit = [a](int n) {
    std::string tampon(330 + n, '\0');
    const auto r = std::to_chars(tampon.data(), tampon.data() + tampon.size(), a,
                                 std::chars_format::fixed, n);
    tampon.resize(r.ptr - tampon.data());
    return tampon;
  };
  std::string texte = ecrit(decimales);
  const auto apres_point = [](const std::string& t) {
    const auto p = t.find('.');
    return p == std::string::npos ? std::string() : t.substr(p + 1);
  };
  if (moitie_apparente(apres_point(ecrit(decimales + chiffres_de_garde)), decimales) &&
      moitie_apparente(apres_point(ecrit(chiffres_exacts_fixe)), decimales)) {
    texte = ecrit(chiffres_exacts_fixe);
    texte.resize(texte.find('.') + (decimales > 0 ? decimales + 1 : 0));
    incremente(texte);
  }
  const bool nul = std::all_of(texte.begin(), texte.end(), [](char c) { return c == '0' || c == '.'; });
  return (valeur < 0 && !nul) ? "-" + texte : texte;
}

std::string_view sans_blancs(std::string_view texte) {
  while (!texte.empty() && texte.front() == ' ') texte.remove_prefix(1);
  while (!texte.empty() && texte.back() == ' ') texte.remove_suffix(1);
  return texte;
}

// Decimal order of magnitude of the mantissa's first non-zero digit plus the
// exponent: positive for an overflow, negative for an underflow.
long ordre_de_grandeur(std::string_view mantisse, long exposant) {
  const auto point = mantisse.find('.');
  const auto entiers = point == std::string_view::npos ? mantisse.size() : point;
  for (std::size_t i = 0; i < mantisse.size(); ++i) {
    if (mantisse[i] == '.' || mantisse[i] == '0') continue;
    const long rang = i < entiers ? static_cast<long>(entiers - i - 1) : -static_cast<long>(i - entiers);
    return rang + exposant;
  }
  return 0;
}

template <class Entier>
std::optional<Entier> lire_entier(std::string_view texte) {
  texte = sans_blancs(texte);
  const bool signe = !texte.empty() && (texte.front() == '+' || texte.front() == '-');
  const std::string_view chiffres = texte.substr(signe ? 1 : 0);
  if (chiffres.empty() || !std::all_of(chiffres.begin(), chiffres.end(), est_chiffre)) return std::nullopt;
  // from_chars takes a "-" (so the most negative value reads) but no "+".
  const std::string_view lu = texte.front() == '-' ? texte : chiffres;
  Entier valeur{};
  const auto r = std::from_chars(lu.data(), lu.data() + lu.size(), valeur);
  if (r.ec != std::errc() || r.ptr != lu.data() + lu.size()) return std::nullopt;
  return valeur;
}

}  // namespace

std::string texte_nombre(double valeur, int chiffres) {
  return general(valeur, std::clamp(chiffres, 1, chiffres_significatifs_standard), 1);
}

std::string texte_nombre_decimal(bool negatif, std::string chiffres, int exposant) {
  return disposition(negatif, {std::move(chiffres), exposant}, chiffres_significatifs_standard, 1);
}

std::string texte_nombre_g(double valeur) { return general(valeur, chiffres_significatifs_standard, 3); }

std::string texte_nombre_fixe(double valeur, int decimales) {
  if (!std::isfinite(valeur)) return special(valeur);
  return fixe(valeur, std::clamp(decimales, 0, 60));
}

std::string texte_entier(std::int64_t valeur) {
  char tampon[24];
  const auto r = std::to_chars(tampon, tampon + sizeof tampon, valeur);
  return std::string(tampon, r.ptr);
}

std::optional<double> lire_nombre(std::string_view texte) {
  texte = sans_blancs(texte);
  bool negatif = false;
  if (!texte.empty() && (texte.front() == '+' || texte.front() == '-')) {
    negatif = texte.front() == '-';
    texte.remove_prefix(1);
  }
  std::size_t i = 0;
  int chiffres = 0;
  int points = 0;
  for (; i < texte.size() && (est_chiffre(texte[i]) || texte[i] == '.'); ++i) {
    texte[i] == '.' ? ++points : ++chiffres;
  }
  if (chiffres == 0 || points > 1) return std::nullopt;
  const std::string_view mantisse = texte.substr(0, i);
  long exposant = 0;
  if (i < texte.size()) {
    if (texte[i] != 'e' && texte[i] != 'E') return std::nullopt;
    std::size_t j = i + 1;
    const bool exposant_negatif = j < texte.size() && texte[j] == '-';
    if (j < texte.size() && (texte[j] == '+' || texte[j] == '-')) ++j;
    if (j == texte.size()) return std::nullopt;
    for (; j < texte.size(); ++j) {
      if (!est_chiffre(texte[j])) return std::nullopt;
      exposant = std::min(exposant * 10 + (texte[j] - '0'), 100000L);
    }
    if (exposant_negatif) exposant = -exposant;
  }
  // The grammar is checked; from_chars does the correctly rounded conversion.
  // Its input must not start with "." so "0" is put in front.
  std::string normal = "0";
  normal.append(texte);
  double valeur = 0;
  const auto r = std::from_chars(normal.data(), normal.data() + normal.size(), valeur);
  if (r.ec == std::errc::result_out_of_range) {
    if (ordre_de_grandeur(mantisse, exposant) > 0) return std::nullopt;
    valeur = 0;
  } else if (r.ec != std::errc() || r.ptr != normal.data() + normal.size()) {
    return std::nullopt;
  }
  return negatif ? -valeur : valeur;
}

std::optional<std::int32_t> lire_entier32(std::string_view texte) { return lire_entier<std::int32_t>(texte); }

std::optional<std::int64_t> lire_entier64(std::string_view texte) { return lire_entier<std::int64_t>(texte); }
