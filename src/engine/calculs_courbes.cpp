#include "engine/calculs_courbes.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/appel_fonction.h"
#include "engine/courbe.h"
#include "engine/decoupage.h"
#include "engine/developpement.h"
#include "engine/fonction.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/regroupement.h"
#include "engine/saisie_resultat.h"
#include "engine/syntaxe.h"
#include "engine/valeurs_erreur.h"
#include "localisation/catalogue.h"
#include "localisation/chaines.h"
#include "localisation/nombres.h"

namespace {

// Sets of integral values kept at once; more are forgotten together.
constexpr std::size_t integrales_gardees = 8;

// What the variable scan holds while reading the parts.
struct Variable_courbe {
  std::string nom;          // the one variable found so far
  bool indeterminee = false;  // two different variables were met
};

// The distinct names among the variables of a text.
std::vector<std::string> noms_variables(const std::string& texte) {
  std::vector<std::string> noms;
  for (const std::string& nom : decoupe_arguments(fonction(texte).variables())) {
    if (!nom.empty() && std::find(noms.begin(), noms.end(), nom) == noms.end()) noms.push_back(nom);
  }
  return noms;
}

void lire_variables(const std::string& texte, Variable_courbe& v) {
  const std::vector<std::string> noms = noms_variables(texte);
  if (noms.size() > 1) {
    v.indeterminee = true;
  } else if (noms.size() == 1) {
    if (v.nom.empty()) {
      v.nom = noms[0];
    } else if (v.nom != noms[0] && !est_nombre(texte)) {
      v.indeterminee = true;
    }
  }
}

// One typed part: normalised, then checked; the error text, if any.
std::string preparer_partie(const std::string& partie, std::string& texte) {
  const SaisieNormalisee n = normalise_saisie_tapee(en_minuscules(partie));
  texte = n.texte;
  if (n.erreur) return n.texte;
  std::string message;
  verifier_syntaxe(texte, message);
  return message;
}

void ajouter_erreur(std::vector<std::string>& erreurs, const std::string& texte) {
  if (std::find(erreurs.begin(), erreurs.end(), texte) == erreurs.end()) erreurs.push_back(texte);
}

// The number a text holds, when it is a finite one.
std::optional<double> nombre_fini(const std::string& texte) {
  if (!est_nombre(texte)) return std::nullopt;
  const auto v = lire_nombre(texte);
  if (!v || !std::isfinite(*v)) return std::nullopt;
  return v;
}

}  // namespace

Tsaisie_courbe verifier_saisie_courbe(int genre, const std::vector<std::string>& parties) {
  Tsaisie_courbe r;
  Variable_courbe variable;
  std::string courbe;
  bool partie_vide = false;
  for (const std::string& partie : parties) {
    std::string texte;
    const std::string erreur = preparer_partie(partie, texte);
    r.parties.push_back(texte);
    if (texte.empty()) {
      partie_vide = true;
      continue;
    }
    if (!erreur.empty()) {
      ajouter_erreur(r.erreurs, erreur);
    } else {
      lire_variables(texte, variable);
      if (variable.indeterminee) ajouter_erreur(r.erreurs, catalogue_textes.txt_impossible_determiner_variable);
    }
    courbe = ajoute_element(courbe, texte, ";");
  }
  if (courbe.empty()) {
    r.erreurs = {catalogue_textes.txt_fonction_manquante};
    return r;
  }
  // A parametric curve needs both coordinates.
  if (partie_vide) ajouter_erreur(r.erreurs, catalogue_textes.txt_fonction_manquante);
  const std::string attendue = genre == genre_cartesien ? "x" : "t";
  if (variable.nom.empty()) variable.nom = attendue;
  if (!variable.indeterminee && en_minuscules(variable.nom) != attendue) {
    ajouter_erreur(r.erreurs, genre == genre_cartesien ? catalogue_textes.txt_fonction_doit_dependre
                                                       : catalogue_textes.txt_fonction_doit_dependre_2);
  }
  if (r.erreurs.empty()) r.ligne = courbe + ";" + variable.nom;
  return r;
}

Tabscisse_saisie numeriser_abscisse(const std::string& saisie, bool produits_implicites) {
  std::string texte = en_minuscules(saisie);
  if (produits_implicites) {
    const SaisieNormalisee n = normalise_saisie_tapee(texte);
    if (n.erreur) return {saisie, std::nullopt};
    texte = n.texte;
  }
  texte = numeriser_texte(texte, false);
  const auto valeur = nombre_fini(texte);
  if (!valeur) return {saisie, std::nullopt};
  return {texte, valeur};
}

std::optional<std::string> tangente(const std::string& expression, const std::string& variable, double a) {
  const fonction f(expression);
  const std::string fa = f.numeriser(variable, false, a);
  const std::string fpa = fonction(f.deriver(variable)).numeriser(variable, false, a);
  if (!nombre_fini(fa) || !nombre_fini(fpa)) return std::nullopt;
  std::string t = operation(variable, texte_nombre(a), "-");
  t = operation(fpa, t, "*");
  t = operation(t, fa, "+");
  t = regroupe_somme(developper(t));
  if (t.empty() || est_erreur(t)) return std::nullopt;
  return t;
}

Tvaleurs_integrale valeurs_integrale(const std::string& expression, const std::string& variable, double a, double b) {
  Tvaleurs_integrale v;
  if (!std::isfinite(a) || !std::isfinite(b)) return v;
  v.debut = std::min(a, b);
  v.pas = std::fabs(b - a) / intervalles_integrale;
  v.y.reserve(intervalles_integrale + 1);
  for (int i = 0; i <= intervalles_integrale; ++i) {
    const auto y = valeur_courbe(expression, variable, v.x(i));
    v.y.push_back(y.value_or(std::numeric_limits<double>::quiet_NaN()));
  }
  return v;
}

Tintegrale somme_trapezes(const Tvaleurs_integrale& valeurs) {
  Tintegrale r;
  const double demi_pas = valeurs.pas / 2;
  for (std::size_t i = 0; i + 1 < valeurs.y.size(); ++i) {
    const double y1 = valeurs.y[i];
    const double y2 = valeurs.y[i + 1];
    if (std::isnan(y1) || std::isnan(y2)) {
      r.discontinue = true;
    } else {
      r.somme += (y1 + y2) * demi_pas;
    }
  }
  return r;
}

const Tvaleurs_integrale& Tcache_integrale::valeurs(const std::string& ligne, double a, double b) {
  const auto cle = std::make_tuple(ligne, a, b);
  if (const auto trouve = valeurs_.find(cle); trouve != valeurs_.end()) return trouve->second;
  if (valeurs_.size() >= integrales_gardees) valeurs_.clear();
  const Tcourbe courbe(ligne, genre_cartesien);
  return valeurs_.emplace(cle, valeurs_integrale(courbe.expressions[0], courbe.variable, a, b)).first->second;
}
