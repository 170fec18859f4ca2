#pragma once
// The built-in rows of the function table in both languages, read once from
// the compiled-in data file (UTF-8 there, Windows-1252 here).

#include <string>
#include <vector>

// Every built-in row by its French name in donnees/fonctions.tsv, with its
// identifier (a test checks both against the data file). Row 54, "_", writes
// a subscript. The names live beside the rows' data, in a header that needs
// nothing of the engine, so parsing, layout and the shell can name a row
// without reaching the function table.
#define PRALINORE_LIGNES_PREDEFINIES(X) \
  X(cos, 2) \
  X(sin, 3) \
  X(abs, 4) \
  X(tan, 5) \
  X(cotan, 6) \
  X(ln, 7) \
  X(exp, 8) \
  X(sqrt, 9) \
  X(sh, 10) \
  X(ch, 11) \
  X(th, 12) \
  X(deriver, 13) \
  X(integrer, 14) \
  X(integrale, 15) \
  X(fraction, 16) \
  X(pgcd, 17) \
  X(comb, 18) \
  X(perm, 19) \
  X(fact, 20) \
  X(developper, 21) \
  X(reduire, 22) \
  X(factoriser, 23) \
  X(resoudre, 24) \
  X(discriminant, 26) \
  X(somme, 27) \
  X(produit, 28) \
  X(moyenne, 29) \
  X(variance, 30) \
  X(ecart_type, 31) \
  X(min, 32) \
  X(max, 33) \
  X(est_impair, 34) \
  X(est_pair, 35) \
  X(calcul_radical, 36) \
  X(numeriser, 37) \
  X(degre, 38) \
  X(division_euclidienne, 39) \
  X(complexe_resoudre, 40) \
  X(partie_imaginaire, 41) \
  X(partie_reelle, 42) \
  X(conjugue, 43) \
  X(module, 44) \
  X(argument, 45) \
  X(det, 46) \
  X(inv, 47) \
  X(resoudre_systeme, 48) \
  X(developpement_limite, 49) \
  X(points_en_droite, 50) \
  X(produit_scalaire, 51) \
  X(vecteur, 52) \
  X(ou, 53) \
  X(_, 54) \
  X(affiche, 55) \
  X(insere_image, 56) \
  X(insere_figure, 57) \
  X(erreur, 58)

enum class Ligne {
#define PRALINORE_ENUMERATEUR(nom, id) nom = id,
  PRALINORE_LIGNES_PREDEFINIES(PRALINORE_ENUMERATEUR)
#undef PRALINORE_ENUMERATEUR
};

// The identifier of a row, as reconnait_fonction returns it.
constexpr int id_de(Ligne ligne) { return static_cast<int>(ligne); }
// An identifier compared with a row: `id == Ligne::sqrt`, `id != Ligne::erreur`.
constexpr bool operator==(int id, Ligne ligne) { return id == id_de(ligne); }

struct LignePredefinie {
  int id = 0;
  std::string nom[2];          // [0] French, [1] English
  std::string cle_categorie;   // catalogue entry naming the category
  int nb_arguments = 0;
  std::string arguments[2];
  bool affichable = false;
  bool traduite = false;       // rewritten by the language switch
  std::string derivee;
  std::string primitive;
  std::string description[2];
};

// Rows 2 to 58 in ascending identifier order (25 is absent).
const std::vector<LignePredefinie>& lignes_predefinies();

// The row of an identifier, or nullptr.
const LignePredefinie* ligne_predefinie(int id);

// Index 1 is English; any other index is French.
inline int colonne_langue(int indice_langue) { return indice_langue == 1 ? 1 : 0; }
