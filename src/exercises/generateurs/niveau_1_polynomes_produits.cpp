#include "exercises/generateurs/niveau_1_polynomes_produits.h"

#include <string>
#include <vector>

#include "engine/developpement.h"
#include "engine/operation.h"
#include "engine/polynome.h"
#include "engine/reduction.h"
#include "exercises/contexte_generateur.h"
#include "exercises/generateur.h"
#include "exercises/generateurs/outils.h"
#include "localisation/format.h"

namespace {

constexpr const char* variable = "x";
// The cubic's high powers are small (-1 or 0), its x and constant terms
// -10..9; the other coefficients -5..4; 1632's first factor 0..9.
constexpr int haut_min = -1;
constexpr int haut_max_exclu = 1;
constexpr int bas_min = -10;
constexpr int bas_max_exclu = 10;
constexpr int coefficient_min = -5;
constexpr int coefficient_max_exclu = 5;
constexpr int chiffres = 10;

struct Tirage {
  int min = 0;
  int max_exclu = 0;
};

// The polynomial of coefficients drawn from the highest power down, drawn
// again while all are 0 (an empty factor).
std::string polynome_tire(ContexteGenerateur& contexte, const std::vector<Tirage>& tirages) {
  std::vector<double> coefficients(tirages.size(), 0);
  auto tous_nuls = [&coefficients] {
    for (const double c : coefficients)
      if (c != 0) return false;
    return true;
  };
  while (tous_nuls()) {
    for (std::size_t k = 0; k < tirages.size(); ++k)
      coefficients[tirages.size() - 1 - k] = RandomRange(contexte, tirages[k].min, tirages[k].max_exclu);
  }
  return ecrire_polynome(coefficients, variable);
}

std::string cubique(ContexteGenerateur& contexte) {
  return polynome_tire(contexte, {{haut_min, haut_max_exclu},
                                  {haut_min, haut_max_exclu},
                                  {bas_min, bas_max_exclu},
                                  {bas_min, bas_max_exclu}});
}

// 1632's first factor: two Random(10) draws, again while both are 0.
std::string affine_chiffres(ContexteGenerateur& contexte) {
  std::vector<double> c = {0, 0};
  while (c[0] == 0 && c[1] == 0) {
    c[1] = Random(contexte, chiffres);
    c[0] = Random(contexte, chiffres);
  }
  return ecrire_polynome(c, variable);
}

void poser_developpement(ContexteGenerateur& contexte, const std::string& affiche) {
  const std::string e = reduire(developper(affiche));
  const std::string degre = polynome::Create(e).degre;
  contexte.presentateur.poser_question(Format(contexte.textes.enonce_developpez_reduire_polynome, {affiche}),
                                       "T[1.];T[2.]", {e, degre}, "{" + e + "};{" + degre + "}", true);
}

}  // namespace

void exercice_1631(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const std::string p1 = cubique(contexte);
  const Tirage t{coefficient_min, coefficient_max_exclu};
  const std::string p2 = polynome_tire(contexte, {t, t, t});
  poser_developpement(contexte, operation_ordonnee(p1, p2, "*"));
}

void exercice_1632(ContexteGenerateur& contexte) {
  constexpr int formes = 3;
  contexte.presentateur.preparer_exercice();
  const std::string a = affine_chiffres(contexte);
  const Tirage t{coefficient_min, coefficient_max_exclu};
  const std::string b = polynome_tire(contexte, {t, t});
  const std::string c = cubique(contexte);
  const int forme = Random(contexte, formes);
  std::string produit;
  if (forme == 0) {
    produit = "(" + a + ")*(" + b + ")";
  } else {
    produit = operation_ordonnee(forme == 1 ? a : b, "2", "^");
  }
  poser_developpement(contexte, operation(produit, c, "+"));
}

void enregistrer_niveau_1_produits() {
  enregistrer_generateur("1631", &exercice_1631);
  enregistrer_generateur("1632", &exercice_1632);
}
