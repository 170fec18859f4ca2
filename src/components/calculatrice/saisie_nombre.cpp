#include "components/calculatrice/saisie_nombre.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "localisation/nombres.h"

namespace {

constexpr std::size_t taille_groupe = 3;

std::string_view sans_espaces(std::string_view texte) {
  while (!texte.empty() && texte.front() == ' ') texte.remove_prefix(1);
  while (!texte.empty() && texte.back() == ' ') texte.remove_suffix(1);
  return texte;
}

// One section of a pattern: literal text around the number, the placeholders
// of the integer part and of the decimals, the thousands flag.
struct Section {
  std::string avant;
  std::string apres;
  int entiers_obligatoires = 0;
  int decimales_obligatoires = 0;
  int decimales_maximum = 0;
  bool milliers = false;
};

bool est_marque(char c) { return c == '0' || c == '#' || c == '.' || c == ','; }

Section lire_section(std::string_view modele) {
  Section s;
  const auto debut = std::find_if(modele.begin(), modele.end(), est_marque);
  auto fin = modele.end();
  while (fin != debut && !est_marque(*(fin - 1))) --fin;
  s.avant.assign(modele.begin(), debut);
  s.apres.assign(fin, modele.end());
  bool apres_point = false;
  for (auto p = debut; p != fin; ++p) {
    const char c = *p;
    if (c == '.') {
      apres_point = true;
    } else if (c == ',') {
      s.milliers = s.milliers || !apres_point;
    } else if (c == '0' || c == '#') {
      if (apres_point) {
        ++s.decimales_maximum;
        if (c == '0') s.decimales_obligatoires = s.decimales_maximum;
      } else if (c == '0') {
        ++s.entiers_obligatoires;
      }
    }
  }
  return s;
}

std::string grouper(const std::string& entiers) {
  std::string sortie;
  for (std::size_t i = 0; i < entiers.size(); ++i) {
    if (i > 0 && (entiers.size() - i) % taille_groupe == 0) sortie += separateur_milliers;
    sortie += entiers[i];
  }
  return sortie;
}

// The absolute value rounded to the section's decimals, without its sign.
std::string ecrire(const Section& s, double valeur) {
  std::string texte = texte_nombre_fixe(std::fabs(valeur), s.decimales_maximum);
  const auto point = texte.find('.');
  std::string entiers = texte.substr(0, point);
  std::string decimales = point == std::string::npos ? std::string() : texte.substr(point + 1);
  while (static_cast<int>(decimales.size()) > s.decimales_obligatoires && decimales.back() == '0') decimales.pop_back();
  if (entiers == "0" && s.entiers_obligatoires == 0) entiers.clear();
  if (static_cast<int>(entiers.size()) < s.entiers_obligatoires) {
    entiers.insert(0, s.entiers_obligatoires - entiers.size(), '0');
  }
  if (s.milliers) entiers = grouper(entiers);
  std::string nombre = entiers;
  if (!decimales.empty()) nombre += separateur_decimal + decimales;
  return s.avant + nombre + s.apres;
}

bool tout_zero(const std::string& texte) {
  return std::none_of(texte.begin(), texte.end(), [](char c) { return c >= '1' && c <= '9'; });
}

std::vector<std::string_view> sections(std::string_view modele) {
  std::vector<std::string_view> liste;
  for (;;) {
    const auto p = modele.find(';');
    liste.push_back(modele.substr(0, p));
    if (p == std::string_view::npos) return liste;
    modele.remove_prefix(p + 1);
  }
}

}  // namespace

std::optional<double> lire_saisie(std::string_view texte) {
  texte = sans_espaces(texte);
  std::string normal;
  for (const char c : texte) {
    if (c == separateur_milliers) continue;
    normal += c == ',' ? separateur_decimal : c;
  }
  if (normal.empty()) return 0.0;
  if (normal == "-") return -0.0;
  return lire_nombre(normal);
}

std::string format_float(std::string_view modele, double valeur) {
  if (!std::isfinite(valeur)) return texte_nombre(valeur);
  const std::vector<std::string_view> liste = sections(modele);
  const Section positive = lire_section(liste[0]);
  const std::string texte = ecrire(positive, valeur);
  const bool nul = tout_zero(texte_nombre_fixe(std::fabs(valeur), positive.decimales_maximum));
  if (nul && liste.size() > 2 && !liste[2].empty()) return ecrire(lire_section(liste[2]), 0);
  if (valeur >= 0 || nul) return texte;
  if (liste.size() > 1 && !liste[1].empty()) return ecrire(lire_section(liste[1]), valeur);
  return "-" + texte;
}
