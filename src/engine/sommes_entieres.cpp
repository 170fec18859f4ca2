#include "engine/sommes_entieres.h"

#include <vector>

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/entiers_verifies.h"
#include "engine/expression.h"
#include "engine/lignes_predefinies.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"

namespace {

constexpr std::size_t arguments_somme = 4;
constexpr std::int64_t termes_maximaux = 100000;
// Steps counted as one guarded call in the work bound of the outermost
// call: about ten million steps, a tenth of a second, fit in it.
constexpr std::uint64_t pas_par_ouverture = 10;
// A power the text evaluation would write in floating point from here on.
constexpr std::int64_t puissance_maximale = 1000000000000000;  // 10^15

enum class Sorte { nombre, indice, somme, difference, produit, quotient, puissance, oppose, accumulation };

struct Noeud {
  explicit Noeud(Sorte s, std::int64_t v = 0, bool produit = false) : sorte(s), valeur(v), multiplie(produit) {}
  Sorte sorte;
  std::int64_t valeur;  // a number; the place of an index
  bool multiplie;       // an accumulation that is a product
  std::vector<Noeud> enfants;
};

using Noms = std::vector<std::string>;

std::optional<Noeud> lit(const std::string& texte, Noms& noms);

std::optional<Noeud> binaire(Sorte sorte, std::optional<Noeud> a, std::optional<Noeud> b) {
  if (!a || !b) return std::nullopt;
  Noeud n(sorte);
  n.enfants = {std::move(*a), std::move(*b)};
  return n;
}

std::optional<Noeud> oppose(std::optional<Noeud> a) {
  if (!a) return std::nullopt;
  Noeud n(Sorte::oppose);
  n.enfants = {std::move(*a)};
  return n;
}

std::optional<Noeud> operation_lue(const expression& e, Noms& noms) {
  static constexpr std::pair<const char*, Sorte> sortes[] = {
      {"+", Sorte::somme},     {"-", Sorte::difference}, {"*", Sorte::produit},
      {"/", Sorte::quotient},  {"^", Sorte::puissance}};
  for (const auto& [op, sorte] : sortes) {
    if (e.operateur == op) return binaire(sorte, lit(e.gauche, noms), lit(e.droite, noms));
  }
  return std::nullopt;
}

// somme(j;a;b;terme) or produit(...): the bounds read with the names in
// scope, the term with j added.
std::optional<Noeud> accumulation_lue(const std::string& t, Noms& noms) {
  std::vector<std::string> arguments;
  const int id = reconnait_fonction(t, arguments);
  if ((id != Ligne::somme && id != Ligne::produit) || arguments.size() != arguments_somme) return std::nullopt;
  auto debut = lit(arguments[1], noms);
  auto fin = lit(arguments[2], noms);
  noms.push_back(arguments[0]);
  auto terme = lit(arguments[3], noms);
  noms.pop_back();
  if (!debut || !fin || !terme) return std::nullopt;
  Noeud n(Sorte::accumulation, static_cast<std::int64_t>(noms.size()), id == Ligne::produit);
  n.enfants = {std::move(*debut), std::move(*fin), std::move(*terme)};
  return n;
}

// The term read as the numeric evaluation reads it: a leading minus first,
// then the operator, then a name or a call.
std::optional<Noeud> lit(const std::string& texte, Noms& noms) {
  GardeProfondeur garde;
  if (garde.depassee()) return std::nullopt;
  const std::string t = enleve_delimiteurs(texte, "()");
  if (est_entier(t)) {
    const auto v = lire_entier64(t);
    if (!v) return std::nullopt;
    return Noeud(Sorte::nombre, *v);
  }
  if (est_negatif(t)) return oppose(lit(t.substr(1), noms));
  const expression e(t);
  if (e.type_operateur != TypeOperateur::aucun) return operation_lue(e, noms);
  // The innermost index of that name.
  for (std::size_t k = noms.size(); k-- > 0;) {
    if (noms[k] == t) return Noeud(Sorte::indice, static_cast<std::int64_t>(k));
  }
  return accumulation_lue(t, noms);
}

struct Etat {
  std::vector<std::int64_t> indices;
  std::uint64_t pas = 0;
};

Entier evalue(const Noeud& n, Etat& etat);

Entier puissance_exacte(std::int64_t base, std::int64_t exposant) {
  if (exposant < 0) return std::nullopt;
  const Entier r = puissance_verifiee(base, static_cast<std::uint64_t>(exposant));
  if (!r || *r >= puissance_maximale || *r <= -puissance_maximale) return std::nullopt;
  return r;
}

Entier boucle(const Noeud& n, Etat& etat) {
  const Entier debut = evalue(n.enfants[0], etat);
  const Entier fin = evalue(n.enfants[1], etat);
  // Bounds the text evaluation would refuse are left to it, and its message.
  const auto en_32_bits = [](Entier n) { return n && *n >= INT32_MIN && *n <= INT32_MAX; };
  if (!en_32_bits(debut) || !en_32_bits(fin)) return std::nullopt;
  if (*fin - *debut + 1 > termes_maximaux) return std::nullopt;
  const auto place = static_cast<std::size_t>(n.valeur);
  if (etat.indices.size() <= place) etat.indices.resize(place + 1);
  Entier r = n.multiplie ? 1 : 0;
  for (std::int64_t i = *debut; i <= *fin && r; ++i) {
    if (++etat.pas % pas_par_ouverture == 0) {
      GardeProfondeur garde;
      if (garde.depassee()) return std::nullopt;
    }
    etat.indices[place] = i;
    const Entier v = evalue(n.enfants[2], etat);
    if (!v) return std::nullopt;
    r = n.multiplie ? produit_verifie(*r, *v) : somme_verifiee(*r, *v);
  }
  return r;
}

Entier evalue(const Noeud& n, Etat& etat) {
  switch (n.sorte) {
    case Sorte::nombre: return n.valeur;
    case Sorte::indice: return etat.indices[static_cast<std::size_t>(n.valeur)];
    case Sorte::oppose: {
      const Entier a = evalue(n.enfants[0], etat);
      return a ? oppose_verifie(*a) : std::nullopt;
    }
    case Sorte::accumulation: return boucle(n, etat);
    default: break;
  }
  const Entier a = evalue(n.enfants[0], etat);
  const Entier b = a ? evalue(n.enfants[1], etat) : std::nullopt;
  if (!b) return std::nullopt;
  switch (n.sorte) {
    case Sorte::somme: return somme_verifiee(*a, *b);
    case Sorte::difference: return difference_verifiee(*a, *b);
    case Sorte::produit: return produit_verifie(*a, *b);
    // Only an exact quotient: any other is a fraction, left to the texts.
    case Sorte::quotient: {
      const Entier q = quotient_verifie(*a, *b);
      return q && *q * *b == *a ? q : std::nullopt;
    }
    default: return puissance_exacte(*a, *b);
  }
}

}  // namespace

std::optional<std::int64_t> accumulation_entiere(const std::string& indice, std::int32_t a, std::int32_t b,
                                                 const std::string& terme, bool produit) {
  Noms noms{indice};
  const auto t = lit(terme, noms);
  if (!t) return std::nullopt;
  Noeud n(Sorte::accumulation, 0, produit);
  n.enfants = {Noeud(Sorte::nombre, a), Noeud(Sorte::nombre, b), std::move(*t)};
  Etat etat;
  return evalue(n, etat);
}
