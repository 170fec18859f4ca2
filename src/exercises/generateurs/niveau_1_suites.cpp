#include "exercises/generateurs/niveau_1_suites.h"

#include <cstdint>
#include <string>

#include "engine/operation.h"
#include "exercises/contexte_generateur.h"
#include "exercises/generateur.h"
#include "exercises/generateurs/outils.h"
#include "localisation/format.h"
#include "localisation/nombres.h"

namespace {

constexpr const char* variable = "n";
// The ratios of the arithmetic sequences: -10..9 without 0.
constexpr int raison_min = -10;
constexpr int raison_max_exclue = 10;
// The first terms of the arithmetic sequences: -5..4.
constexpr int premier_min = -5;
constexpr int premier_max_exclu = 5;
// The ratios of the geometric sequences: -3, -2 or 2; first terms -7..6.
constexpr int ratio_min = -3;
constexpr int ratio_max_exclu = 3;
constexpr int premier_geometrique_min = -7;
constexpr int premier_geometrique_max_exclu = 7;
// The asked index: 1..4.
constexpr int indice_min = 1;
constexpr int indice_max_exclu = 5;

// RandomRange(a, b) drawn again while 0.
int non_nul(ContexteGenerateur& contexte, int a, int b) {
  int v = 0;
  while (v == 0) v = RandomRange(contexte, a, b);
  return v;
}

std::int64_t puissance(std::int64_t base, int exposant) {
  std::int64_t p = 1;
  for (int e = 0; e < exposant; ++e) p *= base;
  return p;
}

// The two answers u_n and u_k, in order, corrected as "{u_n;u_k}".
void poser_terme(ContexteGenerateur& contexte, const std::string& question, const std::string& u_n,
                 std::int64_t u_k) {
  const std::string terme = texte_entier(u_k);
  contexte.presentateur.poser_question(question, "T[1.];T[2.]", {u_n, terme},
                                       Format("{%s;%s}", {u_n, terme}), true);
}

}  // namespace

void exercice_1626(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  const int r = non_nul(contexte, raison_min, raison_max_exclue);
  const int u0 = RandomRange(contexte, premier_min, premier_max_exclu);
  const int k = RandomRange(contexte, indice_min, indice_max_exclu);
  const std::string u_n = operation(operation(texte_entier(r), variable, "*"), texte_entier(u0), "+");
  poser_terme(contexte, Format(contexte.textes.enonce_suite_arithmetique_raison, {r, u0, k}), u_n,
              static_cast<std::int64_t>(r) * k + u0);
}

void exercice_1627(ContexteGenerateur& contexte) {
  contexte.presentateur.preparer_exercice();
  // A ratio of 1 or -1 makes u_n and u_k judged alike, swapped or not.
  int q = 0;
  while (q == 0 || q == 1 || q == -1) q = RandomRange(contexte, ratio_min, ratio_max_exclu);
  const int u0 = RandomRange(contexte, premier_geometrique_min, premier_geometrique_max_exclu);
  const int k = RandomRange(contexte, indice_min, indice_max_exclu);
  const std::string u_n =
      operation_ordonnee(texte_entier(u0), operation_ordonnee(texte_entier(q), variable, "^"), "*");
  poser_terme(contexte, Format(contexte.textes.enonce_suite_geometrique_raison, {q, u0, k}), u_n,
              u0 * puissance(q, k));
}

void enregistrer_niveau_1_suites() {
  enregistrer_generateur("1626", &exercice_1626);
  enregistrer_generateur("1627", &exercice_1627);
}
