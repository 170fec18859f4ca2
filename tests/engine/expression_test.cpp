#include "engine/expression.h"

#include <gtest/gtest.h>

namespace {

struct Decoupe {
  const char* texte;
  const char* operateur;
  const char* gauche;
  const char* droite;
};

TEST(Expression, SplitsAtTheLowestPriorityOperator) {
  const Decoupe cas[] = {
      {"a-b-c", "-", "a-b", "c"},
      {"a-b+c", "+", "a-b", "c"},
      {"-a", "", "-a", ""},
      {"2*-3", "-", "2*", "3"},        // a sign after "*" counts as binary
      {"2^-3", "^", "2", "-3"},
      {"1E-5+x", "+", "1E-5", "x"},    // the exponent's sign stays in the number
      {"2.5e-3", "", "2.5e-3", ""},
      {"a-e-1", "-", "a-e", "1"},      // a name ending in e is no exponent
      {"x2e-1", "-", "x2e", "1"},
      {"a*b/c", "*", "a", "b/c"},
      {"a/b*c", "*", "a/b", "c"},
      {"a/b/c", "/", "a/b", "c"},
      {"a/b^c", "/", "a", "b^c"},
      {"a^b^c", "^", "a^b", "c"},
      {"n!", "!", "n", ""},
      {"(a+b)", "", "(a+b)", ""},
      {"(a+b)*c", "*", "(a+b)", "c"},
      {"-(a+b)", "", "-(a+b)", ""},
      {"-a*b", "*", "-a", "b"},
      {"f(x;y)", "", "f(x;y)", ""},
  };
  for (const auto& c : cas) {
    const expression e(c.texte);
    EXPECT_EQ(e.operateur, c.operateur) << c.texte;
    EXPECT_EQ(e.gauche, c.gauche) << c.texte;
    EXPECT_EQ(e.droite, c.droite) << c.texte;
  }
}

TEST(Expression, OperatorTypeAndPosition) {
  const expression moins("-(a+b)");
  EXPECT_EQ(moins.type_operateur, TypeOperateur::aucun);
  EXPECT_EQ(moins.position, 0);
  const expression fois("ab*c");
  EXPECT_EQ(fois.type_operateur, TypeOperateur::fois);
  EXPECT_EQ(fois.position, 3);
  EXPECT_EQ(expression("n!").type_operateur, TypeOperateur::factorielle);
}

TEST(Expression, ListsAndRelationsAreNotSplit) {
  const expression liste("[1;2]+[3;4]");
  EXPECT_EQ(liste.type_operateur, TypeOperateur::aucun);
  EXPECT_EQ(liste.gauche, "");
  EXPECT_EQ(liste.position_liste, 0);
  const expression appel("f(x;y)");
  EXPECT_EQ(appel.position_liste, 0);
  const expression arguments("a;b;c");
  EXPECT_EQ(arguments.position_liste, 4);
  EXPECT_EQ(arguments.gauche, "");
  EXPECT_EQ(expression("x^2=4").position_relation, 4);
  EXPECT_EQ(expression("a<b=c").position_relation, 4);  // "=" is tried before "<"
  EXPECT_EQ(expression("f(x):=x^2").position_relation, 6);
  EXPECT_EQ(expression("x^2=4").gauche, "");
}

TEST(Expression, UnbalancedTextsNeverSplitWrongly) {
  const expression e("a)+(b");
  EXPECT_EQ(e.type_operateur, TypeOperateur::aucun);
  const expression trop_fermee("a)((b");
  EXPECT_EQ(trop_fermee.gauche, "");
  EXPECT_EQ(expression("").gauche, "");
  const expression ouverte("(a+b");  // the sign stands at depth 0 when read from the right
  EXPECT_EQ(ouverte.gauche, "(a");
  EXPECT_EQ(ouverte.droite, "b");
}

}  // namespace
