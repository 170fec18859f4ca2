#include "engine/fonction.h"

#include <algorithm>
#include <vector>

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/fonctions_usuelles.h"
#include "engine/primitives.h"
#include "engine/profondeur.h"

namespace {

std::string variables_de(const std::string& texte) { return fonction(enleve_delimiteurs(texte, "()")).variables(); }

std::string reunion(const std::string& gauche, const std::string& droite) {
  const std::string r = variables_de(droite);
  const std::string l = variables_de(gauche);
  if (!r.empty() && !l.empty()) return r == l ? l : r + ";" + l;
  return r + l;
}

std::string variables_feuille(const std::string& texte) {
  if (est_negatif(texte)) return variables_de(texte.substr(1));
  const auto ouvrante = texte.find('(');
  if (ouvrante != std::string::npos) {
    // A call: only its first argument names the variable (deriver(x^2;x)).
    const std::string nom = texte.substr(0, ouvrante);
    if (!fonctions_usuelles || fonctions_usuelles->identifiant(nom) < 1) return "";
    std::vector<std::string> arguments;
    reconnait_fonction(texte, arguments);
    return arguments.empty() ? "" : variables_de(arguments[0]);
  }
  if (est_nombre(texte) || est_constante(texte) || texte == unite_imaginaire) return "";
  return texte;
}

}  // namespace

std::string fonction::variables() const {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  if (const auto egal = texte.find('='); egal != std::string::npos) {
    return reunion(texte.substr(0, egal), texte.substr(egal + 1));
  }
  if (est_binaire(type_operateur)) return reunion(gauche, droite);
  if (type_operateur == TypeOperateur::factorielle) return "";
  return variables_feuille(texte);
}

bool independant_de(const std::string& t, const std::string& v) {
  // A bracketed whole is read inside its brackets: (x+1) names x.
  for (const auto& nom : decoupe_arguments(fonction(enleve_delimiteurs(t, "()")).variables())) {
    if (nom == v) return false;
  }
  return true;
}

bool nomme_l_un_de(const std::string& t, const std::vector<std::string>& noms) {
  return std::any_of(noms.begin(), noms.end(),
                     [&](const std::string& nom) { return !independant_de(t, nom) || cite_nom(t, nom); });
}
