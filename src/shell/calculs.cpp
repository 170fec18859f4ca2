#include "shell/calculs.h"

#include "engine/appel_fonction.h"
#include "engine/decoupage.h"
#include "engine/evaluateur.h"
#include "engine/fonctions_usuelles.h"
#include "engine/regroupement.h"
#include "engine/saisie_resultat.h"
#include "engine/syntaxe.h"
#include "localisation/chaines.h"
#include "localisation/format.h"

std::string nom_ligne(int id) {
  if (!fonctions_usuelles || id < 0 || id >= fonctions_usuelles->taille()) return {};
  return fonctions_usuelles->nom[id];
}

int ligne_appelee(const std::string& texte) {
  std::vector<std::string> arguments;
  return reconnait_fonction(texte, arguments);
}

std::string envelopper_saisie(const std::string& saisie, int id) {
  if (id != id_deriver && id != id_integrer && ligne_appelee(saisie) == id) return saisie;
  return Format(nom_ligne(id) + "(%s)", {saisie});
}

std::string saisie_nettoyee(std::string_view saisie) {
  std::string texte = en_minuscules(saisie);
  std::erase(texte, ' ');
  return texte;
}

namespace {

// The history line of a text whose call was recognised as `id` with these
// arguments.
std::string ligne_historique(const std::string& evaluee, int id, const std::vector<std::string>& arguments) {
  if ((id == id_reduire || id == id_numeriser) && !arguments.empty()) return arguments.front();
  return evaluee;
}

}  // namespace

std::string ligne_saisie_historique(const std::string& evaluee) {
  std::vector<std::string> arguments;
  const int id = reconnait_fonction(evaluee, arguments);
  return ligne_historique(evaluee, id, arguments);
}

Tcalcul calculer_saisie(std::string_view saisie, const Toptions_calcul& options) {
  Tcalcul c;
  c.saisie = saisie_nettoyee(saisie);
  if (c.saisie.empty()) return c;
  if (options.produits_implicites) {
    SaisieNormalisee normalisee = normalise_saisie_tapee(c.saisie);
    if (normalisee.erreur) {
      c.resultat = std::move(normalisee.texte);
      c.ligne_saisie = ligne_saisie_historique(c.saisie);
      return c;
    }
    c.saisie = std::move(normalisee.texte);
  }
  std::string s = saisie_nettoyee(c.saisie);
  verifier_syntaxe(s, c.message);
  if (!c.message.empty()) return c;
  if (options.reduction) s = Format(nom_ligne(id_reduire) + "(%s)", {s});
  c.resultat = calculer(s);
  if (c.resultat.empty()) return c;
  // The call is recognised once for the collection and the history line.
  std::vector<std::string> arguments;
  const int id = reconnait_fonction(s, arguments);
  if (id == id_deriver || id == id_integrer) c.resultat = regroupe_somme(c.resultat);
  c.resultat = resultat_montre(c.resultat);
  c.ligne_saisie = ligne_historique(s, id, arguments);
  return c;
}

Tcalcul Tcalculatrice::calculer(std::string_view saisie, const Toptions_calcul& options) {
  Tcalcul c = calculer_saisie(saisie, options);
  if (!c.resultat.empty()) ajouter(c.ligne_saisie, c.resultat);
  return c;
}

void Tcalculatrice::ajouter(const std::string& ligne_saisie, const std::string& resultat) {
  lignes_.push_back(ligne_saisie);
  lignes_.push_back("=" + resultat);
  // The oldest calculation goes whole: its input line and its result line.
  constexpr std::size_t lignes_calcul = 2;
  while (lignes_.size() > lignes_historique_max) {
    lignes_.erase(lignes_.begin(), lignes_.begin() + lignes_calcul);
    selection_ = selection_ >= static_cast<int>(lignes_calcul) ? selection_ - static_cast<int>(lignes_calcul) : -1;
  }
}

void Tcalculatrice::vider() {
  lignes_.clear();
  selection_ = -1;
}

std::string Tcalculatrice::texte_page() const {
  std::string page;
  for (const std::string& ligne : lignes_) {
    if (!page.empty()) page += separateur_historique;
    page += "{" + ligne + "}";
  }
  return page;
}

std::string Tcalculatrice::texte_copie(std::string_view version) const {
  return joindre(lignes_, "\r\n") + "\r\nPralinore v" + std::string(version);
}

void Tcalculatrice::selectionner(int ligne) {
  selection_ = ligne >= 0 && static_cast<std::size_t>(ligne) < lignes_.size() ? ligne : -1;
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
