#include "localisation/format.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "localisation/nombres.h"

namespace {

struct Directive {
  std::optional<int> indice;
  bool a_gauche = false;
  int largeur = 0;
  std::optional<int> precision;
  char type = 0;
  std::size_t longueur = 0;  // characters of the directive, "%" included
};

// Reads a number at `i`; leaves `i` unchanged when none is there.
std::optional<int> lit_nombre(std::string_view modele, std::size_t& i) {
  std::size_t j = i;
  while (j < modele.size() && modele[j] >= '0' && modele[j] <= '9') ++j;
  if (j == i || j - i > 4) return std::nullopt;
  int n = 0;
  std::from_chars(modele.data() + i, modele.data() + j, n);
  i = j;
  return n;
}

// Parses "%[index:][-][width][.prec]type" starting at the "%" in `debut`.
std::optional<Directive> lit_directive(std::string_view modele, std::size_t debut) {
  Directive d;
  std::size_t i = debut + 1;
  std::size_t apres_indice = i;
  if (auto n = lit_nombre(modele, apres_indice); n && apres_indice < modele.size() && modele[apres_indice] == ':') {
    d.indice = *n;
    i = apres_indice + 1;
  }
  if (i < modele.size() && modele[i] == '-') {
    d.a_gauche = true;
    ++i;
  }
  if (auto n = lit_nombre(modele, i)) d.largeur = *n;
  if (i < modele.size() && modele[i] == '.') {
    ++i;
    d.precision = lit_nombre(modele, i);
    if (!d.precision) return std::nullopt;
  }
  if (i >= modele.size()) return std::nullopt;
  const char type = static_cast<char>(modele[i] | 0x20);  // Format's letters ignore case
  if (type != 's' && type != 'd' && type != 'u' && type != 'g' && type != 'f') return std::nullopt;
  d.type = type;
  d.longueur = i + 1 - debut;
  return d;
}

double en_reel(const ArgumentFormat& a) {
  if (auto e = std::get_if<std::int64_t>(&a.valeur())) return static_cast<double>(*e);
  if (auto r = std::get_if<double>(&a.valeur())) return *r;
  return lire_nombre(std::get<std::string_view>(a.valeur())).value_or(0.0);
}

std::string en_texte(const ArgumentFormat& a) {
  if (auto t = std::get_if<std::string_view>(&a.valeur())) return std::string(*t);
  if (auto e = std::get_if<std::int64_t>(&a.valeur())) return texte_entier(*e);
  return texte_nombre(std::get<double>(a.valeur()));
}

std::string en_entier(const ArgumentFormat& a, std::optional<int> chiffres) {
  std::string texte;
  if (auto e = std::get_if<std::int64_t>(&a.valeur())) {
    texte = texte_entier(*e);
  } else if (auto r = std::get_if<double>(&a.valeur())) {
    texte = std::isfinite(*r) ? texte_nombre_fixe(std::trunc(*r), 0) : texte_nombre(*r);
  } else {
    texte = std::string(std::get<std::string_view>(a.valeur()));
  }
  // "%.3d" pads the digits with zeros, after any sign.
  const std::size_t signe = (!texte.empty() && texte[0] == '-') ? 1 : 0;
  if (chiffres && static_cast<int>(texte.size() - signe) < *chiffres) {
    texte.insert(signe, static_cast<std::size_t>(*chiffres) - (texte.size() - signe), '0');
  }
  return texte;
}

std::string applique(const Directive& d, const ArgumentFormat& a) {
  switch (d.type) {
    case 's': {
      std::string texte = en_texte(a);
      if (d.precision && static_cast<int>(texte.size()) > *d.precision) texte.resize(*d.precision);
      return texte;
    }
    case 'd':
    case 'u':
      return en_entier(a, d.precision);
    case 'f':
      return texte_nombre_fixe(en_reel(a), d.precision.value_or(2));
    default:
      return texte_nombre_g(en_reel(a));
  }
}

}  // namespace

std::string Format(std::string_view modele, std::initializer_list<ArgumentFormat> arguments) {
  const ArgumentFormat* args = arguments.begin();
  std::string sortie;
  sortie.reserve(modele.size() + 16 * arguments.size());
  std::size_t suivant = 0;
  std::size_t i = 0;
  while (i < modele.size()) {
    const char c = modele[i];
    if (c != '%') {
      sortie.push_back(c);
      ++i;
      continue;
    }
    if (i + 1 < modele.size() && modele[i + 1] == '%') {
      sortie.push_back('%');
      i += 2;
      continue;
    }
    const auto d = lit_directive(modele, i);
    if (!d) {
      sortie.push_back('%');
      ++i;
      continue;
    }
    if (d->indice) suivant = static_cast<std::size_t>(*d->indice);
    std::string texte = suivant < arguments.size() ? applique(*d, args[suivant]) : std::string();
    ++suivant;
    if (static_cast<int>(texte.size()) < d->largeur) {
      const std::string blancs(d->largeur - texte.size(), ' ');
      texte = d->a_gauche ? texte + blancs : blancs + texte;
    }
    sortie += texte;
    i += d->longueur;
  }
  return sortie;
}
