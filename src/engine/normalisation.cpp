#include <utility>
#include <vector>

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/expression.h"
#include "engine/fonctions_usuelles.h"
#include "engine/lignes_predefinies.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/syntaxe.h"

namespace {

// Each level takes its text by value and frees it once cut into parts, so
// the recursion holds only disjoint pieces of the input: memory stays
// linear in the input's length, whatever the nesting.
std::string normalise(std::string texte);

void libere(std::string& t) { std::string().swap(t); }

std::string normalise_feuille(std::string t) {
  std::vector<std::string> arguments;
  const int id = identifiant_appel(t, arguments);
  if (id > 0 && id != Ligne::erreur) {
    libere(t);
    std::string r = fonctions_usuelles->nom[id] + "(";
    for (std::size_t k = 0; k < arguments.size(); ++k) r += (k ? ";" : "") + normalise(std::move(arguments[k]));
    return r + ")";
  }
  if (est_constante(t)) return t;
  return produits_implicites(t);
}

// An operand in round brackets that hold a list: no call's arguments, which
// the syntax check refuses. Freed of its brackets, or folded by operation,
// it would leave a list such as 2*3;4 for (2;3)*4, which the check accepts:
// the text that holds it is left as typed.
bool liste_entre_parentheses(const std::string& operande) {
  if (operande.empty() || operande.front() != '(' || operande.find(';') == std::string::npos) return false;
  return positions_hors_parentheses(sans_parentheses(operande)).point_virgule >= 1;
}

// The top-level split of a text, its operands taken out of the node so
// that the recursion keeps no copy of the node.
struct Operandes {
  TypeOperateur type_operateur = TypeOperateur::aucun;
  std::string operateur;
  std::string gauche;  // without enclosing round brackets, except for "!"
  std::string droite;  // without enclosing round brackets
  bool entre_parentheses = false;  // an operand lost its enclosing brackets
  bool liste = false;              // an operand is a list in round brackets
};

// The operands of t cut where its split `coupe` lies, as the node of t
// would hold them, with the work of that node counted.
Operandes operandes(const std::string& t, const Coupe& coupe) {
  compte_coupe(t);
  Operandes o;
  o.type_operateur = coupe.type_operateur;
  if (coupe.position == 0) return o;
  const auto rang = static_cast<std::size_t>(coupe.position) - 1;
  o.operateur = std::string(1, t[rang]);
  o.gauche = t.substr(0, rang);
  o.droite = t.substr(rang + 1);
  if (o.type_operateur == TypeOperateur::factorielle) return o;
  o.liste = liste_entre_parentheses(o.gauche) || liste_entre_parentheses(o.droite);
  const std::size_t longueurs = o.gauche.size() + o.droite.size();
  o.gauche = sans_parentheses(o.gauche);
  o.droite = sans_parentheses(o.droite);
  o.entre_parentheses = o.gauche.size() + o.droite.size() != longueurs;
  return o;
}

std::string normalise_noeud(std::string t) {
  const Coupe coupe = coupe_de(t);
  const int liste = coupe.position_liste;
  const int relation = coupe.position_relation;
  if (liste >= 1 || relation >= 1) {
    const auto p = static_cast<std::size_t>(liste >= 1 ? liste : relation);
    std::string gauche = t.substr(0, p - 1);
    std::string droite = t.substr(p);
    const std::string separateur(1, t[p - 1]);
    libere(t);
    return normalise(std::move(gauche)) + separateur + normalise(std::move(droite));
  }
  // Negated when it starts with "-" and splits at no sign: the split found
  // above answers, the work of its scan counted again.
  const bool signe_en_tete = !t.empty() && t[0] == '-';
  if (signe_en_tete) compte_coupe(t);
  if (signe_en_tete && !est_somme_ou_difference(coupe.type_operateur)) {
    std::string terme = t.substr(1);
    if (liste_entre_parentheses(terme)) return t;
    libere(t);
    return operation_ordonnee("-1", normalise(std::move(terme)), "*");
  }
  if (sans_operateur(t)) {
    compte_coupe(t);  // a leaf: the work of its node is counted
    return normalise_feuille(std::move(t));
  }
  Operandes o = operandes(t, coupe);
  if (o.type_operateur == TypeOperateur::aucun) return normalise_feuille(std::move(t));
  if (o.liste) return t;
  libere(t);
  std::string& gauche = o.gauche;
  std::string& droite = o.droite;
  switch (o.type_operateur) {
    case TypeOperateur::plus: case TypeOperateur::moins: case TypeOperateur::fois: case TypeOperateur::divise:
      if (droite.empty()) return normalise(std::move(gauche)) + o.operateur;
      return operation(normalise(std::move(gauche)), normalise(std::move(droite)), o.operateur);
    case TypeOperateur::puissance: {
      if (o.entre_parentheses || type_operateur_de(droite) != TypeOperateur::aucun) {
        return operation(normalise(std::move(gauche)), normalise(std::move(droite)), "^");
      }
      return normalise(std::move(gauche)) + "^" + normalise(std::move(droite));
    }
    default:  // "!": the factorial's operand is kept as typed
      return gauche + "!";
  }
}

std::string normalise(std::string texte) {
  GardeProfondeur garde;
  if (garde.depassee() || texte.empty()) return "";
  if (const int b = equilibre_parentheses(texte); b > 0) texte.append(static_cast<std::size_t>(b), ')');
  const std::size_t longueur = texte.size();
  std::string sans_crochets = enleve_delimiteurs(std::move(texte), "[]");
  const bool crochets = sans_crochets.size() != longueur;  // only removes characters
  std::string r = normalise_noeud(std::move(sans_crochets));
  if (crochets) return "[" + r + "]";
  return r;
}

}  // namespace

std::string normalise_saisie(const std::string& texte) {
  return sous_garde_saisie(texte, [&] { return normalise(texte); });
}
