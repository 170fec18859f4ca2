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

TEST(EnMinuscules, LowersWindows1252CapitalsOnly) {
  EXPECT_EQ(en_minuscules("F(X):=X^2"), "f(x):=x^2");
  EXPECT_EQ(en_minuscules("\xC9t\xE9 \xCE"), "\xE9t\xE9 \xEE");  // accented capitals, imaginary unit
  EXPECT_EQ(en_minuscules("\xD7\xDF\x8C\x9F"), "\xD7\xDF\x9C\xFF");  // the times sign and sharp s stay
  EXPECT_EQ(en_minuscules("[1;2]+@_"), "[1;2]+@_");
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
