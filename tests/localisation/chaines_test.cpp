#include "localisation/chaines.h"

#include <gtest/gtest.h>

namespace {

TEST(Crypter, IsItsOwnInverseOnBytes) {
  const std::string texte = "Bonjour \xEE!";
  EXPECT_EQ(crypter(crypter(texte, 173), 173), texte);
  EXPECT_EQ(crypter(texte, 0), texte);
  EXPECT_EQ(crypter(texte, 256), texte);
  EXPECT_EQ(crypter("a", 1), "`");
  EXPECT_EQ(crypter("a", 97), std::string(1, '\0'));
  EXPECT_EQ(crypter("abc", -1).size(), 3u);
}

TEST(EstDeclarationFonction, LeftSideOfADefinition) {
  for (const char* vrai : {"f(x)", "", "abc)", "f()", "(x)", "aire(r)"}) EXPECT_TRUE(est_declaration_fonction(vrai)) << vrai;
  for (const char* faux : {"f(x)+1", "f(x1)", "f", "F(x)", "f(x))", ")(", "f(x;y)"}) {
    EXPECT_FALSE(est_declaration_fonction(faux)) << faux;
  }
}

TEST(EstNomVariable, LowerCaseLettersOnly) {
  EXPECT_TRUE(est_nom_variable(""));
  EXPECT_TRUE(est_nom_variable("abc"));
  EXPECT_FALSE(est_nom_variable("a1"));
  EXPECT_FALSE(est_nom_variable("A"));
  EXPECT_FALSE(est_nom_variable("\xE9"));
}

TEST(SupprimerElement, KeepsOrderAndIgnoresBadIndexes) {
  std::vector<std::string> t = {"a", "b", "c"};
  supprimer_element(5, t);
  supprimer_element(-1, t);
  EXPECT_EQ(t, (std::vector<std::string>{"a", "b", "c"}));
  supprimer_element(1, t);
  EXPECT_EQ(t, (std::vector<std::string>{"a", "c"}));
}

}  // namespace
