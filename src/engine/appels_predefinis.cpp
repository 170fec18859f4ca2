// The routines of the built-in rows, by identifier. A row without a routine
// gives its call back unchanged.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>
#include <variant>

#include "engine/appel_fonction.h"
#include "engine/combinatoire.h"
#include "engine/complexe.h"
#include "engine/evaluateur.h"
#include "engine/decoupage.h"
#include "engine/developpement.h"
#include "engine/entiers_longs.h"
#include "engine/expression.h"
#include "engine/factorisation.h"
#include "engine/fonction.h"
#include "engine/fonctions_usuelles.h"
#include "engine/fractions.h"
#include "engine/lignes_predefinies.h"
#include "engine/matrice.h"
#include "engine/polynome.h"
#include "engine/radicaux.h"
#include "engine/reduction.h"
#include "engine/resoudre.h"
#include "engine/sommes.h"
#include "engine/statistiques.h"
#include "engine/syntaxe.h"
#include "engine/systeme_lineaire.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/valeurs_erreur.h"
#include "engine/vecteur.h"
#include "localisation/catalogue.h"
#include "localisation/chaines.h"
#include "localisation/format.h"
#include "localisation/nombres.h"
#include "localisation/textes_fixes.h"

namespace {

using Arguments = std::vector<std::string>;
using Routine = std::string (*)(const Arguments& a, const std::string& texte);

// An integer argument. An integer beyond the routine's range refuses the
// call with the out-of-range error value; any other text that does not read
// refuses it with the row's message and an empty result, as the calculator
// expects (refuse_appel). `refus` is then the call's result.
std::optional<std::int32_t> entier_lu(const std::string& t, const std::string& message, std::string& refus) {
  auto n = lire_entier32(t);
  if (n) return n;
  if (est_entier(t)) {
    refus = erreur_hors_limites();
  } else {
    refuse_appel(message);
    refus.clear();
  }
  return n;
}

std::string pgcd_(const Arguments& a, const std::string&) {
  std::string refus;
  const auto m = entier_lu(a[0], catalogue_textes.txt_pgcd_entiers, refus);
  if (!m) return refus;
  const auto n = entier_lu(a[1], catalogue_textes.txt_pgcd_entiers, refus);
  if (!n) return refus;
  return texte_entier(pgcd(*m, *n));
}

// A count past 64 bits: the number text of its value while that is finite,
// then the out-of-range error value.
std::string compte_approche(double valeur) {
  return std::isfinite(valeur) ? texte_nombre(valeur) : erreur_hors_limites();
}

// Counts past 64 bits within the range of a double are written in 15
// digits, except while the reduce command evaluates its argument again
// with them exact (reduction_aux_comptes_exacts); whether one was written
// in 15 digits is noted, so that the command knows to try.
struct ComptesLongs {
  bool exacts = false;
  bool approches = false;
};
ComptesLongs comptes_longs;

template <class Exact>
std::string compte_long(Exact&& exact, double approche) {
  if (comptes_longs.exacts) {
    if (std::optional<std::string> r = exact()) return *std::move(r);
  }
  if (std::isfinite(approche)) comptes_longs.approches = true;
  return compte_approche(approche);
}

using Denombrement = std::optional<std::int64_t> (*)(std::int64_t, std::int64_t);
using DenombrementLong = std::optional<std::string> (*)(std::int64_t, std::int64_t);
using DenombrementApproche = double (*)(std::int64_t, std::int64_t);

// comb(n;p), perm(n;p): n first, as the row's argument list says.
template <Denombrement exact, DenombrementLong long_, DenombrementApproche approche>
std::string combinaison(const Arguments& a, const std::string&) {
  std::string refus;
  const auto n = entier_lu(a[0], catalogue_textes.txt_entiers_seulement, refus);
  if (!n) return refus;
  const auto p = entier_lu(a[1], catalogue_textes.txt_entiers_seulement, refus);
  if (!p) return refus;
  if (*n < 0) return erreur_hors_limites();
  if (const auto r = exact(*p, *n)) return texte_entier(*r);
  // exact() gives 0 outside 0 <= p <= n: past here p lies within.
  return compte_long([&] { return long_(*p, *n); }, approche(*p, *n));
}

std::string fact_(const Arguments& a, const std::string&) {
  std::string refus;
  const auto n = entier_lu(a[0], catalogue_textes.txt_entiers_seulement, refus);
  if (!n) return refus;
  if (*n < 0) return erreur_hors_limites();
  if (const auto r = factorielle(*n)) return texte_entier(*r);
  return compte_long([&] { return factorielle_longue(*n); }, factorielle_approchee(*n));
}

// Rows whose argument is evaluated first; an error value there is the result.
template <std::string (*routine)(const std::string&)>
std::string sur_argument_calcule(const Arguments& a, const std::string&) {
  std::string x = calculer(a[0]);
  if (est_erreur(x)) return x;
  return routine(x);
}

// The first argument evaluated; an error value or an empty result (a
// message was shown) is the call's result as it stands.
std::optional<std::string> argument_calcule(const std::string& a, std::string& refus) {
  std::string x = calculer(a);
  if (est_erreur(x) || x.empty()) {
    refus = std::move(x);
    return std::nullopt;
  }
  return x;
}

// The calculus rows name their variable last: a number or an expression
// there would be taken for a constant "variable".
std::optional<std::string> variable_refusee(const std::string& variable) {
  if (est_nom_variable(variable)) return std::nullopt;
  return valeur_erreur(catalogue_textes.txt_variable_invalide);
}

std::string deriver_(const Arguments& a, const std::string&) {
  if (auto refus = variable_refusee(a[1])) return *refus;
  std::string refus;
  const auto f = argument_calcule(a[0], refus);
  return f ? fonction(*f).deriver_demandee(a[1]) : refus;
}

std::string integrer_(const Arguments& a, const std::string&) {
  if (auto refus = variable_refusee(a[1])) return *refus;
  std::string refus;
  const auto f = argument_calcule(a[0], refus);
  return f ? fonction(*f).integrer(a[1]) : refus;
}

// integrale(f;a;b;x): f evaluated once, the bounds and the variable as typed.
std::string integrale_(const Arguments& a, const std::string&) {
  if (auto refus = variable_refusee(a[3])) return *refus;
  std::string refus;
  const auto f = argument_calcule(a[0], refus);
  return f ? fonction(*f).integrale(a[1], a[2], a[3]) : refus;
}

std::string valeur_numerique_(const std::string& t) { return numeriser_texte(t, false); }

std::string est_impair_(const Arguments& a, const std::string&) { return est_impair(a[0]); }
std::string est_pair_(const Arguments& a, const std::string&) { return est_pair(a[0]); }

// somme, produit: index, bounds, term as typed.
template <std::string (*routine)(const std::string&, std::int32_t, std::int32_t, const std::string&)>
std::string somme_produit(const Arguments& a, const std::string&) {
  std::string refus;
  const auto debut = entier_lu(a[1], catalogue_textes.txt_bornes_entieres, refus);
  if (!debut) return refus;
  const auto fin = entier_lu(a[2], catalogue_textes.txt_bornes_entieres, refus);
  if (!fin) return refus;
  return routine(a[0], *debut, *fin, a[3]);
}

// Statistics of the list a1, as typed.
template <std::string (*routine)(const std::string&)>
std::string sur_liste(const Arguments& a, const std::string&) {
  return routine(a[0]);
}

// A point of expansion: a number, or an exact fraction of two integers,
// taken as the number it stands for (1/2 as 0.5).
std::optional<double> point_lu(const std::string& t) {
  if (auto x = lire_nombre(t)) return x;
  const std::string s = sans_parentheses(t);
  const std::string n = numerateur(s);
  const std::string d = denominateur(s);
  if (!est_entier(n) || !est_entier(d)) return std::nullopt;
  const auto p = lire_nombre(n);
  const auto q = lire_nombre(d);
  if (!p || !q || *q == 0) return std::nullopt;
  return *p / *q;
}

// developpement_limite: function, variable, point, order.
std::string developpement_limite_(const Arguments& a, const std::string&) {
  const auto point = point_lu(a[2]);
  if (!point) {
    refuse_appel(catalogue_textes.txt_point_developpement_nombre);
    return "";
  }
  std::string refus;
  const auto ordre = entier_lu(a[3], catalogue_textes.txt_entiers_seulement, refus);
  if (!ordre) return refus;
  const auto f = argument_calcule(a[0], refus);
  return f ? fonction(*f).developpement_limite(a[1], *ordre, *point) : refus;
}

// An integer written in the text that does not fit in 64 bits.
bool contient_entier_long(const std::string& t) {
  for (std::size_t debut = 0; (debut = t.find_first_of("0123456789", debut)) != std::string::npos;) {
    const std::size_t fin = std::min(t.find_first_not_of("0123456789", debut), t.size());
    if (!lire_entier64(std::string_view(t).substr(debut, fin - debut))) return true;
    debut = fin;
  }
  return false;
}

// The reduction of t again, its counts past 64 bits exact: the reduction
// divides such integers exactly (fact(22)/fact(21) is 22) and writes what
// is left of them in 15 digits. Its answer is taken only when every such
// count went into a number there; one left as an integer elsewhere (an
// exponent, a term of a bracketed sum) is no answer, nor is one past the
// work bound, whose work is taken back: the first answer then stands.
std::optional<std::string> reduction_aux_comptes_exacts(const std::string& t) {
  const GardeProfondeur garde;
  const std::uint64_t travail_avant = travail_effectue();
  const bool exacts_avant = comptes_longs.exacts;
  comptes_longs.exacts = true;
  const std::string x = calculer(t);
  std::string r = x.empty() || est_erreur(x) || garde.depassee() ? std::string() : reduire(x);
  comptes_longs.exacts = exacts_avant;
  if (garde.depassee()) {
    reprend_travail(travail_avant);
    return std::nullopt;
  }
  oublie_memoire();  // what was worked out with exact counts serves no later step
  if (r.empty() || est_erreur(r) || contient_entier_long(r)) return std::nullopt;
  return r;
}

// reduire: a text holding the imaginary unit and an operator is written in
// algebraic form, as typed; any other argument is evaluated and reduced,
// again with exact counts when one past 64 bits was written in 15 digits.
std::string reduire_(const Arguments& a, const std::string& texte) {
  const TypeOperateur type = expression(a[0]).type_operateur;
  if (complexe(texte).contient_i() && est_binaire(type)) return complexe(a[0]).forme_algebrique();
  const bool approches_avant = comptes_longs.approches;
  comptes_longs.approches = false;
  std::string r = sur_argument_calcule<reduire>(a, texte);
  const bool approches = comptes_longs.approches;
  comptes_longs.approches = approches_avant || approches;
  if (!approches || r.empty() || est_erreur(r)) return r;
  if (const GardeProfondeur garde; garde.depassee()) return r;  // the work stopped: r is no answer
  return reduction_aux_comptes_exacts(a[0]).value_or(std::move(r));
}

// Rows whose arguments are taken as typed: an argument that is an error
// value is the result.
template <Routine routine>
std::string erreurs_transmises(const Arguments& a, const std::string& texte) {
  for (const auto& x : a) {
    if (est_erreur(x)) return x;
  }
  return routine(a, texte);
}

// degre, division_euclidienne: the polynomials evaluated first, so that a
// call in them (degre(deriver(x^3;x))) is not taken for a constant.
std::string degre_(const Arguments& a, const std::string&) {
  std::string refus;
  const auto t = argument_calcule(a[0], refus);
  if (!t) return refus;
  const polynome p = polynome::Create(*t);
  if (p.est_polynome) return p.degre;
  return est_erreur(p.degre) ? p.degre : valeur_erreur(textes_fixes().non_polynome);
}

std::string division_euclidienne_(const Arguments& a, const std::string&) {
  std::string refus;
  const auto p = argument_calcule(a[0], refus);
  if (!p) return refus;
  const auto d = argument_calcule(a[1], refus);
  if (!d) return refus;
  return polynome::Create(*p).division_euclidienne(*d);
}

// The complex operations; a power that cannot be expanded keeps the call.
template <std::optional<std::string> (complexe::*partie)() const>
std::string complexe_(const Arguments& a, const std::string& texte) {
  const std::optional<std::string> r = (complexe(a[0]).*partie)();
  return r ? *r : texte;
}

std::string matrice_invalide() { return valeur_erreur(textes_fixes().matrice_invalide); }

// det, inv: the matrix text named for the reader.
std::string det_(const Arguments& a, const std::string&) {
  const std::optional<Tmatrice> m = lire_matrice("A;" + a[0]);
  return m ? m->determinant() : matrice_invalide();
}

std::string inv_(const Arguments& a, const std::string&) {
  const std::optional<Tmatrice> m = lire_matrice("A;" + a[0]);
  if (!m) return matrice_invalide();
  const auto inverse = m->inverse();
  if (const auto* e = std::get_if<std::string>(&inverse)) return *e;
  return std::get<Tmatrice>(inverse).texte();
}

std::string produit_scalaire_(const Arguments& a, const std::string&) {
  const std::optional<Tvecteur> u = lire_vecteur("A;" + a[0]);
  const std::optional<Tvecteur> v = lire_vecteur("B;" + a[1]);
  if (!u || !v) return valeur_erreur(textes_fixes().vecteur_invalide);
  return produit_scalaire(*u, *v);
}

// resoudre, complexe_resoudre, discriminant: the equation evaluated first,
// the variable as typed.
template <bool complexe>
std::string resoudre_(const Arguments& a, const std::string&) {
  std::string refus;
  const auto equation = argument_calcule(a[0], refus);
  return equation ? resoudre(*equation, a[1], complexe) : refus;
}

std::string discriminant_(const Arguments& a, const std::string&) {
  std::string refus;
  const auto equation = argument_calcule(a[0], refus);
  return equation ? discriminant(*equation, a[1]) : refus;
}

std::string resoudre_systeme_(const Arguments& a, const std::string&) { return resoudre_systeme(a[0], a[1]); }

std::string points_en_droite_(const Arguments& a, const std::string&) { return points_en_droite(a); }

// The key can turn a character of the text into one that no line can show
// ("t" with 11 gives DEL): that character is refused as typed input's is.
std::string ou_(const Arguments& a, const std::string&) {
  std::string refus;
  const auto cle = entier_lu(a[0], catalogue_textes.txt_entiers_seulement, refus);
  if (!cle) return refus;
  std::string code = crypter(a[1], *cle);
  const auto invisible = std::ranges::find_if(code, est_caractere_invisible);
  if (invisible == code.end()) return code;
  return valeur_erreur(Format(catalogue_textes.txt_caractere_interdit, {caractere_visible(*invisible)}));
}

constexpr int derniere_ligne = id_de(Ligne::erreur);

std::array<Routine, derniere_ligne + 1> routines() {
  std::array<Routine, derniere_ligne + 1> r{};
  r[id_de(Ligne::deriver)] = deriver_;
  r[id_de(Ligne::integrer)] = integrer_;
  r[id_de(Ligne::integrale)] = integrale_;
  r[id_de(Ligne::pgcd)] = pgcd_;
  r[id_de(Ligne::comb)] = combinaison<comb, comb_long, comb_approche>;
  r[id_de(Ligne::perm)] = combinaison<perm, perm_long, perm_approche>;
  r[id_de(Ligne::fact)] = fact_;
  r[id_de(Ligne::fraction)] = sur_argument_calcule<fraction>;
  r[id_de(Ligne::developper)] = sur_argument_calcule<developper>;
  r[id_de(Ligne::reduire)] = reduire_;
  r[id_de(Ligne::factoriser)] = sur_argument_calcule<regroupe_factorise>;
  r[id_de(Ligne::est_impair)] = est_impair_;
  r[id_de(Ligne::est_pair)] = est_pair_;
  r[id_de(Ligne::calcul_radical)] = sur_argument_calcule<calcul_radical>;
  r[id_de(Ligne::numeriser)] = sur_argument_calcule<valeur_numerique_>;
  r[id_de(Ligne::somme)] = somme_produit<somme>;
  r[id_de(Ligne::produit)] = somme_produit<produit>;
  r[id_de(Ligne::moyenne)] = sur_liste<moyenne>;
  r[id_de(Ligne::variance)] = sur_liste<variance>;
  r[id_de(Ligne::ecart_type)] = sur_liste<ecart_type>;
  r[id_de(Ligne::min)] = sur_liste<minimum>;
  r[id_de(Ligne::max)] = sur_liste<maximum>;
  r[id_de(Ligne::degre)] = erreurs_transmises<degre_>;
  r[id_de(Ligne::division_euclidienne)] = erreurs_transmises<division_euclidienne_>;
  r[id_de(Ligne::partie_imaginaire)] = erreurs_transmises<complexe_<&complexe::partie_imaginaire>>;
  r[id_de(Ligne::partie_reelle)] = erreurs_transmises<complexe_<&complexe::partie_reelle>>;
  r[id_de(Ligne::conjugue)] = erreurs_transmises<complexe_<&complexe::conjugue>>;
  r[id_de(Ligne::module)] = erreurs_transmises<complexe_<&complexe::module>>;
  r[id_de(Ligne::argument)] = erreurs_transmises<complexe_<&complexe::argument>>;
  r[id_de(Ligne::det)] = erreurs_transmises<det_>;
  r[id_de(Ligne::inv)] = erreurs_transmises<inv_>;
  r[id_de(Ligne::resoudre)] = erreurs_transmises<resoudre_<false>>;
  r[id_de(Ligne::discriminant)] = erreurs_transmises<discriminant_>;
  r[id_de(Ligne::complexe_resoudre)] = erreurs_transmises<resoudre_<true>>;
  r[id_de(Ligne::resoudre_systeme)] = erreurs_transmises<resoudre_systeme_>;
  r[id_de(Ligne::developpement_limite)] = developpement_limite_;
  r[id_de(Ligne::points_en_droite)] = erreurs_transmises<points_en_droite_>;
  r[id_de(Ligne::produit_scalaire)] = erreurs_transmises<produit_scalaire_>;
  r[id_de(Ligne::ou)] = ou_;
  return r;
}

}  // namespace

std::string evaluer_appel(int id, const std::vector<std::string>& arguments, const std::string& texte) {
  static const auto table = routines();
  // User rows (from 59 on) and rows without a routine come back as typed.
  if (id <= 0 || id > derniere_ligne || id >= nb_fonctions_predefinies || table[id] == nullptr) return texte;
  if (static_cast<int>(arguments.size()) != fonctions_usuelles->nb_arguments[id]) {
    const bool derivation = id == Ligne::deriver;
    return valeur_erreur(derivation ? textes_fixes().erreur_derivation : catalogue_textes.txt_nombre_arguments);
  }
  return table[id](arguments, texte);
}
