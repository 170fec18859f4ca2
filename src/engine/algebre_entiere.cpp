#include "engine/algebre_entiere.h"

#include <limits>
#include <utility>

#include "engine/entiers_verifies.h"
#include "engine/primitives.h"
#include "localisation/nombres.h"

namespace {

__extension__ using Large = __int128;

// |v| without the overflow of -INT64_MIN: a value that large passes the
// bound anyway.
std::optional<std::int64_t> absolu(std::int64_t v) { return valeur_absolue_verifiee(v); }

std::optional<std::int64_t> somme_absolue(const std::vector<std::int64_t>& ligne, std::int64_t en_plus) {
  std::optional<std::int64_t> s = absolu(en_plus);
  for (const std::int64_t v : ligne) {
    const auto a = absolu(v);
    if (!s || !a) return std::nullopt;
    s = somme_verifiee(*s, *a);
  }
  return s;
}

// Row k holds a nonzero pivot in column k after this, swapping a lower row
// in and flipping the sign; false when column k is zero from row k down.
bool pivot_trouve(std::vector<std::vector<Large>>& a, std::size_t k, bool& negatif) {
  if (a[k][k] != 0) return true;
  for (std::size_t i = k + 1; i < a.size(); ++i) {
    if (a[i][k] != 0) {
      std::swap(a[i], a[k]);
      negatif = !negatif;
      return true;
    }
  }
  return false;
}

// a / b for a division known to be exact, b a minor (64 bits): in 64-bit
// arithmetic when a fits, which is most often and many times faster.
Large quotient_exact(Large a, Large b) {
  if (a >= std::numeric_limits<std::int64_t>::min() && a <= std::numeric_limits<std::int64_t>::max()) {
    return static_cast<std::int64_t>(a) / static_cast<std::int64_t>(b);
  }
  return a / b;
}

}  // namespace

std::optional<std::int64_t> borne_laplace(const LignesEntieres& lignes, const std::vector<std::int64_t>* colonne_en_plus) {
  std::int64_t produit = 1;
  for (std::size_t r = 0; r < lignes.size(); ++r) {
    const auto s = somme_absolue(lignes[r], colonne_en_plus ? (*colonne_en_plus)[r] : 0);
    if (!s) return std::nullopt;
    const auto p = produit_verifie(produit, *s == 0 ? 1 : *s);
    if (!p || *p > borne_entiere_sure) return std::nullopt;
    produit = *p;
  }
  return produit;
}

std::int64_t determinant_entier(LignesEntieres lignes) {
  const std::size_t n = lignes.size();
  std::vector<std::vector<Large>> a(n);
  for (std::size_t r = 0; r < n; ++r) a[r].assign(lignes[r].begin(), lignes[r].end());
  bool negatif = false;
  Large precedent = 1;
  for (std::size_t k = 0; k + 1 < n; ++k) {
    if (!pivot_trouve(a, k, negatif)) return 0;
    for (std::size_t i = k + 1; i < n; ++i) {
      for (std::size_t j = k + 1; j < n; ++j) a[i][j] = quotient_exact(a[k][k] * a[i][j] - a[i][k] * a[k][j], precedent);
    }
    precedent = a[k][k];
  }
  if (n == 0) return 1;
  const auto d = static_cast<std::int64_t>(a[n - 1][n - 1]);
  return negatif ? -d : d;
}

LignesEntieres mineur_entier(const LignesEntieres& lignes, std::size_t ligne, std::size_t colonne) {
  LignesEntieres m;
  m.reserve(lignes.size());
  for (std::size_t r = 0; r < lignes.size(); ++r) {
    if (r == ligne) continue;
    std::vector<std::int64_t> l;
    l.reserve(lignes[r].size());
    for (std::size_t c = 0; c < lignes[r].size(); ++c) {
      if (c != colonne) l.push_back(lignes[r][c]);
    }
    m.push_back(std::move(l));
  }
  return m;
}

std::string quotient_entier_ecrit(std::int64_t n, std::int64_t d) {
  if (n == 0) return "0";
  const std::int64_t g = pgcd(n, d);
  const std::int64_t an = n / g < 0 ? -(n / g) : n / g;
  const std::int64_t ad = d / g < 0 ? -(d / g) : d / g;
  std::string t = (n < 0) != (d < 0) ? "-" : "";
  t += texte_entier(an);
  if (ad != 1) {
    t += '/';
    t += texte_entier(ad);
  }
  return t;
}

std::optional<std::int64_t> quarts_ecrits(std::string_view places) {
  if (places == "0" || places == "00") return 0;
  if (places == "25") return 1;
  if (places == "5" || places == "50") return 2;
  if (places == "75") return 3;
  return std::nullopt;
}

std::optional<std::int64_t> naturel_ecrit(std::string_view t, std::size_t chiffres, bool zero_admis) {
  if (t.empty() || t.size() > chiffres || (t[0] == '0' && (t.size() > 1 || !zero_admis))) return std::nullopt;
  std::int64_t n = 0;
  for (const char c : t) {
    if (!est_chiffre(c)) return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

Rationnel rationnel_reduit(std::int64_t n, std::int64_t d) {
  std::int64_t g = pgcd(n, d);
  if (g < 0) g = -g;
  return g > 1 ? Rationnel{n / g, d / g} : Rationnel{n, d};
}

std::optional<Rationnel> somme_rationnelle(const Rationnel& a, const Rationnel& b) {
  const Entier ad = produit_verifie(a.n, b.d);
  const Entier bd = produit_verifie(b.n, a.d);
  const Entier d = produit_verifie(a.d, b.d);
  if (!ad || !bd || !d) return std::nullopt;
  const Entier n = somme_verifiee(*ad, *bd);
  if (!n) return std::nullopt;
  return rationnel_reduit(*n, *d);
}

std::optional<Rationnel> produit_rationnel(const Rationnel& a, const Rationnel& b) {
  const Entier n = produit_verifie(a.n, b.n);
  const Entier d = produit_verifie(a.d, b.d);
  if (!n || !d) return std::nullopt;
  return rationnel_reduit(*n, *d);
}

std::string texte_rationnel(const Rationnel& r) {
  return r.d == 1 ? texte_entier(r.n) : texte_entier(r.n) + "/" + texte_entier(r.d);
}
