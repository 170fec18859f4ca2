#include "engine/matrice.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "engine/algebre_entiere.h"
#include "engine/appel_fonction.h"
#include "engine/chemins_rapides.h"
#include "engine/decoupage.h"
#include "engine/developpement.h"
#include "engine/entiers_verifies.h"
#include "engine/fractions.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/regroupement.h"
#include "engine/valeurs_erreur.h"
#include "localisation/nombres.h"

namespace {

using Colonnes = std::uint32_t;  // a set of column indices, one bit each

Colonnes sans(Colonnes c, int j) { return c & ~(Colonnes{1} << j); }

std::string signe_cofacteur(int k) { return k % 2 == 0 ? "1" : "-1"; }

// Expanded and collected. The collection keeps exact and decimal numbers
// apart (0.5*3-1 gives 1.5-1): a result of numbers only is brought to one
// number, so that a singular matrix of decimals has determinant 0.
std::string collecte(const std::string& somme) { return fraction_des_nombres(regroupe_somme(developper(somme))); }

// Every column holds nb_lignes entries: the public fields may have been
// filled by hand, and nothing may be read past them.
bool coherente(const Tmatrice& m) {
  if (m.nb_colonnes < 0 || m.nb_lignes < 0 || m.coefficients.size() != static_cast<std::size_t>(m.nb_colonnes)) {
    return false;
  }
  return std::all_of(m.coefficients.begin(), m.coefficients.end(),
                     [&](const auto& c) { return c.size() == static_cast<std::size_t>(m.nb_lignes); });
}

// The first error value among the entries, row by row, or "".
std::string premiere_erreur(const Tmatrice& m) {
  for (int r = 0; r < m.nb_lignes; ++r) {
    for (int c = 0; c < m.nb_colonnes; ++c) {
      if (est_erreur(m.coefficients[c][r])) return m.coefficients[c][r];
    }
  }
  return "";
}

// The expansion of a square matrix along its last row, recursively. A minor
// met on the way keeps the first k rows and k of the columns, so it is
// known by its set of columns: each one is computed once, which turns the
// n! products of the expansion into n * 2^n steps and changes no text.
class Laplace {
 public:
  explicit Laplace(const Tmatrice& m) : m_(m), textes_(std::size_t{1} << m.nb_colonnes) {}

  std::string determinant() { return texte(toutes()); }

  // The determinant of a matrix of integers in checked arithmetic, the same
  // number the texts give and hundreds of times faster; no value when an
  // entry is no integer or a step overflows, and the texts take over.
  Entier valeur() {
    if (!entiers_lus()) return std::nullopt;
    valeurs_.assign(textes_.size(), std::nullopt);
    return valeur(toutes());
  }

 private:
  Colonnes toutes() const { return (Colonnes{1} << m_.nb_colonnes) - 1; }

  const std::string& entree(int ligne, int colonne) const { return m_.coefficients[colonne][ligne]; }

  static std::vector<int> indices(Colonnes c) {
    std::vector<int> j;
    for (int k = 0; c >> k != 0; ++k) {
      if ((c >> k) & 1u) j.push_back(k);
    }
    return j;
  }

  std::string texte(Colonnes c) {
    GardeProfondeur garde;
    if (garde.depassee()) return "";
    if (!textes_[c]) textes_[c] = calcule(c);
    return *textes_[c];
  }

  std::string calcule(Colonnes c) {
    const std::vector<int> j = indices(c);
    const int k = static_cast<int>(j.size());
    if (k == 0) return "1";
    if (k == 1) return entree(0, j[0]);
    if (k == 2) {
      return collecte(operation(operation(entree(0, j[0]), entree(1, j[1]), "*"),
                                operation(entree(0, j[1]), entree(1, j[0]), "*"), "-"));
    }
    std::string somme;  // operation takes the empty text as the start of a sum
    for (int i = 0; i < k; ++i) {
      const std::string terme =
          operation(operation(signe_cofacteur(i + k - 1), entree(k - 1, j[i]), "*"), texte(sans(c, j[i])), "*");
      somme = operation(somme, terme, "+");
    }
    return collecte(somme);
  }

  bool entiers_lus() {
    entiers_.assign(static_cast<std::size_t>(m_.nb_colonnes), {});
    for (int c = 0; c < m_.nb_colonnes; ++c) {
      for (int r = 0; r < m_.nb_lignes; ++r) {
        const std::string& e = entree(r, c);
        const Entier n = entier_ecrit(e);
        if (!n) return false;
        entiers_[c].push_back(*n);
      }
    }
    return true;
  }

  Entier valeur(Colonnes c) {
    if (valeurs_[c]) return valeurs_[c];
    GardeProfondeur garde;
    if (garde.depassee()) return std::nullopt;
    const int k = std::popcount(c);
    Entier somme = k == 0 ? 1 : 0;
    int i = 0;
    for (int j = 0; c >> j != 0; ++j) {
      if (((c >> j) & 1u) == 0) continue;
      const Entier mineur = valeur(sans(c, j));
      const Entier terme = mineur ? produit_verifie(entiers_[j][k - 1], *mineur) : std::nullopt;
      if (!terme) return std::nullopt;
      somme = (i + k - 1) % 2 == 0 ? somme_verifiee(*somme, *terme) : difference_verifiee(*somme, *terme);
      if (!somme) return std::nullopt;
      ++i;
    }
    valeurs_[c] = somme;
    return somme;
  }

  const Tmatrice& m_;
  std::vector<std::optional<std::string>> textes_;
  std::vector<std::vector<std::int64_t>> entiers_;  // by column, when every entry is one
  std::vector<Entier> valeurs_;
};

// Beyond integers, the elimination takes quotients of integers of at most
// 4 digits by integers of at most 2, in matrices of at most 3 rows whose
// integers have at most 4 digits too: the written expansion works on them
// exactly, and writes each determinant as its reduced quotient.
constexpr std::size_t chiffres_numerateur = 4;
constexpr std::size_t chiffres_denominateur = 2;
constexpr std::int64_t entier_maximal = 9999;
constexpr int lignes_non_entieres = 3;
// The bound the expansion of the rows brought to integers times the square
// of their scales must keep: the written quotients stay far from an
// overflow.
constexpr std::int64_t borne_non_entiere = 100000000000000;  // 10^14

// An entry n/d: an integer text, or "-"? integer "/" integer (d > 0).
struct Fraction {
  std::int64_t n = 0;
  std::int64_t d = 1;
};

std::optional<Fraction> fraction_lue(const std::string& e) {
  const std::size_t barre = e.find('/');
  if (barre == std::string::npos) {
    const Entier v = entier_ecrit(e);
    return v ? std::optional<Fraction>(Fraction{*v, 1}) : std::nullopt;
  }
  const std::string haut = e.substr(0, barre);
  const std::string bas = e.substr(barre + 1);
  if (!est_entier(haut) || !est_entier(bas) || bas[0] == '-' || (bas.size() > 1 && bas[0] == '0') ||
      haut.size() - (haut[0] == '-') > chiffres_numerateur || bas.size() > chiffres_denominateur) {
    return std::nullopt;
  }
  const std::int64_t n = *entier_du_texte(haut);
  const std::int64_t d = *entier_du_texte(bas);
  if (d == 0 || (haut.size() - (haut[0] == '-') > 1 && haut[haut[0] == '-'] == '0')) return std::nullopt;
  return Fraction{n, d};
}

// The matrix with each row times the least common multiple of its
// denominators: integer rows, and the scales.
struct MatriceEntiere {
  LignesEntieres lignes;
  std::vector<std::int64_t> echelles;
  bool entiere = true;  // no quotient among the entries
};

std::optional<MatriceEntiere> en_entiers(const Tmatrice& m) {
  MatriceEntiere r;
  for (int l = 0; l < m.nb_lignes; ++l) {
    std::vector<Fraction> ligne;
    std::int64_t echelle = 1;
    for (int c = 0; c < m.nb_colonnes; ++c) {
      const auto f = fraction_lue(m.coefficients[c][l]);
      if (!f) return std::nullopt;
      ligne.push_back(*f);
      if (f->d != 1) r.entiere = false;
      echelle = echelle / pgcd(echelle, f->d) * f->d;  // at most 99^8
    }
    std::vector<std::int64_t> entiers;
    for (const auto& f : ligne) {
      const Entier v = produit_verifie(f.n, echelle / f.d);
      if (!v) return std::nullopt;
      entiers.push_back(*v);
    }
    r.lignes.push_back(std::move(entiers));
    r.echelles.push_back(echelle);
  }
  return r;
}

// Whether the entries of a quotient matrix stay within the class.
bool non_entiere_sure(const Tmatrice& m, const MatriceEntiere& e, std::int64_t borne) {
  if (m.nb_lignes > lignes_non_entieres) return false;
  for (const auto& colonne : m.coefficients) {
    for (const auto& x : colonne) {
      if (std::abs(fraction_lue(x)->n) > entier_maximal) return false;  // an integer entry
    }
  }
  Entier produit = borne;
  for (const std::int64_t s : e.echelles) {
    if (produit) produit = produit_verifie(*produit, s);
    if (produit) produit = produit_verifie(*produit, s);
  }
  return produit && *produit <= borne_non_entiere;
}

// The matrix in integers when it is square, within the size allowed, made
// of integer texts and quotients of the class only, and small enough that
// the Laplace expansion of it and of its minors cannot overflow: the
// expansion then answers with the exact value, which elimination finds
// too. Nothing once the work limit was passed, where the written steps
// decide what is returned.
std::optional<MatriceEntiere> entiers_surs(const Tmatrice& m) {
  if (etat_profondeur.depassement || !coherente(m) || m.nb_colonnes != m.nb_lignes ||
      m.nb_lignes > taille_maximale_matrice) {
    return std::nullopt;
  }
  auto e = en_entiers(m);
  if (!e) return std::nullopt;
  const auto borne = borne_laplace(e->lignes);
  if (!borne || (!e->entiere && !non_entiere_sure(m, *e, *borne))) return std::nullopt;
  return e;
}

// The product of the scales but the one of row `sauf` (none when it is past
// the rows).
std::int64_t produit_echelles(const MatriceEntiere& e, std::size_t sauf) {
  std::int64_t p = 1;
  for (std::size_t r = 0; r < e.echelles.size(); ++r) {
    if (r != sauf) p *= e.echelles[r];  // within borne_non_entiere
  }
  return p;
}

// The determinant of a matrix of entiers_surs, written as the expansion
// writes its exact value.
std::string determinant_exact(const MatriceEntiere& e) {
  return quotient_entier_ecrit(determinant_entier(e.lignes), produit_echelles(e, e.echelles.size()));
}

// The inverse of a matrix of entiers_surs: each entry is the cofactor over
// the determinant, written as the quotient of their texts is. With the
// rows scaled, the cofactor of row j over the determinant is the scaled
// one times the scale of row j over the scaled determinant.
std::variant<Tmatrice, std::string> inverse_entiere(const Tmatrice& m, const MatriceEntiere& e) {
  const std::int64_t d = determinant_entier(e.lignes);
  if (d == 0) return valeur_erreur(textes_fixes().matrice_non_inversible);
  Tmatrice r = Tmatrice::Create_carree("Inv" + m.nom, m.nb_lignes);
  for (std::size_t i = 0; i < e.lignes.size(); ++i) {
    for (std::size_t j = 0; j < e.lignes.size(); ++j) {
      const std::int64_t mineur = determinant_entier(mineur_entier(e.lignes, j, i)) * e.echelles[j];
      r.coefficients[j][i] = quotient_entier_ecrit((i + j) % 2 == 0 ? mineur : -mineur, d);
    }
  }
  return r;
}

// A matrix of distinct lowercase letters, none a constant: no two products
// of its expansion are alike, so the collection keeps every term as the
// expansion writes it, and the determinant is that list of terms.
bool lettres_distinctes(const Tmatrice& m) {
  if (etat_profondeur.depassement || !coherente(m) || m.nb_colonnes != m.nb_lignes || m.nb_lignes == 0) return false;
  std::uint32_t vues = 0;
  for (const auto& colonne : m.coefficients) {
    for (const auto& e : colonne) {
      if (e.size() != 1 || e[0] < 'a' || e[0] > 'z' || est_constante(e)) return false;
      const std::uint32_t bit = std::uint32_t{1} << (e[0] - 'a');
      if (vues & bit) return false;
      vues |= bit;
    }
  }
  return true;
}

// The terms of the expansion along the last row of the minor on the first
// k rows and the columns of c, in the order the written expansion and its
// collection give them: the entry times each term of its collected minor,
// the cofactor's sign times the term's, then ordered as the collection
// orders terms.
class TermesLettres {
 public:
  explicit TermesLettres(const Tmatrice& m) : m_(m) {}

  std::string determinant() const {
    std::string t;
    for (const auto& [negatif, produit] : termes((Colonnes{1} << m_.nb_colonnes) - 1)) {
      if (negatif) {
        t += '-';
      } else if (!t.empty()) {
        t += '+';
      }
      t += produit;
    }
    return t;
  }

 private:
  using Terme = std::pair<bool, std::string>;  // negative, product

  std::vector<Terme> termes(Colonnes c) const {
    std::vector<int> j;
    for (int k = 0; c >> k != 0; ++k) {
      if ((c >> k) & 1u) j.push_back(k);
    }
    const int k = static_cast<int>(j.size());
    if (k == 1) return {{false, entree(0, j[0])}};
    std::vector<Terme> t;
    if (k == 2) {
      // The 2x2 minor is written row 0 first, as Laplace::calcule writes it.
      t = {{false, entree(0, j[0]) + "*" + entree(1, j[1])}, {true, entree(0, j[1]) + "*" + entree(1, j[0])}};
    }
    for (int i = 0; i < k && k > 2; ++i) {
      const bool negatif = (i + k - 1) % 2 != 0;
      for (auto& [n, produit] : termes(sans(c, j[i]))) t.emplace_back(n != negatif, entree(k - 1, j[i]) + "*" + produit);
    }
    ordonne(t);
    return t;
  }

  // The collection's ordering of terms by their literal parts, here the
  // products themselves.
  static void ordonne(std::vector<Terme>& t) {
    std::vector<std::string_view> cles;
    cles.reserve(t.size());
    for (const auto& terme : t) cles.push_back(terme.second);
    range_selon(t, ordre_de_collecte(cles));
  }

  const std::string& entree(int ligne, int colonne) const { return m_.coefficients[colonne][ligne]; }

  const Tmatrice& m_;
};

std::string erreur_taille(const Tmatrice& m) {
  if (!coherente(m)) return valeur_erreur(textes_fixes().matrice_invalide);
  if (m.nb_colonnes != m.nb_lignes) return valeur_erreur(textes_fixes().matrice_non_carree);
  if (m.nb_lignes > taille_maximale_matrice) return valeur_erreur(textes_fixes().matrice_trop_grande);
  return premiere_erreur(m);
}

}  // namespace

Tmatrice Tmatrice::Create(std::string nom, int nb_colonnes, int nb_lignes) {
  Tmatrice m;
  m.nom = std::move(nom);
  m.nb_colonnes = std::max(nb_colonnes, 0);
  m.nb_lignes = std::max(nb_lignes, 0);
  m.coefficients.assign(static_cast<std::size_t>(m.nb_colonnes),
                        std::vector<std::string>(static_cast<std::size_t>(m.nb_lignes)));
  return m;
}

Tmatrice Tmatrice::Create_carree(std::string nom, int n) { return Create(std::move(nom), n, n); }

void Tmatrice::supprimer_ligne_colonne(int colonne, int ligne) {
  if (!coherente(*this) || colonne < 0 || colonne >= nb_colonnes || ligne < 0 || ligne >= nb_lignes) return;
  coefficients.erase(coefficients.begin() + colonne);
  for (auto& c : coefficients) c.erase(c.begin() + ligne);
  --nb_colonnes;
  --nb_lignes;
}

std::string Tmatrice::determinant() const {
  if (std::string erreur = erreur_taille(*this); !erreur.empty()) return erreur;
  return sous_garde([&] {
    if (chemins_rapides_actifs()) {
      if (const auto e = entiers_surs(*this)) return determinant_exact(*e);
      if (lettres_distinctes(*this)) return TermesLettres(*this).determinant();
    }
    Laplace laplace(*this);
    if (const Entier n = laplace.valeur()) return texte_entier(*n);
    const std::string d = laplace.determinant();
    // A single entry is collected as the expansion collects larger ones.
    return nb_lignes == 1 ? collecte(d) : d;
  });
}

std::variant<Tmatrice, std::string> Tmatrice::inverse() const {
  if (chemins_rapides_actifs()) {
    if (const auto e = entiers_surs(*this)) return inverse_entiere(*this, *e);
  }
  GardeProfondeur garde;
  const std::string d = determinant();
  if (est_erreur(d)) return d;
  if (d == "0") return valeur_erreur(textes_fixes().matrice_non_inversible);
  Tmatrice r = Create_carree("Inv" + nom, nb_lignes);
  for (int i = 0; i < nb_lignes && !garde.depassee(); ++i) {
    for (int j = 0; j < nb_colonnes; ++j) {
      // Row i, column j of the inverse: the cofactor of row j, column i.
      Tmatrice mineur = *this;
      mineur.nom = "A";
      mineur.supprimer_ligne_colonne(i, j);
      r.coefficients[j][i] =
          fraction(operation(operation(signe_cofacteur(i + j), mineur.determinant(), "*"), d, "/"));
    }
  }
  if (garde.externe() && garde.depassee()) return erreur_trop_complexe();
  return r;
}

std::string Tmatrice::texte() const {
  if (!coherente(*this)) return "";
  std::string t = "[";
  for (int r = 0; r < nb_lignes; ++r) {
    if (r > 0) t += ';';
    t += '[';
    for (int c = 0; c < nb_colonnes; ++c) {
      if (c > 0) t += ';';
      t += coefficients[c][r];
    }
    t += ']';
  }
  return t + "]";
}

std::optional<Tmatrice> lire_matrice(const std::string& t) {
  const std::vector<std::string> items = decoupe(t, ';');
  if (items.size() < 2 || items[0].empty()) return std::nullopt;
  const auto lignes = elements_entre_crochets(items[1]);
  if (!lignes) return std::nullopt;
  std::vector<std::vector<std::string>> entrees;
  for (const auto& ligne : *lignes) {
    auto e = elements_entre_crochets(ligne);
    if (!e || (!entrees.empty() && e->size() != entrees.front().size())) return std::nullopt;
    entrees.push_back(std::move(*e));
  }
  const int colonnes = static_cast<int>(entrees.front().size());
  Tmatrice m = Tmatrice::Create(items[0], colonnes, static_cast<int>(entrees.size()));
  for (std::size_t r = 0; r < entrees.size(); ++r) {
    for (std::size_t c = 0; c < entrees[r].size(); ++c) m.coefficients[c][r] = std::move(entrees[r][c]);
  }
  return m;
}
