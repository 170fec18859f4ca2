#include "shell/calculs.h"

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/fonctions_usuelles.h"
#include "localisation/chaines.h"
#include "localisation/format.h"

namespace {

int ligne_appelee(const std::string& texte) {
  std::vector<std::string> arguments;
  return reconnait_fonction(texte, arguments);
}

std::string nom_ligne(int id) {
  if (!fonctions_usuelles || id < 0 || id >= fonctions_usuelles->taille()) return {};
  return fonctions_usuelles->nom[id];
}

}  // namespace

std::string envelopper_saisie(const std::string& saisie, int id) {
  if (id != id_deriver && id != id_integrer && ligne_appelee(saisie) == id) return saisie;
  return Format(nom_ligne(id) + "(%s)", {saisie});
}

std::string saisie_nettoyee(std::string_view saisie) {
  std::string texte = en_minuscules(saisie);
  std::erase(texte, ' ');
  return texte;
}

std::string ligne_saisie_historique(const std::string& evaluee) {
  std::vector<std::string> arguments;
  const int id = reconnait_fonction(evaluee, arguments);
  if ((id == id_reduire || id == id_numeriser) && !arguments.empty()) return arguments.front();
  return evaluee;
}

void limiter_historique(std::vector<std::string>& lignes) {
  while (lignes.size() > lignes_historique_max) lignes.erase(lignes.begin(), lignes.begin() + 2);
}

std::string texte_copie_historique(const std::vector<std::string>& lignes, std::string_view version) {
  return joindre(lignes, "\r\n") + "\r\nPralinore v" + std::string(version);
}

std::string saisie_depuis_selection(const std::string& selection) {
  std::string texte = selection;
  // A selected history line ends with the break that joins it to the next.
  if (texte.ends_with(separateur_historique)) texte.resize(texte.size() - separateur_historique.size());
  texte = enleve_delimiteurs(texte, "{}");
  if (!texte.empty() && texte.front() == '=') texte.erase(0, 1);
  return est_erreur(texte) ? std::string() : texte;
}

Tdefinition analyser_definition(const std::string& saisie) {
  Tdefinition d;
  const auto p = saisie.find(":=");
  if (p == std::string::npos) return d;
  const std::string gauche = saisie.substr(0, p);
  if (est_declaration_fonction(gauche)) {
    d.genre = Tdefinition::Genre::fonction;
    const auto ouvrante = gauche.find('(');
    const auto fermante = gauche.find(')');
    d.nom = gauche.substr(0, std::min(ouvrante, fermante));
    if (ouvrante != std::string::npos && fermante != std::string::npos) {
      d.variable = gauche.substr(ouvrante + 1, fermante - ouvrante - 1);
    }
    d.expression = saisie.substr(saisie.find('=') + 1);
  } else if (est_nom_variable(gauche)) {
    d.genre = Tdefinition::Genre::constante;
    d.nom = gauche;
    d.expression = saisie.substr(p + 2);
  }
  return d;
}
