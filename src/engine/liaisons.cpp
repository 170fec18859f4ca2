#include "engine/liaisons.h"

#include <algorithm>

#include "engine/decoupage.h"
#include "engine/lignes_predefinies.h"
#include "engine/primitives.h"

std::optional<Liaison> liaison(int id) {
  switch (id) {
    case id_de(Ligne::somme):
    case id_de(Ligne::produit): return Liaison{0, 3, false};
    case id_de(Ligne::integrale): return Liaison{3, 0, false};
    case id_de(Ligne::resoudre):
    case id_de(Ligne::discriminant):
    case id_de(Ligne::complexe_resoudre):
    case id_de(Ligne::resoudre_systeme): return Liaison{1, 0, false};
    case id_de(Ligne::deriver):
    case id_de(Ligne::integrer):
    case id_de(Ligne::developpement_limite): return Liaison{1, 0, true};
    case id_de(Ligne::degre): return Liaison{-1, -1, false};
    case id_de(Ligne::division_euclidienne): return Liaison{-1, -1, true};
    default: return std::nullopt;
  }
}

std::vector<std::string> noms_lies(const Liaison& l, const std::vector<std::string>& arguments) {
  if (l.noms < 0) return {"x"};
  return elements_liste(arguments[static_cast<std::size_t>(l.noms)]);
}

bool dans_portee(const Liaison& l, std::size_t i) {
  const int slot = static_cast<int>(i);
  return l.portee < 0 || slot == l.portee || slot == l.noms;
}

bool appel_varie_avec(int id, const std::vector<std::string>& arguments, const std::string& v) {
  const std::optional<Liaison> l = liaison(id);
  bool lie = false;
  if (l) {
    const std::vector<std::string> noms = noms_lies(*l, arguments);
    lie = std::ranges::find(noms, v) != noms.end();
  }
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (!cite_nom(arguments[i], v)) continue;
    if (!lie || !dans_portee(*l, i)) return true;
    if (l->valeur_des_noms && static_cast<int>(i) != l->noms) return true;
  }
  return false;
}
