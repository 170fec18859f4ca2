#pragma once
// The function table and the constants table, one of each for the program.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The two templates of a row, "%s" standing for the argument.
enum class Modele { derivee, primitive };

// One row per function identifier, parallel arrays indexed by identifier:
// built-ins 2..58 (0, 1 and 25 empty), user functions from 59 on.
class Tfonction_usuelle {
 public:
  explicit Tfonction_usuelle(int nombre_lignes) : nombre(nombre_lignes) {}

  int nombre;                             // row count for dimensionner
  std::vector<std::string> nom;           // name in the current language
  std::vector<std::string> categorie;
  std::vector<int> nb_arguments;
  std::vector<std::string> arguments;     // description, ";"-separated; a user function's variable
  std::vector<std::string> description;
  std::vector<std::string> corps;         // body of a user function
  std::vector<bool> affichable;           // offered in menus and the editor

  // Every array to `nombre` rows (drops the user functions).
  void dimensionner();
  // Grows every array to max(id + 1, length + 1) and writes the LAST row, so
  // ascending ids land at their index and id 0 appends.
  void ajouter(int id, const std::string& nom_, const std::string& derivee_, const std::string& primitive_,
               const std::string& categorie_, int nb_arguments_, const std::string& arguments_,
               const std::string& description_, const std::string& corps_, bool affichable_);
  void traduire(int id, const std::string& nom_, const std::string& categorie_, const std::string& arguments_,
                const std::string& description_);
  // Leaves the two templates of row `id` to be computed by `derivee_` and
  // `primitive_` at their first read: a user function's templates take a
  // whole derivation each, most of them never read.
  void differer(int id, std::function<std::string()> derivee_, std::function<std::string()> primitive_);

  // A template of row `id`; a deferred one is computed here the first time.
  // The derivative template is empty when the row has none; in the
  // antiderivative template "int(...)" marks a function without a closed form.
  const std::string& modele(Modele m, int id) const;
  const std::string& modele_derivee(int id) const { return modele(Modele::derivee, id); }
  const std::string& modele_primitive(int id) const { return modele(Modele::primitive, id); }
  // The template waits for its first read.
  bool en_attente(Modele m, int id) const;

  // A copy of the rows below `lignes` (a deferred template stays deferred,
  // shared with this table: computed in either, it is known to both).
  Tfonction_usuelle premieres_lignes(int lignes) const;

  int taille() const { return static_cast<int>(nom.size()); }
  // First row with exactly this non-empty name, else 0.
  int identifiant(std::string_view nom_cherche) const;

 private:
  // A template computed at its first read, for every copy of the table.
  struct ModeleDiffere {
    std::function<std::string()> calcul;
    std::optional<std::string> texte;
  };
  using Differes = std::vector<std::shared_ptr<ModeleDiffere>>;

  // A deferred template is written into its column at its first read.
  mutable std::vector<std::string> derivee;
  mutable std::vector<std::string> primitive;
  mutable Differes derivee_differee;
  mutable Differes primitive_differee;

  void redimensionner(std::size_t lignes);
  std::vector<std::string>& colonne(Modele m) const { return m == Modele::derivee ? derivee : primitive; }
  Differes& differes(Modele m) const { return m == Modele::derivee ? derivee_differee : primitive_differee; }
};

class Tconstante {
 public:
  std::vector<std::string> noms;
  std::vector<std::string> valeurs;  // expression texts

  // Adds the name when absent; writes the value either way.
  void ajouter(const std::string& nom, const std::string& valeur);
  void supprimer(const std::string& nom);
  // Index of the name (exact match), -1 when absent.
  int indice(std::string_view nom) const;
};

extern std::unique_ptr<Tfonction_usuelle> fonctions_usuelles;
extern std::unique_ptr<Tconstante> constantes;
// Rows from this identifier on are user functions.
extern int nb_fonctions_predefinies;

// A fresh constants table with "pi" and "\p" (the renderer's glyph for pi).
void initialise_constantes();
// The rows of those two; the user's constants follow them.
inline constexpr std::size_t nb_constantes_predefinies = 2;
// The name is one of those two and holds the value they are given (a
// constants file may have written another).
bool est_pi(std::string_view nom);
// Fresh constants, then a fresh function table with the built-in rows in
// French and the category words of the current language.
void initialise_fonctions_usuelles();

// The category word for a catalogue entry in the current language; empty
// until the catalogue is filled.
std::string mot_categorie(std::string_view cle);
