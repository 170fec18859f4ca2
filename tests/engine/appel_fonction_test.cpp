#include "engine/appel_fonction.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string_view>

#include "engine/decoupage.h"
#include "engine/expression.h"
#include "engine/fonctions_usuelles.h"
#include "engine/lignes_predefinies.h"
#include "engine/profondeur.h"
#include "travail_de.h"

namespace {

using Arguments = std::vector<std::string>;

class Appel : public ::testing::Test {
 protected:
  void SetUp() override { initialise_fonctions_usuelles(); }
  int id(const std::string& texte) {
    arguments = {"inchange"};
    return reconnait_fonction(texte, arguments);
  }
  Arguments arguments;
};

TEST_F(Appel, RecognisesWholeTextCalls) {
  EXPECT_EQ(id("cos(x)"), id_de(Ligne::cos));
  EXPECT_EQ(arguments, Arguments{"x"});
  EXPECT_EQ(id("deriver(x^2;x)"), id_de(Ligne::deriver));
  EXPECT_EQ(arguments, (Arguments{"x^2", "x"}));
  EXPECT_EQ(id("integrale(f;[0;1];b;x)"), id_de(Ligne::integrale));
  EXPECT_EQ(arguments, (Arguments{"f", "[0;1]", "b", "x"}));
  EXPECT_EQ(id("cos((x+1))"), id_de(Ligne::cos));
  EXPECT_EQ(arguments, Arguments{"x+1"});
}

TEST_F(Appel, WhatIsNotACall) {
  EXPECT_EQ(id("cos(x)+1"), 0);
  EXPECT_EQ(arguments, Arguments{"inchange"});  // an operator leaves the arguments alone
  EXPECT_EQ(id("(a+b)"), 0);
  EXPECT_EQ(arguments, Arguments{"a+b"});
  EXPECT_EQ(id("f(x)=2"), 0);
  EXPECT_TRUE(arguments.empty());
  EXPECT_EQ(id("cos()"), 0);
  EXPECT_EQ(id("Cos(x)"), 0);
  EXPECT_EQ(id("inconnue(x)"), 0);
  EXPECT_EQ(id("cos(x"), 0);
  EXPECT_EQ(id("x"), 0);
  EXPECT_EQ(arguments, Arguments{""});
  EXPECT_EQ(id(""), 0);
}

// A text without a bracket is answered without cutting its empty bracket
// part: the same as the written path (the split's kind, then the cut of an
// empty text), arguments and work alike.
TEST_F(Appel, TextsWithoutBracketsAnswerAsTheCutOfNothing) {
  for (const std::string t : {"x", "12", "-x", "x+1", "2*x^3", "a;b", "x=1", "[1;2]", "-", "!", "e-5"}) {
    const std::uint64_t attendu =
        travail_de([&] { type_operateur_de(t); }) +
        (type_operateur_de(t) == TypeOperateur::aucun ? travail_de([] { decoupe("", ';'); }) : 0);
    EXPECT_EQ(travail_de([&] { id(t); }), attendu) << t;
    EXPECT_EQ(id(t), 0) << t;
    EXPECT_EQ(arguments, type_operateur_de(t) == TypeOperateur::aucun ? decoupe("", ';') : Arguments{"inchange"})
        << t;
  }
}

// The identifier alone agrees with the whole recognition, in work too, and
// with its arguments for every call.
TEST_F(Appel, IdentifierAgreesWithTheRecognition) {
  const std::string_view morceaux[] = {"cos", "sqrt", "deriver", "x", "2", "(", ")", ";", "+", "-", "*", "^", "[", "]"};
  constexpr int tirages = 3000;
  constexpr int morceaux_maximal = 8;
  std::mt19937 alea(20);
  for (int k = 0; k < tirages; ++k) {
    std::string t;
    const int n = static_cast<int>(alea() % morceaux_maximal);
    for (int i = 0; i < n; ++i) t += morceaux[alea() % std::size(morceaux)];
    Arguments reconnus;
    Arguments identifies;
    int attendu = 0;
    int obtenu = 0;
    EXPECT_EQ(travail_de([&] { obtenu = identifiant_appel(t, identifies); }),
              travail_de([&] { attendu = reconnait_fonction(t, reconnus); }))
        << t;
    EXPECT_EQ(obtenu, attendu) << t;
    if (attendu > 0) {
      EXPECT_EQ(identifies, reconnus) << t;
    }
  }
}

TEST_F(Appel, ErrorValuesAndUserFunctions) {
  EXPECT_TRUE(est_erreur("erreur(Division par z\xE9ro)"));
  EXPECT_TRUE(est_erreur("erreur(erreur:logarithme d'un nombre negatif)"));
  EXPECT_FALSE(est_erreur("erreur(a)+1"));
  EXPECT_FALSE(est_erreur("2*erreur(a)"));
  EXPECT_FALSE(est_erreur("erreur()"));
  fonctions_usuelles->ajouter(0, "f", "", "", "", 1, "x", "", "x^2", false);
  EXPECT_TRUE(est_fonction_utilisateur("f(3)"));
  EXPECT_FALSE(est_fonction_utilisateur("cos(3)"));
  EXPECT_FALSE(est_fonction_utilisateur("g(3)"));
  EXPECT_TRUE(est_appel_avec_arguments("f(3)"));
  EXPECT_FALSE(est_appel_avec_arguments("x"));
}

TEST_F(Appel, IdentifiersBeyond127AreNotAliased) {
  for (int i = 0; i < 83; ++i) {
    fonctions_usuelles->ajouter(0, "u" + std::to_string(i), "", "", "", 1, "x", "", "x", false);
  }
  EXPECT_EQ(id("u82(1)"), 141);
  EXPECT_TRUE(est_fonction_utilisateur("u82(1)"));
  EXPECT_EQ(id("u68(1)"), 127);
}

}  // namespace
