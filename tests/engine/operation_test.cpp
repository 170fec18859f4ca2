#include "engine/operation.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/moteur_pret.h"
#include "engine/parentheses.h"

namespace {

struct Cas {
  const char* a;
  const char* b;
  const char* op;
  const char* attendu;
};

using Operation = MoteurFrancais;

TEST_F(Operation, SimplifiesAndBrackets) {
  const Cas cas[] = {
      {"0", "x", "+", "x"},           {"x", "-y", "+", "x-y"},          {"0", "0", "+", "0"},
      {"", "", "+", ""},              {"x", "0", "-", "x"},             {"0", "x+1", "-", "-(x+1)"},
      {"0", "-x", "-", "x"},          {"a", "-b", "-", "a+b"},          {"a+b", "c", "*", "(a+b)*c"},
      {"a", "b+c", "-", "a-(b+c)"},   {"-1", "x+1", "*", "-(x+1)"},     {"x+1", "-1", "*", "-(x+1)"},
      {"-1", "-x", "*", "x"},         {"-1", "-1", "*", "1"},           {"a/b", "c/d", "*", "(a*c)/(b*d)"},
      {"a", "-b", "/", "-a/b"},       {"-x", "2", "^", "x^2"},          {"-x", "3", "^", "-x^3"},
      {"x", "0", "^", "1"},           {"0", "0", "^", "1"},             {"(x)", "1", "*", "x"},
      {"2", "3", "+", "2+3"},         {"0.0", "x", "+", "0.0+x"},       {"+1", "x", "*", "+1*x"},
      {"cos(x)", "x", "^", "(cos(x))^x"}, {"x", "n!", "^", "x^(n!)"},   {"x", "0", "*", "0"},
      {"-0", "x", "*", "0"},          {"a", "-3", "*", "a*(-3)"},       {"a+b", "c+d", "/", "(a+b)/(c+d)"},
      {"0", "x", "/", "0"},           {"x", "0", "/", "erreur(Division par z\xE9ro)"},           {"x", "1", "/", "x"},
      {"1", "x", "^", "1"},           {"x+1", "2", "^", "(x+1)^2"},     {"x", "123456789012345678901234567890", "^",
                                                                          "x^123456789012345678901234567890"},
      {"0", "0", "/", "erreur(Division par z\xE9ro)"},
      {"0", "-1", "^", "erreur(Division par z\xE9ro)"},
      {"x", "0.0", "/", "erreur(Division par z\xE9ro)"},
      {"0", "0.0", "^", "1"},
      {"0.0", "0", "^", "1"},
      {"erreur(x)", "1", "+", "erreur(x)"},
      {"1", "erreur(y)", "*", "erreur(y)"},
  };
  for (const auto& c : cas) EXPECT_EQ(operation(c.a, c.b, c.op), c.attendu) << c.a << " " << c.op << " " << c.b;
}

TEST_F(Operation, ListForm) {
  EXPECT_EQ(operation(std::vector<std::string>{"a", "b", "c"}, "+"), "");
  EXPECT_EQ(operation(std::vector<std::string>{"a", "b", "c"}, "?"), "a*b*c");
  EXPECT_EQ(operation(std::vector<std::string>{"a", "b"}, "-"), "a-b");
}

TEST_F(Operation, BracketsNeededByTheLayout) {
  EXPECT_EQ(besoin_parentheses("a+b", "c", "*"), 10);
  EXPECT_EQ(besoin_parentheses("a", "b+c", "-"), 1);
  EXPECT_EQ(besoin_parentheses("x", "a*b", "^"), 0);
  EXPECT_EQ(besoin_parentheses("x", "a-b", "^"), 1);
  EXPECT_EQ(besoin_parentheses("a*b", "c*d", "/"), 11);
  EXPECT_EQ(besoin_parentheses("n!", "2", "^"), 0);
  EXPECT_EQ(besoin_parentheses("-x", "2", "^"), 10);
  EXPECT_EQ(besoin_parentheses("cos(x)", "2", "^"), 10);
}

// A template takes its argument as one operand: brackets only where the
// operator beside "%s" would bind into it; a template whose "%s" sits
// between brackets gets the argument as it is.
TEST_F(Operation, TemplatesTakeTheirArgumentAsOneOperand) {
  const char* cas[][3] = {
      {"3*%s^2", "x+1", "3*(x+1)^2"}, {"3*%s^2", "2*x", "3*(2*x)^2"},  {"3*%s^2", "cos(x)", "3*cos(x)^2"},
      {"2*%s", "-x", "2*(-x)"},       {"2*%s", "x/2", "2*x/2"},        {"1-%s", "x-1", "1-(x-1)"},
      {"%s-1", "x-1", "x-1-1"},       {"%s^2", "-x", "(-x)^2"},        {"2/%s", "x*y", "2/(x*y)"},
      {"2/%s", "x^2", "2/x^2"},       {"2^%s", "x^2", "2^(x^2)"},      {"2^%s", "-x", "2^-x"},
      {"%s/2", "x*y", "x*y/2"},       {"%s*3", "a+b", "(a+b)*3"},      {"%s+1", "-x", "-x+1"},
      {"1/%s", "x/2", "1/(x/2)"},     {"1-%s", "-x", "1-(-x)"},
      {"cos(%s)", "x+1", "cos(x+1)"}, {"(%s)*abs(%s)/2", "-x", "(-x)*abs(-x)/2"},
      {"2*%s", "x^2;y", "2*x^2;y"},  // several arguments go in as they are
  };
  for (const auto& [modele, argument, attendu] : cas) {
    EXPECT_EQ(applique_modele(modele, argument), attendu) << modele << " " << argument;
  }
}

// Joining at once puts the brackets parenthese_operandes puts.
TEST_F(Operation, JoiningAtOncePutsTheSameBrackets) {
  const char* operandes[] = {"x", "-x", "a+b", "a-b", "a*b", "a/b", "a^b", "n!", "cos(x)", "f(x;y)", "(a+b)", "2", "-3"};
  for (const std::string_view op : {"+", "-", "*", "/", "^"}) {
    for (const std::string a : operandes) {
      for (const std::string b : operandes) {
        std::string g = a;
        std::string d = b;
        parenthese_operandes(g, d, op);
        EXPECT_EQ(joint_avec_parentheses(a, b, op), g + std::string(op) + d) << a << op << b;
      }
    }
  }
}

}  // namespace
