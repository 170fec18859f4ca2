#pragma once
// Formulas laid out alone, at (x0, y0), measured on a canvas of their own,
// with the function and constants tables in French.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formula/page_de_test.h"
#include "platform/canevas.h"

class FormulesDeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { preparer_tables(0); }

  static constexpr int x0 = 10;
  static constexpr int y0 = 40;

  Canevas canevas;
  OptionsFormules options_formules;

  // The options the next formulas are laid out with.
  void options(bool fonctions_en_rouge, bool coloration) { options_formules = {fonctions_en_rouge, coloration}; }

  std::unique_ptr<Tligne> disposer(const std::string& texte, const Tpolice& police = police_des_pages()) {
    return std::make_unique<Tligne>(&canevas, options_formules, police, texte, x0, y0);
  }

  static int largeur(std::string_view texte, int taille = 14, const std::string& nom = "MS Sans Serif") {
    Canevas c;
    c.police.nom = nom;
    c.police.taille = taille;
    return c.TextWidth(texte);
  }
  static int hauteur(int taille = 14) {
    Canevas c;
    c.police.taille = taille;
    return c.TextHeight(" ");
  }

  // The n-th cell (from 0) holding that character; the test fails without one.
  static const Tcellule& cellule(const Tligne& l, char caractere, int n = 0) {
    for (const auto& c : l.cellules) {
      if (c.caractere == std::string(1, caractere) && n-- == 0) return c;
    }
    ADD_FAILURE() << "no cell '" << caractere << "' in " << l.texte;
    static const Tcellule aucune;
    return aucune;
  }

  static std::vector<const Tobjet_graphique*> objets(const Tligne& l, std::string_view nature) {
    std::vector<const Tobjet_graphique*> trouves;
    for (const auto& o : l.objets) {
      if (o.nature == nature) trouves.push_back(&o);
    }
    return trouves;
  }

  static std::string texte_visible(const Tligne& l) {
    std::string t;
    for (const auto& c : l.cellules) {
      if (!c.cache) t += c.caractere;
    }
    return t;
  }
};
