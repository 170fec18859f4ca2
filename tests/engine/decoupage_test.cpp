#include "engine/decoupage.h"

#include <gtest/gtest.h>

namespace {

using Morceaux = std::vector<std::string>;

TEST(Decoupage, PositionOutsideBrackets) {
  EXPECT_EQ(position_hors_parentheses("a;[b;c];d", ";"), 8);
  EXPECT_EQ(position_hors_parentheses("f(a;b)", ";"), 0);
  EXPECT_EQ(position_hors_parentheses("", ";"), 0);
  EXPECT_EQ(position_hors_parentheses("a:=b", ":="), 0);
  EXPECT_EQ(equilibre_parentheses("((a)"), 1);
  EXPECT_EQ(equilibre_parentheses(""), 0);
}

TEST(Decoupage, CutsAtTopLevelSeparators) {
  EXPECT_EQ(decoupe("(a;b)", ';'), (Morceaux{"a", "b"}));
  EXPECT_EQ(decoupe("[1;2];3", ';'), (Morceaux{"[1;2]", "3"}));
  EXPECT_EQ(decoupe_arguments("[1;2];3"), (Morceaux{"[1", "2]", "3"}));
  EXPECT_EQ(decoupe("", ';'), (Morceaux{""}));
  EXPECT_EQ(decoupe("a;;b;", ';'), (Morceaux{"a", "", "b", ""}));
}

TEST(Decoupage, JoinsSkippingAnEmptyStart) {
  EXPECT_EQ(joindre({"", "a"}, ";"), "a");
  EXPECT_EQ(joindre({"a", "", "b"}, ";"), "a;;b");
  EXPECT_EQ(joindre_liste({"x", "y"}, ";"), "x;y");
  EXPECT_EQ(ajoute_element("", "a", ";"), "a");
  EXPECT_EQ(ajoute_element("a", "b", ";"), "a;b");
}

TEST(Decoupage, RemovesEnclosingDelimiters) {
  EXPECT_EQ(enleve_delimiteurs("((a+b))", "()"), "a+b");
  EXPECT_EQ(enleve_delimiteurs("(a)*(b)", "()"), "(a)*(b)");
  EXPECT_EQ(enleve_delimiteurs("(a)+(b)", "()"), "(a)+(b)");
  EXPECT_EQ(enleve_delimiteurs("[(a)]", "[]"), "a");
  EXPECT_EQ(enleve_delimiteurs("[[a]]", "[]"), "[a]");
  EXPECT_EQ(enleve_delimiteurs("()", "()"), "()");
  EXPECT_EQ(enleve_delimiteurs("((a)", "()"), "((a)");
  EXPECT_EQ(enleve_delimiteurs("", "()"), "");
}

TEST(Decoupage, DeepBracketsDoNotExhaustTheStack) {
  const std::string profond = std::string(100000, '(') + "a" + std::string(100000, ')');
  EXPECT_EQ(enleve_delimiteurs(profond, "()"), "a");
}

TEST(Decoupage, InitialConditions) {
  EXPECT_EQ(decompose_condition("y'(0)=1", "="), "y';1;0");
  EXPECT_EQ(decompose_condition("y(0)=2", "="), "y;2;0");
}

}  // namespace
