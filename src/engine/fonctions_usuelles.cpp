#include "engine/fonctions_usuelles.h"

#include <algorithm>
#include <numbers>

#include "engine/lignes_predefinies.h"
#include "localisation/catalogue.h"
#include "localisation/chaines.h"
#include "localisation/nombres.h"

std::unique_ptr<Tfonction_usuelle> fonctions_usuelles;
std::unique_ptr<Tconstante> constantes;
int nb_fonctions_predefinies = 59;

void Tfonction_usuelle::dimensionner() { redimensionner(static_cast<std::size_t>(std::max(nombre, 0))); }

void Tfonction_usuelle::redimensionner(std::size_t n) {
  nom.resize(n);
  categorie.resize(n);
  derivee.resize(n);
  primitive.resize(n);
  nb_arguments.resize(n);
  arguments.resize(n);
  description.resize(n);
  corps.resize(n);
  affichable.resize(n);
  derivee_differee.resize(n);
  primitive_differee.resize(n);
}

void Tfonction_usuelle::ajouter(int id, const std::string& nom_, const std::string& derivee_,
                                const std::string& primitive_, const std::string& categorie_, int nb_arguments_,
                                const std::string& arguments_, const std::string& description_,
                                const std::string& corps_, bool affichable_) {
  const auto n = std::max<std::size_t>(static_cast<std::size_t>(std::max(id, 0)) + 1, nom.size() + 1);
  redimensionner(n);
  const std::size_t i = n - 1;
  nom[i] = nom_;
  derivee[i] = derivee_;
  primitive[i] = primitive_;
  categorie[i] = categorie_;
  nb_arguments[i] = nb_arguments_;
  arguments[i] = arguments_;
  description[i] = description_;
  corps[i] = corps_;
  affichable[i] = affichable_;
  derivee_differee[i].reset();
  primitive_differee[i].reset();
}

void Tfonction_usuelle::differer(int id, std::function<std::string()> derivee_,
                                 std::function<std::string()> primitive_) {
  if (id < 0 || id >= taille()) return;
  const auto i = static_cast<std::size_t>(id);
  derivee_differee[i] = std::make_shared<ModeleDiffere>(ModeleDiffere{std::move(derivee_), std::nullopt});
  primitive_differee[i] = std::make_shared<ModeleDiffere>(ModeleDiffere{std::move(primitive_), std::nullopt});
}

const std::string& Tfonction_usuelle::modele(Modele m, int id) const {
  const auto i = static_cast<std::size_t>(id);
  if (differes(m)[i]) {
    // Held apart from the row: the computation reads the table.
    const std::shared_ptr<ModeleDiffere> differe = differes(m)[i];
    if (!differe->texte) differe->texte = differe->calcul();
    colonne(m)[i] = *differe->texte;
    differes(m)[i].reset();
  }
  return colonne(m)[i];
}

bool Tfonction_usuelle::en_attente(Modele m, int id) const {
  const Differes& d = differes(m);
  return id >= 0 && id < static_cast<int>(d.size()) && d[static_cast<std::size_t>(id)] &&
         !d[static_cast<std::size_t>(id)]->texte;
}

Tfonction_usuelle Tfonction_usuelle::premieres_lignes(int lignes) const {
  Tfonction_usuelle copie(*this);
  copie.redimensionner(static_cast<std::size_t>(std::clamp(lignes, 0, taille())));
  return copie;
}

void Tfonction_usuelle::traduire(int id, const std::string& nom_, const std::string& categorie_,
                                 const std::string& arguments_, const std::string& description_) {
  if (id < 0 || id >= taille()) return;
  nom[id] = nom_;
  categorie[id] = categorie_;
  arguments[id] = arguments_;
  description[id] = description_;
}

int Tfonction_usuelle::identifiant(std::string_view nom_cherche) const {
  if (nom_cherche.empty()) return 0;
  for (std::size_t i = 0; i < nom.size(); ++i) {
    if (nom[i] == nom_cherche) return static_cast<int>(i);
  }
  return 0;
}

int Tconstante::indice(std::string_view nom) const {
  for (std::size_t i = 0; i < noms.size(); ++i) {
    if (noms[i] == nom) return static_cast<int>(i);
  }
  return -1;
}

void Tconstante::ajouter(const std::string& nom, const std::string& valeur) {
  int i = indice(nom);
  if (i < 0) {
    noms.push_back(nom);
    valeurs.emplace_back();
    i = static_cast<int>(noms.size()) - 1;
  }
  valeurs[i] = valeur;
}

void Tconstante::supprimer(const std::string& nom) {
  const int i = indice(nom);
  supprimer_element(i, noms);
  supprimer_element(i, valeurs);
}

namespace {

const std::string& texte_de_pi() {
  static const std::string texte = texte_nombre(std::numbers::pi);
  return texte;
}

}  // namespace

void initialise_constantes() {
  constantes = std::make_unique<Tconstante>();
  constantes->ajouter("pi", texte_de_pi());
  constantes->ajouter("\\p", texte_de_pi());
}

bool est_pi(std::string_view nom) {
  if (!constantes || (nom != "pi" && nom != "\\p")) return false;
  const int i = constantes->indice(nom);
  return i >= 0 && constantes->valeurs[static_cast<std::size_t>(i)] == texte_de_pi();
}

void initialise_fonctions_usuelles() {
  initialise_constantes();
  fonctions_usuelles = std::make_unique<Tfonction_usuelle>(nb_fonctions_predefinies);
  for (const auto& l : lignes_predefinies()) {
    fonctions_usuelles->ajouter(l.id, l.nom[0], l.derivee, l.primitive, mot_categorie(l.cle_categorie),
                                l.nb_arguments, l.arguments[0], l.description[0], "", l.affichable);
  }
  nb_fonctions_predefinies = fonctions_usuelles->taille();
}

std::string mot_categorie(std::string_view cle) {
  const std::string* mot = catalogue_textes.par_nom(cle);
  return mot ? *mot : std::string();
}
