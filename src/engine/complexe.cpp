#include "engine/complexe.h"

#include <cmath>

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/developpement.h"
#include "engine/fonction.h"
#include "engine/memoire_appel.h"
#include "engine/multiple_de_pi.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/radicaux.h"
#include "engine/reduction.h"
#include "engine/regroupement.h"
#include "engine/valeurs_erreur.h"
#include "localisation/catalogue.h"
#include "localisation/nombres.h"

namespace {

struct Parties {
  std::string reelle;
  std::string imaginaire;
};
using PartiesOuRien = std::optional<Parties>;

bool contient_unite(const std::string& t) { return t.find(unite_imaginaire[0]) != std::string::npos; }

PartiesOuRien parties(const std::string& texte);
std::string algebrique(const std::string& texte);

std::string conjugue_de(const Parties& p) {
  return operation_ordonnee(p.reelle, operation_ordonnee(p.imaginaire, unite_imaginaire, "*"), "-");
}

std::string compose(const Parties& p) {
  return regroupe_somme(operation_ordonnee(p.reelle, operation_ordonnee(p.imaginaire, unite_imaginaire, "*"), "+"));
}

// Both parts of a binary node from the parts of its operands.
template <class Combinaison>
PartiesOuRien combine(const expression& e, Combinaison&& combinaison) {
  const PartiesOuRien g = parties(e.gauche);
  if (!g) return std::nullopt;
  const PartiesOuRien d = parties(e.droite);
  if (!d) return std::nullopt;
  return combinaison(*g, *d);
}

PartiesOuRien somme(const expression& e) {
  return combine(e, [&](const Parties& g, const Parties& d) {
    return Parties{regroupe_somme(operation_ordonnee(g.reelle, d.reelle, e.operateur)),
                   regroupe_somme(operation_ordonnee(g.imaginaire, d.imaginaire, e.operateur))};
  });
}

Parties produit_parties(const Parties& g, const Parties& d) {
  const auto fois = [](const std::string& a, const std::string& b) { return operation_ordonnee(a, b, "*"); };
  return Parties{
      regroupe_somme(operation_ordonnee(fois(g.reelle, d.reelle), fois(g.imaginaire, d.imaginaire), "-")),
      regroupe_somme(operation_ordonnee(fois(g.reelle, d.imaginaire), fois(g.imaginaire, d.reelle), "+"))};
}

PartiesOuRien produit(const expression& e) { return combine(e, produit_parties); }

Parties divise(const Parties& p, const std::string& diviseur) {
  return Parties{regroupe_somme(operation_ordonnee(p.reelle, diviseur, "/")),
                 regroupe_somme(operation_ordonnee(p.imaginaire, diviseur, "/"))};
}

// A complex divisor is made real by the conjugate: (L*conj R)/(R*conj R).
PartiesOuRien quotient(const expression& e) {
  if (!contient_unite(e.droite)) {
    const PartiesOuRien g = parties(e.gauche);
    return g ? PartiesOuRien(divise(*g, e.droite)) : std::nullopt;
  }
  const PartiesOuRien d = parties(e.droite);
  if (!d) return std::nullopt;
  const std::string c = conjugue_de(*d);
  const PartiesOuRien n = parties(developper(operation_ordonnee(e.gauche, c, "*")));
  if (!n) return std::nullopt;
  return divise(*n, algebrique(operation_ordonnee(e.droite, c, "*")));
}

// Powers of i fold; any other power is expanded first. A power the
// expansion gives back as it was (a symbolic or fractional exponent, or
// one beyond the expansion's limit) has no parts to give: asking again
// would never end.
PartiesOuRien puissance(const std::string& t, const expression& e) {
  if (enleve_delimiteurs(e.gauche, "()") == unite_imaginaire) {
    return parties(complexe(unite_imaginaire).puissance_i(e.droite));
  }
  const std::string developpe = regroupe_somme(developper(t));
  if (developpe == t) return std::nullopt;
  return parties(developpe);
}

PartiesOuRien parties_de(const std::string& t) {
  if (est_erreur(t)) return Parties{t, t};
  if (!contient_unite(t)) return Parties{t, "0"};
  if (est_negatif(t)) {
    const PartiesOuRien p = parties(t.substr(1));
    if (!p) return std::nullopt;
    return Parties{operation_ordonnee("-1", p->reelle, "*"), operation_ordonnee("-1", p->imaginaire, "*")};
  }
  const expression e(t);
  switch (e.type_operateur) {
    case TypeOperateur::plus:
    case TypeOperateur::moins: return somme(e);
    case TypeOperateur::fois: return produit(e);
    case TypeOperateur::divise: return quotient(e);
    case TypeOperateur::puissance: return puissance(t, e);
    default: break;
  }
  if (t == unite_imaginaire) return Parties{"0", "1"};
  return Parties{t, "0"};  // a call holding i counts as real
}

// A quotient asks for the parts of its divisor three times, once through
// the product by the conjugate: remembered, nested quotients cost no more
// than their length.
PartiesOuRien parties(const std::string& texte) {
  GardeProfondeur garde;
  if (garde.depassee()) return Parties{};
  // The operands' brackets go first: (1+i) is the sum inside.
  const std::string t = enleve_delimiteurs(texte, "()");
  return memorise(Routine::parties_complexes, t, [&] { return parties_de(t); });
}

std::string algebrique(const std::string& texte) {
  GardeProfondeur garde;
  if (garde.depassee() || !contient_unite(texte)) return texte;
  const expression e(texte);
  const bool forme = (e.type_operateur >= TypeOperateur::plus && e.type_operateur <= TypeOperateur::fois) ||
                     e.type_operateur == TypeOperateur::puissance ||
                     (e.type_operateur == TypeOperateur::divise && contient_unite(e.droite));
  if (!forme) return texte;
  const PartiesOuRien p = parties(texte);
  return p ? compose(*p) : texte;
}

std::optional<double> valeur(const std::string& t) { return lire_nombre(numeriser_texte(t, false)); }

// An error value met on the way is the result; otherwise the routine's.
template <class Calcul>
std::optional<std::string> sur_parties(const std::string& texte, Calcul&& calcul) {
  GardeProfondeur garde;
  const PartiesOuRien p = parties(texte);
  std::optional<std::string> r;
  if (p && est_erreur(p->reelle)) {
    r = p->reelle;
  } else if (p && est_erreur(p->imaginaire)) {
    r = p->imaginaire;
  } else if (p) {
    r = calcul(*p);
  }
  if (garde.externe() && garde.depassee()) return erreur_trop_complexe();
  return r;
}

std::optional<std::string> angle(const Parties& p) {
  const std::optional<double> im = valeur(p.imaginaire);
  if (!im) return std::nullopt;
  if (p.reelle == "0") {
    if (*im > 0) return "pi/2";
    return *im < 0 ? "-pi/2" : "0";
  }
  const std::optional<double> re = valeur(p.reelle);
  if (!re) return std::nullopt;
  // atan2 puts the angle in its quadrant: -1 is pi, not 0.
  return multiple_de_pi(texte_nombre(std::atan2(*im, *re)));
}

}  // namespace

bool complexe::contient_i() const { return contient_unite(texte); }

std::optional<std::string> complexe::partie_reelle() const {
  return sur_parties(texte, [](const Parties& p) { return p.reelle; });
}

std::optional<std::string> complexe::partie_imaginaire() const {
  return sur_parties(texte, [](const Parties& p) { return p.imaginaire; });
}

std::string complexe::forme_algebrique() const {
  if (est_erreur(texte)) return texte;
  return sous_garde([&] { return algebrique(texte); });
}

std::optional<std::string> complexe::conjugue() const { return sur_parties(texte, conjugue_de); }

std::optional<std::string> complexe::module() const {
  return sur_parties(texte, [](const Parties& p) {
    const std::string carres =
        operation_ordonnee(operation(p.reelle, "2", "^"), operation(p.imaginaire, "2", "^"), "+");
    return racine_simplifiee(reduire(developper(carres)));
  });
}

std::optional<std::string> complexe::argument() const { return sur_parties(texte, angle); }

std::string complexe::puissance_i(const std::string& exposant) const {
  if (texte != unite_imaginaire) return operation(texte, exposant, "^");
  const std::optional<std::int32_t> n = lire_entier32(enleve_delimiteurs(exposant, "()"));
  if (!n) return valeur_erreur(catalogue_textes.txt_entiers_seulement);
  // The residue in 0..3 for every sign: i^-1 = -i, i^-3 = i.
  switch (((*n % 4) + 4) % 4) {
    case 0: return "1";
    case 1: return unite_imaginaire;
    case 2: return "-1";
    default: return std::string("-") + unite_imaginaire;
  }
}
