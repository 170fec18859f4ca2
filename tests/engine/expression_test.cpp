#include "engine/expression.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/profondeur.h"

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

namespace {

// Random texts over the characters the split looks at, and letters and
// digits between them, balanced or not.
std::vector<std::string> textes_au_hasard() {
  constexpr std::string_view alphabet = "ab12e.()[]+-*/^!;=<>";
  constexpr int tirages = 4000;
  constexpr int longueur_maximale = 12;
  std::mt19937 alea(7);
  std::vector<std::string> textes = {"", "x", "12", "(x)", "-x", "x/", "/"};
  for (int k = 0; k < tirages; ++k) {
    std::string t;
    const int longueur = static_cast<int>(alea() % longueur_maximale) + 1;
    for (int i = 0; i < longueur; ++i) t += alphabet[alea() % alphabet.size()];
    textes.push_back(t);
  }
  return textes;
}

// The work one question counts inside an outermost call.
template <class Question>
std::uint64_t travail_de(Question&& question) {
  const GardeProfondeur garde;
  const std::uint64_t avant = travail_effectue();
  question();
  return travail_effectue() - avant;
}

}  // namespace

// The questions answered from the characters alone agree with the node, and count the same work as building it.
TEST(Expression, QuickQuestionsAgreeWithTheNode) {
  for (const auto& t : textes_au_hasard()) {
    const expression e(t);
    EXPECT_EQ(type_operateur_de(t), e.type_operateur) << t;
    EXPECT_EQ(se_coupe_en_quotient(t), e.operateur == "/") << t;
    if (sans_operateur(t)) {
      EXPECT_EQ(e.type_operateur, TypeOperateur::aucun) << t;
    }
    const std::uint64_t noeud = travail_de([&] { const expression n(t); });
    EXPECT_EQ(travail_de([&] { type_operateur_de(t); }), noeud) << t;
    EXPECT_EQ(travail_de([&] { se_coupe_en_quotient(t); }), noeud) << t;
  }
}
