// Every catalogue entry with a generator, run for many seeds in both
// languages, makes sound exercises (controle.h). PRALINORE_GRAINES raises
// the number of seeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "exercises/catalogue_exercices.h"
#include "exercises/generateur.h"
#include "exercises/generateurs/controle.h"
#include "exercises/generateurs/execution.h"
#include "exercises/generateurs/outils.h"
#include "localisation/nombres.h"

#ifndef PRALINORE_GRAINES_DEFAUT
#define PRALINORE_GRAINES_DEFAUT 200
#endif

namespace {

constexpr int francais = 0;
constexpr int anglais = 1;

int nombre_graines() {
  const char* texte = std::getenv("PRALINORE_GRAINES");
  const auto n = texte != nullptr ? lire_entier32(texte) : std::nullopt;
  return n && *n > PRALINORE_GRAINES_DEFAUT ? *n : PRALINORE_GRAINES_DEFAUT;
}

// Stands in for the program's generators when it registers none, so that
// the run itself is exercised: a division with quotient and remainder.
void division_temoin(ContexteGenerateur& c) {
  c.presentateur.preparer_exercice();
  const int b = RandomRange(c, 2, 10);
  const int q = Random(c, 10);
  const int r = Random(c, b);
  c.presentateur.poser_question("{" + texte_entier(b * q + r) + "}:" + texte_entier(b), "T[q];T[r]",
                                {texte_entier(q), texte_entier(r)}, texte_entier(q) + ";" + texte_entier(r), true);
}

// "0-11, 14, 18" for the sorted indices.
std::string plages(const std::vector<int>& indices) {
  std::string texte;
  for (std::size_t i = 0; i < indices.size();) {
    std::size_t j = i;
    while (j + 1 < indices.size() && indices[j + 1] == indices[j] + 1) ++j;
    texte += (texte.empty() ? "" : ", ") + texte_entier(indices[i]);
    if (j > i) texte += "-" + texte_entier(indices[j]);
    i = j + 1;
  }
  return texte.empty() ? "none" : texte;
}

std::vector<int> entrees_avec_generateur() {
  std::vector<int> indices;
  for (int i = 0; i < exercices.taille(); ++i) {
    if (exercices.generateur[static_cast<std::size_t>(i)] != nullptr) indices.push_back(i);
  }
  return indices;
}

TEST(Proprietes, EveryEntryWithAGeneratorMakesSoundExercises) {
  enregistrer_generateurs();
  if (cles_generateurs().empty()) enregistrer_generateur("1116", &division_temoin);

  // Every registered generator is reached by an entry of the catalogue.
  for (const std::string& cle : cles_generateurs()) {
    const auto& table = table_exercices();
    const bool atteinte =
        std::any_of(table.begin(), table.end(), [&](const Tentree_catalogue& e) { return e.cle == cle; });
    EXPECT_TRUE(atteinte) << "generator " << cle << " is left out: no catalogue entry uses its key";
  }

  const int graines = nombre_graines();
  for (const int langue : {francais, anglais}) {
    charger_langue_exercices(langue);
    const std::vector<int> indices = entrees_avec_generateur();
    ASSERT_FALSE(indices.empty());
    if (langue == francais) std::cout << "entries covered: " << plages(indices) << "\n";
    for (const int i : indices) {
      for (int g = 0; g < graines; ++g) {
        const ExerciceProduit p = executer_exercice(i, static_cast<std::uint32_t>(g));
        const auto fautes = fautes_exercice(p);
        const std::string enonce = p.presentateur.questions.empty() ? "" : p.presentateur.questions.back().question;
        ASSERT_TRUE(fautes.empty()) << "entry " << i << " (code " << exercices.code[static_cast<std::size_t>(i)]
                                    << "), seed " << g << ", language " << langue << ": " << fautes.front()
                                    << "\nstatement: " << enonce;
      }
    }
  }
  charger_langue_exercices(francais);
}

}  // namespace
