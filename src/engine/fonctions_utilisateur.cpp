#include "engine/fonctions_utilisateur.h"

#include <memory>
#include <utility>
#include <vector>

#include "engine/fonction.h"
#include "engine/fonctions_usuelles.h"
#include "engine/memoire_appel.h"

namespace {

// What a row's templates are computed against: the table up to the row and
// the constants, as they stood when the row was added.
struct Chargement {
  int ligne;
  std::string corps;
  std::string variable;
  std::shared_ptr<const Tconstante> constantes;
};

// Puts the tables of a loading in force for its lifetime, then the tables
// that were (they stay alive meanwhile: the running call may hold their texts).
class TablesDuChargement {
 public:
  explicit TablesDuChargement(const Chargement& c)
      : fonctions_(std::exchange(fonctions_usuelles, premieres_lignes(c.ligne))),
        constantes_(std::exchange(constantes, c.constantes ? std::make_unique<Tconstante>(*c.constantes) : nullptr)) {}
  ~TablesDuChargement() {
    fonctions_usuelles = std::move(fonctions_);
    constantes = std::move(constantes_);
  }
  TablesDuChargement(const TablesDuChargement&) = delete;
  TablesDuChargement& operator=(const TablesDuChargement&) = delete;

 private:
  static std::unique_ptr<Tfonction_usuelle> premieres_lignes(int ligne) {
    if (!fonctions_usuelles) return nullptr;
    return std::make_unique<Tfonction_usuelle>(fonctions_usuelles->premieres_lignes(ligne));
  }

  std::unique_ptr<Tfonction_usuelle> fonctions_;
  std::unique_ptr<Tconstante> constantes_;
};

// The user rows below `ligne` whose template `m` waits and whose name the
// text holds (a name found inside a longer one only costs a read).
std::vector<int> appelees_en_attente(const std::string& texte, int ligne, Modele m) {
  std::vector<int> appelees;
  for (int id = nb_fonctions_predefinies; id < ligne && id < fonctions_usuelles->taille(); ++id) {
    const std::string& nom = fonctions_usuelles->nom[static_cast<std::size_t>(id)];
    if (fonctions_usuelles->en_attente(m, id) && !nom.empty() && texte.find(nom) != std::string::npos) {
      appelees.push_back(id);
    }
  }
  return appelees;
}

// The waiting templates of the functions the body calls are read first, the
// called ones before their callers, each when nothing it calls waits: read
// inside the derivation instead, a chain of thousands of functions would
// nest as many set-aside calls, and as deep a stack.
void lire_les_lignes_appelees(const Chargement& c, Modele m) {
  if (!fonctions_usuelles) return;
  std::vector<int> pile = appelees_en_attente(c.corps, c.ligne, m);
  while (!pile.empty()) {
    const int id = pile.back();
    const std::vector<int> appelees =
        fonctions_usuelles->en_attente(m, id)
            ? appelees_en_attente(fonctions_usuelles->corps[static_cast<std::size_t>(id)], id, m)
            : std::vector<int>{};
    if (appelees.empty()) {
      fonctions_usuelles->modele(m, id);
      pile.pop_back();
    } else {
      pile.insert(pile.end(), appelees.begin(), appelees.end());
    }
  }
}

// The result in the variable turned into a template.
std::string modele(const std::string& resultat, const std::string& variable) {
  return fonction(resultat).numeriser_substitution(variable, "%s", true);
}

template <class Calcul>
std::string comme_au_chargement(const Chargement& c, Modele m, Calcul&& calcul) {
  lire_les_lignes_appelees(c, m);
  const TablesDuChargement tables(c);
  const AppelAPart a_part;
  return modele(calcul(fonction(c.corps), c.variable), c.variable);
}

}  // namespace

void ajouter_fonction_utilisateur(const std::string& nom, const std::string& corps, const std::string& variable,
                                  const std::string& categorie, const std::string& description) {
  if (!fonctions_usuelles) return;
  fonctions_usuelles->ajouter(0, nom, "", "", categorie, 1, variable, description, corps, true);
  const Chargement c{fonctions_usuelles->taille() - 1, corps, variable,
                     constantes ? std::make_shared<const Tconstante>(*constantes) : nullptr};
  fonctions_usuelles->differer(
      c.ligne,
      [c] {
        return comme_au_chargement(c, Modele::derivee,
                                   [](const fonction& f, const std::string& v) { return f.deriver(v); });
      },
      [c] {
        return comme_au_chargement(c, Modele::primitive,
                                   [](const fonction& f, const std::string& v) { return f.integrer(v); });
      });
}
