#include <vector>

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/expression.h"
#include "engine/fonctions_usuelles.h"
#include "engine/operation.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"
#include "engine/syntaxe.h"

namespace {

constexpr int id_erreur = 58;

std::string normalise(const std::string& texte);

std::string normalise_feuille(const std::string& t) {
  std::vector<std::string> arguments;
  const int id = reconnait_fonction(t, arguments);
  if (id > 0 && id != id_erreur) {
    std::string r = fonctions_usuelles->nom[id] + "(";
    for (std::size_t k = 0; k < arguments.size(); ++k) r += (k ? ";" : "") + normalise(arguments[k]);
    return r + ")";
  }
  if (est_constante(t)) return t;
  return produits_implicites(t);
}

std::string normalise_noeud(const std::string& t) {
  const expression e(t);
  if (e.position_liste >= 1) {
    const auto p = static_cast<std::size_t>(e.position_liste);
    return normalise(t.substr(0, p - 1)) + ";" + normalise(t.substr(p));
  }
  if (e.position_relation >= 1) {
    const auto p = static_cast<std::size_t>(e.position_relation);
    return normalise(t.substr(0, p - 1)) + t[p - 1] + normalise(t.substr(p));
  }
  if (est_negatif(t)) return operation_ordonnee("-1", normalise(t.substr(1)), "*");
  const std::string gauche = sans_parentheses(e.gauche);
  const std::string droite = sans_parentheses(e.droite);
  switch (e.type_operateur) {
    case 0: case 1: case 2: case 3:
      if (droite.empty()) return normalise(gauche) + e.operateur;
      return operation(normalise(gauche), normalise(droite), e.operateur);
    case 4: {
      const bool entre_parentheses = gauche != e.gauche || droite != e.droite;
      if (entre_parentheses || expression(droite).type_operateur != -1) {
        return operation(normalise(gauche), normalise(droite), "^");
      }
      return normalise(gauche) + "^" + normalise(droite);
    }
    case 5:
      return e.gauche + "!";  // the factorial's operand is kept as typed
    default:
      return normalise_feuille(t);
  }
}

std::string normalise(const std::string& texte) {
  GardeProfondeur garde;
  if (garde.depassee() || texte.empty()) return "";
  std::string t = texte;
  if (const int b = equilibre_parentheses(t); b > 0) t.append(static_cast<std::size_t>(b), ')');
  const std::string sans_crochets = enleve_delimiteurs(t, "[]");
  const bool crochets = sans_crochets != t;
  std::string r = normalise_noeud(sans_crochets);
  return crochets ? "[" + r + "]" : r;
}

}  // namespace

std::string normalise_saisie(const std::string& texte) {
  return sous_garde([&] { return normalise(texte); });
}
