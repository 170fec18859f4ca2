#include "engine/decoupage.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

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

// The brackets enclosing a text, removed one pair at a time: the pair goes
// while the first "(" closes on the last character.
std::string sans_parentheses_reference(std::string t) {
  const auto ferme_au_bout = [](const std::string& u) {
    int compte = 0;
    for (std::size_t i = 0; i < u.size(); ++i) {
      compte += u[i] == '(' ? 1 : u[i] == ')' ? -1 : 0;
      if (compte == 0) return i == u.size() - 1;
    }
    return false;
  };
  while (t.size() >= 2 && t != "()" && t.front() == '(' && t.back() == ')' && ferme_au_bout(t)) {
    t = t.substr(1, t.size() - 2);
  }
  return t;
}

TEST(Decoupage, BracketRemovalAgreesWithOnePairAtATime) {
  constexpr std::string_view alphabet = "(())a+;";
  constexpr int tirages = 4000;
  constexpr int longueur_maximale = 10;
  std::mt19937 alea(11);
  for (int k = 0; k < tirages; ++k) {
    std::string t;
    const int longueur = static_cast<int>(alea() % longueur_maximale);
    for (int i = 0; i < longueur; ++i) t += alphabet[alea() % alphabet.size()];
    const std::string attendu = sans_parentheses_reference(t);
    EXPECT_EQ(enleve_delimiteurs(t, "()"), attendu) << t;
    EXPECT_EQ(sans_parentheses(t), attendu) << t;
    EXPECT_EQ(decoupe(t, ';'), decoupe(attendu, ';')) << t;
  }
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
